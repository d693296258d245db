#pragma once

#include <QObject>

// Lets a program file be dropped on a window, from a file manager or a desktop: one local file
// at a time, handed on as a path through dropped().
class FileDrop : public QObject {
    Q_OBJECT

public:
    explicit FileDrop(QWidget& window);

signals:
    void dropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
