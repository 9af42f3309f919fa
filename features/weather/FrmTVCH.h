#pragma once
// The weather-channel editor: the 40 weather channels and the weather VFO in a grid, edited
// in place (a frequency box over column 1, lists over W/N and Scan), and the six weather
// settings in lists above it. Every change goes into Prog::RadioData at once.
//
// Grid rows and columns are counted as the window shows them: row 0 is the header, rows 1..41
// the channels (41 the VFO); column 0 the channel numbers, 1 frequency, 2 on/off (never
// shown), 3 W/N, 4 scan.
#include "core/widgets/ReadyFlagScope.h"
#include "core/Records.h"
#include "features/weather/TVCHLogic.h"
#include "shell/ChildForm.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class FrmTVCH final : public ChildForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "FrmTVCH";

    explicit FrmTVCH(QWidget* parent = nullptr);
    ~FrmTVCH() override;

    QSize sizeHint() const override;

    // Commits the open in-place editor, if any (the frequency rules are TVCHLogic's
    // TV_CH_CheckFre and TV_CH_Step).
    void Save_TVChannel();
    void ValidateControls() override { Save_TVChannel(); }

    // -1 when a user's choice is stored, 0 while the window fills or positions its lists.
    int16 TVCHReady() const { return TVCHReady_; }
    // The cell whose editor was opened last; 0 before any.
    int16 TVCHEditRow() const { return TVCHEditRow_; }
    int16 TVCHEditCol() const { return TVCHEditCol_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout and captions (FrmTVCHLayout.cpp)
    void BuildControls();
    void BuildSettings();
    void BuildGrid();
    void BuildCellEditors();
    void InitTVCHGrid();
    void ChangShowByLanguage();
    void PlaceLabels();
    int NumberColumnWidth() const;

    // Display
    void FillTVCHCombo(QComboBox* list, const std::vector<int>& channels);
    void ReShowTVCHCombo();
    void ShowTVChannelRow(int row);
    void ShowTVChannelRow(int row, const QStringList& wnItems, const QStringList& scanItems);
    void ShowTVChannelData();

    // Loading, editing, closing
    void Form_Load();
    void Form_Unload();
    void CommandClose_Click();
    void MSFlexGrid1_DblClick();
    bool Text1_KeyPress(const QKeyEvent* key);
    void Combo1_Click();
    void ComboSetting_Click(TVCHLogic::WxSetting setting, int index);
    QWidget* EditorOfColumn(int col) const;
    QComboBox* ListOfColumn(int col) const;
    QComboBox* SettingList(TVCHLogic::WxSetting setting) const;
    bool IsEditorOpen() const;
    bool StoreEditor();
    void HideEditors();

    // Controls, named as the window's design names them.
    std::array<QLabel*, 7> Label{};      // Label1..Label6 at their numbers
    std::array<QComboBox*, 10> Combo{};  // Combo1..Combo9 at their numbers
    QTableWidget* MSFlexGrid1 = nullptr;
    QLabel* GridCorner = nullptr;        // header text of the number column
    QLineEdit* Text1 = nullptr;          // editor of column 1
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;

    int16 TVCHReady_ = 0;
    int16 TVCHEditRow_ = 0;
    int16 TVCHEditCol_ = 0;
    QString openedText_;   // Text1's text as the edit was opened
    QSize designSize_;     // the client area as designed, wider when a label needs it
    bool loaded_ = false;
    bool committing_ = false;
};
