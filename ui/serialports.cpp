#include "ui/serialports.h"

#include "ui/usersettings.h"

#include <QFile>

namespace {

QString Key(int comNumber)
{
    return QStringLiteral("ports/COM%1").arg(comNumber);
}

} // namespace

PortChoice ChoiceOf(const SerialPorts& ports)
{
    return [&ports](int comNumber) -> std::optional<std::string> {
        std::string device = ports.deviceFor(comNumber);
        if (device.empty() && !ports.settingsProblem().empty())
            return std::nullopt;
        return device;
    };
}

std::vector<SerialDevice> SystemSerialPorts::devices() const
{
    return ListSerialDevices();
}

std::string SystemSerialPorts::deviceFor(int comNumber) const
{
    if (const auto chosen = thisRun.find(comNumber); chosen != thisRun.end())
        return chosen->second;
    const std::unique_ptr<QSettings> settings = UserSettings();
    return settings ? QFile::encodeName(settings->value(Key(comNumber)).toString()).toStdString()
                    : std::string();
}

void SystemSerialPorts::choose(int comNumber, const std::string& device)
{
    const std::unique_ptr<QSettings> settings = UserSettings();
    if (!settings) {
        // The built-in port by name: a choice made, unlike a COM number nobody chose for.
        thisRun[comNumber] = device.empty() ? BuiltInDevice(comNumber) : device;
        return;
    }
    thisRun.erase(comNumber);
    if (device.empty())
        settings->remove(Key(comNumber));
    else
        settings->setValue(Key(comNumber), QFile::decodeName(QByteArray::fromStdString(device)));
}

PortFacts SystemSerialPorts::factsAbout(const std::string& device) const
{
    PortFacts facts = GatherPortFacts(device);
    facts.settingsProblem = settingsProblem();
    return facts;
}

std::string SystemSerialPorts::settingsProblem() const
{
    return QFile::encodeName(UserSettingsProblem()).toStdString();
}
