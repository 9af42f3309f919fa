// The option panel of the channel editor (Frame2): the settings of the channel in the grid's
// current row. Every choice is stored in the channel at once (ModChOption::Choose) and the
// panel is then shown again from the channel, so that it always shows what is stored.
// Filling the panel never stores: the lists are set with EditorReady at 0, and a value that
// a list does not hold is shown as the list's first entry or as no entry.
#include "channels/ModChOption.h"
#include "channels/ModRBTone.h"
#include "channels/ModSetComm2.h"
#include "channels/ModShowOptFun.h"
#include "channels/frmCommChInfo.h"
#include "core/ModFun.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglishPrint.h"
#include "core/widgets/ComboHelpers.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace {

bool IsMemGroupName(const QString& name) { return name == QLatin1String("MEM"); }

// Replaces the entries of list unless it already holds exactly these.
void SetEntries(QComboBox* list, const QStringList& entries) {
    bool same = list->count() == entries.size();
    for (int i = 0; same && i < list->count(); ++i) same = list->itemText(i) == entries[i];
    if (same) return;
    list->clear();
    list->addItems(entries);
}

}  // namespace

ChannelRecord* frmCommChInfo::CurrentChannel() const {
    const int mode = ShownMode();
    const int group = ShownGroup();
    const int row = GridRow();
    if (mode < 0 || group == 0 || row < 1) return nullptr;
    for (int slot = 1; slot <= ModShowOptFun::UsedSlots(mode, group); ++slot) {
        ChannelRecord& rec = Prog::ChInfo(mode, slot, group);
        if (rec.ChNo == row) return &rec;
    }
    return nullptr;
}

void frmCommChInfo::MSFlexGrid1_EnterCell() { ShowChIfoDataOther(); }

void frmCommChInfo::ShowChIfoDataOther() {
    if (GridRow() < 1) return;
    const ChannelRecord* rec = CurrentChannel();
    if (!rec) {
        Frame2->hide();
        return;
    }
    ShowPanel(*rec);
}

void frmCommChInfo::ShowPanel(const ChannelRecord& rec) {
    Frame2->setTitle(QStringLiteral("More Information -- CH ") + GetCHName(rec.ChNo, 0, 0));
    Frame2->show();
    FillPanel(rec);
}

void frmCommChInfo::FillPanel(const ChannelRecord& rec) {
    using namespace ModChOption;
    EditorReadyScope filling(EditorReady_);
    ShowToneLists(Combo8[RxToneAll], Combo8[RxKind], Combo8[RxCtc], Combo8[RxDcs], RxToneView(rec));
    ShowToneLists(Combo8[TxToneAll], Combo8[TxKind], Combo8[TxCtc], Combo8[TxDcs], TxToneView(rec));
    const std::pair<int, int16> items[] = {{RogerEnable, rec.RBEnable}, {HiCut, rec.HiCut},   {NbAnl, rec.NbAnl},
                                           {Echo, rec.Echo},            {Plus10K, rec.Plus10K}, {Busy, rec.Busy},
                                           {Public, rec.Public},        {Scan, rec.ScanAdd},    {RepEnable, rec.RepEnable}};
    for (const auto& [list, value] : items) ModPubFun::SetComboTextByIndex(Combo8[static_cast<std::size_t>(list)], value);
    ModFun::SetComboIndex(Combo8[Rep], rec.RepEnable, rec.RepDir);
    ModFun::SetComboValue(Combo8[Roger], rec.RBEnable, rec.RBSet);
    SetEntries(Combo8[Mode], ModSetComm2::ChannelModeNames(IsMemGroupName(Combo6->currentText())));
    ModPubFun::SetComboText(Combo8[Mode], ModSetComm2::GetModeNameByCode(rec.Mode));
    ApplyOptionEnable();
}

void frmCommChInfo::ShowToneLists(QComboBox* all, QComboBox* kind, QComboBox* ctc, QComboBox* dcs,
                                  const ModChOption::ToneView& view) {
    all->setCurrentIndex(view.allPosition);
    kind->setCurrentIndex(view.kind);
    ctc->setVisible(view.kind == 1);
    dcs->setVisible(view.kind == 2);
    ctc->setCurrentIndex(view.kind == 1 ? view.ctcPosition : -1);
    dcs->setCurrentIndex(view.kind == 2 ? view.dcsPosition : -1);
}

void frmCommChInfo::Combo8_Click(int index) {
    if (EditorReady_ == 0 || index < 0 || index >= ModChOption::ListCount) return;
    ChannelRecord* rec = CurrentChannel();
    if (!rec) return;
    const QComboBox* list = Combo8[static_cast<std::size_t>(index)];
    ModChOption::Choose(*rec, index, list->currentIndex(), list->currentText());
    FillPanel(*rec);
}

void frmCommChInfo::ApplyOptionEnable() { SetOptionEnable(Combo8[ModChOption::Public]->currentIndex()); }

void frmCommChInfo::SetOptionEnable(int sel) {
    const bool enabled = ModChOption::PublicOptionsEnabled(sel);
    for (int i = 0; i < ModChOption::ListCount; ++i) {
        if (!ModChOption::IsGreyedByPublic(i)) continue;
        const auto at = static_cast<std::size_t>(i);
        Combo8[at]->setEnabled(enabled);
        if (at < Label5.size() && Label5[at]) Label5[at]->setEnabled(enabled);
    }
}

void frmCommChInfo::FillRogerList() {
    QStringList entries = {ModEnglishPrint::OnOffText.Item(0)};
    for (int n = 1; n <= kRBSetCount; ++n)
        if (ModRBTone::IsValidRB(n) > 0) entries << QString::number(n);
    Combo8[ModChOption::Roger]->clear();
    Combo8[ModChOption::Roger]->addItems(entries);
}

// The roger-beep sets changed: the list offers the valid sets, and the entry shown before
// stays when it is still offered, else "OFF". That selection counts as the user's choice
// for the current channel, so a channel whose shown set went away has its roger beep
// switched off.
void frmCommChInfo::ShowRB() {
    const QString shown = Combo8[ModChOption::Roger]->currentText();
    {
        EditorReadyScope filling(EditorReady_);
        FillRogerList();
        ModPubFun::SetComboText(Combo8[ModChOption::Roger], shown);
    }
    Combo8_Click(ModChOption::Roger);
}

// The allowed modes changed: the mode list is rebuilt and shows the mode it showed before,
// or the first allowed one in its place. That selection counts as the choice for the
// current channel, so the channel ends up in the mode the panel shows.
void frmCommChInfo::RevalidateShownMode() {
    QComboBox* list = Combo8[ModChOption::Mode];
    if (Frame2->isHidden() || list->isHidden()) return;
    const int code = ModPubFun::GetValidModeIndex(ModSetComm2::GetModeCodeByName(list->currentText()));
    SetEntries(list, ModSetComm2::ChannelModeNames(IsMemGroupName(Combo6->currentText())));
    ModPubFun::SetComboText(list, ModSetComm2::GetModeNameByCode(code));
    Combo8_Click(ModChOption::Mode);
}
