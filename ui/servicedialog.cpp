#include "ui/servicedialog.h"

#include "ui/icons.h"
#include "ui/windowstyle.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

struct ServiceLine {
    const char* name;
    const char* text;
    bool heading;
};

// Two contacts: the service desk with its town, and the makers of the program. The numbers are
// of the range kept free for examples.
constexpr ServiceLine ServiceLines[] = {
    {"ServiceHeading", QT_TRANSLATE_NOOP("ServiceDialog", "Service and clock programming:"), true},
    {"ServiceCompany", QT_TRANSLATE_NOOP("ServiceDialog", "Halvex Service Desk"), false},
    {"ServiceTown", QT_TRANSLATE_NOOP("ServiceDialog", "Example Town"), false},
    {"ServicePhone", QT_TRANSLATE_NOOP("ServiceDialog", "Tel. 555-0142"), false},
    {"MakerHeading", QT_TRANSLATE_NOOP("ServiceDialog", "Program:"), true},
    {"MakerName", QT_TRANSLATE_NOOP("ServiceDialog", "The halvex project"), false},
    {"MakerPhone", QT_TRANSLATE_NOOP("ServiceDialog", "Tel. 555-0199"), false},
};

constexpr int LineHeight = 18;

} // namespace

ServiceDialog::ServiceDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("serviceDialog"));
    setWindowTitle(tr("Service"));
    ApplyDialogStyle(*this, {261, 211});

    panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 245, 150);

    int y = 8;
    for (const ServiceLine& line : ServiceLines) {
        if (line.heading && y > 8)
            y += LineHeight / 3; // a little air before the second contact
        auto* label = new QLabel(tr(line.text), panel);
        label->setObjectName(QLatin1String(line.name));
        // The window's own face throughout: loading a bold one for two headings would cost
        // the program's start-up more than the rest of this window.
        label->setIndent(line.heading ? 0 : 12);
        label->setGeometry(10, y, 225, LineHeight - 2);
        y += LineHeight;
    }

    okButton = new QPushButton(OkButtonIcon(), tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(93, 168, 75, 33);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}
