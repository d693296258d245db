#include "app/windowstyle.h"

#include <QDialog>
#include <QEvent>
#include <QScreen>

namespace {

class ScreenCentring : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QWidget*>(watched);
            if (const QScreen* screen = window->screen()) {
                QRect frame = window->frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window->move(frame.topLeft());
            }
        }
        return false;
    }
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
    KeepCentredOnScreen(window);
}

void KeepCentredOnScreen(QWidget& window)
{
    window.installEventFilter(new ScreenCentring(&window));
}
