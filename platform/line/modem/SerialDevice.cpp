#include "SerialDevice.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t baud(int speed)
{
    switch (speed) {
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 230400: return B230400;
    case 460800: return B460800;
    default: return B115200;
    }
}

QString systemError(const QString& what)
{
    return what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

SerialDevice::~SerialDevice()
{
    close();
}

Status SerialDevice::open(const QString& path, int speed, const QString& lockDir)
{
    close();
    const Status locked = m_lock.acquire(lockDir, path);
    if (!locked)
        return locked;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const QString error = systemError(path);
        m_lock.release();
        return Status::failure(error);
    }
    ::ioctl(fd, TIOCEXCL); // a pseudo-terminal may refuse it; the lock file still holds
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        const QString error = systemError(path);
        ::close(fd);
        m_lock.release();
        return Status::failure(error);
    }
    ::cfmakeraw(&tio);
    tio.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    tio.c_cflag |= CLOCAL | CREAD | CRTSCTS;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, baud(speed));
    ::cfsetospeed(&tio, baud(speed));
    ::tcsetattr(fd, TCSANOW, &tio);
    ::tcflush(fd, TCIOFLUSH);
    m_fd = fd;
    return {};
}

void SerialDevice::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_lock.release();
}

Result<qsizetype> SerialDevice::write(const QByteArray& bytes)
{
    if (m_fd < 0)
        return Result<qsizetype>::failure(QStringLiteral("the modem is not open"));
    const ssize_t n = ::write(m_fd, bytes.constData(), size_t(bytes.size()));
    if (n >= 0)
        return qsizetype(n);
    if (errno == EAGAIN || errno == EINTR)
        return qsizetype(0);
    return Result<qsizetype>::failure(systemError(QStringLiteral("write")));
}
