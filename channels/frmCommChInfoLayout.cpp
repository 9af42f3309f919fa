// The controls of the channel editor, their places and their captions in both languages.
// Places and sizes are kept in twips as the window was designed (15 twips = 1 pixel).
#include "core/widgets/FreqEditFilter.h"
#include "channels/ModChText.h"
#include "channels/frmCommChInfo.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglishChannelInfo.h"
#include "core/lang/ModEnglishOpt.h"
#include "core/lang/ModEnglishPrint.h"
#include "core/widgets/CaptionSetters.h"
#include "core/widgets/DesignGrid.h"
#include "core/widgets/DesignLayout.h"
#include "core/widgets/DropList.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

namespace {

constexpr int kClientWidthTw = 11745, kClientHeightTw = 9255;
constexpr int kListHeightTw = 345;
constexpr int kFrame1HeightTw = 6255;

// The grid: header row 510, row-label column 500, data columns 1260 each; data rows of
// 270 twips, 16 of them in view.
constexpr int kHeaderHeightTw = 510, kLabelColumnTw = 500, kDataColumnTw = 1260, kRowHeightTw = 270;
constexpr int kGridLeftTw = 3960, kGridTopTw = 360;

using DesignLayout::AlignLabelBefore;
using DesignLayout::MakeLabel;
using DesignLayout::Px;
using DesignLayout::TwRect;

QComboBox* MakeList(QWidget* parent, const QString& name, int left, int top, int width) {
    auto* list = new DropList(parent);
    list->setObjectName(name);
    list->setGeometry(TwRect(left, top, width, kListHeightTw));
    list->setMaxVisibleItems(16);
    return list;
}

// Replaces a list's entries and keeps the selected position when it still exists.
void SetItems(QComboBox* list, const QStringList& items) {
    const int index = list->currentIndex();
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(index < list->count() ? index : -1);
}

}  // namespace

// The row-label column is 500 twips wide, or as wide as its header text needs in the
// font in use ("CH No." does not fit 33 pixels in most fonts).
int frmCommChInfo::LabelColumnWidth() const {
    return DesignGrid::LabelColumnWidth(GridCorner, ModEnglishChannelInfo::ChNo.Text(), Px(kLabelColumnTw));
}

QSize frmCommChInfo::sizeHint() const { return {Px(kClientWidthTw), Px(kClientHeightTw)}; }

void frmCommChInfo::BuildControls() {
    resize(sizeHint());
    BuildSelectors();
    BuildGroupRow();
    BuildGrid();
    BuildOptionPanel();
    CommandClose = new QPushButton(this);
    CommandClose->setObjectName(QStringLiteral("CommandClose"));
    CommandClose->setGeometry(TwRect(8400, 8640, 1095, 375));
    Combo4 = new DropList(this);
    Combo4->setObjectName(QStringLiteral("Combo4"));
    Combo4->hide();
}

void frmCommChInfo::BuildSelectors() {
    Label3 = MakeLabel(this, QStringLiteral("Label3"), 240, 165);
    Combo2 = MakeList(this, QStringLiteral("Combo2"), 120, 480, 3255);
    Combo2->addItems({QStringLiteral("HF -- 24.7150 - 30.1050 MHz"), QStringLiteral("HAM -- 28.0000 - 29.7000 MHz")});
    Frame3 = new QGroupBox(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setGeometry(TwRect(120, 960, 11535, 7455));
    Label1 = MakeLabel(Frame3, QStringLiteral("Label1"), 360, 450);
    Combo6 = MakeList(Frame3, QStringLiteral("Combo6"), 960, 405, 855);
    Combo6->setMaxVisibleItems(14);
    Label6 = MakeLabel(Frame3, QStringLiteral("Label6"), 2760, 420);
    Combo3 = MakeList(Frame3, QStringLiteral("Combo3"), 3360, 405, 1215);
    Frame1 = new QGroupBox(Frame3);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwRect(120, 960, 11415, kFrame1HeightTw));
}

void frmCommChInfo::BuildGroupRow() {
    // Index and design place of each list of the per-group row; 3 and 4 (dual watch) are
    // never shown.
    struct Place {
        int index, left, top;
    };
    static constexpr Place kPlaces[] = {{6, 2040, 360},  {0, 2040, 720},  {2, 2040, 1080}, {1, 2040, 1440},
                                        {5, 2040, 1800}, {3, 1440, 3960}, {4, 1440, 4320}};
    for (const Place& p : kPlaces) {
        const auto i = static_cast<std::size_t>(p.index);
        Combo1[i] = MakeList(Frame1, QStringLiteral("Combo1_%1").arg(p.index), p.left, p.top, 1575);
        Label2[i] = MakeLabel(Frame1, QStringLiteral("Label2_%1").arg(p.index), p.left, p.top);
    }
    Combo1[6]->addItems({QStringLiteral("Off"), QStringLiteral("On")});
}

void frmCommChInfo::BuildGrid() {
    MSFlexGrid1 = new QTableWidget(Frame1);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setColumnCount(2);
    GridCorner = DesignGrid::SetUp(MSFlexGrid1);

    Text2 = new QLineEdit(MSFlexGrid1->viewport());
    Text2->setObjectName(QStringLiteral("Text2"));
    Text1 = new QLineEdit(MSFlexGrid1->viewport());
    Text1->setObjectName(QStringLiteral("Text1"));
    for (QLineEdit* box : {Text1, Text2}) {
        FreqEditFilter::Install(box);
        DesignGrid::StyleCellEditor(box);
        box->installEventFilter(this);
    }
    MSFlexGrid1->installEventFilter(this);
}

void frmCommChInfo::BuildOptionPanel() {
    Frame2 = new QGroupBox(Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    // Designed 6375 high, which runs past the bottom of Frame1 (6255) and loses the
    // panel's lower border; it ends a little above Frame1's instead.
    Frame2->setGeometry(TwRect(7680, 240, 3615, kFrame1HeightTw - 240 - 120));
    // List index, design top and the label beside it (-1: none).
    struct Place {
        int index, top, label;
    };
    static constexpr Place kPlaces[] = {{15, 360, 15}, {16, 720, -1},  {18, 720, -1},  {8, 1080, 8},
                                        {17, 1440, -1}, {19, 1440, -1}, {10, 1800, 10}, {6, 2160, 6},
                                        {7, 2520, 7},   {9, 2880, 9},   {2, 3240, 2},   {3, 3600, 3},
                                        {4, 3960, 4},   {5, 4320, 5},   {13, 4680, 13}, {11, 5040, 11},
                                        {0, 720, 0},    {14, 1440, 14}, {1, 5400, 1},   {12, 5760, 12}};
    for (const Place& p : kPlaces) {
        const auto i = static_cast<std::size_t>(p.index);
        const int left = (p.index == 0 || p.index == 14) ? -360 : 1200;
        Combo8[i] = MakeList(Frame2, QStringLiteral("Combo8_%1").arg(p.index), left, p.top, 2055);
        if (p.label >= 0) Label5[i] = MakeLabel(Frame2, QStringLiteral("Label5_%1").arg(p.index), 0, p.top);
    }
    // Lists that hold a value without being shown.
    for (int i : {0, 14, 1, 12}) {
        Combo8[static_cast<std::size_t>(i)]->hide();
        Label5[static_cast<std::size_t>(i)]->hide();
    }
    for (int i : {16, 17, 18, 19}) Combo8[static_cast<std::size_t>(i)]->hide();
    Label5[7]->setText(QStringLiteral("REP"));
    Label5[9]->setText(QStringLiteral("Public"));
    Label5[11]->setText(QStringLiteral("Roger"));
    Label5[13]->setText(QStringLiteral("Mode"));
    Label5[1]->setText(QStringLiteral("Roger Enable"));
    Label5[12]->setText(QStringLiteral("REP Enable"));
    const QStringList kinds = {QStringLiteral("Off"), QStringLiteral("CTC"), QStringLiteral("DCS")};
    Combo8[15]->addItems(kinds);
    Combo8[8]->addItems(kinds);
    Combo8[1]->addItems({QStringLiteral("Off"), QStringLiteral("On")});
    Combo8[12]->addItems({QStringLiteral("Off"), QStringLiteral("On")});
    Combo8[0]->addItems(ModChText::ToneList());
    Combo8[14]->addItems(ModChText::ToneList());
    Combo8[16]->addItems(ModChText::CtcssList());
    Combo8[17]->addItems(ModChText::CtcssList());
    Combo8[18]->addItems(ModChText::DcsList());
    Combo8[19]->addItems(ModChText::DcsList());
    Frame2->hide();
}

void frmCommChInfo::InitShowGrid() {
    // Header clicks here move the current cell to the clicked row or column.
    DesignGrid::SetUpHeaders(MSFlexGrid1, Px(kHeaderHeightTw), Px(kRowHeightTw), true);
    MSFlexGrid1->setColumnWidth(0, Px(kDataColumnTw));
    MSFlexGrid1->setColumnWidth(1, Px(kDataColumnTw));
    const int frame = 2 * MSFlexGrid1->frameWidth();
    const int width = LabelColumnWidth() + 2 * Px(kDataColumnTw) + MSFlexGrid1->verticalScrollBar()->sizeHint().width() + frame;
    const int height = Px(16 * (kRowHeightTw + 15) + 548);
    MSFlexGrid1->setGeometry(Px(kGridLeftTw), Px(kGridTopTw), width, height);
    DesignGrid::SetLabelColumn(MSFlexGrid1, GridCorner, LabelColumnWidth(), Px(kHeaderHeightTw));
    Frame2->hide();
    Text1->hide();
    Text2->hide();
}

void frmCommChInfo::ChangShowByLanguage() {
    namespace CI = ModEnglishChannelInfo;
    namespace Opt = ModEnglishOpt;
    setWindowTitle(CI::ChannelInformation.Text());
    Label3->setText(CI::SelectHfHam.Text());
    Label1->setText(CI::Band.Text());
    Label6->setText(Opt::WorkGroup.Text());
    GridCorner->setText(CI::ChNo.Text());
    MSFlexGrid1->setHorizontalHeaderLabels({Opt::Frequency.Text(), Opt::InitFreq.Text()});
    QStringList rowLabels;
    for (int row = 1; row <= MSFlexGrid1->rowCount(); ++row)
        rowLabels << (row > 40 ? QLatin1Char('M') + QString::number(row - 40) : QString::number(row));
    MSFlexGrid1->setVerticalHeaderLabels(rowLabels);
    Label2[6]->setText(Opt::GroupValid.Text());
    for (int digit = 1; digit <= 2; ++digit) {
        const QString d = QString::number(digit);
        Label2[static_cast<std::size_t>(digit - 1)]->setText(Opt::Emg.Text() + d);
        Label2[digit == 1 ? 2 : 5]->setText(Opt::EmgMode.Text() + d);
        Label2[digit == 1 ? 3 : 4]->setText(Opt::DwChx.Text() + d);
    }
    Label5[0]->setText(CI::Txcdt.Text());
    Label5[8]->setText(CI::Txcdt.Text());
    Label5[14]->setText(CI::TxcdtEncode.Text());
    Label5[15]->setText(CI::Rxcdt.Text());
    Label5[2]->setText(CI::HiCut.Text());
    Label5[3]->setText(CI::NbAnl.Text());
    Label5[4]->setText(CI::Echo.Text());
    Label5[5]->setText(CI::Plus10KHz.Text());
    Label5[6]->setText(CI::Busy.Text());
    Label5[10]->setText(CI::Scan.Text());
    ModEnglish::SetCommandCaptions(this);
    SetPanelLists();
    PlaceLabels();
}

void frmCommChInfo::SetPanelLists() {
    namespace CI = ModEnglishChannelInfo;
    SetItems(Combo4, CI::ModeList.Items());
    SetItems(Combo1[2], CI::ModeListNoPa.Items());
    SetItems(Combo1[5], CI::ModeListNoPa.Items());
    for (int i : {2, 3, 4, 5, 6, 9}) SetItems(Combo8[static_cast<std::size_t>(i)], ModEnglishPrint::OnOffText.Items());
    SetItems(Combo8[7], CI::ShiftList.Items());
    SetItems(Combo8[10], ModEnglishPrint::DelAddText.Items());
    FillRogerList();
}

void frmCommChInfo::PlaceLabels() {
    AlignLabelBefore(Label6, Combo3);
    AlignLabelBefore(Label1, Combo6);
    for (std::size_t i = 0; i < Combo1.size(); ++i) AlignLabelBefore(Label2[i], Combo1[i]);
    for (std::size_t i = 0; i < Label5.size(); ++i) AlignLabelBefore(Label5[i], Combo8[i]);
    Label3->adjustSize();
}
