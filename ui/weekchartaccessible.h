#pragma once

#include <QAccessibleWidget>

#include <array>
#include <map>
#include <utility>

class WeekChartView;

// The week chart as a screen reader reads it: the chart, named "Week chart", holds one group a
// day, named with the day in words ("Monday: On 07:30 to 18:00"), and each group one button a
// switch ("Step 03 switches On at 07:30 Am on Monday"), which chooses its step when pressed.
// The keyboard's switch is the focused button while the chart has the focus.
class WeekChartAccessible : public QAccessibleWidget {
public:
    explicit WeekChartAccessible(WeekChartView* chart);
    ~WeekChartAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // The button of switch `index` of row `row`, made when first asked for.
    QAccessibleInterface* switchFace(int row, int index) const;

private:
    WeekChartView* chart() const;

    mutable std::array<QAccessible::Id, 7> dayIds{};
    mutable std::map<std::pair<int, int>, QAccessible::Id> switchIds;
};

// Lets Qt make a WeekChartAccessible for every week chart; once is enough.
void InstallWeekChartAccessibility();
