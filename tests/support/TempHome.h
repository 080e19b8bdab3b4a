#pragma once

#include <QString>
#include <QTemporaryDir>

// A private, empty data folder made current for the lifetime of the object.
class TempHome {
public:
    TempHome();
    ~TempHome();
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
