#include "ui/serialports.h"

#include "ui/usersettings.h"

namespace {

QString Key(int comNumber)
{
    return QStringLiteral("ports/COM%1").arg(comNumber);
}

} // namespace

std::vector<SerialDevice> SystemSerialPorts::devices() const
{
    return ListSerialDevices();
}

std::string SystemSerialPorts::deviceFor(int comNumber) const
{
    return UserSettings().value(Key(comNumber)).toString().toStdString();
}

void SystemSerialPorts::choose(int comNumber, const std::string& device)
{
    QSettings settings = UserSettings();
    if (device.empty())
        settings.remove(Key(comNumber));
    else
        settings.setValue(Key(comNumber), QString::fromStdString(device));
}

PortFacts SystemSerialPorts::factsAbout(const std::string& device) const
{
    return GatherPortFacts(device);
}
