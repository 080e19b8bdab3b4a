#pragma once

#include <QDialog>

class QLabel;

// The error window of the mail and dial-up steps: a text and an OK button, not modal, placed at
// the main window's left edge, 1000 twips below its top.
class Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Dialog(QWidget* owner);

    // Shows the one error window (loaded and placed when it is not open) with text.
    static Dialog* showText(QWidget* owner, const QString& text);
    QString text() const;

private:
    QLabel* m_label;
};
