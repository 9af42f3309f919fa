// The channel editor's option panel, mode and group selection, work group and group switch,
// driven like a user: rows are clicked, list entries picked from the opened list with the
// keyboard. After every choice the window must be ready for the next one.
#include "ChannelEditorHost.h"
#include "ChannelTestEnv.h"
#include "ScriptedMessageBoxes.h"
#include "UserInput.h"
#include "channels/ChannelGlobals.h"
#include "channels/ModRBTone.h"
#include "channels/ModSetComm2.h"
#include "channels/ModShowFreFun.h"
#include "core/ModFreFile.h"
#include "core/widgets/GridCells.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

using ChTest::GroupValid;
using ChTest::Ref;
using UserInput::Items;

// The stored channel numbered n of (mode, group); the test fails when there is none.
ChannelRecord& Channel(int mode, int group, int n) {
    const int slot = ModFreFile::FindChannelByCHID(n, mode, group);
    if (slot < 1) qFatal("no channel %d in mode %d group %d", n, mode, group);
    return Prog::ChInfo(mode, slot, group);
}

const QString kHf = QStringLiteral("HF -- 24.7150 - 30.1050 MHz");
const QString kHam = QStringLiteral("HAM -- 28.0000 - 29.7000 MHz");

// The lists that Public "ON" greys.
bool GreyedByPublic(int i) { return i == 1 || (i >= 2 && i <= 5) || i == 11 || i == 13; }

}  // namespace

class TestChannelPanel : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ChannelEditorHost> host;
    std::unique_ptr<ScriptedMessageBoxes> boxes;
    frmCommChInfo* form = nullptr;

    void OpenEditor() {
        form = host->Open();
        QVERIFY(QTest::qWaitForWindowActive(&host->main));
        QCOMPARE(form->EditorReady(), int16(-1));
    }

    QComboBox* list(const QString& name) const { return form->findChild<QComboBox*>(name); }
    QComboBox* option(int i) const { return list(QStringLiteral("Combo8_%1").arg(i)); }
    QLabel* optionLabel(int i) const { return form->findChild<QLabel*>(QStringLiteral("Label5_%1").arg(i)); }
    QGroupBox* panel() const { return form->findChild<QGroupBox*>(QStringLiteral("Frame2")); }
    QTableWidget* grid() const { return form->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1")); }
    QString cell(int row, int col) const { return GridCells::CellText(grid(), row, col); }

    // A list choice as a user makes it (kept = false: the window puts it back); the window is
    // then ready again.
    void Pick(QComboBox* box, const QString& entry, bool kept = true) {
        UserInput::Pick(box, entry, kept);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(form->EditorReady(), int16(-1));
    }
    void Pick(const QString& name, const QString& entry, bool kept = true) { Pick(list(name), entry, kept); }
    void PickOption(int i, const QString& entry) { Pick(option(i), entry); }

    void ClickRow(int row) {
        UserInput::ClickCell(grid(), row, 1);
        QCOMPARE(grid()->currentRow(), row - 1);
        QCOMPARE(form->EditorReady(), int16(-1));
    }

    void VerifyPublicGreying(bool greyed) {
        for (int i = 0; i < 20; ++i) {
            const bool enabled = !(greyed && GreyedByPublic(i));
            QVERIFY2(option(i)->isEnabled() == enabled, qPrintable(QStringLiteral("Combo8(%1)").arg(i)));
            if (QLabel* label = optionLabel(i))
                QVERIFY2(label->isEnabled() == enabled, qPrintable(QStringLiteral("Label5(%1)").arg(i)));
        }
    }

private slots:
    void init() {
        ChTest::NewHamData();
        boxes = std::make_unique<ScriptedMessageBoxes>();
        host = std::make_unique<ChannelEditorHost>();
    }

    void cleanup() {
        host.reset();
        boxes.reset();
        form = nullptr;
        QCOMPARE(ChannelGlobals::RevalidateShownMode, nullptr);  // the closed editor left no hook
    }

    void panelShowsTheCurrentRowsChannel() {
        Channel(1, 1, 1).RxToneType = 1;
        Channel(1, 1, 1).RxTone = 5;
        Channel(1, 1, 1).ToneFlag = 1;
        OpenEditor();
        QVERIFY(panel()->isVisible());
        QCOMPARE(panel()->title(), QStringLiteral("More Information -- CH 1"));
        const std::pair<int, const char*> shown[] = {{15, "CTC"}, {16, "C_005(79.7Hz)"}, {8, "Off"}, {10, "Add"},
                                                     {6, "OFF"},  {7, "OFF"},          {9, "ON"},  {2, "OFF"},
                                                     {3, "ON"},   {4, "OFF"},          {5, "OFF"}, {13, "FM"},
                                                     {11, "OFF"}};
        for (const auto& [i, text] : shown) QCOMPARE(option(i)->currentText(), QLatin1String(text));
        QVERIFY(option(16)->isVisible());
        for (int i : {0, 1, 12, 14, 17, 18, 19}) QVERIFY(!option(i)->isVisible());
        QCOMPARE(Items(option(11)), (QStringList{"OFF", "1", "2", "3", "4", "5"}));
        QCOMPARE(Items(option(13)), (QStringList{"FM", "AM", "USB", "LSB", "PA"}));

        ClickRow(3);  // no channel
        QVERIFY(!panel()->isVisible());
        ClickRow(42);
        QVERIFY(panel()->isVisible());
        QCOMPARE(panel()->title(), QStringLiteral("More Information -- CH 42"));
        QCOMPARE(option(15)->currentText(), QStringLiteral("Off"));
        QVERIFY(!option(16)->isVisible());

        // The row's channel deleted while the row stays current: no panel for it any more.
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(grid()->currentIndex()).center());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        list(QStringLiteral("Combo6"))->setFocus(Qt::MouseFocusReason);
        QCOMPARE(ModFreFile::FindChannelByCHID(42, 1, 1), int16(0));
        QCOMPARE(grid()->currentRow(), 41);
        QVERIFY(!panel()->isVisible());
        QCOMPARE(form->EditorReady(), int16(-1));
        QVERIFY(boxes->shown().empty());
    }

    void toneKindsAndTonesAsTheUserChoosesThem() {
        OpenEditor();
        ChannelRecord& one = Channel(1, 1, 1);
        PickOption(15, QStringLiteral("DCS"));
        QVERIFY(option(18)->isVisible());
        QVERIFY(!option(16)->isVisible());
        QCOMPARE(option(18)->currentText(), QStringLiteral("D_001(023N)"));
        QCOMPARE(one.RxToneType, int16(2));
        QCOMPARE(one.RxTone, int16(39));
        QCOMPARE(one.ToneFlag, int16(1));
        PickOption(18, QStringLiteral("D_010(053N)"));
        QCOMPARE(one.RxTone, int16(48));

        // Kind CTC shows "Off", which counts as no tone: the receive DCS list then has no
        // entry to show, and its word stays.
        PickOption(8, QStringLiteral("CTC"));
        QCOMPARE(one.TxToneType, int16(1));
        QCOMPARE(one.ToneFlag, int16(0));
        QCOMPARE(one.RxTone, int16(48));
        QCOMPARE(option(17)->currentText(), QStringLiteral("Off"));
        QCOMPARE(option(18)->currentIndex(), -1);

        // A tone chosen while no tone is set clears the other direction.
        PickOption(17, QStringLiteral("C_005(79.7Hz)"));
        QCOMPARE(one.TxTone, int16(5));
        QCOMPARE(one.RxTone, int16(0));
        QCOMPARE(one.ToneFlag, int16(1));
        PickOption(15, QStringLiteral("CTC"));  // shows "Off": no tone set again
        QCOMPARE(one.ToneFlag, int16(0));
        QCOMPARE(option(17)->currentText(), QStringLiteral("Off"));
        PickOption(16, QStringLiteral("C_038(250.3Hz)"));
        QCOMPARE(one.RxTone, int16(38));
        QCOMPARE(one.TxTone, int16(0));
        PickOption(17, QStringLiteral("C_005(79.7Hz)"));
        QCOMPARE(one.TxTone, int16(5));
        QCOMPARE(one.RxTone, int16(38));  // a tone was set: the other direction stays

        // "Off" as a tone or as a kind clears the flag and keeps the words.
        PickOption(16, QStringLiteral("Off"));
        QCOMPARE(one.ToneFlag, int16(0));
        QCOMPARE(one.RxTone, int16(38));
        QCOMPARE(option(17)->currentText(), QStringLiteral("Off"));
        PickOption(17, QStringLiteral("C_002(71.9Hz)"));
        PickOption(8, QStringLiteral("Off"));
        QCOMPARE(one.TxToneType, int16(0));
        QCOMPARE(one.ToneFlag, int16(0));
        QCOMPARE(one.TxTone, int16(2));
        QVERIFY(!option(17)->isVisible());
        QVERIFY(!option(19)->isVisible());
        QVERIFY(boxes->shown().empty());
    }

    void shiftAndRogerOffKeepTheirStoredValues() {
        OpenEditor();
        ChannelRecord& one = Channel(1, 1, 1);
        PickOption(7, QStringLiteral("-"));
        QCOMPARE(one.RepEnable, int16(1));
        QCOMPARE(one.RepDir, int16(2));
        PickOption(7, QStringLiteral("OFF"));
        QCOMPARE(one.RepEnable, int16(0));
        QCOMPARE(one.RepDir, int16(2));
        PickOption(7, QStringLiteral("+"));
        QCOMPARE(one.RepDir, int16(1));

        PickOption(9, QStringLiteral("OFF"));  // the channel's own roger beep
        PickOption(11, QStringLiteral("3"));
        QCOMPARE(one.RBEnable, int16(1));
        QCOMPARE(one.RBSet, int16(3));
        PickOption(11, QStringLiteral("OFF"));
        QCOMPARE(one.RBEnable, int16(0));
        QCOMPARE(one.RBSet, int16(3));

        PickOption(2, QStringLiteral("ON"));
        PickOption(6, QStringLiteral("ON"));
        PickOption(10, QStringLiteral("Del"));
        QCOMPARE(one.HiCut, int16(1));
        QCOMPARE(one.Busy, int16(1));
        QCOMPARE(one.ScanAdd, int16(0));
        ClickRow(41);
        ClickRow(1);  // shown again from the record
        QCOMPARE(option(7)->currentText(), QStringLiteral("+"));
        QCOMPARE(option(11)->currentText(), QStringLiteral("OFF"));
        QCOMPARE(option(10)->currentText(), QStringLiteral("Del"));
    }

    void publicOnGreysExactlyItsSettings() {
        OpenEditor();
        QCOMPARE(Channel(1, 1, 1).Public, int16(1));
        VerifyPublicGreying(true);
        PickOption(9, QStringLiteral("OFF"));
        QCOMPARE(Channel(1, 1, 1).Public, int16(0));
        VerifyPublicGreying(false);
        PickOption(9, QStringLiteral("ON"));
        QCOMPARE(Channel(1, 1, 1).Public, int16(1));
        VerifyPublicGreying(true);
        Channel(1, 1, 41).Public = 0;
        ClickRow(41);
        VerifyPublicGreying(false);
    }

    // CW has no channel code; it used to be offered and stored as FM.
    void modeListOffersNoCwAndNoPaInMem() {
        Prog::RadioData.OptFeatures.CwEnable = 1;
        Channel(1, 1, 1).Public = 0;
        Channel(1, 10, 1).Public = 0;
        Channel(1, 10, 1).Mode = 4;  // PA in MEM, as a file can hold it
        OpenEditor();
        QCOMPARE(Items(option(13)), (QStringList{"FM", "AM", "USB", "LSB", "PA"}));
        PickOption(13, QStringLiteral("USB"));
        QCOMPARE(Channel(1, 1, 1).Mode, int16(2));
        PickOption(13, QStringLiteral("PA"));
        QCOMPARE(Channel(1, 1, 1).Mode, int16(4));

        Pick(QStringLiteral("Combo6"), QStringLiteral("MEM"));
        QVERIFY(panel()->isVisible());
        QCOMPARE(Items(option(13)), (QStringList{"FM", "AM", "USB", "LSB"}));
        QCOMPARE(option(13)->currentText(), QStringLiteral("FM"));
        QCOMPARE(Channel(1, 10, 1).Mode, int16(4));
        PickOption(13, QStringLiteral("LSB"));
        QCOMPARE(Channel(1, 10, 1).Mode, int16(3));
    }

    void modeNoLongerAllowedIsShownAndKeptUntilRevalidated() {
        OptFeatRec& o = Prog::RadioData.OptFeatures;
        o.AmEnable = 0;
        Channel(1, 1, 1).Mode = 1;
        OpenEditor();
        QCOMPARE(option(13)->currentText(), QStringLiteral("FM"));
        QCOMPARE(Channel(1, 1, 1).Mode, int16(1));

        // The features editor disallows USB while an HF "K" channel in USB is current.
        Pick(QStringLiteral("Combo2"), kHf);
        Pick(QStringLiteral("Combo6"), QStringLiteral("K"));
        ClickRow(41);
        Channel(0, 11, 41).Mode = 2;
        Channel(0, 11, 42).Mode = 2;
        Channel(0, 1, 1).Mode = 2;
        ClickRow(42);
        ClickRow(41);
        QCOMPARE(option(13)->currentText(), QStringLiteral("USB"));
        o.UsbEnable = 0;
        ModSetComm2::RevalidateChannelModes();
        QCOMPARE(Channel(0, 1, 1).Mode, int16(0));    // groups A..J are revalidated
        QCOMPARE(Channel(0, 11, 42).Mode, int16(2));  // "K" is not ...
        QCOMPARE(Channel(0, 11, 41).Mode, int16(0));  // ... but the shown channel follows its list
        QCOMPARE(Items(option(13)), (QStringList{"FM", "LSB", "PA"}));
        QCOMPARE(option(13)->currentText(), QStringLiteral("FM"));
        QCOMPARE(form->EditorReady(), int16(-1));

        // What the list shows is what the shown channel gets, also when USB comes back.
        ClickRow(42);
        QCOMPARE(option(13)->currentText(), QStringLiteral("FM"));
        o.UsbEnable = 1;
        ModSetComm2::RevalidateChannelModes();
        QCOMPARE(Items(option(13)), (QStringList{"FM", "USB", "LSB", "PA"}));
        QCOMPARE(option(13)->currentText(), QStringLiteral("FM"));
        QCOMPARE(Channel(0, 11, 42).Mode, int16(0));
    }

    void hfHamHfReturnsToTheRememberedGroupsAndTheCaptionFollows() {
        OpenEditor();
        Pick(QStringLiteral("Combo6"), QStringLiteral("C"));
        QCOMPARE(Prog::RadioData.CurGroup[1], int16(3));
        host->calls.clear();
        Pick(QStringLiteral("Combo2"), kHf);
        QCOMPARE(Prog::RadioData.CurMode, int16(0));
        QCOMPARE(Prog::BandRangeText, QStringLiteral("24.7150 - 30.1050 MHz"));
        QCOMPARE(Prog::BandLowMHz, 24.715);
        QCOMPARE(Prog::BandHighMHz, 30.105);
        QCOMPARE(host->calls.filter(QStringLiteral("SetMainCaption")).size(), 1);
        QCOMPARE(host->main.windowTitle(), QStringLiteral("ZR7310N_II[24.7150 - 30.1050 MHz][File Name:new.dat]"));
        QCOMPARE(form->findChild<QGroupBox*>(QStringLiteral("Frame3"))->title(), kHf);
        QCOMPARE(list(QStringLiteral("Combo6"))->currentText(), QStringLiteral("A"));
        QCOMPARE(list(QStringLiteral("Combo6"))->count(), 14);
        Pick(QStringLiteral("Combo6"), QStringLiteral("E"));

        Pick(QStringLiteral("Combo2"), kHam);
        QCOMPARE(list(QStringLiteral("Combo6"))->currentText(), QStringLiteral("C"));
        QCOMPARE(form->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("Band -- C"));
        QCOMPARE(Prog::BandRangeText, QStringLiteral("28.0000 - 29.7000 MHz"));
        QCOMPARE(host->main.windowTitle(), QStringLiteral("ZR7310N_II[28.0000 - 29.7000 MHz][File Name:new.dat]"));
        Pick(QStringLiteral("Combo2"), kHf);
        QCOMPARE(list(QStringLiteral("Combo6"))->currentText(), QStringLiteral("E"));
        QCOMPARE(Prog::RadioData.CurGroup, (std::array<int16, 2>{5, 3}));
        QCOMPARE(host->calls.filter(QStringLiteral("SetMainCaption")).size(), 3);
    }

    void workGroupListLeavesOutVfoAndGroupsThatAreOff() {
        GroupValid(1, 2) = 0;
        GroupValid(1, 4) = 0;
        GroupValid(1, 10) = 1;  // MEM
        GroupValid(1, 11) = 1;  // VFO: never a work group
        Prog::RadioData.OptFeatures.WorkGroup[1] = 4;
        OpenEditor();
        QCOMPARE(Items(list(QStringLiteral("Combo3"))), (QStringList{"A", "C", "E", "F", "G", "H", "I", "MEM"}));
        QCOMPARE(Prog::RadioData.OptFeatures.WorkGroup[1], int16(1));  // "D" is off: the first listed
        Pick(QStringLiteral("Combo3"), QStringLiteral("MEM"));
        QCOMPARE(Prog::RadioData.OptFeatures.WorkGroup[1], int16(10));

        Pick(QStringLiteral("Combo2"), kHf);
        QCOMPARE(Items(list(QStringLiteral("Combo3"))),
                 (QStringList{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"}));
        Pick(QStringLiteral("Combo3"), QStringLiteral("L"));
        QCOMPARE(Prog::RadioData.OptFeatures.WorkGroup, (std::array<int16, 2>{12, 10}));
    }

    void switchingOffTheLastEnabledGroupSnapsBack() {
        for (int group = 2; group <= 10; ++group) GroupValid(0, group) = 0;  // only A, and K and L
        Prog::RadioData.ChCountAt(0, 2) = 0;                                // B has no channel
        OpenEditor();
        Pick(QStringLiteral("Combo2"), kHf);
        Pick(QStringLiteral("Combo1_6"), QStringLiteral("Off"), false);
        QCOMPARE(list(QStringLiteral("Combo1_6"))->currentText(), QStringLiteral("On"));
        QCOMPARE(GroupValid(0, 1), int16(1));  // "K" and "L" do not count

        // Switched on without a channel, "B" gets its default channel 1.
        Pick(QStringLiteral("Combo6"), QStringLiteral("B"));
        QCOMPARE(list(QStringLiteral("Combo1_6"))->currentText(), QStringLiteral("Off"));
        Pick(QStringLiteral("Combo1_6"), QStringLiteral("On"));
        QCOMPARE(GroupValid(0, 2), int16(1));
        QCOMPARE(Prog::RadioData.ChCountAt(0, 2), int16(1));
        QCOMPARE(cell(1, 1), QStringLiteral("28.1450"));
        Pick(QStringLiteral("Combo6"), QStringLiteral("A"));
        Pick(QStringLiteral("Combo1_6"), QStringLiteral("Off"));
        QCOMPARE(GroupValid(0, 1), int16(0));
        QCOMPARE(list(QStringLiteral("Combo1_6"))->currentText(), QStringLiteral("Off"));
    }

    // The wheel over a list without the focus scrolls past it: the grid keeps the focus and
    // neither the list nor the data changes. A focused list steps with the wheel and stores.
    void wheelChangesOnlyTheFocusedList() {
        OpenEditor();
        ClickRow(1);
        QVERIFY(grid()->hasFocus());
        const DataFileRec data = Prog::RadioData;
        const ChannelRecord channel = Channel(1, 1, 1);
        for (const char* name : {"Combo1_2", "Combo1_6", "Combo8_15", "Combo8_10", "Combo8_6", "Combo8_7", "Combo8_9",
                                 "Combo2", "Combo6", "Combo3"}) {
            QComboBox* box = list(QLatin1String(name));
            QVERIFY2(box->isVisible() && box->isEnabled() && box->count() > 1, name);
            const int shown = box->currentIndex();
            UserInput::Wheel(box, shown + 1 < box->count() ? -1 : 1);
            QVERIFY2(box->currentIndex() == shown, name);
            QVERIFY2(grid()->hasFocus(), name);
        }
        QVERIFY(Prog::RadioData == data);
        QVERIFY(Channel(1, 1, 1) == channel);

        QComboBox* emgMode = list(QStringLiteral("Combo1_2"));
        emgMode->setFocus(Qt::TabFocusReason);
        QCOMPARE(emgMode->currentText(), QStringLiteral("FM"));
        UserInput::Wheel(emgMode, -1);
        QCOMPARE(emgMode->currentText(), QStringLiteral("AM"));
        QCOMPARE(Ref(Prog::RadioData.OptFeatures.EmgMode1, 1, 1), int16(1));
    }

    void emergencyModes() {
        Ref(Prog::RadioData.OptFeatures.EmgMode1, 1, 1) = 5;
        OpenEditor();
        QCOMPARE(list(QStringLiteral("Combo1_2"))->currentText(), QStringLiteral("CW"));
        QCOMPARE(Items(list(QStringLiteral("Combo1_2"))), (QStringList{"FM", "AM", "USB", "LSB", "CW"}));
        Pick(QStringLiteral("Combo1_2"), QStringLiteral("LSB"));
        QCOMPARE(Ref(Prog::RadioData.OptFeatures.EmgMode1, 1, 1), int16(3));
        Pick(QStringLiteral("Combo1_5"), QStringLiteral("CW"));
        QCOMPARE(Ref(Prog::RadioData.OptFeatures.EmgMode2, 1, 1), int16(5));
    }

    // An emergency channel the list does not hold shows the first listed one; it is stored
    // when the user brings up the group, not when the window opens.
    void unlistedEmergencyChannelIsStoredWhenTheUserShowsTheGroup() {
        ChTest::Lay(1, 2, {{7, "28.2000"}, {3, "28.1000"}, {45, "28.3000"}});
        ChTest::Show(1, 2);
        OptFeatRec& o = Prog::RadioData.OptFeatures;
        Ref(o.EmgCh1, 1, 2) = 45;
        Ref(o.EmgCh2, 1, 2) = 7;
        OpenEditor();
        QCOMPARE(Items(list(QStringLiteral("Combo1_0"))), (QStringList{"3", "7"}));
        QCOMPARE(list(QStringLiteral("Combo1_0"))->currentText(), QStringLiteral("3"));
        QCOMPARE(Ref(o.EmgCh1, 1, 2), int16(45));
        Pick(QStringLiteral("Combo6"), QStringLiteral("C"));
        Pick(QStringLiteral("Combo6"), QStringLiteral("B"));
        QCOMPARE(Ref(o.EmgCh1, 1, 2), int16(3));
        QCOMPARE(Ref(o.EmgCh2, 1, 2), int16(7));
    }

    // Values no list holds, as a file or the radio can give them, are shown without a fault
    // and stay as they are however the user moves around.
    void valuesOutsideTheListsAreShownAndKept() {
        OptFeatRec& o = Prog::RadioData.OptFeatures;
        ChannelRecord& one = Channel(1, 1, 1);
        one.RxToneType = 2;  // DCS without a code: no tone set
        one.RxTone = 50;
        one.ToneFlag = 0;
        one.TxToneType = 9;
        one.TxTone = 300;
        one.RepEnable = 1;
        one.RepDir = 3;
        one.RBEnable = 1;
        one.RBSet = 12;
        one.Mode = 7;
        one.HiCut = 5;
        one.Public = 2;
        one.ScanAdd = 3;
        ChannelRecord& m1 = Channel(1, 1, 41);
        m1.RxToneType = 1;  // a DCS word under kind CTC
        m1.RxTone = 60;
        m1.ToneFlag = 1;
        m1.RBEnable = 1;
        m1.RBSet = 7;       // a set that is not valid
        m1.Mode = 4;
        o.PaEnable = 0;     // a mode that is not allowed
        Ref(o.EmgMode1, 1, 1) = 4;  // PA: not in the emergency list
        Ref(o.EmgMode2, 1, 1) = 9;
        GroupValid(1, 5) = 2;
        for (int group = 1; group <= 13; ++group) GroupValid(0, group) = 0;  // HF: every group off
        const auto channels = std::make_unique<ChannelTable>(Prog::ChInfo);
        const OptFeatRec options = o;

        OpenEditor();
        QCOMPARE(option(15)->currentText(), QStringLiteral("DCS"));
        QVERIFY(option(18)->isVisible());
        QCOMPARE(option(18)->currentIndex(), -1);
        QCOMPARE(option(8)->currentText(), QStringLiteral("Off"));
        QCOMPARE(option(7)->currentIndex(), -1);
        QCOMPARE(option(11)->currentText(), QStringLiteral("OFF"));
        QCOMPARE(option(13)->currentText(), QStringLiteral("FM"));
        QCOMPARE(option(9)->currentText(), QStringLiteral("OFF"));
        QCOMPARE(list(QStringLiteral("Combo1_2"))->currentIndex(), -1);
        QCOMPARE(list(QStringLiteral("Combo1_5"))->currentIndex(), -1);
        ClickRow(41);
        QCOMPARE(option(16)->currentIndex(), -1);
        QCOMPARE(option(13)->currentText(), QStringLiteral("FM"));
        Pick(QStringLiteral("Combo6"), QStringLiteral("E"));
        QCOMPARE(list(QStringLiteral("Combo1_6"))->currentText(), QStringLiteral("Off"));
        Pick(QStringLiteral("Combo2"), kHf);
        QCOMPARE(list(QStringLiteral("Combo1_6"))->currentText(), QStringLiteral("Off"));
        QVERIFY(list(QStringLiteral("Combo3"))->count() == 0);
        Pick(QStringLiteral("Combo2"), kHam);
        Pick(QStringLiteral("Combo6"), QStringLiteral("A"));
        ClickRow(1);
        form->Change_Language();

        for (int mode = 0; mode < 2; ++mode)
            for (int group = 1; group <= 14; ++group)
                for (int slot = 1; slot <= 99; ++slot)
                    QVERIFY((*channels)(mode, slot, group) == Prog::ChInfo(mode, slot, group));
        QVERIFY(o == options);
        QVERIFY(boxes->shown().empty());
        QCOMPARE(form->EditorReady(), int16(-1));
    }

    void rogerBeepSetChangesReachTheOpenEditor() {
        for (ChannelRecord* rec : {&Channel(1, 1, 1), &Channel(1, 1, 41), &Channel(0, 11, 41)}) {
            rec->Public = 0;
            rec->RBEnable = 1;
            rec->RBSet = 2;
        }
        OpenEditor();
        QCOMPARE(option(11)->currentText(), QStringLiteral("2"));
        Prog::RadioData.ToneTips[4].RepeatTimes = 0;
        ModRBTone::RefreshRBUse();
        QCOMPARE(Items(option(11)), (QStringList{"OFF", "1", "2", "3", "5"}));
        QCOMPARE(option(11)->currentText(), QStringLiteral("2"));
        QCOMPARE(Channel(1, 1, 1).RBEnable, int16(1));
        QCOMPARE(Channel(1, 1, 1).RBSet, int16(2));

        host->calls.clear();
        Prog::RadioData.ToneTips[2].RepeatTimes = 0;
        ModRBTone::RefreshRBUse();
        QCOMPARE(host->calls, QStringList{"RefreshRBUse"});
        QCOMPARE(Items(option(11)), (QStringList{"OFF", "1", "3", "5"}));
        // The shown set went away: the list shows "OFF", and that counts as the choice for
        // the current channel; the others keep their roger beep on the first valid set.
        QCOMPARE(option(11)->currentText(), QStringLiteral("OFF"));
        QCOMPARE(Channel(1, 1, 1).RBEnable, int16(0));
        QCOMPARE(Channel(1, 1, 1).RBSet, int16(1));
        QCOMPARE(Channel(1, 1, 41).RBEnable, int16(1));
        QCOMPARE(Channel(1, 1, 41).RBSet, int16(1));
        QCOMPARE(Channel(0, 11, 41).RBSet, int16(1));
        QCOMPARE(form->EditorReady(), int16(-1));
    }
};

QTEST_MAIN(TestChannelPanel)
#include "tst_frmCommChInfoPanel.moc"
