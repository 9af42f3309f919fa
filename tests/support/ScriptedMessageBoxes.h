#pragma once
// Message boxes answered from a script. Installs itself as the message-box backend for its
// lifetime and records every box shown. A box without a scripted answer gets its first
// button and is marked, so a test can assert that nothing unexpected was asked.
#include "platform/MessageBox.h"

#include <QStringList>

#include <deque>
#include <initializer_list>
#include <vector>

class ScriptedMessageBoxes final : public MsgBox::Backend {
public:
    struct Shown {
        QString prompt;
        int style = 0;
        QString title;          // as the box shows it (the application title when none was given)
        MsgBox::Result answer = MsgBox::OK;
        bool scripted = true;   // false: the queue was empty
    };

    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    // Queues answers for the next boxes, in order.
    void Answer(MsgBox::Result result);
    void Answer(std::initializer_list<MsgBox::Result> results);

    const std::vector<Shown>& shown() const { return shown_; }
    QStringList prompts() const;
    int unscriptedCount() const;
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }
    void Clear();

    MsgBox::Result Show(const QString& prompt, int style, const QString& title) override;

private:
    std::deque<MsgBox::Result> answers_;
    std::vector<Shown> shown_;
};
