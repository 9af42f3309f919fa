#pragma once
// The main window: a multiple-document frame holding every editor as a child window, with
// the menu bar, the toolbar tbToolBar, the status bar sbStatusBar, the navigator pane with
// its tree and splitter, and a tiled background picture behind the children.
#include "shell/ShellWindowServices.h"

#include <QHash>
#include <QMainWindow>

#include <QMargins>
#include <QRect>

#include <array>
#include <optional>

class ChildForm;
class NavigatorPane;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;

class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs its load steps (placement, hidden entries, language, tree,
    // and the first document). Closing asks about modified data and stores the placement.
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // "ZR7310N_II[" band "][" "File Name" ":" title of DataFileName "]".
    static QString MainCaption();

    // Every text of the window in the current language, background reloaded, tree rebuilt.
    void Change_Language();
    // Radio-information read with image fill (the radio link's).
    void ReadRMGDataFromRadio();
    // The background picture of the current language, tiled over the client area.
    void LoadBKPic();
    // Shows the data in memory: children closed, texts, channel editor, caption, cascade.
    void StartShowData();
    // Reloads the start-up template, then as StartShowData.
    void LoadNewDoc();
    // LoadNewDoc from TimerReNew, 200 ms later.
    void LoadNewDoc_();

    // Child windows, by form name.
    ChildForm* FindChildForm(const QString& formName) const;
    QList<ChildForm*> ChildForms() const;
    void CommitPendingEdits();
    // Focuses the loaded window of that name, or creates it from the form registry, shows
    // it and cascades the children. A name without a registered form opens nothing.
    void ShowChildForm(const QString& formName);
    void ShowChannelEditor();
    // Closes every child window.
    void UnloadChildForms();
    // 0 cascade, 1 tile horizontally (one above another), 2 tile vertically (side by side),
    // 3 minimised windows in a row along the bottom.
    void Arrange(int how);

    // Status bar panel 1..5; other numbers are ignored.
    void SetStatusPanelText(int panel, const QString& text);
    // The exit steps (pending edits, save question, placement); false keeps the program running.
    bool MDIForm_Unload();

    QMdiArea* MdiArea() const { return mdiArea_; }
    // The menu entry of that name (a menu of the bar gives its menu action).
    QAction* MenuEntry(const QString& name) const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Window life
    void MDIForm_Load();
    void MDIForm_Activate();
    void MDIForm_Resize();
    void ChangShowByLanguage();
    void InitTreeView();
    void RestorePlacement();
    void ApplyPlacement();
    void FollowFrameMargins();
    QMargins FrameMargins() const;
    void StorePlacement() const;

    // Building the window (frmMainMenus.cpp)
    void BuildMenus();
    void ConnectMenuCommands();
    void BuildToolbar();
    void BuildStatusBar();
    void BuildCentralArea();
    void ApplyMenuCaptions();
    void ApplyToolTips();
    void ShowStatusTexts();
    void ShowClock();
    void FillWindowList();

    // Commands of the menus, toolbar and tree (frmMainMenus.cpp)
    void tbToolBar_ButtonClick(const QString& key);
    void Toolbar1_ButtonClick(const QString& key);
    void TreeView1_NodeClick(const QString& key);
    void mnuChannelInfo_Click();
    void mnuOptFeature_Click();
    void mnuToneTips_Click();
    void mnuTVChannel_Click();
    void MnuInitial_Click();
    void mnuTreeView_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuCloseAll_Click();
    void mnuLanguage_Click();
    void mnuHelpAbout_Click();

    // File commands (frmMainFile.cpp)
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void DoFileOpen();
    bool DoFileSave();
    bool SaveAsChosenName();
    bool SaveBeforeLeaving();
    void LoadNewDocAfterSaving();
    void TimerReNew_Timer();

    // Radio commands (frmMainLink.cpp)
    void BuildLinkTimers();
    void mnuReadFromRadio_Click();
    void mnuWriteToRadio_Click();
    void TimerWrite_Timer();
    void mnuMWriteToRadio_Click();
    void TakeBackKeyboard();
    void mnuComm_Click();
    void mnuRadioInfo_Click();
    void mnuEMG_Click();

    QMdiSubWindow* FindSubWindow(const QString& formName) const;
    QList<QMdiSubWindow*> OpenSubWindows() const;
    void DropEmptyFrame(QMdiSubWindow* frame);

    ShellWindowServices services_;
    QMdiArea* mdiArea_ = nullptr;
    QWidget* central_ = nullptr;
    NavigatorPane* Picture1 = nullptr;
    QToolBar* tbToolBar = nullptr;
    std::array<QLabel*, 6> panels_{};  // sbStatusBar panels 1..5
    QHash<QString, QAction*> menuEntries_;
    QHash<QString, QMenu*> menus_;
    QList<QAction*> windowListEntries_;
    QTimer* TimerReNew = nullptr;
    QTimer* TimerWrite = nullptr;  // 20 ms after the write command: the write itself
    QTimer* clock_ = nullptr;
    QString dlgCommonDialogFilter_;
    // The stored outer placement while the window waits for its frame.
    std::optional<QRect> pendingPlacement_;
};
