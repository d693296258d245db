#include "ui/weekchartwindow.h"

#include "ui/weekchartview.h"
#include "ui/windowplacement.h"
#include "ui/windowstyle.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int ChecksListHeight = 112;

QLabel* Text(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

WeekChartWindow::WeekChartWindow(std::function<ProgramOverview()> overview, QWidget* parent,
                                 QWidget* keepInSight)
    : QWidget(parent, Qt::Window)
    , overview(std::move(overview))
    , keepInSight(keepInSight)
{
    setObjectName(QStringLiteral("weekChartWindow"));
    setWindowTitle(tr("Week Chart"));
    setFont(WindowFont());

    chart = new WeekChartView(this);
    skipPlansLabel = Text(this, "skipPlansLabel");
    leftOutLabel = Text(this, "leftOutLabel");
    leftOutLabel->setText(tr("The bars show the steps alone: they leave out the skip plans and "
                             "Pulse."));
    statusLabel = Text(this, "statusLabel");
    usageLabel = Text(this, "usageLabel");
    checksLabel = Text(this, "checksLabel");
    checksLabel->setFont(HeadingFont(WindowFont().pointSize()));
    checksList = new QListWidget(this);
    checksList->setObjectName(QStringLiteral("checksList"));
    checksList->setAccessibleName(tr("Program checks"));
    checksList->setFixedHeight(ChecksListHeight);
    checksList->setWordWrap(true); // a check's text is read whole, not cut at the edge
    checksList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    checksLabel->setBuddy(checksList);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    for (QWidget* part : std::initializer_list<QWidget*>{
             chart, skipPlansLabel, leftOutLabel, statusLabel, usageLabel, checksLabel, checksList})
        column->addWidget(part);

    auto* closeAction = new QAction(tr("Close"), this);
    closeAction->setObjectName(QStringLiteral("closeAction"));
    closeAction->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    addAction(closeAction);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);

    connect(chart, &WeekChartView::stepChosen, this, &WeekChartWindow::stepChosen);
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
    skipPlansLabel->setText(skips.isEmpty() ? tr("No skip plan is set.")
                                            : skips.join(QLatin1Char('\n')));
    statusLabel->setText(QString::fromStdString(shown.status));
    usageLabel->setText(QString::fromStdString(shown.usage));

    findings = shown.findings;
    checksLabel->setText(findings.empty() ? tr("Program checks: none")
                                          : tr("Program checks: %1").arg(findings.size()));
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

// The first time only; later showings keep where the user left it. The desktop frames this
// window as it maps it: its frame is reckoned to be like the main window's.
void WeekChartWindow::placeBesideParent()
{
    const QWidget* main = parentWidget();
    const QScreen* screen = main ? main->screen() : this->screen();
    if (!main || !screen)
        return;
    const QRect mainFrame = main->frameGeometry();
    const QRect mainInside = main->geometry();
    const QMargins frame(mainInside.left() - mainFrame.left(), mainInside.top() - mainFrame.top(),
                         mainFrame.right() - mainInside.right(),
                         mainFrame.bottom() - mainInside.bottom());
    const QRect keep = keepInSight && keepInSight->isVisible()
                           ? QRect(keepInSight->mapToGlobal(QPoint()), keepInSight->size())
                           : mainFrame;
    move(PlaceBeside(screen->availableGeometry(), mainFrame, size().grownBy(frame), keep));
}
