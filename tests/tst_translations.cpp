#include "app/translations.h"
#include "model/programoverview.h"
#include "testapp.h"
#include "ui/erasedialog.h"

#include <QLocale>
#include <QMenuBar>

// The German translation as the window loads it. lupdate records each text under the class it
// reads in the source; the test finds the German at run time under the context each window's
// tr() and the logic's Translate() look it up in, so none of them stays English unnoticed.
class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void windowsAndFindingsInGerman();
};

void TestTranslations::windowsAndFindingsInGerman()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    LoadTranslations({QStringLiteral(HALVEX_TRANSLATIONS)});
    TestApp app;
    // Steps 00 and 01 switch On and Off at 07:30 on Monday: a clash.
    const Byte clash[] = {0x07, 0x30, 0x82, 0x07, 0x30, 0x02};
    std::copy(std::begin(clash), std::end(clash), app.buffer.bytes.begin() + StepTableOffset);
    MainWindow& window = app.start(false);

    QCOMPARE(window.windowTitle(),
             QStringLiteral("Halvex - KV40-Computersoftware, Sommerzeitregel 2007[*]"));
    QCOMPARE(window.menuBar()->actions().constFirst()->text(), QStringLiteral("&Datei"));
    QCOMPARE(app.windows.eraseDialog->windowTitle(), QStringLiteral("L\u00f6schen?"));
    // Qt's own dialogs, from Qt's translation.
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("\u00d6ffnen"));

    const ProgramOverview overview = OverviewOf(app.buffer, SixteenStepLayout, {});
    QVERIFY(!overview.findings.empty());
    QCOMPARE(QString::fromStdString(overview.findings.front().text),
             QStringLiteral("Schritt 01: schaltet am Mo um 07:30 Am aus, in derselben Minute, in "
                            "der Schritt 00 einschaltet; welcher auf der Uhr gewinnt, ist "
                            "unbekannt"));
    // The step list is the clock's record, the same in every language.
    QCOMPARE(app.find<QListWidget>("stepList")->item(0)->text(),
             QStringLiteral("Step # 00  Mon  07:30 Am  On "));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
