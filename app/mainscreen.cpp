#include "app/mainscreen.h"

#include "app/dialoggui.h"
#include "app/guard.h"
#include "app/radiogroup.h"
#include "app/services.h"
#include "app/windows.h"
#include "app/windowstyle.h"
#include "comm/clockframe.h"
#include "comm/serialerrorbox.h"
#include "comm/settingform.h"
#include "comm/settingsblock.h"
#include "comm/transfer.h"
#include "model/listlines.h"

#include <QAction>
#include <QComboBox>
#include <QLayout>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

QStringList ToQt(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

// Rebuilding a list from code is no user's choice: it must not run the list's handler.
void ShowLines(QListWidget* box, const std::vector<std::string>& lines)
{
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(ToQt(lines));
}

void SelectLine(QListWidget* box, int row)
{
    const QSignalBlocker quiet(box);
    box->setCurrentRow(row);
}

void ShowItems(QComboBox* box, const std::vector<std::string>& items)
{
    box->clear();
    box->addItems(ToQt(items));
    box->setCurrentIndex(0);
}

} // namespace

TMainScreen::TMainScreen(SetsBuffer& buffer, const Windows& windows, Services& services,
                         QWidget* parent)
    : QMainWindow(parent)
    , buffer(buffer)
    , windows(windows)
    , services(services)
{
    setObjectName(QStringLiteral("MainScreen"));
    setWindowTitle(QStringLiteral("Halvex - KV40 Computer Software, 2007 DST Law"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    form.setup(*this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    KeepCentredOnScreen(*this);
    connectCommands();
    FormCreate();
}

auto TMainScreen::guarded(void (TMainScreen::*handler)())
{
    return [this, handler] {
        RunGuarded(this, services.gui, [this, handler] { (this->*handler)(); });
    };
}

void TMainScreen::connectCommands()
{
    connect(form.Exit1, &QAction::triggered, this, guarded(&TMainScreen::Exit1Click));
    connectEditors();
    connectFileCommands();
    connectClockCommands();
    connectPrintAndHelp();
}

// A command whose window is not part of the program yet stays disabled.
static void NotYetBuilt(std::initializer_list<QAction*> actions)
{
    for (QAction* action : actions)
        action->setEnabled(false);
}

void TMainScreen::connectEditors()
{
    form.Image1->setEnabled(false);
    form.Image2->setEnabled(false);
}

void TMainScreen::connectFileCommands()
{
    NotYetBuilt({form.Load1, form.Save1, form.LoadDOSVersionFile1});
}

void TMainScreen::connectClockCommands()
{
    connect(form.Send1, &QAction::triggered, this, guarded(&TMainScreen::Send1Click));
    connect(form.Settings1, &QAction::triggered, this, guarded(&TMainScreen::Settings1Click));
}

void TMainScreen::connectPrintAndHelp()
{
    NotYetBuilt({form.Print1, form.Contents1, form.Service1, form.About1});
}

void TMainScreen::FormCreate()
{
    LoadSettingsBlock(buffer);
    ReloadAll();
}

void TMainScreen::Exit1Click()
{
    close();
}

void TMainScreen::ReloadAll()
{
    const MainView view = ::ReloadAll(buffer, state);
    ShowLines(form.SetsBox, view.stepLines);
    showStepControls(view.step);
    selectStepLine();
    ShowLines(form.AnnualListBox, view.annualLines);
    showAnnualControls(view.annual);
    selectAnnualLine();
    LoadStatusControls();
    ShowItems(form.StepBox, view.stepNumbers);
    ShowItems(form.AnnualBox, view.annualNumbers);
}

void TMainScreen::RefillStepList()
{
    ShowLines(form.SetsBox, StepListLines(buffer, state.layout));
}

void TMainScreen::RefillAnnualList()
{
    ShowLines(form.AnnualListBox, AnnualListLines(buffer, state.layout));
}

void TMainScreen::LoadStepControls()
{
    showStepControls(::LoadStepControls(buffer, state.CurrentStep));
}

void TMainScreen::LoadAnnualControls()
{
    showAnnualControls(::LoadAnnualControls(buffer, state.layout, state.CurrentAnnual));
}

void TMainScreen::LoadStatusControls()
{
    const StatusControls shown = ::LoadStatusControls(buffer);
    form.DSTBox->setItemIndex(shown.DSTBox);
    form.RelayBox->setItemIndex(shown.RelayBox);
    form.ELBox->setItemIndex(shown.ELBox);
    form.PulseBox->setCurrentIndex(shown.PulseBox);
}

void TMainScreen::selectStepLine()
{
    SelectLine(form.SetsBox, state.CurrentStep);
}

void TMainScreen::selectAnnualLine()
{
    SelectLine(form.AnnualListBox, state.CurrentAnnual);
}

void TMainScreen::showStepControls(const StepControls& shown)
{
    form.StepBox->setCurrentIndex(shown.StepBox);
    form.ONOFFBox->setItemIndex(shown.ONOFFBox);
    form.DaysBox->setCurrentIndex(shown.DaysBox);
    form.AMPMBox->setItemIndex(shown.AMPMBox);
    form.HoursBox->setCurrentIndex(shown.HoursBox);
    form.MinutesBox->setCurrentIndex(shown.MinutesBox);
}

void TMainScreen::showAnnualControls(const AnnualControls& shown)
{
    form.AnnualBox->setCurrentIndex(shown.AnnualBox);
    QComboBox* dates[] = {form.StartMonth, form.StartDay, form.StartYear,
                          form.EndMonth,   form.EndDay,   form.EndYear};
    for (std::size_t f = 0; f < shown.dates.size(); ++f)
        dates[f]->setCurrentIndex(shown.dates[f]);
}

// Talking to the clock.

void TMainScreen::Settings1Click()
{
    // Closed by OK or by the close box alike: a pick took effect when it was made.
    services.gui.execModal(*windows.SettingForm);
    if (!SaveSettingsBlock(buffer)) {
        // Not reported: the choice stays in force for this run and is lost at exit.
    }
}

void TMainScreen::Send1Click()
{
    const std::string portName = PrepareClockFrame(buffer, services.clock);
    // The outcome needs no further handling here: a failure has been shown by then, a success
    // shows nothing, and the window shows nothing of the stamp.
    TransferClockFrame(buffer, portName, services.port,
                       [this] { services.gui.execModal(*windows.SerialErrorBox); });
}
