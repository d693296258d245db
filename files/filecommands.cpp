#include "files/filecommands.h"

#include "app/dialoggui.h"
#include "files/datafile.h"
#include "files/dosimport.h"

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
                           std::function<void()> showFileError, std::function<void()> reloadAll)
    : owner(owner)
    , buffer(buffer)
    , gui(gui)
    , showFileError(std::move(showFileError))
    , reloadAll(std::move(reloadAll))
{
}

void FileCommands::Save()
{
    const std::optional<QString> chosen =
        gui.getSaveFileName(owner, SaveDialogFileName, DataFileFilter);
    if (!chosen)
        return;
    const std::optional<std::string> named = ApplyDataFileExtension(ToPath(*chosen));
    if (!named) {
        // Offered again as typed, so the user can shorten it.
        SaveDialogFileName = *chosen;
        showFileError();
        return;
    }
    SaveDialogFileName = FromPath(*named);
    if (SaveDataFile(buffer, *named) != FileResult::Done)
        showFileError();
}

void FileCommands::Load()
{
    const std::optional<QString> chosen =
        gui.getOpenFileName(owner, OpenDialogFileName, DataFileFilter);
    if (!chosen)
        return;
    OpenDialogFileName = *chosen;
    const std::string path = DataFileToOpen(ToPath(*chosen));
    SaveDialogFileName = FromPath(path);
    if (LoadDataFile(buffer, path) != FileResult::Done) {
        showFileError();
        return;
    }
    reloadAll();
}

void FileCommands::ImportDosVersionFile()
{
    const std::optional<QString> chosen =
        gui.getOpenFileName(owner, OpenDialog2FileName, DosVersionFileFilter);
    if (!chosen)
        return;
    OpenDialog2FileName = *chosen;
    // The import itself writes nothing, so a path too long for a data file name does not stop
    // it: the Save dialog then offers the chosen path, and saving refuses it until shortened.
    const std::optional<std::string> named = ApplyDataFileExtension(ToPath(*chosen));
    SaveDialogFileName = named ? FromPath(*named) : *chosen;
    if (::ImportDosVersionFile(buffer, ToPath(*chosen)) != FileResult::Done) {
        showFileError();
        return;
    }
    reloadAll();
}
