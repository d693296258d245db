#include "ui/recentfiles.h"

#include "ui/usersettings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

constexpr int Kept = 5;
const QString Key = QStringLiteral("recentFiles");

void Keep(const QStringList& files)
{
    UserSettings().setValue(Key, files.mid(0, Kept));
}

} // namespace

RecentFiles::RecentFiles(QMenu& menu, QAction* before)
    : QObject(&menu)
    , menu(menu)
    , before(before)
{
    connect(&menu, &QMenu::aboutToShow, this, &RecentFiles::fillMenu);
}

QStringList RecentFiles::files() const
{
    return UserSettings().value(Key).toStringList().mid(0, Kept);
}

void RecentFiles::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList kept = files();
    if (!kept.isEmpty() && kept.first() == absolute)
        return; // already the first: the settings file is left alone
    kept.removeAll(absolute);
    kept.prepend(absolute);
    Keep(kept);
}

void RecentFiles::remove(const QString& path)
{
    QStringList kept = files();
    kept.removeAll(QFileInfo(path).absoluteFilePath());
    Keep(kept);
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
