#include "tests/link/LinkTestSupport.h"

#include "core/Log.h"
#include "link/ModCommFun.h"
#include "platform/serial/ComPorts.h"
#include "platform/serial/MSComm.h"

#include <QFile>

#include <algorithm>
#include <memory>
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

void ClearWorkingData() {
    Prog::RadioData = DataFileRec{};
    Prog::ChInfo.Clear();
}

namespace {

int UsedCount(const DataFileRec& rec, int mode, int group) {
    return std::clamp<int>(rec.ChCount[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)], 0, kSlotCount);
}

// What differs between two sets of working data: the records, then counts and used slots.
QStringList Differences(const DataFileRec& a, const ChannelTable& aChannels, const DataFileRec& b,
                        const ChannelTable& bChannels) {
    QStringList out;
    if (!(a == b)) out << QStringLiteral("RadioData");
    for (int mode = 0; mode < kModeCount; ++mode)
        for (int group = 1; group <= kGroupCount; ++group) {
            const int count = UsedCount(a, mode, group);
            if (UsedCount(b, mode, group) != count) out << QStringLiteral("ChCount(%1,%2)").arg(mode).arg(group);
            for (int slot = 1; slot <= std::min(count, UsedCount(b, mode, group)); ++slot)
                if (!(aChannels(mode, slot, group) == bChannels(mode, slot, group)))
                    out << QStringLiteral("slot(%1,%2,%3)").arg(mode).arg(group).arg(slot);
        }
    return out;
}

}  // namespace

std::string DifferencesFromUnpacked(const QByteArray& image) {
    const DataFileRec rec = Prog::RadioData;
    const auto channels = std::make_unique<ChannelTable>(Prog::ChInfo);
    const auto radioImage = std::make_unique<Link::Image>(Link::RadioImage);
    const QString band = Prog::BandRangeText;
    const double low = Prog::BandLowMHz, high = Prog::BandHighMHz;

    ClearWorkingData();
    Link::RadioImage.fill(0);
    std::copy_n(reinterpret_cast<const byte8*>(image.constData()), std::min<qsizetype>(image.size(), 0x6600),
                Link::RadioImage.begin());
    ModCommFun::UnpackImage();
    const QStringList out = Differences(rec, *channels, Prog::RadioData, Prog::ChInfo);

    Prog::RadioData = rec;
    Prog::ChInfo = *channels;
    Link::RadioImage = *radioImage;
    Prog::BandRangeText = band;
    Prog::BandLowMHz = low;
    Prog::BandHighMHz = high;
    return out.join(u' ').toStdString();
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
    timeouts = std::make_unique<ReplyTimeouts>();
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
    timeouts.reset();
    Link::Reset();
    env.reset();
}

void LinkFixture::StartTransfer(int16 commType) {
    ASSERT_TRUE(ModComm::PrepareTransfer(commType));
    ModComm::InitImage();
    ModComm::StartComm();
}

void LinkFixture::TimeOutWhenQuiet() {
    timeouts->SetReplyMissing([this] { return LineQuiet(line, radio); });
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
