#include "forms/AboutPictures.h"

#include <QPainter>

namespace {

constexpr int Size = 32;
constexpr int Units = 3;         // units in the stack
constexpr int PortsPerRow = 6;

void DrawUnit(QPainter& p, int top, const QColor& led) {
    p.setPen(QColor(20, 28, 40));
    p.setBrush(QColor(58, 72, 92));
    p.drawRoundedRect(QRectF(2.5, top + 0.5, Size - 5, 8), 1.5, 1.5);
    // Ports in one row, each with its LED above.
    for (int k = 0; k < PortsPerRow; ++k) {
        const int x = 5 + k * 4;
        p.fillRect(x, top + 4, 3, 3, QColor(18, 18, 22));
        p.fillRect(x, top + 2, 3, 1, led);
    }
    // The unit's system LED on the right.
    p.fillRect(Size - 6, top + 3, 2, 2, led);
}

}  // namespace

QImage DrawAboutPicture(AboutPicture which) {
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor led = which == AboutPicture::Lit ? QColor(60, 220, 90) : QColor(90, 96, 104);
    for (int u = 0; u < Units; ++u) DrawUnit(p, 3 + u * 9, led);
    return image;
}
