// The transfer's message queue: order, emptying, the size limit and a stray count.
#include "core/ProgramData.h"
#include "core/lang/ModMsg.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Box {
    QString prompt;
    int style;
};

class RecordingBackend : public MsgBox::Backend {
public:
    std::vector<Box> boxes;
    std::function<void()> onShow;
    MsgBox::Result Show(const QString& prompt, int style, const QString&) override {
        boxes.push_back({prompt, style});
        if (onShow) onShow();
        return MsgBox::OK;
    }
};

class MessageQueue : public ::testing::Test {
protected:
    RecordingBackend backend;
    void SetUp() override {
        Prog::Reset();
        MsgBox::SetBackend(&backend);
    }
    void TearDown() override {
        MsgBox::SetBackend(nullptr);
        Prog::Reset();
    }
    QStringList Shown() const {
        QStringList out;
        for (const Box& b : backend.boxes) out << b.prompt;
        return out;
    }
};

TEST_F(MessageQueue, ThreeQueuedMessagesShowThreeOkBoxesInOrder) {
    ModMsg::QueueMessage(QStringLiteral("Model type is wrong."));
    ModMsg::QueueMessage(QStringLiteral("second"));
    ModMsg::QueueMessage(QStringLiteral("third"));
    EXPECT_EQ(Prog::MsgQueue.count, 3);

    ModFun::ShowQueuedMessages();

    EXPECT_EQ(Shown(), (QStringList{"Model type is wrong.", "second", "third"}));
    for (const Box& b : backend.boxes) EXPECT_EQ(b.style, MsgBox::OKOnly);
    EXPECT_EQ(Prog::MsgQueue.count, 0);
}

TEST_F(MessageQueue, EmptyQueueShowsNothingAndShownQueueIsNotShownAgain) {
    ModFun::ShowQueuedMessages();
    EXPECT_TRUE(backend.boxes.empty());

    ModMsg::QueueMessage(QStringLiteral("once"));
    ModFun::ShowQueuedMessages();
    ModFun::ShowQueuedMessages();
    EXPECT_EQ(Shown(), QStringList{"once"});
}

TEST_F(MessageQueue, FullQueueDropsTheOldestMessage) {
    for (int i = 0; i <= 1001; ++i) ModMsg::QueueMessage(QString::number(i));  // 1002 messages
    EXPECT_EQ(Prog::MsgQueue.count, 1001);

    ModFun::ShowQueuedMessages();

    ASSERT_EQ(backend.boxes.size(), 1001u);
    EXPECT_EQ(backend.boxes.front().prompt, "1");
    EXPECT_EQ(backend.boxes[500].prompt, "501");
    EXPECT_EQ(backend.boxes.back().prompt, "1001");
}

TEST_F(MessageQueue, StrayCountNeverIndexesOutsideTheQueue) {
    Prog::MsgQueue.count = -5;
    ModFun::ShowQueuedMessages();
    EXPECT_TRUE(backend.boxes.empty());
    EXPECT_EQ(Prog::MsgQueue.count, 0);

    Prog::MsgQueue.count = -5;
    ModMsg::QueueMessage(QStringLiteral("first"));
    EXPECT_EQ(Prog::MsgQueue.count, 1);
    EXPECT_EQ(Prog::MsgQueue.text[0], "first");

    Prog::MsgQueue.count = 2000;
    ModMsg::QueueMessage(QStringLiteral("newest"));
    EXPECT_EQ(Prog::MsgQueue.count, 1001);
    EXPECT_EQ(Prog::MsgQueue.text[1000], "newest");
}

TEST_F(MessageQueue, MessageQueuedWhileABoxIsOpenWaitsForTheNextShowing) {
    ModMsg::QueueMessage(QStringLiteral("a"));
    ModMsg::QueueMessage(QStringLiteral("b"));
    backend.onShow = [this] {
        backend.onShow = nullptr;
        ModMsg::QueueMessage(QStringLiteral("late"));
    };

    ModFun::ShowQueuedMessages();
    EXPECT_EQ(Shown(), (QStringList{"a", "b"}));
    EXPECT_EQ(Prog::MsgQueue.count, 1);

    ModFun::ShowQueuedMessages();
    EXPECT_EQ(Shown(), (QStringList{"a", "b", "late"}));
}

}  // namespace
