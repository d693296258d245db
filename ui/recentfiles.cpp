#include "ui/recentfiles.h"

#include "ui/usersettings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

constexpr int Kept = 5;
const QString Key = QStringLiteral("recentFiles");

} // namespace

RecentFiles::RecentFiles(QMenu& menu, QAction* before)
    : QObject(&menu)
    , menu(menu)
    , before(before)
{
    connect(&menu, &QMenu::aboutToShow, this, &RecentFiles::fillMenu);
}

// While the settings file cannot be used, the list lives as long as the window.
QStringList RecentFiles::files() const
{
    const std::unique_ptr<QSettings> settings = UserSettings();
    return settings ? settings->value(Key).toStringList().mid(0, Kept) : thisRun;
}

void RecentFiles::keep(const QStringList& files)
{
    thisRun = files.mid(0, Kept);
    if (const std::unique_ptr<QSettings> settings = UserSettings())
        settings->setValue(Key, thisRun);
}

void RecentFiles::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList kept = files();
    if (!kept.isEmpty() && kept.first() == absolute)
        return; // already the first: the settings file is left alone
    kept.removeAll(absolute);
    kept.prepend(absolute);
    keep(kept);
}

void RecentFiles::remove(const QString& path)
{
    QStringList kept = files();
    kept.removeAll(QFileInfo(path).absoluteFilePath());
    keep(kept);
}

void RecentFiles::fillMenu()
{
    qDeleteAll(entries);
    entries.clear();
    const QStringList kept = files();
    for (int i = 0; i < kept.size(); ++i) {
        // "&&" keeps an "&" of a file name from becoming an accelerator.
        const QString name = QFileInfo(kept[i]).fileName().replace(QLatin1Char('&'), "&&");
        auto* entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name), &menu);
        entry->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        entry->setToolTip(QDir::toNativeSeparators(kept[i]));
        entry->setStatusTip(entry->toolTip());
        connect(entry, &QAction::triggered, this, [this, file = kept[i]] { emit chosen(file); });
        menu.insertAction(before, entry);
        entries << entry;
    }
    if (!kept.isEmpty())
        entries << menu.insertSeparator(before);
}
