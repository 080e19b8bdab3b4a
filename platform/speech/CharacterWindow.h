#pragma once

#include <QTimer>
#include <QWidget>

// The character "Merlin": a small wizard of our own drawing that stands above the other windows
// while he speaks, with the words in a balloon and a moving mouth.
class CharacterWindow : public QWidget {
    Q_OBJECT
public:
    CharacterWindow();

    void startSpeaking(const QString& text);
    void stopSpeaking();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawWizard(QPainter& p, const QRectF& area) const;
    void drawBalloon(QPainter& p, const QRectF& area) const;

    QString m_text;
    bool m_mouthOpen = false;
    QTimer m_mouth;
};
