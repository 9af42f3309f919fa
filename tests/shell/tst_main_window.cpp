// The main window's command surface, driven offscreen: the menu tree and its captions, the
// toolbar, the status bar, the navigator tree and pane, the View and Window menus, and the
// language applied when the window is next activated.
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "ShellTestEnv.h"
#include "core/ModFreFile.h"
#include "shell/MenuTable.h"
#include "link/ModComm.h"
#include "platform/serial/ComPorts.h"
#include "platform/serial/InProcessSerialBackend.h"
#include "platform/serial/MSComm.h"
#include "shell/NavigatorPane.h"

#include <QLabel>
#include <QScopeGuard>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

namespace {

QString Plain(QString s) { return s.remove(u'&'); }

// "File(New,Open,...)" for every visible menu of the bar; a separator is "-".
QString VisibleMenuTree(frmMain* w) {
    QStringList menus;
    for (QAction* top : w->menuBar()->actions()) {
        if (!top->isVisible()) continue;
        QStringList entries;
        for (QAction* a : top->menu()->actions())
            if (a->isVisible()) entries << (a->isSeparator() ? QStringLiteral("-") : Plain(a->text()));
        menus << Plain(top->text()) + u'(' + entries.join(u',') + u')';
    }
    return menus.join(u' ');
}

QToolButton* ToolButton(frmMain* w, const QString& key) {
    auto* bar = w->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    return qobject_cast<QToolButton*>(bar->widgetForAction(bar->findChild<QAction*>(key)));
}

QLabel* Panel(frmMain* w, int n) { return w->findChild<QLabel*>(QStringLiteral("Panel%1").arg(n)); }

NavigatorPane* Pane(frmMain* w) { return w->findChild<NavigatorPane*>(QStringLiteral("Picture1")); }

QTreeWidgetItem* Node(frmMain* w, const QString& key) {
    for (QTreeWidgetItemIterator it(Pane(w)->TreeView1); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key) return *it;
    return nullptr;
}

void ClickNode(frmMain* w, const QString& key) {
    QTreeWidget* tree = Pane(w)->TreeView1;
    QTreeWidgetItem* node = Node(w, key);
    QVERIFY(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

// Another window takes the focus and gives it back, as a closing modal dialog does.
void Reactivate(frmMain* w) {
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void MakeModified() {
    Prog::RadioData.OptFeatures.MicGain = static_cast<int16>(Prog::RadioData.OptFeatures.MicGain == 3 ? 4 : 3);
    QVERIFY(ModFreFile::IsDataModified());
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        RegisterFakeEditors({QStringLiteral("frmCommChInfo"), QStringLiteral("FrmOptFeatures"),
                             QStringLiteral("FrmToneTips"), QStringLiteral("FrmTVCH")});
    }
    void init() {
        Reset();
        env_ = std::make_unique<ShellTestEnv>();
        boxes_ = std::make_unique<ScriptedMessageBoxes>();
        dialogs_ = std::make_unique<ScriptedFileDialogs>();
        w_ = env_->Start();
        QVERIFY(w_);
    }
    void cleanup() {
        const int unscriptedBoxes = boxes_->unscriptedCount(), unscriptedDialogs = dialogs_->unscriptedCount();
        Reset();
        QCOMPARE(unscriptedBoxes, 0);
        QCOMPARE(unscriptedDialogs, 0);
    }

    void visibleMenuTree() {
        QCOMPARE(VisibleMenuTree(w_),
                 QStringLiteral("File(New,Open,Save,Save As,Exit) "
                                "Edit(Channel Information,-,Weather Channel,-,Option Features,Roger Beep) "
                                "Program(Read from Radio,Write to Radio) "
                                "Setup(Communication Port,Language Setup,Initial Setting) "
                                "View(Tree View,-,Toolbar,Status Bar) "
                                "Window(Cascade,-,Close All Windows,-) "
                                "Help(-,About ZRW7310N_II)"));
    }

    void everyEntry_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("shortcut");
        auto row = [](const char* name, const char* caption, bool visible, const char* shortcut = "") {
            QTest::newRow(name) << QString::fromUtf8(caption) << visible << QString::fromLatin1(shortcut);
        };
        row("mnuFile", "&File", true);
        row("mnuFileNew", "&New", true, "Ctrl+N");
        row("mnuFileOpen", "&Open", true, "Ctrl+O");
        row("mnuFileSave", "&Save", true);
        row("mnuFileSaveAs", "Save &As", true);
        row("mnuFilePrint", "&Print", false);
        row("mnuFileExit", "E&xit", true);
        row("mnuModel", "&Model", false);
        row("mnuModelInfo", "&Model Information", true);
        row("MnuBand", "&Band", false);
        row("MnuCheckRadioBand", "Check Radio &Band", true);
        row("MnuFrequencyCheck", "Check All Channel &Frequency", true);
        row("mnuEdit", "&Edit", true);
        row("mnuChannelInfo", "&Channel Information", true);
        row("mnuTVChannel", "&Weather Channel", true);
        row("mnuOptFeature", "&Option Features", true);
        row("mnuToneTips", "&Roger Beep", true);
        row("mnuKeyAssignm", "&Key Assignment", false);
        row("mnuScanInfo", "&Scan Information", false);
        row("mnuDTMF", "&DTMF", false);
        row("mnuFleetSync", "&Fleet Sync", false);
        row("mnuTestFre", "&Test FreQuence", false);
        row("mnuEmbeddedMsg", "Embedded &Message", false);
        row("mnuEMG", "Local &Information", false);
        row("mnuProgram", "&Program", true);
        row("mnuReadFromRadio", "&Read from Radio", true);
        row("mnuWriteToRadio", "&Write to Radio", true);
        row("mnuTest", "&Test Mode", false);
        row("mnuMWriteToRadio", "Write to &Group of Radios", false);
        row("mnuTools", "&Tools", false);
        row("mnuRadioInfo", "&Radio Information", true);
        row("mnuSetRadioInfo", "&Set Radio Information", true);
        row("mnuSet", "&Setup", true);
        row("mnuComm", "&Communication Port", true);
        row("mnuLanguage", "&Language Setup", true);
        row("MnuInitial", "&Initial Setting", true);
        row("MnuInitialBand1", "Band1", false);
        row("MnuInitialBand2", "Band2", false);
        row("mnuView", "&View", true);
        row("mnuTreeView", "Tree &View", true);
        row("mnuViewToolbar", "&Toolbar", true);
        row("mnuViewStatusBar", "&Status Bar", true);
        row("mnuWindow", "&Window", true);
        row("mnuWindowCascade", "&Cascade", true);
        row("mnuWindowTileHorizontal", "Tile Windows &Horizontally", false);
        row("mnuWindowTileVertical", "Tile Windows &Vertically", false);
        row("mnuWindowArrangeIcons", "&Arrange Icons", false);
        row("mnuCloseAll", "Close All &Windows", true);
        row("mnuHelp", "&Help", true);
        row("mnuHelpTopic", "&Help topics", false);
        row("mnuHelpAbout", "&About ZRW7310N_II", true);
    }
    void everyEntry() {
        QFETCH(QString, caption);
        QFETCH(bool, visible);
        QFETCH(QString, shortcut);
        QAction* entry = w_->MenuEntry(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(entry);
        QCOMPARE(entry->text(), caption);
        QCOMPARE(entry->isVisible(), visible);
        QCOMPARE(entry->shortcut().toString(), shortcut);
    }

    void languageChangeAppliesAtNextActivation() {
        Prog::CurLanguage = 2;  // as the language dialog leaves it
        QCOMPARE(w_->MenuEntry(QStringLiteral("mnuFile"))->text(), QStringLiteral("&File"));
        const int editorsBefore = FakeEditor::created.value(QStringLiteral("frmCommChInfo"));
        w_->ShowChildForm(QStringLiteral("FrmTVCH"));
        Reactivate(w_);
        QCOMPARE(Prog::PreLanguage, int16(2));
        QCOMPARE(w_->MenuEntry(QStringLiteral("mnuFile"))->text(), QStringLiteral("文件&F"));
        QCOMPARE(w_->MenuEntry(QStringLiteral("mnuFileSaveAs"))->text(), QStringLiteral("另存为(&A)"));
        QCOMPARE(w_->MenuEntry(QStringLiteral("mnuToneTips"))->text(), QStringLiteral("RB音(&R)"));
        QCOMPARE(w_->MenuEntry(QStringLiteral("mnuTVChannel"))->text(), QStringLiteral("气象信道(&W)"));
        QCOMPARE(w_->MenuEntry(QStringLiteral("mnuHelpAbout"))->text(), QStringLiteral("关于 ZRW7310N_II(&A)"));
        QCOMPARE(w_->MenuEntry(QStringLiteral("MnuInitialBand1"))->text(), QStringLiteral("Band1"));
        QCOMPARE(w_->windowTitle(), QStringLiteral("ZR7310N_II[28.0000 - 29.7000 MHz][文件名:new.dat]"));
        QCOMPARE(Panel(w_, 3)->text(), QStringLiteral("通信口3"));
        QCOMPARE(ToolButton(w_, QStringLiteral("新建"))->toolTip(), QStringLiteral("新建"));
        QCOMPARE(Node(w_, QStringLiteral("N12"))->text(0), QStringLiteral("RB音"));
        QCOMPARE(Node(w_, QStringLiteral("N13"))->text(0), QStringLiteral("气象信道"));
        // Every child closed, the channel editor opened anew.
        QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")});
        QCOMPARE(FakeEditor::created.value(QStringLiteral("frmCommChInfo")), editorsBefore + 1);

        Reactivate(w_);  // nothing further when the languages agree
        QCOMPARE(FakeEditor::created.value(QStringLiteral("frmCommChInfo")), editorsBefore + 1);
    }

    void captionAndStatusTexts() {
        QCOMPARE(w_->windowTitle(), QStringLiteral("ZR7310N_II[28.0000 - 29.7000 MHz][File Name:new.dat]"));
        QCOMPARE(Panel(w_, 1)->text(), QString());
        QCOMPARE(Panel(w_, 2)->text(), QStringLiteral("ZR7310N_II[28.0000 - 29.7000 MHz]"));
        QCOMPARE(Panel(w_, 2)->property("key").toString(), QStringLiteral("状态"));
        QCOMPARE(Panel(w_, 3)->text(), QStringLiteral("COM3"));
        QCOMPARE(Panel(w_, 4)->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(!Panel(w_, 5)->text().isEmpty());
    }

    void toolbarButtonsKeysIconsAndTips() {
        auto* bar = w_->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
        QStringList shown;
        for (QAction* a : bar->actions())
            if (a->isVisible()) shown << (a->isSeparator() ? QStringLiteral("|") : a->data().toString());
        QCOMPARE(shown.join(u' '), QStringLiteral("新建 打开 保存 | ReadRadio CommSet WriteRadio | About |"));
        const std::pair<const char*, const char*> tips[] = {{"新建", "New"},
                                                            {"打开", "Open"},
                                                            {"保存", "Save"},
                                                            {"ReadRadio", "Read from Radio"},
                                                            {"CommSet", "Communication Port"},
                                                            {"WriteRadio", "Write to Radio"},
                                                            {"About", "About ZRW7310N_II"}};
        for (const auto& [key, tip] : tips) {
            QToolButton* b = ToolButton(w_, QString::fromUtf8(key));
            QVERIFY2(b, key);
            QCOMPARE(b->toolTip(), QString::fromUtf8(tip));
            QVERIFY2(!b->icon().pixmap(16, 16).isNull(), key);
        }
        QVERIFY(!bar->findChild<QAction*>(QStringLiteral("MWriteRadio"))->isVisible());
        // The hidden Print button still carries its menu entry's caption.
        QCOMPARE(bar->findChild<QAction*>(QStringLiteral("打印"))->toolTip(), QStringLiteral("Print"));
    }

    void toolbarNewReloadsAfterTheSaveQuestion() {
        MakeModified();
        w_->ShowChildForm(QStringLiteral("FrmOptFeatures"));
        boxes_->Answer(MsgBox::No);
        QTest::mouseClick(ToolButton(w_, QStringLiteral("新建")), Qt::LeftButton);
        QCOMPARE(boxes_->prompts(), QStringList{QStringLiteral("File has been modify,save it now?")});
        QVERIFY(!ModFreFile::IsDataModified());
        QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")});
    }

    // Every button, clicked by its key, runs what its menu entry runs and nothing else; New
    // skips the question of File > New. The radio questions are declined, the port dialog and
    // the about box closed by the test. The hidden Print and group-write buttons do nothing.
    void toolbarButtonsRunTheirMenuCommands_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("menu");          // empty for a button without a visible entry
        QTest::addColumn<int>("answer");            // to the command's question, 0 for none
        QTest::addColumn<QString>("menuQuestion");  // asked by the menu entry alone
        QTest::addColumn<QStringList>("opened");
        const QString both = QStringLiteral("editors frmCommChInfo,FrmOptFeatures");
        const QString filter = QStringLiteral("Data File (*.dat)|*.dat");
        QTest::newRow("New") << "新建" << "mnuFileNew" << int(MsgBox::OK) << "All data will be cleared."
                             << QStringList{"editors frmCommChInfo"};
        QTest::newRow("Open") << "打开" << "mnuFileOpen" << 0 << QString() << QStringList{"open " + filter, both};
        QTest::newRow("Save") << "保存" << "mnuFileSave" << 0 << QString() << QStringList{"save " + filter, both};
        QTest::newRow("Read") << "ReadRadio" << "mnuReadFromRadio" << int(MsgBox::Cancel) << QString()
                              << QStringList{"box Read data from radio.\r\nDo you wish continue?", both};
        QTest::newRow("Port") << "CommSet" << "mnuComm" << 0 << QString() << QStringList{"window FrmComSet", both};
        QTest::newRow("Write") << "WriteRadio" << "mnuWriteToRadio" << int(MsgBox::Cancel) << QString()
                               << QStringList{"box Write data to radio.\r\nDo you wish continue?", both};
        QTest::newRow("About") << "About" << "mnuHelpAbout" << 0 << QString() << QStringList{"window FrmAbout2", both};
        QTest::newRow("Print, hidden") << "打印" << QString() << 0 << QString() << QStringList{both};
        QTest::newRow("group write, hidden") << "MWriteRadio" << QString() << 0 << QString() << QStringList{both};
    }
    void toolbarButtonsRunTheirMenuCommands() {
        QFETCH(QString, key);
        QFETCH(QString, menu);
        QFETCH(int, answer);
        QFETCH(QString, menuQuestion);
        QFETCH(QStringList, opened);
        InProcessSerialLine line;  // COM3 opens, so the radio commands get as far as their question
        ComPorts::RegisterInProcessLine(3, &line);
        const auto unplug = qScopeGuard([] {
            ModComm::CloseCommPort();
            ComPorts::ClearInProcessLines();
        });
        QToolButton* button = ToolButton(w_, key);
        QVERIFY(button);
        QCOMPARE(button->isVisible(), !menu.isEmpty());

        const auto answers = [answer](bool withQuestion) {
            QList<MsgBox::Result> out;
            if (withQuestion) out << MsgBox::OK;
            if (answer != 0) out << MsgBox::Result(answer);
            return out;
        };
        QCOMPARE(Run([&] { QTest::mouseClick(button, Qt::LeftButton); }, answers(false), opened.size()), opened);
        if (key == QStringLiteral("打印")) {  // its command itself does nothing either
            QAction* action = w_->findChild<QToolBar*>(QStringLiteral("tbToolBar"))->findChild<QAction*>(key);
            QCOMPARE(Run([&] { action->trigger(); }, {}, opened.size()), opened);
        }
        if (menu.isEmpty()) return;
        QStringList viaMenu = opened;
        if (!menuQuestion.isEmpty()) viaMenu.prepend(QStringLiteral("box ") + menuQuestion);
        QCOMPARE(Run([&] { w_->MenuEntry(menu)->trigger(); }, answers(!menuQuestion.isEmpty()), viaMenu.size()),
                 viaMenu);
    }

    void treeNodes() {
        QTreeWidget* tree = Pane(w_)->TreeView1;
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QCOMPARE(root->data(0, Qt::UserRole).toString(), QStringLiteral("N0"));
        QCOMPARE(root->text(0), QStringLiteral("ZR7310N_II"));
        QVERIFY(root->isExpanded());
        QStringList children;
        for (int i = 0; i < root->childCount(); ++i)
            children << root->child(i)->data(0, Qt::UserRole).toString() + u'=' + root->child(i)->text(0);
        QCOMPARE(children, (QStringList{QStringLiteral("N1=Channel Information"), QStringLiteral("N2=Option Features"),
                                        QStringLiteral("N12=Roger Beep"), QStringLiteral("N13=Weather Channel")}));
    }

    void treeClicksOpenEditors() {
        w_->UnloadChildForms();
        ClickNode(w_, QStringLiteral("N0"));
        QCOMPARE(OpenForms(w_), QStringList());
        ClickNode(w_, QStringLiteral("N1"));
        ClickNode(w_, QStringLiteral("N2"));
        ClickNode(w_, QStringLiteral("N12"));
        ClickNode(w_, QStringLiteral("N13"));
        QCOMPARE(OpenForms(w_), (QStringList{QStringLiteral("frmCommChInfo"), QStringLiteral("FrmOptFeatures"),
                                             QStringLiteral("FrmToneTips"), QStringLiteral("FrmTVCH")}));
        // An open editor is only brought to the front.
        const int toneEditors = FakeEditor::created.value(QStringLiteral("FrmToneTips"));
        ClickNode(w_, QStringLiteral("N12"));
        QCOMPARE(FakeEditor::created.value(QStringLiteral("FrmToneTips")), toneEditors);
        QCOMPARE(w_->MdiArea()->activeSubWindow()->widget()->objectName(), QStringLiteral("FrmToneTips"));
        QCOMPARE(OpenForms(w_).size(), 4);
    }

    void editMenuOpensEditorsCascaded() {
        w_->UnloadChildForms();
        for (const char* name : {"mnuChannelInfo", "mnuTVChannel", "mnuOptFeature", "mnuToneTips"})
            w_->MenuEntry(QLatin1String(name))->trigger();
        QCOMPARE(OpenForms(w_), (QStringList{QStringLiteral("frmCommChInfo"), QStringLiteral("FrmTVCH"),
                                             QStringLiteral("FrmOptFeatures"), QStringLiteral("FrmToneTips")}));
        // Cascaded: each window below and to the right of the one before.
        const auto windows = w_->MdiArea()->subWindowList();
        for (int i = 1; i < windows.size(); ++i) {
            QVERIFY(windows[i]->x() > windows[i - 1]->x());
            QVERIFY(windows[i]->y() > windows[i - 1]->y());
        }
    }

    void startUpShowsTheChannelEditor() { QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")}); }

    void paneCloseButtonAndTreeViewEntry() {
        NavigatorPane* pane = Pane(w_);
        QAction* entry = w_->MenuEntry(QStringLiteral("mnuTreeView"));
        auto* closeButton = pane->Toolbar1->widgetForAction(pane->Toolbar1->findChild<QAction*>(QStringLiteral("删除")));
        QTest::mouseClick(closeButton, Qt::LeftButton);
        QVERIFY(pane->isHidden());
        QVERIFY(!entry->isChecked());
        entry->trigger();
        QVERIFY(!pane->isHidden());
        QVERIFY(entry->isChecked());
        entry->trigger();
        QVERIFY(pane->isHidden());
        QVERIFY(!entry->isChecked());
    }

    void toolbarAndStatusBarToggles() {
        auto* bar = w_->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
        w_->MenuEntry(QStringLiteral("mnuViewToolbar"))->trigger();
        QVERIFY(bar->isHidden());
        QVERIFY(!w_->MenuEntry(QStringLiteral("mnuViewToolbar"))->isChecked());
        w_->MenuEntry(QStringLiteral("mnuViewStatusBar"))->trigger();
        QVERIFY(w_->statusBar()->isHidden());
        w_->MenuEntry(QStringLiteral("mnuViewToolbar"))->trigger();
        w_->MenuEntry(QStringLiteral("mnuViewStatusBar"))->trigger();
        QVERIFY(!bar->isHidden());
        QVERIFY(!w_->statusBar()->isHidden());
        QVERIFY(w_->MenuEntry(QStringLiteral("mnuViewStatusBar"))->isChecked());
    }

    void windowMenuListsOpenWindows() {
        w_->ShowChildForm(QStringLiteral("FrmOptFeatures"));
        QMenu* menu = w_->findChild<QMenu*>(QStringLiteral("mnuWindow"));
        auto list = [&] {
            menu->popup(QPoint(0, 0));
            menu->hide();
            QStringList items;
            bool after = false;
            for (QAction* a : menu->actions()) {
                if (after) items << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
                after = after || a->objectName() == QLatin1String("mnuWindowBar1");
            }
            return items;
        };
        QCOMPARE(list(), (QStringList{QStringLiteral("&1 frmCommChInfo"), QStringLiteral("&2 FrmOptFeatures *")}));
        menu->actions().at(menu->actions().size() - 2)->trigger();
        QCOMPARE(w_->MdiArea()->activeSubWindow()->widget()->objectName(), QStringLiteral("frmCommChInfo"));
        w_->MenuEntry(QStringLiteral("mnuCloseAll"))->trigger();
        QCOMPARE(OpenForms(w_), QStringList());
        QCOMPARE(list(), QStringList());
    }

    void editorThatClosesItselfCanBeOpenedAgain() {
        ChildForm* editor = w_->FindChildForm(QStringLiteral("frmCommChInfo"));
        QVERIFY(editor);
        editor->close();
        QTRY_COMPARE(OpenForms(w_), QStringList());
        QVERIFY(!w_->FindChildForm(QStringLiteral("frmCommChInfo")));
        w_->MenuEntry(QStringLiteral("mnuChannelInfo"))->trigger();
        QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")});
    }

    void servicesReachTheEditors() {
        w_->ShowChildForm(QStringLiteral("FrmTVCH"));
        w_->ShowChildForm(QStringLiteral("FrmOptFeatures"));
        Windows().ReShowGrid(7);
        Windows().RefreshRBUse();
        auto* channels = static_cast<FakeEditor*>(w_->FindChildForm(QStringLiteral("frmCommChInfo")));
        auto* features = static_cast<FakeEditor*>(w_->FindChildForm(QStringLiteral("FrmOptFeatures")));
        auto* weather = static_cast<FakeEditor*>(w_->FindChildForm(QStringLiteral("FrmTVCH")));
        QCOMPARE(channels->calls, (QStringList{QStringLiteral("reShowGrid 7"), QStringLiteral("ShowRB")}));
        QCOMPARE(features->calls, QStringList{QStringLiteral("ShowRB")});
        QCOMPARE(weather->calls, QStringList());
        QVERIFY(Windows().IsMainWindowLoaded());
        QVERIFY(Windows().IsFormLoaded(QStringLiteral("FrmTVCH")));
        Windows().UnloadChildForms();
        QVERIFY(!Windows().IsFormLoaded(QStringLiteral("FrmTVCH")));
    }

    void splitterDragsWithinLimits() {
        NavigatorPane* pane = Pane(w_);
        QWidget* splitter = pane->CommandMove;
        const int width0 = pane->width();
        const int tree0 = pane->TreeView1->width();
        const int close0 = pane->Toolbar1->x();
        auto send = [&](QEvent::Type type, int x, Qt::MouseButtons buttons) {
            QMouseEvent e(type, QPointF(x, 20), splitter->mapToGlobal(QPointF(x, 20)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(splitter, &e);
        };
        send(QEvent::MouseMove, 30, Qt::NoButton);  // not held: nothing moves
        QCOMPARE(pane->width(), width0);
        send(QEvent::MouseButtonPress, 2, Qt::LeftButton);
        QCOMPARE(pane->SplitterDragging, short(-1));
        send(QEvent::MouseMove, 30, Qt::LeftButton);  // the pane grows by the position within the splitter
        QCOMPARE(pane->width(), width0 + 30);
        QCOMPARE(pane->TreeView1->width(), tree0 + 30);
        QCOMPARE(pane->Toolbar1->x(), close0 + 30);
        QCOMPARE(splitter->x(), 160 + 30);  // 2400 twips
        send(QEvent::MouseMove, -(width0 + 30) + 19, Qt::LeftButton);  // 19 pixels: below 300 twips
        QCOMPARE(pane->width(), width0 + 30);
        send(QEvent::MouseMove, -(width0 + 30) + 20, Qt::LeftButton);  // exactly 300 twips
        QCOMPARE(pane->width(), 20);
        const int inner = w_->centralWidget()->width();
        send(QEvent::MouseMove, inner - 20 + 1, Qt::LeftButton);  // wider than the inner width
        QCOMPARE(pane->width(), 20);
        send(QEvent::MouseButtonRelease, 0, Qt::NoButton);
        QCOMPARE(pane->SplitterDragging, short(0));
        send(QEvent::MouseMove, 40, Qt::NoButton);
        QCOMPARE(pane->width(), 20);
        QCOMPARE(splitter->cursor().shape(), Qt::SizeHorCursor);
    }

    void resizeFitsThePane() {
        w_->resize(900, 640);
        QTRY_COMPARE(w_->size(), QSize(900, 640));
        const int inner = w_->centralWidget()->height();
        NavigatorPane* pane = Pane(w_);
        QCOMPARE(pane->Frame1->height(), inner - 7);      // less 100 twips
        QCOMPARE(pane->TreeView1->height(), inner - 47);  // less 700 twips
        QCOMPARE(pane->CommandMove->height(), inner);
    }

    void lowPaneKeepsItsHeights() {
        NavigatorPane* pane = Pane(w_);
        pane->FitHeight(400);
        const int frame = pane->Frame1->height();
        pane->FitHeight(66);  // 990 twips: kept
        QCOMPARE(pane->Frame1->height(), frame);
        pane->FitHeight(67);  // 1005 twips
        QCOMPARE(pane->Frame1->height(), 67 - 7);
    }

    void accessKeysRemovedForDisplay_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("key") << "&Channel Information" << "Channel Information";
        QTest::newRow("bracketed") << "信道信息(&C)" << "信道信息";
        QTest::newRow("bare") << "文件&F" << "文件F";
        QTest::newRow("double") << "A&&B" << "A&B";
    }
    void accessKeysRemovedForDisplay() {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QCOMPARE(MenuTable::WithoutAccessKey(caption), shown);
    }

private:
    // The doubles go after the window, each putting the real backend back.
    // Runs a command with the option-features editor open beside the channel editor and tells
    // what it opened: the boxes (answered in turn from answers), the file dialogs (cancelled),
    // the modal windows (closed as soon as they are up), then the editors open afterwards and
    // any transfer or open port it left. Waits until `expected` entries are there (the write
    // asks from a timer), and a little longer for anything beyond them.
    QStringList Run(const std::function<void()>& command, const QList<MsgBox::Result>& answers, int expected) {
        w_->ShowChildForm(QStringLiteral("FrmOptFeatures"));
        boxes_->Clear();
        for (MsgBox::Result a : answers) boxes_->Answer(a);
        dialogs_->AnswerOpen(std::nullopt);
        dialogs_->AnswerSave(std::nullopt);
        const std::size_t dialogsBefore = dialogs_->requests().size();
        QStringList windows;
        bool looked = false;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                windows << QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
            looked = true;
        });
        command();
        auto collect = [&] {
            QStringList out;
            for (const QString& prompt : boxes_->prompts()) out << QStringLiteral("box ") + prompt;
            for (std::size_t i = dialogsBefore; i < dialogs_->requests().size(); ++i) {
                const auto& asked = dialogs_->requests()[i];
                out << (asked.kind == ScriptedFileDialogs::Kind::Open ? QStringLiteral("open ") : QStringLiteral("save ")) +
                           asked.request.filter;
            }
            for (const QString& window : windows) out << QStringLiteral("window ") + window;
            out << QStringLiteral("editors ") + OpenForms(w_).join(u',');
            if (Prog::CommType != 0) out << QStringLiteral("transfer running");
            if (ModComm::MSComm1().PortOpen()) out << QStringLiteral("port open");
            return out;
        };
        // The caller compares what was collected; a short list shows what did not happen.
        (void)QTest::qWaitFor([&] { return looked && collect().size() >= expected; }, 5000);
        QTest::qWait(50);
        return collect();
    }

    void Reset() {
        env_.reset();
        dialogs_.reset();
        boxes_.reset();
    }
    std::unique_ptr<ShellTestEnv> env_;
    std::unique_ptr<ScriptedMessageBoxes> boxes_;
    std::unique_ptr<ScriptedFileDialogs> dialogs_;
    QPointer<frmMain> w_;
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
