#pragma once
// The link's reply time-out, run by the test instead of the clock. While a ReplyTimeouts
// lives, WaitTimer never runs out by itself; a pending time-out runs once the test's
// replyMissing() holds and every event posted before has been handled (a lost port's
// report, for one, comes first). With LineQuiet as replyMissing, a time-out runs only when
// nothing the radio sent is still on its way: a slow machine makes a test slower, never
// turns a late reply into a lost one.
#include <QObject>
#include <QTimer>

#include <functional>

class InProcessSerialLine;
class RadioEmulator;

// Nothing under way on line in either direction and nothing left for radio to send.
bool LineQuiet(const InProcessSerialLine& line, const RadioEmulator& radio);

class ReplyTimeouts final : public QObject {
public:
    // No replyMissing: no time-out runs (a test in which every reply comes).
    explicit ReplyTimeouts(std::function<bool()> replyMissing = {});
    ~ReplyTimeouts() override;
    ReplyTimeouts(const ReplyTimeouts&) = delete;
    ReplyTimeouts& operator=(const ReplyTimeouts&) = delete;

    void SetReplyMissing(std::function<bool()> replyMissing) { replyMissing_ = std::move(replyMissing); }

protected:
    bool event(QEvent* e) override;

private:
    bool Due() const;
    void Check();

    std::function<bool()> replyMissing_;
    QTimer poll_;
    bool markerPosted_ = false;
};
