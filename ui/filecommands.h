#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class DialogGui;
class QWidget;
struct SetsBuffer;

// "&Save...", "&Load..." and "&Load DOS Version File...". Each dialog offers the name it was
// last given; the Save dialog's name ties the three together: after a save it is the name just
// written, after a load the file loaded, after an import the imported file's name with ".40t"
// (so the next save keeps the program beside the old file). It is set as soon as the user has
// confirmed a dialog, so after a failure the next save offers the name that failed.
class FileCommands {
    Q_DECLARE_TR_FUNCTIONS(FileCommands)

public:
    // showFileError shows the File Error window with the reason and returns once it is closed;
    // loaded runs when Load or the import has put a program into the buffer, saved when Save
    // has written it. Names are bytes: a name that is no UTF-8 opens and saves too.
    FileCommands(QWidget* owner, SetsBuffer& buffer, DialogGui& gui,
                 std::function<void(const QString& reason)> showFileError,
                 std::function<void()> loaded, std::function<void()> saved);

    void save();
    void load();
    void importDosVersionFile();
    // Loads a file named without the Open dialog (at start-up, dropped, from the recent files),
    // as Load does once a name is chosen. False when it failed and the File Error window showed.
    bool loadFile(const QString& chosen);

    // Runs with the file's path after every load and save that succeeded.
    void onFileUsed(std::function<void(const QString& path)> used) { fileUsed = std::move(used); }

private:
    QWidget* owner;
    SetsBuffer& buffer;
    DialogGui& gui;
    std::function<void(const QString&)> showFileError;
    std::function<void()> loaded;
    std::function<void()> saved;
    std::function<void(const QString&)> fileUsed = [](const QString&) {};

    QString saveDialogName;
    QString loadDialogName;
    QString importDialogName;
};
