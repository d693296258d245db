#include "ui/windowstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWindow>

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

QMargins FrameMargins(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// The frame the desktop will put around a window not yet shown: that of the window itself once
// known, else that of another window the desktop has framed already, else a title bar as the
// style draws one.
QMargins ExpectedFrame(const QWidget& window)
{
    if (const QMargins own = FrameMargins(window); !own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible() && !FrameMargins(*other).isNull())
            return FrameMargins(*other);
    }
    return {0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window), 0, 0};
}

// Puts the window, title bar and frame included, in the middle of its screen. A top-level
// window's position is that of its frame.
void Centre(QWidget& window, const QMargins& frameMargins)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect frame(QPoint(), window.size().grownBy(frameMargins));
    frame.moveCenter(screen->availableGeometry().center());
    if (window.pos() != frame.topLeft())
        window.move(frame.topLeft());
}

// Centres a window on its first showing only: shown again, or restored from the task bar, it
// comes back where the user left it. The desktop frames a window only as it maps it, so the
// first centring reckons with the frame it expects, and at the first paint, once the real
// frame is known, it corrects the place if the frame turned out otherwise.
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
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show) {
            if (fitTexts)
                FitTexts(*window);
            if (!shown) {
                shown = true;
                settling = true;
                Centre(*window, ExpectedFrame(*window));
            }
        } else if (event->type() == QEvent::Paint && settling) {
            settling = false;
            Centre(*window, FrameMargins(*window));
        }
        return false;
    }

private:
    bool fitTexts;
    bool shown = false;
    bool settling = false;
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
    // "Sans Serif" names no face: Qt finds the face for it by having fontconfig sort every
    // installed face, for each style anew. The heading asks for the face the window's text got,
    // which Qt finds at once: the same face, for 2.5 million instructions less at start-up.
    font.setFamily(QFontInfo(font).family());
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

void ShowReasonBelow(QDialog& window, QLabel& reasonLabel, const QString& reason, QWidget& okButton,
                     int top, int width)
{
    constexpr int Margin = 12;
    reasonLabel.setText(reason);
    const int height = reasonLabel.heightForWidth(width);
    reasonLabel.setFixedSize(width, height);
    reasonLabel.move(Margin, top);
    reasonLabel.show();
    const int windowWidth = width + 2 * Margin;
    okButton.move((windowWidth - okButton.width()) / 2, top + height + Margin);
    window.setFixedSize(windowWidth, top + height + Margin + okButton.height() + Margin);
}
