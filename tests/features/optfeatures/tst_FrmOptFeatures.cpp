// The optional-features editor driven like a user: list entries picked from the opened
// list with the keyboard, check boxes clicked, text typed. After each step the whole record
// is compared with what the step may change.
#include "OptFeaturesHost.h"
#include "ScriptedMessageBoxes.h"
#include "UserInput.h"
#include "channels/ModRBTone.h"
#include "channels/ModShowFreFun.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "tests/channels/ChannelTestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using UserInput::Items;
using UserInput::Pick;

// The lists the user sees, from the field map.
const QList<int> kVisibleLists = {37, 38, 39, 41, 24, 42, 26, 35, 43, 44, 29, 30, 50, 31, 32, 33, 9,  3,  10,
                                  11, 45, 46, 48, 49, 59, 60, 40, 57, 8,  25, 58, 51, 52, 53, 54, 55, 56, 18};

}  // namespace

class TestFrmOptFeatures : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OptFeaturesHost> host;
    std::unique_ptr<ScriptedMessageBoxes> boxes;
    FrmOptFeatures* form = nullptr;
    DataFileRec& d = Prog::RadioData;
    OptFeatRec& o = Prog::RadioData.OptFeatures;

    void OpenEditor() {
        form = host->Open();
        QVERIFY(form);
        QVERIFY(QTest::qWaitForWindowActive(&host->main));
        QCOMPARE(form->DataShown(), int16(-1));
    }

    template <typename T = QComboBox>
    T* w(const QString& name) const { return form->findChild<T*>(name); }
    QComboBox* combo1(int i) const { return w(QStringLiteral("Combo1_%1").arg(i)); }
    QComboBox* combo2(int i) const { return w(QStringLiteral("Combo2_%1").arg(i)); }
    QCheckBox* check1(int i) const { return w<QCheckBox>(QStringLiteral("Check1_%1").arg(i)); }
    QLineEdit* box(const QString& name) const { return w<QLineEdit>(name); }
    QLabel* label(const QString& name) const { return w<QLabel>(name); }

    void Click(QCheckBox* check) {
        QVERIFY(check && check->isVisible());
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(check->height() / 2, check->height() / 2));
    }

    // Runs step and checks that it changes the record exactly as change does.
    void Expect(const std::function<void()>& step, const std::function<void(DataFileRec&)>& change) {
        DataFileRec expected = d;
        change(expected);
        step();
        QVERIFY(d == expected);
    }

private slots:
    void init() {
        ChTest::NewHamData();
        boxes = std::make_unique<ScriptedMessageBoxes>();
        host = std::make_unique<OptFeaturesHost>();
    }

    void cleanup() {
        host.reset();
        QVERIFY(boxes->shown().empty());
        boxes.reset();
        form = nullptr;
    }

    void listsCaptionsAndPlaces_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("Chinese") << 2;
    }

    void listsCaptionsAndPlaces() {
        QFETCH(int, language);
        ChTest::NewHamData(language);
        OpenEditor();
        const bool en = language == 1;
        for (int i = 0; i <= 60; ++i) {
            if (i != 18) QCOMPARE(Items(combo1(i)), ModOptFeat::Combo1Items(i));
            QVERIFY2(combo1(i)->isVisible() == kVisibleLists.contains(i), qPrintable(QString::number(i)));
        }
        for (int i = 0; i <= 6; ++i) {
            QCOMPARE(Items(combo2(i)), ModOptFeat::Combo2Items(i));
            QCOMPARE(combo2(i)->isVisible(), i != 4 && i != 6);
        }
        QCOMPARE(Items(combo1(18)), (QStringList{"FM", "AM", "USB", "LSB", "PA"}));  // CW not enabled
        QCOMPARE(combo1(10)->itemText(0), en ? QStringLiteral("Off") : QStringLiteral("关"));
        QCOMPARE(combo1(43)->itemText(0), QStringLiteral("Off"));

        QCOMPARE(form->windowTitle(), en ? QStringLiteral("Optional Features") : QStringLiteral("可选功能"));
        const std::pair<const char*, QString> captions[] = {
            {"Label1_38", en ? "CW Frequecy[Hz]" : "CW 频率[Hz]"},
            {"Label1_41", "FREQ CH "},
            {"Label1_11", en ? "TOT" : "超时定时器预警[秒]"},
            {"Label1_18", "Mode"},
            {"Label1_59", "HAM Public"},
            {"Label1_60", "HF Public"},
            {"Label4_0", "HI-CUT"},
            {"Label3_0", "Max"},
            {"Label5", "Start Char"},
            {"Label7", "Tx Offset"},
        };
        for (const auto& [name, text] : captions) QCOMPARE(label(QString::fromLatin1(name))->text(), text);
        QCOMPARE(w<QGroupBox>("Frame2")->title(), en ? QStringLiteral("Public") : QStringLiteral("信道设置公共信道"));
        QCOMPARE(w<QGroupBox>("Frame1")->title(), QStringLiteral("Mode Enable"));
        QCOMPARE(check1(2)->text(), en ? QStringLiteral("Beep") : QStringLiteral("提示音"));
        QCOMPARE(check1(9)->text(), QStringLiteral("PA Enable"));
        QCOMPARE(w<QPushButton>("CommandClose")->text(), ModEnglish::CloseCaption.Text());

        // Labels end 100 twips left of their lists; the public labels stand crossed.
        for (int i : kVisibleLists) {
            QLabel* l = label(QStringLiteral("Label1_%1").arg(i));
            QVERIFY(l->isVisible());
            QCOMPARE(l->geometry().right() + 1 + 100 / 15, combo1(i)->x());
        }
        QCOMPARE(label("Label1_59")->y(), combo1(60)->y());
        QCOMPARE(label("Label1_60")->y(), combo1(59)->y());
        QCOMPARE(combo1(38)->geometry(), QRect(2280 / 15, 1080 / 15, 2655 / 15, 345 / 15));
    }

    // Values from a file or the radio that no list holds are shown without fault, and the
    // record stays as it was until the user chooses.
    void storedValuesShownWithoutChange() {
        for (int n : {2, 4, 5}) d.ToneTips[static_cast<std::size_t>(n)].RepeatTimes = 0;  // sets 1 and 3 valid
        o.RBEnable = 1;
        o.RBSet = 3;
        o.CwFreq = 0;
        o.MicGain = 40;
        d.HfDwChan = 59;
        d.HfDwMode = 4;    // PA: no entry in the dual-watch list
        d.HamDwMode = 9;
        o.PaEnable = 0;
        o.Mode = 4;        // PA, not enabled
        o.BeepOn = 2;
        o.ResetOpt = 3;
        o.Tot = 99;
        o.Rtix = 125;
        o.Ttix = 1500;    // past the trim range
        o.MaxVolt = 5;
        d.TxOffset = 0;
        o.StartChar.Set(std::string("AB\0\0\0", 5));
        DataFileRec expected = d;
        expected.OptFeatures.StartChar.Set("AB   ");  // the start boxes store as they are shown
        OpenEditor();

        const std::pair<int, const char*> shown[] = {{38, "300"}, {8, "1"}, {52, "60"}, {18, "FM"}, {11, "Off"}};
        for (const auto& [i, text] : shown) QCOMPARE(combo1(i)->currentText(), QLatin1String(text));
        QCOMPARE(Items(combo2(5)), (QStringList{"OFF", "1", "3"}));
        QCOMPARE(combo2(5)->currentText(), QStringLiteral("3"));
        QCOMPARE(Items(combo1(18)), (QStringList{"FM", "AM", "USB", "LSB"}));
        QCOMPARE(combo1(53)->currentIndex(), -1);
        QCOMPARE(combo1(56)->currentIndex(), -1);
        QVERIFY(check1(2)->isChecked());
        QVERIFY(!check1(1)->isChecked());
        const std::pair<const char*, const char*> texts[] = {{"Text1_0", "12.5"}, {"Text1_1", "150.0"}, {"Text2_0", "0.5"},
                                                             {"Text5", "0.0000"}, {"Text3_0", "A"},    {"Text3_1", "B"},
                                                             {"Text3_2", ""},     {"Text4_6", "36"}};
        for (const auto& [name, text] : texts) QCOMPARE(box(QString::fromLatin1(name))->text(), QLatin1String(text));
        QVERIFY(d == expected);

        form->ReShowData();
        QCOMPARE(form->DataShown(), int16(-1));
        QVERIFY(d == expected);

        o.RBEnable = 0;
        form->ReShowData();
        QCOMPARE(combo2(5)->currentText(), QStringLiteral("OFF"));
        QCOMPARE(o.RBSet, int16(3));
    }

    void choicesStoreExactlyTheirFields() {
        OpenEditor();
        using D = DataFileRec;
        struct Step {
            int list;  // Combo1 index, or 200 + Combo2 index
            const char* entry;
            std::function<void(D&)> change;
        };
        const Step steps[] = {
            {38, "3000", [](D& r) { r.OptFeatures.CwFreq = 300; }},
            {8, "20", [](D& r) { r.OptFeatures.MicGain = 20; }},
            {53, "CW", [](D& r) { r.HfDwMode = 5; }},
            {11, "120", [](D& r) { r.OptFeatures.Tot = 4; }},
            {24, "7", [](D& r) { r.AsqLevel = 7; }},
            {51, "L", [](D& r) { r.HfDwBand = 11; }},
            {58, "BOTH", [](D& r) { r.VolPath = 2; }},
            {49, "ON", [](D& r) { r.VolDisplay = 1; }},
            {18, "LSB", [](D& r) { r.OptFeatures.Mode = 3; }},
            {200, "ON", [](D& r) { r.OptFeatures.HiCut = 1; }},
            {203, "ON", [](D& r) { r.OptFeatures.Plus10K = 1; }},
        };
        for (const Step& s : steps) {
            QComboBox* list = s.list >= 200 ? combo2(s.list - 200) : combo1(s.list);
            Expect([&] { Pick(list, QString::fromLatin1(s.entry)); }, s.change);
            if (QTest::currentTestFailed()) qWarning() << "at" << list->objectName() << s.entry;
        }
        Expect([&] { Click(check1(2)); }, [](D& r) { r.OptFeatures.BeepOn = 0; });
        Expect([&] { Click(check1(2)); }, [](D& r) { r.OptFeatures.BeepOn = 1; });
    }

    // A wheel over a list without the focus changes neither the list nor the record, and the
    // focus stays where it was.
    void wheelPastTheListsChangesNothing() {
        OpenEditor();
        auto* close = w<QPushButton>(QStringLiteral("CommandClose"));
        close->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(close->hasFocus());
        const DataFileRec before = d;
        QList<QComboBox*> lists;
        for (int i : kVisibleLists) lists << combo1(i);
        for (int i : {0, 1, 2, 3, 5}) lists << combo2(i);
        for (QComboBox* list : lists) {
            QVERIFY2(list->isVisible() && list->count() > 1, qPrintable(list->objectName()));
            const int shown = list->currentIndex();
            UserInput::Wheel(list, shown + 1 < list->count() ? -1 : 1);
            QVERIFY2(list->currentIndex() == shown, qPrintable(list->objectName()));
            QVERIFY2(close->hasFocus(), qPrintable(list->objectName()));
        }
        QVERIFY(d == before);
    }

    void rxNrcOneSwitchesRxCompOff() {
        d.RxComp = 1;
        OpenEditor();
        Pick(combo1(26), QStringLiteral("3"));
        QCOMPARE(d.RxNrc, byte8(3));
        QCOMPARE(d.RxComp, byte8(1));
        Pick(combo1(26), QStringLiteral("1"));
        QCOMPARE(d.RxNrc, byte8(1));
        QCOMPARE(d.RxComp, byte8(0));
        QCOMPARE(combo1(28)->currentText(), QStringLiteral("OFF"));
    }

    void modeEnablesKeepOneModeAndMoveTheChannels() {
        o.Mode = 4;  // PA
        Prog::ChInfo(1, 1, 1).Mode = 4;   // HAM A, revalidated
        ModShowFreFun::AddChannel(1, 0, 11, QStringLiteral("27.0000"));  // HF K, left as it is
        Prog::ChInfo(0, 1, 11).Mode = 4;
        host->ShowChildForm(QStringLiteral("frmCommChInfo"));
        QComboBox* channelMode = host->Find(QStringLiteral("frmCommChInfo"))->findChild<QComboBox*>("Combo8_13");
        QCOMPARE(Items(channelMode), (QStringList{"FM", "AM", "USB", "LSB", "PA"}));
        OpenEditor();

        Click(check1(9));  // PA Enable off
        QCOMPARE(o.PaEnable, int16(0));
        QCOMPARE(Items(combo1(18)), (QStringList{"FM", "AM", "USB", "LSB"}));
        QCOMPARE(combo1(18)->currentText(), QStringLiteral("FM"));
        QCOMPARE(o.Mode, int16(0));
        QCOMPARE(Prog::ChInfo(1, 1, 1).Mode, int16(0));
        QCOMPARE(Prog::ChInfo(0, 1, 11).Mode, int16(4));
        QCOMPARE(Items(channelMode), (QStringList{"FM", "AM", "USB", "LSB"}));

        // Clearing the enables one by one: the public mode moves on; the last stays checked.
        const std::pair<int, int> steps[] = {{5, 1}, {6, 2}, {7, 3}};
        for (const auto& [check, mode] : steps) {
            Click(check1(check));
            QVERIFY(!check1(check)->isChecked());
            QCOMPARE(o.Mode, int16(mode));
        }
        Click(check1(8));  // LSB, the last one
        QVERIFY(check1(8)->isChecked());
        QCOMPARE(o.LsbEnable, int16(1));
        QCOMPARE(o.FmEnable + o.AmEnable + o.UsbEnable + o.PaEnable + o.CwEnable, 0);
        QCOMPARE(Items(combo1(18)), QStringList{"LSB"});
        QCOMPARE(o.Mode, int16(3));

        Click(check1(10));  // CW
        QCOMPARE(o.CwEnable, int16(1));
        QCOMPARE(Items(combo1(18)), (QStringList{"LSB", "CW"}));
        QCOMPARE(combo1(18)->currentText(), QStringLiteral("LSB"));
        Pick(combo1(18), QStringLiteral("CW"));
        QCOMPARE(o.Mode, int16(5));
    }

    void publicSettingsRewriteTheChannelsAndReopenTheEditor() {
        for (int group = 1; group <= 11; ++group)
            for (int slot = 1; slot <= 99; ++slot) Prog::ChInfo(1, slot, group).Public = 0;
        Prog::ChInfo(0, 1, 1).Public = 0;
        OpenEditor();
        QVERIFY(!host->Find(QStringLiteral("frmCommChInfo")));

        Pick(combo1(60), QStringLiteral("On"));  // HAM Public
        QCOMPARE(d.HamPublic, byte8(1));
        for (auto [slot, group] : {std::pair{1, 1}, {46, 9}, {50, 1}, {60, 9}, {99, 10}, {1, 11}})
            QVERIFY2(Prog::ChInfo(1, slot, group).Public == 1, qPrintable(QStringLiteral("%1/%2").arg(slot).arg(group)));
        QCOMPARE(Prog::ChInfo(1, 61, 1).Public, int16(0));  // past what a lettered group holds
        QCOMPARE(Prog::ChInfo(1, 2, 11).Public, int16(0));
        QCOMPARE(Prog::ChInfo(0, 1, 1).Public, int16(0));
        ChildForm* editor = host->Find(QStringLiteral("frmCommChInfo"));
        QVERIFY(editor);  // opened although it was closed
        QCOMPARE(editor->findChild<QComboBox*>("Combo8_9")->currentText(), QStringLiteral("ON"));
        QVERIFY(host->calls.contains(QStringLiteral("UnloadForm frmCommChInfo")));

        // HF Public with the editor open: it is closed and a new one opened.
        QPointer<ChildForm> before = editor;
        Pick(combo1(59), QStringLiteral("On"));
        QCOMPARE(d.HfPublic, byte8(1));
        QCOMPARE(Prog::ChInfo(0, 1, 1).Public, int16(1));
        QTRY_VERIFY(before.isNull());
        QVERIFY(host->Find(QStringLiteral("frmCommChInfo")));

        // The value it already has: no channel is touched, the editor stays.
        before = host->Find(QStringLiteral("frmCommChInfo"));
        Prog::ChInfo(0, 1, 1).Public = 0;
        host->calls.clear();
        Pick(combo1(59), QStringLiteral("On"));
        QCOMPARE(Prog::ChInfo(0, 1, 1).Public, int16(0));
        QVERIFY(host->calls.isEmpty());
        QVERIFY(!before.isNull() && before->isVisible());
    }

    void rogerListOffersTheValidSetsAndFollowsThem() {
        for (int n : {1, 3, 4}) d.ToneTips[static_cast<std::size_t>(n)].RepeatTimes = 0;  // sets 2 and 5
        o.RBEnable = 1;
        o.RBSet = 2;
        OpenEditor();
        QCOMPARE(Items(combo2(5)), (QStringList{"OFF", "2", "5"}));
        QCOMPARE(combo2(5)->currentText(), QStringLiteral("2"));
        Pick(combo2(5), QStringLiteral("5"));
        QCOMPARE(o.RBSet, int16(5));
        QCOMPARE(o.RBEnable, int16(1));
        Pick(combo2(5), QStringLiteral("OFF"));
        QCOMPARE(o.RBEnable, int16(0));
        QCOMPARE(o.RBSet, int16(5));
        Pick(combo2(5), QStringLiteral("2"));

        // Set 2 switched off by the roger-beep editor: the public set moves to 5.
        d.ToneTips[2].RepeatTimes = 0;
        ModRBTone::RefreshRBUse();
        QCOMPARE(Items(combo2(5)), (QStringList{"OFF", "5"}));
        QCOMPARE(combo2(5)->currentText(), QStringLiteral("5"));
        QCOMPARE(o.RBSet, int16(5));
        QCOMPARE(o.RBEnable, int16(1));

        // No valid set left: only "OFF", which switches the public roger beep off.
        d.ToneTips[5].RepeatTimes = 0;
        ModRBTone::RefreshRBUse();
        QCOMPARE(Items(combo2(5)), QStringList{"OFF"});
        QCOMPARE(o.RBEnable, int16(0));
        QCOMPARE(o.RBSet, int16(1));
    }

    void txOffsetAndMaxAsTyped_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("enter");
        QTest::newRow("offset 7") << "Text5" << "7" << "5.0000" << 50000 << true;
        QTest::newRow("offset empty") << "Text5" << "" << "5.0000" << 50000 << true;
        QTest::newRow("offset letters dropped") << "Text5" << "1a.b5-" << "1.5000" << 15000 << false;
        QTest::newRow("offset long") << "Text5" << "0.012345" << "0.0123" << 123 << false;
        QTest::newRow("max 25") << "Text2_0" << "25" << "20.0" << 200 << true;
        QTest::newRow("max 13.8") << "Text2_0" << "13.8" << "13.8" << 138 << false;
    }

    void txOffsetAndMaxAsTyped() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        QFETCH(bool, enter);
        OpenEditor();
        QLineEdit* edit = box(name);
        const auto value = [&] { return name == QLatin1String("Text5") ? int(d.TxOffset) : int(o.MaxVolt); };
        const int before = value();
        UserInput::Retype(edit, typed);
        QCOMPARE(value(), before);  // stored when the box is left, not while typing
        QTest::keyClick(edit, enter ? Qt::Key_Return : Qt::Key_Tab);
        QVERIFY(!edit->hasFocus());
        QCOMPARE(edit->text(), shown);
        QCOMPARE(value(), stored);
    }

    void pasteAndCommandsInTheTextBoxes() {
        OpenEditor();
        QLineEdit* offset = box("Text5");
        QTest::mouseClick(offset, Qt::LeftButton);
        QTRY_COMPARE(offset->selectedText(), offset->text());  // typing replaces the whole text
        QApplication::clipboard()->setText(QStringLiteral("abc"));
        QTest::keyClick(offset, Qt::Key_V, Qt::ControlModifier);  // refused
        QCOMPARE(offset->text(), QStringLiteral("0.0100"));
        offset->selectAll();
        offset->paste();  // as the box's context menu pastes
        QCOMPARE(offset->text(), QStringLiteral("abc"));
        QTest::keyClick(offset, Qt::Key_Tab);
        QCOMPARE(offset->text(), QStringLiteral("5.0000"));
        QCOMPARE(d.TxOffset, int32(50000));

        // A command of the main window while the focus is still in the box stores it first.
        UserInput::Retype(offset, QStringLiteral("2"));
        QCOMPARE(d.TxOffset, int32(50000));
        form->ValidateControls();
        QCOMPARE(offset->text(), QStringLiteral("2.0000"));
        QCOMPARE(d.TxOffset, int32(20000));

        // Once the focus is outside the window (here a box of the main window's own) the box
        // was stored on leaving; a later command leaves it alone, also when the data changed
        // since (as a radio read changes it).
        auto* elsewhere = new QLineEdit;
        host->main.addToolBar(QStringLiteral("bar"))->addWidget(elsewhere);
        QTest::mouseClick(elsewhere, Qt::LeftButton);
        QTRY_VERIFY(elsewhere->hasFocus());
        QCOMPARE(form->focusWidget(), offset);  // still the window's last focused box
        d.TxOffset = 30000;
        form->ValidateControls();
        QCOMPARE(d.TxOffset, int32(30000));
    }

    void startCharactersAsTyped() {
        OpenEditor();
        QCOMPARE(o.StartChar.Str(), std::string("7310N"));
        QLineEdit* third = box("Text3_2");
        QTest::mouseClick(third, Qt::LeftButton);
        QTRY_COMPARE(third->selectedText(), QStringLiteral("1"));
        QTest::keyClick(third, Qt::Key_A);  // a small a
        QCOMPARE(third->text(), QStringLiteral("A"));
        QCOMPARE(o.StartChar.Str(), std::string("73A0N"));
        QTest::keyClick(third, Qt::Key_Period);  // refused
        QCOMPARE(third->text(), QStringLiteral("A"));
        QTest::keyClick(third, Qt::Key_Backspace);
        QCOMPARE(o.StartChar.Str(), std::string("73 0N"));
        QTest::keyClick(third, Qt::Key_Minus);
        QCOMPARE(o.StartChar.Str(), std::string("73-0N"));
    }
};

QTEST_MAIN(TestFrmOptFeatures)
#include "tst_FrmOptFeatures.moc"
