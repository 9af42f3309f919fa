// Shows the channel editor in an MDI main window with the start-up template's channels, a
// HAM group with a few more channels and the option panel of one of them, and saves a
// picture of the main window: channel_editor_shot <png> [program folder].
#include "ChannelEditorHost.h"
#include "channels/ModShowFreFun.h"
#include "core/ModFreFile.h"
#include "core/lang/ModEnglish.h"
#include "core/startup/ModInitV.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    Prog::ProgramDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    ModEnglish::LoadLanguageStrings();
    ModInitV::InitData();
    DataFileRec& d = Prog::RadioData;
    d.CurMode = 1;
    d.CurGroup[1] = 2;  // HAM "B"
    Prog::BandRangeText = ModFreFile::GetBandRangeText(1);
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

    // Channel 5, the current row: a private channel with a receive CTCSS tone, a transmit
    // DCS code, the repeater shift and roger-beep set 2.
    ChannelRecord& five = Prog::ChInfo(1, ModFreFile::FindChannelByCHID(5, 1, 2), 2);
    five.Public = 0;
    five.RxToneType = 1;
    five.RxTone = 12;  // 100.0 Hz
    five.TxToneType = 2;
    five.TxTone = 38 + 10;  // 053N
    five.ToneFlag = 1;
    five.RepEnable = 1;
    five.RepDir = 2;
    five.RBEnable = 1;
    five.RBSet = 2;
    five.Mode = 2;
    d.CurChRow[1][2] = 5;

    ChannelEditorHost host;
    frmCommChInfo* form = host.Open();
    form->parentWidget()->move(10, 10);
    QTimer::singleShot(300, [&] {
        const bool saved = host.main.grab().save(QString::fromLocal8Bit(argv[1]));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
