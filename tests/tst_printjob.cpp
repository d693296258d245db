#include "print/report.h"
#include "ui/qtprintbackend.h"
#include "ui/windowstyle.h"

#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr double PointsPerInch = 72.0;
constexpr double TolerancePoints = 1.5;

// One line of text as pdftotext finds it on the page: the top of its words in points, and its
// words run together.
struct FoundLine {
    double top;
    QString letters;
};

// Blanks removed, and ligatures the font set ("ff" in "Off") spelt out again.
QString WithoutBlanks(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC)
        .remove(QRegularExpression(QStringLiteral("\\s")));
}

QString Pdftotext(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(HALVEX_PDFTOTEXT), arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Groups the words of `pdftotext -bbox` into lines by their top edge, top to bottom. The words
// of a wide line need not come in a row: pdftotext may list a far-off word last.
QList<FoundLine> LinesByPosition(const QString& html)
{
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"[\\d.]+\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    QList<FoundLine> lines;
    for (const QRegularExpressionMatch& m : word.globalMatch(html)) {
        const double top = m.captured(1).toDouble();
        auto line = std::find_if(lines.begin(), lines.end(), [top](const FoundLine& l) {
            return std::abs(l.top - top) <= 0.5;
        });
        if (line == lines.end())
            line = lines.insert(lines.end(), FoundLine{top, {}});
        line->letters += m.captured(2);
    }
    std::sort(lines.begin(), lines.end(),
              [](const FoundLine& a, const FoundLine& b) { return a.top < b.top; });
    return lines;
}

std::vector<ReportLine> SampleReport(int dpi)
{
    SetsBuffer buffer;
    buffer[FlagsByte] = LayoutBit;
    WriteStep(buffer, 0, {0x87, 0x30, 0xBE});
    WriteStep(buffer, 1, {0x12, 0x05, 0x40});
    WriteStep(buffer, 29, {0x91, 0x59, 0x02});
    buffer[AnnualOffset(ThirtyStepLayout, 2)] = 0x12;
    buffer[AnnualOffset(ThirtyStepLayout, 2) + 1] = 0x24;
    return LayoutReport(buffer, ThirtyStepLayout, {0, 1, 0, 12}, dpi);
}

} // namespace

class TestPrintJob : public QObject {
    Q_OBJECT

private slots:
    void reportOnPaperKeepsItsLinesAndSpacing();
    void printerThatCannotStartIsAnError();
    void ffCopiesOutAsTwoLetters();
    void dialogOffersNoPageChoices();
};

void TestPrintJob::reportOnPaperKeepsItsLinesAndSpacing()
{
    if (QStringLiteral(HALVEX_PDFTOTEXT).isEmpty())
        QSKIP("pdftotext (package poppler-utils) was not found when the build was configured");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QtPrintJob job(printer);
    const int dpi = job.verticalDpi();
    const std::vector<ReportLine> report = SampleReport(dpi);
    DrawReport(job, WindowFont(), report);

    // The text, line by line and in order. pdftotext spaces words its own way, so blanks are
    // not compared.
    const QStringList text =
        Pdftotext({QStringLiteral("-layout"), pdf, QStringLiteral("-")}).split('\n');
    QStringList printed;
    for (const QString& line : text)
        if (!line.trimmed().isEmpty())
            printed << WithoutBlanks(line);
    QStringList expected;
    for (const ReportLine& line : report)
        expected << WithoutBlanks(QString::fromStdString(line.text));
    QCOMPARE(printed, expected);

    // Each line's distance from the first matches the layout, in points on the paper.
    const QList<FoundLine> found =
        LinesByPosition(Pdftotext({QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    QCOMPARE(found.size(), int(report.size()));
    for (std::size_t i = 1; i < report.size(); ++i) {
        QCOMPARE(WithoutBlanks(found[int(i)].letters), expected[int(i)]);
        const double expectedPoints = (report[i].y - report[0].y) * PointsPerInch / dpi;
        const double foundPoints = found[int(i)].top - found[0].top;
        QVERIFY2(std::abs(foundPoints - expectedPoints) <= TolerancePoints,
                 qPrintable(QStringLiteral("%1: %2 pt down, expected %3 pt")
                                .arg(found[int(i)].letters)
                                .arg(foundPoints)
                                .arg(expectedPoints)));
    }
}

void TestPrintJob::printerThatCannotStartIsAnError()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("no such folder/report.pdf")));
    QtPrintJob job(printer);
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    try {
        DrawReport(job, WindowFont(), SampleReport(job.verticalDpi()));
        QFAIL("printing on a printer that cannot start succeeded");
    } catch (const std::runtime_error& error) {
        QCOMPARE(QString::fromLocal8Bit(error.what()),
                 QStringLiteral("The printer could not start the print job."));
    }
}

// "Off" must copy out of the PDF as "Off", not with the one-glyph "ﬀ" ligature.
void TestPrintJob::ffCopiesOutAsTwoLetters()
{
    if (QString::fromLatin1(HALVEX_PDFTOTEXT).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("off.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QtPrintJob job(printer);
    DrawReport(job, WindowFont(), {{LineX, 0, LinePointSize, "Relay = Off, EL Lamp = Off"}});
    QProcess text;
    text.start(QStringLiteral(HALVEX_PDFTOTEXT), {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString copied = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(copied.contains(QStringLiteral("Off")), qPrintable(copied));
    QVERIFY2(!copied.contains(QChar(0xFB00)), qPrintable(copied));
}

void TestPrintJob::dialogOffersNoPageChoices()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer);
    OfferOnlyWhatTheReportHonours(dialog);
    for (auto option :
         {QAbstractPrintDialog::PrintPageRange, QAbstractPrintDialog::PrintSelection,
          QAbstractPrintDialog::PrintCurrentPage, QAbstractPrintDialog::PrintCollateCopies})
        QVERIFY(!dialog.testOption(option));
    dialog.show();
    for (const char* name : {"gbPrintRange", "pageSetCombo"}) {
        const auto* choice = dialog.findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(choice && (!choice->isVisible() || !choice->isEnabled()), name);
    }
    dialog.reject();
}

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
