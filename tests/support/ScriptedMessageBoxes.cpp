#include "tests/support/ScriptedMessageBoxes.h"

ScriptedMessageBoxes::ScriptedMessageBoxes() { MsgBox::SetBackend(this); }

ScriptedMessageBoxes::~ScriptedMessageBoxes() { MsgBox::SetBackend(nullptr); }

void ScriptedMessageBoxes::Answer(MsgBox::Result result) { answers_.push_back(result); }

void ScriptedMessageBoxes::Answer(std::initializer_list<MsgBox::Result> results)
{
    answers_.insert(answers_.end(), results.begin(), results.end());
}

QStringList ScriptedMessageBoxes::prompts() const
{
    QStringList texts;
    for (const Shown& box : shown_)
        texts << box.prompt;
    return texts;
}

int ScriptedMessageBoxes::unscriptedCount() const
{
    int count = 0;
    for (const Shown& box : shown_)
        count += box.scripted ? 0 : 1;
    return count;
}

void ScriptedMessageBoxes::Clear()
{
    answers_.clear();
    shown_.clear();
}

MsgBox::Result ScriptedMessageBoxes::Show(const QString& prompt, int style, const QString& title)
{
    Shown box{prompt, style, title, MsgBox::FirstButton(style), !answers_.empty()};
    if (box.scripted) {
        box.answer = answers_.front();
        answers_.pop_front();
    }
    shown_.push_back(box);
    return box.answer;
}
