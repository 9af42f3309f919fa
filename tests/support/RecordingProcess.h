#pragma once
// Records program starts and the ending of the process instead of doing them. Installs
// itself as the process backend for its lifetime.
#include "platform/Process.h"

#include <QStringList>

#include <vector>

class RecordingProcess final : public Process::Backend {
public:
    RecordingProcess();
    ~RecordingProcess() override;
    RecordingProcess(const RecordingProcess&) = delete;
    RecordingProcess& operator=(const RecordingProcess&) = delete;

    // What StartDetached answers (true unless set otherwise).
    void SetStartSucceeds(bool succeeds) { startSucceeds_ = succeeds; }

    const QStringList& started() const { return started_; }
    const std::vector<int>& terminations() const { return terminations_; }  // exit codes, in order

    bool StartDetached(const QString& program) override;
    void TerminateCurrentProcess(int exitCode) override;

private:
    bool startSucceeds_ = true;
    QStringList started_;
    std::vector<int> terminations_;
};
