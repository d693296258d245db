#include "ui/serialports.h"

#include <QSettings>

namespace {

QString Key(int comNumber)
{
    return QStringLiteral("ports/COM%1").arg(comNumber);
}

// QSettings is reentrant, not thread-safe: each call, whichever thread makes it (a send asks
// from its worker), reads through a settings object of its own.
QSettings UserSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("halvex"),
                     QStringLiteral("halvex"));
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
