#pragma once
// The roger-beep editor: the eight tone sets of RadioData.ToneTips, one at a time by tab,
// each with its repeat count, pause and fourteen tones of frequency and length, a chart of
// the shown set and a preview on the tone output.
//
// Every choice is stored at once (ToneSetEdit); the window keeps no data of its own. The
// shown set is ModBeep::BeepState.CurRBSet, which the chart and a running preview read as
// well. A stored value that no list item stands for is shown as no item and stays stored
// until the user picks one.
#include "core/Records.h"
#include "shell/ChildForm.h"

#include <array>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabBar;

namespace ModBeep {
class RBPicture;
}

class FrmToneTips final : public ChildForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "FrmToneTips";
    static constexpr int kTabCount = kRBSetCount;

    explicit FrmToneTips(QWidget* parent = nullptr);
    ~FrmToneTips() override;

    QSize sizeHint() const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Layout and captions (FrmToneTipsLayout.cpp)
    void BuildControls();
    void BuildToneRows();
    void ChangShowByLanguage();
    void InitToneComboList();

    void Form_Load();
    void Form_Unload();
    void ShowRBData();
    void TabStrip1_Click(int index);
    void Combo1_Click(int position);
    void Combo2_Click(int position);
    void Combo3_Click(int index, int position);
    void Combo4_Click(int index, int position);
    void Command1_Click();
    void StopPlayRB();
    void CommandClose_Click();

    // Controls, named as the window's design names them; the control arrays of the design
    // have one element (index 0) except the tone rows (0..13) and the column heads (0..1).
    QTabBar* TabStrip1 = nullptr;
    QFrame* TabPage = nullptr;  // the tab strip's client area behind Frame1
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* Combo2 = nullptr;
    std::array<QLabel*, 2> Label3{};
    std::array<QLabel*, 2> Label4{};
    std::array<QLabel*, kRBToneCount> Label5{};
    std::array<QComboBox*, kRBToneCount> Combo3{};
    std::array<QComboBox*, kRBToneCount> Combo4{};
    QFrame* Frame2 = nullptr;
    ModBeep::RBPicture* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;

    bool loaded_ = false;
};
