#include "ui/mainwindowform.h"

#include "model/controlitems.h"
#include "ui/icons.h"
#include "ui/radiogroup.h"
#include "ui/wheelfilter.h"
#include "ui/windowstyle.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace {

constexpr QSize ClientSize{412, 420};
constexpr int HeadingPointSize = 12;
constexpr int ListHeight = 19; // a drop-down list's height
constexpr int RowGap = 4;      // the least room between two controls of a row

QStringList ToQt(const ItemList& items)
{
    QStringList list;
    for (const std::string& item : items)
        list << QString::fromStdString(item);
    return list;
}

template <typename Control> Control* Place(Control* control, const char* name, QRect geometry)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

// A fixed drop-down list: the user picks an item and cannot type.
QComboBox* List(QWidget* client, const char* name, QRect geometry, const ItemList& items = {})
{
    auto* box = Place(new QComboBox(client), name, geometry);
    box->addItems(ToQt(items));
    box->setMaxVisibleItems(12);
    TakeWheelOnlyWithFocus(*box);
    return box;
}

// The items are the clock's own words, as the list lines and the report write them: they stay
// as they are in every language.
RadioGroup* Radios(QWidget* client, const char* name, const QString& title, QRect geometry,
                   const ItemList& items)
{
    return Place(new RadioGroup(title, ToQt(items), client), name, geometry);
}

// The width of the widest item of a list. Qt's sizeHint() lays out every item's text, some 400
// items in all, which cost a tenth of the program's start; here an item's width is the sum of
// its characters' advances, each looked up once, and only the widest text is laid out whole.
int WidestItem(const QComboBox& box)
{
    const QFontMetrics metrics = box.fontMetrics();
    QHash<QChar, int> advances;
    int widest = 0;
    QString widestText;
    for (int i = 0; i < box.count(); ++i) {
        const QString text = box.itemText(i);
        int width = 0;
        for (const QChar c : text) {
            auto advance = advances.find(c);
            if (advance == advances.end())
                advance = advances.insert(c, metrics.horizontalAdvance(c));
            width += *advance;
        }
        if (width > widest) {
            widest = width;
            widestText = text;
        }
    }
    return std::max(widest, metrics.horizontalAdvance(widestText));
}

// The width a drop-down list needs so that its widest item fits the field the style draws the
// chosen item in, with the pixel the field keeps free each side.
int NeededWidth(const QComboBox& box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.frame = box.hasFrame();
    const QRect field = box.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, &box);
    return box.width() - field.width() + WidestItem(box) + 2;
}

// Widens each drop-down list of a row, left to right, to the width its widest item needs
// where the desktop's face runs wider than the place kept for it ("Wdy" in the Days box), but
// never into the next control of the row, the last one never past rightEdge.
void FitRow(std::initializer_list<QComboBox*> row, int rightEdge)
{
    for (auto box = row.begin(); box != row.end(); ++box) {
        const int next = std::next(box) == row.end() ? rightEdge : (*std::next(box))->x();
        const int room = next - RowGap - (*box)->x();
        (*box)->resize(
            std::clamp(NeededWidth(**box), (*box)->width(), std::max(room, (*box)->width())),
            (*box)->height());
    }
}

// Widens each radio group of a row to its title where the title runs wider than the place kept
// for it (a translation's "Sommerzeit" for "DST"), and moves what stands right of it along by as
// much; where every title fits, the row keeps its place.
void FitGroupTitles(std::initializer_list<QWidget*> row)
{
    int shift = 0;
    for (QWidget* control : row) {
        control->move(control->x() + shift, control->y());
        if (auto* group = qobject_cast<QGroupBox*>(control)) {
            // The title is drawn from the group's left edge; a blank after it, as Qt reckons.
            const int title = group->fontMetrics().horizontalAdvance(group->title() + u' ');
            const int wider = title - group->width();
            if (wider > 0) {
                group->resize(group->width() + wider, group->height());
                shift += wider;
            }
        }
    }
}

QListWidget* ListBox(QWidget* client, const char* name, QRect geometry)
{
    auto* box = Place(new QListWidget(client), name, geometry);
    box->setSelectionMode(QAbstractItemView::SingleSelection);
    box->setUniformItemSizes(true);
    return box;
}

QLabel* Label(QWidget* client, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, client);
    label->move(at);
    label->adjustSize();
    return label;
}

// A screen reader names a drop-down list by the label linked to it (on Linux the list's own
// name is the item it shows), so the label says the name too where its words alone need their
// column: "Month" under "Start" is the start month.
void Name(QComboBox* box, QLabel* label, const QString& name)
{
    box->setAccessibleName(name);
    label->setBuddy(box);
    if (label->text() != name)
        label->setAccessibleName(name);
}

void CentredLabel(QWidget* client, const QString& text, int left, int right, int top)
{
    auto* label = new QLabel(text, client);
    label->setAlignment(Qt::AlignHCenter);
    label->setGeometry(left, top, right - left, 14);
}

void Heading(QWidget* client, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, client);
    label->setFont(HeadingFont(HeadingPointSize));
    label->move(at);
    label->adjustSize();
}

void Rule(QWidget* client, int top)
{
    auto* rule = new QFrame(client);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(4, top, ClientSize.width() - 8, 2);
}

QToolButton* ImageButton(QWidget* client, const char* name, QRect geometry, const QIcon& icon,
                         const QString& hint)
{
    auto* button = Place(new QToolButton(client), name, geometry);
    button->setIcon(icon);
    button->setIconSize(geometry.size() - QSize(8, 8));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

QAction* Item(QMenu* menu, const char* name, const QString& caption,
              const QList<QKeySequence>& keys = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    return action;
}

} // namespace

void MainWindowForm::setup(QMainWindow& window)
{
    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(ClientSize);
    window.setCentralWidget(client);
    setupSteps(client);
    setupAnnuals(client);
    setupStatus(client);
    setupMenu(window);
}

void MainWindowForm::setupSteps(QWidget* client)
{
    Heading(client, tr("Program Steps"), {8, 2});
    stepNumberCombo = List(client, "stepNumberCombo", {40, 32, 41, ListHeight});
    dayCombo = List(client, "dayCombo", {96, 32, 49, ListHeight}, DayCodeItems());
    hourCombo = List(client, "hourCombo", {160, 32, 49, ListHeight}, HourItems());
    minuteCombo = List(client, "minuteCombo", {224, 32, 41, ListHeight}, MinuteItems());
    amPmGroup = Radios(client, "amPmGroup", tr("Am/Pm"), {280, 24, 49, 49}, AmPmItems());
    FitRow({stepNumberCombo, dayCombo, hourCombo, minuteCombo}, amPmGroup->x());
    relayGroup = Radios(client, "relayGroup", tr("Relay"), {280, 80, 49, 49}, OnOffItems());
    // Two "Relay" groups: the step's, and the status setting below.
    relayGroup->setAccessibleName(tr("Step relay"));
    Name(stepNumberCombo, Label(client, tr("Step #"), {40, 56}), tr("Step number"));
    Name(dayCombo, Label(client, tr("Days"), {96, 56}), tr("Days"));
    Name(hourCombo, Label(client, tr("Hours"), {160, 56}), tr("Hours"));
    Name(minuteCombo, Label(client, tr("Minutes"), {224, 56}), tr("Minutes"));
    stepList = ListBox(client, "stepList", {40, 72, 225, 57});
    stepList->setAccessibleName(tr("Step list"));
    eraseButton =
        ImageButton(client, "eraseButton", {352, 32, 41, 41}, EraseAllIcon(), tr("Erase All"));
    eraseButton->setAccessibleName(tr("Erase All"));
    eraseButton->setAccessibleDescription(tr("Erases the steps, the annuals or both"));
    layoutButton = ImageButton(client, "layoutButton", {352, 88, 41, 41}, ConfigureBufferIcon(),
                               tr("Configure Buffer"));
    layoutButton->setAccessibleName(tr("Configure Buffer"));
    layoutButton->setAccessibleDescription(
        tr("Chooses 16 steps and 10 annuals, or 30 steps and 3 annuals"));
    Rule(client, 140);
}

void MainWindowForm::setupAnnuals(QWidget* client)
{
    Heading(client, tr("Skip Plans (Annuals)"), {8, 150});
    annualNumberCombo = List(client, "annualNumberCombo", {24, 184, 41, ListHeight});
    startMonthCombo = List(client, "startMonthCombo", {80, 184, 49, ListHeight}, StartMonthItems());
    startDayCombo = List(client, "startDayCombo", {136, 184, 41, ListHeight}, DayItems());
    startYearCombo = List(client, "startYearCombo", {184, 184, 41, ListHeight}, StartYearItems());
    endMonthCombo = List(client, "endMonthCombo", {240, 184, 41, ListHeight}, EndMonthItems());
    endDayCombo = List(client, "endDayCombo", {288, 184, 41, ListHeight}, DayItems());
    endYearCombo = List(client, "endYearCombo", {336, 184, 41, ListHeight}, EndYearItems());
    FitRow({annualNumberCombo, startMonthCombo, startDayCombo, startYearCombo, endMonthCombo,
            endDayCombo, endYearCombo},
           ClientSize.width());
    const QString columns[] = {tr("Annual #"), tr("Month"), tr("Day"), tr("Year"),
                               tr("Month"),    tr("Day"),   tr("Year")};
    const int lefts[] = {24, 80, 136, 184, 240, 288, 336};
    QComboBox* const boxes[] = {annualNumberCombo, startMonthCombo, startDayCombo, startYearCombo,
                                endMonthCombo,     endDayCombo,     endYearCombo};
    const QString names[] = {tr("Annual number"), tr("Start month"), tr("Start day"),
                             tr("Start year"),    tr("End month"),   tr("End day"),
                             tr("End year")};
    for (int i = 0; i < 7; ++i)
        Name(boxes[i], Label(client, columns[i], {lefts[i], 208}), names[i]);
    CentredLabel(client, tr("Start"), 80, 225, 224);
    CentredLabel(client, tr("End"), 240, 377, 224);
    annualList = ListBox(client, "annualList", {32, 248, 353, 41});
    annualList->setAccessibleName(tr("Annual list"));
    Rule(client, 298);
}

void MainWindowForm::setupStatus(QWidget* client)
{
    Heading(client, tr("Status..."), {16, 336});
    dstGroup = Radios(client, "dstGroup", tr("DST"), {120, 320, 49, 49}, DstItems());
    statusRelayGroup =
        Radios(client, "statusRelayGroup", tr("Relay"), {184, 320, 49, 49}, OffOnItems());
    elLampGroup = Radios(client, "elLampGroup", tr("EL Lamp"), {248, 320, 57, 49}, OffOnItems());
    statusRelayGroup->setAccessibleName(tr("Status relay"));
    QLabel* pulseLabel = Label(client, tr("Pulse"), {320, 320});
    pulseCombo = List(client, "pulseCombo", {320, 336, 49, 22}, PulseItems());
    FitGroupTitles({dstGroup, statusRelayGroup, elLampGroup, pulseLabel, pulseCombo});
    FitRow({pulseCombo}, ClientSize.width());
    Name(pulseCombo, pulseLabel, tr("Pulse"));
}

void MainWindowForm::setupMenu(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("mainMenu"));

    QMenu* file = fileMenu = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    loadAction = Item(file, "loadAction", tr("&Load..."));
    // Offered only when an earlier run left a program unsaved.
    recoverAction = Item(file, "recoverAction", tr("&Recover Unsaved Program\u2026"));
    saveAction = Item(file, "saveAction", tr("&Save..."));
    file->addSeparator();
    printAction = Item(file, "printAction", tr("&Print..."));
    exitAction = Item(file, "exitAction", tr("&Exit"));

    QMenu* edit = bar->addMenu(tr("&Edit"));
    undoAction = Item(edit, "undoAction", tr("&Undo"), {QKeySequence::Undo});
    redoAction =
        Item(edit, "redoAction", tr("&Redo"),
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu* view = bar->addMenu(tr("&View"));
    weekChartAction =
        Item(view, "weekChartAction", tr("&Week Chart"), {QKeySequence(Qt::CTRL | Qt::Key_K)});

    QMenu* communicate = bar->addMenu(tr("&Communicate"));
    sendAction = Item(communicate, "sendAction", tr("&Send to Clock"));

    // "&Settings" is a command of the menu bar itself, with no submenu.
    settingsAction = bar->addAction(tr("&Settings"));
    settingsAction->setObjectName(QStringLiteral("settingsAction"));

    QMenu* utilities = bar->addMenu(tr("&Utilities"));
    importDosAction = Item(utilities, "importDosAction", tr("&Load DOS Version File..."));

    QMenu* help = bar->addMenu(tr("&Help"));
    helpAction = Item(help, "helpAction", tr("&Help (pdf)..."));
    help->addSeparator();
    serviceAction = Item(help, "serviceAction", tr("&Service..."));
    aboutAction = Item(help, "aboutAction", tr("&About..."));
}
