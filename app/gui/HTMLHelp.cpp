#include "HTMLHelp.h"

#include "DataFolder.h"
#include "HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>

namespace HTMLHelp {

namespace {

struct Topic {
    int context;
    const char* page;
    const char* anchor;
};
const Topic kTopics[] = {
    {kRecordingSource, "settings.html", "recording-source"},
    {kLineAudio, "line.html", "line-audio"},
};

QPointer<HelpWindow> g_window;

void show(QWidget* owner, const QUrl& page)
{
    if (!g_window)
        g_window = new HelpWindow(owner);
    g_window->open(page);
}

} // namespace

QString helpFolder()
{
    return QDir(DataFolder::shippedDataDir(QCoreApplication::applicationDirPath())).filePath(QStringLiteral("help"));
}

QUrl contentsUrl()
{
    return QUrl::fromLocalFile(QDir(helpFolder()).filePath(QStringLiteral("index.html")));
}

QUrl topicUrl(int context)
{
    for (const Topic& topic : kTopics) {
        if (topic.context == context) {
            QUrl url = QUrl::fromLocalFile(QDir(helpFolder()).filePath(QLatin1String(topic.page)));
            url.setFragment(QLatin1String(topic.anchor));
            return url;
        }
    }
    return contentsUrl();
}

void showContents(QWidget* owner)
{
    show(owner, contentsUrl());
}

void showTopic(QWidget* owner, int context)
{
    show(owner, topicUrl(context));
}

} // namespace HTMLHelp
