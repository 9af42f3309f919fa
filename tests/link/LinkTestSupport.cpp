#include "tests/link/LinkTestSupport.h"

#include "core/Log.h"
#include "platform/serial/ComPorts.h"
#include "platform/serial/MSComm.h"

#include <QFile>

#include <random>

namespace LinkTest {

QByteArray Transferred() { return QByteArray(reinterpret_cast<const char*>(Link::RadioImage.data()), 0x6600); }

QByteArray RandomImage(unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray image(0x6600, '\0');
    for (char& b : image) b = static_cast<char>(byte(gen));
    return image;
}

RadioEmulatorFaults DropReplies(std::initializer_list<int> numbers) {
    RadioEmulatorFaults faults;
    for (int n : numbers) faults.dropReplies.insert(n);
    return faults;
}

QDateTime FixedNow() { return QDateTime(QDate(2026, 12, 8), QTime(9, 5, 3)); }

TimelineBoxes::TimelineBoxes(ScriptedMessageBoxes& script, FakeWindowServices& windows)
    : script_(script), windows_(windows) {
    MsgBox::SetBackend(this);
}

TimelineBoxes::~TimelineBoxes() { MsgBox::SetBackend(&script_); }

MsgBox::Result TimelineBoxes::Show(const QString& prompt, int style, const QString& title) {
    windows_.calls << QStringLiteral("Box ") + prompt;
    if (whileShown) whileShown();
    return script_.Show(prompt, style, title);
}

void LinkFixture::SetUp() {
    EnsureApp();
    env = std::make_unique<CoreTestEnv>();
    Link::Reset();
    Prog::SoftModel = QStringLiteral("ZR73103");
    Prog::ComPort = kCom;
    Log::SetClock(&FixedNow);
    ModComm::SetWaitTimerInterval(300);
    ComPorts::ClearInProcessLines();
    ComPorts::RegisterInProcessLine(kCom, &line);
    ASSERT_TRUE(radio.Attach(&line));
    QObject::connect(&radio, &RadioEmulator::frameSeen, &radio,
                     [this](const QByteArray& frame) { frames << QString::fromLatin1(frame.toHex().toUpper()); });
}

void LinkFixture::TearDown() {
    if (Prog::CommType != 0) ModComm::EndComm(false);  // a failed test leaves no transfer behind
    ModComm::CloseCommPort();
    radio.Detach();
    ComPorts::ClearInProcessLines();
    Spin(5);  // let the closed port's backend go
    Log::SetClock(nullptr);
    ModComm::SetWaitTimerInterval(300);
    Link::Reset();
    env.reset();
}

void LinkFixture::StartTransfer(int16 commType) {
    ASSERT_TRUE(ModComm::PrepareTransfer(commType));
    ModComm::InitImage();
    ModComm::StartComm();
}

bool LinkFixture::RunToEnd(int timeoutMs) {
    return WaitUntil([] { return Prog::CommType == 0; }, timeoutMs);
}

bool LinkFixture::Transfer(int16 commType) {
    StartTransfer(commType);
    return RunToEnd();
}

QStringList LinkFixture::LogLines() const {
    QFile file(Log::LogFilePath(FixedNow().date()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

int LinkFixture::CountFrames(const QByteArray& head) const {
    const QString hex = QString::fromLatin1(head.toHex().toUpper());
    int n = 0;
    for (const QString& f : frames) n += f.startsWith(hex) ? 1 : 0;
    return n;
}

QStringList LinkFixture::CallsOf(const QString& prefix) const {
    QStringList out;
    for (const QString& c : windows.calls)
        if (c.startsWith(prefix)) out << c;
    return out;
}

}  // namespace LinkTest

namespace LinkTest {

QList<int> LinkFixture::ProgressShown() const {
    QList<int> out;
    for (const QString& c : CallsOf(QStringLiteral("SetProgressValue ")))
        out << c.section(QLatin1Char(' '), 1, 1).toInt();
    return out;
}

QStringList LinkFixture::CallsBesideProgress() const {
    QStringList out;
    for (const QString& c : windows.calls)
        if (!c.startsWith(QLatin1String("SetProgress"))) out << c;
    return out;
}

}  // namespace LinkTest
