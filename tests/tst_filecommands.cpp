#include "filefaults.h"
#include "files/datafile.h"
#include "files/dosimport.h"
#include "testapp.h"
#include "ui/dialoggui.h"
#include "ui/fileerrordialog.h"
#include "ui/mainwindow.h"
#include "ui/radiogroup.h"
#include "ui/services.h"
#include "ui/usersettings.h"
#include "ui/weekchartwindow.h"
#include "ui/windows.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(SaveFault)

namespace {

const QString DataFilter =
    QStringLiteral("Kv40Comp Data Files [*.40t] (*.40t);;All Files [*.*] (*)");
const QString DosFilter =
    QStringLiteral("Kv40 Dos Version Files [*.qdv] (*.qdv);;All Files [*.*] (*)");

// The program as it starts, in a working directory of its own.
struct App : TestApp {
    App() { start(false); }

    // Runs a menu command with the file dialog answered by path (std::nullopt cancels).
    void run(const char* command, std::optional<QString> path)
    {
        gui.answerFileDialog(std::move(path));
        find<QAction>(command)->trigger();
    }
    QString offeredBySave()
    {
        run("saveAction", std::nullopt);
        return gui.fileDialogs.last().fileName;
    }
    QByteArray image(int from, int count) const
    {
        return QByteArray(reinterpret_cast<const char*>(buffer.data() + from), count);
    }
    void fill(int from, const QByteArray& bytes)
    {
        for (int i = 0; i < bytes.size(); ++i)
            buffer[from + i] = Byte(bytes[i]);
    }
};

const QStringList FileError{QStringLiteral("fileErrorDialog")};

// Showing the step list rewrites day bytes that hold no day code.
bool IsDayByte(int i)
{
    return i >= StepTableOffset && i < StepOffset(30) && (i - StepTableOffset) % 3 == 2;
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveThenLoadRestoresTheImage();
    void modifiedFromAChangeUntilSaveOrLoad();
    void dayBytesALoadRewroteAreNamedByTheChecks();
    void saveNamesTheFileWithItsExtension();
    void saveDialogOffersTheNameLastGiven();
    void cancelChangesNothing();
    void loadReplacesOnlyWhatTheFileHolds_data();
    void loadReplacesOnlyWhatTheFileHolds();
    void loadOfAMissingFileShowsTheFileError();
    void importReplacesTablesAndResetsTheHeader();
    void importIgnoresTheFilesFirstByte();
    void importOfAMissingFilePresetsTheSaveName();
    void failedSaveShowsTheFileErrorAndKeepsTheOldFile_data();
    void failedSaveShowsTheFileErrorAndKeepsTheOldFile();
    void tooLongAPathIsRefused();
    void fileErrorWindow();
    void qtFileDialogsOfferTheNameAndTheFilters();
    void recentDroppedAndNamedFilesLoadAsLoadDoes();
    void namesInNoUtf8LoadAndSave();
    void aSettingsFileThatIsAPipeNeverStopsTheWindow();

private:
    QString in(const QString& name) const { return workDir->filePath(name); }

    std::unique_ptr<QTemporaryDir> workDir;
    QString previousDir;
    std::unique_ptr<App> app;
};

void TestFileCommands::init()
{
    workDir = std::make_unique<QTemporaryDir>();
    QVERIFY(workDir->isValid());
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir->path()));
    app = std::make_unique<App>();
}

void TestFileCommands::cleanup()
{
    app.reset();
    QDir::setCurrent(previousDir);
    workDir.reset();
}

void TestFileCommands::saveThenLoadRestoresTheImage()
{
    // Every byte of the image set, the layout bit too, and a settings block of its own.
    app->fill(0, Pattern(DataFileLength, 5));
    app->buffer[FlagsByte] = 0x85;
    app->fill(SettingsBlockOffset, QByteArray("\x03\x11\x22\x33\x44\x55\x66\x77\x88\x99", 10));
    app->mainWindow->reloadAll(); // showing rewrites unknown day codes: let it happen first
    const SetsBuffer saved = app->buffer;

    app->run("saveAction", in("shop"));
    QCOMPARE(app->gui.shownWindows, QStringList());
    QCOMPARE(FileBytes(in("shop.40t")), app->image(0, DataFileLength));

    app->fill(0, QByteArray(DataFileLength, '\0'));
    app->buffer[SettingsBlockOffset] = 0x05; // another COM port chosen since
    app->mainWindow->reloadAll();
    QCOMPARE(app->lines("stepList").size(), 16);

    app->run("loadAction", in("shop.40t"));
    QCOMPARE(app->gui.shownWindows, QStringList());
    QCOMPARE(app->image(0, DataFileLength),
             QByteArray(reinterpret_cast<const char*>(saved.data()), DataFileLength));
    QCOMPARE(int(app->buffer[SettingsBlockOffset]), 0x05);
    QCOMPARE(app->image(SettingsBlockOffset + 1, 9),
             QByteArray("\x11\x22\x33\x44\x55\x66\x77\x88\x99", 9));
    QCOMPARE(app->lines("stepList").size(), 30);
    QCOMPARE(app->lines("annualList").size(), 3);
    QCOMPARE(app->find<QComboBox>("stepNumberCombo")->count(), 30);
    QCOMPARE(app->find<RadioGroup>("statusRelayGroup")->itemIndex(), 1);
}

// The modified mark and the kept unsaved program follow the files: a change sets them, Save and
// Load clear them, and undoing a load brings back a program no file holds, as it was shown.
void TestFileCommands::modifiedFromAChangeUntilSaveOrLoad()
{
    MainWindow& window = *app->mainWindow;
    const QString kept =
        QFile::decodeName(QByteArray::fromStdString(app->services.stateFolder)) + "/unsaved.40t";
    const auto change = [&](int item) {
        app->find<RadioGroup>("elLampGroup")->button(item)->click();
    };
    QVERIFY(!window.isWindowModified());
    change(1);
    QVERIFY(window.isWindowModified());
    QVERIFY(QFile::exists(kept));
    app->run("saveAction", in("shop"));
    QVERIFY(!window.isWindowModified());
    QVERIFY(!QFile::exists(kept));
    change(0);
    QVERIFY(window.isWindowModified());
    app->run("loadAction", in("shop.40t"));
    QVERIFY(!window.isWindowModified());
    QCOMPARE(int(app->buffer[FlagsByte]), int(ElLampBit));
    app->find<QAction>("undoAction")->trigger();
    QVERIFY(window.isWindowModified());
    QCOMPARE(int(app->buffer[FlagsByte]), 0);
    app->find<QAction>("redoAction")->trigger();
    QVERIFY(!window.isWindowModified());

    // Showing the cleared step 05 writes weekdays into its day byte, byte 31: a change the mark
    // shows and Undo takes back, after a load too.
    const int day5 = StepOffset(5) + 2;
    window.chooseStep(5);
    QCOMPARE(int(app->buffer[day5]), 0x3E);
    QVERIFY(window.isWindowModified());
    app->run("saveAction", in("b"));
    QCOMPARE(FileBytes(in("b.40t")).at(day5), '\x3E');
    app->run("loadAction", in("shop.40t"));
    QCOMPARE(int(app->buffer[day5]), 0x01);
    app->find<QAction>("undoAction")->trigger();
    QCOMPARE(int(app->buffer[day5]), 0x3E);
    QCOMPARE(window.editState().currentStep, 5);
    app->find<QAction>("undoAction")->trigger();
    QCOMPARE(int(app->buffer[day5]), 0x01);
}

// A file can bring day bytes that are no day code; showing the loaded program rewrites them,
// and the checks of the week chart window name each one with the byte it was.
void TestFileCommands::dayBytesALoadRewroteAreNamedByTheChecks()
{
    QByteArray file(DataFileLength, '\0');
    file[StepOffset(5)] = char(0x87); // 7:30 Pm, Sunday and Monday, relay On
    file[StepOffset(5) + 1] = 0x30;
    file[StepOffset(5) + 2] = char(0x83);
    QVERIFY(WriteBytes(in("old.40t"), file));
    app->run("loadAction", in("old.40t"));
    QCOMPARE(int(app->buffer[StepOffset(5) + 2]), 0x01);
    app->find<QAction>("weekChartAction")->trigger();
    auto* checks = app->mainWindow->weekChartWindow()->findChild<QListWidget*>("checksList");
    QStringList texts;
    for (int row = 0; row < checks->count(); ++row)
        texts << checks->item(row)->text();
    QVERIFY2(texts.contains("Step 05: day byte 0x83 was no day code; the step list rewrote it to "
                            "0x01 (Sun, relay Off)"),
             qPrintable(texts.join('\n')));
}

void TestFileCommands::saveNamesTheFileWithItsExtension()
{
    app->run("saveAction", in("shop.txt"));
    QCOMPARE(FolderEntries(workDir->path()), QStringList{"shop.40t"});
    QCOMPARE(FileBytes(in("shop.40t")).size(), DataFileLength);
    QCOMPARE(app->gui.fileDialogs.last().kind, QStringLiteral("save"));
    QCOMPARE(app->gui.fileDialogs.last().filter, DataFilter);

    // Saving over an existing file replaces it without a question.
    app->buffer[FlagsByte] = 0x01;
    app->run("saveAction", in("shop.40t"));
    QCOMPARE(FileBytes(in("shop.40t")).at(0), '\x01');
    QCOMPARE(app->gui.shownWindows, QStringList());
}

void TestFileCommands::saveDialogOffersTheNameLastGiven()
{
    QCOMPARE(app->offeredBySave(), QString()); // empty at start-up
    QVERIFY(WriteBytes(in("loaded.40t"), Pattern(DataFileLength, 1)));

    app->run("saveAction", in("saved"));
    QCOMPARE(app->offeredBySave(), in("saved.40t"));

    app->run("loadAction", in("loaded.40t"));
    QCOMPARE(app->gui.fileDialogs.last().kind, QStringLiteral("open"));
    QCOMPARE(app->gui.fileDialogs.last().filter, DataFilter);
    QCOMPARE(app->gui.fileDialogs.last().fileName, QString());
    QCOMPARE(app->offeredBySave(), in("loaded.40t"));

    // A name typed without extension loads the file Save made of it.
    app->run("loadAction", in("saved"));
    QCOMPARE(app->gui.fileDialogs.last().fileName, in("loaded.40t"));
    QCOMPARE(app->gui.shownWindows, QStringList());
    QCOMPARE(app->offeredBySave(), in("saved.40t"));

    app->run("importDosAction", in("SHOP.QDV"));
    QCOMPARE(app->gui.fileDialogs.last().filter, DosFilter);
    QCOMPARE(app->gui.fileDialogs.last().fileName, QString());
    QCOMPARE(app->offeredBySave(), in("SHOP.40t"));
}

void TestFileCommands::cancelChangesNothing()
{
    app->run("saveAction", in("kept"));
    app->buffer[FlagsByte] = 0x01; // not shown yet: a load would show it
    const SetsBuffer before = app->buffer;
    const QStringList steps = app->lines("stepList");
    app->run("loadAction", std::nullopt);
    app->run("importDosAction", std::nullopt);
    app->run("saveAction", std::nullopt);
    QCOMPARE(app->buffer, before);
    QCOMPARE(app->lines("stepList"), steps);
    QCOMPARE(FolderEntries(workDir->path()), QStringList{"kept.40t"});
    QCOMPARE(app->gui.shownWindows, QStringList());
    QCOMPARE(app->offeredBySave(), in("kept.40t"));
}

void TestFileCommands::loadReplacesOnlyWhatTheFileHolds_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("50 bytes") << 50;
}

void TestFileCommands::loadReplacesOnlyWhatTheFileHolds()
{
    QFETCH(int, size);
    app->fill(0, Pattern(DataFileLength, 3));
    app->buffer[FlagsByte] = 0x00;
    app->mainWindow->reloadAll();
    app->find<QListWidget>("stepList")->setCurrentRow(4);
    app->buffer[FlagsByte] = 0x01; // not shown: only the reload after the load shows it
    const SetsBuffer before = app->buffer;
    QByteArray file = Pattern(size, 8);
    for (int i = 0; i < size; ++i) {
        if (IsDayByte(i))
            file[i] = '\x82'; // Mon, relay On: shown as it is
    }
    if (size > 0)
        file[0] = 0x01;
    QVERIFY(WriteBytes(in("short.40t"), file));

    app->run("loadAction", in("short.40t"));
    QCOMPARE(app->gui.shownWindows, QStringList());
    QCOMPARE(app->image(0, size), file);
    for (int i = size; i < SetsBufferSize; ++i) {
        if (!IsDayByte(i))
            QCOMPARE(int(app->buffer[i]), int(before[i]));
    }
    QCOMPARE(app->lines("stepList").size(), 30);
    QCOMPARE(app->find<QListWidget>("stepList")->currentRow(), 0);
}

void TestFileCommands::loadOfAMissingFileShowsTheFileError()
{
    app->find<QListWidget>("stepList")->setCurrentRow(4);
    app->buffer[FlagsByte] = 0x01; // not shown: a failed load shows nothing new
    const SetsBuffer before = app->buffer;
    app->run("loadAction", in("gone.40t"));
    QCOMPARE(app->gui.shownWindows, FileError);
    QCOMPARE(app->buffer, before);
    QCOMPARE(app->lines("stepList").size(), 16);
    QCOMPARE(app->find<QListWidget>("stepList")->currentRow(), 4);
    QCOMPARE(app->offeredBySave(), in("gone.40t"));

    // Reading a folder fails after it opened: the same window, the same untouched buffer.
    QVERIFY(QDir(workDir->path()).mkdir("folder.40t"));
    app->run("loadAction", in("folder.40t"));
    QCOMPARE(app->gui.shownWindows, FileError + FileError);
    QCOMPARE(app->buffer, before);
}

void TestFileCommands::importReplacesTablesAndResetsTheHeader()
{
    app->fill(0, Pattern(DataFileLength, 6));
    app->buffer[FlagsByte] = 0x85;
    app->buffer[DstByte] = 0x03;
    app->buffer[PulseByte] = 0x12;
    app->mainWindow->reloadAll();
    QCOMPARE(app->lines("stepList").size(), 30);
    const QByteArray tail = app->image(TablesEnd, DataFileLength - TablesEnd);
    const QByteArray settings = app->image(SettingsBlockOffset, SettingsBlockSize);

    QByteArray file = Pattern(109, 7);
    for (int step = 0; step < 16; ++step) // every step 07:30 Pm, relay On, Mon
        file.replace(1 + 3 * step, 3, QByteArray("\x87\x30\x82", 3));
    QVERIFY(WriteBytes(in("SHOP.QDV"), file));
    app->run("importDosAction", in("SHOP.QDV"));

    QCOMPARE(app->gui.shownWindows, QStringList());
    QCOMPARE(app->image(0, 14), QByteArray(14, '\0'));
    QCOMPARE(app->image(14, 108), file.mid(1));
    QCOMPARE(app->image(TablesEnd, DataFileLength - TablesEnd), tail);
    QCOMPARE(app->image(SettingsBlockOffset, SettingsBlockSize), settings);
    QCOMPARE(app->lines("stepList").size(), 16);
    QCOMPARE(app->lines("stepList").last(), QStringLiteral("Step # 15  Mon  07:30 Pm  On "));
    QCOMPARE(app->lines("annualList").size(), 10);
    QCOMPARE(app->find<RadioGroup>("dstGroup")->itemIndex(), 0);
    QCOMPARE(app->find<RadioGroup>("statusRelayGroup")->itemIndex(), 0);
    QCOMPARE(app->find<RadioGroup>("elLampGroup")->itemIndex(), 0);
    QCOMPARE(app->find<QComboBox>("pulseCombo")->currentText(), QStringLiteral("OFF"));

    // The next save keeps the program beside the old file, which stays as it was.
    app->run("saveAction", app->offeredBySave());
    QCOMPARE(app->gui.fileDialogs.last().fileName, in("SHOP.40t"));
    QCOMPARE(FileBytes(in("SHOP.40t")), app->image(0, DataFileLength));
    QCOMPARE(FileBytes(in("SHOP.QDV")), file);
}

void TestFileCommands::importIgnoresTheFilesFirstByte()
{
    QByteArray first = Pattern(DosFileLength, 4);
    QByteArray second = first;
    second[0] = char(~first[0]);
    QVERIFY(WriteBytes(in("a.qdv"), first));
    QVERIFY(WriteBytes(in("b.qdv"), second));
    const SetsBuffer start = app->buffer;
    app->run("importDosAction", in("a.qdv"));
    const SetsBuffer fromFirst = app->buffer;
    const QStringList linesFromFirst = app->lines("stepList") + app->lines("annualList");
    app->buffer = start;
    app->run("importDosAction", in("b.qdv"));
    QCOMPARE(app->buffer, fromFirst);
    QCOMPARE(app->lines("stepList") + app->lines("annualList"), linesFromFirst);
    QVERIFY(!(app->buffer == start));
}

void TestFileCommands::importOfAMissingFilePresetsTheSaveName()
{
    const SetsBuffer before = app->buffer;
    app->run("importDosAction", in("old.files/GONE.QDV"));
    QCOMPARE(app->gui.shownWindows, FileError);
    QCOMPARE(app->buffer, before);
    QCOMPARE(app->offeredBySave(), in("old.files/GONE.40t"));
}

void TestFileCommands::failedSaveShowsTheFileErrorAndKeepsTheOldFile_data()
{
    QTest::addColumn<SaveFault>("fault");
    QTest::addColumn<QString>("says"); // below the heading, after the file's path
    QTest::newRow("file cannot be replaced") << SaveFault::FileCannotBeReplaced << "";
    QTest::newRow("write cut short")
        << SaveFault::WriteCutShort << "/folder/shop.40t could not be written completely";
    QTest::newRow("folder at the name")
        << SaveFault::FolderAtTheName << "/folder/sub.40t is a folder, not a file";
    QTest::newRow("link to a device")
        << SaveFault::LinkToADevice
        << "/folder/null.40t leads to /dev/null, which is a device, not a file";
}

void TestFileCommands::failedSaveShowsTheFileErrorAndKeepsTheOldFile()
{
    QFETCH(SaveFault, fault);
    QFETCH(QString, says);
    FailingSave save(workDir->path(), fault);
    if (!save.possible)
        QSKIP("this system lets the process write there anyway");
    const QStringList entries = FolderEntries(save.folder);
    {
        std::optional<FileSizeLimit> limit;
        if (save.cutShort)
            limit.emplace(DataFileLength / 2);
        app->run("saveAction", save.target);
    }
    QCOMPARE(app->gui.shownWindows, FileError);
    QCOMPARE(FileBytes(save.oldFile), save.oldBytes);
    QCOMPARE(FolderEntries(save.folder), entries);
    QCOMPARE(app->offeredBySave(), save.target);
    const QString reason = app->windows.fileErrorDialog->reasonLabel->text();
    QVERIFY2(reason.contains(says) && reason.contains(save.target.left(8)), qPrintable(reason));
    QVERIFY(QFileInfo(QStringLiteral("/dev/null")).isFile() == false);
}

void TestFileCommands::tooLongAPathIsRefused()
{
    // 251 characters of folder and name: with ".40t" one too many.
    QString folder = workDir->path();
    while (folder.size() < 240)
        folder += QStringLiteral("/") + QString(std::min<qsizetype>(60, 240 - folder.size()), 'd');
    QVERIFY(QDir().mkpath(folder));
    const QString chosen = folder + QStringLiteral("/") + QString(252 - folder.size() - 1, 's');
    QCOMPARE(chosen.size(), 252);

    app->run("saveAction", chosen + QStringLiteral(".txt"));
    QCOMPARE(app->gui.shownWindows, FileError);
    QCOMPARE(FolderEntries(folder), QStringList());
    QCOMPARE(app->offeredBySave(), chosen + QStringLiteral(".txt"));

    // One character less fits.
    app->run("saveAction", chosen.chopped(1));
    QCOMPARE(app->gui.shownWindows, FileError);
    QCOMPARE(FileBytes(chosen.chopped(1) + QStringLiteral(".40t")).size(), DataFileLength);
}

void TestFileCommands::fileErrorWindow()
{
    FileErrorDialog& box = *app->windows.fileErrorDialog;
    QCOMPARE(box.windowTitle(), QStringLiteral("File Error"));
    QCOMPARE(box.size(), QSize(177, 116));
    QCOMPARE(box.messageLabel->text(), QStringLiteral("File I/O Error !"));
    QCOMPARE(box.messageLabel->pos(), QPoint(32, 16));
    QCOMPARE(box.messageLabel->font().pointSize(), 12);
    QVERIFY(box.messageLabel->font().bold() && box.messageLabel->font().italic());
    QCOMPARE(box.okButton->geometry(), QRect(40, 56, 105, 33));
    QCOMPARE(box.okButton->text(), QStringLiteral("OK"));
    QVERIFY(box.okButton->isDefault());

    // Shown by a failing command, closed with OK.
    int result = -1;
    app->gui.answerNext([&](QDialog& window) {
        QVERIFY(window.isVisible());
        QTest::mouseClick(box.okButton, Qt::LeftButton);
        result = window.result();
    });
    app->run("loadAction", in("gone.40t"));
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!box.isVisible());
    // Below the heading, the reason; the window grows to hold it, its OK button below it.
    QCOMPARE(box.reasonLabel->text(), QStringLiteral("There is no file %1.").arg(in("gone.40t")));
    QVERIFY(box.height() > 116);
    QVERIFY(box.okButton->y() > box.reasonLabel->geometry().bottom());
    QVERIFY(box.rect().contains(box.okButton->geometry()));
    box.setReason({});
    QCOMPARE(box.size(), QSize(177, 116));
}

void TestFileCommands::qtFileDialogsOfferTheNameAndTheFilters()
{
    QtDialogGui gui;
    QVERIFY(WriteBytes(in("offered.40t"), "x"));
    QStringList filters;
    QString offered;
    bool saving = false;
    // The dialog runs its own modal loop: answer it from inside, as soon as it is up.
    std::function<void(const QString&)> answer = [&](const QString& path) {
        QTimer::singleShot(0, [&, path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                answer(path);
                return;
            }
            filters = dialog->nameFilters();
            offered = dialog->selectedFiles().value(0);
            saving = dialog->acceptMode() == QFileDialog::AcceptSave;
            if (path.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(path);
                static_cast<QDialog*>(dialog)->accept(); // as the Open or Save button
            }
        });
    };

    answer(in("missing.40t"));
    QCOMPARE(gui.getOpenFileName(nullptr, in("offered.40t"), DataFilter), in("missing.40t"));
    QCOMPARE(filters, (QStringList{"Kv40Comp Data Files [*.40t] (*.40t)", "All Files [*.*] (*)"}));
    QCOMPARE(offered, in("offered.40t"));
    QVERIFY(!saving);

    answer(in("offered.40t"));
    QCOMPARE(gui.getSaveFileName(nullptr, in("offered.40t"), DataFilter), in("offered.40t"));
    QVERIFY(saving);

    answer(QString());
    QCOMPARE(gui.getOpenFileName(nullptr, QString(), DosFilter), std::nullopt);
    QCOMPARE(filters.value(0), QStringLiteral("Kv40 Dos Version Files [*.qdv] (*.qdv)"));
}

// The last files loaded or saved come back from the File menu; a file dropped on the window or
// named at start-up (openFile) loads as Load does; one that is gone shows the File Error window
// and leaves the list.
void TestFileCommands::recentDroppedAndNamedFilesLoadAsLoadDoes()
{
    UserSettings()->remove("recentFiles");
    app->fill(StepTableOffset, QByteArray("\x07\x30\x02", 3));
    app->run("saveAction", in("shop"));
    app->fill(StepTableOffset, QByteArray("\x08\x15\x04", 3));
    app->run("saveAction", in("home"));
    auto* menu = app->find<QMenu>("fileMenu");
    const auto recent = [&] {
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction* action : menu->actions())
            if (action->objectName().startsWith(QLatin1String("recentFile")))
                texts << action->text();
        return texts;
    };
    QCOMPARE(recent(), (QStringList{"&1 home.40t", "&2 shop.40t"}));

    app->find<QAction>("recentFile2")->trigger();
    QCOMPARE(app->step(0), QByteArray("\x07\x30\x02", 3));
    QCOMPARE(recent(), (QStringList{"&1 shop.40t", "&2 home.40t"}));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(in("home.40t"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(app->mainWindow.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(app->mainWindow.get(), &drop);
    QCOMPARE(app->step(0), QByteArray("\x08\x15\x04", 3));
    QVERIFY(drop.isAccepted());

    QVERIFY(QFile::remove(in("shop.40t")));
    QCOMPARE(recent(), (QStringList{"&1 home.40t", "&2 shop.40t"})); // the menu opens
    app->find<QAction>("recentFile2")->trigger();
    QCOMPARE(app->gui.shownWindows, FileError);
    QCOMPARE(app->step(0), QByteArray("\x08\x15\x04", 3));
    QCOMPARE(recent(), QStringList{"&1 home.40t"});

    app->mainWindow->openFile(in("shop")); // as typed: without ".40t", and gone
    QCOMPARE(app->gui.shownWindows, FileError + FileError);
}

// Qt shows the byte 0xFF of a name as U+FFFD: the name the dialog gives back still reaches the
// file, and saving again writes that file, not a new one.
void TestFileCommands::namesInNoUtf8LoadAndSave()
{
    const QByteArray name = QFile::encodeName(workDir->path()) + "/shop\xff.40t";
    QByteArray program(DataFileLength, '\0');
    program[PulseByte] = 0x25;
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0 && ::write(fd, program.constData(), program.size()) == program.size());
    ::close(fd);
    const QString shown = QFile::decodeName(name);
    QVERIFY(shown.contains(QChar::ReplacementCharacter));

    app->run("loadAction", shown);
    QCOMPARE(app->gui.shownWindows, QStringList());
    QCOMPARE(int(app->buffer[PulseByte]), 0x25);
    app->buffer[PulseByte] = 0x26;
    app->run("saveAction", app->offeredBySave());
    QCOMPARE(app->gui.shownWindows, QStringList());
    QVERIFY(!QFile::exists(shown)); // no new file under the name as Qt spells it
    char saved[DataFileLength] = {};
    const int file = ::open(name.constData(), O_RDONLY);
    QCOMPARE(::read(file, saved, sizeof saved), ssize_t(DataFileLength));
    ::close(file);
    QCOMPARE(int(saved[PulseByte]), 0x26);
    ::unlink(name.constData()); // QTemporaryDir cannot remove it
}

// A named pipe at the user's settings file would stop Qt in its open for ever: it is never
// opened, and the recent files last the run.
void TestFileCommands::aSettingsFileThatIsAPipeNeverStopsTheWindow()
{
    const QString settings = UserSettingsPath();
    QVERIFY(QDir().mkpath(QFileInfo(settings).path()));
    QFile::remove(settings);
    QCOMPARE(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    app->run("saveAction", in("shop"));
    auto* menu = app->find<QMenu>("fileMenu");
    emit menu->aboutToShow();
    QCOMPARE(app->find<QAction>("recentFile1")->text(), QStringLiteral("&1 shop.40t"));
    QVERIFY(UserSettingsProblem().contains(QStringLiteral("is a named pipe, not a settings file")));
    QVERIFY(QFile::remove(settings));
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
