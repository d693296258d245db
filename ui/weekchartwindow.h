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
// how much of the tables is in use, and the program checks. It stays open beside the main
// window and shows every change; it never changes the program. A click on a switch or on a
// check chooses its step or annual in the main window.
class WeekChartWindow : public QWidget {
    Q_OBJECT

public:
    // overview reads the program as it stands.
    WeekChartWindow(std::function<ProgramOverview()> overview, QWidget* parent);

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
    WeekChartView* chart;
    QLabel* skipPlansLabel;
    QLabel* statusLabel;
    QLabel* usageLabel;
    QLabel* checksLabel;
    QListWidget* checksList;
    std::vector<Finding> findings;
    bool placed = false;
};
