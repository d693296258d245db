#pragma once

#include <QApplication>

class DialogGui;

// The application object. Commands guard themselves; this is the last line for an exception
// that escapes an event handler anyway: it is shown and the event loop goes on.
class HalvexApplication : public QApplication {
public:
    HalvexApplication(int& argc, char** argv, DialogGui& gui);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    DialogGui& gui;
};
