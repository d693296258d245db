#include "ui/dialoggui.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

std::optional<QString> RunFileDialog(QWidget* parent, const QString& fileName,
                                     const QString& filter, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    // Any name, even of a file that doesn't exist: the command that opens it reports the error.
    dialog.setFileMode(QFileDialog::AnyFile);
    // The name saved to is the chosen one with ".40t", so a question about the chosen one would
    // be about the wrong file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(filter);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

int QtDialogGui::execModal(QDialog& window)
{
    return window.exec();
}

void QtDialogGui::showException(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QStringLiteral("Halvex"), text);
}

std::optional<QString> QtDialogGui::getOpenFileName(QWidget* parent, const QString& fileName,
                                                    const QString& filter)
{
    return RunFileDialog(parent, fileName, filter, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogGui::getSaveFileName(QWidget* parent, const QString& fileName,
                                                    const QString& filter)
{
    return RunFileDialog(parent, fileName, filter, QFileDialog::AcceptSave);
}
