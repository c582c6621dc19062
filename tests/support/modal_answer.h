// SPDX-License-Identifier: GPL-3.0-or-later
// Answering the windows a Qt test opens: a modal dialog's exec() waits for
// the user, so the answer is prepared before the call that opens it; a
// window that blocks nothing is found on screen after the call.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_chooser.h"

namespace orvanta::test {

// Runs an answer on the next modal window that opens, once; it stops
// waiting when it goes out of scope.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer) {
        QObject::connect(&poll_, &QTimer::timeout, [this, answer] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                poll_.stop();
                answer(modal);
            }
        });
        poll_.start(5);
    }

private:
    QTimer poll_;
};

// The program's windows that block nothing are answered where they stand:
// the visible top-level window with this title, the latest shown first;
// nullptr when none is on screen.
inline QWidget* shownWindow(const QString& title) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if ((*it)->isVisible() && (*it)->windowTitle() == title) return *it;
    }
    return nullptr;
}

// Answers the file dialogs with the prepared answers in turn (empty:
// cancel; none left: cancel) and keeps what each was asked. It answers at
// once, or, while `holding`, when answerHeld() is called, as a user who
// leaves the dialog open a while.
struct ScriptedFileChooser : platform::FileChooser {
    void fileToOpen(const std::string& title, const std::string& initialPath, const std::string& filters,
                    Answer answer) override {
        ask("open " + title + " | " + filters, initialPath, std::move(answer));
    }
    void fileToSave(const std::string& title, const std::string& initialPath, const std::string& filters,
                    Answer answer) override {
        ask("save " + title + " | " + filters, initialPath, std::move(answer));
    }
    void ask(std::string question, const std::string& initialPath, Answer answer) {
        asked.push_back(std::move(question));
        initialPaths.push_back(initialPath);
        held.push_back(std::move(answer));
        if (!holding) answerHeld();
    }
    void answerHeld() {
        while (!held.empty()) {
            const Answer answer = std::move(held.front());
            held.pop_front();
            std::string next;
            if (!answers.empty()) {
                next = answers.front();
                answers.pop_front();
            }
            answer(next);
        }
    }
    std::deque<std::string> answers;
    std::vector<std::string> asked;
    std::vector<std::string> initialPaths;
    bool holding = false;
    std::deque<Answer> held;
};

}  // namespace orvanta::test
