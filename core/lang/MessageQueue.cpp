// The transfer's message queue. Kept apart from the message table so that code using only
// the tables does not pull in the message box.
#include "core/ProgramData.h"
#include "core/lang/ModMsg.h"
#include "platform/MessageBox.h"

#include <QStringList>
#include <algorithm>
#include <utility>

namespace {
// The count is a program-wide value; read it clamped so that a stray value never indexes
// outside the array.
int QueuedCount() {
    return std::clamp<int>(Prog::MsgQueue.count, 0, Prog::kMsgQueueSize);
}
}  // namespace

namespace ModMsg {

void QueueMessage(const QString& text) {
    auto& q = Prog::MsgQueue;
    int n = QueuedCount();
    if (n == Prog::kMsgQueueSize) {
        std::move(q.text.begin() + 1, q.text.end(), q.text.begin());
        n -= 1;
    }
    q.text[static_cast<std::size_t>(n)] = text;
    q.count = static_cast<int16>(n + 1);
}

}  // namespace ModMsg

namespace ModFun {

void ShowQueuedMessages() {
    const int n = QueuedCount();
    QStringList texts;
    for (int i = 0; i < n; ++i) texts << Prog::MsgQueue.text[static_cast<std::size_t>(i)];
    Prog::MsgQueue.count = 0;
    for (const QString& t : std::as_const(texts)) MsgBox::Show(t, MsgBox::OKOnly);
}

}  // namespace ModFun
