#pragma once

#include <QDialog>

class Desktop;
class QLabel;

// The version window: the version, the credit of the components the program speaks with, and a
// link to the project's page.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    static const QString kProjectPage;

    frmAbout(QWidget* owner, Desktop& desktop);

    // Shows the one version window, not modal; when it opens it is placed beside owner.
    static frmAbout* showFor(QWidget* owner, Desktop& desktop);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintLink(const QColor& colour);

    Desktop& m_desktop;
    QLabel* m_link;
};
