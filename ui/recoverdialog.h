#pragma once

#include "files/recoveryfile.h"

#include <QDialog>

#include <optional>
#include <vector>

class DialogGui;
class QListWidget;

// "Recover Unsaved Program": the programs that windows which have ended left unsaved, one a
// line with the time it was kept and its first lines, the newest first and chosen.
class RecoverDialog : public QDialog {
    Q_OBJECT

public:
    RecoverDialog(const std::vector<KeptProgram>& kept, QWidget* parent = nullptr);

    int chosen() const; // the line chosen, -1 for none

    QListWidget* keptList = nullptr;
};

// The kept program to recover: the only one there is, or the one the user picks in the
// RecoverDialog when there are several. Nothing when there is none or the user cancels.
std::optional<KeptProgram> ChooseKeptProgram(QWidget* parent, DialogGui& gui,
                                             const std::vector<KeptProgram>& kept);
