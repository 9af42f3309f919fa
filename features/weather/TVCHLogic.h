#pragma once
// The rules of the weather-channel table, without widgets: the frequency check and the
// frequency's cell text, the cell texts of a row, the channels that can be current and what
// happens to the current one, and what a committed cell edit or list choice stores.
//
// Weather channel n (1..40) is TVChannel[n]; TVChannel[41] is the weather VFO. Frequencies
// are MHz in doubles; the radio takes them as whole units of 10 Hz (FreqMHz x 100000,
// rounded), so every rule here keeps a frequency typed with up to five decimals exactly.
#include "core/Records.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace TVCHLogic {

constexpr int kChannelCount = 40;         // weather channels that can be current
constexpr int kVfoRow = kTVChannelCount;  // the weather VFO's row and element, 41
constexpr double kLowMHz = 136.0;
constexpr double kHighMHz = 174.0;
constexpr int kFreqMaxLength = 9;         // "173.99999"

using TVChannelTable = std::array<TVChannelRec, kTVChannelCount + 1>;

// ---- Frequencies ----

// The frequency on the channel raster: returned as it is when it lies on the 5 kHz or the
// 6.25 kHz raster (judged in units of 10 Hz, halves to even), else cut down to the 5 kHz
// raster.
double TV_CH_Step(double mhz);

// A typed frequency after the range and raster rules, as the shortest decimal text of the
// result ("136", "162.55"): below 136 gives 136, above 174 gives 174, otherwise TV_CH_Step.
// A text that is not a number gives "". Always "." as the decimal sign.
QString TV_CH_CheckFre(const QString& text);

// The cell text of a frequency: at least three integer digits and five decimals, "."
// ("162.55000", "099.50000"); a value that is not finite shows as 0.
QString FreqText(double mhz);

// ---- Rows ----

// Texts of columns 1 (frequency), 3 (W/N) and 4 (scan) of a row; all empty unless the
// channel's Valid is 1. A W/N or scan value that its list does not hold shows as "".
struct RowTexts {
    QString freq, wn, scan;
    bool operator==(const RowTexts&) const = default;
};
RowTexts ShowRow(const TVChannelRec& ch, const QStringList& wnItems, const QStringList& scanItems);

// ---- The current weather channel (CurWxCh, the channel number - 1) ----

// Channels 1..40 whose Valid is 1, ascending; the VFO is never among them.
std::vector<int> ValidChannels(const TVChannelTable& table);
// Their numbers as list texts.
QStringList ChannelItems(const std::vector<int>& channels);
// The list position of the stored current channel; -1 when it names no listed channel.
int CurrentIndex(const std::vector<int>& channels, int curWxCh);
// CurWxCh for a chosen list text: its number - 1, or 0 for a text that is not a number (also
// the empty text of an empty list).
int16 CurWxChFromText(const QString& text);

// ---- Committed edits ----

enum class FreqCommit {
    Unchanged,  // the text is as the editor was opened with: nothing stored
    Stored,     // a frequency was stored
    Emptied,    // a cleared cell: the channel is empty now (Valid 0, other fields kept)
    Kept,       // refused, the channel stays as it was: a text that is not a number, or a
                // cleared VFO that has a frequency
};

// Stores a committed frequency edit of a channel or the VFO. Every stored frequency also
// sets on/off to 0 and W/N to "Wide" (1), whether the channel was empty or not; the scan
// setting stays. A text equal to the one the editor opened with stores nothing, so passing
// through a cell keeps its W/N.
FreqCommit StoreFrequency(TVChannelRec& ch, const QString& typed, const QString& opened);

// The frequency edit of row committed on the data: StoreFrequency on TVChannel[row], except
// that the VFO (row 41) with a frequency is not emptied (Kept): the radio always has one. A
// VFO without one (Valid not 1) stays empty until a frequency is entered. A row outside
// 1..41 stores nothing (Unchanged). The current channel is the window's to follow:
// its list is refilled after a Stored or Emptied commit.
FreqCommit CommitFrequency(DataFileRec& data, int row, const QString& typed, const QString& opened);

// A committed list editor of column 2 (OnOff), 3 (Bandwidth) or 4 (ScanAdd): the chosen
// position is stored; nothing chosen (-1) or another column stores nothing. True when stored.
bool StoreListChoice(TVChannelRec& ch, int column, int index);

// ---- The weather settings lists ----

enum class WxSetting { Alert, ScanState, Vfo, Display, Sql };
constexpr std::array<WxSetting, 5> kWxSettings = {WxSetting::Alert, WxSetting::ScanState, WxSetting::Vfo,
                                                  WxSetting::Display, WxSetting::Sql};

int16& SettingField(DataFileRec& data, WxSetting setting);
// Items of the setting's list: 2 (OFF/ON, FRQ/CH), 10 for Wx Sql (Off, 1..9).
int SettingItemCount(WxSetting setting);
// The list position that shows a stored value: the value itself when the list holds it, else
// -1 (nothing shown; the value is kept).
int ShownIndex(int value, int itemCount);
// A user's choice of position index; outside the list stores nothing. True when stored.
bool StoreSetting(DataFileRec& data, WxSetting setting, int index);

}  // namespace TVCHLogic
