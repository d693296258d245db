#include "ui/wheelfilter.h"

#include <QComboBox>
#include <QEvent>

namespace {

class WheelFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
            return false;
        event->ignore();
        return true; // the list never sees it
    }
};

} // namespace

void TakeWheelOnlyWithFocus(QComboBox& list)
{
    list.setFocusPolicy(Qt::StrongFocus); // not Qt::WheelFocus
    list.installEventFilter(new WheelFilter(&list));
}
