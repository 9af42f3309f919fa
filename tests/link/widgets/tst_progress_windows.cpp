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
#include "tests/support/ReplyTimeouts.h"
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

// The program's window services as far as the progress windows go.
class ProgressServices final : public WindowServices {
public:
    ProgressServices() { SetWindowServices(this); }
    ~ProgressServices() override { SetWindowServices(nullptr); }
    void SetProgressValue(int percent, bool group) override { ProgressWindows::SetProgressValue(percent, group); }
    void SetProgressRadio(int radiosDone) override { ProgressWindows::SetProgressRadio(radiosDone); }
    void SetProgressCaption(const QString& caption) override { ProgressWindows::SetProgressCaption(caption); }
    void UnloadProgressWindow(bool group) override { ProgressWindows::UnloadProgressWindow(group); }
};

// What a progress window shows, as "what=value" lines: title, the texts, whether each
// label ends 10 twips (one pixel) before its value and is wide enough for its text.
QStringList Facts(QDialog* form) {
    QStringList facts{QStringLiteral("title=") + form->windowTitle(),
                      QStringLiteral("closeButton=%1").arg(form->windowFlags().testFlag(Qt::WindowCloseButtonHint))};
    const std::pair<const char*, const char*> pairs[] = {{"Label1", "Label2"}, {"Label4", "Label3"}};
    for (const auto& [name, valueName] : pairs) {
        auto* label = form->findChild<QLabel*>(QLatin1String(name));
        auto* value = form->findChild<QLabel*>(QLatin1String(valueName));
        if (!label) continue;
        const bool before = label->geometry().right() + 2 == value->x() && label->alignment().testFlag(Qt::AlignRight);
        const bool fits = label->width() >= label->fontMetrics().horizontalAdvance(label->text());
        facts << QStringLiteral("%1=%2").arg(QLatin1String(name), label->text())
              << QStringLiteral("%1=%2").arg(QLatin1String(valueName), value->text())
              << QStringLiteral("%1 before %2: %3 %4").arg(QLatin1String(name), QLatin1String(valueName)).arg(before).arg(fits);
    }
    return facts;
}

}  // namespace

class TestProgressWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<CoreTestEnv> env_;
    std::unique_ptr<ProgressServices> services_;
    std::unique_ptr<ScriptedMessageBoxes> boxes_;
    std::unique_ptr<InProcessSerialLine> line_;
    std::unique_ptr<RadioEmulator> radio_;
    std::unique_ptr<ReplyTimeouts> timeouts_;
    // Runs on the radio's side at every frame it sees: (frame, frames seen so far).
    std::function<void(const QByteArray&, int)> onFrame_;
    int framesSeen_ = 0;

    // What a transfer command does up to its window: open, confirm, fill.
    void Prepare(int16 commType) {
        QVERIFY(ModComm::PrepareTransfer(commType));
        ModComm::InitImage();
    }
    // Shows the window modally; a transfer that has not ended after four minutes (a hang:
    // a slow machine takes far less) is ended.
    template <typename Form>
    void RunWindow() {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, this, [] {
            qWarning("transfer did not end");
            ModComm::EndComm(false);
        });
        watchdog.start(240000);
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
        timeouts_ = std::make_unique<ReplyTimeouts>([this] { return LineQuiet(*line_, *radio_); });
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
        timeouts_.reset();
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
        QStringList facts;
        QSize size;
        onFrame_ = [&](const QByteArray&, int n) {  // the load started the transfer
            if (n != 1) return;
            facts = Facts(FrmProgress::Loaded());
            size = FrmProgress::Loaded()->size();
        };
        Prepare(static_cast<int16>(commType));
        RunWindow<FrmProgress>();

        QCOMPARE(facts, QStringList({"title=" + title, "closeButton=0", "Label1=" + label, "Label2=0%",
                                     "Label1 before Label2: 1 1"}));
        QCOMPARE(size, QSize(4860 / 15, 1410 / 15));
        QCOMPARE(Prog::CommType, int16(0));
        QVERIFY(!FrmProgress::Loaded());
        QCOMPARE(boxes_->prompts(), QStringList{ModMsg::TransferDone.Item(commType)});
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

    // The group write's window: both bars, the radio number, and a close box that ends
    // the transfer as failed (port closed, no completion message), while Escape does not.
    void groupWindowAndItsCloseBox() {
        QStringList facts;
        int16 askOnNoAnswer = 0;
        std::pair<int, int> radioBar;
        bool escapeIgnored = false;
        onFrame_ = [&](const QByteArray&, int n) {
            frmMProgress* form = frmMProgress::Loaded();
            if (n == 1) {
                facts = Facts(form);
                askOnNoAnswer = Prog::AskOnNoAnswer;
                auto* radios = form->findChild<QProgressBar*>(QStringLiteral("ProgressBar2"));
                radioBar = {radios->minimum(), radios->value()};
            } else if (n == 100) {
                QTest::keyClick(form, Qt::Key_Escape);
                escapeIgnored = form->isVisible();
                QTimer::singleShot(0, form, [form] { form->close(); });
            }
        };
        Prepare(2);
        ModCommFun::PackImage();
        Prog::MultiWrite = -1;
        RunWindow<frmMProgress>();

        QCOMPARE(facts, QStringList({"title=Write data to radio", "closeButton=1", "Label1=Completion percentage:",
                                     "Label2=0%", "Label1 before Label2: 1 1", "Label4=", "Label3=1",
                                     "Label4 before Label3: 1 1"}));
        QCOMPARE(askOnNoAnswer, int16(-1));
        QCOMPARE(radioBar, std::make_pair(1, 1));
        QVERIFY(escapeIgnored);
        QVERIFY(!frmMProgress::Loaded());
        QVERIFY(!ModComm::MSComm1().PortOpen());
        QCOMPARE(boxes_->prompts(), QStringList());
        QCOMPARE(Prog::CommType, int16(0));
        QCOMPARE(Prog::MultiWrite, int16(0));
        const int written = radio_->GetCounters().blocksWritten;
        QTest::qWait(400);  // nothing more goes out once the window is closed
        QCOMPARE(radio_->GetCounters().blocksWritten, written);
        QVERIFY(written < 1632);
    }
};

QTEST_MAIN(TestProgressWindows)
#include "tst_progress_windows.moc"
