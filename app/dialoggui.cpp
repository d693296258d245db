#include "app/dialoggui.h"

#include <QDialog>
#include <QMessageBox>

int QtDialogGui::execModal(QDialog& window)
{
    return window.exec();
}

void QtDialogGui::showException(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QStringLiteral("Halvex"), text);
}
