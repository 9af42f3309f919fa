// The port settings dialog as a user meets it: which port it opens on, choosing, OK and
// Cancel, the refresh while ports come and go, and what OK leaves in the settings file.
#include "core/ProgramData.h"
#include "link/widgets/FrmComSet.h"
#include "link/widgets/ModSetComm2.h"
#include "platform/serial/ComPorts.h"
#include "platform/serial/InProcessSerialBackend.h"
#include "tests/core/CoreTestEnv.h"
#include "tests/support/UserInput.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QByteArray kSetup =
    "; written by the installer\r\n"
    "[language]\r\n"
    "CurrentLanguage=1\r\n"
    "IsFirstRun=0\r\n"
    "comPort=1\r\n"
    "Handshaking=2\r\n"
    "StopBit=2\r\n"
    "\r\n"
    "[other]\r\n"
    "comPort=7\r\n";

using UserInput::Items;

}  // namespace

class TestFrmComSet : public QObject {
    Q_OBJECT

    std::unique_ptr<CoreTestEnv> env_;
    QList<int> ports_;
    std::unique_ptr<FrmComSet> dialog_;

    FrmComSet* Open() {
        dialog_ = std::make_unique<FrmComSet>();
        dialog_->show();
        return dialog_.get();
    }
    QComboBox* Combo() const { return dialog_->findChild<QComboBox*>("Combo1"); }
    QPushButton* Button(const char* name) const { return dialog_->findChild<QPushButton*>(name); }
    QTimer* Timer() const { return dialog_->findChild<QTimer*>("ReShowComPortTimer"); }
    QByteArray SetupFile() const { return env_->ReadFile("root/language/mysetup.ini"); }

private slots:
    void init() {
        env_ = std::make_unique<CoreTestEnv>();
        env_->WriteFile("root/language/mysetup.ini", kSetup);
        ports_ = {1, 3};
        ModSetComm2::SetPortSource([this] { return ports_; });
    }
    void cleanup() {
        dialog_.reset();
        ModSetComm2::SetPortSource(nullptr);
        ComPorts::ClearInProcessLines();
        env_.reset();
    }

    void opensOnTheCurrentPortOrTheFirst_data() {
        QTest::addColumn<int>("comPort");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("selected");
        QTest::newRow("COM3 present") << 3 << "COM3" << 3;
        QTest::newRow("COM5 absent") << 5 << "COM1" << 1;
        QTest::newRow("port 0") << 0 << "COM1" << 1;
    }
    void opensOnTheCurrentPortOrTheFirst() {
        QFETCH(int, comPort);
        QFETCH(QString, shown);
        QFETCH(int, selected);
        Prog::ComPort = static_cast<int16>(comPort);
        Open();
        QCOMPARE(Items(Combo()), QStringList({"COM1", "COM3"}));
        QCOMPARE(Combo()->currentText(), shown);
        QCOMPARE(int(dialog_->SelectedPort()), selected);
        QVERIFY(Timer()->isActive());
        QCOMPARE(Timer()->interval(), 1000);
    }

    void okStoresTheChosenPortAndKeepsEveryOtherLine() {
        Prog::ComPort = 1;
        Open();
        QTest::keyClick(Combo(), Qt::Key_Down);
        QCOMPARE(Combo()->currentText(), QStringLiteral("COM3"));
        QCOMPARE(int(dialog_->SelectedPort()), 3);
        QTest::mouseClick(Button("CommandOK"), Qt::LeftButton);
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QVERIFY(!dialog_->isVisible());
        QVERIFY(!Timer()->isActive());
        QCOMPARE(int(Prog::ComPort), 3);
        QCOMPARE(SetupFile(), QByteArray("; written by the installer\r\n"
                                         "[language]\r\n"
                                         "CurrentLanguage=1\r\n"
                                         "IsFirstRun=0\r\n"
                                         "comPort=3\r\n"
                                         "Handshaking=2\r\n"
                                         "StopBit=2\r\n"
                                         "\r\n"
                                         "[other]\r\n"
                                         "comPort=7\r\n"));
    }

    void okOnAnEmptyListSetsPortZeroAndWritesNothing() {
        ports_ = {};
        Prog::ComPort = 3;
        Open();
        QCOMPARE(Combo()->count(), 0);
        QCOMPARE(Combo()->currentIndex(), -1);
        QCOMPARE(int(dialog_->SelectedPort()), 0);
        QTest::mouseClick(Button("CommandOK"), Qt::LeftButton);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(int(Prog::ComPort), 0);
        QCOMPARE(SetupFile(), kSetup);
    }

    void cancelAndTheCloseBoxChangeNothing_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }
    void cancelAndTheCloseBoxChangeNothing() {
        QFETCH(bool, closeBox);
        Prog::ComPort = 1;
        Open();
        QTest::keyClick(Combo(), Qt::Key_Down);
        QCOMPARE(int(dialog_->SelectedPort()), 3);
        if (closeBox) dialog_->close();
        else QTest::mouseClick(Button("CommandCancel"), Qt::LeftButton);
        QCOMPARE(dialog_->result(), int(QDialog::Rejected));
        QVERIFY(!dialog_->isVisible());
        QVERIFY(!Timer()->isActive());
        QCOMPARE(int(Prog::ComPort), 1);
        QCOMPARE(SetupFile(), kSetup);
    }

    // The wheel over the list steps the port only while the list has the focus.
    void wheelChangesTheListOnlyWithTheFocus() {
        Prog::ComPort = 1;
        Open();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        Button("CommandCancel")->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(Button("CommandCancel")->hasFocus());
        UserInput::Wheel(Combo(), -1);
        QCOMPARE(Combo()->currentText(), QStringLiteral("COM1"));
        QCOMPARE(int(dialog_->SelectedPort()), 1);
        QVERIFY(Button("CommandCancel")->hasFocus());

        Combo()->setFocus(Qt::TabFocusReason);
        UserInput::Wheel(Combo(), -1);
        QCOMPARE(Combo()->currentText(), QStringLiteral("COM3"));
        QCOMPARE(int(dialog_->SelectedPort()), 3);
    }

    void refreshKeepsTheChoiceWhileItsPortExists() {
        Prog::ComPort = 1;
        Open();
        QTest::keyClick(Combo(), Qt::Key_Down);  // COM3

        ports_ = {1, 2, 3};  // a port is plugged in
        dialog_->ReShowComPortTimer_Timer();
        QCOMPARE(Items(Combo()), QStringList({"COM1", "COM2", "COM3"}));
        QCOMPARE(Combo()->currentText(), QStringLiteral("COM3"));
        QCOMPARE(int(dialog_->SelectedPort()), 3);

        ports_ = {2, 4};  // the chosen one is pulled out
        dialog_->ReShowComPortTimer_Timer();
        QCOMPARE(Items(Combo()), QStringList({"COM2", "COM4"}));
        QCOMPARE(Combo()->currentText(), QStringLiteral("COM2"));
        QCOMPARE(int(dialog_->SelectedPort()), 2);

        ports_ = {};  // all gone
        dialog_->ReShowComPortTimer_Timer();
        QCOMPARE(Combo()->count(), 0);
        QCOMPARE(Combo()->currentIndex(), -1);
        QCOMPARE(int(dialog_->SelectedPort()), 0);

        ports_ = {5};
        dialog_->ReShowComPortTimer_Timer();
        QCOMPARE(Combo()->currentText(), QStringLiteral("COM5"));
        QCOMPARE(int(dialog_->SelectedPort()), 5);
        QTest::mouseClick(Button("CommandOK"), Qt::LeftButton);
        QCOMPARE(int(Prog::ComPort), 5);
        QVERIFY(SetupFile().contains("\r\ncomPort=5\r\nHandshaking=2\r\n"));
    }

    void theRunningTimerRefreshesTheList() {
        Prog::ComPort = 3;
        Open();
        ports_ = {3, 9};
        QTRY_COMPARE_WITH_TIMEOUT(Items(Combo()), QStringList({"COM3", "COM9"}), 5000);
        QCOMPARE(Combo()->currentText(), QStringLiteral("COM3"));
    }

    void portsComeFromTheSystemListThroughTheComMapping() {
        ModSetComm2::SetPortSource(nullptr);
        InProcessSerialLine com1;
        InProcessSerialLine com3;
        ComPorts::RegisterInProcessLine(1, &com1);
        ComPorts::RegisterInProcessLine(3, &com3);
        Prog::ComPort = 3;
        Open();
        // The machine's own ports may be listed as well.
        QVERIFY(Items(Combo()).contains("COM1"));
        QVERIFY(Items(Combo()).contains("COM3"));
        QCOMPARE(Combo()->currentText(), QStringLiteral("COM3"));
    }

    void captionsOfBothLanguages_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("English") << 1 << "Communication Port" << "COM" << "&OK" << "&Cancel";
        QTest::newRow("Chinese") << 2 << "通信端口" << "通信口" << "确定(&O)" << "取消(&C)";
    }
    void captionsOfBothLanguages() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, label);
        QFETCH(QString, ok);
        QFETCH(QString, cancel);
        Prog::CurLanguage = static_cast<int16>(language);
        Open();
        QCOMPARE(dialog_->windowTitle(), caption);
        auto* label1 = dialog_->findChild<QLabel*>("Label1");
        QCOMPARE(label1->text(), label);
        // Never cut off, never over the list.
        QVERIFY(label1->width() >= label1->sizeHint().width());
        QVERIFY(label1->geometry().right() < Combo()->x());
        QCOMPARE(Button("CommandOK")->text(), ok);
        QCOMPARE(Button("CommandCancel")->text(), cancel);
    }

};

QTEST_MAIN(TestFrmComSet)
#include "tst_frm_com_set.moc"
