#include "ui/mainwindow.h"

#include "comm/settingsblock.h"
#include "model/programoverview.h"
#include "print/report.h"
#include "ui/aboutdialog.h"
#include "ui/clocksender.h"
#include "ui/dialoggui.h"
#include "ui/erasedialog.h"
#include "ui/filedrop.h"
#include "ui/fileerrordialog.h"
#include "ui/filledcontrols.h"
#include "ui/guard.h"
#include "ui/helpdocument.h"
#include "ui/layoutdialog.h"
#include "ui/portdialog.h"
#include "ui/printbackend.h"
#include "ui/radiogroup.h"
#include "ui/recoverdialog.h"
#include "ui/servicedialog.h"
#include "ui/services.h"
#include "ui/transfererrordialog.h"
#include "ui/weekchartwindow.h"
#include "ui/windows.h"
#include "ui/windowstyle.h"

#include <QAction>
#include <QComboBox>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>

MainWindow::MainWindow(SetsBuffer& buffer, const Windows& windows, Services& services,
                       QWidget* parent)
    : QMainWindow(parent)
    , buffer(buffer)
    , windows(windows)
    , services(services)
    , editor(buffer)
    , changes(buffer, editor, *this, services.stateFolder,
              [this](const MainView& view) { showView(view); })
    , fileCommands(
          this, buffer, services.gui,
          // The File Error window says what failed and why; how it closes makes no
          // difference.
          [this](const QString& reason) {
              this->windows.fileErrorDialog->setReason(reason);
              (void)this->services.gui.execModal(*this->windows.fileErrorDialog);
          },
          [this] { changes.replaced([this] { showView(editor.showLoaded()); }); },
          [this] { changes.saved(); })
{
    setObjectName(QStringLiteral("mainWindow"));
    // "[*]" shows as "*" while the program has changes no file holds.
    setWindowTitle(tr("Halvex - KV40 Computer Software, 2007 DST Law[*]"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    form.setup(*this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    KeepCentredOnScreen(*this);
    connectCommands();
    // The settings file is read before anything is shown: the COM Settings window, made after
    // this one, shows the port it holds (and says when the file could not be read).
    if (const FileResult read = LoadSettingsBlock(buffer); read != FileResult::Done)
        qWarning("halvex: %s", DescribeFileResult(read, SettingsFileName).c_str());
    reloadAll();
    changes.start();
}

std::function<void()> MainWindow::guarded(std::function<void()> command)
{
    return [this, command] { RunGuarded(this, services.gui, command); };
}

std::function<void()> MainWindow::edit(std::function<void()> write, std::function<void()> show)
{
    return guarded([this, write, show] { changes.change(write, show); });
}

// Only the user's own choices run a handler: filling the controls from the buffer emits none of
// these signals, so showing a value never writes it back.
void MainWindow::connectCommands()
{
    connectStepEditor();
    connectAnnualEditor();
    connectStatus();
    connectMenu();
}

void MainWindow::connectStepEditor()
{
    const auto stepEdit = [this](auto write) { return edit(write, [this] { showSteps(); }); };
    connect(form.stepList, &QListWidget::currentRowChanged, this, guarded([this] {
                // A row of none comes only from clearing the list, which is no choice.
                if (form.stepList->currentRow() >= 0)
                    chooseStep(form.stepList->currentRow());
            }));
    connect(form.stepNumberCombo, &QComboBox::activated, this,
            guarded([this] { chooseStep(form.stepNumberCombo->currentIndex()); }));
    connect(form.dayCombo, &QComboBox::activated, this,
            stepEdit([this] { editor.setDayCode(form.dayCombo->currentIndex()); }));
    connect(form.hourCombo, &QComboBox::activated, this,
            stepEdit([this] { editor.setHour(form.hourCombo->currentIndex()); }));
    connect(form.minuteCombo, &QComboBox::activated, this,
            stepEdit([this] { editor.setMinute(form.minuteCombo->currentIndex()); }));
    connect(form.amPmGroup, &RadioGroup::clicked, this,
            stepEdit([this] { editor.setAmPm(form.amPmGroup->itemIndex()); }));
    connect(form.relayGroup, &RadioGroup::clicked, this,
            stepEdit([this] { editor.setRelay(form.relayGroup->itemIndex()); }));
    connect(form.eraseButton, &QToolButton::clicked, this, guarded([this] { erase(); }));
    connect(form.layoutButton, &QToolButton::clicked, this, guarded([this] { configureLayout(); }));
}

void MainWindow::connectAnnualEditor()
{
    connect(form.annualList, &QListWidget::currentRowChanged, this, guarded([this] {
                if (form.annualList->currentRow() >= 0)
                    chooseAnnual(form.annualList->currentRow());
            }));
    connect(form.annualNumberCombo, &QComboBox::activated, this,
            guarded([this] { chooseAnnual(form.annualNumberCombo->currentIndex()); }));
    const std::array<QComboBox*, AnnualFieldCount> dates = form.dateCombos();
    for (int f = 0; f < AnnualFieldCount; ++f) {
        QComboBox* combo = dates[static_cast<std::size_t>(f)];
        connect(
            combo, &QComboBox::activated, this,
            edit([this, f, combo] { editor.setAnnualField(AnnualField(f), combo->currentIndex()); },
                 [this] { showAnnuals(); }));
    }
}

// A status change shows nothing anew: the control already shows what was written.
void MainWindow::connectStatus()
{
    const auto statusEdit = [this](auto write) { return edit(write, [] {}); };
    connect(form.dstGroup, &RadioGroup::clicked, this,
            statusEdit([this] { editor.setDst(form.dstGroup->itemIndex()); }));
    connect(form.statusRelayGroup, &RadioGroup::clicked, this,
            statusEdit([this] { editor.setStatusRelay(form.statusRelayGroup->itemIndex()); }));
    connect(form.elLampGroup, &RadioGroup::clicked, this,
            statusEdit([this] { editor.setElLamp(form.elLampGroup->itemIndex()); }));
    connect(form.pulseCombo, &QComboBox::activated, this,
            statusEdit([this] { editor.setPulse(form.pulseCombo->currentIndex()); }));
}

void MainWindow::connectMenu()
{
    // The Help menu's two windows only inform: how they are closed makes no difference.
    // They are made after this window, so each is looked up when its command runs.
    const auto show = [this](auto window) {
        return guarded([this, window] { (void)services.gui.execModal(*(windows.*window)); });
    };
    connect(form.loadAction, &QAction::triggered, this, guarded([this] { fileCommands.load(); }));
    connect(form.saveAction, &QAction::triggered, this, guarded([this] { fileCommands.save(); }));
    connect(form.printAction, &QAction::triggered, this, guarded([this] { print(); }));
    connect(form.exitAction, &QAction::triggered, this, guarded([this] { close(); }));
    connect(form.sendAction, &QAction::triggered, this, guarded([this] { sendToClock(); }));
    connect(form.settingsAction, &QAction::triggered, this, guarded([this] { choosePort(); }));
    connect(form.importDosAction, &QAction::triggered, this,
            guarded([this] { fileCommands.importDosVersionFile(); }));
    connect(form.helpAction, &QAction::triggered, this,
            guarded([this] { OpenUserGuide(services.documents); }));
    connect(form.serviceAction, &QAction::triggered, this, show(&Windows::serviceDialog));
    connect(form.aboutAction, &QAction::triggered, this, show(&Windows::aboutDialog));
    connect(form.undoAction, &QAction::triggered, this, guarded([this] { changes.undo(); }));
    connect(form.redoAction, &QAction::triggered, this, guarded([this] { changes.redo(); }));
    connect(form.recoverAction, &QAction::triggered, this, guarded([this] { recoverUnsaved(); }));
    // What other windows left unsaved is looked for again whenever the menu opens: a window
    // may have ended, or taken one, since.
    connect(form.fileMenu, &QMenu::aboutToShow, &changes, &ProgramChanges::lookForKeptPrograms);
    connect(form.weekChartAction, &QAction::triggered, this, guarded([this] { showWeekChart(); }));
    changes.offerThrough(*form.undoAction, *form.redoAction, *form.recoverAction);
    recentFiles = new RecentFiles(*form.fileMenu, form.exitAction);
    fileCommands.onFileUsed([this](const QString& path) { recentFiles->add(path); });
    connect(recentFiles, &RecentFiles::chosen, this, [this](const QString& path) {
        RunGuarded(this, services.gui, [this, path] { openFile(path); });
    });
    connect(new FileDrop(*this), &FileDrop::dropped, this, [this](const QString& path) {
        RunGuarded(this, services.gui, [this, path] { openFile(path); });
    });
}

// A file that cannot be loaded has been reported by then; one of the recent files is dropped
// from the list with it.
void MainWindow::openFile(const QString& path)
{
    if (!fileCommands.loadFile(path))
        recentFiles->remove(path);
}

void MainWindow::reloadAll()
{
    showView(editor.reloadAll());
}

void MainWindow::showView(const MainView& view)
{
    ShowLines(form.stepList, view.stepLines);
    showStepControls(view.step);
    SelectLine(form.stepList, editor.state().currentStep);
    ShowLines(form.annualList, view.annualLines);
    showAnnualControls(view.annual);
    SelectLine(form.annualList, editor.state().currentAnnual);
    showStatus(editor.statusControls());
    ShowItems(form.stepNumberCombo, view.stepNumbers);
    ShowItems(form.annualNumberCombo, view.annualNumbers);
}

void MainWindow::changeLayout(int item)
{
    changes.change([this, item] { editor.setLayout(item); }, [this] { reloadAll(); });
}

// The list first, then the controls: showing a cleared Am step writes its day byte after the
// list has been drawn, so its line keeps the text it had.
void MainWindow::showSteps()
{
    ShowLines(form.stepList, editor.stepLines());
    SelectLine(form.stepList, editor.state().currentStep);
    showStepControls(editor.stepControls());
}

void MainWindow::showStepControls(const StepControls& shown)
{
    form.stepNumberCombo->setCurrentIndex(shown.step);
    form.relayGroup->setItemIndex(shown.relay);
    form.dayCombo->setCurrentIndex(shown.days);
    form.amPmGroup->setItemIndex(shown.amPm);
    form.hourCombo->setCurrentIndex(shown.hour);
    form.minuteCombo->setCurrentIndex(shown.minute);
}

void MainWindow::showAnnuals()
{
    ShowLines(form.annualList, editor.annualLines());
    SelectLine(form.annualList, editor.state().currentAnnual);
    showAnnualControls(editor.annualControls());
}

void MainWindow::showAnnualControls(const AnnualControls& shown)
{
    form.annualNumberCombo->setCurrentIndex(shown.annual);
    const std::array<QComboBox*, AnnualFieldCount> dates = form.dateCombos();
    for (std::size_t f = 0; f < dates.size(); ++f)
        dates[f]->setCurrentIndex(shown.dates[f]);
}

void MainWindow::showStatus(const StatusControls& shown)
{
    form.dstGroup->setItemIndex(shown.dst);
    form.statusRelayGroup->setItemIndex(shown.relay);
    form.elLampGroup->setItemIndex(shown.elLamp);
    form.pulseCombo->setCurrentIndex(shown.pulse);
}

// Showing a cleared Am step writes weekdays into its day byte: the choice that showed it is
// then a change of the program, marked and undone like any other. Most choices write nothing
// and are no change.
void MainWindow::chooseStep(int step)
{
    changes.change([this, step] { editor.chooseStep(step); },
                   [this] {
                       SelectLine(form.stepList, editor.state().currentStep);
                       showStepControls(editor.stepControls());
                   });
}

void MainWindow::chooseAnnual(int annual)
{
    editor.chooseAnnual(annual);
    SelectLine(form.annualList, editor.state().currentAnnual);
    showAnnualControls(editor.annualControls());
}

// Whatever the user did in the Erase or Configure window, the whole program is shown anew.
void MainWindow::erase()
{
    windows.eraseDialog->reset();
    const bool confirmed = services.gui.execModal(*windows.eraseDialog) == QDialog::Accepted;
    const EraseChoice choice = confirmed ? windows.eraseDialog->choice() : EraseChoice{};
    changes.change([this, choice] { editor.erase(choice); }, [this] { reloadAll(); });
}

void MainWindow::configureLayout()
{
    services.gui.execModal(*windows.layoutDialog);
    changes.change([] {}, [this] { reloadAll(); });
}

// Made on its first showing: most runs never open it.
void MainWindow::showWeekChart()
{
    if (!weekChart) {
        weekChart = new WeekChartWindow(
            [this] { return OverviewOf(buffer, editor.layout(), changes.rewrites()); }, this,
            form.stepList);
        connect(&changes, &ProgramChanges::programChanged, weekChart, &WeekChartWindow::refresh);
        // What the chart chooses is shown in front, whatever the chart covers.
        const auto bringForward = [this](QWidget* list) {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            raise();
            activateWindow();
            list->setFocus(Qt::OtherFocusReason);
        };
        connect(weekChart, &WeekChartWindow::stepChosen, this, [this, bringForward](int step) {
            chooseStep(step);
            bringForward(form.stepList);
        });
        connect(weekChart, &WeekChartWindow::annualChosen, this, [this, bringForward](int annual) {
            chooseAnnual(annual);
            bringForward(form.annualList);
        });
        weekChart->addActions({form.undoAction, form.redoAction}); // its keys work there too
    }
    weekChart->show();
    weekChart->raise();
    weekChart->activateWindow();
}

void MainWindow::choosePort()
{
    // Closed by OK or by the close box alike: a pick took effect when it was made.
    services.gui.execModal(*windows.portDialog);
    // The choice stays in force for this run either way; a file that cannot keep it is said on
    // the terminal, and the COM Settings window says why the next time it opens.
    if (const FileResult saved = SaveSettingsBlock(buffer); saved != FileResult::Done)
        qWarning("halvex: %s", qUtf8Printable(tr("the COM port is not kept: %1")
                                                  .arg(QString::fromStdString(DescribeFileResult(
                                                      saved, SettingsFileName)))));
}

void MainWindow::recoverUnsaved()
{
    changes.lookForKeptPrograms();
    if (const std::optional<KeptProgram> chosen =
            ChooseKeptProgram(this, services.gui, changes.keptPrograms()))
        changes.recover(*chosen);
}

void MainWindow::sendToClock()
{
    // A failure has been shown by then, a success shows nothing, and the window shows nothing
    // of the stamp.
    ClockSender(buffer, services, windows).send();
    changes.stamped();
}

void MainWindow::print()
{
    const std::unique_ptr<PrintJob> job = services.printer.choosePrinter(this);
    if (!job)
        return;
    // The report shows the status as the controls show it, and changes no control.
    const StatusControls status{form.dstGroup->itemIndex(), form.statusRelayGroup->itemIndex(),
                                form.elLampGroup->itemIndex(), form.pulseCombo->currentIndex()};
    DrawReport(*job, form.stepList->font(),
               LayoutReport(buffer, editor.layout(), status, job->verticalDpi()));
}
