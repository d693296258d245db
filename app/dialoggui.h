#pragma once

#include <QString>

class QDialog;
class QWidget;

// The modal questions the program puts to the user. The windows ask through this interface, so
// tests answer them without a real modal loop.
class DialogGui {
public:
    virtual ~DialogGui() = default;

    // Shows the window modally; returns its result (QDialog::Accepted or Rejected) once closed.
    virtual int execModal(QDialog& window) = 0;

    // Shows an error that escaped a command; the program goes on afterwards.
    virtual void showException(QWidget* parent, const QString& text) = 0;
};

// The real dialogs of the desktop.
class QtDialogGui : public DialogGui {
public:
    int execModal(QDialog& window) override;
    void showException(QWidget* parent, const QString& text) override;
};
