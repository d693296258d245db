#pragma once

#include "model/programoverview.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class WeekChartView;

// "Week Chart": the week as the clock runs the program, the skip plans, the status settings,
// how much of the tables is in use, and the program checks. It opens beside the main window
// where the screen has room and shows every change; it never changes the program. Choosing a
// switch or a check, with the mouse or the keyboard, chooses its step or annual in the main
// window. Escape and Ctrl+W close it.
class WeekChartWindow : public QWidget {
    Q_OBJECT

public:
    // overview reads the program as it stands; keepInSight is the part of the main window that
    // the chart should not cover when it opens over it.
    WeekChartWindow(std::function<ProgramOverview()> overview, QWidget* parent,
                    QWidget* keepInSight = nullptr);

    // Shows the program anew; does nothing while the window is hidden (it reads it when shown).
    void refresh();

    WeekChartView* chartView() const { return chart; }

signals:
    void stepChosen(int step);
    void annualChosen(int annual);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill();
    void findingChosen(QListWidgetItem* item);
    void placeBesideParent();

    std::function<ProgramOverview()> overview;
    QWidget* keepInSight;
    WeekChartView* chart;
    QLabel* skipPlansLabel;
    QLabel* leftOutLabel;
    QLabel* statusLabel;
    QLabel* usageLabel;
    QLabel* checksLabel;
    QListWidget* checksList;
    std::vector<Finding> findings;
    bool placed = false;
};
