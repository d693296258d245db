#include "app/icons.h"

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
