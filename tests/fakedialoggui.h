#pragma once

#include "app/dialoggui.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

// Answers the program's modal windows in tests. Each modal window is shown without a modal
// loop and handed to the next queued answer, which drives its real controls; a window the
// answer leaves open is closed as by its close box.
class FakeDialogGui : public DialogGui {
public:
    using Answer = std::function<void(QDialog&)>;

    void answerNext(Answer answer) { answers.push_back(std::move(answer)); }

    int execModal(QDialog& window) override
    {
        shownWindows << window.objectName();
        window.setResult(QDialog::Rejected);
        window.show();
        if (!answers.empty()) {
            Answer answer = std::move(answers.front());
            answers.pop_front();
            answer(window);
        }
        if (window.isVisible())
            window.reject();
        return window.result();
    }

    void showException(QWidget*, const QString& text) override { exceptions << text; }

    QStringList shownWindows;
    QStringList exceptions;

private:
    std::deque<Answer> answers;
};
