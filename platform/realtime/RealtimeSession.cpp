#include "RealtimeSession.h"

#include <pthread.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// High, but below the kernel's own per-CPU threads at 99.
constexpr int kFifoPriority = 90;

int threadNice()
{
    return getpriority(PRIO_PROCESS, id_t(gettid()));
}

bool setThreadNice(int nice)
{
    return setpriority(PRIO_PROCESS, id_t(gettid()), nice) == 0;
}

bool lockMemory()
{
#if defined(__SANITIZE_ADDRESS__)
    return false; // the sanitizer's shadow memory is terabytes of reserved pages: never lock it
#else
    return mlockall(MCL_CURRENT | MCL_FUTURE) == 0;
#endif
}

} // namespace

QString policyName(RealtimePolicy policy)
{
    switch (policy) {
    case RealtimePolicy::Fifo: return QStringLiteral("fifo");
    case RealtimePolicy::Nice: return QStringLiteral("nice");
    case RealtimePolicy::Normal: break;
    }
    return QStringLiteral("normal");
}

RealtimeSession::RealtimeSession(RealtimePolicy best)
{
    sched_param old{};
    pthread_getschedparam(pthread_self(), &m_oldPolicy, &old);
    m_oldPriority = old.sched_priority;
    m_oldNice = threadNice();
    if (best == RealtimePolicy::Normal)
        return;
    m_locked = lockMemory();
    if (best == RealtimePolicy::Fifo) {
        m_throttle = std::make_unique<RtThrottle>();
        const sched_param fifo{kFifoPriority};
        if (m_throttle->unthrottled() && pthread_setschedparam(pthread_self(), SCHED_FIFO, &fifo) == 0) {
            m_policy = RealtimePolicy::Fifo;
            return;
        }
        m_throttle.reset(); // a throttled FIFO thread loses 50 ms a second: nice -20 does better
    }
    if (setThreadNice(-20))
        m_policy = RealtimePolicy::Nice;
}

RealtimeSession::~RealtimeSession()
{
    if (m_policy == RealtimePolicy::Fifo) {
        const sched_param old{m_oldPriority};
        pthread_setschedparam(pthread_self(), m_oldPolicy, &old);
    }
    if (m_policy == RealtimePolicy::Nice)
        setThreadNice(m_oldNice);
    m_throttle.reset();
    if (m_locked)
        munlockall();
}
