// The optional-features editor: loading, its lists and check boxes, and what a choice in
// them stores and sets off.
#include "features/optfeatures/FrmOptFeatures.h"

#include "channels/ModSetComm2.h"
#include "core/ModFun.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "core/widgets/ComboHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

namespace {

const QString kChannelEditor = QStringLiteral("frmCommChInfo");

// The order in which the window shows its lists (the public mode comes last, after the
// mode enables it depends on).
constexpr int kCombo1ShowOrder[] = {19, 3,  8,  9,  10, 11, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 35,
                                    34, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54,
                                    55, 56, 57, 58, 59, 60};

void SetItems(QComboBox* list, const QStringList& items) {
    list->clear();
    list->addItems(items);
}

}  // namespace

FrmOptFeatures::FrmOptFeatures(QWidget* parent) : ChildForm(QString::fromLatin1(kFormName), parent) {
    BuildControls();
    connect(CommandClose, &QPushButton::clicked, this, [this] { CommandClose_Click(); });
    for (int i = 0; i < ModOptFeat::kCombo1Count; ++i)
        connect(Combo1[static_cast<std::size_t>(i)], &QComboBox::activated, this, [this, i] { Combo1_Click(i); });
    for (int i = 0; i < ModOptFeat::kCombo2Count; ++i)
        connect(Combo2[static_cast<std::size_t>(i)], &QComboBox::activated, this, [this, i] { Combo2_Click(i); });
    for (int i = 0; i < ModOptFeat::kCheckCount; ++i)
        connect(Check1[static_cast<std::size_t>(i)], &QCheckBox::clicked, this, [this, i] { Check1_Click(i); });
    ConnectTextBoxes();
    Form_Load();
}

void FrmOptFeatures::Form_Load() {
    DataShown_ = -1;  // what the filling below gives back when it ends
    DataShownScope filling(DataShown_);
    InitOptComboList();
    ChangShowByLanguage();
    ShowOptFeatData(Prog::RadioData);
}

void FrmOptFeatures::CommandClose_Click() { CloseFrame(); }

// ---- Public operations ----

void FrmOptFeatures::ShowRB() {
    {
        DataShownScope filling(DataShown_);
        InitRBComboList();
        const OptFeatRec& o = Prog::RadioData.OptFeatures;
        ModFun::SetComboValue(Combo2[ModOptFeat::kRogerList], o.RBEnable, o.RBSet);
    }
    // The selection counts as a choice: a public set that is no longer listed shows "OFF"
    // and switches the public roger beep off.
    Combo2_Click(ModOptFeat::kRogerList);
}

void FrmOptFeatures::ReShowData() {
    DataShownScope filling(DataShown_);
    InitOptComboList();
    ShowOptFeatData(Prog::RadioData);
}

void FrmOptFeatures::SaveOptFeat(int code) {
    ModOptFeat::Choice choice;
    if (code >= 0 && code < ModOptFeat::kCombo1Count) {
        const QComboBox* list = Combo1[static_cast<std::size_t>(code)];
        choice = {list->currentIndex(), list->currentText()};
    } else if (code >= ModOptFeat::kCombo2Code && code < ModOptFeat::kCombo2Code + ModOptFeat::kCombo2Count) {
        const QComboBox* list = Combo2[static_cast<std::size_t>(code - ModOptFeat::kCombo2Code)];
        choice = {list->currentIndex(), list->currentText()};
    } else if (code >= ModOptFeat::kCheckCode && code < ModOptFeat::kCheckCode + ModOptFeat::kCheckCount) {
        const int index = code - ModOptFeat::kCheckCode;
        if (index >= ModOptFeat::kFirstModeEnable && index <= ModOptFeat::kLastModeEnable) KeepOneModeEnabled(index);
        choice.position = Check1[static_cast<std::size_t>(index)]->isChecked() ? 1 : 0;
    } else {
        return;  // no control of that code
    }
    if (code == ModOptFeat::kPublicModeList) {
        SavePublicMode();
        return;
    }
    const auto effect = ModOptFeat::SaveOptFeat(Prog::RadioData, Prog::ChInfo, code, choice);
    if (effect == ModOptFeat::SaveEffect::PublicChanged) ReopenChannelEditor();
}

// ---- Lists ----

void FrmOptFeatures::InitOptComboList() {
    for (int i = 0; i < ModOptFeat::kCombo1Count; ++i) {
        if (i == ModOptFeat::kPublicModeList) continue;  // built from the mode enables when shown
        SetItems(Combo1[static_cast<std::size_t>(i)], ModOptFeat::Combo1Items(i));
    }
    SetItems(Combo3, ModOptFeat::ModeCodeItems());
    SetItems(Combo4, ModOptFeat::ModeCodeItems());
    for (int i = 0; i < ModOptFeat::kCombo2Count; ++i)
        if (i != ModOptFeat::kRogerList) SetItems(Combo2[static_cast<std::size_t>(i)], ModOptFeat::Combo2Items(i));
    InitRBComboList();
}

void FrmOptFeatures::InitRBComboList() { SetItems(Combo2[ModOptFeat::kRogerList], ModOptFeat::RogerItems()); }

// Every control from the data (some fields lie outside OptFeatures). Only the start-character
// boxes store while shown, and they are worked out before the first of them changes.
void FrmOptFeatures::ShowOptFeatData(const DataFileRec& shown) {
    for (int i : kCombo1ShowOrder) ShowList(shown, Combo1[static_cast<std::size_t>(i)], i);
    for (int i = 0; i < ModOptFeat::kCheckCount; ++i) {
        const int value = ModOptFeat::ShownCheckValue(shown, i);
        if (value >= 0) Check1[static_cast<std::size_t>(i)]->setChecked(value == 1);
    }
    for (int i = 0; i < ModOptFeat::kCombo2Count; ++i)
        ShowList(shown, Combo2[static_cast<std::size_t>(i)], ModOptFeat::kCombo2Code + i);
    ShowPublicMode(shown);
    ShowTextBoxes(shown);
}

void FrmOptFeatures::ShowList(const DataFileRec& shown, QComboBox* list, int code) {
    if (!ModOptFeat::ShowsField(code)) return;
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    list->setCurrentIndex(ModOptFeat::ShownPosition(shown, code, items));
}

// The public mode list holds the enabled modes; a stored mode that is not enabled shows
// the first of them and stays stored until the user chooses.
void FrmOptFeatures::ShowPublicMode(const DataFileRec& shown) {
    QComboBox* list = Combo1[ModOptFeat::kPublicModeList];
    ModPubFun::FillModeCombo(list, 0);
    Combo3->setCurrentText(ModOptFeat::PublicModeText(shown));
    ModPubFun::SetComboText(list, Combo3->currentText());
}

// ---- Choices ----

void FrmOptFeatures::Combo1_Click(int index) {
    if (DataShown_ == 0) return;
    // RX NRC "1" and RxComp "ON" exclude each other.
    constexpr int kRxNrc = 26, kRxComp = 28;
    if (index == kRxNrc && Combo1[kRxNrc]->currentIndex() == 1) SelectAndClick(kRxComp, 0);
    if (index == kRxComp && Combo1[kRxComp]->currentIndex() == 1) SelectAndClick(kRxNrc, 0);
    SaveOptFeat(index);
}

void FrmOptFeatures::Combo2_Click(int index) {
    if (DataShown_ == 0) return;
    SaveOptFeat(ModOptFeat::kCombo2Code + index);
}

void FrmOptFeatures::Check1_Click(int index) {
    if (DataShown_ == 0) return;
    SaveOptFeat(ModOptFeat::kCheckCode + index);
    if (index >= ModOptFeat::kFirstModeEnable && index <= ModOptFeat::kLastModeEnable) FollowModeEnables();
}

// Selecting from code counts as the user's choice of that entry.
void FrmOptFeatures::SelectAndClick(int index, int position) {
    Combo1[static_cast<std::size_t>(index)]->setCurrentIndex(position);
    Combo1_Click(index);
}

// At least one mode stays enabled: clearing the last checked box checks it again.
void FrmOptFeatures::KeepOneModeEnabled(int index) {
    std::array<int, ModOptFeat::kLastModeEnable - ModOptFeat::kFirstModeEnable + 1> values{};
    for (std::size_t k = 0; k < values.size(); ++k)
        values[k] = Check1[ModOptFeat::kFirstModeEnable + k]->isChecked() ? 1 : 0;
    const int position = index - ModOptFeat::kFirstModeEnable;
    const int value = ModOptFeat::CheckEnoughChecked(values[static_cast<std::size_t>(position)], 1, values, position);
    Check1[static_cast<std::size_t>(index)]->setChecked(value > 0);
}

// The public mode list and the channels follow the allowed modes; the public mode stays
// when it is still allowed, else the first allowed mode is chosen in its place. The enable
// itself is already stored, so a failure here ends only the follow-up.
void FrmOptFeatures::FollowModeEnables() {
    try {
        QComboBox* list = Combo1[ModOptFeat::kPublicModeList];
        ModPubFun::FillModeCombo(list, 0);
        ModSetComm2::RevalidateChannelModes();
        ModPubFun::SetComboText(list, ModPubFun::FindComboItem(list, Combo3->currentText()));
        Combo1_Click(ModOptFeat::kPublicModeList);
    } catch (const std::exception&) {
    }
}

// Combo3 remembers the chosen mode's text, which the list of enabled modes is rebuilt around.
void FrmOptFeatures::SavePublicMode() {
    const QString text = Combo1[ModOptFeat::kPublicModeList]->currentText();
    ModOptFeat::SaveOptFeat(Prog::RadioData, Prog::ChInfo, ModOptFeat::kPublicModeList, {0, text});
    Combo3->setCurrentText(ModOptFeat::PublicModeText(Prog::RadioData));
}

// The channel editor shows the new public flags only when it is loaded afresh.
void FrmOptFeatures::ReopenChannelEditor() {
    Windows().UnloadForm(kChannelEditor);
    ModFun::ShowChildForm(kChannelEditor);
}
