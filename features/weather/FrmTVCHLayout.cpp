// The controls of the weather-channel editor, their places and their captions. Places and
// sizes are kept in twips as the window was designed (15 twips = 1 pixel).
#include "core/widgets/FreqEditFilter.h"
#include "core/lang/ModEnglishChannelInfo.h"
#include "core/lang/ModEnglishOpt.h"
#include "core/lang/ModEnglishPrint.h"
#include "core/lang/ModShowFreFunText.h"
#include "core/widgets/CaptionSetters.h"
#include "core/widgets/DesignGrid.h"
#include "core/widgets/DesignLayout.h"
#include "core/widgets/DropList.h"
#include "features/weather/FrmTVCH.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kClientWidthTw = 5115, kClientHeightTw = 7740;
constexpr int kListLeftTw = 2280, kListWidthTw = 1335, kListHeightTw = 345;
constexpr int kLeftMarginTw = 120;   // the least room left of the longest label
constexpr int kGridLeftTw = 360, kGridTopTw = 2280, kGridWidthTw = 4515, kGridHeightTw = 4935;
constexpr int kHeaderHeightTw = 510, kRowHeightTw = 270;
// Column widths: numbers, frequency, on/off (never shown), W/N, scan.
constexpr int kColumnWidthTw[] = {700, 1200, 0, 1200, 1000};

using DesignLayout::AlignLabelBefore;
using DesignLayout::MakeLabel;
using DesignLayout::Px;
using DesignLayout::TwRect;

QComboBox* MakeList(QWidget* parent, const QString& name, int width) {
    auto* list = new DropList(parent);
    list->setObjectName(name);
    list->resize(Px(width), Px(kListHeightTw));
    return list;
}

}  // namespace

QSize FrmTVCH::sizeHint() const { return designSize_; }

int FrmTVCH::NumberColumnWidth() const {
    return DesignGrid::LabelColumnWidth(GridCorner, ModEnglishChannelInfo::ChNo.Text(), Px(kColumnWidthTw[0]));
}

void FrmTVCH::BuildControls() {
    designSize_ = {Px(kClientWidthTw), Px(kClientHeightTw)};
    resize(designSize_);
    BuildSettings();
    BuildGrid();
    BuildCellEditors();
    CommandClose = new QPushButton(this);
    CommandClose->setObjectName(QStringLiteral("CommandClose"));
    CommandClose->setGeometry(TwRect(1200, 7320, 1095, 375));
    CommandHelp = new QPushButton(this);
    CommandHelp->setObjectName(QStringLiteral("CommandHelp"));
    CommandHelp->setGeometry(TwRect(2520, 7320, 1095, 375));
    CommandHelp->hide();
}

// Combo1 (current channel) and Combo5..Combo9 (settings) in one column, each with its label.
void FrmTVCH::BuildSettings() {
    static constexpr int kListNumber[] = {1, 5, 6, 7, 8, 9};
    for (int i = 0; i < 6; ++i) {
        const auto n = static_cast<std::size_t>(kListNumber[i]);
        Combo[n] = MakeList(this, QStringLiteral("Combo%1").arg(n), kListWidthTw);
        Combo[n]->move(Px(kListLeftTw), Px(120 + 360 * i));
        Label[static_cast<std::size_t>(i + 1)] = MakeLabel(this, QStringLiteral("Label%1").arg(i + 1), 1080, 135 + 360 * i);
    }
    Combo[1]->setMaxVisibleItems(20);
    Combo[8]->addItems({QStringLiteral("FRQ"), QStringLiteral("CH")});
    Combo[9]->addItem(QStringLiteral("Off"));
    for (int level = 1; level <= 9; ++level) Combo[9]->addItem(QString::number(level));
}

void FrmTVCH::BuildGrid() {
    MSFlexGrid1 = new QTableWidget(kTVChannelCount, 4, this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setGeometry(TwRect(kGridLeftTw, kGridTopTw, kGridWidthTw, kGridHeightTw));
    GridCorner = DesignGrid::SetUp(MSFlexGrid1);
}

// The hidden in-place editors, children of the grid's viewport so that they scroll with it.
void FrmTVCH::BuildCellEditors() {
    QWidget* cells = MSFlexGrid1->viewport();
    Text1 = new QLineEdit(cells);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->resize(Px(975), Px(285));
    FreqEditFilter::Install(Text1, TVCHLogic::kFreqMaxLength);
    DesignGrid::StyleCellEditor(Text1);
    Combo[2] = MakeList(cells, QStringLiteral("Combo2"), 1335);
    Combo[3] = MakeList(cells, QStringLiteral("Combo3"), 1335);
    Combo[4] = MakeList(cells, QStringLiteral("Combo4"), 855);
    HideEditors();
}

// Grid geometry, headers, row labels and the lists of the in-place editors and settings.
void FrmTVCH::InitTVCHGrid() {
    DesignGrid::SetUpHeaders(MSFlexGrid1, Px(kHeaderHeightTw), Px(kRowHeightTw), false);
    for (int col = 1; col <= 4; ++col) MSFlexGrid1->setColumnWidth(col - 1, Px(kColumnWidthTw[col]));
    MSFlexGrid1->setColumnHidden(1, true);  // on/off: width 0
    QStringList rowLabels;
    for (int row = 1; row < kTVChannelCount; ++row) rowLabels << QString::number(row);
    rowLabels << QStringLiteral("VFO");
    MSFlexGrid1->setVerticalHeaderLabels(rowLabels);
    HideEditors();
}

void FrmTVCH::ChangShowByLanguage() {
    namespace CI = ModEnglishChannelInfo;
    setWindowTitle(ModEnglishOpt::WeatherChannel.Text());
    Label[1]->setText(ModShowFreFun::CurrentWeatherChannel.Text());
    Label[2]->setText(ModShowFreFun::Alert.Text());
    Label[3]->setText(ModShowFreFun::WxScanState.Text());
    Label[4]->setText(ModShowFreFun::WxVfo.Text());
    Label[5]->setText(ModEnglishOpt::WxDisplay.Text());
    Label[6]->setText(ModShowFreFun::WxSql.Text());
    GridCorner->setText(CI::ChNo.Text());
    MSFlexGrid1->setHorizontalHeaderLabels({ModEnglishOpt::Frequency.Text(), QString(), CI::WN.Text(), CI::Scan.Text()});
    const QStringList onOff = ModEnglishPrint::OnOffText.Items();
    for (std::size_t n : {2u, 5u, 6u, 7u}) {
        Combo[n]->clear();
        Combo[n]->addItems(onOff);
    }
    Combo[3]->clear();
    Combo[3]->addItems(CI::NarrowWide.Items());
    Combo[4]->clear();
    Combo[4]->addItems(ModEnglishPrint::DelAddText.Items());
    ModEnglish::SetCommandCaptions(this);
    PlaceLabels();
}

// Every label ends 100 twips before its list. A label longer than the room the design gave
// it (fonts differ) moves the whole window's content to the right instead of off its edge.
void FrmTVCH::PlaceLabels() {
    static constexpr int kListNumber[] = {1, 5, 6, 7, 8, 9};
    int leftmost = Px(kLeftMarginTw);
    for (int i = 0; i < 6; ++i) {
        QLabel* label = Label[static_cast<std::size_t>(i + 1)];
        AlignLabelBefore(label, Combo[static_cast<std::size_t>(kListNumber[i])]);
        leftmost = std::min(leftmost, label->x());
    }
    const int shift = Px(kLeftMarginTw) - leftmost;
    if (shift > 0) {
        for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) child->move(child->pos() + QPoint(shift, 0));
        designSize_.rwidth() += shift;
        resize(designSize_);
    }
    DesignGrid::SetLabelColumn(MSFlexGrid1, GridCorner, NumberColumnWidth(), Px(kHeaderHeightTw));
}
