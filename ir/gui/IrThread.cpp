#include "IrThread.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>

#include <memory>

namespace {

bool isUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu: return true;
    case QEvent::Close: return event->spontaneous(); // the window manager's close button, not the program's own close()
    default: return false;
    }
}

// Swallows the user's input for every window but the usable ones.
class InputIgnorer : public QObject {
public:
    explicit InputIgnorer(const QList<QPointer<QWidget>>& usable) : m_usable(usable) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!isUserInput(event))
            return false;
        // Input reaches a window's widgets after its platform window: judged at the widget.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        if (event->type() == QEvent::Close)
            return true;
        for (const QPointer<QWidget>& window : m_usable) {
            if (window && (window == widget || window->isAncestorOf(widget)))
                return false;
        }
        return true;
    }

private:
    QList<QPointer<QWidget>> m_usable;
};

} // namespace

void runOnIrThread(const std::function<void()>& work, const QList<QPointer<QWidget>>& usable)
{
    InputIgnorer ignorer(usable);
    qApp->installEventFilter(&ignorer);
    QEventLoop loop;
    QObject context;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        work();
        // Queued behind whatever work posted to the user-interface thread, so that all of it runs first.
        QMetaObject::invokeMethod(
            &context, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    }));
    thread->start();
    loop.exec();
    thread->wait();
    qApp->removeEventFilter(&ignorer);
}
