#pragma once
// The optional-features editor: the radio settings that are not per channel, each in a
// list, check box or text box that writes into Prog::RadioData the moment it changes.
// There is no OK or undo; the only button closes the window.
//
// Lists and check boxes store through SaveOptFeat(code) (codes: ModOptFeat, OptFeatSave.h)
// when the user chooses, never while the window fills them (DataShown 0). Where a choice
// leads to another selection (the RX NRC / RxComp interlock, the public mode after the
// mode enables changed, the roger-beep list after the sets changed) that selection is
// stored as a choice too. The text boxes keep their own moments of storing
// (FrmOptFeaturesText.cpp).
#include "core/Records.h"
#include "core/widgets/ReadyFlagScope.h"
#include "features/optfeatures/OptFeatLists.h"
#include "features/optfeatures/OptFeatSave.h"
#include "features/optfeatures/OptFeatText.h"
#include "shell/ChildForm.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class FrmOptFeatures final : public ChildForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "FrmOptFeatures";

    explicit FrmOptFeatures(QWidget* parent = nullptr);
    ~FrmOptFeatures() override;

    QSize sizeHint() const override;

    // Public operations.
    bool HasShowRB() const override { return true; }
    void ShowRB() override;        // the roger-beep list after the sets changed
    void ReShowData();             // every control again from the record
    void SaveOptFeat(int code);    // stores the control of that code
    void ValidateControls() override;  // stores a text box that is still being edited

    // -1 once the window shows the data (choices are stored), 0 while it fills its controls.
    int16 DataShown() const { return DataShown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Holds DataShown at 0 while the window fills its controls.
    using DataShownScope = ReadyFlagScope;

    // Layout and captions (FrmOptFeaturesLayout.cpp)
    void BuildControls();
    void BuildLists();
    void BuildChecks();
    void BuildFrames();
    void BuildTextBoxes();
    void ChangShowByLanguage();
    void AlignLabels();

    // Lists and check boxes (FrmOptFeatures.cpp)
    void Form_Load();
    void CommandClose_Click();
    void InitOptComboList();
    void InitRBComboList();
    void ShowOptFeatData(const DataFileRec& shown);
    void ShowList(const DataFileRec& shown, QComboBox* list, int code);
    void ShowPublicMode(const DataFileRec& shown);
    void ShowTextBoxes(const DataFileRec& shown);
    void Combo1_Click(int index);
    void Combo2_Click(int index);
    void Check1_Click(int index);
    void SelectAndClick(int index, int position);
    void KeepOneModeEnabled(int index);
    void FollowModeEnables();
    void SavePublicMode();
    void ReopenChannelEditor();

    // Text boxes (FrmOptFeaturesText.cpp)
    void ConnectTextBoxes();
    bool TextKeyPress(QLineEdit* box, ModOptFeat::TextKind kind, QEvent* event);
    bool RunsLostFocusCheck(const QLineEdit* box) const;
    void LostFocusCheck(QLineEdit* box);
    void Text1_Change(int index);
    void Text2_LostFocus(int index);
    void Text3_Change(int index);
    void Text4_LostFocus(int index);
    void Text5_LostFocus();
    ModOptFeat::TextKind KindOf(const QLineEdit* box) const;

    // Controls, named and numbered as the window's design does.
    std::array<QComboBox*, ModOptFeat::kCombo1Count> Combo1{};
    std::array<QLabel*, ModOptFeat::kCombo1Count> Label1{};
    std::array<QComboBox*, ModOptFeat::kCombo2Count> Combo2{};
    std::array<QLabel*, ModOptFeat::kCombo2Count> Label4{};
    std::array<QCheckBox*, ModOptFeat::kCheckCount> Check1{};
    QGroupBox* Frame1 = nullptr;     // "Mode Enable"
    QGroupBox* Frame2 = nullptr;     // "Public"
    QGroupBox* FraDWData = nullptr;  // "DW Data"
    std::array<QGroupBox*, 2> Frame3{};  // the RSSI runs (hidden)
    QComboBox* Combo3 = nullptr;     // public mode text <-> code (hidden)
    QComboBox* Combo4 = nullptr;     // dual-watch mode text <-> code (hidden)
    std::array<QLineEdit*, 2> Text1{};
    std::array<QLabel*, 2> Label2{};
    std::array<QLineEdit*, 3> Text2{};
    std::array<QLabel*, 3> Label3{};
    std::array<QLineEdit*, 5> Text3{};
    QLabel* Label5 = nullptr;
    std::array<QLineEdit*, kRssiCount> Text4{};
    std::array<QLabel*, kRssiCount> Label6{};
    QLineEdit* Text5 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label10 = nullptr;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;

    int16 DataShown_ = 0;
};
