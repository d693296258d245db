#include "model/config1.h"

#include "app/guard.h"
#include "app/radiogroup.h"
#include "app/windowstyle.h"
#include "model/bufferconfig.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TConfig1::TConfig1(SetsBuffer& buffer, DialogGui& gui, QWidget* parent)
    : QDialog(parent)
    , buffer(buffer)
    , gui(gui)
{
    setObjectName(QStringLiteral("Config1"));
    setWindowTitle(QStringLiteral("Configure Sets Buffer"));
    ApplyDialogStyle(*this, {232, 212});

    Sets_Annuals = new RadioGroup(
        QStringLiteral("Select Configuration"),
        {QStringLiteral("16 Steps, 10 Annuals"), QStringLiteral("30 Steps, 3 Annuals")}, this);
    Sets_Annuals->setObjectName(QStringLiteral("Sets_Annuals"));
    Sets_Annuals->setGeometry(16, 8, 200, 64);

    auto* warning = new QFrame(this);
    warning->setFrameStyle(QFrame::Box | QFrame::Sunken);
    warning->setGeometry(16, 84, 200, 72);
    auto* lines = new QVBoxLayout(warning);
    const char* texts[] = {"Changing this configuration", "can corrupt data.  After",
                           "Changing, review sets carefully"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QLatin1String(texts[i]), warning);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        lines->addWidget(label);
    }

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Ok1"));
    ok->setGeometry(76, 170, 80, 28);
    ok->setDefault(true);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Sets_Annuals, &RadioGroup::clicked, this,
            [this] { RunGuarded(this, this->gui, [this] { Sets_AnnualsClick(); }); });
}

void TConfig1::showEvent(QShowEvent* event)
{
    FormCreate();
    QDialog::showEvent(event);
}

void TConfig1::FormCreate()
{
    Sets_Annuals->setItemIndex(LayoutItem(buffer));
}

void TConfig1::Sets_AnnualsClick()
{
    SetLayoutItem(buffer, Sets_Annuals->itemIndex());
    emit layoutChanged();
}
