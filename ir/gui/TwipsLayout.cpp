#include "TwipsLayout.h"

#include "Twips.h"

void TwipsLayout::client(int widthTwips, int heightTwips)
{
    m_form->setFixedSize(rect(0, 0, widthTwips, heightTwips).size());
}

QLabel* TwipsLayout::label(const QString& text, const QString& name, int left, int top, int width, int height)
{
    return place(new QLabel(text, m_form), name, left, top, width, height);
}

QRect TwipsLayout::rect(int left, int top, int width, int height) const
{
    const double x = Twips::dpiX(m_form);
    const double y = Twips::dpiY(m_form);
    return QRect(Twips::toPixels(left, x), Twips::toPixels(top, y), Twips::toPixels(width, x),
                 Twips::toPixels(height, y));
}
