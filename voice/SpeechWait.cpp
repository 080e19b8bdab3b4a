#include "SpeechWait.h"

#include "Speech.h"

#include <QEventLoop>
#include <QTimer>

SpeechEnd waitForSpeech(Speech& character, quint64 request, int limitMs)
{
    SpeechEnd end;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&character, &Speech::requestComplete, &loop, [&](quint64 completed, const QString& error) {
        if (completed != request)
            return;
        end.completed = true;
        end.error = error;
        loop.quit();
    });
    limit.start(limitMs);
    loop.exec();
    return end;
}
