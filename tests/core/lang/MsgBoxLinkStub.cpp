// Weak stand-ins for the message-box layer so that these tests link whether or not its
// implementation is in the platform library. When that object is linked, its definitions
// win; otherwise these are used. Either way every box reaches the backend the test installs.
#include "platform/MessageBox.h"

namespace MsgBox {

namespace {
Backend* g_backend = nullptr;
}

__attribute__((weak)) Result Show(const QString& prompt, int style, const QString& title) {
    return g_backend ? g_backend->Show(prompt, style, title) : OK;
}

__attribute__((weak)) void SetBackend(Backend* backend) { g_backend = backend; }

__attribute__((weak)) QString ApplicationTitle() { return QStringLiteral("ZRW7310N_II"); }

}  // namespace MsgBox
