// New (File > New, the toolbar's New, Setup > Initial Setting) when the start-up template
// cannot be used: the data becomes the built-in defaults, as at start-up without one, and
// the real channel editor shows them.
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "ShellTestEnv.h"
#include "WorkingData.h"

#include "channels/ChannelForms.h"
#include "channels/frmCommChInfo.h"
#include "core/ModFreFile.h"

#include <QComboBox>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

// Everything start-up sets from the defaults: the records and the model and band values.
struct StartValues {
    QByteArray records;
    QString softModel, bandText, radioVersion;
    double low = 0, high = 0;
    int16 curMode = 0;
    bool operator==(const StartValues&) const = default;
};

StartValues Take() {
    return {TestData::WorkingRecords(), Prog::SoftModel,  Prog::BandRangeText, Prog::RadioVersion,
            Prog::BandLowMHz,           Prog::BandHighMHz, Prog::RadioData.CurMode};
}

QString Cell(frmCommChInfo* editor, int row, int col) {
    const QTableWidgetItem* item = editor->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"))->item(row - 1, col - 1);
    return item ? item->text() : QString();
}

}  // namespace

class TestNewWithoutTemplate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        RegisterChannelForms();
    }

    void newGivesTheBuiltInDefaults_data() {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<QString>("command");
        for (const char* broken : {"missing", "wrong length", "unreadable"})
            for (const char* command : {"File > New", "toolbar New", "Initial Setting"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(broken), QLatin1String(command))))
                    << QString::fromLatin1(broken) << QString::fromLatin1(command);
    }
    void newGivesTheBuiltInDefaults() {
        QFETCH(QString, broken);
        QFETCH(QString, command);
        ShellTestEnv env;
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs;
        const QString templatePath = QDir(env.ProgramDir()).filePath(QStringLiteral("Init/ZR7310N_New.dat"));
        QVERIFY(QFile::remove(templatePath));
        if (broken == QLatin1String("wrong length")) ShellTestEnv::Write(templatePath, "V200" + QByteArray(996, '\0'));
        if (broken == QLatin1String("unreadable")) QVERIFY(QDir().mkdir(templatePath));
        frmMain* w = env.Start();
        QVERIFY(w);
        const StartValues defaults = Take();  // start-up without a template
        QCOMPARE(defaults.softModel, QStringLiteral("ZR73103"));
        QCOMPARE(defaults.curMode, int16(1));

        // Other data: a file of another model in HF mode, opened, then changed.
        const QString other = env.Path(QStringLiteral("other.dat"));
        {
            const StartValues before = Take();
            const DataFileRec radio = Prog::RadioData, file = Prog::FileDataBuf;
            const ChannelTable channels = Prog::ChInfo, fileChannels = Prog::FileChInfo;
            Prog::SoftModel = QStringLiteral("ZR7310X");
            Prog::RadioData.CurMode = 0;
            Prog::BandRangeText = ModFreFile::kHfBandText;
            Prog::ChInfo(1, 7, 1).Freq.Set("28500000");  // HAM A channel 1
            Prog::DataFileName = other;
            QVERIFY(ModFreFile::SaveDataFile());
            Prog::RadioData = radio;
            Prog::ChInfo = channels;
            Prog::FileDataBuf = file;
            Prog::FileChInfo = fileChannels;
            Prog::SoftModel = before.softModel;
            Prog::BandRangeText = before.bandText;
            Prog::DataFileName = QStringLiteral("new.dat");
            Prog::IsNewData = -1;
        }
        dialogs.AnswerOpen(other);
        w->MenuEntry(QStringLiteral("mnuFileOpen"))->trigger();
        QCOMPARE(Prog::SoftModel, QStringLiteral("ZR7310X"));
        QCOMPARE(Prog::BandRangeText, ModFreFile::kHfBandText);
        Prog::RadioData.OptFeatures.MicGain = 3;
        QVERIFY(ModFreFile::IsDataModified());

        if (command == QLatin1String("File > New")) {
            boxes.Answer(MsgBox::OK);
            w->MenuEntry(QStringLiteral("mnuFileNew"))->trigger();
        } else if (command == QLatin1String("toolbar New")) {
            boxes.Answer(MsgBox::No);  // the modified data is not kept
            auto* bar = w->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
            QTest::mouseClick(bar->widgetForAction(bar->findChild<QAction*>(QStringLiteral("新建"))), Qt::LeftButton);
        } else {
            boxes.Answer(MsgBox::No);
            w->MenuEntry(QStringLiteral("MnuInitial"))->trigger();
        }

        QCOMPARE(boxes.prompts(), QStringList{command == QLatin1String("File > New")
                                                  ? "All data will be cleared."
                                                  : "File has been modify,save it now?"});
        QVERIFY(Take() == defaults);
        QVERIFY(!ModFreFile::IsDataModified());
        QCOMPARE(Prog::DataFileName, other);  // New keeps the name and the flag
        QCOMPARE(Prog::IsNewData, int16(0));
        QCOMPARE(w->windowTitle(), QStringLiteral("ZR7310N_II[28.0000 - 29.7000 MHz][File Name:other.dat]"));
        auto* editor = static_cast<frmCommChInfo*>(w->FindChildForm(QStringLiteral("frmCommChInfo")));
        QVERIFY(editor);
        QCOMPARE(editor->findChild<QComboBox*>(QStringLiteral("Combo2"))->currentText(),
                 QStringLiteral("HAM -- 28.0000 - 29.7000 MHz"));
        QCOMPARE(editor->findChild<QComboBox*>(QStringLiteral("Combo6"))->currentText(), QStringLiteral("A"));
        QCOMPARE(Cell(editor, 1, 1), QStringLiteral("28.0150"));
        QCOMPARE(Cell(editor, 2, 1), QString());
        QCOMPARE(Cell(editor, 42, 1), QStringLiteral("28.1450"));
        QCOMPARE(boxes.unscriptedCount(), 0);
    }
};

QTEST_MAIN(TestNewWithoutTemplate)
#include "tst_new_without_template.moc"
