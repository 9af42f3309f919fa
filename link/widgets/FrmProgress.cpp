#include "link/widgets/FrmProgress.h"

#include "core/ProgramData.h"
#include "core/lang/ModEndlishProgress.h"
#include "link/ModComm.h"
#include "link/widgets/ProgressLayout.h"
#include "platform/MessageBox.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>

#include <exception>

namespace {

using DesignLayout::Px;
using DesignLayout::TwRect;

QPointer<FrmProgress> g_loaded;

// Runs body; a failure shows label in a plain box and ends the routine there. False then.
template <typename Body>
bool Trap(const char* label, Body&& body) {
    try {
        body();
        return true;
    } catch (const std::exception&) {
        MsgBox::Show(QString::fromLatin1(label), MsgBox::OKOnly);
        return false;
    }
}

}  // namespace

FrmProgress::FrmProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ProgressBar1(new QProgressBar(this)),
      Label1(new QLabel(this)),
      Label2(new QLabel(QStringLiteral("0%"), this)) {
    setObjectName(QStringLiteral("FrmProgress"));
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    setModal(true);
    setFixedSize(Px(4860), Px(1410));
    ProgressBar1->setGeometry(TwRect(120, 240, 4695, 495));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressLayout::PlaceValue(Label2, TwRect(2880, 960, 270, 225), QStringLiteral("100%"));
    Label1->setGeometry(TwRect(1680, 960, 1080, 225));
}

FrmProgress::~FrmProgress() = default;

FrmProgress* FrmProgress::Loaded() { return g_loaded.data(); }

void FrmProgress::ShowModal(QWidget* parent) {
    FrmProgress form(parent);
    g_loaded = &form;
    form.Form_Load();
    if (!form.unloaded_) form.exec();
    g_loaded = nullptr;
}

void FrmProgress::Form_Load() {
    ChangShowByLanguage();
    justSize();
    const bool loaded = Trap("ProgressForm_LoadError", [this] {
        ProgressBar1->setValue(0);
        Label2->setText(QStringLiteral("0%"));
        if (Prog::CommType == 1 || Prog::CommType == 2) ModComm::StartComm();
    });
    // A window without a close button must not stay up over a transfer that never started.
    if (!loaded && Prog::CommType != 0) ModComm::EndComm(false);
}

void FrmProgress::ChangShowByLanguage() {
    Trap("ProgressChangShowByLanguageError", [this] {
        setWindowTitle(ModEndlishProgress::Title.Item(Prog::CommType));
        Label1->setText(ModEndlishProgress::CompletionPercentage.Text());
    });
}

void FrmProgress::justSize() {
    Trap("ProgressjustSizeError", [this] { ProgressLayout::PlaceBefore(Label1, Label2, 1080); });
}

void FrmProgress::SetProgressValue(int32 value) {
    if (value < ProgressBar1->minimum() || value > ProgressBar1->maximum()) {
        MsgBox::Show(QStringLiteral("SetProgressValueError"), MsgBox::OKOnly);
        return;
    }
    ProgressBar1->setValue(value);
}

void FrmProgress::ShowPercent(int percent) {
    Label2->setText(QString::number(percent) + u'%');
    SetProgressValue(percent);
}

void FrmProgress::Unload() {
    unloaded_ = true;
    done(QDialog::Accepted);
}

void FrmProgress::reject() {}

void FrmProgress::closeEvent(QCloseEvent* event) { event->ignore(); }
