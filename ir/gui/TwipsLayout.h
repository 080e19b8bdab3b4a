#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>

// Lays out a small window's controls at fixed places given in twips, as the viewer windows are drawn.
class TwipsLayout {
public:
    explicit TwipsLayout(QWidget* form) : m_form(form) {}

    // The client area's size.
    void client(int widthTwips, int heightTwips);

    template <class W> W* place(W* widget, const QString& name, int left, int top, int width, int height)
    {
        widget->setObjectName(name);
        widget->setGeometry(rect(left, top, width, height));
        return widget;
    }
    QLabel* label(const QString& text, const QString& name, int left, int top, int width, int height);

private:
    QRect rect(int left, int top, int width, int height) const;

    QWidget* m_form;
};
