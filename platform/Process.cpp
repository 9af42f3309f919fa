#include "platform/Process.h"

#include <QProcess>

#include <cstdlib>

namespace Process {
namespace {

class SystemProcess final : public Backend {
public:
    bool StartDetached(const QString& program) override
    {
        QProcess process;
        process.setProgram(program);
        return process.startDetached();
    }

    // No exit handlers, no destructors, no buffered output of ours: the process just ends.
    [[noreturn]] void TerminateCurrentProcess(int exitCode) override { std::_Exit(exitCode); }
};

SystemProcess systemProcess;
Backend* current = &systemProcess;

}  // namespace

bool StartDetached(const QString& program) { return current->StartDetached(program); }

void TerminateCurrentProcess(int exitCode) { current->TerminateCurrentProcess(exitCode); }

void SetBackend(Backend* backend) { current = backend ? backend : &systemProcess; }

}  // namespace Process
