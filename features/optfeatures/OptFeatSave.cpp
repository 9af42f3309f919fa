#include "features/optfeatures/OptFeatSave.h"

#include "core/ModFun.h"
#include "features/optfeatures/OptFeatLists.h"

#include <algorithm>
#include <type_traits>

namespace ModOptFeat {

namespace {

enum class Coding { Index, Number, Cw, ModeCode, PublicMode, Roger, Public };

struct ListField {
    int code;
    Coding coding;
    int (*get)(const DataFileRec&);
    void (*set)(DataFileRec&, int);
};

// Fields of OptFeatures (O) and of the record itself (D).
template <auto M>
int GetO(const DataFileRec& d) { return d.OptFeatures.*M; }
template <auto M>
void SetO(DataFileRec& d, int v) { d.OptFeatures.*M = static_cast<int16>(v); }
template <auto M>
int GetD(const DataFileRec& d) { return d.*M; }
template <auto M>
void SetD(DataFileRec& d, int v) {
    using T = std::remove_reference_t<decltype(d.*M)>;
    d.*M = static_cast<T>(v);  // a list position always fits a byte field
}
template <auto M>
constexpr ListField O(int code, Coding c = Coding::Index) { return {code, c, &GetO<M>, &SetO<M>}; }
template <auto M>
constexpr ListField D(int code, Coding c = Coding::Index) { return {code, c, &GetD<M>, &SetD<M>}; }

using R = OptFeatRec;
using F = DataFileRec;

constexpr ListField kListFields[] = {
    O<&R::Agc>(3), O<&R::MicGain>(8, Coding::Number), O<&R::ToneHiLo>(9), O<&R::Nog>(10), O<&R::Tot>(11),
    O<&R::Mode>(18, Coding::PublicMode), O<&R::WorkMode>(19), O<&R::MenuPage9>(21), O<&R::ChMem>(22),
    D<&F::FreqChOpt>(23), D<&F::AsqLevel>(24, Coding::Number), D<&F::MicType>(25), D<&F::RxNrc>(26),
    D<&F::TxGate>(27), D<&F::RxComp>(28), D<&F::VoxLevel>(29), D<&F::VoxTime>(30), D<&F::EchoVol>(31),
    D<&F::EchoTime>(32), D<&F::Tdc>(33), D<&F::HfCurMem>(34), D<&F::TxNrc>(35), D<&F::HamCurMem>(36),
    O<&R::CwBeep>(37), O<&R::CwFreq>(38, Coding::Cw), O<&R::ScanType>(39), O<&R::Fin>(40), O<&R::FreqCh>(41),
    O<&R::MenuPage>(42, Coding::Number), O<&R::Dim>(43), O<&R::FmDev>(44), O<&R::RfgDisplay>(45),
    O<&R::PowerDisplay>(46), O<&R::WxDisplay>(47), D<&F::SqlDisplay>(48), D<&F::VolDisplay>(49),
    D<&F::VoxSpk>(50), D<&F::HfDwBand>(51), D<&F::HfDwChan>(52), D<&F::HfDwMode>(53, Coding::ModeCode),
    D<&F::HamDwBand>(54), D<&F::HamDwChan>(55), D<&F::HamDwMode>(56, Coding::ModeCode), D<&F::FinRange>(57),
    D<&F::VolPath>(58), D<&F::HfPublic>(kHfPublicCode, Coding::Public), D<&F::HamPublic>(kHamPublicCode, Coding::Public),
    O<&R::HiCut>(200), O<&R::NbAnl>(201), O<&R::Echo>(202), O<&R::Plus10K>(203), O<&R::RBEnable>(204),
    O<&R::RBSet>(205, Coding::Roger), O<&R::TxCdt>(206),
};

struct CheckField {
    int code;
    int shownDefault;  // -1: the box shows nothing
    bool stores;
    int (*get)(const DataFileRec&);
    void (*set)(DataFileRec&, int);
};

template <auto M>
constexpr CheckField Check(int code, int shownDefault, bool stores = true) {
    return {code, shownDefault, stores, &GetO<M>, &SetO<M>};
}

constexpr CheckField kCheckFields[] = {
    Check<&R::VoxOn>(100, 1),       Check<&R::ResetOpt>(101, 0, false), Check<&R::BeepOn>(102, 1),
    Check<&R::SwrProtect>(103, 1),  Check<&R::FmEnable>(105, 1),        Check<&R::AmEnable>(106, 1),
    Check<&R::UsbEnable>(107, 1),   Check<&R::LsbEnable>(108, 1),       Check<&R::PaEnable>(109, 1),
    Check<&R::CwEnable>(110, 1),    Check<&R::ResetOpt>(111, -1),
    {112, -1, true, &GetD<&F::FlagByte>, &SetD<&F::FlagByte>},
};

const ListField* FindList(int code) {
    for (const ListField& f : kListFields)
        if (f.code == code) return &f;
    return nullptr;
}

const CheckField* FindCheck(int code) {
    for (const CheckField& f : kCheckFields)
        if (f.code == code) return &f;
    return nullptr;
}

// Entry 0 for a position the list does not hold; -1 for an empty list.
int IndexOrFirst(int position, int count) {
    if (count == 0) return -1;
    return position >= 0 && position < count ? position : 0;
}

int ModeCodeOf(const QString& text) { return static_cast<int>(ModeCodeItems().indexOf(text)); }

SaveEffect SavePublic(DataFileRec& data, ChannelTable& channels, const ListField& f, int v) {
    const bool changed = v != f.get(data);
    if (changed) SetPublicOfMode(channels, f.code == kHfPublicCode ? 0 : 1, v);
    f.set(data, v);
    return changed ? SaveEffect::PublicChanged : SaveEffect::None;
}

SaveEffect SaveList(DataFileRec& data, ChannelTable& channels, const ListField& f, const Choice& c) {
    OptFeatRec& o = data.OptFeatures;
    switch (f.coding) {
    case Coding::Roger: ModFun::SplitOptValue(o.RBSet, o.RBEnable, ModFun::GetIntOrDefault(c.text, 0)); break;
    case Coding::PublicMode: o.Mode = static_cast<int16>(std::max(ModeCodeOf(c.text), 0)); break;
    case Coding::ModeCode:
        if (ModeCodeOf(c.text) >= 0) f.set(data, ModeCodeOf(c.text));
        break;
    case Coding::Public: return c.position < 0 ? SaveEffect::None : SavePublic(data, channels, f, c.position);
    case Coding::Number:
        if (c.position >= 0) f.set(data, ModFun::GetIntOrDefault(c.text, 0));
        break;
    case Coding::Cw:
        if (c.position >= 0) f.set(data, c.position + 30);
        break;
    case Coding::Index:
        if (c.position >= 0) f.set(data, c.position);
        break;
    }
    return SaveEffect::None;
}

}  // namespace

SaveEffect SaveOptFeat(DataFileRec& data, ChannelTable& channels, int code, const Choice& choice) {
    if (const ListField* f = FindList(code)) return SaveList(data, channels, *f, choice);
    if (const CheckField* f = FindCheck(code); f && f->stores && choice.position >= 0) f->set(data, choice.position);
    return SaveEffect::None;
}

void SetPublicOfMode(ChannelTable& channels, int mode, int value) {
    if (mode != 0 && mode != 1) return;
    const int groups = mode == 0 ? kHfVfoGroup : kHamVfoGroup;
    for (int group = 1; group <= groups; ++group)
        for (int slot = 1; slot <= GroupCapacity(mode, group); ++slot)
            channels(mode, slot, group).Public = static_cast<int16>(value);
}

int ShownPosition(const DataFileRec& data, int code, const QStringList& items) {
    const ListField* f = FindList(code);
    if (!f) return -1;
    const int count = static_cast<int>(items.size());
    const int v = f->get(data);
    switch (f->coding) {
    case Coding::Index:
    case Coding::Public: return IndexOrFirst(v, count);
    case Coding::Cw: return IndexOrFirst(v - 30, count);
    case Coding::Number: return IndexOrFirst(static_cast<int>(items.indexOf(QString::number(v))), count);
    case Coding::PublicMode: return IndexOrFirst(static_cast<int>(items.indexOf(PublicModeText(data))), count);
    case Coding::ModeCode: {
        const QStringList codes = ModeCodeItems();
        return v >= 0 && v < codes.size() ? static_cast<int>(items.indexOf(codes[v])) : -1;
    }
    case Coding::Roger: {
        const OptFeatRec& o = data.OptFeatures;
        const int at = o.RBEnable != 0 ? static_cast<int>(items.indexOf(QString::number(o.RBSet))) : 0;
        return IndexOrFirst(at, count);
    }
    }
    return -1;
}

bool ShowsField(int code) { return FindList(code) != nullptr; }

QString PublicModeText(const DataFileRec& data) {
    const QStringList codes = ModeCodeItems();
    const int mode = data.OptFeatures.Mode;
    return codes[mode >= 0 && mode < codes.size() ? mode : 0];
}

int ShownCheckValue(const DataFileRec& data, int index) {
    const CheckField* f = FindCheck(kCheckCode + index);
    if (!f || f->shownDefault < 0) return -1;
    const int v = f->get(data);
    return ModPubFun::CheckOnOffValue(v, static_cast<int16>(f->shownDefault));
}

int CheckEnoughChecked(int value, int minimum, std::span<const int> boxValues, int excluded) {
    if (value >= 1) return value;
    int checked = 0;
    for (std::size_t i = 0; i < boxValues.size(); ++i)
        if (static_cast<int>(i) != excluded && boxValues[i] > 0) ++checked;
    return checked < minimum ? 1 : 0;
}

}  // namespace ModOptFeat
