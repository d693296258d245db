#include "ui/weekchartaccessible.h"

#include "ui/weekchartview.h"

#include <QPointer>
#include <QWindow>

namespace {

QRect OnScreen(const QWidget* widget, const QRect& rect)
{
    return QRect(widget->mapToGlobal(rect.topLeft()), rect.size());
}

// Null where Qt made the chart a plain widget's interface while it was being built.
WeekChartAccessible* ChartFace(WeekChartView* chart)
{
    return dynamic_cast<WeekChartAccessible*>(QAccessible::queryAccessibleInterface(chart));
}

// What a part of the chart has in common: the chart it belongs to, which may be gone.
class ChartPart : public QAccessibleInterface {
public:
    explicit ChartPart(WeekChartView* chart)
        : view(chart)
    {
    }

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view ? view->window()->windowHandle() : nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<WeekChartView> view;
};

// One day's row: its summary, and its switches as children.
class DayFace : public ChartPart {
public:
    DayFace(WeekChartView* chart, int row)
        : ChartPart(chart)
        , row(row)
    {
    }

    bool isValid() const override { return !view.isNull(); }
    QAccessibleInterface* parent() const override
    {
        return view ? QAccessible::queryAccessibleInterface(view) : nullptr;
    }
    int childCount() const override { return view ? view->switchCount(row) : 0; }
    QAccessibleInterface* child(int index) const override
    {
        WeekChartAccessible* chart = view ? ChartFace(view) : nullptr;
        return chart && index >= 0 && index < childCount() ? chart->switchFace(row, index)
                                                           : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int index = 0; index < childCount(); ++index) {
            if (this->child(index) == child)
                return index;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int index = 0; index < childCount(); ++index) {
            if (child(index)->rect().contains(x, y))
                return child(index);
        }
        return nullptr;
    }
    QString text(QAccessible::Text kind) const override
    {
        return view && kind == QAccessible::Name ? view->daySummary(row) : QString();
    }
    QRect rect() const override { return view ? OnScreen(view, view->rowRect(row)) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override { return {}; }

private:
    int row;
};

// One switch: a button that chooses its step.
class SwitchFace : public ChartPart, public QAccessibleActionInterface {
public:
    SwitchFace(WeekChartView* chart, int row, int index)
        : ChartPart(chart)
        , row(row)
        , index(index)
    {
    }

    bool isValid() const override { return view && index < view->switchCount(row); }
    QAccessibleInterface* parent() const override
    {
        WeekChartAccessible* chart = view ? ChartFace(view) : nullptr;
        return chart ? chart->child(row) : nullptr;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        return view && kind == QAccessible::Name ? view->switchText(row, index) : QString();
    }
    QRect rect() const override
    {
        return view ? OnScreen(view, view->switchRect(row, index)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = view && view->hasFocus() && view->isCurrentSwitch(row, index);
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType kind) override
    {
        return kind == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (view && action == pressAction())
            view->chooseSwitch(row, index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    int row;
    int index;
};

QAccessibleInterface* MakeChartFace(const QString& className, QObject* object)
{
    if (className == QLatin1String("WeekChartView") && object && object->isWidgetType())
        return new WeekChartAccessible(static_cast<WeekChartView*>(object));
    return nullptr;
}

} // namespace

WeekChartAccessible::WeekChartAccessible(WeekChartView* chart)
    : QAccessibleWidget(chart, QAccessible::Chart)
{
}

WeekChartAccessible::~WeekChartAccessible()
{
    for (QAccessible::Id id : dayIds) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
    for (const auto& [key, id] : switchIds)
        QAccessible::deleteAccessibleInterface(id);
}

WeekChartView* WeekChartAccessible::chart() const
{
    return static_cast<WeekChartView*>(widget());
}

int WeekChartAccessible::childCount() const
{
    return int(dayIds.size());
}

QAccessibleInterface* WeekChartAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = dayIds[std::size_t(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new DayFace(chart(), index));
    return QAccessible::accessibleInterface(id);
}

int WeekChartAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int index = 0; index < childCount(); ++index) {
        if (this->child(index) == child)
            return index;
    }
    return -1;
}

QAccessibleInterface* WeekChartAccessible::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index) {
        if (child(index)->rect().contains(x, y))
            return child(index);
    }
    return nullptr;
}

QAccessibleInterface* WeekChartAccessible::focusChild() const
{
    for (int row = 0; chart()->hasFocus() && row < childCount(); ++row) {
        for (int index = 0; index < chart()->switchCount(row); ++index) {
            if (chart()->isCurrentSwitch(row, index))
                return switchFace(row, index);
        }
    }
    return nullptr;
}

QAccessibleInterface* WeekChartAccessible::switchFace(int row, int index) const
{
    QAccessible::Id& id = switchIds[{row, index}];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new SwitchFace(chart(), row, index));
    return QAccessible::accessibleInterface(id);
}

void InstallWeekChartAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeChartFace);
        return true;
    }();
    (void)installed;
}
