#include "link/widgets/FrmComSet.h"

#include "core/NumText.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/ModVersion.h"
#include "core/widgets/CaptionSetters.h"
#include "core/widgets/ComboHelpers.h"
#include "core/widgets/DesignLayout.h"
#include "core/widgets/DropList.h"
#include "link/widgets/ModSetComm2.h"
#include "platform/ProfileIni.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

using DesignLayout::Px;
using DesignLayout::TwRect;

// The port number of an entry "COM<n>"; nothing when the entry has none.
std::optional<int16> EntryPort(const QString& entry) { return NumText::ToInt16(entry.mid(3)); }

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
    return items;
}

}  // namespace

FrmComSet::FrmComSet(QWidget* parent)
    : QDialog(parent),
      Label1(new QLabel(this)),
      Combo1(new DropList(this)),
      CommandOK(new QPushButton(this)),
      CommandCancel(new QPushButton(this)),
      ReShowComPortTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("FrmComSet"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1->setObjectName(QStringLiteral("Combo1"));
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    ReShowComPortTimer->setObjectName(QStringLiteral("ReShowComPortTimer"));

    setFixedSize(Px(3720), Px(1830));
    Combo1->setGeometry(TwRect(1800, 360, 1335, 345));
    CommandOK->setGeometry(TwRect(600, 1200, 1215, 375));
    CommandCancel->setGeometry(TwRect(1920, 1200, 1215, 375));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ReShowComPortTimer->setInterval(1000);

    connect(Combo1, &QComboBox::activated, this, &FrmComSet::Combo1_Click);
    connect(CommandOK, &QPushButton::clicked, this, &FrmComSet::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmComSet::CommandCancel_Click);
    connect(ReShowComPortTimer, &QTimer::timeout, this, &FrmComSet::ReShowComPortTimer_Timer);

    Form_Load();
}

FrmComSet::~FrmComSet() = default;

void FrmComSet::ShowModal(QWidget* parent) {
    FrmComSet dialog(parent);
    dialog.exec();
}

void FrmComSet::Form_Load() {
    ChangShowByLanguage();
    RefillPortList(ModSetComm2::ListPorts(), Prog::ComPort);
    ReShowComPortTimer->start();
}

void FrmComSet::ChangShowByLanguage() {
    setWindowTitle(ModEnglish::CommunicationPort.Text());
    Label1->setText(ModEnglish::Com.Text());
    // The label grows to its text (the Chinese one is wider than the design leaves room
    // for): to the right while it stays clear of the list, then to the left.
    DesignLayout::GrowLabel(Label1, TwRect(1200, 405, 360, 225), Combo1->x() - 6);
    ModMsg::SetOkCancelCaptions(this);
}

// Shows the entry of port (the first entry when the list does not hold it) and takes its
// number as the selection.
void FrmComSet::SelectPortOrFirst(int16 port) {
    ModPubFun::SetComboText(Combo1, QStringLiteral("COM%1").arg(port));
    Combo1_Click();
}

// Refills the list with ports and shows the entry of port (the first entry when the list
// does not hold it); an empty list shows nothing and selects port 0.
void FrmComSet::RefillPortList(const QList<int>& ports, int16 port) {
    if (ModSetComm2::FillComPortList(Combo1, ports) < 1) {
        selectedPort_ = 0;
        Combo1->setCurrentIndex(-1);
        return;
    }
    SelectPortOrFirst(port);
}

void FrmComSet::ReShowComPortTimer_Timer() {
    const QList<int> ports = ModSetComm2::ListPorts();
    const QStringList names = ModSetComm2::ComPortNames(ports);
    // An unchanged list is left alone: refilling it would reset an open drop-down under the
    // user's pointer every second, and the selection would come out the same.
    if (names == Items(Combo1) && (names.isEmpty() || Combo1->currentIndex() >= 0)) return;
    RefillPortList(ports, selectedPort_);
}

void FrmComSet::Combo1_Click() {
    selectedPort_ = Combo1->currentIndex() < 0 ? int16{0} : EntryPort(Combo1->currentText()).value_or(0);
}

void FrmComSet::CommandOK_Click() {
    if (Combo1->currentIndex() < 0) {
        Prog::ComPort = 0;
    } else if (const auto port = EntryPort(Combo1->currentText())) {
        Prog::ComPort = *port;
        ProfileIni::WritePrivateProfileString(QStringLiteral("language"), QStringLiteral("comPort"),
                                              QString::number(Prog::ComPort), ModVersion::SetupIniPath());
    }
    accept();
}

void FrmComSet::CommandCancel_Click() { reject(); }

void FrmComSet::done(int result) {
    ReShowComPortTimer->stop();
    QDialog::done(result);
}
