#include "EngineFixture.h"

#include "DataFolder.h"
#include "MessageStore.h"
#include "Settings.h"
#include "TestWav.h"
#include "WaitUntil.h"

#include <QDir>
#include <QFile>

EngineFixture::EngineFixture()
{
    options.ringMilliseconds = 100;
    WriteSetting(u"Tapi", u"Card", u"Talvero Virtual Line");
    WriteSetting(u"Tapi", u"NumRings", u"2");
    WriteSetting(u"AnsweringMachine", u"MaxMessage", u"1");
    WriteSetting(u"Feature", u"AnsweringMachine", u"1");
    writeToneWav(DataFolder::path(u"\\Ans\\Reception0.wav"), 0.3, 22050);
    writeToneWav(DataFolder::path(u"\\Ans\\Reception1.wav"), 0.2);
}

EngineFixture::~EngineFixture()
{
    engine.reset();
    MainWindowLink::install(nullptr);
}

void EngineFixture::startEngine(bool switchOn)
{
    engine = std::make_unique<frmTapi>([this] {
        auto sim = std::make_unique<SimLine>(options);
        line = sim.get();
        QObject::connect(line, &SimLine::monitor, [this](const QString& m) { told << m; });
        return sim;
    });
    host.engine = engine.get();
    handOver.engine = engine.get();
    MainWindowLink::install(&host);
    engine->setHandOver(&handOver);
    engine->InitTAPI();
    if (switchOn)
        engine->Tapi_On();
}

void EngineFixture::callAndWaitForAnswer(const QString& number)
{
    ASSERT_TRUE(line->ring(number).ok());
    ASSERT_TRUE(waitForLine("ANSWERED"));
}

bool EngineFixture::waitForLine(const QString& prefix, int timeoutMs)
{
    return waitUntil([&] { return sawLine(prefix); }, timeoutMs);
}

bool EngineFixture::sawLine(const QString& prefix) const
{
    return std::any_of(told.begin(), told.end(), [&](const QString& m) { return m.startsWith(prefix); });
}

QStringList EngineFixture::messages() const
{
    QStringList names = MessageStore::GetMessages();
    names.sort();
    return names;
}

QString EngineFixture::callLog() const
{
    QFile log(DataFolder::path(u"\\Phone.log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}
