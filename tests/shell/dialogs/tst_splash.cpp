// The splash window: the picture of the current language, and the main window opened
// once, by a click or by the two-second timer.
#include "core/ProgramData.h"
#include "shell/dialogs/frmSplash.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestSplash : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        // Told apart by their sizes.
        QImage english(40, 20, QImage::Format_RGB32);
        english.fill(Qt::red);
        QVERIFY(english.save(dir_.filePath("StartE.jpg"), "JPG"));
        QImage chinese(20, 40, QImage::Format_RGB32);
        chinese.fill(Qt::blue);
        QVERIFY(chinese.save(dir_.filePath("StartC.jpg"), "JPG"));
    }
    void init() { Prog::ProgramDir = dir_.path(); }
    void cleanup() { Prog::Reset(); }

    void showsThePictureOfTheCurrentLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QSize>("picture");
        QTest::newRow("English: StartE.jpg") << 1 << QSize(40, 20);
        QTest::newRow("Chinese: StartC.jpg") << 2 << QSize(20, 40);
        QTest::newRow("language 3: none") << 3 << QSize(0, 0);
    }
    void showsThePictureOfTheCurrentLanguage() {
        QFETCH(int, language);
        QFETCH(QSize, picture);
        Prog::CurLanguage = static_cast<int16>(language);
        frmSplash splash(nullptr);
        const QLabel* logo = splash.findChild<QLabel*>("picLogo");
        QCOMPARE(logo->pixmap().size(), picture);
        if (picture.isEmpty()) QCOMPARE(logo->text(), QStringLiteral("ZRW7310N_II"));
        QCOMPARE(splash.size(), QSize(635, 446));
        QVERIFY(splash.findChild<QTimer*>("Timer1")->isActive());
        QCOMPARE(splash.findChild<QTimer*>("Timer1")->interval(), 2000);
    }

    void aClickEndsItEarlyAndOpensTheMainWindowOnce() {
        int opened = 0;
        QPointer<frmSplash> splash = frmSplash::ShowSplash([&opened] { ++opened; });
        QVERIFY(QTest::qWaitForWindowExposed(splash.data()));
        QTest::mouseClick(splash->findChild<QLabel*>("picLogo"), Qt::LeftButton);
        QCOMPARE(opened, 1);
        QTRY_VERIFY(splash.isNull());
        QTest::qWait(2500);  // past the timer's time
        QCOMPARE(opened, 1);
    }

    void withoutAClickTheTimerEndsIt() {
        Prog::ProgramDir = QStringLiteral("/nonexistent");  // and a missing picture is no obstacle
        int opened = 0;
        QPointer<frmSplash> splash = frmSplash::ShowSplash([&opened] { ++opened; });
        QTRY_COMPARE_WITH_TIMEOUT(opened, 1, 10000);
        QTRY_VERIFY(splash.isNull());
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
