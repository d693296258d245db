#include "ui/serialports.h"

#include "ui/usersettings.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include <utility>

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

SystemSerialPorts::SystemSerialPorts(DeviceFolders folders)
    : folders(std::move(folders))
{
}

SystemSerialPorts::~SystemSerialPorts() = default;

std::vector<SerialDevice> SystemSerialPorts::devices() const
{
    return ListSerialDevices(folders);
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
    PortFacts facts = GatherPortFacts(device, folders);
    facts.settingsProblem = settingsProblem();
    return facts;
}

std::string SystemSerialPorts::settingsProblem() const
{
    return QFile::encodeName(UserSettingsProblem()).toStdString();
}

bool SystemSerialPorts::present(const std::string& device) const
{
    return DevicePresent(device);
}

// An adapter plugged in or pulled out adds or removes its node in /dev and, a moment later, its
// link in /dev/serial/by-id; the first adapter also makes /dev/serial and its by-id folder,
// and the last one's going removes them.
void SystemSerialPorts::watchDevices(std::function<void()> changedNow)
{
    changed = std::move(changedNow);
    watcher = std::make_unique<QFileSystemWatcher>();
    QObject::connect(watcher.get(), &QFileSystemWatcher::directoryChanged, watcher.get(), [this] {
        watchFolders(); // before listing, so that nothing made meanwhile goes unseen
        changed();
    });
    watchFolders();
}

void SystemSerialPorts::stopWatching()
{
    watcher.reset();
    changed = nullptr;
}

void SystemSerialPorts::watchFolders()
{
    const QString dev = QString::fromStdString(folders.dev);
    for (const QString& folder :
         {dev, dev + QStringLiteral("/serial"), dev + QStringLiteral("/serial/by-id")}) {
        if (QFileInfo(folder).isDir() && !watcher->directories().contains(folder))
            watcher->addPath(folder);
    }
}
