#pragma once

#include <QString>

#include <optional>

// The user guide that "&Help (pdf)..." opens.
inline const QString HelpDocumentName = QStringLiteral("halvexhelp.pdf");

// Hands a document to a viewer. The program passes the desktop's; tests pass one that records.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;

    // True when the document was handed over; a viewer that fails afterwards is not seen here.
    virtual bool open(const QString& path) = 0;
};

// The viewer the desktop associates with the file's type.
class DesktopDocumentOpener : public DocumentOpener {
public:
    bool open(const QString& path) override;
};

// Where the user guide is, as an absolute path: the copy in the working directory if there is
// one; else the copy beside the program (a build folder); else the installed copy in the
// program's share folder (programDirectory/../share/halvex). Nothing when none of them exists.
std::optional<QString> FindHelpDocument(const QString& workingDirectory,
                                        const QString& programDirectory);

// "&Help (pdf)...": hands the user guide found for the program to the viewer. A missing guide
// or a desktop without a PDF viewer is not reported: the guide is an aid, the program works the
// same without it, and the desktop tells of a viewer that fails.
void OpenUserGuide(DocumentOpener& viewer);
