#include "ui/aboutdialog.h"

#include "ui/icons.h"
#include "ui/windowstyle.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// A label at its place; the window widens it to its text when shown.
QLabel* PlacedLabel(const QString& text, const char* name, QWidget* parent, QRect place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Halvex"));
    ApplyDialogStyle(*this, {314, 176});

    panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 298, 118);

    programIcon = new QLabel(panel);
    programIcon->setObjectName(QStringLiteral("programIcon"));
    programIcon->setPixmap(ProgramIconImage().pixmap(32, 32));
    programIcon->setGeometry(8, 8, 32, 32);

    productName =
        PlacedLabel(tr("Halvex - KV40 Computer Software"), "productName", panel, {56, 10, 230, 16});
    maker = PlacedLabel(tr("The halvex project"), "maker", panel, {56, 28, 230, 16});
    copyright =
        PlacedLabel(tr("Copyright \u00a9 2007, 2026"), "copyright", panel, {56, 46, 230, 16});
    author = PlacedLabel(tr("Written by the halvex developers, December 2026"), "author", panel,
                         {8, 66, 280, 16});

    version = PlacedLabel(tr("Version 1.06"), "version", panel, {8, 88, 110, 22});
    QFont versionFont = version->font();
    versionFont.setPointSize(12);
    version->setFont(versionFont);
    versionDate = PlacedLabel(tr("(8 Dec 2026)"), "versionDate", panel, {140, 93, 100, 16});

    okButton = new QPushButton(OkButtonIcon(), tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(119, 136, 75, 33);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}
