#pragma once

#include "Result.h"
#include "SipCallerId.h"
#include "SipMedia.h"
#include "SipOptions.h"

#include <QString>

#include <atomic>
#include <deque>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

class SipMediaBuffers;

// The SIP user agent: a sofia-sip stack on its own thread (su_root) that takes calls on the
// listener, registers with a registrar when there is one, and runs the calls' RTP on a 20 ms
// media clock. Commands from other threads are queued to it and return at once; what happens is
// told through the listener, called on the SIP thread.
class SipAgent {
public:
    struct Listener {
        std::function<void(int call, const SipCallerId& caller)> incoming;
        std::function<void(int call, const QString& reason)> ended;
        std::function<void(int call, char key, SipMedia::KeyPath path)> key;
        std::function<void(const QString& note)> note; // refused calls, registration results
    };

    SipAgent(SipOptions options, SipMediaBuffers& buffers, Listener listener);
    ~SipAgent();
    SipAgent(const SipAgent&) = delete;
    SipAgent& operator=(const SipAgent&) = delete;

    // Starts the thread and waits until the listener is bound; the error says why it is not.
    Status start();
    void stop();
    bool isRunning() const { return m_thread.joinable(); }

    // Whether new calls are offered (someone is registered for them) or refused with 480.
    void setAccepting(bool on) { m_accepting = on; }
    void answer(int call);
    // Ends a call: an unanswered one with status (486 busy, 480 unavailable), an answered one by BYE.
    void end(int call, int status);
    void sendKeys(int call, const QString& keys);

private:
    struct Leg;
    friend struct SipAgentEvents;

    void run(std::promise<Status>* started);
    void post(std::function<void()> command);
    void runCommands();
    void mediaClock();
    void startRegistration();
    Leg* leg(int call);

    SipOptions m_options;
    SipMediaBuffers& m_buffers;
    Listener m_listener;
    std::thread m_thread;
    std::atomic<bool> m_accepting{false};

    std::mutex m_commandLock;
    std::deque<std::function<void()>> m_commands;
    int m_wakeFd = -1;

    // Owned by the SIP thread.
    struct Stack;
    std::unique_ptr<Stack> m_stack;
    std::map<int, std::unique_ptr<Leg>> m_legs;
    int m_nextCall = 1;
};
