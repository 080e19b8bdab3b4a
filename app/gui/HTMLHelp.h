#pragma once

#include <QUrl>

class QWidget;

// The program's help: Japanese HTML pages shipped in share/talvero/help, shown in one help window.
// Topics are asked for by context number, as the message boxes' help buttons do.
namespace HTMLHelp {

enum Context {
    kRecordingSource = 1, // recording the speech: choosing the sound server's monitor source
    kLineAudio = 2,       // the line's wave devices cannot be found or opened
};

QString helpFolder();
// The contents page, and the page and anchor of a context (the contents for an unknown one).
QUrl contentsUrl();
QUrl topicUrl(int context);

// Shows the help window (created the first time, owned by owner) at the contents or at a topic.
void showContents(QWidget* owner);
void showTopic(QWidget* owner, int context);

} // namespace HTMLHelp
