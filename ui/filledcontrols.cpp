#include "ui/filledcontrols.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

QStringList ToQt(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

} // namespace

// A list emits currentRowChanged() however its row changes, so it is kept quiet here.
void ShowLines(QListWidget* list, const std::vector<std::string>& lines)
{
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(ToQt(lines));
}

void SelectLine(QListWidget* list, int row)
{
    const QSignalBlocker quiet(list);
    list->setCurrentRow(row);
}

// The drop-down lists' handlers hang on activated(), which code never emits.
void ShowItems(QComboBox* combo, const std::vector<std::string>& items)
{
    combo->clear();
    combo->addItems(ToQt(items));
    combo->setCurrentIndex(0);
}
