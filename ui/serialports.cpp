#include "ui/serialports.h"

#include "ui/usersettings.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

#include <utility>

namespace {

QString Key(int comNumber)
{
    return QStringLiteral("ports/COM%1").arg(comNumber);
}

} // namespace

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
    return GatherPortFacts(device, folders);
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
