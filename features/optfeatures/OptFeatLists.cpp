#include "features/optfeatures/OptFeatLists.h"

#include "channels/ModRBTone.h"
#include "core/Records.h"
#include "core/lang/ModEnglishOpt.h"
#include "core/lang/ModEnglishPrint.h"

#include <initializer_list>

namespace ModOptFeat {

namespace {

// "first", "first + step" .. "last".
QStringList Numbers(int first, int last, int step = 1) {
    QStringList out;
    for (int n = first; n <= last; n += step) out << QString::number(n);
    return out;
}

// The letters "A" .. the count-th letter.
QStringList Letters(int count) {
    QStringList out;
    for (int i = 0; i < count; ++i) out << QString(QChar(u'A' + i));
    return out;
}

QStringList Fixed(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* s : items) out << QString::fromLatin1(s);
    return out;
}

QString OffUpper() { return ModEnglishPrint::OnOffText.Item(0); }   // "OFF"
QStringList OffOn() { return ModEnglishPrint::OnOffText.Items(); }  // "OFF", "ON"
QString OffLower() { return ModEnglishOpt::Off.Text(); }           // "Off"

// The lists of the window's design, which no code fills.
QStringList DesignItems(int index) {
    switch (index) {
    case 3: return Fixed({"SLOW", "FAST"});
    case 9: return Fixed({"HI-4K", "LO-3K"});
    case 22: return Fixed({"CH", "MEM"});
    case 23: return Fixed({"Channel", "Frequency"});
    case 24: return Numbers(1, 9);
    case 43: return QStringList{QStringLiteral("Off")} + Numbers(1, 5);
    case 44: return Fixed({"2.5K", "4K"});
    case 57: return Fixed({"500Hz", "5000Hz"});
    case 58: return Fixed({"MAIN", "MIC", "BOTH"});
    case 59:
    case 60: return Fixed({"Off", "On"});
    default: return {};
    }
}

// The hidden lists that no field is shown in.
QStringList UnusedItems(int index) {
    switch (index) {
    case 0:
    case 1: return Letters(10);
    case 2: return ModEnglishOpt::LcdDisplayInTxList.Items();
    case 4:
    case 6:
    case 7: return Numbers(300, 3000, 10);
    case 5: return Numbers(50, 1000, 50);
    case 12:
    case 13:
    case 14:
    case 20: return Numbers(1, 9);
    case 15:
    case 16: return Numbers(1, 32);
    case 17: return ModEnglishOpt::BacklightColorList.Items().mid(0, 7);  // the colours, not "Loop"
    default: return {};
    }
}

}  // namespace

QStringList Combo1Items(int index) {
    switch (index) {
    case 8: return Numbers(1, 36);
    case 10: return QStringList{OffLower()} + Numbers(1, 32);
    case 11: return QStringList{OffLower()} + Numbers(30, 600, 30);
    case 19: return Fixed({"CB", "HF"});
    case 21: return Numbers(1, 9);
    case 25: return Fixed({"EL", "DY"});
    case 26:
    case 35: return QStringList{OffUpper()} + Numbers(1, 5);
    case 27:
    case 28:
    case 33:
    case 45:
    case 46:
    case 47:  // WX Display: OFF/ON like the other display switches
    case 48:
    case 49:
    case 50: return OffOn();
    case 29: return QStringList{OffUpper()} + Numbers(1, 9);
    case 30: return Numbers(1, 9);
    case 31:
    case 32: return Numbers(1, 32);
    case 34:
    case 36: return Numbers(1, 99);
    case 37: return QStringList{OffUpper()} + Numbers(1, 63);
    case 38: return Numbers(300, 3000, 10);
    case 39: return Fixed({"SQ", "TI"});
    case 40: return QStringList{OffUpper()} + Fixed({"R", "T", "RT"});
    case 41: return Fixed({"Channel", "Frequency"});
    case 42: return Numbers(1, 29);
    case 51: return Letters(12);
    case 52:
    case 55: return Numbers(1, 60);
    case 53:
    case 56: return Fixed({"FM", "AM", "USB", "LSB", "CW"});
    case 54: return Letters(9);
    default: break;
    }
    const QStringList design = DesignItems(index);
    return design.isEmpty() ? UnusedItems(index) : design;
}

QStringList Combo2Items(int index) {
    if (index >= 0 && index <= 4) return OffOn();
    if (index == kRogerList) return RogerItems();
    if (index == 6) return Fixed({"Off", "CTCSS", "DCS"});
    return {};
}

QStringList RogerItems() {
    QStringList out{OffUpper()};
    for (int n = 1; n <= kRBSetCount; ++n)
        if (ModRBTone::IsValidRB(n) > 0) out << QString::number(n);
    return out;
}

QStringList ModeCodeItems() { return Fixed({"FM", "AM", "USB", "LSB", "PA", "CW"}); }

}  // namespace ModOptFeat
