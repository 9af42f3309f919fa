#pragma once
// File dialogs answered from a script: separate queues for Open and Save, std::nullopt
// meaning Cancel. Installs itself as the file-dialog backend for its lifetime and records
// every request. A dialog without a scripted answer is cancelled and marked.
#include "platform/FileDialog.h"

#include <deque>
#include <optional>
#include <vector>

class ScriptedFileDialogs final : public FileDialog::Backend {
public:
    enum class Kind { Open, Save };
    struct Asked {
        Kind kind = Kind::Open;
        FileDialog::Request request;
        bool scripted = true;
    };

    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void AnswerOpen(std::optional<QString> path);
    void AnswerSave(std::optional<QString> path);

    const std::vector<Asked>& requests() const { return requests_; }
    int unscriptedCount() const;

    std::optional<QString> GetOpenFileName(const FileDialog::Request& request) override;
    std::optional<QString> GetSaveFileName(const FileDialog::Request& request) override;

private:
    std::optional<QString> Next(Kind kind, std::deque<std::optional<QString>>& answers,
                                const FileDialog::Request& request);

    std::deque<std::optional<QString>> openAnswers_;
    std::deque<std::optional<QString>> saveAnswers_;
    std::vector<Asked> requests_;
};
