#pragma once
// The channel editor: the channels of one mode and group in a grid, edited in place with
// a frequency box laid over the cell; the mode, group and work-group selectors and the
// per-group row (emergency and dual-watch channels, group switch) above and beside it; the
// option panel of the current channel (Frame2) on the right.
//
// Program-wide data is read and changed directly (Prog::RadioData, Prog::ChInfo). While the
// window is loaded ChannelGlobals::ChInfoShown is -1, and the channel-list logic asks the
// window services to re-show rows (reShowGrid) and references (InitValidComboList,
// ShowValidComboText) through the main window.
#include "channels/ModChOption.h"
#include "core/widgets/ReadyFlagScope.h"
#include "core/Records.h"
#include "shell/ChildForm.h"

#include <QString>
#include <array>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class frmCommChInfo final : public ChildForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmCommChInfo";

    explicit frmCommChInfo(QWidget* parent = nullptr);
    ~frmCommChInfo() override;

    QSize sizeHint() const override;

    // Operations other windows call.
    void Change_Language() override;       // ReShowChInfoByLanguage
    void reShowGrid(int row) override;     // one row again from ChInfo
    void InitValidComboList() override;    // channel lists of the per-group row
    void ShowValidComboText() override;    // the stored references in those lists
    void ValidateControls() override;      // commits an open cell edit
    bool HasShowRB() const override { return true; }
    void ShowRB() override;                // the roger-beep list after the sets changed

    // The current channel's mode list again after the allowed modes changed; the shown mode,
    // or the first allowed one when it is no longer allowed, is stored as the channel's.
    void RevalidateShownMode();

    void ReShowChInfoByLanguage();
    void SetGridData();
    void SetEditNoVisable();
    void InitComboWorkGroup();
    void EnterGridEdit();
    void GridNextLine();
    void GridNextCol();

    QString GetCHName(int n, int kind, int group) const;
    int GetCHID(const QString& name) const;
    QString ShowCTCSS_DCS(const QString& code) const;
    QString GetCTCSS_DCSByShow(const QString& text) const;

    // -1 while the window is not filling its own controls (user choices are stored), else 0.
    int16 EditorReady() const { return EditorReady_; }
    // The grid cell of the last opened edit (row and column from 1; 0 before any row).
    struct GridCell {
        int16 Row = 0;
        int16 Col = 0;
    };
    GridCell GridState() const { return GridState_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Holds EditorReady at 0 while the window fills its own controls.
    using EditorReadyScope = ReadyFlagScope;

    // Layout and captions (frmCommChInfoLayout.cpp)
    void BuildControls();
    void BuildSelectors();
    void BuildGroupRow();
    void BuildGrid();
    void BuildOptionPanel();
    void InitShowGrid();
    int LabelColumnWidth() const;
    void ChangShowByLanguage();
    void SetPanelLists();
    void PlaceLabels();

    // Load and unload
    void Form_Load();
    void Form_Unload();
    void CommandClose_Click();

    // Grid (frmCommChInfo.cpp)
    void SetGridRowsByGroup(int group, int mode);
    void ShowChCells(const ChannelRecord& rec, int row);  // the row's two frequency cells
    void ShowChIfoData(const ChannelRecord& rec, int row);
    int GridRows() const;  // data rows: 60, 99 or 1
    int GridRow() const;   // current row from 1, 0 for none
    int GridCol() const;   // current column from 1, 0 for none
    void SetGridCurrent(int row, int col);

    // Cell editing
    void MSFlexGrid1_DblClick();
    QLineEdit* EditorOfColumn(int col) const;
    bool InitFreqLocked() const;
    bool IsEditOpen() const;
    void SaveShowGridData();
    bool Text_KeyPress(QLineEdit* box, QKeyEvent* key);

    // Option panel (frmCommChInfoPanel.cpp)
    ChannelRecord* CurrentChannel() const;  // the channel of the grid's current row, if any
    void MSFlexGrid1_EnterCell();
    void ShowChIfoDataOther();
    void ShowPanel(const ChannelRecord& rec);
    void FillPanel(const ChannelRecord& rec);
    void ShowToneLists(QComboBox* all, QComboBox* kind, QComboBox* ctc, QComboBox* dcs, const ModChOption::ToneView& view);
    void Combo8_Click(int index);
    void ApplyOptionEnable();
    void SetOptionEnable(int sel);
    void FillRogerList();

    // Mode, group, work group and the per-group row (frmCommChInfoGroups.cpp)
    void Combo2_Click();
    void InitComboGroupList(int mode);
    void Combo6_Click();
    void Combo3_Click();
    void Combo1_Click(int index);
    void GroupSwitch();
    void ShowGroupSetItems(int group);
    void ShowGroupValid(int mode, int group);
    void ShowEmgMode(QComboBox* list, int stored);
    int ShownMode() const;   // Combo2's mode, 0 or 1; -1 for none
    int ShownGroup() const;  // Combo6's group in that mode; 0 for none
    bool IsLetteredGroup(int mode, int group) const;

    // Controls, named as the window's design names them.
    QLabel* Label3 = nullptr;
    QComboBox* Combo2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo6 = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* Combo3 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QComboBox*, 7> Combo1{};
    std::array<QLabel*, 7> Label2{};
    QTableWidget* MSFlexGrid1 = nullptr;
    QLabel* GridCorner = nullptr;  // the header text of the row-label column
    QLineEdit* Text1 = nullptr;    // editor of column 2
    QLineEdit* Text2 = nullptr;    // editor of column 1
    QGroupBox* Frame2 = nullptr;
    std::array<QComboBox*, 20> Combo8{};
    std::array<QLabel*, 16> Label5{};
    QComboBox* Combo4 = nullptr;  // mode names, a lookup list only
    QPushButton* CommandClose = nullptr;

    int16 EditorReady_ = 0;
    GridCell GridState_;
    bool loaded_ = false;
    bool committing_ = false;
};
