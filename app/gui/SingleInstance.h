#pragma once

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

// One running program per data folder. The first start holds a lock file in the data folder
// (freed by the system when the process dies) and listens for later starts, which only ask it to
// show its window and then end.
class SingleInstance {
public:
    explicit SingleInstance(const QString& dataFolder);
    ~SingleInstance();

    // True for the first program on the folder; false when another one holds it.
    bool acquire();
    // The first program: onShow runs whenever a later start asks for the window.
    void listen(std::function<void()> onShow);
    // A later start: asks the first one to show its window, waiting half a second at most.
    void askFirstToShow() const;

private:
    QString m_serverName;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
