#include "tests/support/ScriptedFileDialogs.h"

ScriptedFileDialogs::ScriptedFileDialogs() { FileDialog::SetBackend(this); }

ScriptedFileDialogs::~ScriptedFileDialogs() { FileDialog::SetBackend(nullptr); }

void ScriptedFileDialogs::AnswerOpen(std::optional<QString> path) { openAnswers_.push_back(std::move(path)); }

void ScriptedFileDialogs::AnswerSave(std::optional<QString> path) { saveAnswers_.push_back(std::move(path)); }

int ScriptedFileDialogs::unscriptedCount() const
{
    int count = 0;
    for (const Asked& asked : requests_)
        count += asked.scripted ? 0 : 1;
    return count;
}

std::optional<QString> ScriptedFileDialogs::GetOpenFileName(const FileDialog::Request& request)
{
    return Next(Kind::Open, openAnswers_, request);
}

std::optional<QString> ScriptedFileDialogs::GetSaveFileName(const FileDialog::Request& request)
{
    return Next(Kind::Save, saveAnswers_, request);
}

std::optional<QString> ScriptedFileDialogs::Next(Kind kind, std::deque<std::optional<QString>>& answers,
                                                 const FileDialog::Request& request)
{
    requests_.push_back({kind, request, !answers.empty()});
    if (answers.empty())
        return std::nullopt;
    const QString answer = answers.front().value_or(QString());
    const bool cancelled = !answers.front().has_value();
    answers.pop_front();
    if (cancelled)
        return std::nullopt;
    return answer;
}
