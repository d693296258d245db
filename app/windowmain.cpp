#include "app/endsignals.h"
#include "app/halvexapplication.h"
#include "app/printeronfirstuse.h"
#include "app/translations.h"
#include "app/windowmodule.h"
#include "comm/localclock.h"
#include "comm/serialport.h"
#include "files/recoveryfile.h"
#include "model/setsbuffer.h"
#include "ui/dialoggui.h"
#include "ui/guard.h"
#include "ui/helpdocument.h"
#include "ui/mainwindow.h"
#include "ui/programstyle.h"
#include "ui/serialports.h"
#include "ui/services.h"
#include "ui/windows.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QSocketNotifier>
#include <QTimer>

#include <exception>
#include <memory>
#include <optional>

namespace {

// The one clock image of the run and the one instance of each window; both live until exit.
SetsBuffer Program;
Windows TheWindows;

// The program's icon in the sizes the window module carries, for task bars and window switchers
// that take a window's own icon (X11); on Wayland the desktop entry's icon shows.
QIcon WindowIcon()
{
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& file : icons.entryList(QDir::Files))
        icon.addFile(icons.filePath(file));
    return icon;
}

// The icon shows only in a task bar or a window switcher, which take it up whenever it is set:
// it is set once the main window has been painted, for decoding its sizes took a twentieth of
// the program's start (5 million instructions of some 92 million to a painted window).
class IconAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the paint has reached the screen: the event loop runs on from it first.
            QTimer::singleShot(0, this, [this] {
                QGuiApplication::setWindowIcon(WindowIcon());
                deleteLater();
            });
        }
        return false;
    }
};

// The file named on the command line, when there is one.
std::optional<QString> FileToOpen(const QStringList& arguments)
{
    if (arguments.size() < 2 || arguments.at(1).isEmpty())
        return std::nullopt;
    return arguments.at(1);
}

} // namespace

int HalvexRunWindow(int* argc, char** argv)
{
    QtDialogGui gui;
    HalvexApplication application(*argc, argv, gui);
    application.setApplicationName(QStringLiteral("halvex"));
    application.setApplicationVersion(QStringLiteral("1.06"));
    // The desktop entry, halvex.desktop, names the program to the desktop: its icon and name.
    application.setDesktopFileName(QStringLiteral("halvex"));
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
    LoadTranslations();
    EndSignals endSignals;
    // An ending signal leaves every event loop, the modal ones included.
    std::unique_ptr<QSocketNotifier> ending;
    if (endSignals.wakeFd() >= 0) {
        ending = std::make_unique<QSocketNotifier>(endSignals.wakeFd(), QSocketNotifier::Read);
        QObject::connect(ending.get(), &QSocketNotifier::activated, &application, [&ending] {
            ending->setEnabled(false);
            QCoreApplication::exit(0);
        });
    }
    SystemSerialPorts serialPorts;
    if (const std::string problem = serialPorts.settingsProblem(); !problem.empty())
        qWarning(
            "halvex: %s",
            qUtf8Printable(QCoreApplication::translate(
                               "Window", "%1 The devices chosen for the COM ports are not used.")
                               .arg(QFile::decodeName(problem.c_str()))));
    SerialModemLinePort port(MonotonicTickMs, ChoiceOf(serialPorts));
    SystemLocalClock clock;
    DesktopDocumentOpener documents;
    PrinterOnFirstUse printer;
    Services services{gui,         port,
                      clock,       printer,
                      documents,   UserStateFolder(),
                      serialPorts, &endSignals.requested()};
    try {
        const auto mainWindow = CreateWindows(TheWindows, Program, services);
        mainWindow->installEventFilter(new IconAfterFirstPaint(mainWindow.get()));
        mainWindow->show();
        // "halvex FILE" (a double-click in a file manager) opens FILE as Load does, once the
        // window is up, so that a File Error window shows over it.
        if (const std::optional<QString> file = FileToOpen(application.arguments()))
            QTimer::singleShot(0, mainWindow.get(),
                               [&mainWindow, path = *file] { mainWindow->openFile(path); });
        application.exec();
    } catch (const std::exception& error) {
        gui.showException(nullptr, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        gui.showException(nullptr, UnknownErrorText());
    }
    endSignals.endLikeTheSignal();
    return 0;
}
