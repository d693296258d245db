#pragma once

#include "ui/dialoggui.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

// Answers the program's modal windows in tests. Each modal window is shown without a modal
// loop and handed to the next queued answer, which drives its real controls; a window the
// answer leaves open is closed as by its close box. The file dialogs take their answers from a
// queue of their own (a path, or nothing for Cancel; an empty queue cancels) and record what
// each was offered.
class FakeDialogGui : public DialogGui {
public:
    using Answer = std::function<void(QDialog&)>;

    struct FileDialog {
        QString kind; // "open" or "save"
        QString fileName;
        QString filter;
    };

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

    // A path confirms it; std::nullopt cancels.
    void answerFileDialog(std::optional<QString> path)
    {
        fileAnswers.push_back({path.has_value(), path.value_or(QString())});
    }

    std::optional<QString> getOpenFileName(QWidget*, const QString& fileName,
                                           const QString& filter) override
    {
        return answerFile(QStringLiteral("open"), fileName, filter);
    }
    std::optional<QString> getSaveFileName(QWidget*, const QString& fileName,
                                           const QString& filter) override
    {
        return answerFile(QStringLiteral("save"), fileName, filter);
    }

    QStringList shownWindows;
    QStringList exceptions;
    QList<FileDialog> fileDialogs;

private:
    std::optional<QString> answerFile(const QString& kind, const QString& fileName,
                                      const QString& filter)
    {
        fileDialogs << FileDialog{kind, fileName, filter};
        if (fileAnswers.empty())
            return std::nullopt;
        const FileAnswer answer = fileAnswers.front();
        fileAnswers.pop_front();
        if (!answer.confirmed)
            return std::nullopt;
        return answer.path;
    }

    std::deque<Answer> answers;
    struct FileAnswer {
        bool confirmed;
        QString path;
    };
    std::deque<FileAnswer> fileAnswers;
};
