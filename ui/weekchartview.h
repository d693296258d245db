#pragma once

#include "model/weekchart.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

// The week drawn: one row a day, 0 to 24 h across with a line at every hour, the relay's On
// time as a filled bar on a white track, and below each bar a mark at every switch: green for
// On, red for Off, and an amber diamond where steps switch to both at one minute (a clash), whose
// unsure stretch up to the next switch is hatched along the bar's top. Resting the mouse on a
// mark or a hatch tells its steps; a click on a mark chooses its step. From the keyboard the
// arrow keys go from switch to switch and Enter or Space chooses one; a screen reader reads each
// day in words and each switch (see WeekChartAccessible).
class WeekChartView : public QWidget {
    Q_OBJECT

public:
    // The chart's own pixels, fixed so that a picture of it can be read back: 24 pixels an hour
    // (2.5 minutes a pixel).
    static constexpr int PixelsPerHour = 24;
    static constexpr int TrackWidth = 24 * PixelsPerHour;
    static constexpr int BarHeight = 18;
    // A stretch of On or Off, however short, is at least this wide.
    static constexpr int MinSpanWidth = 2;
    // The unsure stretch after a clash is hatched along the bar's top, the rest of the bar's
    // height stays On or Off.
    static constexpr int HatchHeight = 5;
    static constexpr QColor OnColour{0x2E, 0x8B, 0x57};
    static constexpr QColor OffSwitchColour{0xC6, 0x28, 0x28};
    static constexpr QColor ClashColour{0xF0, 0xB0, 0x00};
    static constexpr QColor ClashEdgeColour{0x7A, 0x4E, 0x00};

    explicit WeekChartView(QWidget* parent = nullptr);

    void setChart(const WeekChart& chart, const std::vector<std::string>& stepLines);

    // The days top to bottom: Sunday first, or Monday first where the desktop's locale starts
    // the week on Monday. Numbers as in the day mask (0 = Sunday).
    const std::array<int, DaysPerWeek>& rowDays() const { return rows; }
    QRect barRect(int day) const;
    int xOfMinute(int minute) const;
    // Where the mark of the chart's mark `mark` stands: the middle of its top edge.
    QPoint markPoint(int mark) const;

    // The switches row by row, as the keyboard and a screen reader go through them: each step
    // of each mark, left to right.
    QString daySummary(int row) const; // "Monday: On 07:30 to 18:00"
    int switchCount(int row) const;
    QString switchText(int row, int index) const;
    QRect switchRect(int row, int index) const;
    QRect rowRect(int row) const;
    bool isCurrentSwitch(int row, int index) const;
    void chooseSwitch(int row, int index);

    QSize sizeHint() const override;

signals:
    void stepChosen(int step);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // One step of one mark: what the keyboard moves between.
    struct Switch {
        int mark = 0;
        int step = 0;
        int row = 0;
        bool on = false;
    };
    // A stretch of a bar in pixels from the track's left, [from, to).
    struct Segment {
        int from = 0;
        int to = 0;
        bool on = false;
    };

    void layOut();
    std::vector<Segment> segmentsOf(int day) const;
    int rowOf(int day) const;
    int switchIndex(int row, int index) const;
    // The marks under a point, nearest first, and the clash whose hatch lies under it.
    std::vector<int> marksAt(QPoint point) const;
    int unsureAt(QPoint point) const;
    QString markToolTip(int mark) const;
    QString stepsInWords(const std::vector<int>& steps, int leaving = -1) const;
    // Makes a switch the keyboard's; showText tells it in a tool tip too.
    void moveTo(int index, bool showText = true);
    void paintGrid(class QPainter& painter) const;
    void paintDay(QPainter& painter, int row) const;
    void paintMark(QPainter& painter, int mark) const;
    void paintLegend(QPainter& painter) const;

    WeekChart chart;
    std::vector<std::string> lines;
    std::array<int, DaysPerWeek> rows{};
    std::array<std::vector<Segment>, DaysPerWeek> segments; // by day
    std::vector<int> markX;                                 // by mark
    std::vector<Switch> switches;                           // row by row, left to right
    std::array<int, DaysPerWeek + 1> firstOfRow{};          // into switches
    int current = -1;                                       // into switches
};
