#include "ui/weekchartview.h"

#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int Left = 40; // the day names
constexpr int Top = 22;  // the hour scale
constexpr int MarkHeight = 7;
constexpr int RowPitch = WeekChartView::BarHeight + MarkHeight + 9;
constexpr int Right = 16;
constexpr int LegendHeight = 26;
constexpr int HitDistance = 4; // pixels either side of a mark

} // namespace

WeekChartView::WeekChartView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("weekChart"));
    setMouseTracking(true);
    const int first = QLocale::system().firstDayOfWeek() == Qt::Monday ? 1 : 0;
    for (int row = 0; row < DaysPerWeek; ++row)
        rows[std::size_t(row)] = (first + row) % DaysPerWeek;
    setFixedSize(sizeHint());
}

void WeekChartView::setChart(const WeekChart& shown, const std::vector<std::string>& stepLines)
{
    chart = shown;
    lines = stepLines;
    update();
}

QSize WeekChartView::sizeHint() const
{
    return {Left + TrackWidth + Right, Top + DaysPerWeek * RowPitch + LegendHeight};
}

QRect WeekChartView::barRect(int day) const
{
    const auto row = std::find(rows.begin(), rows.end(), day) - rows.begin();
    return {Left, Top + int(row) * RowPitch, TrackWidth, BarHeight};
}

int WeekChartView::xOfMinute(int minute) const
{
    return Left + minute * PixelsPerHour / 60;
}

void WeekChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintScale(painter);
    for (int row = 0; row < DaysPerWeek; ++row)
        paintDay(painter, row);
    paintLegend(painter);
}

void WeekChartView::paintScale(QPainter& painter) const
{
    painter.setPen(palette().color(QPalette::WindowText));
    for (int hour = 0; hour <= 24; hour += 3) {
        const int x = xOfMinute(hour * 60);
        painter.drawLine(x, Top - 5, x, Top - 2);
        painter.drawText(QRect(x - 15, 0, 30, Top - 6), Qt::AlignHCenter | Qt::AlignBottom,
                         QString::number(hour));
    }
}

void WeekChartView::paintDay(QPainter& painter, int row) const
{
    const int day = rows[std::size_t(row)];
    const QRect bar = barRect(day);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, bar.top(), Left - 6, bar.height()), Qt::AlignRight | Qt::AlignVCenter,
                     QLatin1String(WeekDayNames[std::size_t(day)].data(), 3));
    // The frame lies outside the bar, so the bar's pixels are On or Off and nothing else.
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar.adjusted(-1, -1, 0, 0));
    painter.fillRect(bar, Qt::white);
    for (const DaySpan& span : chart.on[std::size_t(day)])
        painter.fillRect(QRect(QPoint(xOfMinute(span.from), bar.top()),
                               QPoint(xOfMinute(span.to) - 1, bar.bottom())),
                         OnColour);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const RelaySwitch& change : chart.switches) {
        if (change.day != day)
            continue;
        const int x = xOfMinute(change.minute);
        const int y = bar.bottom() + 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(change.on ? OnColour : OffSwitchColour);
        painter.drawPolygon(QPolygon{{x, y}, {x - 4, y + MarkHeight}, {x + 4, y + MarkHeight}});
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void WeekChartView::paintLegend(QPainter& painter) const
{
    const int y = Top + DaysPerWeek * RowPitch + 6;
    const QRect on(Left, y, 24, 12);
    painter.fillRect(on, OnColour);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(on.right() + 6, on.bottom(), tr("On"));
    const QRect off(Left + 70, y, 24, 12);
    painter.fillRect(off, Qt::white);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(off.adjusted(-1, -1, 0, 0));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(off.right() + 6, off.bottom(), tr("Off"));
    painter.drawText(Left + 140, off.bottom(),
                     tr("Marks: the steps' switches (rest the mouse on one, click to choose it)"));
}

std::vector<RelaySwitch> WeekChartView::switchesAt(QPoint point) const
{
    std::vector<RelaySwitch> found;
    for (int day = 0; day < DaysPerWeek; ++day) {
        const QRect bar = barRect(day);
        if (point.y() < bar.top() || point.y() > bar.bottom() + 2 + MarkHeight)
            continue;
        for (const RelaySwitch& change : chart.switches) {
            if (change.day == day && std::abs(xOfMinute(change.minute) - point.x()) <= HitDistance)
                found.push_back(change);
        }
    }
    std::stable_sort(found.begin(), found.end(), [&](const RelaySwitch& a, const RelaySwitch& b) {
        return std::abs(xOfMinute(a.minute) - point.x()) <
               std::abs(xOfMinute(b.minute) - point.x());
    });
    return found;
}

bool WeekChartView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    QStringList texts;
    for (const RelaySwitch& change : switchesAt(help->pos())) {
        if (change.step < int(lines.size()))
            texts << QString::fromStdString(lines[std::size_t(change.step)]);
    }
    texts.removeDuplicates();
    if (texts.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), texts.join(QLatin1Char('\n')), this);
    }
    return true;
}

void WeekChartView::mousePressEvent(QMouseEvent* event)
{
    const std::vector<RelaySwitch> found = switchesAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && !found.empty())
        emit stepClicked(found.front().step);
}

void WeekChartView::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(switchesAt(event->position().toPoint()).empty() ? Qt::ArrowCursor
                                                              : Qt::PointingHandCursor);
}
