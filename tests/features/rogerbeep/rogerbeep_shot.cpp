// Shows the roger-beep editor in an MDI main window with the start-up tone sets, set 4 (five
// rising tones) selected, and saves a picture of the main window: rogerbeep_shot <png>.
#include "RogerBeepHost.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/startup/ModInitV.h"

#include <QApplication>
#include <QTabBar>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    ModEnglish::LoadLanguageStrings();
    ModInitV::InitData();
    ModInitV::InitToneDefaults();
    RogerBeepHost host;
    FrmToneTips* form = host.Open();
    form->parentWidget()->move(10, 10);
    form->findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(3);  // as a click on "RB Tone 4"
    QTimer::singleShot(300, [&] {
        const bool saved = host.main.grab().save(QString::fromLocal8Bit(argv[1]));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
