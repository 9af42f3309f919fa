// Every frequency of both bands on the 100 Hz steps the editor shows, entered in a grid
// cell: stored, shown and kept by the radio exactly, without binary drift.
#include "ChannelTestEnv.h"
#include "ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace {

// "28.0150" for 280150: built from integers, never from a double.
QString ShownText(int hundredHz) {
    return QStringLiteral("%1.%2").arg(hundredHz / 10000).arg(hundredHz % 10000, 4, 10, QLatin1Char('0'));
}

// Enters every step of [first, last] (units of 100 Hz) as a new channel's frequency and as
// an init frequency, and returns how many steps did not come back exactly.
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
        t = shown;
        ModShowFreFun::EditChannelCell(1, 2, t);  // an init frequency of an existing channel
        ok = ok && Prog::ChInfo(mode, 1, 1).InitFreq.Str() == digits + "  ";
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
