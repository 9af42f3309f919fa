// The roger-beep editor inside an MDI main window, driven like a user: tabs clicked, list
// entries picked from the opened list with the keyboard, Play, Stop and Close clicked. The
// preview runs on a fake clock and a recording tone output.
#include "FakeBeep.h"
#include "RogerBeepHost.h"
#include "RogerBeepTestData.h"
#include "UserInput.h"
#include "features/rogerbeep/DrawRB.h"
#include "features/rogerbeep/RBChart.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include <memory>

namespace {

using ModBeep::BeepState;
using RBTest::Set;
using Heard = FakeToneOutput::Tone;
using Heards = std::vector<FakeToneOutput::Tone>;

using UserInput::Items;
using UserInput::Pick;

QStringList Tens(int first, int last) {
    QStringList out;
    for (int v = first; v <= last; v += 10) out << QString::number(v);
    return out;
}

}  // namespace

class TestToneTips : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RogerBeepHost> host;
    std::unique_ptr<FakeBeepTimer> clock;
    std::unique_ptr<FakeToneOutput> out;
    FrmToneTips* form = nullptr;

    void OpenEditor() {
        form = host->Open();
        QVERIFY(QTest::qWaitForWindowActive(&host->main));
    }

    QComboBox* list(const char* name, int index = 0) const {
        return form->findChild<QComboBox*>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
    }
    QComboBox* repeat() const { return list("Combo1"); }
    QComboBox* pause() const { return list("Combo2"); }
    QComboBox* freq(int tone) const { return list("Combo3", tone - 1); }
    QComboBox* len(int tone) const { return list("Combo4", tone - 1); }
    QLabel* label(const char* name, int index = 0) const {
        return form->findChild<QLabel*>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
    }
    QPushButton* button(const QString& name) const { return form->findChild<QPushButton*>(name); }
    QPushButton* play() const { return button(QStringLiteral("Command1_0")); }
    QPushButton* stop() const { return button(QStringLiteral("Command2_0")); }
    QTabBar* tabs() const { return form->findChild<QTabBar*>(QStringLiteral("TabStrip1")); }
    ModBeep::RBPicture* picture() const { return form->findChild<ModBeep::RBPicture*>(QStringLiteral("Picture1_0")); }

    void ClickTab(int n) {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(n - 1).center());
        QCOMPARE(tabs()->currentIndex(), n - 1);
    }

    // What the lists of tones 1..14 show.
    QStringList ShownFreqs() const {
        QStringList s;
        for (int k = 1; k <= 14; ++k) s << freq(k)->currentText();
        return s;
    }
    QStringList ShownLens() const {
        QStringList s;
        for (int k = 1; k <= 14; ++k) s << len(k)->currentText();
        return s;
    }

    QColor PaintedAt(const ModBeep::RBChartBox& box) const {
        const QImage image = picture()->grab().toImage();
        const QPoint at = picture()->contentsRect().topLeft() +
                          QPoint((box.x1 + box.x2) / 2 / 15, (box.y1 + box.y2) / 2 / 15);
        return image.pixelColor(at);
    }

private slots:
    void init() {
        RBTest::ResetData();
        clock = std::make_unique<FakeBeepTimer>();
        out = std::make_unique<FakeToneOutput>(*clock);
        host = std::make_unique<RogerBeepHost>();
    }
    void cleanup() {
        host.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        out.reset();
        clock.reset();
        ModBeep::ResetBeepState();
        Prog::CurLanguage = 1;
        form = nullptr;
    }

    void captionsAndLists() {
        OpenEditor();
        QCOMPARE(form->windowTitle(), QStringLiteral("Roger Beep"));
        QCOMPARE(tabs()->count(), 8);
        for (int i = 0; i < 8; ++i) QCOMPARE(tabs()->tabText(i), QStringLiteral("RB Tone %1").arg(i + 1));
        QCOMPARE(label("Label1")->text(), QStringLiteral("Recycle Times"));
        QCOMPARE(label("Label2")->text(), QStringLiteral("Inter Time[ms]"));
        for (int i : {0, 1}) {
            QCOMPARE(label("Label3", i)->text(), QStringLiteral("Frequency[Hz]"));
            QCOMPARE(label("Label4", i)->text(), QStringLiteral("Tone Long[ms]"));
        }
        const QStringList names = {"First",  "Second", "Third",    "Fourth",     "Fifth",      "Sixth",    "Seventh",
                                   "Eighth", "Ninth",  "Tenth",    "Eleventh",   "Twelfth",    "Thirteenth", "Fourteenth"};
        for (int k = 0; k < 14; ++k) {
            QLabel* name = label("Label5", k);
            QCOMPARE(name->text(), names[k] + QStringLiteral(" Tone"));
            // Right-aligned 100 twips (6 pixels) left of the frequency list, on its row.
            QCOMPARE(name->geometry().right() + 1 + 6, freq(k + 1)->x());
            QVERIFY(qAbs(name->geometry().center().y() - freq(k + 1)->geometry().center().y()) <= 1);
        }
        QCOMPARE(label("Label1")->geometry().right() + 1 + 6, repeat()->x());
        QCOMPARE(label("Label2")->geometry().right() + 1 + 6, pause()->x());
        QCOMPARE(play()->text(), QStringLiteral("&Play"));
        QCOMPARE(stop()->text(), QStringLiteral("&Stop"));
        QCOMPARE(button(QStringLiteral("CommandClose"))->text(), QStringLiteral("&Close"));
        QVERIFY(!button(QStringLiteral("CommandHelp"))->isVisible());

        const QStringList repeatItems = {"Off", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
        QCOMPARE(Items(repeat()), repeatItems);
        QCOMPARE(Items(pause()), Tens(0, 2550));
        for (int k = 1; k <= 14; ++k) {
            QCOMPARE(Items(freq(k)), QStringList{QStringLiteral("None")} + Tens(400, 2550));
            QCOMPARE(Items(len(k)), Tens(0, 2550));
        }
    }

    void chineseCaptions() {
        Prog::CurLanguage = 2;
        OpenEditor();
        QCOMPARE(form->windowTitle(), QStringLiteral("RB音"));
        for (int i = 0; i < 8; ++i) QCOMPARE(tabs()->tabText(i), QStringLiteral("RB音 %1").arg(i + 1));
        QCOMPARE(label("Label1")->text(), QStringLiteral("循环次数"));
        QCOMPARE(label("Label2")->text(), QStringLiteral("间隔时间[ms]"));
        QCOMPARE(label("Label3", 1)->text(), QStringLiteral("频率[Hz]"));
        QCOMPARE(label("Label4", 1)->text(), QStringLiteral("音长[ms]"));
        const QStringList names = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二", "十三", "十四"};
        for (int k = 0; k < 14; ++k) {
            QCOMPARE(label("Label5", k)->text(), QStringLiteral("第") + names[k] + QStringLiteral("个音"));
            QCOMPARE(label("Label5", k)->geometry().right() + 1 + 6, freq(k + 1)->x());
        }
        QCOMPARE(play()->text(), QStringLiteral("播放(&P)"));
        QCOMPARE(stop()->text(), QStringLiteral("停止(&S)"));
        QCOMPARE(repeat()->itemText(0), QStringLiteral("关"));
        QCOMPARE(freq(14)->itemText(0), QStringLiteral("无"));
        ClickTab(7);
        QCOMPARE(repeat()->currentText(), QStringLiteral("关"));
        QCOMPARE(freq(1)->currentText(), QStringLiteral("无"));
    }

    // Start-up data: set 1 is 2100 Hz / silence alternating, 100 ms each, once; sets 6..8
    // are empty. Every opening starts at set 1.
    void startUpSetsByTab() {
        OpenEditor();
        QCOMPARE(BeepState.CurRBSet, int16(1));
        QCOMPARE(repeat()->currentText(), QStringLiteral("1"));
        QCOMPARE(pause()->currentText(), QStringLiteral("0"));
        QCOMPARE(ShownFreqs(), (QStringList{"2100", "None", "2100", "None", "2100", "None", "2100", "None", "None",
                                            "None", "None", "None", "None", "None"}));
        QCOMPARE(ShownLens(), (QStringList{"100", "100", "100", "100", "100", "100", "100", "0", "0", "0", "0", "0",
                                           "0", "0"}));
        ClickTab(4);
        QCOMPARE(BeepState.CurRBSet, int16(4));
        QCOMPARE(ShownFreqs().mid(0, 6), (QStringList{"640", "940", "1340", "1630", "1920", "None"}));
        QCOMPARE(ShownLens().mid(0, 6), (QStringList{"60", "60", "60", "60", "60", "0"}));
        for (int n : {6, 7, 8}) {
            ClickTab(n);
            QCOMPARE(repeat()->currentText(), QStringLiteral("Off"));
            QCOMPARE(pause()->currentText(), QStringLiteral("0"));
            QCOMPARE(ShownFreqs(), QStringList(14, QStringLiteral("None")));
            QCOMPARE(ShownLens(), QStringList(14, QStringLiteral("0")));
        }
        QVERIFY(host->calls.isEmpty());
        host->area->closeAllSubWindows();
        OpenEditor();
        QCOMPARE(BeepState.CurRBSet, int16(1));
        QCOMPARE(tabs()->currentIndex(), 0);
    }

    void repeatCountAndItsGuard() {
        RBTest::OnlyValid(1);
        Set(6).RepeatTimes = 3;
        OpenEditor();
        Pick(repeat(), QStringLiteral("Off"), false);
        QCOMPARE(repeat()->currentText(), QStringLiteral("1"));
        QCOMPARE(Set(1).RepeatTimes, int16(1));
        ClickTab(6);
        Pick(repeat(), QStringLiteral("Off"), false);
        QCOMPARE(repeat()->currentText(), QStringLiteral("3"));
        QCOMPARE(Set(6).RepeatTimes, int16(3));
        QVERIFY(host->calls.isEmpty());

        // A second valid set, pointed at by a channel and the public setting, switched off.
        Pick(len(1), QStringLiteral("50"));
        QCOMPARE(Set(6).Tone[1].ToneLen, int16(5));
        QCOMPARE(host->calls, QStringList{QStringLiteral("RefreshRBUse")});
        Prog::RadioData.ChCountAt(0, 14) = 1;  // HF VFO
        Prog::ChInfo(0, 1, 14).RBSet = 6;
        Prog::RadioData.OptFeatures.RBSet = 6;
        Pick(repeat(), QStringLiteral("Off"));
        QCOMPARE(Set(6).RepeatTimes, int16(0));
        QCOMPARE(Prog::ChInfo(0, 1, 14).RBSet, int16(1));
        QCOMPARE(Prog::RadioData.OptFeatures.RBSet, int16(1));
        QCOMPARE(host->calls.size(), 2);
        Pick(repeat(), QStringLiteral("10"));
        QCOMPARE(Set(6).RepeatTimes, int16(10));
    }

    void lengthAndItsGuard() {
        RBTest::OnlyValid(4);
        OpenEditor();
        ClickTab(4);
        for (int k : {1, 2, 3, 4}) Pick(len(k), QStringLiteral("0"));
        QCOMPARE(host->calls.size(), 4);
        Pick(len(5), QStringLiteral("0"), false);
        QCOMPARE(len(5)->currentText(), QStringLiteral("60"));
        QCOMPARE(Set(4).Tone[5].ToneLen, int16(6));
        Pick(len(5), QStringLiteral("2550"));
        QCOMPARE(Set(4).Tone[5].ToneLen, int16(255));
        QCOMPARE(host->calls.size(), 5);
        Pick(len(5), QStringLiteral("2550"));
        QCOMPARE(host->calls.size(), 5);  // the same length again changes nothing
    }

    void frequencyAndPause() {
        OpenEditor();
        Pick(freq(1), QStringLiteral("None"));
        QCOMPARE(Set(1).Tone[1].ToneFreq, int16(0));
        Pick(freq(14), QStringLiteral("2550"));
        QCOMPARE(Set(1).Tone[14].ToneFreq, int16(255));
        Pick(freq(8), QStringLiteral("400"));
        QCOMPARE(Set(1).Tone[8].ToneFreq, int16(40));
        Pick(pause(), QStringLiteral("2550"));
        QCOMPARE(Set(1).InterTime, int16(255));
        Pick(pause(), QStringLiteral("10"));
        QCOMPARE(Set(1).InterTime, int16(1));
        QVERIFY(host->calls.isEmpty());
    }

    // A wheel over a list without the focus changes neither the list nor the sets.
    void wheelPastTheListsChangesNothing() {
        OpenEditor();
        QPushButton* close = button(QStringLiteral("CommandClose"));
        close->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(close->hasFocus());
        const DataFileRec before = Prog::RadioData;
        QList<QComboBox*> lists = {repeat(), pause()};
        for (int k = 1; k <= 14; ++k) lists << freq(k) << len(k);
        for (QComboBox* list : lists) {
            QVERIFY2(list->isVisible(), qPrintable(list->objectName()));
            const int shown = list->currentIndex();
            UserInput::Wheel(list, shown + 1 < list->count() ? -1 : 1);
            QVERIFY2(list->currentIndex() == shown, qPrintable(list->objectName()));
            QVERIFY2(close->hasFocus(), qPrintable(list->objectName()));
        }
        QVERIFY(Prog::RadioData == before);
    }

    // The chart paints the boxes of the shown set: set 4 rises in red and blue; a tone
    // turned to "None" lies flat and another frequency changes its height.
    void chartOfTheShownSet() {
        OpenEditor();
        ClickTab(4);
        const auto boxes = ModBeep::RBChart(Set(4), picture()->ScaleWidth(), picture()->ScaleHeight());
        QCOMPARE(boxes.size(), std::size_t(5));
        QCOMPARE(picture()->ScaleWidth(), 8235.0);
        QCOMPARE(picture()->ScaleHeight(), 1515.0);
        for (const auto& box : boxes) QCOMPARE(PaintedAt(box), box.tone % 2 ? QColor(Qt::red) : QColor(Qt::blue));
        Pick(freq(3), QStringLiteral("None"));
        QVERIFY(PaintedAt(boxes[2]) != QColor(Qt::red));
        Pick(freq(3), QStringLiteral("2550"));
        QCOMPARE(PaintedAt(boxes[2]), QColor(Qt::red));
        ClickTab(6);
        const QImage empty = picture()->grab().toImage();
        for (const auto& box : boxes) QVERIFY(empty.pixelColor(picture()->contentsRect().topLeft() + QPoint(box.x1 / 15 + 3, 90)) != QColor(Qt::red));
    }

    // Values from a file or the radio that no item stands for: shown as no item, kept while
    // the set is shown, left and shown again, and replaced only by the user's choice.
    void valuesOutsideTheListsStay() {
        RBTest::Write(2, 15, 300, {{25, 400}, {300, 10}, {-5, -2}, {100, 10}});
        const RBToneSet stored = Set(2);
        OpenEditor();
        ClickTab(2);
        QCOMPARE(repeat()->currentIndex(), -1);
        QCOMPARE(pause()->currentIndex(), -1);
        for (int k : {1, 2, 3}) QCOMPARE(freq(k)->currentIndex(), -1);
        QCOMPARE(len(1)->currentIndex(), -1);
        QCOMPARE(len(2)->currentText(), QStringLiteral("100"));
        QCOMPARE(len(3)->currentIndex(), -1);
        QCOMPARE(freq(4)->currentText(), QStringLiteral("1000"));
        picture()->grab();  // painting them is no fault either
        ClickTab(1);
        Pick(freq(2), QStringLiteral("500"));
        ClickTab(2);
        QVERIFY(Set(2) == stored);
        Pick(freq(4), QStringLiteral("410"));  // another control of the set
        QCOMPARE(Set(2).RepeatTimes, int16(15));
        QCOMPARE(Set(2).Tone[1].ToneFreq, int16(25));
        QCOMPARE(Set(2).Tone[1].ToneLen, int16(400));
        Pick(repeat(), QStringLiteral("Off"));
        QCOMPARE(Set(2).RepeatTimes, int16(0));
        Pick(pause(), QStringLiteral("0"));
        QCOMPARE(Set(2).InterTime, int16(0));
        Pick(freq(1), QStringLiteral("None"));
        QCOMPARE(Set(2).Tone[1].ToneFreq, int16(0));
        Pick(len(3), QStringLiteral("0"));
        QCOMPARE(Set(2).Tone[3].ToneLen, int16(0));
    }

    // Play is disabled until the preview ends; the tones are those of the shown set.
    void playToTheEnd() {
        OpenEditor();
        ClickTab(4);
        QTest::mouseClick(play(), Qt::LeftButton);
        QVERIFY(!play()->isEnabled());
        QCOMPARE(out->tones, (Heards{{0, 640, 60}}));
        clock->Advance(299);
        QVERIFY(!play()->isEnabled());
        clock->Advance(1);
        QVERIFY(play()->isEnabled());
        QCOMPARE(out->tones.size(), std::size_t(5));
        QCOMPARE(out->tones.back(), (Heard{240, 1920, 60}));
        QCOMPARE(BeepState.RBStopFlag, int16(-1));
    }

    void stopEndsAtTheNextTone() {
        OpenEditor();
        QTest::mouseClick(play(), Qt::LeftButton);
        clock->Advance(150);  // in tone 2 (a silence)
        QTest::mouseClick(stop(), Qt::LeftButton);
        QVERIFY(play()->isEnabled());
        QCOMPARE(BeepState.RBStopFlag, int16(-1));
        clock->RunOut();
        QCOMPARE(out->tones, (Heards{{0, 2100, 100}}));
        QCOMPARE(clock->now, 200);
        QVERIFY(!ModBeep::IsPlaying());
    }

    void nothingToPlay() {
        OpenEditor();
        ClickTab(6);
        QTest::mouseClick(play(), Qt::LeftButton);
        QVERIFY(play()->isEnabled());
        QVERIFY(out->tones.empty());
        QVERIFY(!clock->Pending());
    }

    // Closing the window stops the preview at its next tone; the end of the preview finds
    // the window gone and only sets the stop flag.
    void closeDuringThePreview() {
        OpenEditor();
        QTest::mouseClick(play(), Qt::LeftButton);
        clock->Advance(20);
        QTest::mouseClick(button(QStringLiteral("CommandClose")), Qt::LeftButton);
        QTRY_VERIFY(host->area->subWindowList().isEmpty());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(BeepState.RBStopFlag, int16(-1));
        clock->RunOut();
        QCOMPARE(out->tones.size(), std::size_t(1));
        QVERIFY(!ModBeep::IsPlaying());
        QCOMPARE(BeepState.RBStopFlag, int16(-1));

        // The main window closing its children works the same way.
        OpenEditor();
        QTest::mouseClick(play(), Qt::LeftButton);
        host->area->closeAllSubWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        clock->RunOut();
        QCOMPARE(out->tones.size(), std::size_t(2));
    }

    void registeredByName() {
        QVERIFY(FormRegistry::IsRegistered(QStringLiteral("FrmToneTips")));
        std::unique_ptr<ChildForm> made(FormRegistry::Create(QStringLiteral("FrmToneTips")));
        QVERIFY(qobject_cast<FrmToneTips*>(made.get()));
        QCOMPARE(made->FormName(), QStringLiteral("FrmToneTips"));
        QVERIFY(!made->HasShowRB());
    }
};

QTEST_MAIN(TestToneTips)
#include "tst_FrmToneTips.moc"
