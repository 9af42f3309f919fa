// The controls of the roger-beep editor, their places and captions. Places and sizes are
// kept in twips as the window was designed (15 twips = 1 pixel); "inside" places are
// relative to Frame1.
#include "core/lang/ModBeepText.h"
#include "core/widgets/CaptionSetters.h"
#include "core/widgets/DesignLayout.h"
#include "core/widgets/DropList.h"
#include "features/rogerbeep/DrawRB.h"
#include "features/rogerbeep/FrmToneTips.h"
#include "features/rogerbeep/ModBeep.h"
#include "features/rogerbeep/ToneSetEdit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace {

constexpr int kClientWidthTw = 10470, kClientHeightTw = 7215;
constexpr int kListWidthTw = 1335, kListHeightTw = 330;
constexpr int kRowTopTw = 1320, kRowStepTw = 360;
constexpr int kRowsPerColumn = 7;

using DesignLayout::AlignLabelBefore;
using DesignLayout::MakeLabel;
using DesignLayout::Px;
using DesignLayout::TwRect;

QString Indexed(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

QComboBox* MakeList(QWidget* parent, const QString& name, int left, int top) {
    auto* list = new DropList(parent);
    list->setObjectName(name);
    list->setGeometry(TwRect(left, top, kListWidthTw, kListHeightTw));
    list->setMaxVisibleItems(16);
    return list;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, int left, int top, int width) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(TwRect(left, top, width, 375));
    return button;
}

void SetItems(QComboBox* list, const QStringList& items) {
    list->clear();
    list->addItems(items);
}

}  // namespace

QSize FrmToneTips::sizeHint() const { return {Px(kClientWidthTw), Px(kClientHeightTw)}; }

void FrmToneTips::BuildControls() {
    resize(sizeHint());
    TabPage = new QFrame(this);
    TabPage->setObjectName(QStringLiteral("TabPage"));
    TabPage->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setDrawBase(false);
    for (int i = 1; i <= kTabCount; ++i) TabStrip1->addTab(QString());
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(Indexed("Frame1", 0));
    Frame1->setGeometry(TwRect(240, 480, 9975, 5775));

    Label1 = MakeLabel(Frame1, Indexed("Label1", 0), 0, 360);
    Combo1 = MakeList(Frame1, Indexed("Combo1", 0), 2520, 360);
    Label2 = MakeLabel(Frame1, Indexed("Label2", 0), 0, 360);
    Combo2 = MakeList(Frame1, Indexed("Combo2", 0), 7080, 360);
    Label3[0] = MakeLabel(Frame1, Indexed("Label3", 0), 2040, 960);
    Label4[0] = MakeLabel(Frame1, Indexed("Label4", 0), 3480, 960);
    Label3[1] = MakeLabel(Frame1, Indexed("Label3", 1), 6960, 960);
    Label4[1] = MakeLabel(Frame1, Indexed("Label4", 1), 8520, 960);
    BuildToneRows();
    Frame2 = new QFrame(Frame1);
    Frame2->setObjectName(Indexed("Frame2", 0));
    Frame2->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    Frame2->setGeometry(Px(5040), Px(840), 2, Px(3015));  // 15 twips: a one-pixel line and its shade
    Picture1 = new ModBeep::RBPicture(ModBeep::BeepState.CurRBSet, Frame1);
    Picture1->setObjectName(Indexed("Picture1", 0));
    Picture1->setGeometry(TwRect(120, 4080, 8295, 1575));
    Command1 = MakeButton(Frame1, Indexed("Command1", 0), 8520, 4800, 1335);
    Command2 = MakeButton(Frame1, Indexed("Command2", 0), 8520, 5280, 1335);

    CommandClose = MakeButton(this, QStringLiteral("CommandClose"), 7320, 6720, 1095);
    CommandHelp = MakeButton(this, QStringLiteral("CommandHelp"), 8640, 6720, 1095);
    CommandHelp->hide();

    // The tab strip's client area encloses Frame1 below the tabs.
    const int tabsHeight = TabStrip1->sizeHint().height();
    TabStrip1->setGeometry(Px(120), Px(120), Px(10215), tabsHeight);
    TabPage->setGeometry(Px(120), Px(120) + tabsHeight - 1, Px(10215), Px(6255) - tabsHeight + 1);
    TabStrip1->raise();
}

void FrmToneTips::BuildToneRows() {
    for (int k = 0; k < kRBToneCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const bool second = k >= kRowsPerColumn;
        const int top = kRowTopTw + kRowStepTw * (second ? k - kRowsPerColumn : k);
        Label5[i] = MakeLabel(Frame1, Indexed("Label5", k), 0, top);
        Combo3[i] = MakeList(Frame1, Indexed("Combo3", k), second ? 6840 : 1800, top);
        Combo4[i] = MakeList(Frame1, Indexed("Combo4", k), second ? 8400 : 3360, top);
    }
}

void FrmToneTips::ChangShowByLanguage() {
    using ModBeep::GetRBText;
    setWindowTitle(GetRBText(29000));
    for (int i = 0; i < TabStrip1->count(); ++i) TabStrip1->setTabText(i, GetRBText(29001) + QLatin1Char(' ') + QString::number(i + 1));
    Label1->setText(GetRBText(29002));
    AlignLabelBefore(Label1, Combo1);
    Label2->setText(GetRBText(29003));
    AlignLabelBefore(Label2, Combo2);
    for (std::size_t i = 0; i < Label3.size(); ++i) {
        Label3[i]->setText(GetRBText(29004));
        Label3[i]->adjustSize();
        Label4[i]->setText(GetRBText(29005));
        Label4[i]->adjustSize();
    }
    for (std::size_t k = 0; k < Label5.size(); ++k) {
        Label5[k]->setText(GetRBText(29100 + static_cast<int>(k)));
        AlignLabelBefore(Label5[k], Combo3[k]);
    }
    Command1->setText(GetRBText(29006));
    Command2->setText(GetRBText(29007));
    ModEnglish::SetCommandCaptions(this);
}

void FrmToneTips::InitToneComboList() {
    SetItems(Combo1, ToneSetEdit::RepeatItems());
    SetItems(Combo2, ToneSetEdit::TimeItems());
    const QStringList freqs = ToneSetEdit::FreqItems();
    const QStringList times = ToneSetEdit::TimeItems();
    for (std::size_t k = 0; k < Combo3.size(); ++k) {
        SetItems(Combo3[k], freqs);
        SetItems(Combo4[k], times);
    }
}
