#include "ui/radiogroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 0, 2, 2);
    column->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group.addButton(button, i);
        column->addWidget(button);
    }
    connect(&group, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* chosen = group.button(index)) {
        chosen->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button, so lift exclusivity for a moment.
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons())
        button->setChecked(false);
    group.setExclusive(true);
}

QRadioButton* RadioGroup::button(int index) const
{
    return static_cast<QRadioButton*>(group.button(index));
}
