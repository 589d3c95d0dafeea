#include "handsetpicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

HandsetPicture::HandsetPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(Width, Height);
}

void HandsetPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    // Body: a slim bar with rounded ends and a stub antenna at the top right.
    p.setPen(QPen(QColor(20, 22, 28), 1.5));
    p.setBrush(QColor(40, 44, 52));
    p.drawRoundedRect(QRectF(104, 0.75, 14, 16), 4, 4);

    QLinearGradient shell(0, 0, Width, 0);
    shell.setColorAt(0.0, QColor(46, 52, 64));
    shell.setColorAt(0.5, QColor(92, 100, 116));
    shell.setColorAt(1.0, QColor(46, 52, 64));
    p.setBrush(shell);
    const QRectF body(2, 8, Width - 4, Height - 10);
    p.drawRoundedRect(body, 22, 22);

    // Earpiece slots.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 24, 30));
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(55 + i * 8, 16, 5, 3), 1.5, 1.5);

    // Display in its bezel.
    p.setBrush(QColor(24, 26, 32));
    p.drawRoundedRect(QRectF(14, 26, Width - 28, 70), 6, 6);
    QLinearGradient lcd(0, 30, 0, 92);
    lcd.setColorAt(0.0, QColor(176, 204, 150));
    lcd.setColorAt(1.0, QColor(138, 170, 112));
    p.setBrush(lcd);
    const QRectF screen(20, 31, Width - 40, 60);
    p.drawRect(screen);
    p.setPen(QColor(36, 52, 30));
    QFont small = font();
    small.setPixelSize(9);
    p.setFont(small);
    p.drawText(screen.adjusted(4, 2, -4, -2), Qt::AlignTop | Qt::AlignHCenter, QStringLiteral("12:00"));
    QFont big = font();
    big.setPixelSize(13);
    big.setBold(true);
    p.setFont(big);
    p.drawText(screen, Qt::AlignCenter, QStringLiteral("TRIUM"));
    p.setFont(small);
    p.drawText(screen.adjusted(4, 2, -4, -2), Qt::AlignBottom | Qt::AlignHCenter,
               tr("Menu", "the soft key label on the display of the pictured phone"));

    // Maker's line under the display.
    p.setPen(QColor(200, 204, 214));
    p.drawText(QRectF(0, 99, Width, 12), Qt::AlignCenter, QStringLiteral("mitsubishi"));

    // The key field behind the buttons.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 34, 42));
    p.drawRoundedRect(QRectF(8, 114, Width - 16, 180), 12, 12);

    // Microphone hole.
    p.setBrush(QColor(18, 20, 24));
    p.drawEllipse(QPointF(Width / 2.0, 296), 2, 1.5);
}
