#include "DialogueFixture.h"

#include "DataFolder.h"
#include "RemoteSetup.h"
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString relative(const QString& path)
{
    return QDir(DataFolder::current()).relativeFilePath(path);
}

} // namespace

bool FakeDialoguePorts::runNextStep()
{
    if (sequence.isEmpty())
        return false;
    const Step step = sequence.takeFirst();
    if (step.action)
        step.action();
    else
        trace << "play " + relative(step.file);
    return true;
}

void FakeDialoguePorts::finishSequence()
{
    while (runNextStep()) {
    }
}

void FakeDialoguePorts::playSounds(int count)
{
    for (int played = 0; played < count && !sequence.isEmpty();) {
        if (!sequence.first().action)
            ++played;
        runNextStep();
    }
    while (!sequence.isEmpty() && sequence.first().action)
        runNextStep();
    if (!sequence.isEmpty())
        trace << "play " + relative(sequence.takeFirst().file) + " (playing)";
}

void FakeDialoguePorts::playSequence(int mode, QList<Step> steps)
{
    trace << QStringLiteral("sequence in mode %1").arg(mode);
    sequenceMode = mode;
    sequence = std::move(steps);
}

void FakeDialoguePorts::playAndGoOn(const QString& file)
{
    trace << "play at once " + relative(file);
}

void FakeDialoguePorts::interrupt(int mode)
{
    trace << QStringLiteral("interrupt mode %1").arg(mode);
    if (mode == sequenceMode)
        sequence.clear();
}

void FakeDialoguePorts::generateDigits(const QString& digits)
{
    trace << "tone " + digits;
}

void FakeDialoguePorts::HangUpCall()
{
    trace << "hang up";
    sequence.clear();
}

bool FakeDialoguePorts::SendSignal(const QString& signalFile)
{
    trace << "send " + relative(signalFile);
    return sendSucceeds;
}

void FakeDialoguePorts::LogOperation(int device, int button)
{
    trace << QStringLiteral("log operation %1 %2").arg(device).arg(button);
}

void FakeDialoguePorts::logOperationFailed(int device, int button)
{
    trace << QStringLiteral("log operation failed %1 %2").arg(device).arg(button);
}

DialogueTest::DialogueTest()
{
    writeRemoteSettings();
    const QString remote = DataFolder::path(u"\\Remote");
    catalogue.load({{"0", "照明", "00", "点灯", remote + "/0-00"},
                    {"1", "テレビ", "05", "電源", remote + "/1-05"},
                    {"1", "テレビ", "07", "音量", remote + "/1-07"}});
    dialogue = std::make_unique<DtmfDialogue>(DtmfDialogue::Ports{ports, ports, ports, ports, catalogue});
    dialogue->beginCall();
}

void DialogueTest::key(QStringView digits)
{
    for (QChar digit : digits)
        dialogue->onDigitEvent(digit.unicode());
}

void DialogueTest::keyAndTick(QStringView digits)
{
    key(digits);
    dialogue->Timer2_Timer();
}

QStringList DialogueTest::takeTrace()
{
    return std::exchange(ports.trace, {});
}

void DialogueTest::writeFile(const QString& relative, const QByteArray& bytes)
{
    const QString path = home.file(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
