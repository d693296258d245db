#include "app/serviceform.h"

#include "app/icons.h"
#include "app/windowstyle.h"

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
    {"ServiceHeading", "Service and clock programming:", true},
    {"ServiceCompany", "Halvex Service Desk", false},
    {"ServiceTown", "Example Town", false},
    {"ServicePhone", "Tel. 555-0142", false},
    {"MakerHeading", "Program:", true},
    {"MakerName", "The halvex project", false},
    {"MakerPhone", "Tel. 555-0199", false},
};

constexpr int LineHeight = 18;

} // namespace

TServiceForm::TServiceForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ServiceForm"));
    setWindowTitle(QStringLiteral("Service"));
    ApplyDialogStyle(*this, {261, 211});

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 245, 150);

    int y = 8;
    for (const ServiceLine& line : ServiceLines) {
        if (line.heading && y > 8)
            y += LineHeight / 3; // a little air before the second contact
        auto* label = new QLabel(QLatin1String(line.text), Panel1);
        label->setObjectName(QLatin1String(line.name));
        // The window's own face throughout: loading a bold one for two headings would cost
        // the program's start-up more than the rest of this window.
        label->setIndent(line.heading ? 0 : 12);
        label->setGeometry(10, y, 225, LineHeight - 2);
        y += LineHeight;
    }

    OKButton = new QPushButton(OkButtonIcon(), QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(93, 168, 75, 33);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
