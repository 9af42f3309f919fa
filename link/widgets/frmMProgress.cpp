#include "link/widgets/frmMProgress.h"

#include "core/ProgramData.h"
#include "core/lang/ModEndlishProgress.h"
#include "core/widgets/DesignLayout.h"
#include "link/LinkData.h"
#include "link/ModComm.h"
#include "link/widgets/ProgressLayout.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>

#include <algorithm>

namespace {

using DesignLayout::Px;
using DesignLayout::TwRect;

QPointer<frmMProgress> g_loaded;

}  // namespace

frmMProgress::frmMProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint),
      ProgressBar2(new QProgressBar(this)),
      Label4(new QLabel(this)),
      Label3(new QLabel(QStringLiteral("1"), this)),
      ProgressBar1(new QProgressBar(this)),
      Label1(new QLabel(this)),
      Label2(new QLabel(QStringLiteral("0%"), this)) {
    setObjectName(QStringLiteral("frmMProgress"));
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    Label4->setObjectName(QStringLiteral("Label4"));
    Label3->setObjectName(QStringLiteral("Label3"));
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    setModal(true);
    setFixedSize(Px(4680), Px(3195));
    ProgressBar2->setGeometry(TwRect(0, 240, 4695, 495));
    ProgressBar2->setRange(1, 100);
    ProgressBar1->setGeometry(TwRect(0, 1440, 4695, 495));
    ProgressBar1->setRange(0, 100);
    for (QProgressBar* bar : {ProgressBar1, ProgressBar2}) bar->setTextVisible(false);
    ProgressLayout::PlaceValue(Label3, TwRect(2760, 960, 105, 225), QStringLiteral("1"));
    ProgressLayout::PlaceValue(Label2, TwRect(2760, 2160, 270, 225), QStringLiteral("100%"));
    Label4->setGeometry(TwRect(1320, 960, 1440, 225));
    Label1->setGeometry(TwRect(1560, 2160, 1080, 225));
}

frmMProgress::~frmMProgress() = default;

frmMProgress* frmMProgress::Loaded() { return g_loaded.data(); }

void frmMProgress::ShowModal(QWidget* parent) {
    frmMProgress form(parent);
    g_loaded = &form;
    form.Form_Load();
    if (!form.unloaded_) form.exec();
    g_loaded = nullptr;
}

void frmMProgress::Form_Load() {
    ProgressBar1->setValue(0);
    Label2->setText(QStringLiteral("0%"));
    // Nothing gives RadioCount a value: the bar keeps at least its one step.
    ProgressBar2->setMaximum(std::max<int>(ProgressBar2->minimum(), Link::RadioCount));
    ProgressBar2->setValue(1);
    Label3->setText(QStringLiteral("1"));
    Prog::AskOnNoAnswer = -1;
    ChangShowByLanguage();
    justSize();
    ModComm::StartComm();
}

void frmMProgress::ChangShowByLanguage() {
    setWindowTitle(ModEndlishProgress::Title.Item(Prog::CommType));
    Label1->setText(ModEndlishProgress::CompletionPercentage.Text());
    Label4->clear();
}

void frmMProgress::justSize() {
    ProgressLayout::PlaceBefore(Label1, Label2, 1080);
    ProgressLayout::PlaceBefore(Label4, Label3, 1440);
}

void frmMProgress::ShowPercent(int percent) {
    Label2->setText(QString::number(percent) + u'%');
    ProgressBar1->setValue(std::clamp(percent, ProgressBar1->minimum(), ProgressBar1->maximum()));
}

void frmMProgress::ShowRadio(int radiosDone) {
    if (radiosDone > ProgressBar2->maximum()) ProgressBar2->setMaximum(radiosDone);
    ProgressBar2->setValue(std::max(radiosDone, ProgressBar2->minimum()));
    Label3->setText(QString::number(radiosDone));
    ProgressLayout::PlaceValue(Label3, TwRect(2760, 960, 105, 225), Label3->text());
}

void frmMProgress::Unload() {
    unloaded_ = true;
    done(QDialog::Accepted);
}

// The user closed the window: while the transfer still owns it, that ends the transfer.
void frmMProgress::Form_Unload() {
    if (!Link::MultiFormShown) return;
    Link::MultiFormShown = 0;
    ModComm::EndComm(false);
}

void frmMProgress::reject() {}

void frmMProgress::closeEvent(QCloseEvent* event) {
    Form_Unload();
    unloaded_ = true;
    QDialog::done(QDialog::Rejected);
    event->accept();
}
