// Takes pictures of the program's windows for the documentation: creates the windows as the
// program does, shows each one in turn and saves what the screen holds of it.
#include "comm/localclock.h"
#include "comm/serialport.h"
#include "model/annualeditor.h"
#include "ui/dialoggui.h"
#include "ui/helpdocument.h"
#include "ui/mainwindow.h"
#include "ui/qtprintbackend.h"
#include "ui/services.h"
#include "ui/weekchartwindow.h"
#include "ui/windows.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QScreen>
#include <QTest>

namespace {

bool Save(QWidget& window, const QString& path)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(300);
    const QPixmap picture = window.screen()->grabWindow(window.winId());
    const bool saved = picture.save(path);
    if (&window != window.window() || qobject_cast<QDialog*>(&window))
        window.hide();
    return saved;
}

// A shop's week for the week chart's picture: open on weekdays and Saturday mornings, a step
// that clashes with the opening on Mondays, a holiday and a skip plan on a day that does not
// exist.
void PutShopWeek(SetsBuffer& buffer)
{
    const StepRecord steps[] = {
        {0x07, 0x30, 0xBE}, // Wdy 07:30 Am On
        {0x86, 0x00, 0x3E}, // Wdy 06:00 Pm Off
        {0x08, 0x00, 0xC0}, // Sat 08:00 Am On
        {0x92, 0x30, 0x40}, // Sat 12:30 Pm Off
        {0x07, 0x30, 0x02}, // Mon 07:30 Am Off
    };
    for (int i = 0; i < 5; ++i)
        WriteStep(buffer, i, steps[i]);
    const Byte annuals[2][6] = {{0x12, 0x24, 0x13, 0x01, 0x02, 0x14},
                                {0x02, 0x30, 0x14, 0x03, 0x01, 0x14}};
    for (int j = 0; j < 2; ++j) {
        for (int k = 0; k < AnnualRecordSize; ++k)
            buffer[AnnualOffset(SixteenStepLayout, j) + k] = annuals[j][k];
    }
    buffer[DstByte] = DstYes;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);

    QtDialogGui gui;
    SerialModemLinePort port;
    SystemLocalClock clock;
    DesktopDocumentOpener documents;
    QtPrintBackend printer;
    Services services{gui, port, clock, printer, documents, {}}; // keeps nothing between runs
    SetsBuffer buffer;
    Windows windows;
    const auto mainWindow = CreateWindows(windows, buffer, services);
    bool saved = Save(*mainWindow, folder + QStringLiteral("/main-window.png"));
    for (QDialog* dialog : mainWindow->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        const QString name = dialog->objectName().toLower();
        saved = Save(*dialog, folder + QStringLiteral("/window-%1.png").arg(name)) && saved;
    }
    PutShopWeek(buffer);
    mainWindow->reloadAll();
    mainWindow->findChild<QAction*>(QStringLiteral("weekChartAction"))->trigger();
    saved = Save(*mainWindow->weekChartWindow(),
                 folder + QStringLiteral("/window-weekchartwindow.png")) &&
            saved;
    return saved ? 0 : 1;
}
