#pragma once

class QAction;
class QComboBox;
class QListWidget;
class QMainWindow;
class QToolButton;
class QWidget;
class RadioGroup;

// The controls of the main window, placed in its 412 x 420 client area, and its menu. The
// object names are the controls' names, so tests and screenshots can find them.
struct MainScreenForm {
    // "Program Steps"
    QComboBox* StepBox = nullptr;
    QComboBox* DaysBox = nullptr;
    QComboBox* HoursBox = nullptr;
    QComboBox* MinutesBox = nullptr;
    RadioGroup* AMPMBox = nullptr;
    RadioGroup* ONOFFBox = nullptr;
    QListWidget* SetsBox = nullptr;
    QToolButton* Image2 = nullptr; // "Erase All"
    QToolButton* Image1 = nullptr; // "Configure Buffer"

    // "Skip Plans (Annuals)"
    QComboBox* AnnualBox = nullptr;
    QComboBox* StartMonth = nullptr;
    QComboBox* StartDay = nullptr;
    QComboBox* StartYear = nullptr;
    QComboBox* EndMonth = nullptr;
    QComboBox* EndDay = nullptr;
    QComboBox* EndYear = nullptr;
    QListWidget* AnnualListBox = nullptr;

    // "Status..."
    RadioGroup* DSTBox = nullptr;
    RadioGroup* RelayBox = nullptr;
    RadioGroup* ELBox = nullptr;
    QComboBox* PulseBox = nullptr;

    // MainMenu1
    QAction* Load1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Send1 = nullptr;
    QAction* Settings1 = nullptr;
    QAction* LoadDOSVersionFile1 = nullptr;
    QAction* Contents1 = nullptr;
    QAction* Service1 = nullptr;
    QAction* About1 = nullptr;

    void setup(QMainWindow& window);

private:
    void setupSteps(QWidget* client);
    void setupAnnuals(QWidget* client);
    void setupStatus(QWidget* client);
    void setupMenu(QMainWindow& window);
};
