#include "SignalFilePlacement.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

QString cannotStore(const QString& target, const QString& reason)
{
    return QStringLiteral("リモコン信号のファイル %1 を保存できません: %2")
        .arg(QDir::toNativeSeparators(target), reason);
}

// rename() replaces the target in one step, where QFile::rename refuses an existing target.
bool renameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

SignalFilePlacement::SignalFilePlacement(QString source, QString target, Mode mode)
    : m_source(std::move(source)), m_target(std::move(target)), m_mode(mode)
{
}

Status SignalFilePlacement::place()
{
    if (m_mode == Mode::Move) {
        if (!renameOver(m_source, m_target))
            return Status::failure(cannotStore(m_target, QString::fromLocal8Bit(std::strerror(errno))));
        return {};
    }
    QFile in(m_source);
    if (!in.open(QIODevice::ReadOnly))
        return Status::failure(cannotStore(m_target, in.errorString()));
    QSaveFile out(m_target);
    if (!out.open(QIODevice::WriteOnly))
        return Status::failure(cannotStore(m_target, out.errorString()));
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(64 * 1024);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return Status::failure(cannotStore(m_target, in.errorString()));
        if (out.write(chunk) != chunk.size())
            return Status::failure(cannotStore(m_target, out.errorString()));
    }
    if (!out.commit())
        return Status::failure(cannotStore(m_target, out.errorString()));
    return {};
}

void SignalFilePlacement::undo()
{
    if (m_mode == Mode::Move)
        renameOver(m_target, m_source);
}
