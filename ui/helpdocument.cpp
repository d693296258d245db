#include "ui/helpdocument.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// Where an installed program's guide lies, relative to the folder of the program itself.
const QString InstalledHelpFolder = QStringLiteral("../share/halvex");

} // namespace

bool DesktopDocumentOpener::open(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

std::optional<QString> FindHelpDocument(const QString& workingDirectory,
                                        const QString& programDirectory)
{
    const QString places[] = {
        QDir(workingDirectory).absoluteFilePath(HelpDocumentName),
        QDir(programDirectory).absoluteFilePath(HelpDocumentName),
        QDir(programDirectory).absoluteFilePath(InstalledHelpFolder + u'/' + HelpDocumentName),
    };
    for (const QString& place : places) {
        // Cleaned before it is looked at: "bin/.." is taken as written, and the viewer is given
        // a plain path. A folder of the guide's name is no document.
        const QString path = QDir::cleanPath(place);
        if (QFileInfo(path).isFile())
            return path;
    }
    return std::nullopt;
}

void OpenUserGuide(DocumentOpener& viewer)
{
    const std::optional<QString> guide =
        FindHelpDocument(QDir::currentPath(), QCoreApplication::applicationDirPath());
    if (guide)
        (void)viewer.open(*guide);
}
