#include "platform/Process.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

TEST(Process, StartDetachedReportsWhetherTheProgramStarted)
{
    const QString trueProgram = QStandardPaths::findExecutable("true");
    ASSERT_FALSE(trueProgram.isEmpty());
    EXPECT_TRUE(Process::StartDetached(trueProgram));
    EXPECT_FALSE(Process::StartDetached("/nonexistent/V300/ZRW7310N_II"));
}

// Ending at once: the exit code is kept and no exit handler of the program runs.
TEST(ProcessDeathTest, TerminateEndsAtOnce)
{
    EXPECT_EXIT(
        {
            std::atexit([] { std::fputs("exit handler ran", stderr); });
            Process::TerminateCurrentProcess(3);
            std::fputs("went on", stderr);
        },
        ::testing::ExitedWithCode(3), "^$");
}

}  // namespace
