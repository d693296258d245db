#pragma once

#include <QString>

#include <optional>

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

    // The open-file and save-file dialogs. fileName is the name the dialog offers (a full path,
    // or empty); filter lists its file types in Qt's syntax, "Name (*.ext);;All Files (*)", the
    // first one chosen. Returns the path the user confirmed, or nothing when they cancelled. The
    // open dialog takes the name of a file that doesn't exist: opening it then fails visibly.
    // The save dialog asks no question about a file that exists.
    virtual std::optional<QString> getOpenFileName(QWidget* parent, const QString& fileName,
                                                   const QString& filter) = 0;
    virtual std::optional<QString> getSaveFileName(QWidget* parent, const QString& fileName,
                                                   const QString& filter) = 0;
};

// The real dialogs of the desktop.
class QtDialogGui : public DialogGui {
public:
    int execModal(QDialog& window) override;
    void showException(QWidget* parent, const QString& text) override;
    std::optional<QString> getOpenFileName(QWidget* parent, const QString& fileName,
                                           const QString& filter) override;
    std::optional<QString> getSaveFileName(QWidget* parent, const QString& fileName,
                                           const QString& filter) override;
};
