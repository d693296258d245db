#include "ui/usersettings.h"

#include "files/rawfile.h"
#include "model/translation.h"

#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

QString UserSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/halvex/halvex.conf");
}

namespace {

// The window and the command line alike say these, so they go through the logic's translator,
// which the command line sets without an application object.
QString Words(const std::string& translated)
{
    return QString::fromStdString(translated);
}

// Qt keeps a settings file it has read and says it was damaged only the first time, so what the
// first look found holds until the file changes.
QString DamagedSettings(const QString& path, const struct stat& info)
{
    static std::mutex looking; // a send asks from its own thread
    static QString lookedAt;
    static std::pair<std::int64_t, std::int64_t> seen{-1, -1}; // size and time of change
    static QString found;
    const std::lock_guard lock(looking);
    const std::pair<std::int64_t, std::int64_t> now{
        info.st_size, std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
    if (path == lookedAt && now == seen)
        return found;
    const QSettings settings(path, QSettings::IniFormat);
    found = settings.status() == QSettings::NoError
                ? QString()
                : Words(Translate("UserSettings",
                                  "%1 is damaged: it is no settings file halvex can read."))
                      .arg(path);
    lookedAt = path;
    seen = now;
    return found;
}

} // namespace

QString UserSettingsProblem()
{
    const QString path = UserSettingsPath();
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        if (errno == ENOENT)
            return {}; // not made yet: the first choice makes it
        return Words(Translate("UserSettings", "%1 cannot be read (%2)."))
            .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISREG(info.st_mode))
        return Words(Translate("UserSettings", "%1 is %2, not a settings file."))
            .arg(path, QString::fromStdString(KindOfFile(name.toStdString())));
    if (::access(name.constData(), R_OK) != 0)
        return Words(Translate("UserSettings", "You may not read %1.")).arg(path);
    // Qt reads the lock file it writes beside the settings when it finds one there.
    const QByteArray lock = name + ".lock";
    struct stat lockInfo {};
    if (::lstat(lock.constData(), &lockInfo) == 0 && !S_ISREG(lockInfo.st_mode))
        return Words(Translate("UserSettings", "%1 is %2, not a lock file."))
            .arg(QFile::decodeName(lock), QString::fromStdString(KindOfFile(lock.toStdString())));
    return DamagedSettings(path, info);
}

std::unique_ptr<QSettings> UserSettings()
{
    if (!UserSettingsProblem().isEmpty())
        return nullptr;
    return std::make_unique<QSettings>(UserSettingsPath(), QSettings::IniFormat);
}
