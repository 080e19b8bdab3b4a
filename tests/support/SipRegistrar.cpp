#include "SipRegistrar.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QByteArray header(const QByteArray& message, const QByteArray& name)
{
    for (const QByteArray& line : message.split('\n')) {
        if (line.toLower().startsWith(name.toLower() + ':'))
            return line.mid(name.size() + 1).trimmed();
    }
    return {};
}

} // namespace

SipRegistrar::SipRegistrar(int expirySeconds) : m_expiry(expirySeconds)
{
    m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    if (m_fd >= 0 && ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &size) == 0)
        m_port = ntohs(a.sin_port);
    if (m_fd >= 0)
        m_thread = std::thread([this] { serve(); });
}

SipRegistrar::~SipRegistrar()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_fd >= 0)
        ::close(m_fd);
}

QList<QByteArray> SipRegistrar::registers() const
{
    std::lock_guard guard(m_lock);
    return m_registers;
}

void SipRegistrar::serve()
{
    char buffer[65536];
    while (!m_stop) {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0)
            continue;
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (n > 0)
            answer(QByteArray(buffer, int(n)));
    }
}

void SipRegistrar::answer(const QByteArray& request)
{
    if (!request.startsWith("REGISTER "))
        return;
    {
        std::lock_guard guard(m_lock);
        m_registers.append(request);
    }
    {
        const bool removal = header(request, "Expires") == "0" || header(request, "Contact").contains("expires=0");
        if (removal) {
            reply(request, "200 OK", {}); // the binding is gone: no Contact in the answer
        } else if (header(request, "Authorization").startsWith("Digest ")) {
            ++m_accepted;
            reply(request, "200 OK",
                  "Contact: " + header(request, "Contact") + ";expires=" + QByteArray::number(m_expiry) +
                      "\r\nExpires: " + QByteArray::number(m_expiry) + "\r\n");
        } else {
            reply(request, "401 Unauthorized",
                  "WWW-Authenticate: Digest realm=\"talvero-test\", nonce=\"" + QByteArray::number(registers().size()) +
                      "abc\", algorithm=MD5\r\n");
        }
    }
}

void SipRegistrar::reply(const QByteArray& request, const QByteArray& status, const QByteArray& extra)
{
    QByteArray response = "SIP/2.0 " + status + "\r\n";
    for (const char* name : {"Via", "From", "To", "Call-ID", "CSeq"})
        response += QByteArray(name) + ": " + header(request, name) + "\r\n";
    response += extra + "Content-Length: 0\r\n\r\n";
    // The agent listens where its Via says (127.0.0.1:port).
    const QByteArray via = header(request, "Via");
    const qsizetype colon = via.indexOf(':', via.indexOf(' '));
    const int port = via.mid(colon + 1).split(';').value(0).toInt();
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(quint16(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::sendto(m_fd, response.constData(), size_t(response.size()), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
}
