// Shows the weather-channel editor in an MDI main window with the seven usual weather
// frequencies, the weather VFO and an open frequency edit, and saves a picture of the main
// window: weather_editor_shot <png>.
#include "WeatherEditorHost.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    Prog::Reset();
    ModEnglish::LoadLanguageStrings();
    DataFileRec& d = Prog::RadioData;
    const double weather[] = {162.55, 162.4, 162.475, 162.425, 162.45, 162.5, 162.525};
    for (int n = 1; n <= 7; ++n) {
        TVChannelRec& ch = d.TVChannel[static_cast<std::size_t>(n)];
        ch.Valid = 1;
        ch.FreqMHz = weather[n - 1];
        ch.Bandwidth = n == 4 ? 0 : 1;
        ch.ScanAdd = n == 6 ? 0 : 1;
    }
    TVChannelRec& vfo = d.TVChannel[kTVChannelCount];
    vfo.Valid = 1;
    vfo.FreqMHz = 162.4125;
    vfo.Bandwidth = 1;
    d.OptFeatures.CurWxCh = 2;
    d.OptFeatures.WxAlert = 1;
    d.OptFeatures.WxScanState = 1;
    d.WxSql = 3;

    WeatherEditorHost host;
    FrmTVCH* form = host.Open();
    form->parentWidget()->move(10, 10);
    QTimer::singleShot(200, [&] {
        // A frequency being typed into channel 8.
        auto* grid = form->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
        const QPoint at = grid->visualRect(grid->model()->index(7, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::keyClicks(form->findChild<QLineEdit*>(QStringLiteral("Text1")), QStringLiteral("161.775"));
    });
    QTimer::singleShot(500, [&] {
        const bool saved = host.main.grab().save(QString::fromLocal8Bit(argv[1]));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
