#include "ui/icons.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int IconSize = 32;

QPixmap Blank()
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void DrawSheet(QPainter& painter, QRect sheet, int rows)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setPen(QPen(Qt::darkGray, 1));
    const int step = sheet.height() / (rows + 1);
    for (int row = 1; row <= rows; ++row) {
        const int y = sheet.top() + row * step;
        painter.drawLine(sheet.left() + 3, y, sheet.right() - 3, y);
    }
}

} // namespace

QIcon EraseAllIcon()
{
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawSheet(painter, {6, 3, 20, 26}, 6);
    painter.setPen(QPen(QColor(200, 0, 0), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(5, 5, 27, 27);
    painter.drawLine(27, 5, 5, 27);
    return QIcon(pixmap);
}

QIcon ConfigureBufferIcon()
{
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawSheet(painter, {3, 3, 14, 26}, 7);
    DrawSheet(painter, {19, 11, 10, 18}, 3);
    painter.setPen(QPen(QColor(0, 70, 190), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(12, 6, 25, 6);
    painter.drawLine(22, 3, 25, 6);
    painter.drawLine(22, 9, 25, 6);
    return QIcon(pixmap);
}

QIcon ProgramIconImage()
{
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(QColor(250, 245, 225));
    painter.drawEllipse(QRectF(2, 2, 28, 28));
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    for (int hour = 0; hour < 12; ++hour) {
        painter.save();
        painter.translate(16, 16);
        painter.rotate(hour * 30.0);
        painter.drawLine(QPointF(0, -12), QPointF(0, -10));
        painter.restore();
    }
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16, 16), QPointF(16, 8));
    painter.drawLine(QPointF(16, 16), QPointF(22, 19));
    // The switching segment of a time switch: the hours the relay is on.
    painter.setPen(QPen(QColor(200, 120, 0), 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(QRectF(5, 5, 22, 22), 30 * 16, -75 * 16);
    return QIcon(pixmap);
}

// Drawn here rather than taken from the desktop's icon theme: searching the theme's folders
// cost more than the rest of the program's start-up together.
QIcon OkButtonIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 140, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF tick[] = {{3, 8.5}, {6.5, 12}, {13, 4}};
    painter.drawPolyline(tick, 3);
    return QIcon(pixmap);
}
