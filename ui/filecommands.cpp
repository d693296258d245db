#include "ui/filecommands.h"

#include "files/datafile.h"
#include "files/dosimport.h"
#include "ui/dialoggui.h"

#include <QFile>

#include <dirent.h>

namespace {

// The entry of a folder whose name Qt shows as shown, if there is one.
std::optional<std::string> EntryShownAs(const std::string& folder, const QString& shown)
{
    DIR* entries = ::opendir(folder.c_str());
    if (!entries)
        return std::nullopt;
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(entries)) {
        if (QFile::decodeName(entry->d_name) == shown) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(entries);
    return found;
}

// A file name is bytes, and not every name is UTF-8: Qt shows the bytes it cannot read as
// U+FFFD and gives other bytes back, so a name chosen in a dialog, dropped or kept in the recent
// files may name no file although the file is there. Each part of such a path that names
// nothing is looked up among its folder's entries by how Qt shows them.
std::string ToPath(const QString& name)
{
    const std::string path = QFile::encodeName(name).toStdString();
    if (!name.contains(QChar::ReplacementCharacter) || FileExists(path))
        return path;
    const QStringList parts = name.split(QLatin1Char('/'));
    std::string resolved;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const std::string prefix = i == 0 ? std::string() : resolved + "/";
        std::string part = QFile::encodeName(parts[i]).toStdString();
        if (parts[i].contains(QChar::ReplacementCharacter) && !FileExists(prefix + part)) {
            const std::string folder = i == 0 ? "." : (resolved.empty() ? "/" : resolved);
            part = EntryShownAs(folder, parts[i]).value_or(part);
        }
        resolved = prefix + part;
    }
    return resolved;
}

QString FromPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// The file types the dialogs list, the first one chosen when a dialog opens.
const char* const DataFileFilter =
    QT_TRANSLATE_NOOP("FileCommands", "Kv40Comp Data Files [*.40t] (*.40t);;All Files [*.*] (*)");
const char* const DosVersionFileFilter = QT_TRANSLATE_NOOP(
    "FileCommands", "Kv40 Dos Version Files [*.qdv] (*.qdv);;All Files [*.*] (*)");

} // namespace

FileCommands::FileCommands(QWidget* owner, SetsBuffer& buffer, DialogGui& gui,
                           std::function<void(const QString&)> showFileError,
                           std::function<void()> loaded, std::function<void()> saved)
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
        gui.getSaveFileName(owner, saveDialogName, tr(DataFileFilter));
    if (!chosen)
        return;
    const std::string path = ToPath(*chosen);
    const std::optional<std::string> named = ApplyDataFileExtension(path);
    if (!named) {
        // Offered again as typed, so the user can shorten it.
        saveDialogName = *chosen;
        showFileError(ApplyDataFileExtension(path + "x") // a name at all, only too long?
                          ? tr("%1 is no name for a file.").arg(*chosen)
                          : tr("%1 is too long: with its \".40t\" a path may have at most %2 "
                               "characters.")
                                .arg(*chosen)
                                .arg(MaxDataFilePathLength));
        return;
    }
    saveDialogName = FromPath(*named);
    if (const FileResult saved = SaveDataFile(buffer, *named); saved != FileResult::Done) {
        showFileError(FromPath(DescribeFileResult(saved, *named)));
        return;
    }
    saved();
    fileUsed(saveDialogName);
}

void FileCommands::load()
{
    const std::optional<QString> chosen =
        gui.getOpenFileName(owner, loadDialogName, tr(DataFileFilter));
    if (chosen)
        loadFile(*chosen);
}

bool FileCommands::loadFile(const QString& chosen)
{
    loadDialogName = chosen;
    const std::string path = DataFileToOpen(ToPath(chosen));
    saveDialogName = FromPath(path);
    if (const FileResult read = LoadDataFile(buffer, path); read != FileResult::Done) {
        showFileError(FromPath(DescribeFileResult(read, path)));
        return false;
    }
    loaded();
    fileUsed(saveDialogName);
    return true;
}

void FileCommands::importDosVersionFile()
{
    const std::optional<QString> chosen =
        gui.getOpenFileName(owner, importDialogName, tr(DosVersionFileFilter));
    if (!chosen)
        return;
    importDialogName = *chosen;
    // The import itself writes nothing, so a path too long for a data file name does not stop
    // it: the Save dialog then offers the chosen path, and saving refuses it until shortened.
    const std::optional<std::string> named = ApplyDataFileExtension(ToPath(*chosen));
    saveDialogName = named ? FromPath(*named) : *chosen;
    const std::string path = ToPath(*chosen);
    if (const FileResult read = ::ImportDosVersionFile(buffer, path); read != FileResult::Done) {
        showFileError(FromPath(DescribeFileResult(read, path)));
        return;
    }
    loaded();
}
