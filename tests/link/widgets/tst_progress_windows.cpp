// The progress windows during real transfers against the radio emulator on an in-process
// line: what they show when they open, the percentage as it grows and restarts, the keys
// and close requests that must not take the single window away, and the group write's
// close box.
#include "core/ProgramData.h"
#include "core/WindowServices.h"
#include "core/lang/ModMsg.h"
#include "link/LinkData.h"
#include "link/ModComm.h"
#include "link/ModCommFun.h"
#include "link/widgets/FrmProgress.h"
#include "link/widgets/ProgressWindows.h"
#include "link/widgets/frmMProgress.h"
#include "platform/serial/ComPorts.h"
#include "platform/serial/InProcessSerialBackend.h"
#include "platform/serial/MSComm.h"
#include "tests/core/CoreTestEnv.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/emulator/RadioEmulator.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr int kCom = 4;

// The program's window services as far as the progress windows go; the other calls of the
// end of a read are only recorded.
class ProgressServices final : public WindowServices {
public:
    ProgressServices() { SetWindowServices(this); }
    ~ProgressServices() override { SetWindowServices(nullptr); }
    void SetProgressValue(int percent, bool group) override { ProgressWindows::SetProgressValue(percent, group); }
    void SetProgressRadio(int radiosDone) override { ProgressWindows::SetProgressRadio(radiosDone); }
    void SetProgressCaption(const QString& caption) override { ProgressWindows::SetProgressCaption(caption); }
    void UnloadProgressWindow(bool group) override {
        calls << QStringLiteral("UnloadProgressWindow");
        ProgressWindows::UnloadProgressWindow(group);
    }
    void UnloadChildForms() override { calls << QStringLiteral("UnloadChildForms"); }
    QStringList calls;
};

// What a window showed when the radio saw the first frame of its transfer.
struct FirstLook {
    bool taken = false;
    bool visible = false;
    QString title, label1, label2, label3, label4;
    QRect label1Rect, label2Rect, label4Rect, label3Rect;
    Qt::Alignment label1Align;
    int label1TextWidth = 0;
    QSize size;
    bool closeButton = false;
};

template <typename Form>
FirstLook Look(Form* form) {
    FirstLook look;
    look.taken = true;
    look.visible = form->isVisible();
    look.title = form->windowTitle();
    auto* l1 = form->template findChild<QLabel*>(QStringLiteral("Label1"));
    auto* l2 = form->template findChild<QLabel*>(QStringLiteral("Label2"));
    look.label1 = l1->text();
    look.label2 = l2->text();
    look.label1Rect = l1->geometry();
    look.label2Rect = l2->geometry();
    look.label1Align = l1->alignment();
    look.label1TextWidth = l1->fontMetrics().horizontalAdvance(l1->text());
    if (auto* l3 = form->template findChild<QLabel*>(QStringLiteral("Label3"))) {
        look.label3 = l3->text();
        look.label3Rect = l3->geometry();
    }
    if (auto* l4 = form->template findChild<QLabel*>(QStringLiteral("Label4"))) {
        look.label4 = l4->text();
        look.label4Rect = l4->geometry();
    }
    look.size = form->size();
    look.closeButton = form->windowFlags().testFlag(Qt::WindowCloseButtonHint);
    return look;
}

}  // namespace

class TestProgressWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<CoreTestEnv> env_;
    std::unique_ptr<ProgressServices> services_;
    std::unique_ptr<ScriptedMessageBoxes> boxes_;
    std::unique_ptr<InProcessSerialLine> line_;
    std::unique_ptr<RadioEmulator> radio_;
    // Runs on the radio's side at every frame it sees: (frame, frames seen so far).
    std::function<void(const QByteArray&, int)> onFrame_;
    int framesSeen_ = 0;

    // What a transfer command does up to its window: open, confirm, fill.
    void Prepare(int16 commType) {
        QVERIFY(ModComm::PrepareTransfer(commType));
        ModComm::InitImage();
    }
    // Shows the window modally; a transfer that has not ended after a minute is ended.
    template <typename Form>
    void RunWindow() {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, this, [] {
            qWarning("transfer did not end");
            ModComm::EndComm(false);
        });
        watchdog.start(60000);
        Form::ShowModal(nullptr);
        QVERIFY(watchdog.isActive());
    }
    // Bar values as they change, each with the label text at that moment.
    static void RecordBar(QWidget* form, QList<int>* values, QStringList* labels) {
        auto* bar = form->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
        auto* label = form->findChild<QLabel*>(QStringLiteral("Label2"));
        QObject::connect(bar, &QProgressBar::valueChanged, bar, [=](int v) {
            *values << v;
            *labels << label->text();
        });
    }

private slots:
    void init() {
        env_ = std::make_unique<CoreTestEnv>();
        services_ = std::make_unique<ProgressServices>();
        boxes_ = std::make_unique<ScriptedMessageBoxes>();
        Link::Reset();
        Prog::SoftModel = QStringLiteral("ZR73103");
        Prog::ComPort = kCom;
        line_ = std::make_unique<InProcessSerialLine>();
        radio_ = std::make_unique<RadioEmulator>();
        ComPorts::RegisterInProcessLine(kCom, line_.get());
        QVERIFY(radio_->Attach(line_.get()));
        framesSeen_ = 0;
        onFrame_ = nullptr;
        connect(radio_.get(), &RadioEmulator::frameSeen, this, [this](const QByteArray& frame) {
            ++framesSeen_;
            if (onFrame_) onFrame_(frame, framesSeen_);
        });
    }
    void cleanup() {
        if (Prog::CommType != 0) ModComm::EndComm(false);
        ModComm::CloseCommPort();
        radio_->Detach();
        ComPorts::ClearInProcessLines();
        radio_.reset();
        line_.reset();
        boxes_.reset();
        services_.reset();
        Link::Reset();
        env_.reset();
        Prog::CurLanguage = 1;
    }

    void singleWindowOpensWithTitleAndRightAlignedLabel_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("commType");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("label");
        QTest::newRow("read, English") << 1 << 1 << "Read data from radio" << "Completion percentage:";
        QTest::newRow("write, English") << 1 << 2 << "Write data to radio" << "Completion percentage:";
        QTest::newRow("read, Chinese") << 2 << 1 << "从对讲机读取数据" << "完成进度:";
        QTest::newRow("write, Chinese") << 2 << 2 << "向对讲机写入数据" << "完成进度:";
    }
    void singleWindowOpensWithTitleAndRightAlignedLabel() {
        QFETCH(int, language);
        QFETCH(int, commType);
        QFETCH(QString, title);
        QFETCH(QString, label);
        Prog::CurLanguage = static_cast<int16>(language);
        FirstLook look;
        onFrame_ = [&](const QByteArray&, int n) {
            if (n == 1) look = Look(FrmProgress::Loaded());
        };
        Prepare(static_cast<int16>(commType));
        RunWindow<FrmProgress>();

        QVERIFY(look.taken);  // the load started the transfer: "PROGRAM" reached the radio
        QVERIFY(look.visible);
        QCOMPARE(look.title, title);
        QCOMPARE(look.label1, label);
        QCOMPARE(look.label2, QStringLiteral("0%"));
        QCOMPARE(look.size, QSize(4860 / 15, 1410 / 15));
        QVERIFY(!look.closeButton);
        // "0%" at 2880 twips; the label ends 10 twips (a pixel) before it and shows its text whole.
        QCOMPARE(look.label2Rect.x(), 192);
        QVERIFY(look.label1Align.testFlag(Qt::AlignRight));
        QCOMPARE(look.label1Rect.x() + look.label1Rect.width() + 1, look.label2Rect.x());
        QVERIFY(look.label1Rect.width() >= look.label1TextWidth);
        QVERIFY(look.label1Rect.width() >= 1080 / 15);

        QCOMPARE(Prog::CommType, int16(0));
        QVERIFY(!FrmProgress::Loaded());
        QCOMPARE(services_->calls.count(QStringLiteral("UnloadProgressWindow")), 1);
        QCOMPARE(boxes_->prompts().last(),
                 commType == 1 ? ModMsg::TransferDone.Item(1) : ModMsg::TransferDone.Item(2));
    }

    // Reply 500 is the block at 0x1F10 (replies 1 and 2 answer the handshake and the
    // identity): after the block at 0x1F00, 7936 * 100 / 26112 = 30.4 %, the time-out asks,
    // OK starts again from "PROGRAM" and the display from 0 %.
    void percentageOnlyGrowsExceptToZeroAtARestart() {
        RadioEmulatorFaults faults;
        faults.dropReplies = {500};
        radio_->SetFaults(faults);
        boxes_->Answer({MsgBox::OK, MsgBox::OK});
        QList<int> values;
        QStringList labels;
        onFrame_ = [&](const QByteArray&, int n) {
            if (n == 1) RecordBar(FrmProgress::Loaded(), &values, &labels);
        };
        Prepare(1);
        RunWindow<FrmProgress>();

        QList<int> expected;
        for (int p = 1; p <= 30; ++p) expected << p;
        expected << 0;
        for (int p = 1; p <= 100; ++p) expected << p;
        QCOMPARE(values, expected);
        QStringList expectedLabels;
        for (int p : expected) expectedLabels << QString::number(p) + u'%';
        QCOMPARE(labels, expectedLabels);
        QCOMPARE(boxes_->prompts(), QStringList({ModMsg::RetryQuestion.Text(), ModMsg::TransferDone.Item(1)}));
    }

    // Neither Escape nor a close request from the window system may take the window away
    // from under a running transfer: the menus would come back while the port is busy.
    void escapeAndCloseRequestsLeaveTheSingleWindow() {
        bool stillThere = false;
        onFrame_ = [&](const QByteArray& frame, int n) {
            FrmProgress* form = FrmProgress::Loaded();
            if (n == 100) {
                QTest::keyClick(form, Qt::Key_Escape);
                form->close();
            }
            if (n == 200) stillThere = form->isVisible() && frame[0] == 'W';
        };
        Prepare(2);
        RunWindow<FrmProgress>();
        QVERIFY(stillThere);
        QCOMPARE(boxes_->prompts(), QStringList{ModMsg::TransferDone.Item(2)});
        QCOMPARE(radio_->GetCounters().blocksWritten, 1632);
    }

    void valuesOutsideTheBarAreRefusedWithABox() {
        QStringList seen;
        int barAfter = -1;
        onFrame_ = [&](const QByteArray&, int n) {
            if (n != 1) return;
            FrmProgress* form = FrmProgress::Loaded();
            form->SetProgressValue(101);
            form->SetProgressValue(-1);
            seen = boxes_->prompts();
            form->SetProgressValue(100);
            barAfter = form->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value();
        };
        boxes_->Answer({MsgBox::OK, MsgBox::OK});
        Prepare(1);
        RunWindow<FrmProgress>();
        QCOMPARE(seen, QStringList({"SetProgressValueError", "SetProgressValueError"}));
        QCOMPARE(barAfter, 100);
    }

    void groupWindowOpensWithBothBarsAndWritesTheRadio() {
        FirstLook look;
        int16 askOnNoAnswer = 0;
        int radioBarMin = -1, radioBarValue = -1;
        QList<int> values;
        QStringList labels;
        onFrame_ = [&](const QByteArray&, int n) {
            if (n != 1) return;
            frmMProgress* form = frmMProgress::Loaded();
            look = Look(form);
            askOnNoAnswer = Prog::AskOnNoAnswer;
            auto* radios = form->findChild<QProgressBar*>(QStringLiteral("ProgressBar2"));
            radioBarMin = radios->minimum();
            radioBarValue = radios->value();
            RecordBar(form, &values, &labels);
        };
        Prepare(2);
        ModCommFun::PackImage();
        Prog::MultiWrite = -1;
        RunWindow<frmMProgress>();

        QVERIFY(look.visible);
        QCOMPARE(look.title, QStringLiteral("Write data to radio"));
        QCOMPARE(look.label1, QStringLiteral("Completion percentage:"));
        QCOMPARE(look.label2, QStringLiteral("0%"));
        QCOMPARE(look.label3, QStringLiteral("1"));
        QCOMPARE(look.label4, QString());
        QCOMPARE(look.size, QSize(4680 / 15, 3195 / 15));
        QVERIFY(look.closeButton);
        QCOMPARE(look.label1Rect.x() + look.label1Rect.width() + 1, look.label2Rect.x());
        QCOMPARE(look.label4Rect.x() + look.label4Rect.width() + 1, look.label3Rect.x());
        QCOMPARE(askOnNoAnswer, int16(-1));
        QCOMPARE(radioBarMin, 1);
        QCOMPARE(radioBarValue, 1);
        // A write shows its percentage before each block: the last, 0x65F0, is 99.94 %.
        QCOMPARE(values.first(), 1);
        QCOMPARE(values.last(), 100);
        QCOMPARE(labels.last(), QStringLiteral("100%"));
        QCOMPARE(boxes_->prompts(), QStringList{ModMsg::TransferDone.Item(2)});
        QCOMPARE(radio_->Image(), QByteArray(reinterpret_cast<const char*>(Link::RadioImage.data()), 0x6600));
        QVERIFY(!frmMProgress::Loaded());
        QCOMPARE(Prog::MultiWrite, int16(0));
    }

    void groupWindowCloseBoxEndsTheWriteAsFailed() {
        bool escapeIgnored = false;
        onFrame_ = [&](const QByteArray&, int n) {
            if (n != 100) return;
            frmMProgress* form = frmMProgress::Loaded();
            QTest::keyClick(form, Qt::Key_Escape);
            escapeIgnored = form->isVisible();
            QTimer::singleShot(0, form, [form] { form->close(); });
        };
        Prepare(2);
        ModCommFun::PackImage();
        Prog::MultiWrite = -1;
        RunWindow<frmMProgress>();

        QVERIFY(escapeIgnored);
        QVERIFY(!frmMProgress::Loaded());
        QVERIFY(!ModComm::MSComm1().PortOpen());
        QCOMPARE(boxes_->prompts(), QStringList());
        QCOMPARE(Prog::CommType, int16(0));
        QCOMPARE(Prog::MultiWrite, int16(0));
        QCOMPARE(Link::MultiFormShown, int16(0));
        QVERIFY(!ModComm::IsWaitTimerOn());
        const int written = radio_->GetCounters().blocksWritten;
        QTest::qWait(400);  // nothing more goes out once the window is closed
        QCOMPARE(radio_->GetCounters().blocksWritten, written);
        QVERIFY(written < 1632);
    }
};

QTEST_MAIN(TestProgressWindows)
#include "tst_progress_windows.moc"
