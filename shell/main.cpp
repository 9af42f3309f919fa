// The program: start-up, then the main window, whose closing ends the run.
#include "channels/ChannelForms.h"
#include "core/ProgramData.h"
#include "core/startup/ModMain.h"
#include "features/optfeatures/OptFeatureForms.h"
#include "features/rogerbeep/RogerBeepForms.h"
#include "features/weather/WeatherForms.h"
#include "shell/frmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZRW7310N_II"));
    Prog::ProgramDir = QCoreApplication::applicationDirPath();

    // The editor windows, opened by the main window by form name.
    RegisterChannelForms();
    RegisterOptFeatureForms();
    RegisterRogerBeepForms();
    RegisterWeatherForms();

    ModMain::Main([] {
        auto* window = new frmMain;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    });
    return QApplication::exec();
}
