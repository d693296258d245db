#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

// The File menu's list of the last five program files loaded or saved, "&1 shop.40t" first for
// the newest, kept per user where the desktop keeps settings. The list is read when the menu
// opens, not at start-up, so every copy of the program that runs sees the same list. A settings
// file that cannot be used (a named pipe, say) is never opened: the list then lasts the run.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    // The entries go into the menu before the given action, behind a separator of their own.
    RecentFiles(QMenu& menu, QAction* before);

    void add(const QString& path);
    void remove(const QString& path);
    QStringList files() const;

signals:
    void chosen(const QString& path);

private:
    void fillMenu();
    void keep(const QStringList& files);

    QMenu& menu;
    QAction* before;
    QList<QAction*> entries;
    QStringList thisRun; // the list while the settings file cannot be used
};
