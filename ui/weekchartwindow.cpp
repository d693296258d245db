#include "ui/weekchartwindow.h"

#include "ui/weekchartview.h"
#include "ui/windowstyle.h"

#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int ChecksListHeight = 112;
constexpr int Gap = 8; // between the main window and this one

QLabel* Text(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

WeekChartWindow::WeekChartWindow(std::function<ProgramOverview()> overview, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , overview(std::move(overview))
{
    setObjectName(QStringLiteral("weekChartWindow"));
    setWindowTitle(QStringLiteral("Week Chart"));
    setFont(WindowFont());

    chart = new WeekChartView(this);
    skipPlansLabel = Text(this, "skipPlansLabel");
    statusLabel = Text(this, "statusLabel");
    usageLabel = Text(this, "usageLabel");
    checksLabel = Text(this, "checksLabel");
    checksLabel->setFont(HeadingFont(WindowFont().pointSize()));
    checksList = new QListWidget(this);
    checksList->setObjectName(QStringLiteral("checksList"));
    checksList->setFixedHeight(ChecksListHeight);
    checksList->setWordWrap(true); // a check's text is read whole, not cut at the edge
    checksList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    for (QWidget* part : std::initializer_list<QWidget*>{chart, skipPlansLabel, statusLabel,
                                                         usageLabel, checksLabel, checksList})
        column->addWidget(part);

    connect(chart, &WeekChartView::stepClicked, this, &WeekChartWindow::stepChosen);
    connect(checksList, &QListWidget::itemClicked, this, &WeekChartWindow::findingChosen);
    connect(checksList, &QListWidget::itemActivated, this, &WeekChartWindow::findingChosen);
}

void WeekChartWindow::refresh()
{
    if (isVisible())
        fill();
}

void WeekChartWindow::fill()
{
    const ProgramOverview shown = overview();
    chart->setChart(shown.chart, shown.stepLines);

    QStringList skips;
    for (const std::string& line : shown.skipPlans)
        skips << QString::fromStdString(line);
    skipPlansLabel->setText(skips.isEmpty() ? QStringLiteral("No skip plan is set.")
                                            : skips.join(QLatin1Char('\n')));
    statusLabel->setText(QString::fromStdString(shown.status));
    usageLabel->setText(QString::fromStdString(shown.usage));

    findings = shown.findings;
    checksLabel->setText(findings.empty()
                             ? QStringLiteral("Program checks: none")
                             : QStringLiteral("Program checks: %1").arg(findings.size()));
    checksList->clear();
    for (const Finding& finding : findings)
        checksList->addItem(QString::fromStdString(finding.text));
}

void WeekChartWindow::showEvent(QShowEvent* event)
{
    fill();
    if (!placed) {
        placed = true;
        adjustSize();
        placeBesideParent();
    }
    QWidget::showEvent(event);
}

void WeekChartWindow::findingChosen(QListWidgetItem* item)
{
    const int row = checksList->row(item);
    if (row < 0 || row >= int(findings.size()))
        return;
    const Finding& finding = findings[std::size_t(row)];
    if (finding.line == Finding::Line::Step)
        emit stepChosen(finding.index);
    else
        emit annualChosen(finding.index);
}

// The first time, beside the main window, where the screen has room, so that both can be seen
// while editing; otherwise in the middle of the screen. Later showings keep where it was left.
void WeekChartWindow::placeBesideParent()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect main = parentWidget() ? parentWidget()->frameGeometry() : QRect();
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveTopLeft(QPoint(main.right() + Gap, main.top()));
    if (main.isNull() || !room.contains(frame))
        frame.moveCenter(room.center());
    move(frame.topLeft());
}
