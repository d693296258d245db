#include "ui/windowstyle.h"

#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QScreen>

namespace {

// Widens every label and check box of a window to its text, where the face the desktop gives
// runs wider than the place the window keeps for it. Done when the window is shown rather than
// when it is made: measuring text loads the window's fonts, and the program makes all of its
// windows at start-up though most runs never show them.
void FitTexts(QWidget& window)
{
    auto fit = [](QWidget* text) { text->resize(text->size().expandedTo(text->sizeHint())); };
    for (QLabel* label : window.findChildren<QLabel*>())
        fit(label);
    for (QCheckBox* check : window.findChildren<QCheckBox*>())
        fit(check);
}

class ShowingOnScreen : public QObject {
public:
    ShowingOnScreen(QObject* parent, bool fitTexts)
        : QObject(parent)
        , fitTexts(fitTexts)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            if (fitTexts)
                FitTexts(*window);
            if (const QScreen* screen = window->screen()) {
                QRect frame = window->frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window->move(frame.topLeft());
            }
        }
        return false;
    }

private:
    bool fitTexts;
};

} // namespace

QFont WindowFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QFont HeadingFont(int pointSize)
{
    QFont font = WindowFont();
    font.setPointSize(pointSize);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

void ApplyDialogStyle(QDialog& window, QSize clientSize)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setFont(WindowFont());
    window.setFixedSize(clientSize);
    window.setModal(true);
    window.installEventFilter(new ShowingOnScreen(&window, true));
}

void KeepCentredOnScreen(QWidget& window)
{
    window.installEventFilter(new ShowingOnScreen(&window, false));
}
