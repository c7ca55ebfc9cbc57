#pragma once
#include "common/Dialogs.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <deque>
#include <functional>

namespace mirevo::test {

// A dialog door for tests: records every message and answers questions and
// file dialogs from queues (No and "cancel" when a queue is empty). A
// window of the program's own is handed to the next queued action, which
// acts on it by its controls and gives its result; with none queued it is
// accepted as it stands, as its default button would.
class ScriptedDialogs final : public Dialogs {
public:
    ScriptedDialogs() { Dialogs::install(this); }
    ~ScriptedDialogs() override { Dialogs::install(nullptr); }

    void message(const QString& text, Kind kind, Button button) override
    {
        messages << text;
        kinds.push_back(kind);
        buttons.push_back(button);
    }
    bool askYesNo(const QString& text, Kind kind) override
    {
        questions << text;
        questionKinds.push_back(kind);
        if (answers.empty())
            return false;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString openFileName(const QString& filter, const QString& folder) override
    {
        filters << filter;
        folders << folder;
        return next(openNames);
    }
    QString saveFileName(const QString& filter, const QString& folder, const QString& proposed) override
    {
        filters << filter;
        folders << folder;
        proposedNames << proposed;
        return next(saveNames);
    }
    void beep() override { ++beeps; }
    bool openWithDesktop(const QString& target) override
    {
        opened << target;
        return desktopOpens;
    }
    int exec(QDialog& dialog) override
    {
        ++windowsShown;
        if (windowActions.empty())
            return 1; // QDialog::Accepted
        auto action = std::move(windowActions.front());
        windowActions.pop_front();
        return action(dialog);
    }

    QStringList messages;
    std::vector<Kind> kinds;
    std::vector<Button> buttons;
    QStringList questions;
    std::vector<Kind> questionKinds;
    std::deque<bool> answers;
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    QStringList filters, folders, proposedNames, opened;
    // How many windows exec() was given, and what to do with the next ones.
    int windowsShown = 0;
    std::deque<std::function<int(QDialog&)>> windowActions;
    int beeps = 0;
    bool desktopOpens = true; // whether a program of the desktop takes what it is given

private:
    static QString next(std::deque<QString>& queue)
    {
        if (queue.empty())
            return {};
        QString name = queue.front();
        queue.pop_front();
        return name;
    }
};

} // namespace mirevo::test
