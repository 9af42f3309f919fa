// Captions put on buttons found by name, in both languages; missing buttons are skipped.
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/widgets/CaptionSetters.h"

#include <QPushButton>
#include <QWidget>
#include <QtTest>

namespace {

// A form whose buttons sit one level down, as they would inside a frame or layout.
struct Form {
    QWidget window;
    QWidget* frame = new QWidget(&window);
    QPushButton* Add(const char* name) {
        auto* b = new QPushButton(QStringLiteral("design"), frame);
        b->setObjectName(QLatin1StringView(name));
        return b;
    }
};

}  // namespace

class TestCaptionSetters : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ModEnglish::LoadLanguageStrings(); }
    void cleanup() { Prog::Reset(); }

    void closeAndHelp_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("close");
        QTest::addColumn<QString>("help");
        QTest::newRow("English") << 1 << "&Close" << "&Help";
        QTest::newRow("Chinese") << 2 << "关闭(&C)" << "帮助(&H)";
        QTest::newRow("language 0 reads English") << 0 << "&Close" << "&Help";
        QTest::newRow("language 3 reads English") << 3 << "&Close" << "&Help";
    }
    void closeAndHelp() {
        QFETCH(int, language);
        QFETCH(QString, close);
        QFETCH(QString, help);
        Prog::CurLanguage = static_cast<int16>(language);
        Form f;
        QPushButton* closeButton = f.Add("CommandClose");
        QPushButton* helpButton = f.Add("CommandHelp");
        QPushButton* other = f.Add("Command1");
        ModEnglish::SetCommandCaptions(&f.window);
        QCOMPARE(closeButton->text(), close);
        QCOMPARE(helpButton->text(), help);
        QCOMPARE(other->text(), QStringLiteral("design"));
    }

    void dialogButtons_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("English") << 1 << "&OK" << "&Cancel";
        QTest::newRow("Chinese") << 2 << "确定(&O)" << "取消(&C)";
    }
    void dialogButtons() {
        QFETCH(int, language);
        QFETCH(QString, ok);
        QFETCH(QString, cancel);
        Prog::CurLanguage = static_cast<int16>(language);

        Form port;
        QPushButton* okButton = port.Add("CommandOK");
        QPushButton* cancelButton = port.Add("CommandCancel");
        ModMsg::SetOkCancelCaptions(&port.window);
        QCOMPARE(okButton->text(), ok);
        QCOMPARE(cancelButton->text(), cancel);

        Form lang;
        QPushButton* one = lang.Add("Command1");
        QPushButton* two = lang.Add("Command2");
        ModMsg::SetCommand12Captions(&lang.window);
        QCOMPARE(one->text(), ok);
        QCOMPARE(two->text(), cancel);
    }

    void missingButtonsAreSkipped() {
        Form f;
        QPushButton* closeButton = f.Add("CommandClose");
        ModEnglish::SetCommandCaptions(&f.window);
        QCOMPARE(closeButton->text(), QStringLiteral("&Close"));

        Form empty;
        ModMsg::SetOkCancelCaptions(&empty.window);
        ModMsg::SetCommand12Captions(&empty.window);
        ModEnglish::SetCommandCaptions(nullptr);
        ModMsg::SetOkCancelCaptions(nullptr);
        ModMsg::SetCommand12Captions(nullptr);
    }
};

QTEST_MAIN(TestCaptionSetters)
#include "tst_caption_setters.moc"
