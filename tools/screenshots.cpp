// Takes pictures of the program's windows for the documentation: creates the windows as the
// program does, shows each one in turn and saves what the screen holds of it.
#include "comm/localclock.h"
#include "comm/serialport.h"
#include "comm/transferfailure.h"
#include "model/annualeditor.h"
#include "ui/dialoggui.h"
#include "ui/helpdocument.h"
#include "ui/mainwindow.h"
#include "ui/qtprintbackend.h"
#include "ui/serialports.h"
#include "ui/services.h"
#include "ui/transfererrordialog.h"
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

// A laptop with a USB serial adapter, as the COM Settings window's picture shows it.
class ExampleSerialPorts : public SerialPorts {
public:
    std::vector<SerialDevice> devices() const override
    {
        return {{"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0", "/dev/ttyUSB0",
                 "FTDI FT232R USB UART A50285BI", SerialDevice::Kind::UsbById},
                {"/dev/ttyS0", "/dev/ttyS0", "", SerialDevice::Kind::BuiltIn}};
    }
    std::string deviceFor(int comNumber) const override
    {
        return comNumber == 1 ? devices().front().path : std::string();
    }
    void choose(int, const std::string&) override {}
    PortFacts factsAbout(const std::string&) const override { return {}; }
    bool present(const std::string&) const override { return true; }
    void watchDevices(std::function<void()>) override {}
    void stopWatching() override {}
};

// The error window as a clock that stopped answering part of the way leaves it.
QString ExampleFailure()
{
    TransferOutcome outcome;
    outcome.result = TransferResult::NoAnswer;
    outcome.port.device = "/dev/ttyUSB0";
    outcome.handshake = 297;
    outcome.bytesSent = 37;
    return QString::fromStdString(DescribeTransferFailure(outcome, "COM1", {}));
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
    ExampleSerialPorts serialPorts;
    Services services{gui, port, clock, printer, documents, {}, serialPorts}; // keeps nothing
    SetsBuffer buffer;
    Windows windows;
    const auto mainWindow = CreateWindows(windows, buffer, services);
    windows.transferErrorDialog->setReason(ExampleFailure());
    bool saved = Save(*mainWindow, folder + QStringLiteral("/main-window.png"));
    for (QDialog* dialog : windows.dialogs()) {
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
