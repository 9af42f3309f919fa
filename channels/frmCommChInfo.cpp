// The channel editor window: loading and unloading, the grid and its in-place editing.
#include "channels/frmCommChInfo.h"

#include "channels/ChannelGlobals.h"
#include "core/widgets/GridCells.h"
#include "core/widgets/GridOverlay.h"
#include "channels/ModChText.h"
#include "channels/ModShowFreFun.h"
#include "channels/ModShowOptFun.h"
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/NumText.h"
#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "core/lang/ModEnglishChannelInfo.h"
#include "platform/MessageBox.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <exception>

namespace {

// Runs body; a failure shows label in a message box and ends the procedure there.
template <typename Body>
void Trap(const char* label, Body&& body) {
    try {
        body();
    } catch (const std::exception&) {
        MsgBox::Show(QString::fromLatin1(label), MsgBox::OKOnly);
    }
}

bool IsEnterKey(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

}  // namespace

frmCommChInfo::frmCommChInfo(QWidget* parent) : ChildForm(QString::fromLatin1(kFormName), parent) {
    BuildControls();
    connect(CommandClose, &QPushButton::clicked, this, [this] { CommandClose_Click(); });
    connect(MSFlexGrid1, &QTableWidget::cellDoubleClicked, this, [this] { MSFlexGrid1_DblClick(); });
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    connect(Combo6, &QComboBox::activated, this, [this] { Combo6_Click(); });
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });
    for (int i = 0; i < static_cast<int>(Combo1.size()); ++i)
        connect(Combo1[static_cast<std::size_t>(i)], &QComboBox::activated, this, [this, i] { Combo1_Click(i); });
    for (int i = 0; i < static_cast<int>(Combo8.size()); ++i)
        connect(Combo8[static_cast<std::size_t>(i)], &QComboBox::activated, this, [this, i] { Combo8_Click(i); });
    connect(MSFlexGrid1, &QTableWidget::currentCellChanged, this, [this] { MSFlexGrid1_EnterCell(); });
    for (QWidget* w : {static_cast<QWidget*>(Combo2), static_cast<QWidget*>(Combo6)}) w->installEventFilter(this);
    for (QComboBox* list : Combo1) list->installEventFilter(this);
    for (QComboBox* list : Combo8) list->installEventFilter(this);
    Form_Load();
}

frmCommChInfo::~frmCommChInfo() {
    MSFlexGrid1->disconnect(this);  // the grid goes after this part of the window
    if (!loaded_) return;
    loaded_ = false;
    ChannelGlobals::ChInfoShown = 0;
    ChannelGlobals::RevalidateShownMode = nullptr;
    // Destroyed without being closed (with its parent): an open edit still counts. The
    // widgets are left alone, as the windows around them are going.
    QLineEdit* box = EditorOfColumn(GridState_.Col);
    if (box && !box->isHidden() && GridState_.Row > 0) {
        QString text = box->text();
        ModShowFreFun::EditChannelCell(GridState_.Row, GridState_.Col, text);
    }
}

void frmCommChInfo::Form_Load() {
    EditorReady_ = -1;  // what the filling below gives back when it ends
    Trap("frmCommChInfo_Form_Load", [this] {
        EditorReadyScope filling(EditorReady_);
        InitShowGrid();
        ChangShowByLanguage();
        // A mode outside the list (from a damaged file or image) is shown as HAM.
        int16& mode = Prog::RadioData.CurMode;
        if (mode != 0 && mode != 1) mode = 1;
        Combo2->setCurrentIndex(mode);
        Combo2_Click();
        Prog::BandRangeText = ModFreFile::GetBandRangeText(mode);
        ModFun::ParseBandRange();
        Windows().SetMainCaption();
    });
    ChannelGlobals::ChInfoShown = -1;
    ChannelGlobals::RevalidateShownMode = [this] { RevalidateShownMode(); };
    loaded_ = true;
}

void frmCommChInfo::Form_Unload() {
    if (!loaded_) return;
    Trap("frmCommChInfo_Form_Unload", [this] { ValidateControls(); });
    loaded_ = false;
    ChannelGlobals::ChInfoShown = 0;
    ChannelGlobals::RevalidateShownMode = nullptr;
}

void frmCommChInfo::closeEvent(QCloseEvent* event) {
    Form_Unload();
    ChildForm::closeEvent(event);
}

void frmCommChInfo::CommandClose_Click() { CloseFrame(); }

void frmCommChInfo::Change_Language() { ReShowChInfoByLanguage(); }

void frmCommChInfo::ReShowChInfoByLanguage() {
    ValidateControls();
    Trap("frmCommChInfo_ChangShowByLanguage", [this] { ChangShowByLanguage(); });
    SetGridData();
}

// ---- Grid ----

int frmCommChInfo::GridRows() const { return MSFlexGrid1->rowCount(); }

int frmCommChInfo::GridRow() const { return MSFlexGrid1->currentRow() + 1; }

int frmCommChInfo::GridCol() const { return MSFlexGrid1->currentColumn() + 1; }

void frmCommChInfo::SetGridCurrent(int row, int col) {
    if (row < 1 || row > GridRows() || col < 1 || col > MSFlexGrid1->columnCount()) return;
    MSFlexGrid1->setCurrentCell(row - 1, col - 1);
}

void frmCommChInfo::SetGridRowsByGroup(int group, int mode) {
    const bool mem = group == (mode == 0 ? kHfMemGroup : kHamMemGroup);
    const int rows = GroupCapacity(mode, group);
    MSFlexGrid1->setRowCount(rows);
    QStringList labels;
    for (int row = 1; row <= rows; ++row)
        labels << (mem ? QLatin1Char('M') + QString::number(row) : QString::number(row));
    MSFlexGrid1->setVerticalHeaderLabels(labels);
}

void frmCommChInfo::SetGridData() {
    const int mode = ShownMode();
    const int group = ShownGroup();
    if (mode < 0 || group == 0) return;
    ShowGroupSetItems(group);
    if (group != kHfVfoGroup) ShowGroupValid(mode, group);
    ShowValidComboText();
    SetGridRowsByGroup(group, mode);
    MSFlexGrid1->clearContents();
    for (int slot = 1; slot <= ModShowOptFun::UsedSlots(mode, group); ++slot) {
        const ChannelRecord& rec = Prog::ChInfo(mode, slot, group);
        if (rec.ChNo >= 1 && rec.ChNo <= GridRows()) ShowChCells(rec, rec.ChNo);  // else no row shows it
    }
    // The group's remembered row is current again; one that names no grid row (0 for HF's
    // VFO at start-up) gives row 1.
    const int curChRow = Prog::RadioData.CurChRow[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)];
    const int row = curChRow >= 1 && curChRow <= GridRows() ? curChRow : 1;
    SetGridCurrent(row, GridCol() >= 1 ? GridCol() : 1);
    GridState_.Row = static_cast<int16>(row);
    ShowChIfoDataOther();  // the panel of that row, also when the current cell did not move
}

void frmCommChInfo::ShowChCells(const ChannelRecord& rec, int row) {
    GridCells::SetCellText(MSFlexGrid1, row, 1, ModShowFreFun::ShowFre(rec.Freq.ToQString()));
    GridCells::SetCellText(MSFlexGrid1, row, 2, ModShowFreFun::ShowFre(rec.InitFreq.ToQString()));
}

// Shows a channel in its grid row and, when that row is current, in the option panel.
void frmCommChInfo::ShowChIfoData(const ChannelRecord& rec, int row) {
    ShowChCells(rec, row);
    if (row == GridRow()) ShowPanel(rec);
}

void frmCommChInfo::reShowGrid(int row) {
    Trap("frmCommChInfo_reShowGrid", [this, row] {
        const int mode = ShownMode();
        const int group = ShownGroup();
        if (mode < 0 || group == 0) return;
        if (group != (mode == 0 ? kHfMemGroup : kHamMemGroup)) {
            if (group != kHfVfoGroup) ShowGroupValid(mode, group);
            InitComboWorkGroup();
        }
        for (int slot = 1; slot <= ModShowOptFun::UsedSlots(mode, group); ++slot) {
            const ChannelRecord& rec = Prog::ChInfo(mode, slot, group);
            if (rec.ChNo == row) {
                ShowChIfoData(rec, row);
                return;
            }
        }
        GridCells::SetCellText(MSFlexGrid1, row, 1, QString());
        GridCells::SetCellText(MSFlexGrid1, row, 2, QString());
        Text1->clear();
        Text2->clear();
        if (row == GridRow()) Frame2->hide();  // the panel showed the channel that went
    });
}

void frmCommChInfo::SetEditNoVisable() { Frame2->hide(); }

// ---- Cell editing ----

QLineEdit* frmCommChInfo::EditorOfColumn(int col) const {
    if (col == 1) return Text2;
    if (col == 2) return Text1;
    return nullptr;
}

// The init frequency of the VFO groups is not edited in the grid.
bool frmCommChInfo::InitFreqLocked() const {
    const int mode = ShownMode();
    return mode >= 0 && ShownGroup() == (mode == 0 ? kHfVfoGroup : kHamVfoGroup);
}

bool frmCommChInfo::IsEditOpen() const { return !Text1->isHidden() || !Text2->isHidden(); }

void frmCommChInfo::MSFlexGrid1_DblClick() {
    if (GridCol() < 1 || GridRow() < 1) return;
    Trap("frmCommChInfo_MSFlexGrid1_EnterCell", [this] {
        setWindowTitle(ModEnglishChannelInfo::ChannelInformation.Text());
        EnterGridEdit();
    });
}

void frmCommChInfo::EnterGridEdit() {
    ValidateControls();  // one edit at a time
    const int row = GridRow();
    const int col = GridCol();
    if (row < 1 || col < 1) return;
    GridState_ = {static_cast<int16>(row), static_cast<int16>(col)};
    const int mode = ShownMode();
    const int group = ShownGroup();
    if (mode >= 0 && group >= 1)
        Prog::RadioData.CurChRow[static_cast<std::size_t>(mode)][static_cast<std::size_t>(group)] = static_cast<int16>(row);
    QLineEdit* box = EditorOfColumn(col);
    if (!box || (col == 2 && InitFreqLocked())) return;
    GridOverlay::OpenText(MSFlexGrid1, box, row - 1, col - 1, GridCells::CellText(MSFlexGrid1, row, col));
}

void frmCommChInfo::SaveShowGridData() {
    if (GridState_.Row <= 0 || committing_) return;
    QLineEdit* box = EditorOfColumn(GridState_.Col);
    if (!box || box->isHidden()) return;
    committing_ = true;
    const bool hadFocus = box->hasFocus();
    box->hide();  // before anything else, so that the focus change it causes commits nothing
    if (hadFocus) MSFlexGrid1->setFocus(Qt::OtherFocusReason);
    QString text = box->text();
    const auto value = NumText::ToDouble(text);
    GridCells::SetCellText(MSFlexGrid1, GridState_.Row, GridState_.Col, value ? NumText::FormatFixed(*value, 4) : text);
    committing_ = false;
    ModShowFreFun::EditChannelCell(GridState_.Row, GridState_.Col, text);
}

void frmCommChInfo::ValidateControls() {
    if (IsEditOpen()) SaveShowGridData();
}

void frmCommChInfo::GridNextLine() {
    Trap("frmCommChInfo_GridNextLine", [this] {
        int row = GridRow() + 1;
        if (row > GridRows()) row = 1;
        SetGridCurrent(row, GridCol() >= 1 ? GridCol() : 1);
        MSFlexGrid1->setFocus(Qt::OtherFocusReason);
    });
}

void frmCommChInfo::GridNextCol() {
    Trap("rmCommChInfo_GridNextCol", [this] {
        const int col = GridCol() + 1;
        if (col > MSFlexGrid1->columnCount()) {
            SetGridCurrent(GridRow(), 1);
            GridNextLine();
        } else {
            SetGridCurrent(GridRow(), col);
        }
    });
}

bool frmCommChInfo::Text_KeyPress(QLineEdit* box, QKeyEvent* key) {
    if (!IsEnterKey(key)) return false;
    Trap("FrmCommChInfo_Text1_KeyPress_Error", [this, box] {
        const int col = GridCol();
        if (col == 1 && box->text().isEmpty()) GridNextLine();
        else if (col > 0 && col <= MSFlexGrid1->columnCount()) GridNextCol();
    });
    return true;
}

bool frmCommChInfo::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Text1 || watched == Text2) {
        auto* box = static_cast<QLineEdit*>(watched);
        if (type == QEvent::KeyPress) return Text_KeyPress(box, static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusOut && !box->isHidden()) SaveShowGridData();
        return false;
    }
    if (watched == MSFlexGrid1 && type == QEvent::KeyPress && IsEnterKey(static_cast<QKeyEvent*>(event))) {
        EnterGridEdit();
        return true;
    }
    if (type == QEvent::FocusIn) {
        // Focus arriving anywhere else commits an open edit (focus on the per-group row
        // commits only the init-frequency box).
        const bool groupRow = std::find(Combo1.begin(), Combo1.end(), watched) != Combo1.end();
        if (groupRow ? !Text1->isHidden() : IsEditOpen()) SaveShowGridData();
    }
    return ChildForm::eventFilter(watched, event);
}
