// The main window's placement kept in the per-user settings store between runs, and its
// tiled background picture, with the pictures missing, damaged or too small.
#include "ScriptedMessageBoxes.h"
#include "ShellTestEnv.h"
#include "core/ModFreFile.h"
#include "shell/BackgroundTiler.h"
#include "shell/WindowPlacement.h"

#include <QMdiArea>
#include <QSettings>

namespace {


QStringList StoredPlacement() {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ZRW7310N_II"), QStringLiteral("ZRW7310N_II"));
    s.beginGroup(QStringLiteral("Settings"));
    QStringList values;
    for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
        values << s.value(QLatin1String(key), QStringLiteral("-")).toString();
    return values;
}

void Store(const char* key, const QString& value) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ZRW7310N_II"), QStringLiteral("ZRW7310N_II"));
    s.setValue(QStringLiteral("Settings/") + QLatin1String(key), value);
}

void ClearStore() {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ZRW7310N_II"), QStringLiteral("ZRW7310N_II"));
    s.clear();
}

QBrush Background(frmMain* w) { return w->MdiArea()->background(); }

void WritePicture(const QString& path, QSize size, QColor color) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    QVERIFY(img.save(path, "JPG", 100));
}

}  // namespace

class TestPlacementBackground : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/.config")).toUtf8());
        RegisterFakeEditors({QStringLiteral("frmCommChInfo")});
    }
    void init() { ClearStore(); }

    // The placement is the window's outer frame (the offscreen platform frames windows with
    // 2 pixels on every side).
    void firstRunOpensAtTheDefaultPlacement() {
        ShellTestEnv env;
        frmMain* w = env.Start();
        QCOMPARE(w->frameGeometry(), QRect(7, 7, 967, 700));  // 100, 100, 14500 x 10500 twips
        QCOMPARE(w->size(), QSize(963, 696));
    }

    void placementRoundTrip() {
        const QStringList stored{"600", "900", "12000", "7500"};  // 40, 60, 800 x 500 pixels
        for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
            Store(key, stored[StoredPlacement().indexOf(QStringLiteral("-"))]);
        {
            ShellTestEnv env;
            frmMain* w = env.Start();
            QCOMPARE(w->frameGeometry(), QRect(40, 60, 800, 500));
            QVERIFY(w->close());
            QCOMPARE(StoredPlacement(), stored);
        }
        ShellTestEnv env;
        frmMain* w = env.Start();
        w->move(20, 30);
        w->resize(600, 400);
        QTRY_COMPARE(w->frameGeometry(), QRect(20, 30, 604, 404));
        QVERIFY(w->close());
        QCOMPARE(StoredPlacement(), (QStringList{"300", "450", "9060", "6060"}));
    }

    // A maximised window stores the screen it filled and comes back filling it, not a frame
    // taller than the screen.
    void maximisedWindowComesBackOnTheScreen() {
        QRect screen;
        {
            ShellTestEnv env;
            frmMain* w = env.Start();
            w->showMaximized();
            screen = w->screen()->availableGeometry();
            QTRY_COMPARE(w->frameGeometry(), screen);
            QVERIFY(w->close());
        }
        QCOMPARE(StoredPlacement(), (QStringList{"0", "0", "12000", "12000"}));  // the 800 x 800 screen
        ShellTestEnv env;
        frmMain* w = env.Start();
        QCOMPARE(w->frameGeometry(), screen);
    }

    void minimisedWindowStoresNothing() {
        Store("MainLeft", QStringLiteral("300"));
        ShellTestEnv env;
        frmMain* w = env.Start();
        w->move(100, 100);
        w->showMinimized();
        QTRY_VERIFY(w->isMinimized());
        QVERIFY(w->close());
        QCOMPARE(StoredPlacement(), (QStringList{"300", "-", "-", "-"}));
    }

    void cancelledCloseStoresNothing() {
        ShellTestEnv env;
        ScriptedMessageBoxes boxes;
        frmMain* w = env.Start();
        Prog::RadioData.OptFeatures.MicGain = 3;
        QVERIFY(ModFreFile::IsDataModified());
        boxes.Answer(MsgBox::Cancel);
        QVERIFY(!w->close());
        QCOMPARE(StoredPlacement(), (QStringList{"-", "-", "-", "-"}));
        boxes.Answer(MsgBox::No);
        QVERIFY(w->close());
        QCOMPARE(StoredPlacement().size(), 4);
        QVERIFY(!StoredPlacement().contains(QStringLiteral("-")));
    }

    void unusableStoredValuesGiveTheDefaults() {
        Store("MainLeft", QStringLiteral("left"));
        Store("MainTop", QStringLiteral("300"));
        Store("MainWidth", QStringLiteral("-15"));
        Store("MainHeight", QStringLiteral("1e12"));
        ShellTestEnv env;
        frmMain* w = env.Start();
        QCOMPARE(w->frameGeometry(), QRect(7, 20, 967, 700));
    }

    // Left 30000, Top 24000 twips (2000, 1600 pixels) were stored beside a second monitor;
    // on the 800 x 800 screen alone the window opens at the default placement, and the
    // stored values stay until the window stores its own on closing.
    void placementOffEveryScreenGivesTheDefault() {
        Store("MainLeft", QStringLiteral("30000"));
        Store("MainTop", QStringLiteral("24000"));
        ShellTestEnv env;
        frmMain* w = env.Start();
        QCOMPARE(w->frameGeometry(), QRect(7, 7, 967, 700));
        QCOMPARE(StoredPlacement(), (QStringList{"30000", "24000", "-", "-"}));
        QVERIFY(w->close());
        QCOMPARE(StoredPlacement(), (QStringList{"105", "105", "14505", "10500"}));
    }

    // Screens side by side: A 0,0 1280 x 1024 (a panel takes its bottom 40), B 1280,0 1920 x 1080.
    void titleBarReachable_data() {
        QTest::addColumn<QRect>("outer");
        QTest::addColumn<bool>("reachable");
        QTest::newRow("on A") << QRect(100, 100, 800, 600) << true;
        QTest::newRow("on B") << QRect(2000, 300, 800, 600) << true;
        QTest::newRow("across A and B") << QRect(1000, 100, 800, 600) << true;
        QTest::newRow("right of B") << QRect(3300, 100, 800, 600) << false;
        QTest::newRow("below both, a corner on A") << QRect(1100, 1070, 800, 600) << false;
        QTest::newRow("title bar above A, the rest on it") << QRect(100, -300, 800, 600) << false;
        QTest::newRow("title bar on the panel") << QRect(100, 990, 800, 600) << false;
        QTest::newRow("a grip's width on B") << QRect(3152, 0, 800, 600) << true;
        QTest::newRow("less than a grip's width on B") << QRect(3153, 0, 800, 600) << false;
        QTest::newRow("half a title bar above A") << QRect(100, -12, 800, 600) << true;
        QTest::newRow("more than half above A") << QRect(100, -13, 800, 600) << false;
        QTest::newRow("a tiny window on A") << QRect(10, 10, 5, 5) << true;
        QTest::newRow("no screen") << QRect(100, 100, 800, 600) << false;
    }
    void titleBarReachable() {
        QFETCH(QRect, outer);
        QFETCH(bool, reachable);
        QList<QRect> areas{QRect(0, 0, 1280, 984), QRect(1280, 0, 1920, 1080)};
        if (QByteArray(QTest::currentDataTag()) == "no screen") areas.clear();
        QCOMPARE(WindowPlacement::TitleBarReachable(outer, areas), reachable);
    }

    // Background -------------------------------------------------------------------------------

    void shippedPictureTilesTheWholeWindow() {
        ShellTestEnv env;
        frmMain* w = env.Start();
        const QBrush brush = Background(w);
        QCOMPARE(brush.style(), Qt::TexturePattern);
        QCOMPARE(brush.textureImage().size(), w->frameGeometry().size());
        w->resize(700, 520);
        QTRY_COMPARE(Background(w).textureImage().size(), w->frameGeometry().size());
    }

    void pictureOfTheCurrentLanguage() {
        ShellTestEnv env;
        WritePicture(env.ProgramDir() + QStringLiteral("/PIC/BK_1.jpg"), QSize(12, 12), Qt::red);
        WritePicture(env.ProgramDir() + QStringLiteral("/PIC/BK_2.jpg"), QSize(12, 12), Qt::blue);
        frmMain* w = env.Start();
        QColor c = Background(w).textureImage().pixelColor(30, 30);
        QVERIFY2(c.red() > 200 && c.blue() < 60, qPrintable(c.name()));
        Prog::CurLanguage = 2;
        w->LoadBKPic();
        c = Background(w).textureImage().pixelColor(30, 30);
        QVERIFY2(c.blue() > 200 && c.red() < 60, qPrintable(c.name()));
    }

    void missingDamagedOrTinyPictureGivesAPlainBackground_data() {
        QTest::addColumn<QByteArray>("kind");
        QTest::newRow("missing") << QByteArray("missing");
        QTest::newRow("not a picture") << QByteArray("garbage");
        QTest::newRow("empty file") << QByteArray("empty");
        QTest::newRow("2 x 40") << QByteArray("narrow");
        QTest::newRow("40 x 2") << QByteArray("low");
    }
    void missingDamagedOrTinyPictureGivesAPlainBackground() {
        QFETCH(QByteArray, kind);
        ShellTestEnv env(ShellTestEnv::Pictures::None);
        const QString path = env.ProgramDir() + QStringLiteral("/PIC/BK_1.jpg");
        if (kind == "garbage") ShellTestEnv::Write(path, QByteArray(5000, 'x'));
        if (kind == "empty") ShellTestEnv::Write(path, QByteArray());
        if (kind == "narrow") WritePicture(path, QSize(2, 40), Qt::red);
        if (kind == "low") WritePicture(path, QSize(40, 2), Qt::red);
        frmMain* w = env.Start();  // must come back: no endless tiling
        QVERIFY(w);
        QCOMPARE(Background(w).style(), Qt::SolidPattern);
        w->resize(640, 480);
        QTRY_COMPARE(w->size(), QSize(640, 480));
        QCOMPARE(Background(w).style(), Qt::SolidPattern);
    }

    // The copies of the tiling, worked out by hand for a 5 x 4 picture on an 8 x 6 surface
    // (steps 3 across, 2 down). p(x, y) is the picture's pixel; 0 is the fill. Source pixels
    // beyond the surface are not copied.
    void tilingFollowsTheCopiesInOrder() {
        QImage pic(5, 4, QImage::Format_RGB32);
        auto p = [](int x, int y) { return qRgb(10 * y + x + 1, 0, 0); };
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) pic.setPixel(x, y, p(x, y));
        const auto out = BackgroundTiler::Tile(pic, QSize(8, 6), QColor(0, 0, 0));
        QVERIFY(out);
        QCOMPARE(out->size(), QSize(8, 6));
        // Rows 0 and 1 after the copies along the top: p1 p2 p3 p2 p3 p3 p2 p3 of their row.
        const int top[8] = {1, 2, 3, 2, 3, 3, 2, 3};
        // Rows 2..5 after the copies downwards, as (x, y) of the picture; -1 is the fill.
        const int down[4][8][2] = {
            {{2, 1}, {3, 1}, {2, 1}, {3, 1}, {3, 1}, {2, 1}, {3, 1}, {3, 2}},
            {{2, 2}, {3, 2}, {2, 2}, {3, 2}, {3, 2}, {2, 2}, {3, 2}, {3, 3}},
            {{2, 1}, {3, 1}, {2, 1}, {3, 1}, {3, 1}, {2, 1}, {3, 1}, {-1, 0}},
            {{3, 1}, {2, 1}, {3, 1}, {3, 1}, {2, 1}, {3, 1}, {3, 2}, {-1, 0}},
        };
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 8; ++x) QCOMPARE(out->pixel(x, y), p(top[x], y));
        for (int y = 2; y < 6; ++y)
            for (int x = 0; x < 8; ++x) {
                const auto& [px, py] = down[y - 2][x];
                QCOMPARE(out->pixel(x, y), px < 0 ? qRgb(0, 0, 0) : p(px, py));
            }
    }

    void smallestPictureAndLargestSurface() {
        QImage three(3, 3, QImage::Format_RGB32);
        three.fill(Qt::green);
        QVERIFY(BackgroundTiler::Tile(three, QSize(50, 40), Qt::black));  // steps of 1: still fine
        const auto huge = BackgroundTiler::Tile(three, QSize(100000, 30), Qt::black);
        QVERIFY(huge);
        QCOMPARE(huge->width(), BackgroundTiler::kMaxSide);
    }

private:
    QTemporaryDir home_;
};

QTEST_MAIN(TestPlacementBackground)
#include "tst_placement_background.moc"
