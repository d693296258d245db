#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QRadioButton;

// A titled group of radio buttons whose choice is an item index, -1 when none is checked.
// Setting the choice from code emits nothing; clicked() reports only the user's clicks.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const { return group.checkedId(); }
    void setItemIndex(int index);
    QRadioButton* button(int index) const;

signals:
    void clicked(int index);

private:
    QButtonGroup group;
};
