#include "testapp.h"
#include "ui/recoverdialog.h"
#include "ui/sendprogressdialog.h"
#include "ui/transfererrordialog.h"

#include <QAccessible>
#include <QAction>
#include <QTest>

namespace {

// What a screen reader says a control is: the name of a label linked to it, else its own name.
// On Linux a drop-down list's own name is the item it shows (Qt names it by its label), which
// tells nothing of what the list is for.
QString SpokenName(QAccessibleInterface* control)
{
    for (const auto& [label, relation] : control->relations(QAccessible::Label)) {
        if (const QString name = label->text(QAccessible::Name).trimmed(); !name.isEmpty())
            return name;
    }
    const QString name = control->text(QAccessible::Name).trimmed();
    const bool onlyItsValue = control->role() == QAccessible::ComboBox &&
                              name == control->text(QAccessible::Value).trimmed();
    return onlyItsValue ? QString() : name;
}

// Every control the keyboard reaches in the shown part of the tree, by its object name (or its
// role) and what a screen reader says for it.
void Walk(QAccessibleInterface* node, QMap<QString, QString>& spoken, QStringList& unnamed)
{
    if (node->state().invisible)
        return;
    if (node->state().focusable) {
        QString id = node->object() ? node->object()->objectName() : QString();
        if (id.isEmpty()) // a line of a list, a radio button: by its kind and its owner
            id = QStringLiteral("%1 %2 in %3")
                     .arg(node->role())
                     .arg(node->text(QAccessible::Name), node->parent()->text(QAccessible::Name));
        const QString name = SpokenName(node);
        spoken[id] = name;
        if (name.isEmpty())
            unnamed << id;
    }
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i))
            Walk(child, spoken, unnamed);
    }
}

} // namespace

// Every window walked as a screen reader walks it, through Qt's accessibility interfaces: each
// control the keyboard reaches has a name to say.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName_data();
    void everyControlHasAName();
    void mainWindowControlsAreNamedForWhatTheyHold();
};

void TestAccessibility::everyControlHasAName_data()
{
    QTest::addColumn<QString>("window");
    for (const char* window : {"mainWindow", "portDialog", "eraseDialog", "layoutDialog",
                               "fileErrorDialog", "transferErrorDialog", "aboutDialog",
                               "serviceDialog", "sendProgressDialog", "weekChartWindow",
                               "recoverDialog"})
        QTest::newRow(window) << window;
}

void TestAccessibility::everyControlHasAName()
{
    QFETCH(QString, window);
    TestApp app;
    app.start();
    std::atomic<int> bytesSent{17};
    const std::atomic<bool> ended{false}; // the send goes on while the window is looked at
    SendProgressDialog progress(QStringLiteral("/dev/ttyUSB0"), bytesSent, ended,
                                app.mainWindow.get());
    progress.setObjectName(QStringLiteral("sendProgressDialog"));
    RecoverDialog recover({KeptProgram{"a.40t", 1765000000, {}}, KeptProgram{"b.40t", 0, {}}},
                          app.mainWindow.get());
    app.windows.dialogs(); // each made as its first use would make it
    app.windows.transferErrorDialog->setReason(QStringLiteral("The clock did not answer."));
    app.find<QAction>("weekChartAction")->trigger();
    QWidget* shown = window == QLatin1String("mainWindow")
                         ? app.mainWindow.get()
                         : app.mainWindow->findChild<QWidget*>(window);
    if (window == QLatin1String("sendProgressDialog"))
        shown = &progress;
    if (window == QLatin1String("recoverDialog"))
        shown = &recover;
    QVERIFY(shown);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));

    QMap<QString, QString> spoken;
    QStringList unnamed;
    Walk(QAccessible::queryAccessibleInterface(shown), spoken, unnamed);
    QVERIFY2(!spoken.isEmpty() || window == QLatin1String("sendProgressDialog"),
             "no control found");
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

// The main window's controls by the words a person sees beside them, and what a list is for.
void TestAccessibility::mainWindowControlsAreNamedForWhatTheyHold()
{
    TestApp app;
    app.start();
    QMap<QString, QString> spoken;
    QStringList unnamed;
    Walk(QAccessible::queryAccessibleInterface(app.mainWindow.get()), spoken, unnamed);
    const QMap<QString, QString> expected{
        {"stepNumberCombo", "Step number"},
        {"dayCombo", "Days"},
        {"hourCombo", "Hours"},
        {"minuteCombo", "Minutes"},
        {"stepList", "Step list"},
        {"eraseButton", "Erase All"},
        {"layoutButton", "Configure Buffer"},
        {"annualNumberCombo", "Annual number"},
        {"startMonthCombo", "Start month"},
        {"startDayCombo", "Start day"},
        {"startYearCombo", "Start year"},
        {"endMonthCombo", "End month"},
        {"endDayCombo", "End day"},
        {"endYearCombo", "End year"},
        {"annualList", "Annual list"},
        {"pulseCombo", "Pulse"},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it)
        QCOMPARE(spoken.value(it.key()), it.value());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
