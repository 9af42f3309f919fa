// The radio commands of the real main window, used as a user would, against the radio
// emulator: on an in-process line and on a pseudo-terminal through the program's serial
// backend (the COM override). Read, the progress window, the channel editor with the
// radio's channels; Write with an edit still open; a missing port, a declined question, a
// port pulled away, a radio gone silent and the window resized while it waits; codes outside
// the program's lists through read, save, open and write; the keyboard back in the main
// window however a transfer ends; and a language chosen in the language dialog.
#include "ReplyTimeouts.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "ShellTestEnv.h"
#include "WorkingData.h"

#include "channels/ChannelForms.h"
#include "channels/frmCommChInfo.h"
#include "core/ModFreFile.h"
#include "core/lang/ModMsg.h"
#include "features/optfeatures/OptFeatureForms.h"
#include "link/LinkData.h"
#include "link/ModComm.h"
#include "link/ModCommFun.h"
#include "link/widgets/FrmProgress.h"
#include "platform/serial/ComPorts.h"
#include "platform/serial/InProcessSerialBackend.h"
#include "platform/serial/MSComm.h"
#include "shell/dialogs/FrmSetLanguage.h"
#include "tests/support/emulator/RadioEmulator.h"
#include "tests/support/emulator/RadioEmulatorPty.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include <functional>
#include <memory>

namespace {

constexpr int kCom = 3;  // comPort of the test installation's mysetup.ini
constexpr const char* kOverride = "ZR7310N_COM3";
// A transfer that takes this long hangs: under a sanitizer on a loaded machine a whole
// read and write take well under it.
constexpr int kHangMs = 120000;

// A radio whose HF group B holds channel 1 at 27.1234 MHz and channel 9 at 28.5000 MHz and
// whose mode byte says HF; every other slot is empty.
QByteArray RadioWithTwoChannels() {
    QByteArray image = RadioEmulator::DefaultImage();
    auto put = [&image](int at, const QByteArray& hex) { image.replace(at, hex.size() / 2, QByteArray::fromHex(hex)); };
    // slot (g, n) at ((g - 1) * 60 + n - 1) * 16: bytes 0-2 the frequency BCD, low pair
    // first; 3-9 zero (no tones, mode 0, no flags); 10 RBSet 1; 11 zero; 12-14 no initial
    // frequency (0xFF); 15 zero
    put((60 + 0) * 16, "341227000000000000000100ffffff00");
    put((60 + 8) * 16, "005028000000000000000100ffffff00");
    put(0x5F28, "0101");  // presence of group B: channel 1 (bit 0 of 0x5F28), channel 9 (bit 0 of 0x5F29)
    put(0x6364, "10");    // CurMode 0 (HF)
    return image;
}

using TestData::WorkingData;

// Runs atBox as each box comes up, then lets the script answer.
class WatchingBoxes final : public MsgBox::Backend {
public:
    WatchingBoxes(ScriptedMessageBoxes& script, std::function<void()> atBox)
        : script_(script), atBox_(std::move(atBox)) {
        MsgBox::SetBackend(this);
    }
    ~WatchingBoxes() override { MsgBox::SetBackend(&script_); }
    MsgBox::Result Show(const QString& prompt, int style, const QString& title) override {
        atBox_();
        return script_.Show(prompt, style, title);
    }

private:
    ScriptedMessageBoxes& script_;
    std::function<void()> atBox_;
};

QByteArray RadioImageBytes() { return QByteArray(reinterpret_cast<const char*>(Link::RadioImage.data()), 0x6600); }

frmCommChInfo* ChannelEditor(frmMain* w) {
    return static_cast<frmCommChInfo*>(w->FindChildForm(QStringLiteral("frmCommChInfo")));
}

QString Cell(frmCommChInfo* editor, int row, int col) {
    const QTableWidgetItem* item = editor->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"))->item(row - 1, col - 1);
    return item ? item->text() : QString();
}

}  // namespace

class TestRadioCommands : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellTestEnv> env_;
    std::unique_ptr<ScriptedMessageBoxes> boxes_;
    std::unique_ptr<InProcessSerialLine> line_;
    std::unique_ptr<RadioEmulator> radio_;
    std::unique_ptr<RadioEmulatorPty> pty_;
    // A reply time-out runs once the in-process line is quiet; over the pseudo-terminal
    // nothing tells a late reply from a lost one, and none runs.
    std::unique_ptr<ReplyTimeouts> timeouts_;
    std::function<void(const QByteArray&, int)> onFrame_;
    int framesSeen_ = 0;
    frmMain* w_ = nullptr;
    // A transfer that does not end is ended (every second, window by window), and the test fails.
    QTimer watchdog_;
    bool watchdogFired_ = false;

    // The radio behind COM3: in process, or on a pseudo-terminal named by the override.
    void Connect(bool overPty) {
        if (!overPty) {
            line_ = std::make_unique<InProcessSerialLine>();
            ComPorts::RegisterInProcessLine(kCom, line_.get());
            QVERIFY(radio_->Attach(line_.get()));
            return;
        }
        pty_ = std::make_unique<RadioEmulatorPty>(radio_.get());
        QString error;
        QVERIFY2(pty_->Open(&error), qPrintable(error));
        qputenv(kOverride, pty_->SlavePath().toLocal8Bit());
    }
    void ServeTwoChannels() {
        radio_->SetImage(RadioWithTwoChannels());
        Prog::RadioData.CurGroup[0] = 2;  // not in the image: the editor opens on group B
    }
    void Trigger(const char* entry) { w_->MenuEntry(QLatin1String(entry))->trigger(); }
    bool WaitIdle() {
        return QTest::qWaitFor([] { return Prog::CommType == 0 && !FrmProgress::Loaded(); }, kHangMs);
    }

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        RegisterChannelForms();
        RegisterOptFeatureForms();
        connect(&watchdog_, &QTimer::timeout, this, [this] {
            watchdogFired_ = true;
            watchdog_.setInterval(1000);
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* form = qobject_cast<FrmProgress*>(top)) form->Unload();
            if (Prog::CommType != 0) ModComm::EndComm(false);
        });
    }
    void init() {
        env_ = std::make_unique<ShellTestEnv>();
        boxes_ = std::make_unique<ScriptedMessageBoxes>();
        radio_ = std::make_unique<RadioEmulator>();
        timeouts_ = std::make_unique<ReplyTimeouts>([this] { return line_ && LineQuiet(*line_, *radio_); });
        framesSeen_ = 0;
        onFrame_ = nullptr;
        connect(radio_.get(), &RadioEmulator::frameSeen, this, [this](const QByteArray& frame) {
            ++framesSeen_;
            if (onFrame_) onFrame_(frame, framesSeen_);
        });
        w_ = env_->Start();
        QVERIFY(w_);
        watchdogFired_ = false;
        watchdog_.start(kHangMs);
    }
    void cleanup() {
        watchdog_.stop();
        const int unscripted = boxes_->unscriptedCount();
        if (Prog::CommType != 0) ModComm::EndComm(false);
        ModComm::CloseCommPort();
        radio_->Detach();
        ComPorts::ClearInProcessLines();
        qunsetenv(kOverride);
        timeouts_.reset();
        pty_.reset();
        radio_.reset();
        line_.reset();
        env_.reset();
        boxes_.reset();
        Link::Reset();
        QVERIFY2(!watchdogFired_, "a transfer did not end");
        QCOMPARE(unscripted, 0);
    }

    void readThenWriteAsAUser_data() {
        QTest::addColumn<bool>("overPty");
        QTest::newRow("in-process line") << false;
        QTest::newRow("pseudo-terminal") << true;
    }
    void readThenWriteAsAUser() {
        QFETCH(bool, overPty);
        Connect(overPty);
        ServeTwoChannels();
        QList<int> percentages;
        QString title;
        onFrame_ = [&](const QByteArray&, int n) {
            if (n != 1) return;
            FrmProgress* form = FrmProgress::Loaded();
            QVERIFY(form && form->isVisible());
            title = form->windowTitle();
            connect(form->findChild<QProgressBar*>(QStringLiteral("ProgressBar1")), &QProgressBar::valueChanged, this,
                    [&](int v) { percentages << v; });
        };

        boxes_->Answer({MsgBox::OK, MsgBox::OK});
        Trigger("mnuReadFromRadio");
        QVERIFY(WaitIdle());
        QCOMPARE(boxes_->prompts(), QStringList({"Read data from radio.\r\nDo you wish continue?", "Read Data Completed."}));
        QCOMPARE(title, QStringLiteral("Read data from radio"));
        QCOMPARE(percentages.size(), 100);
        QCOMPARE(percentages.last(), 100);
        QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")});
        frmCommChInfo* editor = ChannelEditor(w_);
        QCOMPARE(editor->findChild<QComboBox*>(QStringLiteral("Combo6"))->currentText(), QStringLiteral("B"));
        QCOMPARE(Cell(editor, 1, 1), QStringLiteral("27.1234"));
        QCOMPARE(Cell(editor, 2, 1), QString());
        QCOMPARE(Cell(editor, 9, 1), QStringLiteral("28.5000"));
        QCOMPARE(w_->windowTitle(), QStringLiteral("ZR7310N_II[24.7150 - 30.1050 MHz][File Name:new.dat]"));
        QVERIFY(!ModComm::MSComm1().PortOpen());

        // Channel 2 typed in but not committed when Write is chosen.
        w_->activateWindow();  // the user clicks into the main window again
        QVERIFY(QTest::qWaitForWindowActive(w_));
        auto* grid = editor->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
        grid->setFocus();
        const QPoint at = grid->visualRect(grid->model()->index(1, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        auto* cellEditor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(cellEditor);
        QTest::keyClicks(cellEditor, QStringLiteral("27.5"));
        boxes_->Clear();
        boxes_->Answer({MsgBox::OK, MsgBox::OK});
        QList<int> channelsInGroupB;  // when each box comes up
        WatchingBoxes watch(*boxes_, [&] { channelsInGroupB << Prog::RadioData.ChCountAt(0, 2); });
        Trigger("mnuWriteToRadio");
        QVERIFY(QTest::qWaitFor([this] { return boxes_->shown().size() == 2; }, kHangMs));
        QVERIFY(WaitIdle());
        QCOMPARE(boxes_->prompts(), QStringList({"Write data to radio.\r\nDo you wish continue?", "Write Data Completed."}));
        QCOMPARE(channelsInGroupB, QList<int>({3, 3}));  // the edit was in before the question
        QCOMPARE(radio_->Image(), RadioImageBytes());
        // HF group B channel 2 at (60 + 1) * 16 = 0x03D0: 27.5000 as 00 50 27; presence bits 0 and 1.
        QCOMPARE(radio_->Image().mid(0x3D0, 3), QByteArray::fromHex("005027"));
        QCOMPARE(radio_->Image().mid(0x5F28, 2), QByteArray::fromHex("0301"));
        QCOMPARE(Cell(editor, 2, 1), QStringLiteral("27.5000"));
    }

    // Codes that no list of the program offers, as a radio may hold them, go back unchanged:
    // read, shown in the channel editor and the optional features, saved, opened again and
    // written, the radio holds the bytes it held before.
    void codesOutsideTheListsSurviveReadSaveOpenAndWrite() {
        Connect(false);
        // The start-up data packed as the program writes it, so that every byte the
        // program does not write is what a write leaves there too.
        ModComm::InitImage();
        ModCommFun::PackImage();
        QByteArray image = RadioImageBytes();
        const auto at = [&image](int address) -> quint8 { return static_cast<quint8>(image[address]); };
        const auto put = [&image](int address, int value) { image[address] = static_cast<char>(value); };
        // HF group A, channel 1 (slot 0x0000, presence bit 0 of 0x5F20) and M1 (channel 41,
        // slot 0x0280, bit 0 of 0x5F25); byte 11 holds RepEnable in bit 0 and RepDir in bits 1-2.
        QVERIFY(at(0x5F20) & 1);
        QVERIFY(at(0x5F25) & 1);
        put(0x000B, (at(0x000B) & ~0x07) | 0x07);  // shift on, RepDir 3
        put(0x028B, (at(0x028B) & ~0x07) | 0x06);  // shift off, RepDir 3
        // EmgMode1/EmgMode2 pairs: HF A, HF B, HF L, HAM A
        for (const auto& [address, mode] : {std::pair{0x6160, 4}, {0x6161, 6}, {0x6162, 0xFF}, {0x6163, 5},
                                            {0x6176, 3}, {0x6177, 0}, {0x6180, 0xFF}, {0x6181, 1}})
            put(address, mode);
        put(0x6505, 7);                        // public mode
        put(0x6364, at(0x6364) & 0xF0);        // CurMode HF, so the editor opens on HF
        put(0x6350, at(0x6350) | 0x01);        // the weather VFO: always valid once read, so its bit is set
        radio_->SetImage(image);
        Prog::RadioData.CurGroup[0] = 1;       // not in the image: the editor opens on group A

        boxes_->Answer({MsgBox::OK, MsgBox::OK});
        Trigger("mnuReadFromRadio");
        QVERIFY(WaitIdle());
        QCOMPARE(boxes_->prompts().last(), QStringLiteral("Read Data Completed."));
        const auto stored = [](const char* what) {
            const OptFeatRec& o = Prog::RadioData.OptFeatures;
            const int a1 = ModFreFile::FindChannelByCHID(1, 0, 1), m1 = ModFreFile::FindChannelByCHID(41, 0, 1);
            QVERIFY2(a1 > 0 && m1 > 0, what);
            QVERIFY2(Prog::ChInfo(0, a1, 1).RepDir == 3 && Prog::ChInfo(0, a1, 1).RepEnable == 1, what);
            QVERIFY2(Prog::ChInfo(0, m1, 1).RepDir == 3 && Prog::ChInfo(0, m1, 1).RepEnable == 0, what);
            QVERIFY2(o.EmgMode1[0][1] == 4 && o.EmgMode2[0][1] == 6 && o.EmgMode1[0][2] == 255, what);
            QVERIFY2(o.EmgMode1[1][1] == 255 && o.Mode == 7, what);
        };
        stored("read");
        frmCommChInfo* editor = ChannelEditor(w_);
        QCOMPARE(editor->findChild<QComboBox*>(QStringLiteral("Combo6"))->currentText(), QStringLiteral("A"));
        auto* grid = editor->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
        for (int row : {1, 41}) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row - 1, 0)).center());
            QCOMPARE(grid->currentRow(), row - 1);
            // REP: "OFF", "+", "-"; RepDir 3 with the shift on has no entry
            QCOMPARE(editor->findChild<QComboBox*>(QStringLiteral("Combo8_7"))->currentIndex(), row == 1 ? -1 : 0);
        }
        QCOMPARE(editor->findChild<QComboBox*>(QStringLiteral("Combo1_2"))->currentIndex(), -1);  // PA
        QCOMPARE(editor->findChild<QComboBox*>(QStringLiteral("Combo1_5"))->currentIndex(), -1);  // 6
        Trigger("mnuOptFeature");
        QVERIFY(w_->FindChildForm(QStringLiteral("FrmOptFeatures")));
        stored("shown");

        ScriptedFileDialogs dialogs;
        const QString path = env_->Path(QStringLiteral("radio.dat"));
        dialogs.AnswerSave(path);
        Trigger("mnuFileSaveAs");
        QCOMPARE(Prog::DataFileName, path);
        boxes_->Answer(MsgBox::OK);
        Trigger("mnuFileNew");  // the template replaces the data read
        QVERIFY(Prog::RadioData.OptFeatures.Mode != 7);
        dialogs.AnswerOpen(path);
        Trigger("mnuFileOpen");
        QCOMPARE(dialogs.unscriptedCount(), 0);
        stored("opened");

        radio_->SetImage(RadioEmulator::DefaultImage());
        boxes_->Clear();
        boxes_->Answer({MsgBox::OK, MsgBox::OK});
        Trigger("mnuWriteToRadio");
        QVERIFY(QTest::qWaitFor([this] { return boxes_->shown().size() == 2; }, 60000));
        QVERIFY(WaitIdle());
        QCOMPARE(boxes_->prompts().last(), QStringLiteral("Write Data Completed."));
        const QByteArray written = radio_->Image();
        QStringList differ;
        for (int address = 0; address < 0x6600; ++address)
            if (written[address] != image[address]) differ << QString::number(address, 16);
        QCOMPARE(differ.join(u' '), QString());
    }

    void readOnAPortThatDoesNotExistOnlySaysSo() {
        qputenv(kOverride, QByteArrayLiteral("/dev/zr7310n-no-such-port"));
        const QByteArray before = WorkingData();
        boxes_->Answer(MsgBox::OK);
        Trigger("mnuReadFromRadio");
        QCOMPARE(boxes_->prompts(), QStringList{"Cannot Open Communication Port."});
        QCOMPARE(Prog::CommType, int16(0));
        QCOMPARE(WorkingData(), before);
    }

    void decliningTheQuestionClosesThePortAndChangesNothing_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("question");
        QTest::newRow("read") << "mnuReadFromRadio" << "Read data from radio.\r\nDo you wish continue?";
        QTest::newRow("write") << "mnuWriteToRadio" << "Write data to radio.\r\nDo you wish continue?";
    }
    void decliningTheQuestionClosesThePortAndChangesNothing() {
        QFETCH(QString, entry);
        QFETCH(QString, question);
        Connect(false);
        Link::RadioImage.fill(0x5A);
        const QByteArray data = WorkingData(), image = RadioImageBytes();
        QList<bool> portOpen;
        WatchingBoxes watch(*boxes_, [&] { portOpen << ModComm::MSComm1().PortOpen(); });
        boxes_->Answer(MsgBox::Cancel);
        Trigger(entry.toLatin1().constData());
        QVERIFY(QTest::qWaitFor([this] { return !boxes_->shown().empty(); }, 5000));
        QTest::qWait(50);
        QCOMPARE(boxes_->prompts(), QStringList{question});
        QCOMPARE(portOpen, QList<bool>{true});
        QVERIFY(!ModComm::MSComm1().PortOpen());
        QVERIFY(!line_->IsOpen(InProcessSerialLine::Host));
        QCOMPARE(Prog::CommType, int16(0));
        QCOMPARE(framesSeen_, 0);
        QCOMPARE(WorkingData(), data);
        QCOMPARE(RadioImageBytes(), image);
    }

    // The cable goes at the 300th frame; the read ends with the port closed, the window
    // gone, one message and the data as it was; a second read then works.
    void pullingThePortAwayEndsTheReadAndTheNextOneWorks_data() {
        QTest::addColumn<bool>("overPty");
        QTest::newRow("in-process line unplugged") << false;
        QTest::newRow("pseudo-terminal hung up") << true;
    }
    void pullingThePortAwayEndsTheReadAndTheNextOneWorks() {
        QFETCH(bool, overPty);
        Connect(overPty);
        ServeTwoChannels();
        onFrame_ = [&](const QByteArray&, int n) {
            if (n != 300) return;
            QTimer::singleShot(0, this, [this, overPty] { overPty ? pty_->Close() : line_->Unplug(); });
        };
        const QByteArray before = WorkingData();
        QPointer<frmCommChInfo> editor = ChannelEditor(w_);
        boxes_->Answer({MsgBox::OK, MsgBox::OK});
        Trigger("mnuReadFromRadio");
        QVERIFY(WaitIdle());
        QTest::qWait(200);  // a second report would show here
        QCOMPARE(boxes_->prompts(), QStringList({"Read data from radio.\r\nDo you wish continue?", "Cannot Open Communication Port."}));
        QVERIFY(!ModComm::MSComm1().PortOpen());
        QVERIFY(!ModComm::IsWaitTimerOn());
        QCOMPARE(WorkingData(), before);
        QVERIFY(editor);  // the editors were left alone

        onFrame_ = nullptr;
        if (overPty) {
            pty_.reset();
            Connect(true);
        } else {
            line_->Plug();
        }
        boxes_->Clear();
        boxes_->Answer({MsgBox::OK, MsgBox::OK});
        Trigger("mnuReadFromRadio");
        QVERIFY(WaitIdle());
        QCOMPARE(boxes_->prompts(), QStringList({"Read data from radio.\r\nDo you wish continue?", "Read Data Completed."}));
        QCOMPARE(Cell(ChannelEditor(w_), 9, 1), QStringLiteral("28.5000"));
    }

    // The radio goes silent at block 200; once that block's request has gone out unanswered,
    // the main window is resized, minimised and restored while the time-out is pending (inside
    // the progress window's modal loop, as a user would). The time-out still asks, and Cancel
    // leaves the working data as it was. (The time-out is held back until the window steps
    // are done.)
    void resizingKeepsTheTimeoutAndCancelKeepsTheData() {
        Connect(false);
        const auto stepsDone = std::make_shared<bool>(false);
        timeouts_->SetReplyMissing([this, stepsDone] { return *stepsDone && LineQuiet(*line_, *radio_); });
        // The first 200 blocks hold bytes other than the 0xFF of the cleared fill, so that
        // a served block can be told from one never served.
        QByteArray served = RadioEmulator::DefaultImage();
        for (int at = 0; at < 200 * 16; ++at) served[at] = static_cast<char>(at % 0x7F);
        radio_->SetImage(served);
        RadioEmulatorFaults faults;
        faults.silentFromBlock = 200;
        radio_->SetFaults(faults);
        int blockFrames = 0;
        QStringList atSilence;  // what held while the window was handled
        const QSize size = w_->size(), smaller(size.width() - 100, size.height() - 80);
        onFrame_ = [&](const QByteArray& frame, int) {
            if (frame[0] != 'R' || ++blockFrames != 200) return;
            QTimer::singleShot(0, this, [&] {
                auto note = [&](const char* what, bool holds) { if (!holds) atSilence << QLatin1String(what); };
                note("199 blocks served", radio_->GetCounters().blocksRead == 199);
                note("one box so far", boxes_->shown().size() == 1);
                note("timer on before", ModComm::IsWaitTimerOn());
                w_->resize(smaller);
                QTest::qWait(20);
                note("resized", w_->size() == smaller);
                w_->showMinimized();
                QTest::qWait(20);
                note("minimised", w_->isMinimized());
                w_->showNormal();
                QTest::qWait(20);
                note("restored", !w_->isMinimized());
                note("timer on after", ModComm::IsWaitTimerOn());
                note("still one box", boxes_->shown().size() == 1);
                note("still 199 blocks", radio_->GetCounters().blocksRead == 199);
                atSilence << QStringLiteral("done");
                *stepsDone = true;
            });
        };
        const QByteArray before = WorkingData();
        boxes_->Answer({MsgBox::OK, MsgBox::Cancel});
        Trigger("mnuReadFromRadio");
        QVERIFY(WaitIdle());
        QCOMPARE(atSilence.join(u','), QStringLiteral("done"));
        QCOMPARE(boxes_->prompts(),
                 QStringList({"Read data from radio.\r\nDo you wish continue?", "Check Connection. Retry or Cancel?"}));
        QCOMPARE(blockFrames, 200);  // the silent block was asked for once, then the user
        QCOMPARE(WorkingData(), before);
        QVERIFY(!ModComm::MSComm1().PortOpen());
        // The blocks read so far over the cleared fill: blocks 1 to 199 from the radio, 200 still 0xFF.
        QCOMPARE(RadioImageBytes().mid(0, 199 * 16), served.mid(0, 199 * 16));
        QCOMPARE(RadioImageBytes().mid(199 * 16, 16), QByteArray(16, '\xFF'));
    }

    // However the transfer ends, once its window has closed the main window is active again
    // and its editor has the keyboard: the next command typed reaches the program.
    void keyboardComesBackWhenTheProgressWindowCloses_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("radioAnswers");
        QTest::addColumn<QString>("lastBox");
        QTest::newRow("read completed") << "mnuReadFromRadio" << true << "Read Data Completed.";
        QTest::newRow("write completed") << "mnuWriteToRadio" << true << "Write Data Completed.";
        QTest::newRow("radio silent, read cancelled")
            << "mnuReadFromRadio" << false << "Check Connection. Retry or Cancel?";
    }
    void keyboardComesBackWhenTheProgressWindowCloses() {
        QFETCH(QString, entry);
        QFETCH(bool, radioAnswers);
        QFETCH(QString, lastBox);
        Connect(false);
        ServeTwoChannels();
        RadioEmulatorFaults faults;
        faults.silentFromBlock = radioAnswers ? 0 : 1;
        radio_->SetFaults(faults);
        QVERIFY(QTest::qWaitForWindowActive(w_));
        boxes_->Answer({MsgBox::OK, radioAnswers ? MsgBox::OK : MsgBox::Cancel});
        Trigger(entry.toLatin1().constData());
        QVERIFY(QTest::qWaitFor([this] { return boxes_->shown().size() == 2; }, kHangMs));
        QVERIFY(WaitIdle());
        QCOMPARE(boxes_->prompts().last(), lastBox);
        QTRY_COMPARE(QApplication::activeWindow(), w_);
        QVERIFY(ChannelEditor(w_)->isAncestorOf(QApplication::focusWidget()));
    }

    // The radio-information read (its entries are hidden): the handshake alone, no question,
    // no window, no message; it ends with the port closed and the data as it was.
    void radioInformationReadEndsAfterTheHandshake() {
        Connect(false);
        const QByteArray before = WorkingData();
        w_->ReadRMGDataFromRadio();
        QVERIFY(WaitIdle());
        QCOMPARE(radio_->GetCounters().framesSeen, 1);
        QCOMPARE(radio_->GetCounters().programFrames, 1);
        QCOMPARE(boxes_->prompts(), QStringList());
        QVERIFY(!ModComm::MSComm1().PortOpen());
        QCOMPARE(WorkingData(), before);
        QCOMPARE(Link::RadioImage[0x1F00], byte8(0xFF));  // the image was prepared, nothing read into it
    }

    // A write chosen just before a read: its timer runs out inside the read's window and
    // must not start a second transfer on the busy port.
    void writeTimerDuringAReadStartsNothing() {
        Connect(false);
        ServeTwoChannels();
        boxes_->Answer({MsgBox::OK, MsgBox::OK});
        Trigger("mnuWriteToRadio");
        Trigger("mnuReadFromRadio");
        QVERIFY(WaitIdle());
        QTest::qWait(100);
        QCOMPARE(boxes_->prompts(), QStringList({"Read data from radio.\r\nDo you wish continue?", "Read Data Completed."}));
        QCOMPARE(radio_->GetCounters().blocksWritten, 0);
        QCOMPARE(radio_->GetCounters().blocksRead, 1632);
    }

    // Chinese chosen in the language dialog takes effect as soon as the dialog has closed:
    // texts, every child closed, the channel editor opened anew and cascaded.
    void languageChosenInTheDialogAppliesWhenItCloses() {
        Prog::EnglishOnly = 0;
        QPointer<frmCommChInfo> before = ChannelEditor(w_);
        before->parentWidget()->move(120, 90);
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<FrmSetLanguage*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* list = dialog->findChild<QComboBox*>(QStringLiteral("Combo1"));
            list->setCurrentIndex(list->findText(QStringLiteral("Chinese")));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        });
        Trigger("mnuLanguage");
        QCOMPARE(Prog::CurLanguage, int16(2));
        QCOMPARE(Prog::PreLanguage, int16(2));
        QCOMPARE(w_->MenuEntry(QStringLiteral("mnuFile"))->text(), QStringLiteral("文件&F"));
        QVERIFY(QTest::qWaitFor([&] { return before.isNull(); }, 2000));
        frmCommChInfo* editor = ChannelEditor(w_);
        QVERIFY(editor);
        QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")});
        QCOMPARE(editor->parentWidget()->pos(), QPoint(0, 0));
    }
};

QTEST_MAIN(TestRadioCommands)
#include "tst_radio_commands.moc"
