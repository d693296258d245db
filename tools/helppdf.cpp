// Makes the user guide, halvexhelp.pdf, from its Markdown text in docs/help with Qt's own PDF
// writer: A4, a page number at the foot of each page, each chapter on a new page. Run by the
// build; usage: halvex_helppdf OUTPUT.pdf GUIDE.md
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <cstdio>

namespace {

const QString GuideTitle = QStringLiteral("Halvex User Guide");
constexpr int BodyPointSize = 10;
constexpr int TableCellPadding = 3;

void Fail(const QString& message)
{
    std::fprintf(stderr, "halvex_helppdf: %s\n", qPrintable(message));
}

// A chapter is a first-level heading; the first one opens the guide on its first page.
void StartChaptersOnNewPages(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.headingLevel() != 1 || block == document.begin())
            continue;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}

// Puts every picture the text names into the document, read from the text's own folder. A
// picture that cannot be read stops the build rather than leaving a hole in the guide.
bool LoadPictures(QTextDocument& document, const QDir& folder)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const QImage picture(folder.filePath(name));
            if (picture.isNull()) {
                Fail(QStringLiteral("cannot read the picture %1").arg(folder.filePath(name)));
                return false;
            }
            document.addResource(QTextDocument::ImageResource, QUrl(name), picture);
        }
    }
    return true;
}

// Tables read more easily with some room inside their cells and single rules between them.
void SpaceOutTables(QTextDocument& document)
{
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setCellPadding(TableCellPadding);
        format.setCellSpacing(0);
        format.setBorderCollapse(true);
        table->setFormat(format);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        Fail(QStringLiteral("usage: halvex_helppdf OUTPUT.pdf GUIDE.md"));
        return 2;
    }
    const QString output = QFile::decodeName(argv[1]);
    const QFileInfo guide(QFile::decodeName(argv[2]));

    QFile text(guide.filePath());
    if (!text.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("cannot read %1: %2").arg(guide.filePath(), text.errorString()));
        return 1;
    }

    QTextDocument document;
    QFont body(QStringLiteral("DejaVu Sans"), BodyPointSize);
    // No ligatures: a program text such as "Off" copied out of the guide must stay as it is.
    body.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(body);
    document.setMetaInformation(QTextDocument::DocumentTitle, GuideTitle);
    document.setMarkdown(QString::fromUtf8(text.readAll()));
    if (!LoadPictures(document, guide.absoluteDir()))
        return 1;
    StartChaptersOnNewPages(document);
    SpaceOutTables(document);

    // Written aside and put in place only when complete, so a failed run never leaves a
    // truncated guide that the build would take as up to date.
    QSaveFile pdf(output);
    if (!pdf.open(QIODevice::WriteOnly)) {
        Fail(QStringLiteral("cannot write %1: %2").arg(output, pdf.errorString()));
        return 1;
    }
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(GuideTitle);
        writer.setCreator(QStringLiteral("halvex"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        // The document lays out its own 2 cm margins and page numbers within the page.
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        document.print(&writer);
    }
    if (!pdf.commit()) {
        Fail(QStringLiteral("cannot write %1: %2").arg(output, pdf.errorString()));
        return 1;
    }
    return 0;
}
