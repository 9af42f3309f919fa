#pragma once
// A transfer test bench: a fresh installation tree, the radio emulator on an in-process
// line behind COM kCom, scripted message boxes and fake window services whose calls and
// boxes land on one time line, the log clock fixed, and reply time-outs that run only
// when the test says so.
#include "core/ProgramData.h"
#include "link/LinkData.h"
#include "link/ModComm.h"
#include "platform/serial/InProcessSerialBackend.h"
#include "tests/core/CoreTestEnv.h"
#include "tests/support/FakeWindowServices.h"
#include "tests/support/ReplyTimeouts.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestLoop.h"
#include "tests/support/WorkingData.h"
#include "tests/support/emulator/RadioEmulator.h"

#include <QDateTime>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace LinkTest {

constexpr int kCom = 5;
// How long a wait may take before the test counts as hung: whole transfers under a
// sanitizer on a loaded machine take tens of seconds, and only a hang takes this long.
constexpr int kHangMs = 300000;

using TestData::WorkingData;
using TestLoop::EnsureApp;
using TestLoop::Spin;
// Runs the event loop until done() holds or about timeoutMs have passed; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = kHangMs) {
    return TestLoop::WaitUntil(done, timeoutMs);
}

// Addresses 0x0000..0x65FF of RadioImage: what travels over the wire.
QByteArray Transferred();
// 0x6600 random bytes.
QByteArray RandomImage(unsigned seed);

// Empties the working data: a blank record and channel table.
void ClearWorkingData();

// Where the working data (Prog::RadioData, counts included, and every used slot of
// Prog::ChInfo) differs from what unpacking image gives after ClearWorkingData: "RadioData",
// "ChCount(m,g)", "slot(m,g,s)", separated by blanks; empty when they agree. Leaves the
// working data, the band range and Link::RadioImage as they were.
std::string DifferencesFromUnpacked(const QByteArray& image);

// Faults that drop the replies numbered (1 = the first reply the radio makes).
RadioEmulatorFaults DropReplies(std::initializer_list<int> numbers);

// The moment every log line of these tests carries: 8 December 2026, 09:05:03.
QDateTime FixedNow();

// Boxes go to the script; each is also put on the window services' time line as
// "Box <prompt>". An optional hook runs inside the box, as a modal box's own event loop
// would let events run.
class TimelineBoxes final : public MsgBox::Backend {
public:
    TimelineBoxes(ScriptedMessageBoxes& script, FakeWindowServices& windows);
    ~TimelineBoxes() override;
    MsgBox::Result Show(const QString& prompt, int style, const QString& title) override;
    std::function<void()> whileShown;

private:
    ScriptedMessageBoxes& script_;
    FakeWindowServices& windows_;
};

class LinkFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // What a transfer command and its progress window do: open, fill, start.
    void StartTransfer(int16 commType);
    // From now on a pending time-out runs once the line is quiet (by default none runs).
    void TimeOutWhenQuiet();
    // Runs until the link is idle again.
    bool RunToEnd(int timeoutMs = kHangMs);
    // Starts and runs a whole transfer.
    bool Transfer(int16 commType);

    QStringList LogLines() const;
    // Frames the radio saw, as hex texts ("PROGRAM" gives 50524F4752414D).
    QStringList FramesSeen() const { return frames; }
    // Window calls and boxes that start with prefix, in order.
    QStringList CallsOf(const QString& prefix) const;
    // The percentages shown, in order, and every other window call and box.
    QList<int> ProgressShown() const;
    QStringList CallsBesideProgress() const;

    std::unique_ptr<CoreTestEnv> env;
    std::unique_ptr<ReplyTimeouts> timeouts;
    FakeWindowServices windows;
    ScriptedMessageBoxes boxes;
    TimelineBoxes timeline{boxes, windows};
    InProcessSerialLine line;
    RadioEmulator radio;
    QStringList frames;
};

}  // namespace LinkTest
