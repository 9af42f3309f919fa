// The channel editor inside an MDI main window, driven like a user: double clicks, typing,
// Enter, pastes, list choices by keyboard, closing with an edit open.
#include "ChannelEditorHost.h"
#include "ChannelTestEnv.h"
#include "ScriptedMessageBoxes.h"
#include "UserInput.h"
#include "channels/ChannelGlobals.h"
#include "core/lang/ModEnglish.h"
#include "core/widgets/GridCells.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

const QString kRangeError = QStringLiteral("Frequency is out of range.");

using ChTest::Find;
using ChTest::GroupValid;
using ChTest::Ref;
using UserInput::Items;
using UserInput::Key;
using UserInput::Type;

QList<int> Numbers(int mode, int group) {
    QList<int> out;
    for (int slot = 1; slot <= Prog::RadioData.ChCountAt(mode, group); ++slot) out << Prog::ChInfo(mode, slot, group).ChNo;
    return out;
}

}  // namespace

class TestChannelEditor : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ChannelEditorHost> host;
    std::unique_ptr<ScriptedMessageBoxes> boxes;
    frmCommChInfo* form = nullptr;

    void OpenEditor() {
        form = host->Open();
        QVERIFY(QTest::qWaitForWindowActive(&host->main));
        grid()->setFocus();
    }

    QTableWidget* grid() const { return form->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1")); }
    QLineEdit* box(const char* name) const { return form->findChild<QLineEdit*>(QLatin1String(name)); }
    QComboBox* list(const QString& name) const { return form->findChild<QComboBox*>(name); }
    QString cell(int row, int col) const { return GridCells::CellText(grid(), row, col); }

    void DoubleClickCell(int row, int col) { UserInput::DoubleClickCell(grid(), row, col); }
    // A list choice by keyboard, which moves the focus to the list first.
    void Choose(const QString& listName, const QString& entry) { UserInput::ChooseByKeys(list(listName), entry); }
    // A list choice by mouse: the list opened with a click, the entry clicked in it.
    void ClickEntry(const QString& listName, const QString& entry) { UserInput::ClickEntry(list(listName), entry); }
    int currentRow() const { return grid()->currentRow() + 1; }
    int currentCol() const { return grid()->currentColumn() + 1; }

private slots:
    void init() {
        ChTest::NewHamData();  // group A's channel 1 at 28.0150
        boxes = std::make_unique<ScriptedMessageBoxes>();
        host = std::make_unique<ChannelEditorHost>();
    }

    void cleanup() {
        host.reset();
        boxes.reset();
        form = nullptr;
        Prog::CurLanguage = 1;
    }

    void loadsTheRememberedGroup() {
        OpenEditor();
        QCOMPARE(ChannelGlobals::ChInfoShown, int16(-1));
        QCOMPARE(form->EditorReady(), int16(-1));
        QCOMPARE(form->windowTitle(), QStringLiteral("Channel Information"));
        QCOMPARE(host->main.windowTitle(), QStringLiteral("ZR7310N_II[28.0000 - 29.7000 MHz][File Name:new.dat]"));
        QCOMPARE(form->findChild<QGroupBox*>(QStringLiteral("Frame3"))->title(), QStringLiteral("HAM -- 28.0000 - 29.7000 MHz"));
        QCOMPARE(form->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("Band -- A"));
        QCOMPARE(grid()->rowCount(), 60);
        QCOMPARE(grid()->verticalHeaderItem(40)->text(), QStringLiteral("41"));
        QCOMPARE(grid()->horizontalHeaderItem(0)->text(), QStringLiteral("Frequency"));
        QCOMPARE(grid()->columnWidth(0), 84);
        QCOMPARE(cell(1, 1), QStringLiteral("28.0150"));
        QCOMPARE(cell(41, 1), QStringLiteral("28.0150"));
        QCOMPARE(currentRow(), 1);
        QCOMPARE(Items(list(QStringLiteral("Combo6"))).size(), 11);
        QCOMPARE(Items(list(QStringLiteral("Combo1_0"))), QStringList{"1"});
        QCOMPARE(list(QStringLiteral("Combo1_6"))->currentText(), QStringLiteral("On"));
        QCOMPARE(list(QStringLiteral("Combo3"))->currentText(), QStringLiteral("A"));
        QVERIFY(!list(QStringLiteral("Combo1_3"))->isVisible());
        QVERIFY(form->findChild<QGroupBox*>(QStringLiteral("Frame2"))->isVisible());  // row 1 holds channel 1
        QVERIFY(boxes->shown().empty());
    }

    void editsLikeAUser() {
        OpenEditor();
        OptFeatRec& o = Prog::RadioData.OptFeatures;
        QLineEdit* text2 = box("Text2");

        // Double click row 2, type, Enter (to column 2), Enter (next row: committed).
        DoubleClickCell(2, 1);
        QVERIFY(text2->isVisible());
        QCOMPARE(text2->geometry(), grid()->visualRect(grid()->model()->index(1, 0)));
        QCOMPARE(Prog::RadioData.CurChRow[1][1], int16(2));
        Type(QStringLiteral("28.3"));
        Key(Qt::Key_Return);
        QVERIFY(text2->isVisible());
        QCOMPARE(currentCol(), 2);
        QCOMPARE(Prog::RadioData.ChCountAt(1, 1), int16(7));
        Key(Qt::Key_Return);
        QVERIFY(!text2->isVisible());
        QCOMPARE(currentRow(), 3);
        QCOMPARE(currentCol(), 1);
        QCOMPARE(QApplication::focusWidget(), grid());
        QCOMPARE(Prog::RadioData.ChCountAt(1, 1), int16(8));
        QCOMPARE(Find(1, 1, 2)->Freq.Str(), std::string("283000  "));
        QCOMPARE(cell(2, 1), QStringLiteral("28.3000"));
        QCOMPARE(cell(2, 2), QString());
        QCOMPARE(Items(list(QStringLiteral("Combo1_0"))), (QStringList{"1", "2"}));
        QCOMPARE(Ref(o.EmgCh1, 1, 1), int16(1));

        // Letters, signs and pastes are refused; digits and Backspace work.
        QApplication::clipboard()->setText(QStringLiteral("29.1"));
        DoubleClickCell(2, 1);
        QCOMPARE(text2->text(), QStringLiteral("28.3000"));
        QCOMPARE(text2->selectedText(), QStringLiteral("28.3000"));
        Key(Qt::Key_End);
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Backspace);
        QCOMPARE(text2->text(), QStringLiteral("28.30"));
        Type(QStringLiteral("ab-,x "));
        QKeyEvent accent(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
        QApplication::sendEvent(text2, &accent);
        Key(Qt::Key_V, Qt::ControlModifier);
        Key(Qt::Key_Insert, Qt::ShiftModifier);
        QTest::mouseClick(text2, Qt::MiddleButton);
        QCOMPARE(text2->text(), QStringLiteral("28.30"));
        QCOMPARE(text2->contextMenuPolicy(), Qt::NoContextMenu);
        QCOMPARE(box("Text1")->contextMenuPolicy(), Qt::NoContextMenu);
        QTest::mouseClick(text2, Qt::RightButton);
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        Type(QStringLiteral("05"));
        QCOMPARE(text2->text(), QStringLiteral("28.3005"));
        Key(Qt::Key_Return);
        Key(Qt::Key_Return);
        QCOMPARE(Find(1, 1, 2)->Freq.Str(), std::string("283005  "));
        QCOMPARE(cell(2, 1), QStringLiteral("28.3005"));

        // Clearing the cell deletes the channel; the reference to it moves on.
        Ref(o.EmgCh2, 1, 1) = 2;
        DoubleClickCell(2, 1);
        Key(Qt::Key_Backspace);
        QCOMPARE(text2->text(), QString());
        Key(Qt::Key_Return);
        QVERIFY(!text2->isVisible());
        QCOMPARE(currentRow(), 3);
        QCOMPARE(Numbers(1, 1), (QList<int>{41, 42, 43, 44, 45, 46, 1}));
        QCOMPARE(cell(2, 1), QString());
        QCOMPARE(Ref(o.EmgCh2, 1, 1), int16(1));
        QCOMPARE(list(QStringLiteral("Combo1_1"))->currentText(), QStringLiteral("1"));
        QVERIFY(boxes->shown().empty());
    }

    // A refused frequency used to delete the channel it was typed over.
    void refusedAndClampedEntries() {
        OpenEditor();
        const ChannelRecord before = *Find(1, 1, 1);
        DoubleClickCell(1, 1);
        Type(QStringLiteral("30"));
        Key(Qt::Key_Return);
        Key(Qt::Key_Return);
        QCOMPARE(boxes->prompts(), QStringList{kRangeError});
        QVERIFY(Find(1, 1, 1) && *Find(1, 1, 1) == before);
        QCOMPARE(cell(1, 1), QStringLiteral("28.0150"));
        // Column 2 takes the nearer band limit; Enter there commits at once.
        DoubleClickCell(1, 2);
        QVERIFY(box("Text1")->isVisible());
        Type(QStringLiteral("27"));
        Key(Qt::Key_Return);
        QVERIFY(!box("Text1")->isVisible());
        QCOMPARE(currentRow(), 2);
        QCOMPARE(Find(1, 1, 1)->InitFreq.Str(), std::string("280000  "));
        QCOMPARE(cell(1, 2), QStringLiteral("28.0000"));
        // Cleared, the init frequency takes the channel's own.
        DoubleClickCell(1, 2);
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Return);
        QCOMPARE(cell(1, 2), QStringLiteral("28.0150"));
        QCOMPARE(boxes->prompts().size(), 2);
    }

    void enterOnTheGridOpensAnEditAndWrapsAtTheLastRow() {
        OpenEditor();
        grid()->setCurrentCell(59, 0);
        grid()->setFocus();
        Key(Qt::Key_Return);
        QVERIFY(box("Text2")->isVisible());
        QCOMPARE(form->GridState().Row, int16(60));
        Key(Qt::Key_Return);  // empty: straight to the next row, which wraps to row 1
        QVERIFY(!box("Text2")->isVisible());
        QCOMPARE(currentRow(), 1);
        QCOMPARE(Numbers(1, 1).size(), 7);
    }

    // Typing on the grid with no edit open used to search the column for a frequency that
    // starts with the typed text and make that channel current, so that Enter edited it.
    void typingOnTheGridLeavesItAsItIs() {
        OpenEditor();
        UserInput::ClickCell(grid(), 10, 1);  // empty: no option panel
        QGroupBox* panel = form->findChild<QGroupBox*>(QStringLiteral("Frame2"));
        QVERIFY(!panel->isVisible());
        const ChannelTable channels = Prog::ChInfo;
        const DataFileRec data = Prog::RadioData;
        const ChannelRecord one = *Find(1, 1, 1);
        Type(QStringLiteral("28.3"));
        Type(QStringLiteral(" 2aM1"));
        QCOMPARE(QApplication::focusWidget(), grid());
        QCOMPARE(currentRow(), 10);
        QCOMPARE(currentCol(), 1);
        QVERIFY(!panel->isVisible());
        QVERIFY(!box("Text2")->isVisible());
        QVERIFY(Prog::RadioData == data);
        for (int slot = 1; slot <= kSlotCount; ++slot)
            for (int group = 1; group <= kGroupCount; ++group) QVERIFY(Prog::ChInfo(1, slot, group) == channels(1, slot, group));

        Key(Qt::Key_Return);
        QVERIFY(box("Text2")->isVisible());
        QCOMPARE(form->GridState().Row, int16(10));
        Type(QStringLiteral("28.3"));
        Key(Qt::Key_Return);
        Key(Qt::Key_Return);
        QCOMPARE(Find(1, 1, 10)->Freq.Str(), std::string("283000  "));
        QVERIFY(*Find(1, 1, 1) == one);

        // The arrow and page keys still move the current cell.
        QCOMPARE(currentRow(), 11);
        Key(Qt::Key_Down);
        QCOMPARE(currentRow(), 12);
        Key(Qt::Key_Right);
        QCOMPARE(currentCol(), 2);
        Key(Qt::Key_PageDown);
        QVERIFY(currentRow() > 12);
        Key(Qt::Key_PageUp);
        Key(Qt::Key_Up);
        QVERIFY(currentRow() < 12);
    }

    // Tab and Shift+Tab in an edit box used to move the grid's current cell and leave the box
    // open; they move on to another control, which commits the edit.
    void tabInAnEditBoxCommitsAndMovesOn() {
        OpenEditor();
        const struct {
            int row, col;
            Qt::KeyboardModifiers mods;
            const char* typed;
        } steps[] = {{10, 1, {}, "28.3"}, {12, 1, Qt::ShiftModifier, "28.4"}, {1, 2, {}, "28.1"}, {1, 2, Qt::ShiftModifier, "28.2"}};
        for (const auto& s : steps) {
            DoubleClickCell(s.row, s.col);
            QLineEdit* edit = box(s.col == 1 ? "Text2" : "Text1");
            QCOMPARE(QApplication::focusWidget(), edit);
            Type(QString::fromLatin1(s.typed));
            Key(Qt::Key_Tab, s.mods);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus && focus != edit && form->isAncestorOf(focus));
            QVERIFY(!edit->isVisible());
            QCOMPARE(currentRow(), s.row);
            QCOMPARE(currentCol(), s.col);
            const ChannelRecord* ch = Find(1, 1, s.row);
            QVERIFY(ch);
            QCOMPARE(QString::fromStdString(s.col == 1 ? ch->Freq.Str() : ch->InitFreq.Str()),
                     QString::fromLatin1(s.typed).remove(QLatin1Char('.')) + QStringLiteral("000  "));
        }
        QVERIFY(boxes->shown().empty());
    }

    void closingWithAnEditOpenCommitsOnce() {
        OpenEditor();
        DoubleClickCell(5, 1);
        Type(QStringLiteral("29.5"));
        host->calls.clear();
        host->area->subWindowList().first()->close();
        QCOMPARE(ChannelGlobals::ChInfoShown, int16(0));
        QCOMPARE(Numbers(1, 1), (QList<int>{41, 42, 43, 44, 45, 46, 1, 5}));
        QCOMPARE(Find(1, 1, 5)->Freq.Str(), std::string("295000  "));
        QCOMPARE(host->calls.filter(QStringLiteral("ReShowGrid")), QStringList{"ReShowGrid 5"});
        QTRY_VERIFY(host->Form() == nullptr);
    }

    void destroyedWithAnEditOpenStillCommits() {
        OpenEditor();
        DoubleClickCell(8, 1);
        Type(QStringLiteral("28.8"));
        delete host->area->subWindowList().first();
        QCOMPARE(ChannelGlobals::ChInfoShown, int16(0));
        QCOMPARE(Find(1, 1, 8)->Freq.Str(), std::string("288000  "));
    }

    void focusElsewhereCommitsAndCloseClosesTheMdiChild() {
        OpenEditor();
        DoubleClickCell(7, 1);
        Type(QStringLiteral("28.7"));
        list(QStringLiteral("Combo6"))->setFocus(Qt::MouseFocusReason);
        QVERIFY(!box("Text2")->isVisible());
        QCOMPARE(Find(1, 1, 7)->Freq.Str(), std::string("287000  "));
        DoubleClickCell(6, 1);
        Type(QStringLiteral("28.6"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("CommandClose")), Qt::LeftButton);
        QVERIFY(Find(1, 1, 6) != nullptr);
        QCOMPARE(Find(1, 1, 6)->Freq.Str(), std::string("286000  "));
        QTRY_VERIFY(host->area->subWindowList().isEmpty());
        QCOMPARE(ChannelGlobals::ChInfoShown, int16(0));
    }

    // Going from an open edit to the group or mode list commits the edit to the group it was
    // typed in, and re-shows its row there, before the list shows another group.
    void anOpenEditStaysWithTheGroupItWasTypedIn() {
        OpenEditor();
        const QList<int> groupC = Numbers(1, 3);
        DoubleClickCell(5, 1);
        Type(QStringLiteral("29.5"));
        host->calls.clear();
        Choose(QStringLiteral("Combo6"), QStringLiteral("C"));  // by keyboard
        QCOMPARE(host->calls.filter(QStringLiteral("ReShowGrid")), QStringList{"ReShowGrid 5"});
        QCOMPARE(Find(1, 1, 5)->Freq.Str(), std::string("295000  "));
        QCOMPARE(Numbers(1, 3), groupC);
        QCOMPARE(form->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("Band -- C"));
        QCOMPARE(cell(5, 1), QString());
        QVERIFY(!box("Text2")->isVisible());

        const int hfGroup = Prog::RadioData.CurGroup[0];
        const QList<int> hfChannels = Numbers(0, hfGroup);
        DoubleClickCell(6, 1);
        Type(QStringLiteral("28.6"));
        ClickEntry(QStringLiteral("Combo2"), QStringLiteral("HF -- 24.7150 - 30.1050 MHz"));  // by mouse
        QCOMPARE(Prog::RadioData.CurMode, int16(0));
        QCOMPARE(host->calls.filter(QStringLiteral("ReShowGrid")), (QStringList{"ReShowGrid 5", "ReShowGrid 6"}));
        QCOMPARE(Find(1, 3, 6)->Freq.Str(), std::string("286000  "));
        QCOMPARE(Numbers(0, hfGroup), hfChannels);
        QCOMPARE(cell(6, 1), QString());

        DoubleClickCell(7, 1);
        Type(QStringLiteral("29.1"));
        ClickEntry(QStringLiteral("Combo6"), QStringLiteral("B"));  // by mouse
        QVERIFY(Find(0, hfGroup, 7) && Find(0, hfGroup, 7)->Freq.Str() == "291000  ");
        QVERIFY(!Find(0, 2, 7));
        QCOMPARE(Prog::RadioData.CurGroup[0], int16(2));
        QVERIFY(boxes->shown().empty());
    }

    void lastOrdinaryChannelSwitchesItsGroupOff() {
        OpenEditor();
        Choose(QStringLiteral("Combo6"), QStringLiteral("C"));
        QCOMPARE(Prog::RadioData.CurGroup[1], int16(3));
        QCOMPARE(form->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("Band -- C"));
        Choose(QStringLiteral("Combo3"), QStringLiteral("C"));
        QCOMPARE(Prog::RadioData.OptFeatures.WorkGroup[1], int16(3));
        DoubleClickCell(1, 1);
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Return);
        QCOMPARE(Numbers(1, 3), (QList<int>{41, 42, 43, 44, 45, 46}));
        QCOMPARE(GroupValid(1, 3), int16(0));
        QCOMPARE(list(QStringLiteral("Combo1_6"))->currentText(), QStringLiteral("Off"));
        QVERIFY(!Items(list(QStringLiteral("Combo3"))).contains(QStringLiteral("C")));
        QCOMPARE(Prog::RadioData.OptFeatures.WorkGroup[1], int16(1));  // the first listed group
        QCOMPARE(Ref(Prog::RadioData.OptFeatures.EmgCh1, 1, 3), int16(0));
        QVERIFY(Items(list(QStringLiteral("Combo1_0"))).isEmpty());
    }

    // Clearing an M channel used to switch its group off although channel 1 stays.
    void clearingAnMChannelKeepsTheGroupOn() {
        OpenEditor();
        DoubleClickCell(41, 1);
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Return);
        QCOMPARE(Numbers(1, 1), (QList<int>{42, 43, 44, 45, 46, 1}));
        QCOMPARE(GroupValid(1, 1), int16(1));
        QCOMPARE(list(QStringLiteral("Combo1_6"))->currentText(), QStringLiteral("On"));
    }

    // A channel added after a deletion used to take over the tones and init frequency the
    // freed slot still held.
    void newChannelInAFreedSlotStartsClean() {
        ChannelRecord& one = Prog::ChInfo(1, 7, 1);  // channel 1, the last slot of group A
        one.RxTone = 40;
        one.TxTone = 2;
        one.RxToneType = 2;
        one.InitFreq.Set("291000  ");
        OpenEditor();
        QCOMPARE(cell(1, 2), QStringLiteral("29.1000"));
        DoubleClickCell(46, 1);  // slot 6: channel 1 moves down, slot 7 keeps a copy of it
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Return);
        QCOMPARE(Prog::ChInfo(1, 7, 1).RxTone, int16(40));
        DoubleClickCell(9, 1);
        Type(QStringLiteral("29.6"));
        Key(Qt::Key_Return);
        Key(Qt::Key_Return);
        const ChannelRecord* nine = Find(1, 1, 9);
        QVERIFY(nine);
        QCOMPARE(nine->RxTone, int16(0));
        QCOMPARE(nine->TxTone, int16(0));
        QCOMPARE(nine->RxToneType, int16(0));
        QCOMPARE(cell(9, 2), QString());
        QCOMPARE(Find(1, 1, 1)->RxTone, int16(40));
    }

    void hfVfoAndStoredRowsOutsideTheGrid() {
        Prog::ChInfo(1, 1, 1).ChNo = 70;  // beyond the lettered group's rows
        Prog::RadioData.CurChRow[1][1] = 75;
        OpenEditor();
        QCOMPARE(currentRow(), 1);
        QCOMPARE(cell(41, 1), QString());
        QCOMPARE(cell(1, 1), QStringLiteral("28.0150"));
        QVERIFY(boxes->shown().empty());

        Choose(QStringLiteral("Combo2"), QStringLiteral("HF -- 24.7150 - 30.1050 MHz"));
        QCOMPARE(Prog::RadioData.CurMode, int16(0));
        QCOMPARE(host->main.windowTitle(), QStringLiteral("ZR7310N_II[24.7150 - 30.1050 MHz][File Name:new.dat]"));
        QCOMPARE(Items(list(QStringLiteral("Combo6"))).size(), 14);
        QCOMPARE(Prog::RadioData.CurChRow[0][14], int16(0));
        Choose(QStringLiteral("Combo6"), QStringLiteral("VFO"));
        const OptFeatRec before = Prog::RadioData.OptFeatures;
        QCOMPARE(grid()->rowCount(), 1);
        QCOMPARE(currentRow(), 1);
        QVERIFY(!list(QStringLiteral("Combo1_6"))->isVisible());
        DoubleClickCell(1, 1);
        Type(QStringLiteral("27.5"));
        Key(Qt::Key_Return);
        Key(Qt::Key_Return);
        QCOMPARE(Numbers(0, 14), QList<int>{1});
        QCOMPARE(cell(1, 1), QStringLiteral("27.5000"));
        DoubleClickCell(1, 2);  // the VFO's init frequency is not edited here
        QVERIFY(!box("Text1")->isVisible());
        DoubleClickCell(1, 1);
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Return);
        QVERIFY(Numbers(0, 14).isEmpty());
        QCOMPARE(cell(1, 1), QString());
        QVERIFY(Prog::RadioData.OptFeatures == before);

        Choose(QStringLiteral("Combo2"), QStringLiteral("HAM -- 28.0000 - 29.7000 MHz"));
        QCOMPARE(list(QStringLiteral("Combo6"))->currentText(), QStringLiteral("A"));  // the group last shown in HAM
        Choose(QStringLiteral("Combo2"), QStringLiteral("HF -- 24.7150 - 30.1050 MHz"));
        QCOMPARE(list(QStringLiteral("Combo6"))->currentText(), QStringLiteral("VFO"));
    }

    void memGroupShowsNinetyNineRows() {
        OpenEditor();
        Choose(QStringLiteral("Combo6"), QStringLiteral("MEM"));
        QCOMPARE(grid()->rowCount(), 99);
        QCOMPARE(grid()->verticalHeaderItem(0)->text(), QStringLiteral("M1"));
        QCOMPARE(grid()->verticalHeaderItem(98)->text(), QStringLiteral("M99"));
        QCOMPARE(cell(1, 1), QStringLiteral("28.0850"));  // HAM MEM holds the default channels
        QCOMPARE(cell(41, 1), QStringLiteral("28.0150"));
        QVERIFY(!list(QStringLiteral("Combo1_0"))->isVisible());
    }

    void captionsInChinese() {
        OpenEditor();
        Prog::CurLanguage = 2;
        form->Change_Language();
        QCOMPARE(form->windowTitle(), QStringLiteral("信道信息"));
        QCOMPARE(grid()->horizontalHeaderItem(0)->text(), QStringLiteral("频率"));
        QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("CommandClose"))->text(), QStringLiteral("关闭(&C)"));
        QCOMPARE(cell(1, 1), QStringLiteral("28.0150"));
    }
};

QTEST_MAIN(TestChannelEditor)
#include "tst_frmCommChInfo.moc"
