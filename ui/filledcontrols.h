#pragma once

#include <string>
#include <vector>

class QComboBox;
class QListWidget;

// Filling controls from the program is no user's choice: none of these runs a handler that is
// connected to the user's actions.
void ShowLines(QListWidget* list, const std::vector<std::string>& lines);
void SelectLine(QListWidget* list, int row);
void ShowItems(QComboBox* combo, const std::vector<std::string>& items); // and choose the first
