#pragma once

#include "SimPortIo.h"
#include "VirtualAppliance.h"
#include "VirtualModule.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// The virtual IR module back at power-on (registers 0, remote dark, 1 µs a port access), with its
// register writes traced to a private file, for the lifetime of the object.
class VirtualModuleTrace {
public:
    VirtualModuleTrace()
    {
        VirtualModule::instance().reset();
        VirtualModule::instance().setAccessCostNs(1000);
        VirtualModule::instance().setTraceFile(m_dir.filePath("trace.txt"));
    }
    ~VirtualModuleTrace()
    {
        VirtualModule::instance().setTraceFile({});
        VirtualModule::instance().reset();
        VirtualModule::instance().setAccessCostNs(1000);
    }
    VirtualModuleTrace(const VirtualModuleTrace&) = delete;
    VirtualModuleTrace& operator=(const VirtualModuleTrace&) = delete;

    QString path() const { return m_dir.filePath("trace.txt"); }

    // "register value" of each write so far, without its time ("378 02").
    QStringList writes() const { return writesIn(path()); }

    static QStringList writesIn(const QString& path)
    {
        VirtualModule::instance().flushTrace();
        QFile file(path);
        QStringList writes;
        if (file.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : file.readAll().split('\n')) {
                const QList<QByteArray> fields = line.split(' ');
                if (fields.size() == 3)
                    writes << QString::fromLatin1(fields[1] + ' ' + fields[2]);
            }
        }
        return writes;
    }

    // What the virtual appliance decoded from the trace at path so far; none when nothing was
    // traced there yet or the trace cannot be read.
    static std::vector<SeenFrame> framesIn(const QString& path)
    {
        VirtualModule::instance().flushTrace();
        if (!QFile::exists(path))
            return {};
        const auto seen = VirtualAppliance::decodeTrace(path);
        return seen.ok() ? *seen : std::vector<SeenFrame>{};
    }

private:
    QTemporaryDir m_dir;
};

// The virtual module as seen on a machine without the port driver.
class NoDriverPort : public SimPortIo {
public:
    bool IsDriverInstalled() override { return false; }
};
