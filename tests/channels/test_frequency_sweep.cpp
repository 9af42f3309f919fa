// Every frequency of both bands on the 100 Hz steps the editor shows, entered in a grid
// cell: stored, shown and packed for the radio exactly, without binary drift.
#include "ChannelTestEnv.h"
#include "ScriptedMessageBoxes.h"
#include "link/LinkData.h"
#include "link/ModCommFun.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>

namespace {

// Two decimal digits as one BCD byte: 28 gives 0x28.
int Bcd(int twoDigits) { return twoDigits / 10 * 16 + twoDigits % 10; }

// A frequency in 100 Hz (six digits, "280150") as the radio keeps it: three BCD bytes, the
// last pair of digits first (0x50 0x01 0x28).
std::array<int, 3> RadioBytes(int hundredHz) {
    return {Bcd(hundredHz % 100), Bcd(hundredHz / 100 % 100), Bcd(hundredHz / 10000)};
}

// Packs a copy of the record (packing rewrites its texts) as channel chNo of group 1 and
// tells whether the three bytes at slot + offset are `expected`. The bytes are spoiled
// first, so that a packer that writes nothing cannot pass on what an earlier step left.
// Group 1 slots: HF channel n at (n - 1) x 16, HAM channel n at 0x2D00 + (n - 1) x 16.
// Worked by hand: HF 28.0150 typed as channel 2 is "28015000" at 0x0010: 0x50 0x01 0x28.
bool PackedAs(ChannelRecord record, int mode, int chNo, std::size_t offset, const std::array<int, 3>& expected) {
    const std::size_t at = (mode == 0 ? 0x0000 : 0x2D00) + static_cast<std::size_t>(chNo - 1) * 16 + offset;
    for (std::size_t i = 0; i < 3; ++i) Link::RadioImage[at + i] = 0xEE;
    ModCommFun::PackChannel(record, chNo, 1, mode);
    for (std::size_t i = 0; i < 3; ++i)
        if (Link::RadioImage[at + i] != expected[i]) return false;
    return true;
}

// "28.0150" for 280150: built from integers, never from a double.
QString ShownText(int hundredHz) {
    return QStringLiteral("%1.%2").arg(hundredHz / 10000).arg(hundredHz % 10000, 4, 10, QLatin1Char('0'));
}

// Enters every step of [first, last] (units of 100 Hz) as a new channel's frequency and as
// an init frequency, and returns how many steps did not come back or pack exactly.
int SweepBand(int mode, int first, int last) {
    ChTest::Show(mode, 1);
    int wrong = 0;
    for (int step = first; step <= last; ++step) {
        ChTest::Lay(mode, 1, {{1, "28.5000"}});
        const QString shown = ShownText(step);
        const std::string digits = QString::number(step).toStdString();
        QString t = shown;
        ModShowFreFun::EditChannelCell(2, 1, t);  // a new channel
        const ChannelRecord* rec = ChTest::Find(mode, 1, 2);
        bool ok = rec && t == shown && rec->Freq.Str() == digits + "  " &&
                  ModShowFreFun::ShowFre(rec->Freq.ToQString()) == shown;
        // What the radio keeps: the first six digits, that is the frequency in 100 Hz.
        ok = ok && QString::fromStdString(rec->Freq.Str().substr(0, 6)).toInt() == step;
        ok = ok && PackedAs(*rec, mode, 2, 0, RadioBytes(step));
        t = shown;
        ModShowFreFun::EditChannelCell(1, 2, t);  // an init frequency of an existing channel
        ok = ok && Prog::ChInfo(mode, 1, 1).InitFreq.Str() == digits + "  ";
        ok = ok && PackedAs(Prog::ChInfo(mode, 1, 1), mode, 1, 12, RadioBytes(step));  // InitFreq: bytes 12-14
        ok = ok && PackedAs(Prog::ChInfo(mode, 1, 1), mode, 1, 0, RadioBytes(285000));
        if (!ok) {
            ADD_FAILURE() << "mode " << mode << " " << shown.toStdString();
            if (++wrong > 10) break;
        }
    }
    return wrong;
}

TEST(FrequencySweep, EveryHfStepIsStoredAndShownExactly) {
    ChTest::ResetData();
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(SweepBand(0, 247150, 301050), 0);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(FrequencySweep, EveryHamStepIsStoredAndShownExactly) {
    ChTest::ResetData();
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(SweepBand(1, 280000, 297000), 0);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST(FrequencySweep, StepsJustOutsideEitherBandAreRefused) {
    ChTest::ResetData();
    ScriptedMessageBoxes boxes;
    const std::pair<int, int> outside[] = {{0, 247149}, {0, 301051}, {1, 279999}, {1, 297001}};
    for (const auto& [mode, step] : outside) {
        ChTest::Show(mode, 1);
        ChTest::Lay(mode, 1, {});
        QString t = ShownText(step);
        ModShowFreFun::EditChannelCell(2, 1, t);
        EXPECT_TRUE(ChTest::Numbers(mode, 1).empty()) << step;
    }
    EXPECT_EQ(boxes.shown().size(), 4u);
}

}  // namespace
