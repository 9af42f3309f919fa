// Time of a full read and a full write against the radio emulator paced at 9600 baud 8N1
// over a pseudo-terminal, beside the pure wire time of the bytes exchanged; and the time of
// an unpaced full read (the program's own cost per block). The transfer runs the way the
// program runs it: the progress window's modal loop is an event loop that EndComm ends by
// closing the window.
#include "core/ModVersion.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "core/lang/ModEnglish.h"
#include "link/LinkData.h"
#include "link/ModComm.h"
#include "platform/MessageBox.h"
#include "tests/support/emulator/RadioEmulator.h"
#include "tests/support/emulator/RadioEmulatorPty.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <sys/prctl.h>

namespace {

constexpr int kBlocks = static_cast<int>(Link::kImageEnd / 16);
constexpr double kByteSeconds = 10.0 / 9600.0;
// A transfer still running after this long counts as failed (a paced one takes about a minute).
constexpr int kDeadlineMs = 5 * 60 * 1000;

// Boxes are answered at once: OK alone with OK, every question with the answer that gives
// up (Cancel, No or Abort), so a silent radio or a broken line ends the transfer as failed
// instead of restarting it over and over.
class SilentBoxes final : public MsgBox::Backend {
public:
    MsgBox::Result Show(const QString& prompt, int style, const QString&) override {
        shown << prompt;
        switch (MsgBox::ButtonsOf(style)) {
        case MsgBox::OKOnly: return MsgBox::OK;
        case MsgBox::YesNo: return MsgBox::No;
        case MsgBox::AbortRetryIgnore: return MsgBox::Abort;
        default: return MsgBox::Cancel;  // OKCancel, YesNoCancel, RetryCancel
        }
    }
    QStringList shown;
};

// The progress window, as far as the transfer sees it: closing it ends its modal loop.
class ProgressWindow final : public WindowServices {
public:
    void UnloadProgressWindow(bool) override { loop.quit(); }
    QEventLoop loop;
};

// Bytes on the wire: every frame the radio saw and the reply it makes to it.
struct WireCount {
    qint64 bytes = 0;
    void Add(const QByteArray& frame) {
        bytes += frame.size();
        switch (frame[0]) {
        case 'P': bytes += 3; break;
        case 0x02: bytes += 16; break;
        case 'R': bytes += static_cast<quint8>(frame[3]) + 6; break;
        default: bytes += 1; break;  // a write block or "END": the acknowledge
        }
    }
};

struct Result {
    double seconds = 0;
    double wireSeconds = 0;
    bool ok = false;
};

Result RunTransfer(int16 commType, RadioEmulator& radio, ProgressWindow& window, SilentBoxes& boxes) {
    WireCount wire;
    const auto counting = QObject::connect(&radio, &RadioEmulator::frameSeen, [&](const QByteArray& f) { wire.Add(f); });
    boxes.shown.clear();
    Result result;
    if (!ModComm::PrepareTransfer(commType)) return result;
    ModComm::InitImage();
    QElapsedTimer clock;
    clock.start();
    ModComm::StartComm();  // the progress window's load
    bool overdue = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &window.loop, [&] {
        overdue = true;
        window.loop.quit();
    });
    deadline.start(kDeadlineMs);
    window.loop.exec();
    deadline.stop();
    result.seconds = clock.nsecsElapsed() / 1e9;
    if (overdue) {
        std::fprintf(stderr, "transfer %d still running after %d s\n", commType, kDeadlineMs / 1000);
        ModComm::EndComm(false);  // closes the port and clears the transfer for the next run
    }
    QObject::disconnect(counting);
    result.wireSeconds = wire.bytes * kByteSeconds;
    const QString done = commType == 1 ? QStringLiteral("Read Data Completed.") : QStringLiteral("Write Data Completed.");
    result.ok = !overdue && boxes.shown == QStringList{done} && Prog::CommType == 0;
    if (!result.ok) std::fprintf(stderr, "boxes: %s\n", qPrintable(boxes.shown.join(QStringLiteral(" | "))));
    return result;
}

// A transfer with a radio of its own on a new pseudo-terminal behind COM1.
Result RunOnNewLine(int16 commType, bool paced, ProgressWindow& window, SilentBoxes& boxes) {
    RadioEmulator radio;
    radio.SetPacing(paced);
    RadioEmulatorPty pty(&radio);
    QString error;
    if (!pty.Open(&error)) {
        std::fprintf(stderr, "pseudo-terminal: %s\n", qPrintable(error));
        return {};
    }
    qputenv("ZR7310N_COM1", pty.SlavePath().toLocal8Bit());
    return RunTransfer(commType, radio, window, boxes);
}

void Print(const char* name, double value, int decimals) { std::printf("%s: %.*f\n", name, decimals, value); }

bool Prepare(QTemporaryDir& dir) {
    QDir(dir.path()).mkpath(QStringLiteral("root/V200"));
    QDir(dir.path()).mkpath(QStringLiteral("root/language"));
    QFile ini(dir.filePath(QStringLiteral("root/Version.ini")));
    if (!ini.open(QIODevice::WriteOnly)) return false;
    ini.write("[Version]\r\nFirmVersionCount=1\r\n[Firm]\r\nFirm0=V200V200\r\n");
    ini.close();
    Prog::Reset();
    Link::Reset();
    Prog::ProgramDir = dir.filePath(QStringLiteral("root/V200"));
    ModEnglish::LoadLanguageStrings();
    ModVerionMana::InitVersionManage();
    Prog::SoftModel = QStringLiteral("ZR73103");
    Prog::ComPort = 1;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // The radio shares this thread: let its byte timers fire when due, not up to the
    // kernel's default 50 us slack later.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !Prepare(dir)) {
        std::fprintf(stderr, "cannot prepare a program folder\n");
        return 1;
    }
    SilentBoxes boxes;
    MsgBox::SetBackend(&boxes);
    ProgressWindow window;
    SetWindowServices(&window);

    // The paced transfers first, each radio on a fresh line: the emulator keeps the time
    // its line is busy until, and an unpaced run leaves that far ahead of the clock.
    const Result read = RunOnNewLine(1, true, window, boxes);
    const Result write = RunOnNewLine(2, true, window, boxes);
    const Result unpaced = RunOnNewLine(1, false, window, boxes);

    SetWindowServices(nullptr);
    MsgBox::SetBackend(nullptr);
    if (!unpaced.ok || !read.ok || !write.ok) {
        std::fprintf(stderr, "a transfer did not complete (%d %d %d)\n", unpaced.ok, read.ok, write.ok);
        return 1;
    }
    Print("read_s", read.seconds, 3);
    Print("read_wire_s", read.wireSeconds, 3);
    Print("read_ratio_to_wire", read.seconds / read.wireSeconds, 4);
    Print("write_s", write.seconds, 3);
    Print("write_wire_s", write.wireSeconds, 3);
    Print("write_ratio_to_wire", write.seconds / write.wireSeconds, 4);
    Print("read_overhead_per_block_us", (read.seconds - read.wireSeconds) / kBlocks * 1e6, 1);
    Print("write_overhead_per_block_us", (write.seconds - write.wireSeconds) / kBlocks * 1e6, 1);
    Print("unpaced_read_s", unpaced.seconds, 3);
    Print("unpaced_read_per_block_us", unpaced.seconds / kBlocks * 1e6, 1);
    return 0;
}
