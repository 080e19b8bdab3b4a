#include "CharacterWindow.h"

#include "Speech.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;
constexpr int kWizardWidth = 110;

} // namespace

CharacterWindow::CharacterWindow()
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(Speech::kCharacterName);
    setFixedSize(kWidth, kHeight);
    m_mouth.setInterval(140);
    connect(&m_mouth, &QTimer::timeout, this, [this] {
        m_mouthOpen = !m_mouthOpen;
        update();
    });
}

void CharacterWindow::startSpeaking(const QString& text)
{
    m_text = text;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        move(free.right() - kWidth - 16, free.bottom() - kHeight - 16);
    }
    m_mouth.start();
    show();
    if (QGuiApplication::platformName() != u"offscreen")
        raise();
}

void CharacterWindow::stopSpeaking()
{
    m_mouth.stop();
    m_mouthOpen = false;
    hide();
}

void CharacterWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    drawBalloon(p, QRectF(0, 0, kWidth - kWizardWidth + 10, kHeight * 0.62));
    drawWizard(p, QRectF(kWidth - kWizardWidth, 0, kWizardWidth, kHeight));
}

void CharacterWindow::drawBalloon(QPainter& p, const QRectF& area) const
{
    const QRectF box = area.adjusted(4, 4, -14, -4);
    QPainterPath balloon;
    balloon.addRoundedRect(box, 12, 12);
    QPainterPath tail;
    tail.moveTo(box.right() - 4, box.bottom() - 26);
    tail.lineTo(area.right() + 4, box.bottom() + 2);
    tail.lineTo(box.right() - 4, box.bottom() - 10);
    tail.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 90), 1.5));
    p.setBrush(QColor(255, 255, 235));
    p.drawPath(balloon.united(tail));
    p.setPen(Qt::black);
    QFont font = p.font();
    font.setPixelSize(14);
    p.setFont(font);
    p.drawText(box.adjusted(10, 8, -10, -8), Qt::AlignCenter | Qt::TextWordWrap, m_text);
}

void CharacterWindow::drawWizard(QPainter& p, const QRectF& a) const
{
    const double cx = a.center().x();
    const QColor robe(52, 70, 160);
    // Robe
    QPainterPath body;
    body.moveTo(cx - 40, a.bottom() - 2);
    body.lineTo(cx - 22, a.top() + 105);
    body.lineTo(cx + 22, a.top() + 105);
    body.lineTo(cx + 40, a.bottom() - 2);
    body.closeSubpath();
    p.setPen(QPen(robe.darker(140), 1.5));
    p.setBrush(robe);
    p.drawPath(body);
    // Face
    p.setBrush(QColor(250, 215, 180));
    p.setPen(QPen(QColor(160, 110, 80), 1));
    p.drawEllipse(QPointF(cx, a.top() + 86), 20, 20);
    // Beard, with the mouth in it
    QPainterPath beard;
    beard.moveTo(cx - 20, a.top() + 90);
    beard.quadTo(cx - 18, a.top() + 140, cx, a.top() + 152);
    beard.quadTo(cx + 18, a.top() + 140, cx + 20, a.top() + 90);
    beard.quadTo(cx, a.top() + 100, cx - 20, a.top() + 90);
    p.setBrush(QColor(245, 245, 245));
    p.setPen(QPen(QColor(180, 180, 180), 1));
    p.drawPath(beard);
    p.setBrush(QColor(120, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx, a.top() + 102), 6, m_mouthOpen ? 4.5 : 1.2);
    // Eyes
    p.setBrush(QColor(40, 40, 60));
    p.drawEllipse(QPointF(cx - 7, a.top() + 82), 2.2, 2.6);
    p.drawEllipse(QPointF(cx + 7, a.top() + 82), 2.2, 2.6);
    // Hat with a star
    QPainterPath hat;
    hat.moveTo(cx - 34, a.top() + 72);
    hat.lineTo(cx + 6, a.top() + 4);
    hat.lineTo(cx + 34, a.top() + 72);
    hat.closeSubpath();
    p.setBrush(robe.lighter(115));
    p.setPen(QPen(robe.darker(150), 1.5));
    p.drawPath(hat);
    p.setBrush(QColor(255, 220, 60));
    p.setPen(Qt::NoPen);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 3.5 : 8;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(cx + 2 + r * std::cos(angle), a.top() + 45 + r * std::sin(angle));
    }
    p.drawPolygon(star);
}
