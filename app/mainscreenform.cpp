#include "app/mainscreenform.h"

#include "app/icons.h"
#include "app/radiogroup.h"
#include "app/windowstyle.h"
#include "model/controlitems.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolButton>

namespace {

constexpr QSize ClientSize{412, 420};
constexpr int HeadingPointSize = 12;
constexpr int ListHeight = 19; // a drop-down list's height

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
    return box;
}

RadioGroup* Radios(QWidget* client, const char* name, const char* title, QRect geometry,
                   const ItemList& items)
{
    return Place(new RadioGroup(QLatin1String(title), ToQt(items), client), name, geometry);
}

QListWidget* ListBox(QWidget* client, const char* name, QRect geometry)
{
    auto* box = Place(new QListWidget(client), name, geometry);
    box->setSelectionMode(QAbstractItemView::SingleSelection);
    box->setUniformItemSizes(true);
    return box;
}

void Label(QWidget* client, const char* text, QPoint at)
{
    auto* label = new QLabel(QLatin1String(text), client);
    label->move(at);
    label->adjustSize();
}

void CentredLabel(QWidget* client, const char* text, int left, int right, int top)
{
    auto* label = new QLabel(QLatin1String(text), client);
    label->setAlignment(Qt::AlignHCenter);
    label->setGeometry(left, top, right - left, 14);
}

void Heading(QWidget* client, const char* text, QPoint at)
{
    auto* label = new QLabel(QLatin1String(text), client);
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
                         const char* hint)
{
    auto* button = Place(new QToolButton(client), name, geometry);
    button->setIcon(icon);
    button->setIconSize(geometry.size() - QSize(8, 8));
    button->setToolTip(QLatin1String(hint));
    button->setAutoRaise(true);
    return button;
}

QAction* Item(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(QLatin1String(caption));
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

void MainScreenForm::setup(QMainWindow& window)
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

void MainScreenForm::setupSteps(QWidget* client)
{
    Heading(client, "Program Steps", {8, 2});
    StepBox = List(client, "StepBox", {40, 32, 41, ListHeight});
    DaysBox = List(client, "DaysBox", {96, 32, 49, ListHeight}, DaysBoxItems());
    HoursBox = List(client, "HoursBox", {160, 32, 49, ListHeight}, HoursBoxItems());
    MinutesBox = List(client, "MinutesBox", {224, 32, 41, ListHeight}, MinutesBoxItems());
    AMPMBox = Radios(client, "AMPMBox", "Am/Pm", {280, 24, 49, 49}, AmPmItems());
    ONOFFBox = Radios(client, "ONOFFBox", "Relay", {280, 80, 49, 49}, OnOffItems());
    Label(client, "Step #", {40, 56});
    Label(client, "Days", {96, 56});
    Label(client, "Hours", {160, 56});
    Label(client, "Minutes", {224, 56});
    SetsBox = ListBox(client, "SetsBox", {40, 72, 225, 57});
    Image2 = ImageButton(client, "Image2", {352, 32, 41, 41}, EraseAllIcon(), "Erase All");
    Image1 =
        ImageButton(client, "Image1", {352, 88, 41, 41}, ConfigureBufferIcon(), "Configure Buffer");
    Rule(client, 140);
}

void MainScreenForm::setupAnnuals(QWidget* client)
{
    Heading(client, "Skip Plans (Annuals)", {8, 150});
    AnnualBox = List(client, "AnnualBox", {24, 184, 41, ListHeight});
    StartMonth = List(client, "StartMonth", {80, 184, 49, ListHeight}, StartMonthItems());
    StartDay = List(client, "StartDay", {136, 184, 41, ListHeight}, DayItems());
    StartYear = List(client, "StartYear", {184, 184, 41, ListHeight}, StartYearItems());
    EndMonth = List(client, "EndMonth", {240, 184, 41, ListHeight}, EndMonthItems());
    EndDay = List(client, "EndDay", {288, 184, 41, ListHeight}, DayItems());
    EndYear = List(client, "EndYear", {336, 184, 41, ListHeight}, EndYearItems());
    const char* columns[] = {"Annual #", "Month", "Day", "Year", "Month", "Day", "Year"};
    const int lefts[] = {24, 80, 136, 184, 240, 288, 336};
    for (int i = 0; i < 7; ++i)
        Label(client, columns[i], {lefts[i], 208});
    CentredLabel(client, "Start", 80, 225, 224);
    CentredLabel(client, "End", 240, 377, 224);
    AnnualListBox = ListBox(client, "AnnualListBox", {32, 248, 353, 41});
    Rule(client, 298);
}

void MainScreenForm::setupStatus(QWidget* client)
{
    Heading(client, "Status...", {16, 336});
    DSTBox = Radios(client, "DSTBox", "DST", {120, 320, 49, 49}, DstItems());
    RelayBox = Radios(client, "RelayBox", "Relay", {184, 320, 49, 49}, OffOnItems());
    ELBox = Radios(client, "ELBox", "EL Lamp", {248, 320, 57, 49}, OffOnItems());
    Label(client, "Pulse", {320, 320});
    PulseBox = List(client, "PulseBox", {320, 336, 49, 22}, PulseItems());
}

void MainScreenForm::setupMenu(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    Load1 = Item(file, "Load1", "&Load...");
    Save1 = Item(file, "Save1", "&Save...");
    file->addSeparator();
    Print1 = Item(file, "Print1", "&Print...");
    Exit1 = Item(file, "Exit1", "&Exit");

    QMenu* communicate = bar->addMenu(QStringLiteral("&Communicate"));
    Send1 = Item(communicate, "Send1", "&Send to Clock");

    // "&Settings" is a command of the menu bar itself, with no submenu.
    Settings1 = bar->addAction(QStringLiteral("&Settings"));
    Settings1->setObjectName(QStringLiteral("Settings1"));

    QMenu* utilities = bar->addMenu(QStringLiteral("&Utilities"));
    LoadDOSVersionFile1 = Item(utilities, "LoadDOSVersionFile1", "&Load DOS Version File...");

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    Contents1 = Item(help, "Contents1", "&Help (pdf)...");
    help->addSeparator();
    Service1 = Item(help, "Service1", "&Service...");
    About1 = Item(help, "About1", "&About...");
}
