#include "tests/support/RecordingProcess.h"

RecordingProcess::RecordingProcess() { Process::SetBackend(this); }

RecordingProcess::~RecordingProcess() { Process::SetBackend(nullptr); }

bool RecordingProcess::StartDetached(const QString& program)
{
    started_ << program;
    return startSucceeds_;
}

void RecordingProcess::TerminateCurrentProcess(int exitCode) { terminations_.push_back(exitCode); }
