#pragma once

#include "model/setsbuffer.h"

#include <QCoreApplication>

#include <array>

class QAction;
class QComboBox;
class QListWidget;
class QMenu;
class QMainWindow;
class QToolButton;
class QWidget;
class RadioGroup;

// The controls of the main window, placed in its 412 x 420 client area, and its menu. Each
// control's object name is its member's name, so tests and screenshots can find it.
struct MainWindowForm {
    Q_DECLARE_TR_FUNCTIONS(MainWindowForm)

public:
    // "Program Steps"
    QComboBox* stepNumberCombo = nullptr;
    QComboBox* dayCombo = nullptr;
    QComboBox* hourCombo = nullptr;
    QComboBox* minuteCombo = nullptr;
    RadioGroup* amPmGroup = nullptr;
    RadioGroup* relayGroup = nullptr;
    QListWidget* stepList = nullptr;
    QToolButton* eraseButton = nullptr;  // "Erase All"
    QToolButton* layoutButton = nullptr; // "Configure Buffer"

    // "Skip Plans (Annuals)"
    QComboBox* annualNumberCombo = nullptr;
    QComboBox* startMonthCombo = nullptr;
    QComboBox* startDayCombo = nullptr;
    QComboBox* startYearCombo = nullptr;
    QComboBox* endMonthCombo = nullptr;
    QComboBox* endDayCombo = nullptr;
    QComboBox* endYearCombo = nullptr;
    QListWidget* annualList = nullptr;

    // "Status..."
    RadioGroup* dstGroup = nullptr;
    RadioGroup* statusRelayGroup = nullptr;
    RadioGroup* elLampGroup = nullptr;
    QComboBox* pulseCombo = nullptr;

    // mainMenu
    QAction* loadAction = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* recoverAction = nullptr; // "Recover Unsaved Program…"
    QAction* saveAction = nullptr;
    QAction* printAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QAction* weekChartAction = nullptr;
    QAction* sendAction = nullptr;
    QAction* settingsAction = nullptr;
    QAction* importDosAction = nullptr;
    QAction* helpAction = nullptr;
    QAction* serviceAction = nullptr;
    QAction* aboutAction = nullptr;

    void setup(QMainWindow& window);

    // The six date lists of the annual editor, start month .. end year.
    std::array<QComboBox*, AnnualFieldCount> dateCombos() const
    {
        return {startMonthCombo, startDayCombo, startYearCombo,
                endMonthCombo,   endDayCombo,   endYearCombo};
    }

private:
    void setupSteps(QWidget* client);
    void setupAnnuals(QWidget* client);
    void setupStatus(QWidget* client);
    void setupMenu(QMainWindow& window);
};
