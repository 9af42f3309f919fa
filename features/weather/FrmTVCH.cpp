// The weather-channel editor: loading and closing, the rows, the current-channel list, the
// in-place editors and the settings lists.
#include "features/weather/FrmTVCH.h"

#include "core/widgets/ComboHelpers.h"
#include "core/widgets/GridCells.h"
#include "core/widgets/GridOverlay.h"
#include "core/ProgramData.h"
#include "core/lang/ModShowFreFunText.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

QStringList ItemsOf(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->itemText(i);
    return out;
}

bool IsEnterKey(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

}  // namespace

FrmTVCH::FrmTVCH(QWidget* parent) : ChildForm(QString::fromLatin1(kFormName), parent) {
    BuildControls();
    connect(CommandClose, &QPushButton::clicked, this, [this] { CommandClose_Click(); });
    connect(MSFlexGrid1, &QTableWidget::cellDoubleClicked, this, [this] { MSFlexGrid1_DblClick(); });
    connect(Combo[1], &QComboBox::activated, this, [this] { Combo1_Click(); });
    // The W/N and on/off lists store a choice at once; the scan list waits for the next commit.
    for (QComboBox* list : {Combo[2], Combo[3]})
        connect(list, &QComboBox::activated, this, [this] {
            if (TVCHReady_ != 0) Save_TVChannel();
        });
    for (std::size_t i = 0; i < TVCHLogic::kWxSettings.size(); ++i) {
        const TVCHLogic::WxSetting setting = TVCHLogic::kWxSettings[i];
        connect(SettingList(setting), &QComboBox::activated, this, [this, setting](int index) { ComboSetting_Click(setting, index); });
    }
    Text1->installEventFilter(this);
    Combo[1]->installEventFilter(this);
    for (QWidget* area : {MSFlexGrid1->viewport(), MSFlexGrid1->horizontalHeader()->viewport(), MSFlexGrid1->verticalHeader()->viewport()})
        area->installEventFilter(this);
    Form_Load();
}

FrmTVCH::~FrmTVCH() {
    // The controls go after this part of the window: nothing of theirs may reach it now.
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
    if (!loaded_) return;
    loaded_ = false;
    // Destroyed without being closed (with its parent): an open edit still counts. Only the
    // data is written (and the current channel follows the list), as the windows around are
    // going.
    if (!committing_ && IsEditorOpen() && StoreEditor() && TVCHEditCol_ == 1) ReShowTVCHCombo();
}

void FrmTVCH::Form_Load() {
    TVCHReady_ = -1;  // what the filling below gives back when it ends
    {
        ReadyFlagScope filling(TVCHReady_);
        TVCHEditRow_ = 0;
        TVCHEditCol_ = 0;
        ModShowFreFun::LoadTVCHStrings();
        InitTVCHGrid();
        ChangShowByLanguage();
        ShowTVChannelData();
    }
    loaded_ = true;
}

void FrmTVCH::Form_Unload() {
    if (!loaded_) return;
    Save_TVChannel();
    loaded_ = false;
}

void FrmTVCH::closeEvent(QCloseEvent* event) {
    Form_Unload();
    ChildForm::closeEvent(event);
}

void FrmTVCH::CommandClose_Click() { CloseFrame(); }

// ---- Display ----

void FrmTVCH::FillTVCHCombo(QComboBox* list, const std::vector<int>& channels) {
    list->clear();
    list->addItems(TVCHLogic::ChannelItems(channels));
}

// The list of channels again after a frequency edit. The channel shown before stays when it
// is still listed, else the first listed one is shown, and that selection counts as the
// user's choice: the current channel follows (0 when nothing is listed), so that the radio
// is not left with a current channel that has no frequency.
void FrmTVCH::ReShowTVCHCombo() {
    const QString shown = Combo[1]->currentText();
    FillTVCHCombo(Combo[1], TVCHLogic::ValidChannels(Prog::RadioData.TVChannel));
    ModPubFun::SetComboText(Combo[1], shown);
    Combo1_Click();
}

void FrmTVCH::ShowTVChannelRow(int row) { ShowTVChannelRow(row, ItemsOf(Combo[3]), ItemsOf(Combo[4])); }

void FrmTVCH::ShowTVChannelRow(int row, const QStringList& wnItems, const QStringList& scanItems) {
    if (row < 1 || row > kTVChannelCount) return;
    const TVChannelRec& ch = Prog::RadioData.TVChannel[static_cast<std::size_t>(row)];
    const TVCHLogic::RowTexts texts = TVCHLogic::ShowRow(ch, wnItems, scanItems);
    GridCells::SetCellText(MSFlexGrid1, row, 1, texts.freq);
    if (ch.Valid != 1) GridCells::SetCellText(MSFlexGrid1, row, 2, QString());  // column 2 is otherwise left alone
    GridCells::SetCellText(MSFlexGrid1, row, 3, texts.wn);
    GridCells::SetCellText(MSFlexGrid1, row, 4, texts.scan);
}

// Everything from the data, stored values untouched: a value that its list does not hold
// shows as nothing chosen (a current channel too, until a frequency edit re-lists them).
void FrmTVCH::ShowTVChannelData() {
    ReadyFlagScope filling(TVCHReady_);
    const auto channels = TVCHLogic::ValidChannels(Prog::RadioData.TVChannel);
    FillTVCHCombo(Combo[1], channels);
    Combo[1]->setCurrentIndex(TVCHLogic::CurrentIndex(channels, Prog::RadioData.OptFeatures.CurWxCh));
    const QStringList wnItems = ItemsOf(Combo[3]), scanItems = ItemsOf(Combo[4]);
    for (int row = 1; row <= kTVChannelCount; ++row) ShowTVChannelRow(row, wnItems, scanItems);
    for (TVCHLogic::WxSetting setting : TVCHLogic::kWxSettings) {
        const int value = TVCHLogic::SettingField(Prog::RadioData, setting);
        SettingList(setting)->setCurrentIndex(TVCHLogic::ShownIndex(value, TVCHLogic::SettingItemCount(setting)));
    }
}

// ---- In-place editors ----

QWidget* FrmTVCH::EditorOfColumn(int col) const {
    if (col == 1) return Text1;
    return ListOfColumn(col);
}

QComboBox* FrmTVCH::ListOfColumn(int col) const { return col >= 2 && col <= 4 ? Combo[static_cast<std::size_t>(col)] : nullptr; }

bool FrmTVCH::IsEditorOpen() const {
    if (TVCHEditRow_ < 1 || TVCHEditRow_ > kTVChannelCount) return false;
    const QWidget* editor = EditorOfColumn(TVCHEditCol_);
    return editor && !editor->isHidden();
}

void FrmTVCH::HideEditors() {
    for (QWidget* editor : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Combo[2]), static_cast<QWidget*>(Combo[3]),
                            static_cast<QWidget*>(Combo[4])})
        editor->hide();
}

void FrmTVCH::MSFlexGrid1_DblClick() {
    const int row = MSFlexGrid1->currentRow() + 1;
    const int col = MSFlexGrid1->currentColumn() + 1;
    if (row < 1 || col < 1) return;
    Save_TVChannel();  // one editor at a time
    TVCHEditRow_ = static_cast<int16>(row);
    TVCHEditCol_ = static_cast<int16>(col);
    if (col == 1) {
        GridOverlay::OpenText(MSFlexGrid1, Text1, row - 1, col - 1, GridCells::CellText(MSFlexGrid1, row, col));
        openedText_ = Text1->text();
        return;
    }
    QComboBox* list = ListOfColumn(col);
    if (!list) return;
    GridOverlay::Place(MSFlexGrid1, list, row - 1, col - 1, true);
    {
        // The cell's item, or nothing when the list has no such item (an empty row, a value
        // outside the list): a commit then stores nothing unless the user chooses.
        ReadyFlagScope positioning(TVCHReady_);
        list->setCurrentIndex(list->findText(GridCells::CellText(MSFlexGrid1, row, col), Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    list->setFocus(Qt::OtherFocusReason);
}

// The open editor's content into the data (nothing on screen changes). True when something
// was stored.
bool FrmTVCH::StoreEditor() {
    DataFileRec& data = Prog::RadioData;
    if (TVCHEditCol_ == 1) {
        const auto result = TVCHLogic::CommitFrequency(data, TVCHEditRow_, Text1->text(), openedText_);
        return result == TVCHLogic::FreqCommit::Stored || result == TVCHLogic::FreqCommit::Emptied;
    }
    TVChannelRec& ch = data.TVChannel[static_cast<std::size_t>(TVCHEditRow_)];
    return TVCHLogic::StoreListChoice(ch, TVCHEditCol_, ListOfColumn(TVCHEditCol_)->currentIndex());
}

void FrmTVCH::Save_TVChannel() {
    if (TVCHEditRow_ < 1 || TVCHEditCol_ < 1 || committing_) return;
    committing_ = true;
    const bool open = IsEditorOpen();
    // The focus goes to the grid before the editor hides, so that it does not wander on to
    // the next control (the current-channel list would commit again). So does the focus the
    // window gets back when another window took it from the editor.
    QWidget* editor = open ? EditorOfColumn(TVCHEditCol_) : nullptr;
    if (editor && (editor->hasFocus() || editor->window()->focusWidget() == editor)) MSFlexGrid1->setFocus(Qt::OtherFocusReason);
    const bool changed = open && StoreEditor();
    HideEditors();
    if (open) ShowTVChannelRow(TVCHEditRow_);
    // A frequency passed through unchanged (or refused) leaves the channels and the current
    // one as they were.
    if (changed && TVCHEditCol_ == 1) ReShowTVCHCombo();
    committing_ = false;
}

bool FrmTVCH::Text1_KeyPress(const QKeyEvent* key) {
    if (!IsEnterKey(key)) return false;  // the frequency key filter has its say
    Save_TVChannel();
    return true;
}

// ---- Lists ----

QComboBox* FrmTVCH::SettingList(TVCHLogic::WxSetting setting) const {
    return Combo[5 + static_cast<std::size_t>(setting)];
}

void FrmTVCH::Combo1_Click() {
    if (TVCHReady_ == 0) return;
    Prog::RadioData.OptFeatures.CurWxCh = TVCHLogic::CurWxChFromText(Combo[1]->currentText());
}

void FrmTVCH::ComboSetting_Click(TVCHLogic::WxSetting setting, int index) {
    TVCHLogic::StoreSetting(Prog::RadioData, setting, index);
}

bool FrmTVCH::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Text1 && type == QEvent::KeyPress) return Text1_KeyPress(static_cast<QKeyEvent*>(event));
    // Leaving the frequency box (Tab, a click elsewhere, another window) commits it as Enter does.
    if (watched == Text1 && type == QEvent::FocusOut && !Text1->isHidden()) Save_TVChannel();
    // A click anywhere on the grid commits (before the grid moves its current cell).
    const bool onGrid = watched == MSFlexGrid1->viewport() || watched == MSFlexGrid1->horizontalHeader()->viewport() ||
                        watched == MSFlexGrid1->verticalHeader()->viewport();
    if (onGrid && type == QEvent::MouseButtonPress) Save_TVChannel();
    if (watched == Combo[1] && type == QEvent::FocusIn) Save_TVChannel();
    return ChildForm::eventFilter(watched, event);
}
