#include "testapp.h"
#include "ui/helpdocument.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The places the guide may lie in, as a program installed in <root>/bin sees them.
enum Place { WorkingDirectory = 1, BesideProgram = 2, InstalledShare = 4 };

QString GuidePath(const QString& root, Place place)
{
    switch (place) {
    case WorkingDirectory:
        return root + QStringLiteral("/work/halvexhelp.pdf");
    case BesideProgram:
        return root + QStringLiteral("/bin/halvexhelp.pdf");
    case InstalledShare:
        return root + QStringLiteral("/share/halvex/halvexhelp.pdf");
    }
    return {};
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The built guide's text, or nothing where pdftotext is not installed.
std::optional<QString> PdfText(const QString& path)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(pdftotext, {path, QStringLiteral("-")});
    if (!process.waitForFinished() || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lookupOrder_data();
    void lookupOrder();
    void aFolderOfTheGuidesNameIsNoGuide();

    void helpCommandOpensTheGuideOfTheWorkingDirectory_data();
    void helpCommandOpensTheGuideOfTheWorkingDirectory();
    void helpCommandWithoutAGuideDoesNothingVisible();

    void builtGuideIsASeveralPagePdf();
    void builtGuideHoldsItsChapters();

private:
    QTemporaryDir workDir;
    QString previousDir;
    std::unique_ptr<TestApp> app;
};

void TestHelp::init()
{
    QVERIFY(workDir.isValid());
    previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
    QFile::remove(HelpDocumentName);
    app = std::make_unique<TestApp>();
}

void TestHelp::cleanup()
{
    app.reset();
    QDir::setCurrent(previousDir);
}

void TestHelp::lookupOrder_data()
{
    QTest::addColumn<int>("present");
    QTest::addColumn<int>("expected"); // 0: none found

    QTest::newRow("all three: the working directory's wins")
        << (WorkingDirectory | BesideProgram | InstalledShare) << int(WorkingDirectory);
    QTest::newRow("working directory only") << int(WorkingDirectory) << int(WorkingDirectory);
    QTest::newRow("beside the program before the installed one")
        << (BesideProgram | InstalledShare) << int(BesideProgram);
    QTest::newRow("installed only") << int(InstalledShare) << int(InstalledShare);
    QTest::newRow("working directory before the installed one")
        << (WorkingDirectory | InstalledShare) << int(WorkingDirectory);
    QTest::newRow("none") << 0 << 0;
}

void TestHelp::lookupOrder()
{
    QFETCH(int, present);
    QFETCH(int, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    for (Place place : {WorkingDirectory, BesideProgram, InstalledShare}) {
        if (present & place)
            QVERIFY(WriteFile(GuidePath(root.path(), place), "%PDF-1.4\n"));
    }
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("work"))));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("bin"))));

    const std::optional<QString> found = FindHelpDocument(root.filePath(QStringLiteral("work")),
                                                          root.filePath(QStringLiteral("bin")));

    if (expected == 0) {
        QVERIFY2(!found, qPrintable(found.value_or(QString())));
        return;
    }
    QVERIFY(found);
    // An absolute path without "..", as the desktop's viewer shows it in its title.
    QCOMPARE(*found, GuidePath(root.path(), Place(expected)));
}

void TestHelp::aFolderOfTheGuidesNameIsNoGuide()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir().mkpath(GuidePath(root.path(), WorkingDirectory)));
    QVERIFY(WriteFile(GuidePath(root.path(), InstalledShare), "%PDF-1.4\n"));

    const std::optional<QString> found = FindHelpDocument(root.filePath(QStringLiteral("work")),
                                                          root.filePath(QStringLiteral("bin")));

    QVERIFY(found);
    QCOMPARE(*found, GuidePath(root.path(), InstalledShare));
}

void TestHelp::helpCommandOpensTheGuideOfTheWorkingDirectory_data()
{
    QTest::addColumn<bool>("viewerAnswers");
    QTest::newRow("a viewer takes it") << true;
    QTest::newRow("no viewer for PDF files") << false;
}

void TestHelp::helpCommandOpensTheGuideOfTheWorkingDirectory()
{
    QFETCH(bool, viewerAnswers);
    QVERIFY(WriteFile(HelpDocumentName, "%PDF-1.4\n"));
    app->documents.viewerAnswers = viewerAnswers;
    app->start();
    auto* help = app->find<QAction>("helpAction");
    QVERIFY(help->isEnabled());

    help->trigger();

    QCOMPARE(app->documents.opened.size(), 1);
    const QFileInfo opened(app->documents.opened.first());
    QVERIFY2(opened.isAbsolute(), qPrintable(opened.filePath()));
    QCOMPARE(opened.canonicalFilePath(),
             QFileInfo(workDir.filePath(HelpDocumentName)).canonicalFilePath());
    // Whatever the desktop answered, the program shows nothing of its own.
    QVERIFY(app->gui.shownWindows.isEmpty());
    QVERIFY(app->gui.exceptions.isEmpty());
}

void TestHelp::helpCommandWithoutAGuideDoesNothingVisible()
{
    // The test program's own folder must hold no guide, or the lookup would find that one.
    QVERIFY2(!FindHelpDocument(QDir::currentPath(), QCoreApplication::applicationDirPath()),
             "a halvexhelp.pdf lies beside the test program or in its share folder");
    MainWindow& window = app->start();

    app->find<QAction>("helpAction")->trigger();

    QVERIFY(app->documents.opened.isEmpty());
    QVERIFY(app->gui.shownWindows.isEmpty());
    QVERIFY(app->gui.exceptions.isEmpty());
    // The program goes on: the window is still up and its editors still work.
    QVERIFY(window.isVisible());
    ChooseWithMouse(app->find<QComboBox>("hourCombo"), QStringLiteral("7"));
    QCOMPARE(app->lines("stepList").first(), QStringLiteral("Step # 00  Wdy  07:00 Am  Off"));
}

void TestHelp::builtGuideIsASeveralPagePdf()
{
    const QByteArray pdf = ReadFile(QStringLiteral(HALVEX_HELP_PDF));
    QVERIFY2(pdf.startsWith("%PDF-"), HALVEX_HELP_PDF);
    // Each page is one "/Type /Page" object; the page tree is "/Type /Pages".
    const auto pages = pdf.count("/Type /Page") - pdf.count("/Type /Pages");
    QVERIFY2(pages >= 8, qPrintable(QStringLiteral("%1 pages").arg(pages)));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
}

void TestHelp::builtGuideHoldsItsChapters()
{
    const std::optional<QString> text = PdfText(QStringLiteral(HALVEX_HELP_PDF));
    if (!text)
        QSKIP("pdftotext (poppler-utils) is not installed");
    QVERIFY2(!text->isEmpty(), "pdftotext read nothing");
    for (const char* heading :
         {"Halvex User Guide", "Program steps", "Skip plans (annuals)", "Status settings",
          "The two layouts", "Sending the program to the clock", "\"Serial Transfer Error !\"",
          "The serial port on Linux", "HALVEX_COM", "dialout", "Printing", "Troubleshooting",
          "\"File I/O Error !\"", "The settings file halvex.dat"})
        QVERIFY2(text->contains(QLatin1String(heading)), heading);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
