#pragma once
// Starting another program and ending this one at once (used to hand over to another
// installed program version). Tests install a backend that records instead of acting.
#include <QString>

namespace Process {

class Backend {
public:
    virtual ~Backend() = default;
    virtual bool StartDetached(const QString& program) = 0;
    virtual void TerminateCurrentProcess(int exitCode) = 0;
};

// Starts program as a new, independent process; false when it cannot be started.
bool StartDetached(const QString& program);

// Ends this process at once, without running any more of the program's code.
// With a test backend installed it returns after recording the call.
void TerminateCurrentProcess(int exitCode);

void SetBackend(Backend* backend);

}  // namespace Process
