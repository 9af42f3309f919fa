// Shows the channel editor in an MDI main window with the start-up template's channels and
// saves a picture of the main window: channel_editor_shot <png> [program folder].
#include "ChannelEditorHost.h"
#include "channels/ModShowFreFun.h"
#include "core/ModFreFile.h"
#include "core/lang/ModEnglish.h"
#include "core/startup/ModInitV.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    Prog::ProgramDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    ModEnglish::LoadLanguageStrings();
    ModInitV::InitData();
    Prog::BandRangeText = ModFreFile::GetBandRangeText(Prog::RadioData.CurMode);
    ModFun::ParseBandRange();

    // A few channels more, entered as the grid would commit them.
    const std::pair<int, const char*> channels[] = {{2, "28.0250"}, {3, "28.1050"}, {5, "28.3050"}, {6, "28.5150"},
                                                    {8, "29.0000"}, {9, "29.1250"}, {12, "29.6000"}};
    for (const auto& [row, freq] : channels) {
        QString t = QString::fromLatin1(freq);
        ModShowFreFun::EditChannelCell(row, 1, t);
    }
    QString init = QStringLiteral("28.0000");
    ModShowFreFun::EditChannelCell(5, 2, init);

    ChannelEditorHost host;
    frmCommChInfo* form = host.Open();
    form->parentWidget()->move(10, 10);
    // An edit in progress, as a user would see it.
    auto* grid = form->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
    grid->setCurrentCell(3, 0);
    form->EnterGridEdit();
    form->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("28.405"));
    QTimer::singleShot(300, [&] {
        const bool saved = host.main.grab().save(QString::fromLocal8Bit(argv[1]));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
