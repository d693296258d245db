#include "app/mainscreen.h"

#include "app/aboutbox.h"
#include "app/dialoggui.h"
#include "app/guard.h"
#include "app/helpdocument.h"
#include "app/radiogroup.h"
#include "app/serviceform.h"
#include "app/services.h"
#include "app/windows.h"
#include "app/windowstyle.h"
#include "comm/clockframe.h"
#include "comm/serialerrorbox.h"
#include "comm/settingform.h"
#include "comm/settingsblock.h"
#include "comm/transfer.h"
#include "files/fileerrorbox.h"
#include "model/bufferconfig.h"
#include "model/config1.h"
#include "model/eraseverif.h"
#include "model/listlines.h"
#include "print/printbackend.h"
#include "print/report.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
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

void TMainScreen::connectEditors()
{
    // Only the user's own choices run a handler: filling the controls from the buffer emits
    // none of these, so showing a value never writes it back.
    connect(form.SetsBox, &QListWidget::currentRowChanged, this,
            guarded(&TMainScreen::SetsBoxClick));
    connect(form.StepBox, &QComboBox::activated, this, guarded(&TMainScreen::StepBoxChange));
    connect(form.DaysBox, &QComboBox::activated, this, guarded(&TMainScreen::DaysBoxChange));
    connect(form.HoursBox, &QComboBox::activated, this, guarded(&TMainScreen::HoursBoxChange));
    connect(form.MinutesBox, &QComboBox::activated, this, guarded(&TMainScreen::MinutesBoxChange));
    connect(form.AMPMBox, &RadioGroup::clicked, this, guarded(&TMainScreen::AMPMBoxClick));
    connect(form.ONOFFBox, &RadioGroup::clicked, this, guarded(&TMainScreen::ONOFFBoxClick));

    connect(form.AnnualBox, &QComboBox::activated, this, guarded(&TMainScreen::AnnualBoxChange));
    connect(form.AnnualListBox, &QListWidget::currentRowChanged, this,
            guarded(&TMainScreen::AnnualListBoxClick));
    connect(form.StartMonth, &QComboBox::activated, this, guarded(&TMainScreen::StartMonthChange));
    connect(form.StartDay, &QComboBox::activated, this, guarded(&TMainScreen::StartDayChange));
    connect(form.StartYear, &QComboBox::activated, this, guarded(&TMainScreen::StartYearChange));
    connect(form.EndMonth, &QComboBox::activated, this, guarded(&TMainScreen::EndMonthChange));
    connect(form.EndDay, &QComboBox::activated, this, guarded(&TMainScreen::EndDayChange));
    connect(form.EndYear, &QComboBox::activated, this, guarded(&TMainScreen::EndYearChange));

    connect(form.DSTBox, &RadioGroup::clicked, this, guarded(&TMainScreen::DSTBoxClick));
    connect(form.RelayBox, &RadioGroup::clicked, this, guarded(&TMainScreen::RelayBoxClick));
    connect(form.ELBox, &RadioGroup::clicked, this, guarded(&TMainScreen::ELBoxClick));
    connect(form.PulseBox, &QComboBox::activated, this, guarded(&TMainScreen::PulseBoxChange));

    connect(form.Image2, &QToolButton::clicked, this, guarded(&TMainScreen::EraseButtonClick));
    connect(form.Image1, &QToolButton::clicked, this, guarded(&TMainScreen::ConfigButton1Click));
}

void TMainScreen::connectFileCommands()
{
    fileCommands.emplace(
        this, buffer, services.gui,
        // The File Error window only says that something failed; how it closes makes no
        // difference.
        [this] { (void)services.gui.execModal(*windows.FileErrorBox); }, [this] { ReloadAll(); });
    connect(form.Load1, &QAction::triggered, this, guarded(&TMainScreen::Load1Click));
    connect(form.Save1, &QAction::triggered, this, guarded(&TMainScreen::Save1Click));
    connect(form.LoadDOSVersionFile1, &QAction::triggered, this,
            guarded(&TMainScreen::LoadDOSVersionFile1Click));
}

void TMainScreen::connectClockCommands()
{
    connect(form.Send1, &QAction::triggered, this, guarded(&TMainScreen::Send1Click));
    connect(form.Settings1, &QAction::triggered, this, guarded(&TMainScreen::Settings1Click));
}

void TMainScreen::connectPrintAndHelp()
{
    connect(form.Print1, &QAction::triggered, this, guarded(&TMainScreen::Print1Click));
    connect(form.Contents1, &QAction::triggered, this, guarded(&TMainScreen::Contents1Click));
    connect(form.Service1, &QAction::triggered, this, guarded(&TMainScreen::Service1Click));
    connect(form.About1, &QAction::triggered, this, guarded(&TMainScreen::About1Click));
}

// The two windows only inform: how they were closed makes no difference.
void TMainScreen::Service1Click()
{
    (void)services.gui.execModal(*windows.ServiceForm);
}

void TMainScreen::About1Click()
{
    (void)services.gui.execModal(*windows.AboutBox);
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

void TMainScreen::Contents1Click()
{
    const std::optional<QString> guide =
        FindHelpDocument(QDir::currentPath(), QCoreApplication::applicationDirPath());
    // A missing guide or a desktop without a PDF viewer is not reported: the guide is an aid,
    // the program works the same without it, and the desktop tells of a viewer that fails.
    if (guide)
        (void)services.documents.open(*guide);
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

// The step editor: each change goes straight into the buffer, then the step list and the
// controls are shown again from it.

void TMainScreen::SetsBoxClick()
{
    if (form.SetsBox->currentRow() < 0)
        return;
    state.CurrentStep = form.SetsBox->currentRow();
    LoadStepControls();
}

void TMainScreen::StepBoxChange()
{
    state.CurrentStep = form.StepBox->currentIndex();
    selectStepLine();
    LoadStepControls();
}

void TMainScreen::DaysBoxChange()
{
    SetStepDayCode(buffer, state.CurrentStep, form.DaysBox->currentIndex());
    refreshStep();
}

void TMainScreen::HoursBoxChange()
{
    SetStepHour(buffer, state.CurrentStep, form.HoursBox->currentIndex());
    refreshStep();
}

void TMainScreen::MinutesBoxChange()
{
    SetStepMinute(buffer, state.CurrentStep, form.MinutesBox->currentIndex());
    refreshStep();
}

void TMainScreen::AMPMBoxClick()
{
    SetStepPm(buffer, state.CurrentStep, form.AMPMBox->itemIndex() == 1);
    refreshStep();
}

void TMainScreen::ONOFFBoxClick()
{
    SetStepRelayOn(buffer, state.CurrentStep, form.ONOFFBox->itemIndex() == 0);
    refreshStep();
}

void TMainScreen::refreshStep()
{
    RefillStepList();
    selectStepLine();
    LoadStepControls();
}

// The annual and status editor.

void TMainScreen::AnnualBoxChange()
{
    state.CurrentAnnual = form.AnnualBox->currentIndex();
    selectAnnualLine();
    LoadAnnualControls();
}

void TMainScreen::AnnualListBoxClick()
{
    if (form.AnnualListBox->currentRow() < 0)
        return;
    state.CurrentAnnual = form.AnnualListBox->currentRow();
    LoadAnnualControls();
}

void TMainScreen::StartMonthChange()
{
    changeAnnualField(StartMonthField, form.StartMonth);
}
void TMainScreen::StartDayChange()
{
    changeAnnualField(StartDayField, form.StartDay);
}
void TMainScreen::StartYearChange()
{
    changeAnnualField(StartYearField, form.StartYear);
}
void TMainScreen::EndMonthChange()
{
    changeAnnualField(EndMonthField, form.EndMonth);
}
void TMainScreen::EndDayChange()
{
    changeAnnualField(EndDayField, form.EndDay);
}
void TMainScreen::EndYearChange()
{
    changeAnnualField(EndYearField, form.EndYear);
}

void TMainScreen::changeAnnualField(AnnualField field, const QComboBox* box)
{
    SetAnnualField(buffer, state.layout, state.CurrentAnnual, field, box->currentIndex());
    RefillAnnualList();
    selectAnnualLine();
    LoadAnnualControls();
}

// Status changes refresh nothing: the controls already show what was written.

void TMainScreen::DSTBoxClick()
{
    SetDst(buffer, form.DSTBox->itemIndex() == 1);
}

void TMainScreen::RelayBoxClick()
{
    SetRelayOn(buffer, form.RelayBox->itemIndex() == 1);
}

void TMainScreen::ELBoxClick()
{
    SetElLampOn(buffer, form.ELBox->itemIndex() == 1);
}

void TMainScreen::PulseBoxChange()
{
    SetPulse(buffer, form.PulseBox->currentIndex());
}

// Erase and layout: whatever the user did in either window, the whole window is shown anew.

void TMainScreen::EraseButtonClick()
{
    windows.EraseVerif->reset();
    if (services.gui.execModal(*windows.EraseVerif) == QDialog::Accepted)
        EraseTables(buffer, state.layout, windows.EraseVerif->choice());
    ReloadAll();
}

void TMainScreen::ConfigButton1Click()
{
    services.gui.execModal(*windows.Config1);
    ReloadAll();
}

// Data files.

void TMainScreen::Save1Click()
{
    fileCommands->Save();
}

void TMainScreen::Load1Click()
{
    fileCommands->Load();
}

void TMainScreen::LoadDOSVersionFile1Click()
{
    fileCommands->ImportDosVersionFile();
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

// Printing.

void TMainScreen::Print1Click()
{
    const std::unique_ptr<PrintJob> job = services.printer.choosePrinter(this);
    if (!job)
        return;
    // The report shows the status as the controls show it, and changes no control.
    StatusControls status;
    status.DSTBox = form.DSTBox->itemIndex();
    status.RelayBox = form.RelayBox->itemIndex();
    status.ELBox = form.ELBox->itemIndex();
    status.PulseBox = form.PulseBox->currentIndex();
    const std::vector<ReportLine> report =
        LayoutReport(buffer, state.layout, status, job->verticalDpi());
    DrawReport(*job, form.SetsBox->font(), report);
}
