// The two about boxes: their texts, which one Help > About opens, closing, and the
// system-information launch of the Chinese box.
#include "ScriptedMessageBoxes.h"
#include "RecordingProcess.h"
#include "core/ProgramData.h"
#include "shell/dialogs/AboutBoxes.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QString LabelText(const QWidget* box, const char* name) { return box->findChild<QLabel*>(name)->text(); }

}  // namespace

class TestAboutBoxes : public QObject {
    Q_OBJECT

    QByteArray savedPath_;

private slots:
    void initTestCase() { savedPath_ = qgetenv("PATH"); }
    void cleanup() {
        qputenv("PATH", savedPath_);
        Prog::Reset();
    }

    void textsOfBothBoxes_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("forRadio");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QSize>("size");
        QTest::newRow("FrmAbout2") << true << "About ZRW7310N" << "Version 3.0.0"
                                   << "ZRW7310N RADIO PROGRAMMING SOFTWARE" << "FOR ZR7310N RADIO" << "&OK"
                                   << QSize(402, 249);
        QTest::newRow("frmAbout") << false << "关于 ZRW7310N" << "版本 3.0.0" << "ZRW7310N 对讲机编程软件 "
                                  << "用于 ZR7310N 机型" << "确定(&O)" << QSize(391, 242);
    }
    void textsOfBothBoxes() {
        QFETCH(bool, english);
        QFETCH(QString, caption);
        QFETCH(QString, version);
        QFETCH(QString, description);
        QFETCH(QString, forRadio);
        QFETCH(QString, ok);
        QFETCH(QSize, size);
        // Each box keeps its own language whatever the current one is.
        Prog::CurLanguage = english ? 2 : 1;
        std::unique_ptr<QDialog> box;
        if (english) box = std::make_unique<FrmAbout2>();
        else box = std::make_unique<frmAbout>();
        QCOMPARE(box->windowTitle(), caption);
        QCOMPARE(LabelText(box.get(), "lblTitle"), QStringLiteral("ZRW7310N_II"));
        QCOMPARE(LabelText(box.get(), "lblVersion"), version);
        QCOMPARE(LabelText(box.get(), "lblDescription"), description);
        QCOMPARE(LabelText(box.get(), "Label1"), forRadio);
        QVERIFY(!LabelText(box.get(), "lblDisclaimer").isEmpty());
        QCOMPARE(box->findChild<QPushButton*>("cmdOK")->text(), ok);
        QVERIFY(!box->findChild<QLabel*>("picIcon")->pixmap().isNull());
        QCOMPARE(box->size(), size);
    }

    void theChineseBoxHidesItsSystemInformationButton() {
        frmAbout box;
        box.show();
        auto* sysInfo = box.findChild<QPushButton*>("cmdSysInfo");
        QVERIFY(sysInfo);
        QCOMPARE(sysInfo->text(), QStringLiteral("系统信息(&S)..."));
        QVERIFY(!sysInfo->isVisible());
        QVERIFY(box.findChild<QPushButton*>("cmdOK")->isVisible());
    }

    void helpAboutOpensTheBoxOfTheCurrentLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("version");
        QTest::newRow("English") << 1 << "FrmAbout2" << "Version 3.0.0";
        QTest::newRow("Chinese") << 2 << "frmAbout" << "版本 3.0.0";
    }
    void helpAboutOpensTheBoxOfTheCurrentLanguage() {
        QFETCH(int, language);
        QFETCH(QString, form);
        QFETCH(QString, version);
        Prog::CurLanguage = static_cast<int16>(language);
        QString opened;
        QString shownVersion;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            opened = box->objectName();
            shownVersion = LabelText(box, "lblVersion");
            QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        AboutBoxes::ShowAboutBox(nullptr);  // returns once OK has closed the box
        QCOMPARE(opened, form);
        QCOMPARE(shownVersion, version);
    }

    void systemInformationStartsTheToolOrSaysWhyNot_data() {
        QTest::addColumn<bool>("toolPresent");
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QStringList>("boxes");
        const QStringList unavailable{"此时系统信息不可用"};
        QTest::newRow("started") << true << true << QStringList();
        QTest::newRow("start refused") << true << false << unavailable;
        QTest::newRow("no tool") << false << true << unavailable;
    }
    void systemInformationStartsTheToolOrSaysWhyNot() {
        QFETCH(bool, toolPresent);
        QFETCH(bool, startSucceeds);
        QFETCH(QStringList, boxes);
        QTemporaryDir bin;
        const QString tool = QDir(bin.path()).filePath("hardinfo");
        if (toolPresent) {
            QFile f(tool);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", bin.path().toLocal8Bit());
        ScriptedMessageBoxes shown;
        RecordingProcess process;
        process.SetStartSucceeds(startSucceeds);
        frmAbout box;
        box.StartSysInfo();
        QCOMPARE(process.started(), toolPresent ? QStringList{tool} : QStringList());
        QCOMPARE(shown.prompts(), boxes);
        for (const auto& b : shown.shown()) QCOMPARE(b.style, int(MsgBox::OKOnly));
    }
};

QTEST_MAIN(TestAboutBoxes)
#include "tst_about_boxes.moc"
