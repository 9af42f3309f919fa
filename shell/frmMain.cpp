#include "shell/frmMain.h"

#include "core/ModFun.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglishPrint.h"
#include "core/lang/ModMsg.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "shell/BackgroundTiler.h"
#include "shell/ChildForm.h"
#include "shell/FormRegistry.h"
#include "shell/MenuTable.h"
#include "shell/NavigatorPane.h"
#include "shell/WindowPlacement.h"
#include "core/widgets/DesignLayout.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace {

const QString kSettingsSection = QStringLiteral("Settings");

struct PlacementKey {
    const char* key;
    double defaultTwips;
    bool isSize;
};
constexpr PlacementKey kPlacement[] = {
    {"MainLeft", 100, false}, {"MainTop", 100, false}, {"MainWidth", 14500, true}, {"MainHeight", 10500, true}};

// Stored values outside what a screen can show are not placements this program wrote.
constexpr int kMaxPixels = 16384;

// A stored placement value in twips, or the default when it is missing, not a number or
// out of range.
double ReadPlacement(const PlacementKey& p) {
    const QString text = SettingsStore::GetSetting(MsgBox::ApplicationTitle(), kSettingsSection,
                                                   QLatin1String(p.key), QString::number(p.defaultTwips));
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value)) return p.defaultTwips;
    const double pixels = value / DesignLayout::kTwipsPerPixel;
    const bool inRange = p.isSize ? (pixels >= 1 && pixels <= kMaxPixels) : std::abs(pixels) <= kMaxPixels;
    return inRange ? value : p.defaultTwips;
}

// The stored outer frame in pixels, or the default one.
QRect PlacementInPixels(bool stored) {
    const auto px = [stored](const PlacementKey& p) {
        return DesignLayout::ToPixels(stored ? ReadPlacement(p) : p.defaultTwips);
    };
    return {px(kPlacement[0]), px(kPlacement[1]), px(kPlacement[2]), px(kPlacement[3])};
}

void WritePlacement(const char* key, int pixels) {
    const float twips = static_cast<float>(DesignLayout::FromPixels(pixels));
    SettingsStore::SaveSetting(MsgBox::ApplicationTitle(), kSettingsSection, QLatin1String(key),
                               QString::number(twips, 'g', 7));
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent), services_(*this) {
    Q_INIT_RESOURCE(shell_icons);
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/App.png")));
    setContextMenuPolicy(Qt::PreventContextMenu);  // no toolbar toggles beside the View menu
    BuildCentralArea();
    BuildMenus();
    BuildToolbar();
    BuildStatusBar();
    ConnectMenuCommands();

    TimerReNew = new QTimer(this);
    TimerReNew->setObjectName(QStringLiteral("TimerReNew"));
    TimerReNew->setInterval(200);
    connect(TimerReNew, &QTimer::timeout, this, &frmMain::TimerReNew_Timer);
    BuildLinkTimers();

    SetWindowServices(&services_);
    MDIForm_Load();
}

frmMain::~frmMain() {
    if (&Windows() == &services_) SetWindowServices(nullptr);
}

QString frmMain::MainCaption() {
    return QStringLiteral("ZR7310N_II[") + Prog::BandRangeText + QStringLiteral("][") +
           ModEnglishPrint::FileName.Text() + u':' + ModFun::GetFileTitle(Prog::DataFileName) + u']';
}

void frmMain::MDIForm_Load() {
    Picture1->SplitterDragging = 0;
    RestorePlacement();
    for (const QString& name : MenuTable::HiddenAtLoad()) MenuEntry(name)->setVisible(false);
    const bool multiWrite = Prog::MultiWriteEnabled == 1;
    for (const char* key : {"MWriteRadio", "MWriteRadioBar"})
        if (QAction* a = tbToolBar->findChild<QAction*>(QLatin1String(key))) a->setVisible(multiWrite);
    MenuEntry(QStringLiteral("mnuMWriteToRadio"))->setVisible(multiWrite);
    ChangShowByLanguage();
    InitTreeView();
    if (Prog::SpecialMode != 0)
        StartShowData();
    else
        LoadNewDoc();
}

// The stored placement is the window's outer frame. The frame around the client area is
// known only once the window is shown (and a window manager has framed it), so the size is
// applied again when the frame first appears. A stored frame whose title bar no screen shows
// any more gives way to the default one; the stored values stay until the window stores its
// own on closing.
void frmMain::RestorePlacement() {
    QRect outer = PlacementInPixels(true);
    QList<QRect> areas;
    for (const QScreen* s : QGuiApplication::screens()) areas << s->availableGeometry();
    if (!WindowPlacement::TitleBarReachable(outer, areas))
        outer = PlacementInPixels(false);
    pendingPlacement_ = outer;
    ApplyPlacement();
}

QMargins frmMain::FrameMargins() const {
    const QRect outer = frameGeometry(), inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The pending outer placement with the frame as far as it is known; once the window has a
// frame, the placement is done and the window is the user's.
void frmMain::ApplyPlacement() {
    if (!pendingPlacement_) return;
    const QMargins m = FrameMargins();
    const QRect& outer = *pendingPlacement_;
    move(outer.topLeft());
    resize(std::max(1, outer.width() - m.left() - m.right()), std::max(1, outer.height() - m.top() - m.bottom()));
    if (!m.isNull()) pendingPlacement_.reset();
}

// The first time the shown window has a frame, the stored outer size is applied to it.
void frmMain::FollowFrameMargins() {
    if (pendingPlacement_ && isVisible() && !isMinimized() && !isMaximized() && !FrameMargins().isNull())
        ApplyPlacement();
}

// A maximised window's frame is the screen's available area. (Under X11 Qt keeps the frame
// margins of the normal window while it is maximised, so frameGeometry would overhang the
// screen by the borders the window manager took away.)
void frmMain::StorePlacement() const {
    if (isMinimized()) return;
    const QRect outer = isMaximized() && screen() ? screen()->availableGeometry() : frameGeometry();
    WritePlacement("MainLeft", outer.x());
    WritePlacement("MainTop", outer.y());
    WritePlacement("MainWidth", outer.width());
    WritePlacement("MainHeight", outer.height());
}

void frmMain::ChangShowByLanguage() {
    dlgCommonDialogFilter_ = ModMsg::DataFileType.Text() + QStringLiteral(" (*.dat)|*.dat");
    ShowStatusTexts();
    LoadBKPic();
    setWindowTitle(MainCaption());
    ApplyMenuCaptions();
    ApplyToolTips();
}

void frmMain::Change_Language() {
    ChangShowByLanguage();
    InitTreeView();
}

bool frmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) MDIForm_Activate();
    const bool handled = QMainWindow::event(event);
    const auto type = event->type();
    if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) FollowFrameMargins();
    return handled;
}

void frmMain::MDIForm_Activate() {
    if (Prog::CurLanguage == Prog::PreLanguage) return;
    Prog::PreLanguage = Prog::CurLanguage;
    Change_Language();
    mnuCloseAll_Click();
    ShowChannelEditor();
    Arrange(0);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == central_ && event->type() == QEvent::Resize) MDIForm_Resize();
    if (event->type() == QEvent::Close && qobject_cast<ChildForm*>(watched)) {
        QPointer<QMdiSubWindow> frame = qobject_cast<QMdiSubWindow*>(static_cast<QWidget*>(watched)->parentWidget());
        QTimer::singleShot(0, this, [this, frame] { DropEmptyFrame(frame); });
    }
    return QMainWindow::eventFilter(watched, event);
}

// Runs whenever the client area changes size. The radio link's reply timer is left alone:
// a transfer keeps its time-out while the window is minimised or resized.
void frmMain::MDIForm_Resize() {
    Picture1->FitHeight(central_->height());
    LoadBKPic();
}

void frmMain::LoadBKPic() {
    const QString path = QDir(Prog::ProgramDir).filePath(QStringLiteral("PIC/BK_%1.jpg").arg(Prog::CurLanguage));
    const QColor fill = palette().color(QPalette::Button);
    const auto tiled = BackgroundTiler::Tile(BackgroundTiler::LoadPicture(path), frameGeometry().size(), fill);
    mdiArea_->setBackground(tiled ? QBrush(*tiled) : palette().brush(QPalette::Dark));
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!MDIForm_Unload()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// Asks about modified data and stores the placement; false keeps the window open.
// (Start-up changes no system setting, so there is no decimal separator to put back.)
bool frmMain::MDIForm_Unload() {
    if (!SaveBeforeLeaving()) return false;
    StorePlacement();
    return true;
}

// Child windows ---------------------------------------------------------------------------

// An edit still open in an editor (a cell being typed) belongs to the data before the data
// is compared, saved or sent.
void frmMain::CommitPendingEdits() {
    for (ChildForm* form : ChildForms()) form->ValidateControls();
}

// A frame counts while it is shown and holds an editor that has not closed itself.
QList<QMdiSubWindow*> frmMain::OpenSubWindows() const {
    QList<QMdiSubWindow*> open;
    for (QMdiSubWindow* sw : mdiArea_->subWindowList()) {
        QWidget* form = qobject_cast<ChildForm*>(sw->widget());
        if (form && !sw->isHidden() && (sw->isMinimized() || !form->isHidden())) open << sw;
    }
    return open;
}

// An editor that closed itself rather than through its frame takes the frame with it.
void frmMain::DropEmptyFrame(QMdiSubWindow* frame) {
    if (!frame || frame->isHidden() || frame->isMinimized()) return;
    if (frame->widget() && !frame->widget()->isHidden()) return;
    mdiArea_->removeSubWindow(frame);
    frame->deleteLater();
}

QMdiSubWindow* frmMain::FindSubWindow(const QString& formName) const {
    for (QMdiSubWindow* sw : OpenSubWindows())
        if (sw->widget()->objectName() == formName) return sw;
    return nullptr;
}

ChildForm* frmMain::FindChildForm(const QString& formName) const {
    QMdiSubWindow* sw = FindSubWindow(formName);
    return sw ? static_cast<ChildForm*>(sw->widget()) : nullptr;
}

QList<ChildForm*> frmMain::ChildForms() const {
    QList<ChildForm*> forms;
    for (QMdiSubWindow* sw : OpenSubWindows()) forms << static_cast<ChildForm*>(sw->widget());
    return forms;
}

void frmMain::ShowChildForm(const QString& formName) {
    if (QMdiSubWindow* sw = FindSubWindow(formName)) {
        mdiArea_->setActiveSubWindow(sw);
        sw->widget()->setFocus();
        return;
    }
    ChildForm* form = FormRegistry::Create(formName);
    if (!form) return;
    QMdiSubWindow* sw = mdiArea_->addSubWindow(form);
    sw->setAttribute(Qt::WA_DeleteOnClose);
    form->installEventFilter(this);
    form->show();
    Arrange(0);
}

void frmMain::ShowChannelEditor() { ShowChildForm(QStringLiteral("frmCommChInfo")); }

void frmMain::UnloadChildForms() {
    for (QMdiSubWindow* sw : OpenSubWindows()) sw->close();  // each frame deletes itself
}

void frmMain::Arrange(int how) {
    if (how == 0) {
        mdiArea_->cascadeSubWindows();
        return;
    }
    QList<QMdiSubWindow*> normal, iconic;
    for (QMdiSubWindow* sw : OpenSubWindows()) (sw->isMinimized() ? iconic : normal) << sw;
    const QRect area = mdiArea_->viewport()->rect();
    if (how == 1 || how == 2) {
        const int n = static_cast<int>(normal.size());
        for (int i = 0; i < n; ++i) {
            normal[i]->showNormal();
            normal[i]->setGeometry(how == 1 ? QRect(0, area.height() * i / n, area.width(), area.height() / n)
                                            : QRect(area.width() * i / n, 0, area.width() / n, area.height()));
        }
    } else if (how == 3) {
        int x = 0;
        for (QMdiSubWindow* sw : iconic) {
            sw->move(x, area.height() - sw->height());
            x += sw->width();
        }
    }
}
