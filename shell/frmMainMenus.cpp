// The command surface of the main window: menus, toolbar, status bar, the navigator tree,
// and the commands that only open a window or show and hide a part of the frame.
#include "core/ModFreFile.h"
#include "core/ProgramData.h"
#include "core/lang/ModBeepText.h"
#include "core/lang/ModEnglish.h"
#include "shell/MenuTable.h"
#include "shell/NavigatorPane.h"
#include "shell/dialogs/AboutBoxes.h"
#include "shell/dialogs/FrmSetLanguage.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// Toolbar buttons in design order: key, image, the menu entry whose caption is its tooltip.
// An empty key is a separator, named by the button it follows.
struct ToolButton {
    const char* key;
    const char* image;
    const char* tipFrom;
};
constexpr ToolButton kToolButtons[] = {
    {"新建", "New", "mnuFileNew"},
    {"打开", "Open", "mnuFileOpen"},
    {"保存", "Save", "mnuFileSave"},
    {"", nullptr, nullptr},
    {"打印", "Print", "mnuFilePrint"},
    {"", nullptr, nullptr},
    {"ReadRadio", "Read", "mnuReadFromRadio"},
    {"CommSet", "Comm", "mnuComm"},
    {"WriteRadio", "Write", "mnuWriteToRadio"},
    {"", nullptr, nullptr},
    {"MWriteRadio", "MWrite", nullptr},
    {"", nullptr, nullptr},
    {"About", "Help", "mnuHelpAbout"},
    {"", nullptr, nullptr},
};

constexpr int kKeyRole = Qt::UserRole;

QLabel* NewPanel(const char* name, QFrame::Shape shape) {
    auto* panel = new QLabel;
    panel->setObjectName(QLatin1String(name));
    panel->setFrameShape(shape);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setContentsMargins(4, 0, 4, 0);
    return panel;
}

}  // namespace

void frmMain::BuildCentralArea() {
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("ClientArea"));
    auto* layout = new QHBoxLayout(central_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Picture1 = new NavigatorPane(central_);
    mdiArea_ = new QMdiArea(central_);
    mdiArea_->setObjectName(QStringLiteral("MDIClient"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(Picture1);
    layout->addWidget(mdiArea_, 1);
    setCentralWidget(central_);
    central_->installEventFilter(this);
    connect(Picture1, &NavigatorPane::toolbarButtonClicked, this, &frmMain::Toolbar1_ButtonClick);
    connect(Picture1->TreeView1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { TreeView1_NodeClick(item->data(0, kKeyRole).toString()); });
}

void frmMain::BuildMenus() {
    menuBar()->setObjectName(QStringLiteral("MenuBar"));
    QMenu* current = nullptr;
    for (const MenuTable::Entry& e : MenuTable::Entries()) {
        const QString name = QLatin1String(e.name);
        QAction* action = nullptr;
        if (e.level == 1) {
            current = menuBar()->addMenu(QString());
            current->setObjectName(name);
            menus_.insert(name, current);
            action = current->menuAction();
        } else if (!e.caption) {
            action = current->addSeparator();
        } else {
            action = current->addAction(QString());
            if (*e.shortcut) action->setShortcut(QKeySequence(QLatin1String(e.shortcut)));
            action->setCheckable(e.checked);
            action->setChecked(e.checked);
        }
        action->setObjectName(name);
        action->setVisible(!e.designHidden);
        menuEntries_.insert(name, action);
    }
    connect(menus_.value(QStringLiteral("mnuWindow")), &QMenu::aboutToShow, this, &frmMain::FillWindowList);
}

QAction* frmMain::MenuEntry(const QString& name) const { return menuEntries_.value(name); }

void frmMain::ConnectMenuCommands() {
    using Handler = void (frmMain::*)();
    const std::pair<const char*, Handler> commands[] = {
        {"mnuFileNew", &frmMain::mnuFileNew_Click},
        {"mnuFileOpen", &frmMain::mnuFileOpen_Click},
        {"mnuFileSave", &frmMain::mnuFileSave_Click},
        {"mnuFileSaveAs", &frmMain::mnuFileSaveAs_Click},
        {"mnuFilePrint", &frmMain::mnuFilePrint_Click},
        {"mnuFileExit", &frmMain::mnuFileExit_Click},
        {"mnuChannelInfo", &frmMain::mnuChannelInfo_Click},
        {"mnuTVChannel", &frmMain::mnuTVChannel_Click},
        {"mnuOptFeature", &frmMain::mnuOptFeature_Click},
        {"mnuToneTips", &frmMain::mnuToneTips_Click},
        {"mnuEMG", &frmMain::mnuEMG_Click},
        {"mnuReadFromRadio", &frmMain::mnuReadFromRadio_Click},
        {"mnuWriteToRadio", &frmMain::mnuWriteToRadio_Click},
        {"mnuMWriteToRadio", &frmMain::mnuMWriteToRadio_Click},
        {"mnuRadioInfo", &frmMain::mnuRadioInfo_Click},
        {"mnuComm", &frmMain::mnuComm_Click},
        {"mnuLanguage", &frmMain::mnuLanguage_Click},
        {"MnuInitial", &frmMain::MnuInitial_Click},
        {"mnuTreeView", &frmMain::mnuTreeView_Click},
        {"mnuViewToolbar", &frmMain::mnuViewToolbar_Click},
        {"mnuViewStatusBar", &frmMain::mnuViewStatusBar_Click},
        {"mnuCloseAll", &frmMain::mnuCloseAll_Click},
        {"mnuHelpAbout", &frmMain::mnuHelpAbout_Click},
    };
    for (const auto& [name, handler] : commands)
        connect(MenuEntry(QLatin1String(name)), &QAction::triggered, this, handler);
    const std::pair<const char*, int> arrangements[] = {{"mnuWindowCascade", 0},
                                                        {"mnuWindowTileHorizontal", 1},
                                                        {"mnuWindowTileVertical", 2},
                                                        {"mnuWindowArrangeIcons", 3}};
    for (const auto& [name, how] : arrangements)
        connect(MenuEntry(QLatin1String(name)), &QAction::triggered, this, [this, how = how] { Arrange(how); });
}

void frmMain::BuildToolbar() {
    tbToolBar = addToolBar(QString());
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    QString previous;
    for (const ToolButton& b : kToolButtons) {
        const QString key = QString::fromUtf8(b.key);
        QAction* action = nullptr;
        if (key.isEmpty()) {
            action = tbToolBar->addSeparator();
            action->setObjectName(previous + QStringLiteral("Bar"));
        } else {
            action = tbToolBar->addAction(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(b.image))), QString());
            action->setObjectName(key);
            action->setData(key);
            previous = key;
        }
    }
    // The print button has no command; it stays out of sight with its separator.
    for (const char* hidden : {"打印", "打印Bar"})
        tbToolBar->findChild<QAction*>(QString::fromUtf8(hidden))->setVisible(false);
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction* a) { tbToolBar_ButtonClick(a->data().toString()); });
}

void frmMain::BuildStatusBar() {
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    statusBar()->setSizeGripEnabled(true);
    panels_[1] = NewPanel("Panel1", QFrame::NoFrame);
    panels_[2] = NewPanel("Panel2", QFrame::Panel);
    panels_[2]->setProperty("key", QStringLiteral("状态"));
    panels_[3] = NewPanel("Panel3", QFrame::Panel);
    panels_[4] = NewPanel("Panel4", QFrame::Panel);
    panels_[5] = NewPanel("Panel5", QFrame::Panel);
    statusBar()->addWidget(panels_[1], 1);
    for (int i = 2; i <= 5; ++i) statusBar()->addPermanentWidget(panels_[static_cast<std::size_t>(i)]);
    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("StatusClock"));
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &frmMain::ShowClock);
    clock_->start();
    ShowClock();
}

void frmMain::ShowClock() {
    const QLocale locale;
    panels_[4]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    panels_[5]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

// Panel 2 is drawn without its bevel.
void frmMain::ShowStatusTexts() {
    panels_[3]->setText(ModEnglish::Com.Text() + QString::number(Prog::ComPort));
    panels_[2]->setText(QStringLiteral("ZR7310N_II[") + Prog::BandRangeText + u']');
    panels_[2]->setFrameShape(QFrame::NoFrame);
}

void frmMain::SetStatusPanelText(int panel, const QString& text) {
    if (panel >= 1 && panel < static_cast<int>(panels_.size())) panels_[static_cast<std::size_t>(panel)]->setText(text);
}

void frmMain::ApplyMenuCaptions() {
    for (const MenuTable::Entry& e : MenuTable::Entries())
        if (e.caption) MenuEntry(QLatin1String(e.name))->setText(e.caption());
}

void frmMain::ApplyToolTips() {
    for (const ToolButton& b : kToolButtons) {
        if (!b.tipFrom) continue;
        QAction* button = tbToolBar->findChild<QAction*>(QString::fromUtf8(b.key));
        button->setToolTip(MenuTable::WithoutAccessKey(MenuEntry(QLatin1String(b.tipFrom))->text()));
    }
}

void frmMain::InitTreeView() {
    QTreeWidget* tree = Picture1->TreeView1;
    tree->clear();
    auto* root = new QTreeWidgetItem(tree, {Picture1->Label1->text()});
    root->setData(0, kKeyRole, QStringLiteral("N0"));
    const std::pair<const char*, QString> nodes[] = {
        {"N1", MenuEntry(QStringLiteral("mnuChannelInfo"))->text()},
        {"N2", MenuEntry(QStringLiteral("mnuOptFeature"))->text()},
        {"N12", ModBeep::GetRBText(12014)},
        {"N13", MenuEntry(QStringLiteral("mnuTVChannel"))->text()},
    };
    for (const auto& [key, text] : nodes) {
        auto* node = new QTreeWidgetItem(root, {MenuTable::WithoutAccessKey(text)});
        node->setData(0, kKeyRole, QLatin1String(key));
    }
    root->setExpanded(true);
}

// The open child windows, numbered, after the last entry of the Window menu; the active
// one checked.
void frmMain::FillWindowList() {
    QMenu* menu = menus_.value(QStringLiteral("mnuWindow"));
    for (QAction* a : windowListEntries_) {
        menu->removeAction(a);
        a->deleteLater();
    }
    windowListEntries_.clear();
    int n = 0;
    for (QMdiSubWindow* sw : OpenSubWindows()) {
        ++n;
        QString title = sw->windowTitle();
        title.replace(u'&', QStringLiteral("&&"));
        QAction* a = menu->addAction((n < 10 ? QStringLiteral("&%1 ") : QStringLiteral("%1 ")).arg(n) + title);
        a->setObjectName(QStringLiteral("mnuWindowList%1").arg(n));
        a->setCheckable(true);
        a->setChecked(sw == mdiArea_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sw] {
            if (OpenSubWindows().contains(sw)) mdiArea_->setActiveSubWindow(sw);
        });
        windowListEntries_ << a;
    }
}

// Commands ---------------------------------------------------------------------------------

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    using Handler = void (frmMain::*)();
    const std::pair<const char*, Handler> buttons[] = {
        {"新建", &frmMain::LoadNewDocAfterSaving},
        {"打开", &frmMain::mnuFileOpen_Click},
        {"保存", &frmMain::mnuFileSave_Click},
        {"打印", &frmMain::mnuFilePrint_Click},
        {"ReadRadio", &frmMain::mnuReadFromRadio_Click},
        {"CommSet", &frmMain::mnuComm_Click},
        {"WriteRadio", &frmMain::mnuWriteToRadio_Click},
        {"MWriteRadio", &frmMain::mnuMWriteToRadio_Click},
        {"About", &frmMain::mnuHelpAbout_Click},
    };
    for (const auto& [k, handler] : buttons)
        if (key == QString::fromUtf8(k)) {
            (this->*handler)();
            return;
        }
}

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    if (key != QStringLiteral("删除")) return;
    Picture1->setVisible(false);
    MenuEntry(QStringLiteral("mnuTreeView"))->setChecked(false);
}

void frmMain::TreeView1_NodeClick(const QString& key) {
    if (key == QLatin1String("N1"))
        mnuChannelInfo_Click();
    else if (key == QLatin1String("N2"))
        mnuOptFeature_Click();
    else if (key == QLatin1String("N12"))
        mnuToneTips_Click();
    else if (key == QLatin1String("N13"))
        mnuTVChannel_Click();
}

void frmMain::mnuChannelInfo_Click() { ShowChannelEditor(); }
void frmMain::mnuOptFeature_Click() { ShowChildForm(QStringLiteral("FrmOptFeatures")); }
void frmMain::mnuToneTips_Click() { ShowChildForm(QStringLiteral("FrmToneTips")); }
void frmMain::mnuTVChannel_Click() { ShowChildForm(QStringLiteral("FrmTVCH")); }

void frmMain::MnuInitial_Click() { LoadNewDocAfterSaving(); }

// The check mark of a check entry has already turned when these run.
void frmMain::mnuTreeView_Click() { Picture1->setVisible(Picture1->isHidden()); }
void frmMain::mnuViewToolbar_Click() {
    tbToolBar->setVisible(MenuEntry(QStringLiteral("mnuViewToolbar"))->isChecked());
}
void frmMain::mnuViewStatusBar_Click() {
    statusBar()->setVisible(MenuEntry(QStringLiteral("mnuViewStatusBar"))->isChecked());
}

void frmMain::mnuCloseAll_Click() { UnloadChildForms(); }

// A language chosen in the dialog is applied by the activation that follows its closing.
// The window system does not always hand the activation back (no window manager, focus
// elsewhere), so it is run here as well; it does nothing once the languages agree.
void frmMain::mnuLanguage_Click() {
    FrmSetLanguage::ShowModal(this);
    MDIForm_Activate();
}
void frmMain::mnuHelpAbout_Click() { AboutBoxes::ShowAboutBox(this); }
