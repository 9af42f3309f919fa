// The controls of the optional-features editor, their places and their captions. Places
// and sizes are kept in twips as the window was designed (15 twips = 1 pixel); labels are
// placed right-aligned against their controls once their captions are known.
#include "core/lang/ModEnglishChannelInfo.h"
#include "core/lang/ModEnglishOpt.h"
#include "core/widgets/CaptionSetters.h"
#include "core/widgets/DesignLayout.h"
#include "core/widgets/DropList.h"
#include "features/optfeatures/FrmOptFeatures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kClientWidthTw = 14445, kClientHeightTw = 9630;
constexpr int kListHeightTw = 345, kTextHeightTw = 315, kCheckHeightTw = 255;
constexpr int kWideListTw = 2655, kNarrowListTw = 1815;

using DesignLayout::AlignLabelBefore;
using DesignLayout::Px;
using DesignLayout::TwRect;

enum class In { Window, Public, DwData };

// The visible lists: index, parent, Left, Top.
struct ListPlace {
    int index;
    In in;
    int left, top;
};
constexpr ListPlace kListPlaces[] = {
    {37, In::Window, 2280, 720},  {38, In::Window, 2280, 1080}, {39, In::Window, 2280, 1440},
    {41, In::Window, 2280, 1800}, {24, In::Window, 2280, 2160}, {42, In::Window, 2280, 2880},
    {26, In::Window, 2280, 3240}, {35, In::Window, 2280, 3600}, {43, In::Window, 2280, 3960},
    {44, In::Window, 2280, 4320}, {29, In::Window, 2280, 4680}, {30, In::Window, 2280, 5040},
    {50, In::Window, 2280, 5400}, {31, In::Window, 2280, 5760}, {32, In::Window, 2280, 6120},
    {33, In::Window, 2280, 6480}, {9, In::Window, 2280, 6840},  {3, In::Window, 2280, 7200},
    {10, In::Window, 2280, 7560}, {11, In::Window, 2280, 7920}, {45, In::Window, 6600, 1200},
    {46, In::Window, 6600, 1560}, {48, In::Window, 6600, 1920}, {49, In::Window, 6600, 2280},
    {59, In::Window, 6600, 2640}, {60, In::Window, 6600, 3000}, {40, In::Window, 11400, 480},
    {57, In::Window, 11400, 840}, {8, In::Window, 11400, 1200}, {25, In::Window, 11400, 1560},
    {58, In::Window, 11400, 1920}, {51, In::DwData, 2160, 240}, {52, In::DwData, 2160, 600},
    {53, In::DwData, 2160, 960},  {54, In::DwData, 2160, 1320}, {55, In::DwData, 2160, 1680},
    {56, In::DwData, 2160, 2040}, {18, In::Public, 1320, 2160},
};

QComboBox* MakeList(QWidget* parent, const QString& name) {
    auto* list = new DropList(parent);
    list->setObjectName(name);
    list->setMaxVisibleItems(16);
    list->hide();  // shown where the design places it
    return list;
}

// Labels are placed once their captions are known (AlignLabels) and shown where the design
// shows them.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text = QString()) {
    QLabel* label = DesignLayout::MakeLabel(parent, name, 0, 0, text);
    label->hide();
    return label;
}

QLineEdit* MakeBox(QWidget* parent, const QString& name, int left, int top, int width) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(TwRect(left, top, width, kTextHeightTw));
    return box;
}

QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QString& title, QRect twips) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    frame->setGeometry(TwRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return frame;
}

}  // namespace

QSize FrmOptFeatures::sizeHint() const { return {Px(kClientWidthTw), Px(kClientHeightTw)}; }

void FrmOptFeatures::BuildControls() {
    resize(sizeHint());
    BuildFrames();
    BuildLists();
    BuildChecks();
    BuildTextBoxes();
    CommandClose = new QPushButton(this);
    CommandClose->setObjectName(QStringLiteral("CommandClose"));
    CommandClose->setGeometry(TwRect(5280, 8880, 1095, 375));
    CommandHelp = new QPushButton(this);
    CommandHelp->setObjectName(QStringLiteral("CommandHelp"));
    CommandHelp->hide();
}

void FrmOptFeatures::BuildFrames() {
    Frame2 = MakeFrame(this, QStringLiteral("Frame2"), QString(), {5040, 3360, 3255, 2655});
    Frame1 = MakeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Mode Enable"), {5040, 6840, 3255, 1935});
    FraDWData = MakeFrame(this, QStringLiteral("FraDWData"), QStringLiteral("DW Data"), {9480, 2400, 4935, 2655});
    Frame3[0] = MakeFrame(this, QStringLiteral("Frame3_0"), QStringLiteral("FM/AM RSSI"), {0, 0, 3255, 1095});
    Frame3[1] = MakeFrame(this, QStringLiteral("Frame3_1"), QStringLiteral("USB/LSB RSSI"), {0, 0, 3255, 1095});
    for (QGroupBox* frame : Frame3) frame->hide();
}

void FrmOptFeatures::BuildLists() {
    for (int i = 0; i < ModOptFeat::kCombo1Count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Combo1[at] = MakeList(this, QStringLiteral("Combo1_%1").arg(i));
        Label1[at] = MakeLabel(this, QStringLiteral("Label1_%1").arg(i));
    }
    for (const ListPlace& p : kListPlaces) {
        const auto at = static_cast<std::size_t>(p.index);
        QWidget* parent = p.in == In::Public ? Frame2 : p.in == In::DwData ? static_cast<QWidget*>(FraDWData) : this;
        Combo1[at]->setParent(parent);
        Label1[at]->setParent(parent);
        Combo1[at]->setGeometry(TwRect(p.left, p.top, p.index == 18 ? kNarrowListTw : kWideListTw, kListHeightTw));
        Label1[at]->setGeometry(TwRect(0, p.top, 0, kListHeightTw));
        Combo1[at]->show();
        Label1[at]->show();
    }
    Label1[18]->setText(QStringLiteral("Mode"));
    Label1[22]->setText(QStringLiteral("Channel Mode"));
    Label1[59]->setText(QStringLiteral("HAM Public"));
    Label1[60]->setText(QStringLiteral("HF Public"));

    constexpr int kCombo2Tops[] = {345, 720, 1080, 1440, 0, 1800, 0};
    const char* const kFixed[] = {"", "", "", "", "Roger Enable", "Roger", "TXCDT"};
    for (int i = 0; i < ModOptFeat::kCombo2Count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Combo2[at] = MakeList(Frame2, QStringLiteral("Combo2_%1").arg(i));
        Label4[at] = MakeLabel(Frame2, QStringLiteral("Label4_%1").arg(i), QString::fromLatin1(kFixed[at]));
        Combo2[at]->setGeometry(TwRect(1320, kCombo2Tops[at], kNarrowListTw, kListHeightTw));
        Label4[at]->setGeometry(TwRect(0, kCombo2Tops[at], 0, kListHeightTw));
        const bool visible = i != 4 && i != 6;
        Combo2[at]->setVisible(visible);
        Label4[at]->setVisible(visible);
    }
    Combo3 = MakeList(this, QStringLiteral("Combo3"));
    Combo4 = MakeList(this, QStringLiteral("Combo4"));
}

void FrmOptFeatures::BuildChecks() {
    for (int i = 0; i < ModOptFeat::kCheckCount; ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("Check1_%1").arg(i));
        box->hide();
        Check1[static_cast<std::size_t>(i)] = box;
    }
    Check1[2]->setGeometry(TwRect(5280, 120, 2400, kCheckHeightTw));
    Check1[3]->setGeometry(TwRect(5280, 480, 2400, kCheckHeightTw));
    const char* const kModes[] = {"FM Enable", "AM Enable", "USB Enable", "LSB Enable", "PA Enable", "CW Enable"};
    for (int i = ModOptFeat::kFirstModeEnable; i <= ModOptFeat::kLastModeEnable; ++i) {
        QCheckBox* box = Check1[static_cast<std::size_t>(i)];
        box->setParent(Frame1);
        box->setText(QString::fromLatin1(kModes[i - ModOptFeat::kFirstModeEnable]));
        box->setGeometry(TwRect(240, 360 + 240 * (i - ModOptFeat::kFirstModeEnable), 2400, kCheckHeightTw));
    }
    Check1[11]->setText(QStringLiteral("Reset"));
    for (int i : {2, 3, 5, 6, 7, 8, 9, 10}) Check1[static_cast<std::size_t>(i)]->show();
}

void FrmOptFeatures::BuildTextBoxes() {
    for (int i = 0; i < 5; ++i)
        Text3[static_cast<std::size_t>(i)] = MakeBox(this, QStringLiteral("Text3_%1").arg(i), 2280 + 240 * i, 240, 240);
    Label5 = MakeLabel(this, QStringLiteral("Label5"), QStringLiteral("Start Char"));
    Text2[0] = MakeBox(this, QStringLiteral("Text2_0"), 6120, 840, 1095);
    Text2[1] = MakeBox(this, QStringLiteral("Text2_1"), 0, 0, 1095);
    Text2[2] = MakeBox(this, QStringLiteral("Text2_2"), 0, 0, 1095);
    const char* const kVolt[] = {"Max", "Min[V]", "Max[V]"};
    for (std::size_t i = 0; i < Label3.size(); ++i)
        Label3[i] = MakeLabel(this, QStringLiteral("Label3_%1").arg(i), QString::fromLatin1(kVolt[i]));
    Text5 = MakeBox(this, QStringLiteral("Text5"), 2280, 2520, 1215);
    Label7 = MakeLabel(this, QStringLiteral("Label7"), QStringLiteral("Tx Offset"));
    Label10 = MakeLabel(this, QStringLiteral("Label10"), QStringLiteral("MHz"));
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label10->setGeometry(TwRect(2280 + 1215 + 120, 2520, 600, kTextHeightTw));
    const char* const kTrims[] = {"RTIX(KHz)", "TTIX(KHz)"};
    for (std::size_t i = 0; i < Text1.size(); ++i) {
        Text1[i] = MakeBox(this, QStringLiteral("Text1_%1").arg(i), 0, 0, 1095);
        Label2[i] = MakeLabel(this, QStringLiteral("Label2_%1").arg(i), QString::fromLatin1(kTrims[i]));
        Text1[i]->hide();
    }
    const char* const kSteps[] = {"1", "3", "5", "7", "9", "+20", "+40"};
    for (int i = 0; i < kRssiCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        QGroupBox* frame = Frame3[i < 7 ? 0 : 1];
        Text4[at] = MakeBox(frame, QStringLiteral("Text4_%1").arg(i), 120 + 435 * (i % 7), 600, 375);
        Label6[at] = MakeLabel(frame, QStringLiteral("Label6_%1").arg(i), QString::fromLatin1(kSteps[i % 7]));
    }
    Text2[1]->hide();
    Text2[2]->hide();
    for (QLabel* label : {Label5, Label3[0], Label7, Label10}) label->show();
}

void FrmOptFeatures::ChangShowByLanguage() {
    namespace Opt = ModEnglishOpt;
    namespace CI = ModEnglishChannelInfo;
    setWindowTitle(Opt::OptionalFeatures.Text());
    const std::pair<int, const LangText*> kLabels[] = {
        {3, &Opt::Agc},           {8, &Opt::Mic},           {9, &Opt::Tone},           {10, &Opt::Nog},
        {11, &Opt::Tot},          {19, &Opt::WorkMode},     {21, &Opt::CurrentMenuPage9}, {23, &Opt::FreqChOpt},
        {24, &Opt::AsqLevel},     {25, &Opt::MicType},      {26, &Opt::RxNrc},         {27, &Opt::TxGate},
        {28, &Opt::RxComp},       {29, &Opt::VoxLevel},     {30, &Opt::VoxTime},       {31, &Opt::EchoVol},
        {32, &Opt::EchoTime},     {33, &Opt::Tdc},          {34, &Opt::HfCurrentMem},  {35, &Opt::TxNrc},
        {36, &Opt::HamCurrentMem}, {37, &Opt::CwBeep},      {38, &Opt::CwFrequencyHz}, {39, &Opt::ScanType},
        {40, &Opt::Fin},          {41, &Opt::FreqCh},       {42, &Opt::CurrentMenuPage}, {43, &Opt::Dim},
        {44, &Opt::FmDev},        {45, &Opt::RfgDisplay},   {46, &Opt::PowerDisplay},  {47, &Opt::WxDisplay},
        {48, &Opt::SqlDisplay},   {49, &Opt::VolDisplay},   {50, &Opt::VoxSpk},        {51, &Opt::HfDwBand},
        {52, &Opt::HfDwChan},     {53, &Opt::HfDwMode},     {54, &Opt::HamDwBand},     {55, &Opt::HamDwChan},
        {56, &Opt::HamDwMode},    {57, &Opt::FinRange},     {58, &Opt::VolPath},
    };
    for (const auto& [i, text] : kLabels) Label1[static_cast<std::size_t>(i)]->setText(text->Text());
    Frame2->setTitle(Opt::Public.Text());
    const LangText* const kChecks[] = {&Opt::VoxFunction, &Opt::MemMenu, &Opt::Beep, &Opt::SwrProtect,
                                       &Opt::BatteryVoltageProtect};
    for (std::size_t i = 0; i < std::size(kChecks); ++i) Check1[i]->setText(kChecks[i]->Text());
    const LangText* const kPublic[] = {&CI::HiCut, &CI::NbAnl, &CI::Echo, &CI::Plus10KHz};
    for (std::size_t i = 0; i < std::size(kPublic); ++i) Label4[i]->setText(kPublic[i]->Text());
    AlignLabels();
    ModEnglish::SetCommandCaptions(this);
}

// Each label ends 100 twips before its control, level with it; the two public labels stand
// crossed, each level with the other's list.
void FrmOptFeatures::AlignLabels() {
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        const std::size_t row = i == 59 ? 60 : i == 60 ? 59 : i;
        AlignLabelBefore(Label1[i], Combo1[i], {.row = Combo1[row]});
    }
    for (std::size_t i = 0; i < Label3.size(); ++i) AlignLabelBefore(Label3[i], Text2[i]);
    for (std::size_t i = 0; i < Label4.size(); ++i) AlignLabelBefore(Label4[i], Combo2[i]);
    for (std::size_t i = 0; i < Label2.size(); ++i) AlignLabelBefore(Label2[i], Text1[i]);
    AlignLabelBefore(Label5, Text3[0]);
    AlignLabelBefore(Label7, Text5);
    for (std::size_t i = 0; i < Label6.size(); ++i) {
        const QLineEdit* box = Text4[i];
        Label6[i]->setGeometry(box->x(), box->y() - box->height(), box->width(), box->height());
        Label6[i]->setAlignment(Qt::AlignCenter);
        Label6[i]->show();  // inside its hidden frame
    }
}
