#include "ui/filecommands.h"

#include "files/datafile.h"
#include "files/dosimport.h"
#include "ui/dialoggui.h"

#include <QFile>

namespace {

std::string ToPath(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

QString FromPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

FileCommands::FileCommands(QWidget* owner, SetsBuffer& buffer, DialogGui& gui,
                           std::function<void()> showFileError, std::function<void()> loaded,
                           std::function<void()> saved)
    : owner(owner)
    , buffer(buffer)
    , gui(gui)
    , showFileError(std::move(showFileError))
    , loaded(std::move(loaded))
    , saved(std::move(saved))
{
}

void FileCommands::save()
{
    const std::optional<QString> chosen =
        gui.getSaveFileName(owner, saveDialogName, DataFileFilter);
    if (!chosen)
        return;
    const std::optional<std::string> named = ApplyDataFileExtension(ToPath(*chosen));
    if (!named) {
        // Offered again as typed, so the user can shorten it.
        saveDialogName = *chosen;
        showFileError();
        return;
    }
    saveDialogName = FromPath(*named);
    if (SaveDataFile(buffer, *named) != FileResult::Done) {
        showFileError();
        return;
    }
    saved();
    fileUsed(saveDialogName);
}

void FileCommands::load()
{
    const std::optional<QString> chosen =
        gui.getOpenFileName(owner, loadDialogName, DataFileFilter);
    if (chosen)
        loadFile(*chosen);
}

bool FileCommands::loadFile(const QString& chosen)
{
    loadDialogName = chosen;
    const std::string path = DataFileToOpen(ToPath(chosen));
    saveDialogName = FromPath(path);
    if (LoadDataFile(buffer, path) != FileResult::Done) {
        showFileError();
        return false;
    }
    loaded();
    fileUsed(saveDialogName);
    return true;
}

void FileCommands::importDosVersionFile()
{
    const std::optional<QString> chosen =
        gui.getOpenFileName(owner, importDialogName, DosVersionFileFilter);
    if (!chosen)
        return;
    importDialogName = *chosen;
    // The import itself writes nothing, so a path too long for a data file name does not stop
    // it: the Save dialog then offers the chosen path, and saving refuses it until shortened.
    const std::optional<std::string> named = ApplyDataFileExtension(ToPath(*chosen));
    saveDialogName = named ? FromPath(*named) : *chosen;
    if (::ImportDosVersionFile(buffer, ToPath(*chosen)) != FileResult::Done) {
        showFileError();
        return;
    }
    loaded();
}
