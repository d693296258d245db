#include "ui/layoutdialog.h"

#include "model/bufferconfig.h"
#include "ui/guard.h"
#include "ui/radiogroup.h"
#include "ui/windowstyle.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LayoutDialog::LayoutDialog(const SetsBuffer& buffer, DialogGui& gui, QWidget* parent)
    : QDialog(parent)
    , buffer(buffer)
    , gui(gui)
{
    setObjectName(QStringLiteral("layoutDialog"));
    setWindowTitle(tr("Configure Sets Buffer"));
    ApplyDialogStyle(*this, {232, 212});

    layoutGroup = new RadioGroup(tr("Select Configuration"),
                                 {tr("16 Steps, 10 Annuals"), tr("30 Steps, 3 Annuals")}, this);
    layoutGroup->setObjectName(QStringLiteral("layoutGroup"));
    layoutGroup->setGeometry(16, 8, 200, 64);

    auto* warning = new QFrame(this);
    warning->setFrameStyle(QFrame::Box | QFrame::Sunken);
    warning->setGeometry(16, 84, 200, 72);
    auto* lines = new QVBoxLayout(warning);
    // One text for the translator, set in its three lines as the warning has always been.
    const QStringList texts = tr("Changing this configuration\ncan corrupt data.  After\n"
                                 "Changing, review sets carefully")
                                  .split(QLatin1Char('\n'));
    for (int i = 0; i < texts.size(); ++i) {
        auto* label = new QLabel(texts[i], warning);
        label->setObjectName(QStringLiteral("warning%1").arg(i + 1));
        lines->addWidget(label);
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(76, 170, 80, 28);
    ok->setDefault(true);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(layoutGroup, &RadioGroup::clicked, this, [this](int item) {
        RunGuarded(this, this->gui, [this, item] { emit layoutChosen(item); });
    });
}

// Each showing starts from the layout in force.
void LayoutDialog::showEvent(QShowEvent* event)
{
    layoutGroup->setItemIndex(LayoutItem(buffer));
    QDialog::showEvent(event);
}
