// The language dialog as a user meets it: the texts of both languages, what OK and Cancel
// do to the language and to the settings file, and the Enter key in the list.
#include "core/ProgramData.h"
#include "shell/dialogs/FrmSetLanguage.h"
#include "tests/core/CoreTestEnv.h"
#include "tests/support/UserInput.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const QByteArray kSetup =
    "[language]\r\n"
    "CurrentLanguage=2\r\n"
    "IsFirstRun=0\r\n"
    "comPort=4\r\n"
    "; keep me\r\n"
    "Handshaking=0\r\n"
    "StopBit=1\r\n";

// kSetup with CurrentLanguage set to value.
QByteArray SetupWith(const char* value) {
    QByteArray expected = kSetup;
    expected.replace("CurrentLanguage=2", QByteArray("CurrentLanguage=") + value);
    return expected;
}

using UserInput::Items;

}  // namespace

class TestFrmSetLanguage : public QObject {
    Q_OBJECT

    std::unique_ptr<CoreTestEnv> env_;
    std::unique_ptr<FrmSetLanguage> dialog_;

    void Open(int language, int englishOnly) {
        Prog::CurLanguage = Prog::PreLanguage = static_cast<int16>(language);
        Prog::EnglishOnly = static_cast<int16>(englishOnly);
        dialog_ = std::make_unique<FrmSetLanguage>();
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    }
    QComboBox* Combo() const { return dialog_->findChild<QComboBox*>("Combo1"); }
    QPushButton* Button(const char* name) const { return dialog_->findChild<QPushButton*>(name); }
    QByteArray SetupFile() const { return env_->ReadFile("root/language/mysetup.ini"); }

private slots:
    void init() {
        env_ = std::make_unique<CoreTestEnv>();
        env_->WriteFile("root/language/mysetup.ini", kSetup);
    }
    void cleanup() {
        dialog_.reset();
        env_.reset();
    }

    void textsOfBothLanguages_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("englishOnly");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("English only")
            << 1 << 1 << "Language Setup" << "Language Mode" << QStringList{"English"} << "English" << "&OK"
            << "&Cancel";
        QTest::newRow("English, both offered") << 1 << 0 << "Language Setup" << "Language Mode"
                                               << QStringList{"English", "Chinese"} << "English" << "&OK"
                                               << "&Cancel";
        QTest::newRow("Chinese, both offered") << 2 << 0 << "语言设置" << "语言模式" << QStringList{"英语", "中文"}
                                               << "中文" << "确定(&O)" << "取消(&C)";
        // The current language is not in the list: its first item shows.
        QTest::newRow("Chinese, English only")
            << 2 << 1 << "语言设置" << "语言模式" << QStringList{"英语"} << "英语" << "确定(&O)" << "取消(&C)";
        QTest::newRow("language 0 reads English")
            << 0 << 0 << "Language Setup" << "Language Mode" << QStringList{"English", "Chinese"} << "English"
            << "&OK" << "&Cancel";
    }
    void textsOfBothLanguages() {
        QFETCH(int, language);
        QFETCH(int, englishOnly);
        QFETCH(QString, caption);
        QFETCH(QString, label);
        QFETCH(QStringList, items);
        QFETCH(QString, shown);
        QFETCH(QString, ok);
        QFETCH(QString, cancel);
        Open(language, englishOnly);
        QCOMPARE(dialog_->windowTitle(), caption);
        auto* label1 = dialog_->findChild<QLabel*>("Label1");
        QCOMPARE(label1->text(), label);
        // Never cut off, never over the list.
        QVERIFY(label1->width() >= label1->sizeHint().width());
        QVERIFY(label1->geometry().right() < Combo()->x());
        QCOMPARE(Items(Combo()), items);
        QCOMPARE(Combo()->currentText(), shown);
        QCOMPARE(Button("Command1")->text(), ok);
        QCOMPARE(Button("Command2")->text(), cancel);
    }

    void okWithEnglishOnlyKeepsTheLanguageAndRecordsIt() {
        Open(1, 1);
        QTest::mouseClick(Button("Command1"), Qt::LeftButton);
        QCOMPARE(dialog_->result(), int(QDialog::Accepted));
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(int(Prog::CurLanguage), 1);
        QCOMPARE(int(Prog::PreLanguage), 1);
        QCOMPARE(SetupFile(), SetupWith("1"));
    }

    void choosingTheOtherLanguageAndOk_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("English to Chinese") << 1 << int(Qt::Key_Down) << 2;
        QTest::newRow("Chinese to English") << 2 << int(Qt::Key_Up) << 1;
    }
    void choosingTheOtherLanguageAndOk() {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        Open(from, 0);
        QTest::keyClick(Combo(), Qt::Key(key));
        QTest::mouseClick(Button("Command1"), Qt::LeftButton);
        QCOMPARE(int(Prog::PreLanguage), from);
        QCOMPARE(int(Prog::CurLanguage), to);
        QCOMPARE(SetupFile(), SetupWith(to == 1 ? "1" : "2"));
    }

    void cancelAfterChangingTheChoiceChangesNothing() {
        Open(1, 0);
        QTest::keyClick(Combo(), Qt::Key_Down);
        QCOMPARE(Combo()->currentText(), QStringLiteral("Chinese"));
        QTest::mouseClick(Button("Command2"), Qt::LeftButton);
        QCOMPARE(dialog_->result(), int(QDialog::Rejected));
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(int(Prog::CurLanguage), 1);
        QCOMPARE(int(Prog::PreLanguage), 1);
        QCOMPARE(SetupFile(), kSetup);
    }

    void wheelOverTheListWithoutTheFocusChangesNothing() {
        Open(1, 0);
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        Button("Command1")->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(Button("Command1")->hasFocus());
        UserInput::Wheel(Combo(), -1);
        QCOMPARE(Combo()->currentText(), QStringLiteral("English"));
        QVERIFY(Button("Command1")->hasFocus());
        QTest::keyClick(Button("Command1"), Qt::Key_Return);
        QCOMPARE(int(Prog::CurLanguage), 1);
        QCOMPARE(SetupFile(), SetupWith("1"));
    }

    void okWithABadLanguageValueMakesItEnglish() {
        Open(0, 0);
        QTest::mouseClick(Button("Command1"), Qt::LeftButton);
        QCOMPARE(int(Prog::CurLanguage), 1);
        QCOMPARE(SetupFile(), SetupWith("1"));
    }

    void enterInTheListMovesOnInsteadOfClosing() {
        Open(1, 0);
        QTest::keyClick(Combo(), Qt::Key_Down);
        QTRY_VERIFY(Combo()->hasFocus());
        QTest::keyClick(Combo(), Qt::Key_Return);
        QVERIFY(dialog_->isVisible());
        QVERIFY(Button("Command1")->hasFocus());
        QCOMPARE(int(Prog::CurLanguage), 1);
        QCOMPARE(SetupFile(), kSetup);
        // Enter on the focused OK button then confirms the choice.
        QTest::keyClick(Button("Command1"), Qt::Key_Return);
        QVERIFY(!dialog_->isVisible());
        QCOMPARE(int(Prog::CurLanguage), 2);
    }

};

QTEST_MAIN(TestFrmSetLanguage)
#include "tst_frm_set_language.moc"
