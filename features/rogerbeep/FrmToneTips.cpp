// The roger-beep editor: loading and closing, showing a set, storing choices, the preview.
#include "features/rogerbeep/FrmToneTips.h"

#include "features/rogerbeep/DrawRB.h"
#include "features/rogerbeep/ModBeep.h"
#include "features/rogerbeep/ToneSetEdit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>

using ModBeep::BeepState;

namespace {

// Selects position, or shows no item for -1 (a stored value no item stands for).
void ShowPosition(QComboBox* list, int position) { list->setCurrentIndex(position); }

}  // namespace

FrmToneTips::FrmToneTips(QWidget* parent) : ChildForm(QString::fromLatin1(kFormName), parent) {
    BuildControls();
    Form_Load();
    // User choices only: showing a set selects items from code, which stores nothing.
    connect(TabStrip1, &QTabBar::currentChanged, this, [this](int index) { TabStrip1_Click(index); });
    connect(Combo1, &QComboBox::activated, this, [this](int position) { Combo1_Click(position); });
    connect(Combo2, &QComboBox::activated, this, [this](int position) { Combo2_Click(position); });
    for (int k = 0; k < kRBToneCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        connect(Combo3[i], &QComboBox::activated, this, [this, k](int position) { Combo3_Click(k, position); });
        connect(Combo4[i], &QComboBox::activated, this, [this, k](int position) { Combo4_Click(k, position); });
    }
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { StopPlayRB(); });
    connect(CommandClose, &QPushButton::clicked, this, [this] { CommandClose_Click(); });
}

// Destroyed without being closed (with the main window): a running preview still stops.
FrmToneTips::~FrmToneTips() {
    if (loaded_) BeepState.RBStopFlag = -1;
}

void FrmToneTips::Form_Load() {
    TabStrip1->setCurrentIndex(0);  // every opening starts at set 1
    BeepState.CurRBSet = static_cast<int16>(TabStrip1->currentIndex() + 1);
    ChangShowByLanguage();
    InitToneComboList();
    ShowRBData();
    loaded_ = true;
}

void FrmToneTips::Form_Unload() {
    if (!loaded_) return;
    StopPlayRB();
    loaded_ = false;
}

void FrmToneTips::closeEvent(QCloseEvent* event) {
    Form_Unload();
    ChildForm::closeEvent(event);
}

void FrmToneTips::CommandClose_Click() { CloseFrame(); }

void FrmToneTips::ShowRBData() {
    const RBToneSet* set = ModBeep::ToneSet(BeepState.CurRBSet);
    if (!set) return;
    using namespace ToneSetEdit;
    ShowPosition(Combo1, ListPosition(set->RepeatTimes, kRepeatItems));
    ShowPosition(Combo2, ListPosition(set->InterTime, kTimeItems));
    for (int k = 0; k < kRBToneCount; ++k) {
        const RBTone& tone = set->Tone[static_cast<std::size_t>(k + 1)];
        ShowPosition(Combo3[static_cast<std::size_t>(k)], FreqPosition(tone.ToneFreq));
        ShowPosition(Combo4[static_cast<std::size_t>(k)], ListPosition(tone.ToneLen, kTimeItems));
    }
    Picture1->update();
}

void FrmToneTips::TabStrip1_Click(int index) {
    const int n = index + 1;
    if (n < 1 || n > kRBSetCount || n == BeepState.CurRBSet) return;
    BeepState.CurRBSet = static_cast<int16>(n);
    ShowRBData();
}

void FrmToneTips::Combo1_Click(int position) {
    if (ToneSetEdit::ChooseRepeatTimes(BeepState.CurRBSet, position) != ToneSetEdit::Outcome::Refused) return;
    if (const RBToneSet* set = ModBeep::ToneSet(BeepState.CurRBSet))
        ShowPosition(Combo1, ToneSetEdit::ListPosition(set->RepeatTimes, ToneSetEdit::kRepeatItems));
}

void FrmToneTips::Combo2_Click(int position) { ToneSetEdit::ChooseInterTime(BeepState.CurRBSet, position); }

void FrmToneTips::Combo3_Click(int index, int position) {
    ToneSetEdit::ChooseToneFreq(BeepState.CurRBSet, index + 1, position);
    Picture1->update();
}

void FrmToneTips::Combo4_Click(int index, int position) {
    const auto outcome = ToneSetEdit::ChooseToneLen(BeepState.CurRBSet, index + 1, position);
    if (outcome == ToneSetEdit::Outcome::Stored) Picture1->update();
    if (outcome != ToneSetEdit::Outcome::Refused) return;
    if (const RBToneSet* set = ModBeep::ToneSet(BeepState.CurRBSet))
        ShowPosition(Combo4[static_cast<std::size_t>(index)],
                     ToneSetEdit::ListPosition(set->Tone[static_cast<std::size_t>(index + 1)].ToneLen, ToneSetEdit::kTimeItems));
}

// Play stays disabled until the preview has ended; if the window has been closed by then,
// only the stop flag is set.
void FrmToneTips::Command1_Click() {
    if (!ModBeep::InitRBPlay(BeepState.CurRBSet)) return;
    Command1->setEnabled(false);
    QPointer<FrmToneTips> self(this);
    ModBeep::PlayRB(BeepState.CurRBSet, [self] {
        if (self) self->StopPlayRB();
        else BeepState.RBStopFlag = -1;
    });
}

void FrmToneTips::StopPlayRB() {
    BeepState.RBStopFlag = -1;
    Command1->setEnabled(true);
}
