#include "ui/portdialog.h"

#include "comm/serialport.h"
#include "comm/settingsblock.h"
#include "ui/radiogroup.h"
#include "ui/serialports.h"
#include "ui/windowstyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int PortCount = 8;
constexpr QSize PlainSize{430, 246}; // the window without a warning
constexpr int WarningTop = 244;
constexpr int Margin = 8;

QString Variable(int comNumber)
{
    return QStringLiteral("HALVEX_COM%1").arg(comNumber);
}

// A name listed before is gone when it is not listed now; a plain node (/dev/ttyUSB0) is not
// gone while it is listed under its by-id name, which udev makes a moment after the node.
bool Gone(const SerialDevice& device, const std::vector<SerialDevice>& now)
{
    return std::none_of(now.begin(), now.end(), [&](const SerialDevice& listed) {
        return listed.path == device.path ||
               (device.path == device.device && listed.device == device.device);
    });
}

} // namespace

PortDialog::PortDialog(SetsBuffer& buffer, SerialPorts& ports, QWidget* parent)
    : QDialog(parent)
    , buffer(buffer)
    , ports(ports)
{
    setObjectName(QStringLiteral("portDialog"));
    setWindowTitle(tr("COM Settings"));
    // The COM list keeps its place on the left; the device it stands for sits beside it.
    ApplyDialogStyle(*this, PlainSize);

    auto* bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setGeometry(8, 8, 414, 230);

    QStringList names;
    for (int i = 1; i <= PortCount; ++i)
        names << QStringLiteral("COM%1").arg(i);
    portGroup = new RadioGroup(tr("ComPort"), names, this);
    portGroup->setObjectName(QStringLiteral("portGroup"));
    portGroup->setGeometry(32, 16, 94, 172);

    auto* deviceLabel = new QLabel(tr("&Device:"), this);
    deviceLabel->setGeometry(144, 20, 260, 16);
    deviceCombo = new QComboBox(this);
    deviceCombo->setObjectName(QStringLiteral("deviceCombo"));
    deviceCombo->setEditable(true);
    deviceCombo->setInsertPolicy(QComboBox::NoInsert);
    deviceCombo->setGeometry(144, 38, 264, 24);
    deviceLabel->setBuddy(deviceCombo);
    deviceCombo->setAccessibleName(tr("Device"));
    deviceCombo->lineEdit()->setAccessibleName(tr("Device"));

    reachesLabel = new QLabel(this);
    reachesLabel->setObjectName(QStringLiteral("reachesLabel"));
    reachesLabel->setWordWrap(true);
    reachesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    reachesLabel->setGeometry(144, 70, 264, 80);
    reachesLabel->setFixedSize(264, 80);

    builtInButton = new QPushButton(tr("&Built-in Port"), this);
    builtInButton->setObjectName(QStringLiteral("builtInButton"));
    builtInButton->setGeometry(144, 158, 110, 25);

    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(177, 200, 75, 25);
    okButton->setDefault(true);

    warningLabel = new QLabel(this);
    warningLabel->setObjectName(QStringLiteral("warningLabel"));
    warningLabel->setWordWrap(true);
    warningLabel->setTextFormat(Qt::PlainText);
    warningLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    warningLabel->hide();

    connect(portGroup, &RadioGroup::clicked, this, [this](int index) {
        ChoosePort(this->buffer, index);
        showDevice();
    });
    connect(deviceCombo, &QComboBox::activated, this,
            [this](int item) { chooseDevice(deviceCombo->itemData(item).toString()); });
    // Typed, or a listed device's text left in the field: the path it stands for.
    connect(deviceCombo->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const QString text = deviceCombo->currentText().trimmed();
        const int listed = deviceCombo->findText(text);
        chooseDevice(listed >= 0 ? deviceCombo->itemData(listed).toString() : text);
    });
    connect(builtInButton, &QPushButton::clicked, this, [this] { chooseDevice({}); });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    // Showing the port read from the settings file is no pick: byte 200 keeps its upper bits
    // until the user chooses.
    portGroup->setItemIndex(PortIndex(buffer));
}

int PortDialog::comNumber() const
{
    return PortIndex(buffer) + 1;
}

// The devices are looked up on every showing, not at start-up: an adapter is plugged in while
// the program runs, and most runs never open this window.
void PortDialog::showEvent(QShowEvent* event)
{
    seen.clear();
    listDevices();
    showDevice();
    showWarnings();
    ports.watchDevices([this] { followDevices(); });
    QDialog::showEvent(event);
}

void PortDialog::hideEvent(QHideEvent* event)
{
    ports.stopWatching();
    QDialog::hideEvent(event);
}

// Looked at on every showing, as the files are now: a file mended meanwhile is no longer named.
void PortDialog::showWarnings()
{
    QStringList warnings;
    SetsBuffer scratch;
    if (const FileResult read = LoadSettingsBlock(scratch); read != FileResult::Done)
        warnings << tr("Warning: %1 The COM port is neither read from it nor kept in it: the one "
                       "chosen here holds until halvex ends.")
                        .arg(QFile::decodeName(
                            QByteArray::fromStdString(DescribeFileResult(read, SettingsFileName))));
    if (const std::string problem = ports.settingsProblem(); !problem.empty())
        warnings << tr("Warning: %1 The device chosen for each COM port is neither read from it "
                       "nor kept in it: a choice made here holds until halvex ends, and a COM port "
                       "without one reaches no device.")
                        .arg(QFile::decodeName(QByteArray::fromStdString(problem)));
    if (warnings.isEmpty()) {
        warningLabel->hide();
        setFixedSize(PlainSize);
        return;
    }
    const int width = PlainSize.width() - 2 * Margin;
    warningLabel->setText(warnings.join(QStringLiteral("\n")));
    const int height = warningLabel->heightForWidth(width);
    warningLabel->setFixedSize(width, height);
    warningLabel->move(Margin, WarningTop);
    warningLabel->show();
    setFixedSize(PlainSize.width(), WarningTop + height + Margin);
}

// An adapter by its maker and model, its stable name and the node it is now; anything else by
// its path.
void PortDialog::listDevices()
{
    const std::vector<SerialDevice> now = ports.devices();
    for (const SerialDevice& device : now) {
        if (std::none_of(seen.begin(), seen.end(),
                         [&](const SerialDevice& d) { return d.path == device.path; }))
            seen.push_back(device);
    }
    const auto text = [this](const SerialDevice& device, bool gone) {
        const QString path = QString::fromStdString(device.path);
        if (device.path == device.device)
            return gone ? tr("Unplugged: %1").arg(path) : path;
        const QString description = QString::fromStdString(device.description);
        return gone ? tr("Unplugged: %1 (%2)").arg(description, path)
                    : tr("%1 (%2), now %3")
                          .arg(description, path, QString::fromStdString(device.device));
    };
    deviceCombo->clear();
    for (const SerialDevice& device : now)
        deviceCombo->addItem(text(device, false), QString::fromStdString(device.path));
    for (const SerialDevice& device : seen) {
        if (Gone(device, now))
            deviceCombo->addItem(text(device, true), QString::fromStdString(device.path));
    }
    // The open list as wide as its longest line, though the field shows only its start.
    deviceCombo->view()->setMinimumWidth(deviceCombo->view()->sizeHintForColumn(0) +
                                         2 * deviceCombo->view()->frameWidth());
}

// An adapter came or went while the window is open: the list anew, and a path the user is
// typing stays as typed.
void PortDialog::followDevices()
{
    QLineEdit* field = deviceCombo->lineEdit();
    const bool typing = field->isModified();
    const QString typed = field->text();
    listDevices();
    showDevice();
    if (typing) {
        field->setText(typed);
        field->setModified(true);
    }
}

// What the chosen COM number reaches, in the combo's text and in words below it.
void PortDialog::showDevice()
{
    const int com = comNumber();
    const std::string portName = "COM" + std::to_string(com);
    const std::optional<std::string> path = SerialDevicePath(portName, ChoiceOf(ports));
    const QString device = QString::fromStdString(path.value_or(std::string()));
    const bool fromVariable = !qEnvironmentVariableIsEmpty(Variable(com).toLatin1().constData());
    const int listed = deviceCombo->findData(device);
    deviceCombo->setCurrentIndex(listed);
    if (listed < 0)
        deviceCombo->setEditText(device);
    // A long name shows from its start: the maker and model of an adapter, not the link's end.
    deviceCombo->lineEdit()->setCursorPosition(0);
    deviceCombo->setEnabled(!fromVariable);
    // A COM number that reaches no device (its choice cannot be read) may be given its built-in
    // port again, for the run.
    builtInButton->setEnabled(!fromVariable && (!ports.deviceFor(com).empty() || !path));
    reachesLabel->setText(path ? reachesWords(device, fromVariable)
                               : tr("COM%1 reaches no device: the choice made for it cannot be "
                                    "read.")
                                     .arg(com));
}

QString PortDialog::reachesWords(const QString& device, bool fromVariable) const
{
    const int com = comNumber();
    const bool builtIn = !fromVariable && ports.deviceFor(com).empty();
    const bool missing = !builtIn && !ports.present(device.toStdString());
    QString words;
    if (fromVariable)
        words =
            tr("COM%1 reaches %2, set by %3 for this run.").arg(com).arg(device, Variable(com)) +
            (missing ? tr(" It is not plugged in.") : QString());
    else if (builtIn)
        words = tr("COM%1 reaches %2, the computer's own serial port.").arg(com).arg(device);
    else if (missing)
        words = tr("COM%1 reaches %2, which is not plugged in.").arg(com).arg(device);
    else
        words = tr("COM%1 reaches %2.").arg(com).arg(device);
    for (const SerialDevice& found : ports.devices()) {
        if (QString::fromStdString(found.path) == device && found.path != found.device)
            words += tr(" That is %1 now.").arg(QString::fromStdString(found.device));
    }
    return words;
}

void PortDialog::chooseDevice(const QString& device)
{
    const std::string builtIn = BuiltInDevice(comNumber());
    const std::string chosen =
        device.toStdString() == builtIn ? std::string() : device.toStdString();
    if (chosen != ports.deviceFor(comNumber()) || !ports.settingsProblem().empty())
        ports.choose(comNumber(), chosen);
    showDevice();
}
