#include "ui/recoverdialog.h"

#include "print/programtext.h"
#include "ui/dialoggui.h"
#include "ui/windowstyle.h"

#include <QDateTime>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

namespace {

constexpr QSize ClientSize{460, 300};
constexpr int ShownLines = 3; // the status line and the first two steps

// "15/12/2026 14:03", then the program's first lines as "halvex show" writes them.
QString Describe(const KeptProgram& kept)
{
    const QDateTime keptAt = QDateTime::fromSecsSinceEpoch(kept.keptAt);
    QStringList lines{QLocale().toString(keptAt, QLocale::ShortFormat)};
    SetsBuffer program;
    PutImage(program, kept.image);
    for (const std::string& line : ProgramText(program)) {
        if (!line.empty() && lines.size() <= ShownLines)
            lines << QStringLiteral("    ") + QString::fromStdString(line);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

RecoverDialog::RecoverDialog(const std::vector<KeptProgram>& kept, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("recoverDialog"));
    setWindowTitle(tr("Recover Unsaved Program"));
    ApplyDialogStyle(*this, ClientSize);

    auto* heading = new QLabel(tr("&Programs left unsaved:"), this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setGeometry(12, 8, 436, 20);
    keptList = new QListWidget(this);
    keptList->setObjectName(QStringLiteral("keptList"));
    keptList->setGeometry(12, 30, 436, 220);
    heading->setBuddy(keptList);
    keptList->setAccessibleName(tr("Programs left unsaved"));
    for (const KeptProgram& program : kept)
        keptList->addItem(Describe(program));
    keptList->setCurrentRow(0);

    auto* recover = new QPushButton(tr("&Recover"), this);
    recover->setObjectName(QStringLiteral("okButton"));
    recover->setGeometry(276, 262, 80, 26);
    recover->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(368, 262, 80, 26);

    connect(recover, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(keptList, &QListWidget::itemActivated, this, &QDialog::accept);
}

int RecoverDialog::chosen() const
{
    return keptList->currentRow();
}

std::optional<KeptProgram> ChooseKeptProgram(QWidget* parent, DialogGui& gui,
                                             const std::vector<KeptProgram>& kept)
{
    if (kept.size() < 2)
        return kept.empty() ? std::nullopt : std::optional(kept.front());
    RecoverDialog dialog(kept, parent);
    if (gui.execModal(dialog) != QDialog::Accepted || dialog.chosen() < 0)
        return std::nullopt;
    return kept.at(static_cast<std::size_t>(dialog.chosen()));
}
