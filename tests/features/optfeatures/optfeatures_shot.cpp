// Shows the optional-features editor in an MDI main window with the start-up template's
// data and saves a picture of the main window:
// optfeatures_shot <png> [program folder] [language 1 or 2].
#include "OptFeaturesHost.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/startup/ModInitV.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    Prog::ProgramDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    Prog::CurLanguage = argc > 3 ? static_cast<int16>(QString::fromLocal8Bit(argv[3]).toInt()) : 1;
    ModEnglish::LoadLanguageStrings();
    ModInitV::InitData();

    OptFeaturesHost host;
    host.main.resize(1000, 700);
    FrmOptFeatures* form = host.Open();
    form->parentWidget()->move(0, 0);
    form->parentWidget()->resize(form->parentWidget()->sizeHint());
    QTimer::singleShot(300, [&] {
        const bool saved = host.main.grab().save(QString::fromLocal8Bit(argv[1]));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
