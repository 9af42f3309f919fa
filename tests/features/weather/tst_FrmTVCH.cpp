// The weather-channel editor inside an MDI main window, driven like a user: double clicks on
// cells, typing, Enter, choices in the in-place lists and the settings lists, closing.
#include "UserInput.h"
#include "WeatherEditorHost.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/widgets/GridCells.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

TVChannelRec& Ch(int n) { return Prog::RadioData.TVChannel[static_cast<std::size_t>(n)]; }

void SetChannel(int n, double mhz, int16 bandwidth, int16 scanAdd) {
    Ch(n) = {};
    Ch(n).Valid = 1;
    Ch(n).FreqMHz = mhz;
    Ch(n).Bandwidth = bandwidth;
    Ch(n).ScanAdd = scanAdd;
}

using UserInput::Items;
using UserInput::Key;
using UserInput::Type;

}  // namespace

class TestWeatherEditor : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WeatherEditorHost> host;
    FrmTVCH* form = nullptr;

    void OpenEditor() {
        form = host->Open();
        QVERIFY(QTest::qWaitForWindowActive(&host->main));
        CheckReady();
    }
    void CheckReady() const { QCOMPARE(form->TVCHReady(), int16(-1)); }

    QTableWidget* grid() const { return form->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1")); }
    QLineEdit* text1() const { return form->findChild<QLineEdit*>(QStringLiteral("Text1")); }
    QComboBox* list(int n) const { return form->findChild<QComboBox*>(QStringLiteral("Combo%1").arg(n)); }
    QLabel* label(int n) const { return form->findChild<QLabel*>(QStringLiteral("Label%1").arg(n)); }
    QString cell(int row, int col) const { return GridCells::CellText(grid(), row, col); }
    QStringList rowTexts(int row) const { return {cell(row, 1), cell(row, 3), cell(row, 4)}; }
    bool anyEditorOpen() const { return text1()->isVisible() || list(2)->isVisible() || list(3)->isVisible() || list(4)->isVisible(); }

    void ClickCell(int row, int col) {
        UserInput::ClickCell(grid(), row, col);
        CheckReady();
    }
    void DoubleClickCell(int row, int col) {
        UserInput::DoubleClickCell(grid(), row, col);
        CheckReady();
    }
    // Double click a frequency cell, replace its text, Enter.
    void EnterFrequency(int row, const QString& text) {
        DoubleClickCell(row, 1);
        QVERIFY(text1()->isVisible());
        Key(Qt::Key_Backspace);  // the whole text is selected
        Type(text);
        Key(Qt::Key_Return);
        QVERIFY(!text1()->isVisible());
        QCOMPARE(QApplication::focusWidget(), grid());
        CheckReady();
    }
    // A list choice as a user makes it; the window is then ready again.
    void Pick(QComboBox* box, const QString& entry) {
        UserInput::Pick(box, entry);
        if (QTest::currentTestFailed()) return;
        CheckReady();
    }

private slots:
    void init() {
        Prog::Reset();
        ModEnglish::LoadLanguageStrings();
        host = std::make_unique<WeatherEditorHost>();
    }

    void cleanup() {
        host.reset();
        form = nullptr;
    }

    void showsTheDataWithoutChangingIt() {
        SetChannel(1, 162.4, 1, 1);
        SetChannel(2, 162.425, 0, 0);
        SetChannel(kTVChannelCount, 162.55, 1, 0);
        Prog::RadioData.OptFeatures.CurWxCh = 1;
        OptFeatRec& o = Prog::RadioData.OptFeatures;
        o.WxAlert = 1;
        o.WxVfo = 1;
        o.WxDisplay = 1;
        Prog::RadioData.WxSql = 3;
        const DataFileRec before = Prog::RadioData;
        OpenEditor();

        QCOMPARE(form->windowTitle(), QStringLiteral("Weather Channel"));
        const QStringList captions = {"Current Weather Channel", "Alert", "Wx Scan State", "Wx Vfo", "WX Display", "Wx Sql"};
        const int lists[] = {1, 5, 6, 7, 8, 9};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(label(i + 1)->text(), captions[i]);
            QCOMPARE(label(i + 1)->geometry().right() + 1, list(lists[i])->x() - 100 / 15);  // ends 100 twips before
            QVERIFY(label(i + 1)->x() >= 0);
        }
        QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("CommandClose"))->text(), QStringLiteral("&Close"));
        QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("CommandHelp"))->isVisible());

        QCOMPARE(grid()->rowCount(), 41);
        QCOMPARE(grid()->verticalHeaderItem(39)->text(), QStringLiteral("40"));
        QCOMPARE(grid()->verticalHeaderItem(40)->text(), QStringLiteral("VFO"));
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("GridCorner"))->text(), QStringLiteral("CH No."));
        QCOMPARE(grid()->horizontalHeaderItem(2)->text(), QStringLiteral("W/N"));
        QVERIFY(grid()->isColumnHidden(1));  // on/off

        QCOMPARE(rowTexts(1), (QStringList{"162.40000", "Wide", "Add"}));
        QCOMPARE(rowTexts(2), (QStringList{"162.42500", "Narrow", "Del"}));
        QCOMPARE(rowTexts(3), (QStringList{"", "", ""}));
        QCOMPARE(rowTexts(41), (QStringList{"162.55000", "Wide", "Del"}));
        QCOMPARE(Items(list(1)), (QStringList{"1", "2"}));
        QCOMPARE(list(1)->currentText(), QStringLiteral("2"));
        const QStringList shown = {"ON", "OFF", "ON", "CH", "3"};
        for (int i = 0; i < 5; ++i) QCOMPARE(list(5 + i)->currentText(), shown[i]);
        QVERIFY(!anyEditorOpen());
        QCOMPARE(form->TVCHEditRow(), int16(0));
        QCOMPARE(form->TVCHEditCol(), int16(0));
        QVERIFY(Prog::RadioData == before);
    }

    void noWeatherChannelLeavesTheCurrentOneAlone() {
        Prog::RadioData.OptFeatures.CurWxCh = 5;
        OpenEditor();
        QCOMPARE(list(1)->count(), 0);
        QCOMPARE(Prog::RadioData.OptFeatures.CurWxCh, int16(5));
        list(1)->setFocus(Qt::TabFocusReason);  // nothing to commit, nothing to choose
        QCOMPARE(Prog::RadioData.OptFeatures.CurWxCh, int16(5));
    }

    // Opening the window stores nothing; a frequency edit re-lists the channels, and the list
    // then shows the channel it showed before, or its first one, which becomes current.
    void currentChannelFollowsTheListAfterAFrequencyEdit() {
        SetChannel(3, 162.4, 1, 0);
        Prog::RadioData.OptFeatures.CurWxCh = 5;  // channel 6: not listed
        const int16& current = Prog::RadioData.OptFeatures.CurWxCh;
        OpenEditor();
        QCOMPARE(Items(list(1)), QStringList{"3"});
        QCOMPARE(list(1)->currentIndex(), -1);
        DoubleClickCell(3, 1);
        Key(Qt::Key_Return);  // passing through changes nothing
        QCOMPARE(current, int16(5));

        const struct {
            int row;
            const char* typed;
            QStringList listed;
            const char* shown;
            int16 current;
        } edits[] = {
            {10, "150", {"3", "10"}, "3", 2},  // another channel: the first listed takes over
            {41, "162.5", {"3", "10"}, "3", 2},
            {3, "", {"10"}, "10", 9},
            {10, "", {}, "", 0},               // nothing left to be current
            {41, "", {}, "", 0},
            {7, "151", {"7"}, "7", 6},         // the first channel entered
        };
        for (const auto& e : edits) {
            EnterFrequency(e.row, QString::fromLatin1(e.typed));
            QCOMPARE(Items(list(1)), e.listed);
            QCOMPARE(list(1)->currentText(), QString::fromLatin1(e.shown));
            QCOMPARE(current, e.current);
        }
    }

    void typesFrequenciesLikeAUser() {
        // Under ctest the window runs with a user's decimal comma; the texts keep ".".
        if (qEnvironmentVariable("LC_ALL") == QLatin1String("de_DE.UTF-8")) QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        OpenEditor();
        // Row 3: the editor opens over the cell; 150 and Enter make a channel.
        DoubleClickCell(3, 1);
        QVERIFY(text1()->isVisible());
        QCOMPARE(text1()->geometry(), grid()->visualRect(grid()->model()->index(2, 0)));
        QCOMPARE(form->TVCHEditRow(), int16(3));
        QCOMPARE(form->TVCHEditCol(), int16(1));
        Type(QStringLiteral("150"));
        Key(Qt::Key_Return);
        QCOMPARE(Ch(3).Valid, int16(1));
        QCOMPARE(Ch(3).FreqMHz, 150.0);
        QCOMPARE(Ch(3).Bandwidth, int16(1));
        QCOMPARE(Ch(3).OnOff, int16(0));
        QCOMPARE(rowTexts(3), (QStringList{"150.00000", "Wide", "Del"}));
        QCOMPARE(Items(list(1)), QStringList{"3"});

        // The range and raster rules, one row each.
        const struct {
            int row;
            const char* typed;
            double stored;
            const char* shown;
        } entries[] = {
            {4, "100", 136.0, "136.00000"},         {5, "200", 174.0, "174.00000"},
            {6, "162.4125", 162.4125, "162.41250"}, {7, "162.4137", 162.41, "162.41000"},
            {8, "162.556", 162.555, "162.55500"},   {9, "173.99999", 173.995, "173.99500"},
            {41, "162.55", 162.55, "162.55000"},
        };
        for (const auto& e : entries) {
            EnterFrequency(e.row, QString::fromLatin1(e.typed));
            QCOMPARE(Ch(e.row).FreqMHz, e.stored);
            QCOMPARE(cell(e.row, 1), QString::fromLatin1(e.shown));
        }
        QCOMPARE(Items(list(1)), (QStringList{"3", "4", "5", "6", "7", "8", "9"}));  // no VFO

        // Letters, signs, characters beyond ASCII and pastes are refused; at most 9 characters.
        QApplication::clipboard()->setText(QStringLiteral("29.1"));
        DoubleClickCell(3, 1);
        QCOMPARE(text1()->selectedText(), QStringLiteral("150.00000"));
        Type(QStringLiteral("ab-, x"));
        QKeyEvent accent(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
        QApplication::sendEvent(text1(), &accent);
        Key(Qt::Key_V, Qt::ControlModifier);
        Key(Qt::Key_Insert, Qt::ShiftModifier);
        QTest::mouseClick(text1(), Qt::MiddleButton);
        QCOMPARE(text1()->text(), QStringLiteral("150.00000"));
        QCOMPARE(text1()->contextMenuPolicy(), Qt::NoContextMenu);
        Key(Qt::Key_Backspace);
        Type(QStringLiteral("162.4125000"));
        QCOMPARE(text1()->text(), QStringLiteral("162.41250"));
        // The editor stays over its cell while the grid scrolls.
        grid()->verticalScrollBar()->setValue(grid()->verticalScrollBar()->value() + 3);
        QCOMPARE(text1()->geometry(), grid()->visualRect(grid()->model()->index(2, 0)));
        Key(Qt::Key_Return);
        QCOMPARE(Ch(3).FreqMHz, 162.4125);

        // The user makes channel 7 current, then empties it: the first listed takes over.
        Pick(list(1), QStringLiteral("7"));
        QCOMPARE(Prog::RadioData.OptFeatures.CurWxCh, int16(6));
        EnterFrequency(7, QString());
        QCOMPARE(Ch(7).Valid, int16(0));
        QCOMPARE(rowTexts(7), (QStringList{"", "", ""}));
        QCOMPARE(Items(list(1)), (QStringList{"3", "4", "5", "6", "8", "9"}));
        QCOMPARE(Prog::RadioData.OptFeatures.CurWxCh, int16(2));
        QCOMPARE(list(1)->currentText(), QStringLiteral("3"));

        // A typo that is no number leaves the channel as it was.
        EnterFrequency(8, QStringLiteral("162..5"));
        QCOMPARE(Ch(8).Valid, int16(1));
        QCOMPARE(cell(8, 1), QStringLiteral("162.55500"));
        // The radio always has a weather VFO: a cleared VFO cell shows its frequency again.
        EnterFrequency(41, QString());
        QCOMPARE(Ch(41).Valid, int16(1));
        QCOMPARE(Ch(41).FreqMHz, 162.55);
        QCOMPARE(rowTexts(41), (QStringList{"162.55000", "Wide", "Del"}));
        QCOMPARE(Items(list(1)), (QStringList{"3", "4", "5", "6", "8", "9"}));
    }

    void inPlaceListsOfTheGrid() {
        SetChannel(1, 162.4, 1, 0);
        OpenEditor();
        // A double click on the header row or on the number column opens nothing.
        QTest::mouseDClick(grid()->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(grid()->columnViewportPosition(0) + 5, 5));
        QTest::mouseDClick(grid()->verticalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!anyEditorOpen());
        QCOMPARE(form->TVCHEditRow(), int16(0));

        // W/N: the list opens on the cell's item; a choice is stored at once.
        DoubleClickCell(1, 3);
        QComboBox* wn = list(3);
        QVERIFY(wn->isVisible());
        QCOMPARE(wn->currentText(), QStringLiteral("Wide"));
        QCOMPARE(wn->x(), grid()->visualRect(grid()->model()->index(0, 2)).x());
        QCOMPARE(QApplication::focusWidget(), wn);
        Pick(wn, QStringLiteral("Narrow"));
        QCOMPARE(Ch(1).Bandwidth, int16(0));
        QVERIFY(!wn->isVisible());
        QCOMPARE(cell(1, 3), QStringLiteral("Narrow"));

        // Scan: a choice waits for the next grid click ...
        DoubleClickCell(1, 4);
        QComboBox* scan = list(4);
        QCOMPARE(scan->currentText(), QStringLiteral("Del"));
        Pick(scan, QStringLiteral("Add"));
        QCOMPARE(Ch(1).ScanAdd, int16(0));
        QVERIFY(scan->isVisible());
        ClickCell(5, 1);
        QCOMPARE(Ch(1).ScanAdd, int16(1));
        QCOMPARE(cell(1, 4), QStringLiteral("Add"));
        QVERIFY(!scan->isVisible());
        // ... or for the current-channel list taking the focus ...
        DoubleClickCell(1, 4);
        Pick(scan, QStringLiteral("Del"));
        list(1)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(Ch(1).ScanAdd, int16(0));
        QVERIFY(!scan->isVisible());
        // ... or for the window closing.
        DoubleClickCell(1, 4);
        Pick(scan, QStringLiteral("Add"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("CommandClose")), Qt::LeftButton);
        QTRY_VERIFY(host->Form() == nullptr);
        QCOMPARE(Ch(1).ScanAdd, int16(1));
        QCOMPARE(Ch(1).Bandwidth, int16(0));

        // Passing through the frequency cell (Enter on the text as it opened) keeps Narrow ...
        OpenEditor();
        DoubleClickCell(1, 1);
        Key(Qt::Key_Return);
        QCOMPARE(Ch(1).Bandwidth, int16(0));
        QCOMPARE(rowTexts(1), (QStringList{"162.40000", "Narrow", "Add"}));
        // ... a new frequency sets W/N back to Wide and on/off to 0; the scan choice stays.
        Ch(1).OnOff = 1;
        EnterFrequency(1, QStringLiteral("162.5"));
        QCOMPARE(Ch(1).FreqMHz, 162.5);
        QCOMPARE(Ch(1).Bandwidth, int16(1));
        QCOMPARE(Ch(1).OnOff, int16(0));
        QCOMPARE(rowTexts(1), (QStringList{"162.50000", "Wide", "Add"}));
    }

    void emptyRowListsStoreOnlyAChoice() {
        Ch(6).ScanAdd = 1;  // left behind by an emptied channel
        OpenEditor();
        DoubleClickCell(6, 4);
        QCOMPARE(list(4)->currentIndex(), -1);
        ClickCell(2, 1);
        QCOMPARE(Ch(6).ScanAdd, int16(1));
        DoubleClickCell(6, 3);
        Pick(list(3), QStringLiteral("Narrow"));
        QCOMPARE(Ch(6).Bandwidth, int16(0));
        QCOMPARE(rowTexts(6), (QStringList{"", "", ""}));  // stored, not shown while empty
    }

    void settingsLists() {
        OpenEditor();
        const struct {
            int list;
            const char* entry;
            int16* field;
            int16 value;
        } choices[] = {
            {5, "ON", &Prog::RadioData.OptFeatures.WxAlert, 1},      {6, "ON", &Prog::RadioData.OptFeatures.WxScanState, 1},
            {7, "ON", &Prog::RadioData.OptFeatures.WxVfo, 1},        {8, "CH", &Prog::RadioData.OptFeatures.WxDisplay, 1},
            {9, "7", &Prog::RadioData.WxSql, 7},                     {9, "Off", &Prog::RadioData.WxSql, 0},
            {5, "OFF", &Prog::RadioData.OptFeatures.WxAlert, 0},     {8, "FRQ", &Prog::RadioData.OptFeatures.WxDisplay, 0},
        };
        for (const auto& c : choices) {
            Pick(list(c.list), QString::fromLatin1(c.entry));
            QCOMPARE(*c.field, c.value);
        }
    }

    // A wheel over a settings list without the focus changes neither the list nor the data;
    // the in-place list of a cell has the focus and steps with the wheel like a choice.
    void wheelChangesOnlyTheFocusedList() {
        SetChannel(1, 162.4, 1, 0);
        SetChannel(2, 162.425, 1, 0);
        OpenEditor();
        ClickCell(1, 1);
        QVERIFY(grid()->hasFocus());
        const DataFileRec before = Prog::RadioData;
        for (int n : {1, 5, 6, 7, 8, 9}) {
            QComboBox* box = list(n);
            QVERIFY2(box->count() > 1, qPrintable(box->objectName()));
            const int shown = box->currentIndex();
            UserInput::Wheel(box, shown + 1 < box->count() ? -1 : 1);
            QVERIFY2(box->currentIndex() == shown, qPrintable(box->objectName()));
            QVERIFY2(grid()->hasFocus(), qPrintable(box->objectName()));
        }
        QVERIFY(Prog::RadioData == before);

        DoubleClickCell(1, 3);
        QCOMPARE(QApplication::focusWidget(), list(3));
        UserInput::Wheel(list(3), 1);
        QCOMPARE(list(3)->currentText(), QStringLiteral("Narrow"));
        QCOMPARE(Ch(1).Bandwidth, int16(0));
    }

    // Values no list holds, as a file or the radio can give them, are shown without a fault
    // and stay as they are until the user changes them.
    void valuesOutsideTheListsAreShownAndKept() {
        SetChannel(1, 162.4, 1, 1);
        SetChannel(2, 162.55, 5, 3);
        SetChannel(4, 500.0, 1, 0);
        SetChannel(5, 100.0, 1, 0);
        Ch(9).Valid = 2;
        Ch(9).FreqMHz = 162.5;
        OptFeatRec& o = Prog::RadioData.OptFeatures;
        o.CurWxCh = 60;
        o.WxAlert = 7;
        o.WxDisplay = -1;
        Prog::RadioData.WxSql = 12;
        const DataFileRec before = Prog::RadioData;

        OpenEditor();
        QCOMPARE(list(1)->currentIndex(), -1);
        QCOMPARE(Items(list(1)), (QStringList{"1", "2", "4", "5"}));
        QCOMPARE(list(5)->currentIndex(), -1);
        QCOMPARE(list(8)->currentIndex(), -1);
        QCOMPARE(list(9)->currentIndex(), -1);
        QCOMPARE(rowTexts(2), (QStringList{"162.55000", "", ""}));
        QCOMPARE(rowTexts(4), (QStringList{"500.00000", "Wide", "Del"}));
        QCOMPARE(rowTexts(5), (QStringList{"100.00000", "Wide", "Del"}));
        QCOMPARE(rowTexts(9), (QStringList{"", "", ""}));

        // Opening the editors and leaving them stores nothing.
        DoubleClickCell(2, 3);
        QCOMPARE(list(3)->currentIndex(), -1);
        ClickCell(3, 1);
        DoubleClickCell(2, 4);
        QCOMPARE(list(4)->currentIndex(), -1);
        DoubleClickCell(4, 1);
        QCOMPARE(text1()->text(), QStringLiteral("500.00000"));
        ClickCell(3, 1);
        DoubleClickCell(5, 1);
        Key(Qt::Key_Return);
        DoubleClickCell(9, 1);
        ClickCell(3, 1);
        QVERIFY(Prog::RadioData == before);
        // Another channel's frequency re-lists the channels: the first listed becomes current.
        EnterFrequency(6, QStringLiteral("162.525"));
        QCOMPARE(o.CurWxCh, int16(0));
        QCOMPARE(list(1)->currentText(), QStringLiteral("1"));
        form->Save_TVChannel();
        Prog::RadioData.TVChannel[6] = before.TVChannel[6];
        o.CurWxCh = before.OptFeatures.CurWxCh;
        QVERIFY(Prog::RadioData == before);

        // Until the user changes them.
        DoubleClickCell(2, 3);
        Pick(list(3), QStringLiteral("Wide"));
        QCOMPARE(Ch(2).Bandwidth, int16(1));
        EnterFrequency(4, QStringLiteral("162.45"));
        QCOMPARE(Ch(4).FreqMHz, 162.45);
        Pick(list(9), QStringLiteral("2"));
        QCOMPARE(Prog::RadioData.WxSql, int16(2));
        Pick(list(1), QStringLiteral("4"));
        QCOMPARE(o.CurWxCh, int16(3));
    }

    // Typing on the grid used to make the row of a frequency starting with the typed text
    // current; typing and Enter there do nothing, the arrow keys still move.
    void keysOnTheGrid() {
        SetChannel(1, 162.4, 1, 1);
        SetChannel(2, 150.0, 0, 0);
        OpenEditor();
        ClickCell(5, 1);
        const DataFileRec before = Prog::RadioData;
        Type(QStringLiteral("16 1a."));
        Key(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), grid());
        QCOMPARE(grid()->currentRow() + 1, 5);
        QCOMPARE(grid()->currentColumn() + 1, 1);
        QVERIFY(!anyEditorOpen());
        QVERIFY(Prog::RadioData == before);
        QCOMPARE(rowTexts(1), (QStringList{"162.40000", "Wide", "Add"}));
        QCOMPARE(rowTexts(5), (QStringList{"", "", ""}));
        Key(Qt::Key_Down);
        Key(Qt::Key_Right);
        QCOMPARE(grid()->currentRow() + 1, 6);
        QCOMPARE(grid()->currentColumn() + 1, 3);  // past the hidden on/off column
    }

    // Leaving the frequency box commits it as Enter does: Tab and Shift+Tab (the focus moves
    // on, the grid's current cell stays), a click on another control, another window taking
    // the focus. Back in the window, the box stays shut.
    void leavingTheFrequencyBoxCommitsIt() {
        OpenEditor();
        QWidget* close = form->findChild<QPushButton*>(QStringLiteral("CommandClose"));
        QWidget other;
        const struct {
            const char* how;
            int row;
            const char* typed;
            std::function<void()> leave;
            QStringList listed;
        } steps[] = {
            {"Tab", 1, "150",
             [close] {
                 Key(Qt::Key_Tab);
                 QCOMPARE(QApplication::focusWidget(), close);
             },
             {"1"}},
            {"Shift+Tab", 3, "151", [] { Key(Qt::Key_Tab, Qt::ShiftModifier); }, {"1", "3"}},
            {"a list", 2, "152", [this] { Pick(list(5), QStringLiteral("ON")); }, {"1", "2", "3"}},
            {"another window", 4, "153",
             [&other] {
                 other.show();
                 other.activateWindow();
                 QVERIFY(QTest::qWaitForWindowActive(&other));
             },
             {"1", "2", "3", "4"}},
        };
        for (const auto& s : steps) {
            DoubleClickCell(s.row, 1);
            Type(QString::fromLatin1(s.typed));
            s.leave();
            if (QTest::currentTestFailed()) return;
            QVERIFY2(!text1()->isVisible(), s.how);
            QVERIFY2(QApplication::focusWidget() != text1(), s.how);
            QCOMPARE(grid()->currentRow() + 1, s.row);
            QCOMPARE(grid()->currentColumn() + 1, 1);
            QCOMPARE(Ch(s.row).FreqMHz, QString::fromLatin1(s.typed).toDouble());
            QCOMPARE(rowTexts(s.row), (QStringList{QString::fromLatin1(s.typed) + ".00000", "Wide", "Del"}));
            QCOMPARE(Items(list(1)), s.listed);
            QCOMPARE(list(1)->currentText(), QStringLiteral("1"));
            QCOMPARE(Prog::RadioData.OptFeatures.CurWxCh, int16(0));
        }
        QCOMPARE(Prog::RadioData.OptFeatures.WxAlert, int16(1));
        // The focus comes back to the grid, not to the hidden box.
        host->main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host->main));
        QCOMPARE(QApplication::focusWidget(), grid());
        QVERIFY(!text1()->isVisible());
    }

    void closingCommitsAnOpenEditOnce() {
        OpenEditor();
        DoubleClickCell(8, 1);
        Type(QStringLiteral("151"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("CommandClose")), Qt::LeftButton);
        QTRY_VERIFY(host->Form() == nullptr);
        QCOMPARE(Ch(8).Valid, int16(1));
        QCOMPARE(Ch(8).FreqMHz, 151.0);
        QCOMPARE(Prog::RadioData.OptFeatures.CurWxCh, int16(7));

        // The window destroyed with the edit open: the edit still counts, and the current
        // channel still follows.
        Prog::RadioData.OptFeatures.CurWxCh = 20;
        OpenEditor();
        DoubleClickCell(10, 1);
        Type(QStringLiteral("152"));
        delete host->area->subWindowList().first();
        QCOMPARE(Ch(10).FreqMHz, 152.0);
        QCOMPARE(Prog::RadioData.OptFeatures.CurWxCh, int16(7));

        // The main window going with the editor open: the edit still counts.
        OpenEditor();
        DoubleClickCell(9, 1);
        Type(QStringLiteral("152.5"));
        host.reset();
        QCOMPARE(Ch(9).FreqMHz, 152.5);
        QCOMPARE(Ch(9).Bandwidth, int16(1));
    }
};

QTEST_MAIN(TestWeatherEditor)
#include "tst_FrmTVCH.moc"
