#pragma once

#include "fakedialoggui.h"
#include "fakedocumentopener.h"
#include "fakeprintbackend.h"
#include "fakeserialports.h"
#include "fixedlocalclock.h"
#include "simulatedclock.h"
#include "ui/mainwindow.h"
#include "ui/radiogroup.h"
#include "ui/services.h"
#include "ui/windows.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// How long a test waits for a window or a control to reach the state it checks: far beyond what
// it takes on a quiet machine (milliseconds), so a busy one only makes the test slower.
constexpr int PatienceMs = 60000;

// The program as it starts, with test doubles for the world outside, and the user's ways of
// working its controls: the mouse and the keyboard on the real widgets.
struct TestApp {
    SetsBuffer buffer;
    Windows windows;
    FakeDialogGui gui;
    SimulatedClock port;
    FixedLocalClock clock;
    FakePrintBackend printer;
    FakeDocumentOpener documents;
    QTemporaryDir stateDir; // the user's state folder, where an unsaved program is kept
    FakeSerialPorts serialPorts;
    Services services{
        gui,        port,
        clock,      printer,
        documents,  QFile::encodeName(stateDir.filePath(QStringLiteral("halvex"))).toStdString(),
        serialPorts};
    std::unique_ptr<MainWindow> mainWindow;

    TestApp()
    {
        // The user's settings (recent files, the device of each port) go to a folder of the
        // test's own, never to the real user's.
        static QTemporaryDir configHome;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
        // Keeps the waits for a freshly opened drop-down list short.
        QApplication::setDoubleClickInterval(50);
    }

    // Creates the windows as the program does at start-up. Shown, the main window is also made
    // the active one, so the keyboard reaches it (also on a display with no window manager).
    MainWindow& start(bool show = true)
    {
        mainWindow = CreateWindows(windows, buffer, services);
        if (!show)
            return *mainWindow;
        mainWindow->show();
        if (!QTest::qWaitForWindowExposed(mainWindow.get(), PatienceMs))
            qFatal("the main window was never shown");
        mainWindow->activateWindow();
        if (!QTest::qWaitForWindowActive(mainWindow.get(), PatienceMs))
            qFatal("the main window never became active");
        return *mainWindow;
    }

    template <typename T> T* find(const char* name) const
    {
        T* child = mainWindow->findChild<T*>(QLatin1String(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }

    QStringList lines(const char* listName) const
    {
        QStringList texts;
        const auto* box = find<QListWidget>(listName);
        for (int row = 0; row < box->count(); ++row)
            texts << box->item(row)->text();
        return texts;
    }

    QStringList items(const char* comboName) const
    {
        QStringList texts;
        const auto* box = find<QComboBox>(comboName);
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }

    QByteArray step(int i) const
    {
        const StepRecord r = ReadStep(buffer, i);
        const char bytes[] = {char(r.time), char(r.minute), char(r.day)};
        return QByteArray(bytes, 3);
    }
};

// Opens the drop-down list with the mouse and clicks the item with the given text.
inline void ChooseWithMouse(QComboBox* box, const QString& text)
{
    const int index = box->findText(text, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(text));
    QTest::mouseClick(box, Qt::LeftButton);
    QAbstractItemView* view = box->view();
    QTRY_VERIFY_WITH_TIMEOUT(view->isVisible(), PatienceMs);
    const QModelIndex item = box->model()->index(index, 0);
    view->scrollTo(item);
    // The item's rectangle can be wider than the narrow list: click its visible part. A freshly
    // opened list ignores a release within the double-click time (so that the click that opened
    // it does not also choose); like a person, click again after that time.
    const QRect visible = view->visualRect(item).intersected(view->viewport()->rect());
    for (int attempt = 0; attempt < 20 && view->isVisible(); ++attempt) {
        QTest::qWait(QApplication::doubleClickInterval() + 10);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, visible.center());
    }
    QTRY_VERIFY_WITH_TIMEOUT(!view->isVisible(), PatienceMs);
}

// Clicks the line of a list box, scrolling it into view first as a user would.
inline void ClickLine(QListWidget* box, int row)
{
    QListWidgetItem* line = box->item(row);
    box->scrollToItem(line);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                      box->visualItemRect(line).intersected(box->viewport()->rect()).center());
}

inline void ClickRadio(RadioGroup* group, int index)
{
    QTest::mouseClick(group->button(index), Qt::LeftButton);
}
