#include "app/aboutbox.h"

#include "app/icons.h"
#include "app/windowstyle.h"

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

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Halvex"));
    ApplyDialogStyle(*this, {314, 176});

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 298, 118);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(ProgramIconImage().pixmap(32, 32));
    ProgramIcon->setGeometry(8, 8, 32, 32);

    ProductName = PlacedLabel(QStringLiteral("Halvex - KV40 Computer Software"), "ProductName",
                              Panel1, {56, 10, 230, 16});
    Maker = PlacedLabel(QStringLiteral("The halvex project"), "Maker", Panel1, {56, 28, 230, 16});
    Copyright = PlacedLabel(QStringLiteral("Copyright \u00a9 2007, 2026"), "Copyright", Panel1,
                            {56, 46, 230, 16});
    Author = PlacedLabel(QStringLiteral("Written by the halvex developers, December 2026"),
                         "Author", Panel1, {8, 66, 280, 16});

    Version = PlacedLabel(QStringLiteral("Version 1.06"), "Version", Panel1, {8, 88, 110, 22});
    QFont versionFont = Version->font();
    versionFont.setPointSize(12);
    Version->setFont(versionFont);
    VersionDate =
        PlacedLabel(QStringLiteral("(8 Dec 2026)"), "VersionDate", Panel1, {140, 93, 100, 16});

    OKButton = new QPushButton(OkButtonIcon(), QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(119, 136, 75, 33);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
