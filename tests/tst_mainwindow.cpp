#include "testapp.h"
#include "ui/aboutdialog.h"
#include "ui/erasedialog.h"
#include "ui/fileerrordialog.h"
#include "ui/guard.h"
#include "ui/layoutdialog.h"
#include "ui/mainwindow.h"
#include "ui/portdialog.h"
#include "ui/programstyle.h"
#include "ui/radiogroup.h"
#include "ui/servicedialog.h"
#include "ui/services.h"
#include "ui/transfererrordialog.h"
#include "ui/windows.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <stdexcept>

namespace {

void WriteFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsClearedWithoutSettingsFile();
    void settingsFileFillsTheBlock_data();
    void settingsFileFillsTheBlock();
    void flagsByteChoosesLayoutAndStatus();
    void valuesBeyondAListChooseNoItem();
    void showingNeverWritesStatusBytes();
    void controlsSitAtTheirGeometry_data();
    void controlsSitAtTheirGeometry();
    void clientAreaAndWindow();
    void menuOverflowArrow();
    void menuCaptions();
    void everyCommandIsEnabled();
    void exitClosesTheMainWindow();
    void eightWindowsWithTheirCaptions();
    void helpWindowsOpenRepeatedlyWithTheSameText_data();
    void helpWindowsOpenRepeatedlyWithTheSameText();
    void escapingErrorsAreShownAndTheProgramGoesOn();
    void unsavedProgramIsKeptAndOfferedAtTheNextStart();
    void severalKeptProgramsAreOfferedToChooseFrom();
    void windowsAreCentredOnTheirFirstShowingOnly();

private:
    QTemporaryDir workDir;
    QString previousDir;
    std::unique_ptr<TestApp> app;
};

void TestMainWindow::init()
{
    QVERIFY(workDir.isValid());
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
    QFile::remove(QStringLiteral("halvex.dat"));
    app = std::make_unique<TestApp>();
}

void TestMainWindow::cleanup()
{
    app.reset();
    QDir::setCurrent(previousDir);
}

void TestMainWindow::startsClearedWithoutSettingsFile()
{
    app->start();
    QStringList steps, annuals;
    for (int i = 0; i < 16; ++i)
        steps << QString::asprintf("Step # %02d  --> C l e a r <--", i);
    for (int j = 0; j < 10; ++j)
        annuals << QString::asprintf("Annual %02d  --> C l e a r <--", j);
    QCOMPARE(app->lines("stepList"), steps);
    QCOMPARE(app->lines("annualList"), annuals);
    QCOMPARE(app->find<QListWidget>("stepList")->currentRow(), 0);
    QCOMPARE(app->find<QListWidget>("annualList")->currentRow(), 0);
    QCOMPARE(app->items("stepNumberCombo").size(), 16);
    QCOMPARE(app->items("stepNumberCombo").last(), QStringLiteral("15"));
    QCOMPARE(app->items("annualNumberCombo").last(), QStringLiteral("09"));
    QCOMPARE(app->find<QComboBox>("stepNumberCombo")->currentIndex(), 0);
    QCOMPARE(app->find<QComboBox>("annualNumberCombo")->currentIndex(), 0);

    QCOMPARE(int(app->buffer[16]), 0x3E);
    for (int i = 1; i < 16; ++i)
        QCOMPARE(int(app->buffer[StepOffset(i) + 2]), 0x01);
    for (int b = SettingsBlockOffset; b < SetsBufferSize; ++b)
        QCOMPARE(int(app->buffer[b]), 0);

    QCOMPARE(app->find<QComboBox>("dayCombo")->currentText(), QStringLiteral("Wdy"));
    QCOMPARE(app->find<QComboBox>("hourCombo")->currentText(), QStringLiteral("CLR"));
    QCOMPARE(app->find<RadioGroup>("relayGroup")->itemIndex(), 1);
    QCOMPARE(app->find<RadioGroup>("dstGroup")->itemIndex(), 0);
    QCOMPARE(app->find<RadioGroup>("statusRelayGroup")->itemIndex(), 0);
    QCOMPARE(app->find<QComboBox>("pulseCombo")->currentText(), QStringLiteral("OFF"));
    QCOMPARE(app->find<QComboBox>("startMonthCombo")->currentText(), QStringLiteral("CLR"));
    QCOMPARE(app->find<QComboBox>("endMonthCombo")->currentText(), QStringLiteral("0"));
    QVERIFY(!QFile::exists(QStringLiteral("halvex.dat"))); // reading never creates it
}

void TestMainWindow::settingsFileFillsTheBlock_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("block");
    QTest::newRow("empty") << QByteArray() << QByteArray(10, '\0');
    QTest::newRow("three bytes") << QByteArray("\x0A\x01\x02", 3)
                                 << QByteArray("\x0A\x01\x02\0\0\0\0\0\0\0", 10);
    QTest::newRow("ten bytes") << QByteArray("\x07\x11\x22\x33\x44\x55\x66\x77\x88\x99", 10)
                               << QByteArray("\x07\x11\x22\x33\x44\x55\x66\x77\x88\x99", 10);
    QTest::newRow("longer: first ten only")
        << QByteArray("\xFF\x01\x02\x03\x04\x05\x06\x07\x08\x09\xAA\xBB", 12)
        << QByteArray("\xFF\x01\x02\x03\x04\x05\x06\x07\x08\x09", 10);
}

void TestMainWindow::settingsFileFillsTheBlock()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, block);
    WriteFile(QStringLiteral("halvex.dat"), file);
    app->start();
    for (int k = 0; k < SettingsBlockSize; ++k)
        QCOMPARE(int(app->buffer[SettingsBlockOffset + k]), int(Byte(block[k])));
    QCOMPARE(app->lines("stepList").size(), 16); // the block never reaches the tables
}

void TestMainWindow::flagsByteChoosesLayoutAndStatus()
{
    app->buffer[FlagsByte] = 0x01;
    app->start();
    QCOMPARE(app->lines("stepList").size(), 30);
    QCOMPARE(app->lines("annualList").size(), 3);
    QCOMPARE(app->items("stepNumberCombo").last(), QStringLiteral("29"));
    QCOMPARE(app->items("annualNumberCombo"), (QStringList{"00", "01", "02"}));
    QCOMPARE(app->find<RadioGroup>("statusRelayGroup")->itemIndex(), 0);

    app->buffer[FlagsByte] = 0x85;
    app->mainWindow->reloadAll();
    QCOMPARE(app->lines("stepList").size(), 30);
    QVERIFY(app->find<RadioGroup>("statusRelayGroup")->button(1)->isChecked());
    QVERIFY(app->find<RadioGroup>("elLampGroup")->button(1)->isChecked());
    QCOMPARE(int(app->buffer[FlagsByte]), 0x85);
}

void TestMainWindow::valuesBeyondAListChooseNoItem()
{
    WriteStep(app->buffer, 0, {0x15, 0x75, 0x02}); // hour 15, minute 75
    app->buffer[62 + EndYearField] = 0xA0;
    app->buffer[62 + StartMonthField] = 0x01;
    app->buffer[DstByte] = 0x90;
    app->buffer[PulseByte] = 0xA5;
    const SetsBuffer before = app->buffer;
    app->start();
    QCOMPARE(app->find<QComboBox>("hourCombo")->currentIndex(), -1);
    QCOMPARE(app->find<QComboBox>("minuteCombo")->currentIndex(), -1);
    QCOMPARE(app->find<QComboBox>("endYearCombo")->currentIndex(), -1);
    QCOMPARE(app->find<QComboBox>("pulseCombo")->currentIndex(), -1);
    QCOMPARE(app->find<RadioGroup>("dstGroup")->itemIndex(), -1);
    QVERIFY(!app->find<RadioGroup>("dstGroup")->button(0)->isChecked());
    QVERIFY(!app->find<RadioGroup>("dstGroup")->button(1)->isChecked());
    QCOMPARE(app->lines("stepList").first(), QStringLiteral("Step # 00  Mon  15:75 Am  Off"));
    QCOMPARE(app->buffer[14], before[14]);
    QCOMPARE(app->buffer[15], before[15]);
    QCOMPARE(app->buffer[DstByte], before[DstByte]);
    QCOMPARE(app->buffer[PulseByte], before[PulseByte]);
}

void TestMainWindow::showingNeverWritesStatusBytes()
{
    app->buffer[DstByte] = 0x01;
    app->buffer[FlagsByte] = 0x7A; // every bit without a control set, layout 16
    app->start();
    QCOMPARE(app->find<RadioGroup>("dstGroup")->itemIndex(), 1);
    app->mainWindow->reloadAll();
    QCOMPARE(int(app->buffer[DstByte]), 0x01);
    QCOMPARE(int(app->buffer[FlagsByte]), 0x7A);
}

void TestMainWindow::controlsSitAtTheirGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("stepNumberCombo") << "stepNumberCombo" << QRect(40, 32, 41, 19);
    QTest::newRow("dayCombo") << "dayCombo" << QRect(96, 32, 49, 19);
    QTest::newRow("hourCombo") << "hourCombo" << QRect(160, 32, 49, 19);
    QTest::newRow("minuteCombo") << "minuteCombo" << QRect(224, 32, 41, 19);
    QTest::newRow("amPmGroup") << "amPmGroup" << QRect(280, 24, 49, 49);
    QTest::newRow("relayGroup") << "relayGroup" << QRect(280, 80, 49, 49);
    QTest::newRow("stepList") << "stepList" << QRect(40, 72, 225, 57);
    QTest::newRow("annualNumberCombo") << "annualNumberCombo" << QRect(24, 184, 41, 19);
    QTest::newRow("startMonthCombo") << "startMonthCombo" << QRect(80, 184, 49, 19);
    QTest::newRow("startDayCombo") << "startDayCombo" << QRect(136, 184, 41, 19);
    QTest::newRow("startYearCombo") << "startYearCombo" << QRect(184, 184, 41, 19);
    QTest::newRow("endMonthCombo") << "endMonthCombo" << QRect(240, 184, 41, 19);
    QTest::newRow("endDayCombo") << "endDayCombo" << QRect(288, 184, 41, 19);
    QTest::newRow("endYearCombo") << "endYearCombo" << QRect(336, 184, 41, 19);
    QTest::newRow("annualList") << "annualList" << QRect(32, 248, 353, 41);
    QTest::newRow("dstGroup") << "dstGroup" << QRect(120, 320, 49, 49);
    QTest::newRow("statusRelayGroup") << "statusRelayGroup" << QRect(184, 320, 49, 49);
    QTest::newRow("elLampGroup") << "elLampGroup" << QRect(248, 320, 57, 49);
    QTest::newRow("pulseCombo") << "pulseCombo" << QRect(320, 336, 49, 22);
    QTest::newRow("eraseButton") << "eraseButton" << QRect(352, 32, 41, 41);
    QTest::newRow("layoutButton") << "layoutButton" << QRect(352, 88, 41, 41);
}

void TestMainWindow::controlsSitAtTheirGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    app->start();
    auto* control = app->find<QWidget>(qPrintable(name));
    QCOMPARE(control->parentWidget()->objectName(), QStringLiteral("ClientArea"));
    auto* box = qobject_cast<QComboBox*>(control);
    if (!box) {
        QCOMPARE(control->geometry(), geometry);
        return;
    }
    // A drop-down list keeps its place and grows to the right where its widest item needs it:
    // each item fits the field the style draws it in, less the pixel it keeps free each side.
    QCOMPARE(box->pos(), geometry.topLeft());
    QCOMPARE(box->height(), geometry.height());
    QVERIFY(box->width() >= geometry.width());
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.frame = box->hasFrame();
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    for (const QString& item : app->items(qPrintable(name)))
        QVERIFY2(box->fontMetrics().horizontalAdvance(item) <= field.width() - 2, qPrintable(item));
}

void TestMainWindow::clientAreaAndWindow()
{
    MainWindow& window = app->start();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.centralWidget()->size(), QSize(412, 420));
    QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());
    // The title bar shows the modified mark, "*", only once the program has changed.
    QCOMPARE(window.windowHandle()->title(),
             QStringLiteral("Halvex - KV40 Computer Software, 2007 DST Law"));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(app->find<QToolButton>("eraseButton")->toolTip(), QStringLiteral("Erase All"));
    QCOMPARE(app->find<QToolButton>("layoutButton")->toolTip(), QStringLiteral("Configure Buffer"));
    QCOMPARE(window.font().pointSize(), 8);
    // The area headings: 12-point bold italic, in the face the window's text is set in.
    const QString windowFace = QFontInfo(window.font()).family();
    for (const char* text : {"Program Steps", "Skip Plans (Annuals)", "Status..."}) {
        const auto labels = window.findChildren<QLabel*>();
        const auto heading = std::find_if(labels.begin(), labels.end(), [&](const QLabel* label) {
            return label->text() == text;
        });
        QVERIFY2(heading != labels.end(), text);
        const QFontInfo face((*heading)->font());
        QCOMPARE(face.family(), windowFace);
        QVERIFY(face.bold() && face.italic());
        QCOMPARE((*heading)->font().pointSize(), 12);
    }
}

// The menu bar's overflow arrow, looked up only when drawn, is the desktop style's own.
void TestMainWindow::menuOverflowArrow()
{
    QStyle* desktop = QStyleFactory::create(QStringLiteral("Fusion"));
    const QIcon own = desktop->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const ProgramStyle style(desktop);
    const QIcon arrow = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!arrow.isNull());
    QCOMPARE(arrow.availableSizes(), own.availableSizes());
    for (const int size : {16, 32})
        QCOMPARE(arrow.pixmap(size).toImage(), own.pixmap(size).toImage());
    QVERIFY(style.standardIcon(QStyle::SP_DialogOkButton).cacheKey() != arrow.cacheKey());
}

void TestMainWindow::menuCaptions()
{
    MainWindow& window = app->start();
    QStringList menu;
    for (QAction* top : window.menuBar()->actions()) {
        menu << top->text();
        if (top->menu()) {
            for (QAction* item : top->menu()->actions())
                menu << QStringLiteral("  ") + (item->isSeparator() ? "-" : item->text());
        }
    }
    const QStringList expected{"&File",
                               "  &Load...",
                               "  &Recover Unsaved Program…",
                               "  &Save...",
                               "  -",
                               "  &Print...",
                               "  &Exit",
                               "&Edit",
                               "  &Undo",
                               "  &Redo",
                               "&View",
                               "  &Week Chart",
                               "&Communicate",
                               "  &Send to Clock",
                               "&Settings",
                               "&Utilities",
                               "  &Load DOS Version File...",
                               "&Help",
                               "  &Help (pdf)...",
                               "  -",
                               "  &Service...",
                               "  &About..."};
    QCOMPARE(menu, expected);
}

// Undo, Redo and Recover are offered only when there is something to undo, redo or recover:
// at a first start there is none.
void TestMainWindow::everyCommandIsEnabled()
{
    MainWindow& window = app->start();
    const QStringList offeredOnly{"undoAction", "redoAction", "recoverAction"};
    for (QAction* action : window.findChildren<QAction*>()) {
        if (!action->isSeparator())
            QVERIFY2(action->isEnabled() != offeredOnly.contains(action->objectName()),
                     qPrintable(action->text()));
    }
}

void TestMainWindow::exitClosesTheMainWindow()
{
    MainWindow& window = app->start();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    app->find<QAction>("exitAction")->trigger();
    QVERIFY(!window.isVisible());
    QVERIFY(!QFile::exists(QStringLiteral("halvex.dat"))); // nothing is saved at exit
}

void TestMainWindow::eightWindowsWithTheirCaptions()
{
    app->start();
    const Windows& w = app->windows;
    // Only the main window is made at start-up; each other one on its first use.
    QVERIFY(w.mainWindow->findChildren<QDialog*>(Qt::FindDirectChildrenOnly).isEmpty());
    const std::pair<QWidget*, const char*> windows[] = {
        {w.mainWindow, "Halvex - KV40 Computer Software, 2007 DST Law"},
        {w.aboutDialog.get(), "About Halvex"},
        {w.fileErrorDialog.get(), "File Error"},
        {w.serviceDialog.get(), "Service"},
        {w.eraseDialog.get(), "Erase ?"},
        {w.transferErrorDialog.get(), "Serial Transfer Error !"},
        {w.portDialog.get(), "COM Settings"},
        {w.layoutDialog.get(), "Configure Sets Buffer"},
    };
    // The main window owns the others, in the order of their first use, each made once.
    QList<QWidget*> owned;
    for (QObject* child : w.mainWindow->children()) {
        if (auto* dialog = qobject_cast<QDialog*>(child))
            owned << dialog;
    }
    QCOMPARE(owned.size(), 7);
    QCOMPARE(static_cast<QWidget*>(w.portDialog.get()), windows[6].first);
    for (int i = 0; i < 8; ++i) {
        QVERIFY(windows[i].first);
        QCOMPARE(windows[i].first->windowTitle().remove(QStringLiteral("[*]")),
                 QLatin1String(windows[i].second));
        if (i > 0)
            QCOMPARE(owned[i - 1], windows[i].first);
    }
}

// Every text a window shows, with the label's name, in creation order.
static QStringList Texts(const QDialog& window)
{
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->objectName() + QLatin1Char('=') + label->text();
    return texts;
}

void TestMainWindow::helpWindowsOpenRepeatedlyWithTheSameText_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("mustShow");
    QTest::newRow("About") << "aboutAction"
                           << "aboutDialog"
                           << QStringList{"Halvex - KV40 Computer Software", "Version 1.06"};
    QTest::newRow("Service") << "serviceAction"
                             << "serviceDialog" << QStringList{"Tel. 555-0142"};
}

void TestMainWindow::helpWindowsOpenRepeatedlyWithTheSameText()
{
    QFETCH(QString, action);
    QFETCH(QString, window);
    QFETCH(QStringList, mustShow);
    app->start();
    const SetsBuffer before = app->buffer;
    QList<QStringList> shown;
    auto readAndPressOk = [&shown](QDialog& dialog) {
        shown << Texts(dialog);
        // Every label lies inside the window, its text uncut.
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            const QRect place(label->mapTo(&dialog, QPoint(0, 0)), label->size());
            QVERIFY2(dialog.rect().contains(place), qPrintable(label->objectName()));
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")),
                          Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    };
    app->gui.answerNext(readAndPressOk);
    app->find<QAction>(qPrintable(action))->trigger();
    app->gui.answerNext(readAndPressOk);
    app->find<QAction>(qPrintable(action))->trigger();
    app->find<QAction>(qPrintable(action))->trigger(); // closed with its close box this time

    QCOMPARE(app->gui.shownWindows, QStringList(3, window));
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1], shown[0]);
    const QString all = shown[0].join(QLatin1Char('\n'));
    for (const QString& text : mustShow)
        QVERIFY2(all.contains(text), qPrintable(text));
    QVERIFY(app->buffer == before);
    QVERIFY(app->gui.exceptions.isEmpty());
    if (window == QLatin1String("aboutDialog"))
        QCOMPARE(app->windows.aboutDialog->findChild<QLabel*>("version")->font().pointSize(), 12);
}

void TestMainWindow::escapingErrorsAreShownAndTheProgramGoesOn()
{
    MainWindow& window = app->start();
    RunGuarded(&window, app->gui, [] { throw std::runtime_error("disk on fire"); });
    RunGuarded(&window, app->gui, [] { throw 42; });
    RunGuarded(&window, app->gui, [] {});
    QCOMPARE(app->gui.exceptions.size(), 2);
    QCOMPARE(app->gui.exceptions.first(), QStringLiteral("disk on fire"));
}

// Exit asks nothing and the work is not lost: the program is kept after every change, so also
// when the program is ended by a signal, and the next start offers it without opening anything.
void TestMainWindow::unsavedProgramIsKeptAndOfferedAtTheNextStart()
{
    QTemporaryDir home; // the user's, beyond both runs
    const std::string folder = QFile::encodeName(home.filePath("state/halvex")).toStdString();
    app->services.stateFolder = folder;
    MainWindow& window = app->start();
    const QString kept = home.filePath("state/halvex/unsaved.40t");
    QVERIFY(!QFile::exists(kept));
    ClickRadio(app->find<RadioGroup>("statusRelayGroup"), 1);
    ChooseWithMouse(app->find<QComboBox>("pulseCombo"), "25");
    QCOMPARE(window.windowHandle()->title(),
             QStringLiteral("Halvex - KV40 Computer Software, 2007 DST Law*"));
    const QByteArray unsaved(reinterpret_cast<const char*>(app->buffer.data()), 200);
    QFile file(kept);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), unsaved);
    app->find<QAction>("exitAction")->trigger();
    QVERIFY(!window.isVisible());
    QVERIFY(app->gui.shownWindows.isEmpty());

    app = std::make_unique<TestApp>();
    app->services.stateFolder = folder;
    MainWindow& next = app->start();
    QVERIFY(app->gui.shownWindows.isEmpty());
    QCOMPARE(int(app->buffer[PulseByte]), 0);
    auto* recover = app->find<QAction>("recoverAction");
    QVERIFY(recover->isEnabled());
    recover->trigger();
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(app->buffer.data()), 200), unsaved);
    QCOMPARE(app->find<QComboBox>("pulseCombo")->currentText(), QStringLiteral("25"));
    QVERIFY(next.isWindowModified());
    QVERIFY(!recover->isEnabled());
    app->find<QAction>("undoAction")->trigger(); // back to the empty program
    QCOMPARE(int(app->buffer[PulseByte]), 0);
}

// Two windows that ended with their programs unsaved left two files: Recover shows both, the
// newest first, each with the time it was kept and its first lines, and takes the one chosen.
void TestMainWindow::severalKeptProgramsAreOfferedToChooseFrom()
{
    const QString folder = QFile::decodeName(QByteArray::fromStdString(app->services.stateFolder));
    QVERIFY(QDir().mkpath(folder));
    const auto keep = [&](const char* name, char pulse, qint64 keptAt) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        QByteArray program(200, '\0');
        program[PulseByte] = pulse;
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(program) == 200 && file.flush());
        QVERIFY(file.setFileTime(QDateTime::fromSecsSinceEpoch(keptAt),
                                 QFileDevice::FileModificationTime));
    };
    keep("unsaved.40t", 0x25, 1800000000);
    keep("unsaved-2.40t", 0x30, 1800000600);
    app->start();
    QStringList offered;
    app->gui.answerNext([&](QDialog& window) {
        auto* list = window.findChild<QListWidget*>(QStringLiteral("keptList"));
        for (int row = 0; row < list->count(); ++row)
            offered << list->item(row)->text();
        list->setCurrentRow(1);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("okButton")),
                          Qt::LeftButton);
    });
    app->find<QAction>("recoverAction")->trigger();
    QCOMPARE(app->gui.shownWindows, QStringList{"recoverDialog"});
    QCOMPARE(offered.size(), 2);
    QVERIFY2(offered[0].contains("Pulse = 30") && offered[1].contains("Pulse = 25"),
             qPrintable(offered.join("\n\n")));
    QVERIFY2(offered[1].startsWith(QLocale().toString(QDateTime::fromSecsSinceEpoch(1800000000),
                                                      QLocale::ShortFormat)),
             qPrintable(offered[1]));
    QCOMPARE(int(app->buffer[PulseByte]), 0x25);               // the older one, as chosen
    QVERIFY(app->find<QAction>("recoverAction")->isEnabled()); // the other one is still there
    QVERIFY(QFile::exists(folder + "/unsaved-2.40t"));
}

void TestMainWindow::windowsAreCentredOnTheirFirstShowingOnly()
{
    MainWindow& window = app->start();
    const QPoint middle = window.screen()->availableGeometry().center();
    QVERIFY((window.frameGeometry().center() - middle).manhattanLength() <= 1);
    QDialog& about = *app->windows.aboutDialog;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY((about.frameGeometry().center() - middle).manhattanLength() <= 1);
    about.move(20, 30);
    about.hide();
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.pos(), QPoint(20, 30));
    about.hide();

    window.move(40, 50);
    window.showMinimized();
    window.showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.pos(), QPoint(40, 50));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
