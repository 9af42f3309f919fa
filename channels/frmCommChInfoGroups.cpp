// Mode and group selection, the work group and the per-group row of the channel editor.
//
// Setting a list from code runs no handler (only the user's choice emits activated); where
// the window relies on the handler running after such a selection, it is called explicitly.
#include "channels/ModChText.h"
#include "channels/ModShowOptFun.h"
#include "channels/frmCommChInfo.h"
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "core/startup/ModInitV.h"
#include "core/widgets/ComboHelpers.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace {

int16& PerGroupAt(PerGroup<int16>& values, int mode, int group) {
    return values[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)];
}

}  // namespace

int frmCommChInfo::ShownMode() const {
    const int mode = Combo2->currentIndex();
    return mode == 0 || mode == 1 ? mode : -1;
}

int frmCommChInfo::ShownGroup() const {
    const int mode = ShownMode();
    return mode < 0 ? 0 : ModFun::GetGroupIndex(Combo6->currentText(), mode);
}

bool frmCommChInfo::IsLetteredGroup(int mode, int group) const {
    return group >= 1 && group <= (mode == 0 ? kHfLetteredGroups : kHamLetteredGroups);
}

// An open cell edit was committed when the focus came to the list (eventFilter), before the
// list changed, so it went to the mode and group it was typed in; nothing is left to commit.
void frmCommChInfo::Combo2_Click() {
    const int m = ShownMode();
    if (m < 0) return;
    if (m != Prog::RadioData.CurMode) {
        if (EditorReady_ == -1) {
            Prog::RadioData.CurMode = static_cast<int16>(m);
            Prog::BandRangeText = ModFreFile::GetBandRangeText(m);
            ModFun::ParseBandRange();
            Windows().SetMainCaption();
        }
        Combo6->clear();
    }
    Frame3->setTitle(Combo2->currentText());
    InitComboGroupList(m);
    EditorReadyScope filling(EditorReady_);
    const int group = Prog::RadioData.CurGroup[static_cast<std::size_t>(m)];
    ModPubFun::SetComboText(Combo6, ModFun::GetGroupName(group, m));
    Combo6_Click();
}

void frmCommChInfo::InitComboGroupList(int mode) {
    QStringList names;
    for (char letter = 'A'; letter <= 'I'; ++letter) names << QString(QLatin1Char(letter));
    if (mode == 0) names << QStringLiteral("J") << QStringLiteral("K") << QStringLiteral("L");
    names << QStringLiteral("MEM") << QStringLiteral("VFO");
    Combo6->clear();
    Combo6->addItems(names);
    InitComboWorkGroup();
}

// As Combo2_Click: any open edit was committed to the group it was typed in.
void frmCommChInfo::Combo6_Click() {
    const int mode = ShownMode();
    const int group = ShownGroup();
    if (mode < 0 || group == 0) return;
    Prog::RadioData.CurGroup[static_cast<std::size_t>(mode)] = static_cast<int16>(group);
    Frame1->setTitle(Label1->text() + QStringLiteral(" -- ") + Combo6->currentText());
    InitValidComboList();
    SetEditNoVisable();
    SetGridData();
}

void frmCommChInfo::InitComboWorkGroup() {
    Combo3->clear();
    const int mode = ShownMode();
    if (mode < 0) return;
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    // Every group of the list but the last ("VFO"); at most groups 1..13.
    for (int p = 0; p + 1 < Combo6->count() && p + 1 <= kOptGroupCount; ++p)
        if (PerGroupAt(o.GroupValid, mode, p + 1) == 1) Combo3->addItem(Combo6->itemText(p));
    for (int16& work : o.WorkGroup)
        if (work == 0) work = 1;
    ModPubFun::SetComboText(Combo3, ModFun::GetGroupName(o.WorkGroup[static_cast<std::size_t>(mode)], mode));
    if (Combo3->count() > 0) Combo3_Click();
}

void frmCommChInfo::Combo3_Click() {
    const int mode = ShownMode();
    if (mode < 0 || Combo3->count() == 0) return;  // no group to work in: keep the stored one
    Prog::RadioData.OptFeatures.WorkGroup[static_cast<std::size_t>(mode)] = ModFun::GetGroupIndex(Combo3->currentText(), mode);
}

void frmCommChInfo::ShowGroupSetItems(int group) {
    const bool lettered = IsLetteredGroup(ShownMode(), group);
    for (int i : {5, 2, 0, 1, 6}) {
        Label2[static_cast<std::size_t>(i)]->setVisible(lettered);
        Combo1[static_cast<std::size_t>(i)]->setVisible(lettered);
    }
    for (int i : {3, 4}) {
        Label2[static_cast<std::size_t>(i)]->hide();
        Combo1[static_cast<std::size_t>(i)]->hide();
    }
}

// Shows the group's flag in the group switch ("Off" for anything but 1). Showing stores
// nothing: a flag from a file, or every group off, stays as it is until the user chooses.
void frmCommChInfo::ShowGroupValid(int mode, int group) {
    if (group < 1 || group > kOptGroupCount) return;
    const int valid = PerGroupAt(Prog::RadioData.OptFeatures.GroupValid, mode, group);
    Combo1[6]->setCurrentIndex(valid == 1 ? 1 : 0);
}

void frmCommChInfo::InitValidComboList() {
    const int mode = ShownMode();
    const int group = ShownGroup();
    if (mode < 0 || !IsLetteredGroup(mode, group)) return;
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    const QStringList channels = ModChText::ChannelIdItems(mode, group, 0);
    for (int i : {0, 1, 3, 4}) {
        QComboBox* list = Combo1[static_cast<std::size_t>(i)];
        list->clear();
        list->addItems(channels);
    }
    ShowEmgMode(Combo1[2], PerGroupAt(o.EmgMode1, mode, group));
    ShowEmgMode(Combo1[5], PerGroupAt(o.EmgMode2, mode, group));
}

// An emergency mode is stored as its place in the full mode list (Combo4), which the
// per-group lists show without "PA". A stored PA, or a value outside the list, has no entry
// to show: the list then shows none and the stored value stays.
void frmCommChInfo::ShowEmgMode(QComboBox* list, int stored) {
    if (stored < 0 || stored >= Combo4->count()) {
        list->setCurrentIndex(-1);
        return;
    }
    Combo4->setCurrentIndex(stored);
    list->setCurrentIndex(list->findText(Combo4->currentText(), Qt::MatchExactly));
}

void frmCommChInfo::ShowValidComboText() {
    const int mode = ShownMode();
    const int group = ShownGroup();
    if (mode < 0 || !IsLetteredGroup(mode, group)) return;
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    const std::pair<int, PerGroup<int16>*> refs[] = {{0, &o.EmgCh1}, {1, &o.EmgCh2}, {3, &o.DwCh1}, {4, &o.DwCh2}};
    for (const auto& [index, values] : refs) {
        const QString name = GetCHName(PerGroupAt(*values, mode, group), 0, 0);
        QComboBox* list = Combo1[static_cast<std::size_t>(index)];
        ModPubFun::SetComboText(list, name);
        if (list->count() > 0) Combo1_Click(index);
    }
}

void frmCommChInfo::Combo1_Click(int index) {
    const int mode = ShownMode();
    const int group = ShownGroup();
    if (EditorReady_ == 0 || mode < 0 || group < 1 || group >= kHfMemGroup) return;
    OptFeatRec& o = Prog::RadioData.OptFeatures;
    QComboBox* list = Combo1[static_cast<std::size_t>(index)];
    switch (index) {
    case 0: PerGroupAt(o.EmgCh1, mode, group) = static_cast<int16>(GetCHID(list->currentText())); break;
    case 1: PerGroupAt(o.EmgCh2, mode, group) = static_cast<int16>(GetCHID(list->currentText())); break;
    case 3: PerGroupAt(o.DwCh1, mode, group) = static_cast<int16>(GetCHID(list->currentText())); break;
    case 4: PerGroupAt(o.DwCh2, mode, group) = static_cast<int16>(GetCHID(list->currentText())); break;
    case 2:
    case 5:
        if (list->currentIndex() < 0) break;
        ModPubFun::SetComboText(Combo4, list->currentText());
        PerGroupAt(index == 2 ? o.EmgMode1 : o.EmgMode2, mode, group) = static_cast<int16>(Combo4->currentIndex());
        break;
    case 6: GroupSwitch(); break;
    default: break;
    }
}

// Switches the shown group on or off. The last switched-on group among A..J (HF) or A..I
// (HAM) stays on; a group switched on without a channel numbered 1 to 40 gets its default
// channel 1.
void frmCommChInfo::GroupSwitch() {
    const int mode = ShownMode();
    const int group = ShownGroup();
    const int choice = Combo1[6]->currentIndex();
    if (choice < 0) return;
    PerGroup<int16>& valid = Prog::RadioData.OptFeatures.GroupValid;
    bool other = false;
    for (int i = 1; i <= (mode == 0 ? 10 : 9); ++i)
        if (i != group && PerGroupAt(valid, mode, i) > 0) other = true;
    if (choice == 0 && !other) {
        Combo1[6]->setCurrentIndex(1);
        Combo1_Click(6);
        return;
    }
    const bool add = PerGroupAt(valid, mode, group) == 0 && choice == 1 && ModShowOptFun::CountNormalChannels(mode, group) == 0;
    PerGroupAt(valid, mode, group) = static_cast<int16>(choice);
    if (add) ModInitV::AddDefaultChannel(mode, group);
}

// ---- Channel names and tone codes ----

QString frmCommChInfo::GetCHName(int n, int kind, int group) const { return ModChText::GetCHName(n, kind, group); }

int frmCommChInfo::GetCHID(const QString& name) const { return ModChText::GetCHID(name); }

QString frmCommChInfo::ShowCTCSS_DCS(const QString& code) const { return ModChText::ShowCTCSS_DCS(code); }

QString frmCommChInfo::GetCTCSS_DCSByShow(const QString& text) const { return ModChText::GetCTCSS_DCSByShow(text); }
