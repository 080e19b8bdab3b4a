#pragma once

#include <QWidget>

class QTextBrowser;

// The help viewer: the pages in a text browser, with back and contents buttons.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);
    void open(const QUrl& page);
    QUrl currentPage() const;

private:
    QTextBrowser* m_browser;
};
