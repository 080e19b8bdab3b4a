#include "HTMLHelp.h"

#include "HelpWindow.h"

#include <QFile>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QString pageText(const QUrl& url)
{
    QFile file(url.toLocalFile());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(HTMLHelpTest, EveryContextLeadsToItsTopic)
{
    struct Case {
        int context;
        const char* page;
    };
    const Case cases[] = {{1, "settings.html"}, {2, "line.html"}, {99, "index.html"}};
    for (const Case& c : cases) {
        const QUrl url = HTMLHelp::topicUrl(c.context);
        EXPECT_TRUE(url.toLocalFile().endsWith(QString("/help/") + c.page)) << c.context;
        const QString text = pageText(url);
        ASSERT_FALSE(text.isEmpty()) << url.toString().toStdString();
        if (url.hasFragment()) {
            EXPECT_TRUE(text.contains("id=\"" + url.fragment() + "\"")) << c.context;
        }
    }
    EXPECT_TRUE(pageText(HTMLHelp::contentsUrl()).contains("目次"));
}

TEST(HTMLHelpTest, OneHelpWindowShowsTheAskedPage)
{
    QWidget owner;
    HTMLHelp::showContents(&owner);
    auto* window = owner.findChild<HelpWindow*>();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->currentPage(), HTMLHelp::contentsUrl());
    HTMLHelp::showTopic(&owner, HTMLHelp::kLineAudio);
    EXPECT_EQ(owner.findChildren<HelpWindow*>().size(), 1);
    EXPECT_EQ(window->currentPage(), HTMLHelp::topicUrl(HTMLHelp::kLineAudio));
}
