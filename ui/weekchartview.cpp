#include "ui/weekchartview.h"

#include "ui/weekchartaccessible.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
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
constexpr int MarkHalfWidth = 3;
constexpr int MarkSpacing = 2 * MarkHalfWidth + 1; // marks closer than this are moved apart
constexpr int RowPitch = WeekChartView::BarHeight + MarkHeight + 9;
constexpr int Right = 16;
constexpr int LegendLine = 18;
constexpr int LegendHeight = 3 * LegendLine + 6;
constexpr int HitDistance = 4; // pixels either side of a mark
constexpr int MinutesPerHour = 60;
constexpr int HoursPerScaleLabel = 3;

constexpr const char* ShortDayNames[DaysPerWeek] = {
    QT_TRANSLATE_NOOP("WeekChartView", "Sun"), QT_TRANSLATE_NOOP("WeekChartView", "Mon"),
    QT_TRANSLATE_NOOP("WeekChartView", "Tue"), QT_TRANSLATE_NOOP("WeekChartView", "Wed"),
    QT_TRANSLATE_NOOP("WeekChartView", "Thu"), QT_TRANSLATE_NOOP("WeekChartView", "Fri"),
    QT_TRANSLATE_NOOP("WeekChartView", "Sat")};
constexpr const char* DayNames[DaysPerWeek] = {
    QT_TRANSLATE_NOOP("WeekChartView", "Sunday"),   QT_TRANSLATE_NOOP("WeekChartView", "Monday"),
    QT_TRANSLATE_NOOP("WeekChartView", "Tuesday"),  QT_TRANSLATE_NOOP("WeekChartView", "Wednesday"),
    QT_TRANSLATE_NOOP("WeekChartView", "Thursday"), QT_TRANSLATE_NOOP("WeekChartView", "Friday"),
    QT_TRANSLATE_NOOP("WeekChartView", "Saturday")};

// "07:30", "24:00": a minute of the day on the 24-hour clock, as the hour scale counts.
QString DayTime(int minute)
{
    return QString::asprintf("%02d:%02d", minute / MinutesPerHour, minute % MinutesPerHour);
}

QString StepNumber(int step)
{
    return QString::asprintf("%02d", step);
}

QPolygon MarkShape(SwitchMark::Kind kind, QPoint top)
{
    const int x = top.x();
    const int y = top.y();
    switch (kind) {
    case SwitchMark::Kind::On: // pointing up at the bar
        return {{x, y}, {x - MarkHalfWidth, y + MarkHeight}, {x + MarkHalfWidth, y + MarkHeight}};
    case SwitchMark::Kind::Off: // pointing down
        return {{x - MarkHalfWidth, y}, {x + MarkHalfWidth, y}, {x, y + MarkHeight}};
    case SwitchMark::Kind::Clash:
        break;
    }
    const int half = MarkHeight / 2;
    return {{x, y}, {x + half + 1, y + half}, {x, y + MarkHeight}, {x - half - 1, y + half}};
}

} // namespace

WeekChartView::WeekChartView(QWidget* parent)
    : QWidget(parent)
{
    InstallWeekChartAccessibility();
    setObjectName(QStringLiteral("weekChart"));
    setAccessibleName(tr("Week chart"));
    setAccessibleDescription(tr("The relay's On time on each day of the week. The arrow keys go "
                                "from switch to switch; Enter chooses the switch's step."));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    const int first = QLocale::system().firstDayOfWeek() == Qt::Monday ? 1 : 0;
    for (int row = 0; row < DaysPerWeek; ++row)
        rows[std::size_t(row)] = (first + row) % DaysPerWeek;
    setFixedSize(sizeHint());
    layOut();
}

void WeekChartView::setChart(const WeekChart& shown, const std::vector<std::string>& stepLines)
{
    const bool hadCurrent = current >= 0;
    const Switch was = hadCurrent ? switches[std::size_t(current)] : Switch{};
    const int wasMinute = hadCurrent ? chart.marks[std::size_t(was.mark)].weekMinute() : 0;
    // A screen reader is told of the days whose words change.
    const bool telling = QAccessible::isActive();
    std::array<QString, DaysPerWeek> summaries;
    for (int row = 0; telling && row < DaysPerWeek; ++row)
        summaries[std::size_t(row)] = daySummary(row);

    chart = shown;
    lines = stepLines;
    layOut();

    // The keyboard stays on the same switch where it is still there, else on one near it.
    if (hadCurrent) {
        current = std::min(current, int(switches.size()) - 1);
        for (std::size_t k = 0; k < switches.size(); ++k) {
            if (switches[k].step == was.step &&
                chart.marks[std::size_t(switches[k].mark)].weekMinute() == wasMinute)
                current = int(k);
        }
    }
    if (telling) {
        QAccessibleInterface* chartFace = QAccessible::queryAccessibleInterface(this);
        for (int row = 0; chartFace && row < DaysPerWeek; ++row) {
            if (summaries[std::size_t(row)] == daySummary(row))
                continue;
            if (QAccessibleInterface* day = chartFace->child(row)) {
                QAccessibleEvent renamed(day, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&renamed);
            }
        }
    }
    update();
}

void WeekChartView::layOut()
{
    for (int day = 0; day < DaysPerWeek; ++day)
        segments[std::size_t(day)] = segmentsOf(day);

    // Marks stand at their minute, moved apart where they would overlap, inside the track.
    markX.assign(chart.marks.size(), 0);
    for (int day = 0; day < DaysPerWeek; ++day) {
        std::vector<std::size_t> ofDay;
        for (std::size_t m = 0; m < chart.marks.size(); ++m) {
            if (chart.marks[m].day == day)
                ofDay.push_back(m);
        }
        int last = Left - MarkSpacing;
        for (std::size_t m : ofDay) {
            markX[m] = std::max(xOfMinute(chart.marks[m].minute), last + MarkSpacing);
            last = markX[m];
        }
        int next = Left + TrackWidth + MarkSpacing;
        for (auto m = ofDay.rbegin(); m != ofDay.rend(); ++m) {
            markX[*m] = std::min(markX[*m], next - MarkSpacing);
            next = markX[*m];
        }
    }

    // The switches of each mark follow one another in the chart's own order.
    std::vector<std::size_t> firstSwitchOfMark(chart.marks.size(), 0);
    for (std::size_t m = 1; m < chart.marks.size(); ++m)
        firstSwitchOfMark[m] = firstSwitchOfMark[m - 1] + chart.marks[m - 1].steps.size();
    switches.clear();
    for (int row = 0; row < DaysPerWeek; ++row) {
        firstOfRow[std::size_t(row)] = int(switches.size());
        for (std::size_t m = 0; m < chart.marks.size(); ++m) {
            if (chart.marks[m].day != rows[std::size_t(row)])
                continue;
            for (std::size_t k = 0; k < chart.marks[m].steps.size(); ++k)
                switches.push_back({int(m), chart.switches[firstSwitchOfMark[m] + k].step, row,
                                    chart.switches[firstSwitchOfMark[m] + k].on});
        }
    }
    firstOfRow[DaysPerWeek] = int(switches.size());
    if (switches.empty())
        current = -1;
}

// The stretches of On and Off along a day's bar, each at least MinSpanWidth wide, so that a
// switch one minute before the next still shows.
std::vector<WeekChartView::Segment> WeekChartView::segmentsOf(int day) const
{
    const std::vector<DaySpan>& on = chart.on[std::size_t(day)];
    std::vector<Segment> stretches{{0, 0, !on.empty() && on.front().from == 0}};
    const auto startAt = [&stretches](int minute, bool isOn) {
        const int x = minute * PixelsPerHour / MinutesPerHour;
        stretches.push_back({std::max(x, stretches.back().from + MinSpanWidth), 0, isOn});
    };
    for (const DaySpan& span : on) {
        if (span.from > 0)
            startAt(span.from, true);
        if (span.to < MinutesPerDay)
            startAt(span.to, false);
    }
    int end = TrackWidth;
    for (auto stretch = stretches.rbegin(); stretch != stretches.rend(); ++stretch) {
        stretch->to = end;
        if (std::next(stretch) != stretches.rend())
            stretch->from = std::min(stretch->from, end - MinSpanWidth);
        end = stretch->from;
    }
    return stretches;
}

QSize WeekChartView::sizeHint() const
{
    return {Left + TrackWidth + Right, Top + DaysPerWeek * RowPitch + LegendHeight};
}

int WeekChartView::rowOf(int day) const
{
    return int(std::find(rows.begin(), rows.end(), day) - rows.begin());
}

QRect WeekChartView::barRect(int day) const
{
    return {Left, Top + rowOf(day) * RowPitch, TrackWidth, BarHeight};
}

int WeekChartView::xOfMinute(int minute) const
{
    return Left + minute * PixelsPerHour / MinutesPerHour;
}

QPoint WeekChartView::markPoint(int mark) const
{
    return {markX[std::size_t(mark)], barRect(chart.marks[std::size_t(mark)].day).bottom() + 2};
}

QString WeekChartView::stepsInWords(const std::vector<int>& steps, int leaving) const
{
    QStringList numbers;
    for (int step : steps) {
        if (step != leaving)
            numbers << StepNumber(step);
    }
    if (numbers.size() == 1)
        return tr("step %1").arg(numbers.front());
    const QString last = numbers.takeLast();
    return tr("steps %1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

QString WeekChartView::daySummary(int row) const
{
    const int day = rows[std::size_t(row)];
    const std::vector<DaySpan>& on = chart.on[std::size_t(day)];
    const QString dayName = tr(DayNames[day]);
    QString summary;
    if (on.empty()) {
        summary = tr("%1: Off all day").arg(dayName);
    } else if (on.size() == 1 && on.front().from == 0 && on.front().to == MinutesPerDay) {
        summary = tr("%1: On all day").arg(dayName);
    } else {
        QStringList spans;
        for (const DaySpan& span : on)
            spans << tr("%1 to %2").arg(DayTime(span.from), DayTime(span.to));
        summary = tr("%1: On %2").arg(dayName, spans.join(QStringLiteral(", ")));
    }
    for (const UnsureSpan& unsure : chart.unsure[std::size_t(day)])
        summary += tr("; from %1 to %2 it depends on which of %3 wins")
                       .arg(DayTime(unsure.from), DayTime(unsure.to),
                            stepsInWords(chart.marks[std::size_t(unsure.clash)].steps));
    return summary;
}

int WeekChartView::switchIndex(int row, int index) const
{
    if (row < 0 || row >= DaysPerWeek || index < 0 || index >= switchCount(row))
        return -1;
    return firstOfRow[std::size_t(row)] + index;
}

int WeekChartView::switchCount(int row) const
{
    return firstOfRow[std::size_t(row) + 1] - firstOfRow[std::size_t(row)];
}

QString WeekChartView::switchText(int row, int index) const
{
    const int k = switchIndex(row, index);
    if (k < 0)
        return {};
    const Switch& one = switches[std::size_t(k)];
    const SwitchMark& mark = chart.marks[std::size_t(one.mark)];
    // [alone, with others, in a clash][Off, On]
    static const char* const Sentences[3][2] = {
        {QT_TR_NOOP("Step %1 switches Off at %2 on %3"),
         QT_TR_NOOP("Step %1 switches On at %2 on %3")},
        {QT_TR_NOOP("Step %1 switches Off at %2 on %3, the same minute as %4"),
         QT_TR_NOOP("Step %1 switches On at %2 on %3, the same minute as %4")},
        {QT_TR_NOOP("Step %1 switches Off at %2 on %3, the same minute as %4; which wins on the "
                    "clock is unknown"),
         QT_TR_NOOP("Step %1 switches On at %2 on %3, the same minute as %4; which wins on the "
                    "clock is unknown")},
    };
    const int kind = mark.kind == SwitchMark::Kind::Clash ? 2 : (mark.steps.size() > 1 ? 1 : 0);
    QString text =
        tr(Sentences[kind][one.on])
            .arg(StepNumber(one.step), QString::fromStdString(ClockTimeText(mark.minute)),
                 tr(DayNames[mark.day]));
    return kind == 0 ? text : text.arg(stepsInWords(mark.steps, one.step));
}

QRect WeekChartView::switchRect(int row, int index) const
{
    const int k = switchIndex(row, index);
    if (k < 0)
        return {};
    const QPoint top = markPoint(switches[std::size_t(k)].mark);
    return {top.x() - MarkHalfWidth - 2, top.y() - 1, 2 * MarkHalfWidth + 5, MarkHeight + 3};
}

QRect WeekChartView::rowRect(int row) const
{
    const QRect bar = barRect(rows[std::size_t(row)]);
    return {0, bar.top(), width(), BarHeight + 2 + MarkHeight + 1};
}

bool WeekChartView::isCurrentSwitch(int row, int index) const
{
    return current >= 0 && current == switchIndex(row, index);
}

void WeekChartView::chooseSwitch(int row, int index)
{
    const int k = switchIndex(row, index);
    if (k < 0)
        return;
    moveTo(k, false);
    emit stepChosen(switches[std::size_t(k)].step);
}

void WeekChartView::moveTo(int index, bool showText)
{
    current = index;
    update();
    const Switch& one = switches[std::size_t(index)];
    const int inRow = index - firstOfRow[std::size_t(one.row)];
    if (showText && hasFocus())
        QToolTip::showText(mapToGlobal(switchRect(one.row, inRow).bottomLeft()),
                           switchText(one.row, inRow), this);
    if (QAccessible::isActive() && hasFocus()) {
        QAccessibleInterface* chartFace = QAccessible::queryAccessibleInterface(this);
        QAccessibleInterface* day = chartFace ? chartFace->child(one.row) : nullptr;
        if (QAccessibleInterface* focused = day ? day->child(inRow) : nullptr) {
            QAccessibleEvent focus(focused, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

void WeekChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintGrid(painter);
    for (int row = 0; row < DaysPerWeek; ++row)
        paintDay(painter, row);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int mark = 0; mark < int(chart.marks.size()); ++mark)
        paintMark(painter, mark);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (hasFocus() && current >= 0) {
        const Switch& one = switches[std::size_t(current)];
        painter.setPen(palette().color(QPalette::Highlight));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(switchRect(one.row, current - firstOfRow[std::size_t(one.row)]));
    }
    paintLegend(painter);
}

// The hour scale, and a line at every hour down through the rows; the bars lie over the lines,
// so a bar's pixels are On or Off and nothing else.
void WeekChartView::paintGrid(QPainter& painter) const
{
    QColor line = palette().color(QPalette::Mid);
    line.setAlpha(80);
    const int bottom = Top + DaysPerWeek * RowPitch - 4;
    for (int hour = 0; hour <= 24; ++hour) {
        const int x = xOfMinute(hour * MinutesPerHour);
        painter.setPen(line);
        painter.drawLine(x, Top - 2, x, bottom);
        if (hour % HoursPerScaleLabel != 0)
            continue;
        painter.setPen(palette().color(QPalette::WindowText));
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
                     tr(ShortDayNames[day]));
    // The frame lies outside the bar.
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar.adjusted(-1, -1, 0, 0));
    for (const Segment& stretch : segments[std::size_t(day)])
        painter.fillRect(
            QRect(bar.left() + stretch.from, bar.top(), stretch.to - stretch.from, BarHeight),
            stretch.on ? OnColour : QColor(Qt::white));
    for (const UnsureSpan& unsure : chart.unsure[std::size_t(day)]) {
        const int from = xOfMinute(unsure.from);
        const int to =
            std::min(std::max(xOfMinute(unsure.to), from + MinSpanWidth), bar.right() + 1);
        painter.fillRect(QRect(from, bar.top(), to - from, HatchHeight),
                         QBrush(ClashEdgeColour, Qt::BDiagPattern));
    }
}

void WeekChartView::paintMark(QPainter& painter, int mark) const
{
    const SwitchMark::Kind kind = chart.marks[std::size_t(mark)].kind;
    if (kind == SwitchMark::Kind::Clash) {
        painter.setPen(ClashEdgeColour);
        painter.setBrush(ClashColour);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kind == SwitchMark::Kind::On ? OnColour : OffSwitchColour);
    }
    painter.drawPolygon(MarkShape(kind, markPoint(mark)));
}

void WeekChartView::paintLegend(QPainter& painter) const
{
    const QFontMetrics metrics = fontMetrics();
    const int top = Top + DaysPerWeek * RowPitch + 4;
    int x = Left;
    const auto text = [&](const QString& words, int y) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QPoint(x, y + metrics.ascent()), words);
        x += metrics.horizontalAdvance(words) + 14;
    };
    const auto box = [&](const QColor& colour) {
        const QRect sample(x, top + 1, 24, 12);
        painter.fillRect(sample, colour);
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(sample.adjusted(-1, -1, 0, 0));
        x += sample.width() + 6;
    };
    const auto mark = [&](SwitchMark::Kind kind) {
        painter.setRenderHint(QPainter::Antialiasing);
        const bool clash = kind == SwitchMark::Kind::Clash;
        painter.setPen(clash ? QPen(ClashEdgeColour) : QPen(Qt::NoPen));
        painter.setBrush(clash ? ClashColour
                               : (kind == SwitchMark::Kind::On ? OnColour : OffSwitchColour));
        painter.drawPolygon(MarkShape(kind, {x + MarkHalfWidth + 1, top + 3}));
        painter.setRenderHint(QPainter::Antialiasing, false);
        x += 2 * MarkHalfWidth + 7;
    };
    box(OnColour);
    text(tr("On"), top);
    box(Qt::white);
    text(tr("Off"), top);
    mark(SwitchMark::Kind::On);
    text(tr("switches On"), top);
    mark(SwitchMark::Kind::Off);
    text(tr("switches Off"), top);
    mark(SwitchMark::Kind::Clash);
    text(tr("steps clash"), top);
    x = Left;
    const QRect hatch(x, top + LegendLine + 1, 24, HatchHeight);
    painter.fillRect(hatch, QBrush(ClashEdgeColour, Qt::BDiagPattern));
    x += hatch.width() + 6;
    text(tr("unsure from a clash up to the next switch: which step wins on the clock is "
            "unknown"),
         top + LegendLine);
    x = Left;
    text(tr("Rest the mouse on a mark to see its steps, click it to choose one; or use the arrow "
            "keys and Enter."),
         top + 2 * LegendLine);
}

std::vector<int> WeekChartView::marksAt(QPoint point) const
{
    std::vector<int> found;
    for (int mark = 0; mark < int(chart.marks.size()); ++mark) {
        const QRect bar = barRect(chart.marks[std::size_t(mark)].day);
        if (point.y() >= bar.top() && point.y() <= bar.bottom() + 2 + MarkHeight &&
            std::abs(markX[std::size_t(mark)] - point.x()) <= HitDistance)
            found.push_back(mark);
    }
    std::stable_sort(found.begin(), found.end(), [&](int a, int b) {
        return std::abs(markX[std::size_t(a)] - point.x()) <
               std::abs(markX[std::size_t(b)] - point.x());
    });
    return found;
}

int WeekChartView::unsureAt(QPoint point) const
{
    for (int day = 0; day < DaysPerWeek; ++day) {
        if (!barRect(day).contains(point))
            continue;
        for (const UnsureSpan& unsure : chart.unsure[std::size_t(day)]) {
            if (point.x() >= xOfMinute(unsure.from) &&
                point.x() < std::max(xOfMinute(unsure.to), xOfMinute(unsure.from) + MinSpanWidth))
                return unsure.clash;
        }
    }
    return -1;
}

QString WeekChartView::markToolTip(int mark) const
{
    const SwitchMark& shown = chart.marks[std::size_t(mark)];
    QStringList texts;
    if (shown.kind == SwitchMark::Kind::Clash)
        texts << tr("%1 switch at the same minute; which wins on the clock is unknown:")
                     .arg(stepsInWords(shown.steps));
    for (int step : shown.steps) {
        if (step < int(lines.size()))
            texts << QString::fromStdString(lines[std::size_t(step)]);
    }
    return texts.join(QLatin1Char('\n'));
}

bool WeekChartView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    QStringList texts;
    for (int mark : marksAt(help->pos()))
        texts << markToolTip(mark);
    if (const int clash = unsureAt(help->pos()); texts.isEmpty() && clash >= 0)
        texts << markToolTip(clash);
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
    const std::vector<int> found = marksAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || found.empty())
        return;
    const auto first = std::find_if(switches.begin(), switches.end(),
                                    [&](const Switch& one) { return one.mark == found.front(); });
    const int k = int(first - switches.begin());
    chooseSwitch(switches[std::size_t(k)].row, k - firstOfRow[std::size_t(first->row)]);
}

void WeekChartView::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(marksAt(event->position().toPoint()).empty() ? Qt::ArrowCursor
                                                           : Qt::PointingHandCursor);
}

void WeekChartView::keyPressEvent(QKeyEvent* event)
{
    if (switches.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int last = int(switches.size()) - 1;
    const int at = std::max(current, 0);
    // Up and Down go to the nearest switch of the next row that has any.
    const auto inRowBeyond = [&](int step) {
        const int x = markX[std::size_t(switches[std::size_t(at)].mark)];
        for (int row = switches[std::size_t(at)].row + step; row >= 0 && row < DaysPerWeek;
             row += step) {
            int nearest = -1;
            for (int k = firstOfRow[std::size_t(row)]; k < firstOfRow[std::size_t(row) + 1]; ++k) {
                const int distance =
                    std::abs(markX[std::size_t(switches[std::size_t(k)].mark)] - x);
                if (nearest < 0 ||
                    distance <
                        std::abs(markX[std::size_t(switches[std::size_t(nearest)].mark)] - x))
                    nearest = k;
            }
            if (nearest >= 0)
                return nearest;
        }
        return at;
    };
    switch (event->key()) {
    case Qt::Key_Right:
        moveTo(current < 0 ? 0 : std::min(current + 1, last));
        break;
    case Qt::Key_Left:
        moveTo(std::max(at - 1, 0));
        break;
    case Qt::Key_Down:
        moveTo(inRowBeyond(1));
        break;
    case Qt::Key_Up:
        moveTo(inRowBeyond(-1));
        break;
    case Qt::Key_Home:
        moveTo(0);
        break;
    case Qt::Key_End:
        moveTo(last);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        const Switch& one = switches[std::size_t(at)];
        chooseSwitch(one.row, at - firstOfRow[std::size_t(one.row)]);
        break;
    }
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void WeekChartView::focusInEvent(QFocusEvent* event)
{
    if (current < 0 && !switches.empty())
        current = 0;
    // A click chooses its own mark; tabbed to, the switch is told at once.
    const Qt::FocusReason reason = event->reason();
    if (current >= 0 && reason != Qt::MouseFocusReason)
        moveTo(current, reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason);
    update();
    QWidget::focusInEvent(event);
}

void WeekChartView::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}
