#include "features/weather/TVCHLogic.h"

#include "core/ModFun.h"
#include "core/NumText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace TVCHLogic {

namespace {

constexpr double kUnitsPerMHz = 100000.0;  // units of 10 Hz
constexpr std::int64_t kRaster5k = 500, kRaster6k25 = 625;

// The shortest fixed-point text that reads back as the same double, with ".".
QString ShortestText(double value) {
    char buf[400];
    const auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (written.ec != std::errc()) return QString::number(value, 'g', 17);
    return QString::fromLatin1(buf, static_cast<qsizetype>(written.ptr - buf));
}

QString ItemOrEmpty(const QStringList& items, int index) {
    return index >= 0 && index < items.size() ? items.at(index) : QString();
}

}  // namespace

double TV_CH_Step(double mhz) {
    const double c = NumText::RoundHalfEven(mhz * kUnitsPerMHz);
    if (!std::isfinite(c) || std::fabs(c) > 1e15) return mhz;  // no raster to judge it by
    const auto units = static_cast<std::int64_t>(c);
    if (units % kRaster5k == 0 || units % kRaster6k25 == 0) return mhz;
    return static_cast<double>(units - units % kRaster5k) / kUnitsPerMHz;
}

QString TV_CH_CheckFre(const QString& text) {
    const auto value = NumText::ToDouble(text);
    if (!value) return QString();
    double x = *value;
    if (x < kLowMHz) x = kLowMHz;
    else if (x > kHighMHz) x = kHighMHz;
    else x = TV_CH_Step(x);
    return ShortestText(x);
}

QString FreqText(double mhz) {
    QString text = NumText::FormatFixed(std::isfinite(mhz) ? mhz : 0.0, 5);
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative) text.remove(0, 1);
    const auto point = text.indexOf(QLatin1Char('.'));
    if (point < 3) text.prepend(QString(3 - point, QLatin1Char('0')));
    return negative ? QLatin1Char('-') + text : text;
}

RowTexts ShowRow(const TVChannelRec& ch, const QStringList& wnItems, const QStringList& scanItems) {
    if (ch.Valid != 1) return {};
    return {FreqText(ch.FreqMHz), ItemOrEmpty(wnItems, ch.Bandwidth), ItemOrEmpty(scanItems, ch.ScanAdd)};
}

std::vector<int> ValidChannels(const TVChannelTable& table) {
    std::vector<int> out;
    for (int n = 1; n <= kChannelCount; ++n)
        if (table[static_cast<std::size_t>(n)].Valid == 1) out.push_back(n);
    return out;
}

QStringList ChannelItems(const std::vector<int>& channels) {
    QStringList out;
    for (int n : channels) out << QString::number(n);
    return out;
}

int CurrentIndex(const std::vector<int>& channels, int curWxCh) {
    const auto it = std::find(channels.begin(), channels.end(), curWxCh + 1);
    return it == channels.end() ? -1 : static_cast<int>(it - channels.begin());
}

int16 CurWxChFromText(const QString& text) {
    return static_cast<int16>(static_cast<int>(ModFun::GetIntOrDefault(text, 1)) - 1);
}

FreqCommit StoreFrequency(TVChannelRec& ch, const QString& typed, const QString& opened) {
    if (typed == opened) return FreqCommit::Unchanged;
    if (typed.trimmed().isEmpty()) {
        ch.Valid = 0;
        return FreqCommit::Emptied;
    }
    const QString checked = TV_CH_CheckFre(typed);
    const auto mhz = NumText::ToDouble(checked);
    if (!mhz) return FreqCommit::Kept;
    ch.Valid = 1;
    ch.OnOff = 0;
    ch.Bandwidth = 1;
    ch.FreqMHz = *mhz;
    return FreqCommit::Stored;
}

FreqCommit CommitFrequency(DataFileRec& data, int row, const QString& typed, const QString& opened) {
    if (row < 1 || row > kVfoRow) return FreqCommit::Unchanged;
    TVChannelRec& ch = data.TVChannel[static_cast<std::size_t>(row)];
    // The radio always has a weather VFO: once it has a frequency, a cleared cell keeps it.
    if (row == kVfoRow && ch.Valid == 1 && typed != opened && typed.trimmed().isEmpty()) return FreqCommit::Kept;
    return StoreFrequency(ch, typed, opened);
}

bool StoreListChoice(TVChannelRec& ch, int column, int index) {
    if (index < 0) return false;
    int16* field = column == 2 ? &ch.OnOff : column == 3 ? &ch.Bandwidth : column == 4 ? &ch.ScanAdd : nullptr;
    if (!field) return false;
    *field = static_cast<int16>(index);
    return true;
}

int16& SettingField(DataFileRec& data, WxSetting setting) {
    OptFeatRec& o = data.OptFeatures;
    switch (setting) {
    case WxSetting::Alert: return o.WxAlert;
    case WxSetting::ScanState: return o.WxScanState;
    case WxSetting::Vfo: return o.WxVfo;
    case WxSetting::Display: return o.WxDisplay;
    case WxSetting::Sql: break;
    }
    return data.WxSql;
}

int SettingItemCount(WxSetting setting) { return setting == WxSetting::Sql ? 10 : 2; }

int ShownIndex(int value, int itemCount) { return value >= 0 && value < itemCount ? value : -1; }

bool StoreSetting(DataFileRec& data, WxSetting setting, int index) {
    if (index < 0 || index >= SettingItemCount(setting)) return false;
    SettingField(data, setting) = static_cast<int16>(index);
    return true;
}

}  // namespace TVCHLogic
