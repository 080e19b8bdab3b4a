#include "Dial.h"

#include "DialState.h"
#include "PeerBook.h"
#include "PppLink.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <chrono>

namespace {

constexpr int kLongestEntryBytes = 255;
constexpr int kIdleMoments = 500;
// pppd ends a dial that fails on its own; this only bounds a pppd that neither connects nor ends.
constexpr auto kLongestDial = std::chrono::minutes(5);

std::atomic<int> g_objects{0};

const char16_t* const kMethods[] = {u"GetErrMsg", u"GetEntries",    u"Connect",     u"Disconnect",
                                    u"GetStatus", u"GetConnection", u"GetStatusNum"};

void letEventsRun()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace

Dial::Dial()
{
    ++g_objects;
    DialState::resetError();
}

Dial::~Dial()
{
    hangUp();
    --g_objects;
}

int Dial::objectCount()
{
    return g_objects;
}

QString Dial::GetErrMsg()
{
    if (DialState::lastError() == 0)
        return {};
    const QString text = DialState::lastErrorText();
    return text.isEmpty() ? QStringLiteral("Unknown Error") : text;
}

QVariant Dial::GetEntries()
{
    const Result<QStringList> entries = PeerBook::entries();
    if (!entries)
        return QString();
    QVariantList out;
    for (const QString& e : *entries)
        out << e;
    return out;
}

int Dial::Connect(const QVariant& entryname, const QVariant& user, const QVariant& pass, const QVariant& type)
{
    if (m_link)
        return -2;
    bool typeOk = false;
    const int mode = type.toInt(&typeOk);
    const QByteArray entryBytes = entryname.toString().toUtf8();
    if (!typeOk || (mode != 0 && mode != 1) || !entryname.isValid() || entryBytes.isEmpty() ||
        entryBytes.size() > kLongestEntryBytes)
        return -1;
    const QString entry = entryname.toString();
    DialState::startDial();
    if (!PeerBook::hasEntry(entry)) {
        DialState::setError(623, QStringLiteral("接続先 %1 がありません (%2)").arg(entry, PeerBook::folder()));
        return 623;
    }
    // A given user replaces the peer file's user and password; without one, the stored ones dial.
    const QString userName = user.toString();
    std::optional<QByteArray> password;
    if (!userName.isEmpty())
        password = pass.toString().toUtf8();
    m_link = PppLink::start(entry, userName, password);
    if (!m_link)
        return DialState::lastError();
    if (mode == 0)
        return 0;
    return waitForLink();
}

int Dial::waitForLink()
{
    for (int idle = 0; idle < kIdleMoments; ++idle) {
        letEventsRun();
        QThread::msleep(1);
    }
    const auto deadline = std::chrono::steady_clock::now() + kLongestDial;
    while (m_link && pollStep() > 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            DialState::setError(638, QStringLiteral("接続が完了しません (タイムアウト)"));
            break;
        }
    }
    const int ret = DialState::lastError();
    if (ret != 0)
        hangUp();
    return ret;
}

int Dial::Disconnect()
{
    const int ret = hangUp();
    DialState::setError(ret, {});
    return ret;
}

QString Dial::GetStatus()
{
    if (!m_link)
        return QStringLiteral("未接続");
    return DialState::statusText(GetStatusNum());
}

QString Dial::GetConnection()
{
    const QStringList active = PppLink::activeEntries();
    // Room for one connection: with two or more the answer is "buffer too small".
    DialState::setError(active.size() > 1 ? 603 : 0, {});
    return active.size() == 1 ? active.first() : QString();
}

int Dial::GetStatusNum()
{
    if (!m_link)
        return -9;
    return pollStep();
}

int Dial::pollStep()
{
    letEventsRun();
    QThread::msleep(1);
    return DialState::pollCode();
}

int Dial::hangUp()
{
    if (!m_link)
        return 0;
    const int ret = m_link->hangUp();
    m_link.reset();
    return ret;
}

int Dial::dispatchId(QStringView method) const
{
    for (int i = 0; i < static_cast<int>(std::size(kMethods)); ++i)
        if (method.compare(QStringView(kMethods[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    return -1;
}

QVariant Dial::invoke(int dispatchId, const QVariantList& args)
{
    const auto arg = [&](int i) { return i < args.size() ? args.at(i) : QVariant(); };
    switch (dispatchId) {
    case 1: return GetErrMsg();
    case 2: return GetEntries();
    case 3: return Connect(arg(0), arg(1), arg(2), arg(3));
    case 4: return Disconnect();
    case 5: return GetStatus();
    case 6: return GetConnection();
    case 7: return GetStatusNum();
    default: return {};
    }
}
