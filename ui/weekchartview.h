#pragma once

#include "model/weekchart.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

// The week drawn: one row a day, 0 to 24 h across, the relay's On time as a filled bar on a
// white track, and below each bar a mark at every switch (green for On, red for Off). Resting
// the mouse on a mark shows its step's line; a click on it chooses that step.
class WeekChartView : public QWidget {
    Q_OBJECT

public:
    // The chart's own pixels, fixed so that a picture of it can be read back: 24 pixels an hour
    // (2.5 minutes a pixel).
    static constexpr int PixelsPerHour = 24;
    static constexpr int TrackWidth = 24 * PixelsPerHour;
    static constexpr int BarHeight = 18;
    static constexpr QColor OnColour{0x2E, 0x8B, 0x57};
    static constexpr QColor OffSwitchColour{0xC6, 0x28, 0x28};

    explicit WeekChartView(QWidget* parent = nullptr);

    void setChart(const WeekChart& chart, const std::vector<std::string>& stepLines);

    // The days top to bottom: Sunday first, or Monday first where the desktop's locale starts
    // the week on Monday. Numbers as in the day mask (0 = Sunday).
    const std::array<int, DaysPerWeek>& rowDays() const { return rows; }
    QRect barRect(int day) const;
    int xOfMinute(int minute) const;

    QSize sizeHint() const override;

signals:
    void stepClicked(int step);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The switches whose marks lie under a point, nearest first.
    std::vector<RelaySwitch> switchesAt(QPoint point) const;
    void paintScale(class QPainter& painter) const;
    void paintDay(QPainter& painter, int row) const;
    void paintLegend(QPainter& painter) const;

    WeekChart chart;
    std::vector<std::string> lines;
    std::array<int, DaysPerWeek> rows{};
};
