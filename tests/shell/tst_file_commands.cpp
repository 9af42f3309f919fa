// File commands of the main window driven through their menu entries, every question and
// dialog answered from a script, with the caption checked after each; and the closing of
// the main window.
#include "RecordingProcess.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "ShellTestEnv.h"
#include "core/DataFileCodec.h"
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ModVersion.h"

#include <QFileInfo>
#include <QToolBar>

namespace {

const QString kClearQuestion = QStringLiteral("All data will be cleared.");
const QString kSaveQuestion = QStringLiteral("File has been modify,save it now?");
const QString kFileError = QStringLiteral("file error.");
constexpr int kOkCancelExclamation = 1 + 48;
constexpr int kYesNoCancelExclamation = 3 + 48;
constexpr int kOkCancelQuestion = 1 + 32;

QString Caption(const QString& title) {
    return QStringLiteral("ZR7310N_II[28.0000 - 29.7000 MHz][File Name:") + title + u']';
}

QString Overwrite(const QString& title) {
    return u'"' + title + QStringLiteral("\"file will be Overwrite,Continue?");
}

void MakeModified(int16 micGain = 3) {
    Prog::RadioData.OptFeatures.MicGain = micGain;
    QVERIFY(ModFreFile::IsDataModified());
}

qint64 FileSize(const QString& path) { return QFileInfo(path).exists() ? QFileInfo(path).size() : -1; }

// The bytes of a file; empty when there is none.
QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        RegisterFakeEditors({QStringLiteral("frmCommChInfo")});
    }
    void init() {
        Reset();
        env_ = std::make_unique<ShellTestEnv>();
        boxes_ = std::make_unique<ScriptedMessageBoxes>();
        dialogs_ = std::make_unique<ScriptedFileDialogs>();
        QVERIFY(QDir::setCurrent(env_->Path(QString())));
        w_ = env_->Start();
        QVERIFY(w_);
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("new.dat")));
        QVERIFY(!ModFreFile::IsDataModified());
        QVERIFY(Prog::IsNewData);
    }
    void cleanup() {
        const int unscriptedBoxes = boxes_->unscriptedCount(), unusedAnswers = boxes_->pendingAnswers();
        const int unscriptedDialogs = dialogs_->unscriptedCount();
        Reset();
        QCOMPARE(unscriptedBoxes, 0);
        QCOMPARE(unusedAnswers, 0);
        QCOMPARE(unscriptedDialogs, 0);
    }

    // New -----------------------------------------------------------------------------------

    void newAsksEvenWhenUnchangedAndCancelKeepsEverything() {
        MakeModified();
        const int editors = FakeEditor::created.value(QStringLiteral("frmCommChInfo"));
        boxes_->Answer(MsgBox::Cancel);
        Trigger("mnuFileNew");
        QCOMPARE(boxes_->prompts(), QStringList{kClearQuestion});
        QCOMPARE(boxes_->shown()[0].style, kOkCancelExclamation);
        QCOMPARE(boxes_->shown()[0].title, QStringLiteral("ZRW7310N_II"));
        QVERIFY(ModFreFile::IsDataModified());
        QCOMPARE(FakeEditor::created.value(QStringLiteral("frmCommChInfo")), editors);
    }

    void newWithOkReloadsTheTemplate() {
        const DataFileRec templateData = Prog::RadioData;  // start-up shows the template
        MakeModified();
        boxes_->Answer(MsgBox::OK);
        Trigger("mnuFileNew");
        QVERIFY(Prog::RadioData == templateData);
        QVERIFY(!ModFreFile::IsDataModified());
        QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")});
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("new.dat")));
        boxes_->Answer(MsgBox::OK);  // unchanged data: asked all the same
        Trigger("mnuFileNew");
        QCOMPARE(boxes_->prompts(), (QStringList{kClearQuestion, kClearQuestion}));
    }

    void ctrlNAsksTheNewQuestion() {
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_));
        boxes_->Answer(MsgBox::Cancel);
        QTest::keyClick(w_, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(boxes_->prompts(), QStringList{kClearQuestion});
    }

    void showingTheDataInMemoryKeepsIt() {
        MakeModified();
        w_->ShowChildForm(QStringLiteral("frmCommChInfo"));
        const int editors = FakeEditor::created.value(QStringLiteral("frmCommChInfo"));
        w_->StartShowData();
        QVERIFY(ModFreFile::IsDataModified());
        QCOMPARE(FakeEditor::created.value(QStringLiteral("frmCommChInfo")), editors + 1);
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("new.dat")));
    }

    // The toolbar's New and Initial Setting skip the clear question, but modified data (an
    // edit still open included) is offered for saving first, as Open does; unchanged data
    // reloads at once.
    void reloadsWithoutTheClearQuestionOfferToSaveFirst_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("ownFile");   // the data came from mine.dat
        QTest::addColumn<int>("answer");     // to the save question, 0 when none is asked
        QTest::addColumn<QString>("saveAs"); // Save As answer: "" not shown, "-" cancelled
        QTest::addColumn<bool>("reloaded");
        QTest::addColumn<QString>("title");  // of the data's name afterwards
        for (const QString& command : {QStringLiteral("toolbar New"), QStringLiteral("Initial Setting")}) {
            const auto row = [&command](const char* name) { return &QTest::newRow(qPrintable(command + ", " + name)); };
            *row("unchanged") << command << false << true << 0 << "" << true << "mine.dat";
            *row("Yes, own file") << command << true << true << int(MsgBox::Yes) << "" << true << "mine.dat";
            *row("Yes, new data") << command << true << false << int(MsgBox::Yes) << "saved" << true << "saved.dat";
            *row("Yes, Save As cancelled") << command << true << false << int(MsgBox::Yes) << "-" << false << "new.dat";
            *row("No") << command << true << true << int(MsgBox::No) << "" << true << "mine.dat";
            *row("Cancel") << command << true << true << int(MsgBox::Cancel) << "" << false << "mine.dat";
        }
    }
    void reloadsWithoutTheClearQuestionOfferToSaveFirst() {
        QFETCH(QString, command);
        QFETCH(bool, modified);
        QFETCH(bool, ownFile);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, reloaded);
        QFETCH(QString, title);
        const DataFileRec templateData = Prog::RadioData;
        const QString mine = SavedFile(QStringLiteral("mine.dat"), 9);
        if (ownFile) {
            dialogs_->AnswerOpen(mine);
            Trigger("mnuFileOpen");
        }
        const QByteArray mineBefore = ReadFile(mine);
        auto* editor = qobject_cast<FakeEditor*>(w_->FindChildForm(QStringLiteral("frmCommChInfo")));
        QVERIFY(editor);
        if (modified) editor->pendingEdit = [] { MakeModified(7); };
        const int editors = FakeEditor::created.value(QStringLiteral("frmCommChInfo"));
        if (answer != 0) boxes_->Answer(MsgBox::Result(answer));
        if (saveAs == QLatin1String("-")) dialogs_->AnswerSave(std::nullopt);
        else if (!saveAs.isEmpty()) dialogs_->AnswerSave(env_->Path(saveAs));

        if (command == QLatin1String("toolbar New")) {
            auto* bar = w_->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
            QTest::mouseClick(bar->widgetForAction(bar->findChild<QAction*>(QStringLiteral("新建"))), Qt::LeftButton);
        } else {
            Trigger("MnuInitial");
        }

        QCOMPARE(boxes_->prompts(), modified ? QStringList{kSaveQuestion} : QStringList());
        QCOMPARE(Prog::RadioData == templateData, reloaded);
        QCOMPARE(Prog::RadioData.OptFeatures.MicGain, reloaded ? templateData.OptFeatures.MicGain : int16(7));
        QCOMPARE(FakeEditor::created.value(QStringLiteral("frmCommChInfo")), editors + (reloaded ? 1 : 0));
        QCOMPARE(ModFun::GetFileTitle(Prog::DataFileName), title);
        QCOMPARE(w_->windowTitle(), Caption(title));
        // Only a Yes writes, and only where the data belongs.
        const bool savedOwn = ownFile && answer == MsgBox::Yes;
        QCOMPARE(ReadFile(mine) == mineBefore, !savedOwn);
        QCOMPARE(FileSize(env_->Path(QStringLiteral("saved.dat"))), saveAs == QLatin1String("saved") ? 1989 : -1);
    }

    void deferredReloadRunsOnce() {
        MakeModified();
        const int editors = FakeEditor::created.value(QStringLiteral("frmCommChInfo"));
        w_->LoadNewDoc_();
        QTRY_VERIFY(!ModFreFile::IsDataModified());
        QTest::qWait(450);
        QCOMPARE(FakeEditor::created.value(QStringLiteral("frmCommChInfo")), editors + 1);
    }

    // Save and Save As ------------------------------------------------------------------------

    void saveOfNewDataGoesToSaveAs() {
        dialogs_->AnswerSave(env_->Path(QStringLiteral("first")));
        Trigger("mnuFileSave");
        QVERIFY(boxes_->shown().empty());  // no overwrite question for new data
        QCOMPARE(dialogs_->requests().size(), std::size_t(1));
        QCOMPARE(dialogs_->requests()[0].request.fileName, QStringLiteral("new.dat"));
        QCOMPARE(dialogs_->requests()[0].request.filter, QStringLiteral("Data File (*.dat)|*.dat"));
        QCOMPARE(Prog::DataFileName, env_->Path(QStringLiteral("first.dat")));
        QCOMPARE(FileSize(env_->Path(QStringLiteral("first.dat"))), 1989);
        QVERIFY(QFileInfo::exists(env_->Path(QStringLiteral("first.fre"))));
        QVERIFY(!Prog::IsNewData);
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("first.dat")));
    }

    void saveAfterSaveAsAsksToOverwrite() {
        dialogs_->AnswerSave(env_->Path(QStringLiteral("mine.dat")));
        Trigger("mnuFileSaveAs");
        MakeModified();
        boxes_->Answer(MsgBox::Cancel);
        Trigger("mnuFileSave");
        QCOMPARE(boxes_->prompts(), QStringList{Overwrite(QStringLiteral("mine.dat"))});
        QCOMPARE(boxes_->shown()[0].style, kOkCancelQuestion);
        QVERIFY(ModFreFile::IsDataModified());  // cancelled: nothing written
        boxes_->Answer(MsgBox::OK);
        Trigger("mnuFileSave");
        QVERIFY(!ModFreFile::IsDataModified());
        QCOMPARE(dialogs_->requests().size(), std::size_t(1));
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("mine.dat")));
    }

    void saveAsCancelledChangesNothing() {
        MakeModified();
        dialogs_->AnswerSave(std::nullopt);
        Trigger("mnuFileSaveAs");
        QCOMPARE(Prog::DataFileName, QStringLiteral("new.dat"));
        QVERIFY(Prog::IsNewData);
        QVERIFY(ModFreFile::IsDataModified());
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("new.dat")));
    }

    void saveAsAlwaysWritesADatFile() {
        // A name ending in the channel file's extension: the data file gets ".dat" added, so
        // the channel file beside it cannot be the data file.
        dialogs_->AnswerSave(env_->Path(QStringLiteral("radio.fre")));
        Trigger("mnuFileSaveAs");
        QCOMPARE(Prog::DataFileName, env_->Path(QStringLiteral("radio.fre.dat")));
        QCOMPARE(FileSize(env_->Path(QStringLiteral("radio.fre.dat"))), 1989);
        QVERIFY(QFileInfo::exists(env_->Path(QStringLiteral("radio.fre.fre"))));
        QVERIFY(!QFileInfo::exists(env_->Path(QStringLiteral("radio.fre"))));
        dialogs_->AnswerSave(env_->Path(QStringLiteral("upper.DAT")));
        Trigger("mnuFileSaveAs");
        QCOMPARE(Prog::DataFileName, env_->Path(QStringLiteral("upper.DAT")));
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("upper.DAT")));
    }

    // The replace question of Save As is about the pair that will be written: the typed
    // name with ".dat" added, and its channel file.
    void saveAsAsksAboutTheFilesItWillReplace_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("question");  // empty: none asked
        QTest::addColumn<int>("answer");
        const QString tail = QStringLiteral("file will be Overwrite,Continue?");
        QTest::newRow("data file exists, Cancel")
            << "radio.fre" << QStringList{"radio.fre.dat"} << QString(u'"' + QStringLiteral("radio.fre.dat\"") + tail)
            << int(MsgBox::Cancel);
        QTest::newRow("channel file exists, Cancel")
            << "radio.fre" << QStringList{"radio.fre.fre"} << QString(u'"' + QStringLiteral("radio.fre.fre\"") + tail)
            << int(MsgBox::Cancel);
        QTest::newRow("both exist, OK") << "radio.fre" << QStringList{"radio.fre.dat", "radio.fre.fre"}
                                        << QString(QStringLiteral("\"radio.fre.dat\", \"radio.fre.fre\"") + tail)
                                        << int(MsgBox::OK);
        QTest::newRow("only the typed name exists") << "radio.fre" << QStringList{"radio.fre"} << QString() << 0;
        QTest::newRow("extension added by the dialog, Cancel")
            << "plain" << QStringList{"plain.dat", "plain.fre"}
            << QString(QStringLiteral("\"plain.dat\", \"plain.fre\"") + tail) << int(MsgBox::Cancel);
    }
    void saveAsAsksAboutTheFilesItWillReplace() {
        QFETCH(QString, typed);
        QFETCH(QStringList, existing);
        QFETCH(QString, question);
        QFETCH(int, answer);
        for (const QString& f : existing) ShellTestEnv::Write(env_->Path(f), "old " + f.toLatin1());
        MakeModified();
        const QStringList filesBefore = QDir(env_->Path(QString())).entryList(QDir::Files);
        dialogs_->AnswerSave(env_->Path(typed));
        if (!question.isEmpty()) boxes_->Answer(static_cast<MsgBox::Result>(answer));
        Trigger("mnuFileSaveAs");
        QCOMPARE(boxes_->prompts(), question.isEmpty() ? QStringList() : QStringList{question});
        if (!question.isEmpty()) QCOMPARE(boxes_->shown()[0].style, kOkCancelQuestion);
        if (!question.isEmpty() && answer == MsgBox::Cancel) {  // nothing written, nothing changed
            QCOMPARE(QDir(env_->Path(QString())).entryList(QDir::Files), filesBefore);
            for (const QString& f : existing) QCOMPARE(ReadFile(env_->Path(f)), "old " + f.toLatin1());
            QCOMPARE(Prog::DataFileName, QStringLiteral("new.dat"));
            QVERIFY(Prog::IsNewData);
            QVERIFY(ModFreFile::IsDataModified());
            QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("new.dat")));
            return;
        }
        const QString dat = QStringLiteral("radio.fre.dat");
        QCOMPARE(Prog::DataFileName, env_->Path(dat));
        QCOMPARE(FileSize(env_->Path(dat)), 1989);
        QVERIFY(FileSize(env_->Path(QStringLiteral("radio.fre.fre"))) > 0);
        QCOMPARE(ReadFile(env_->Path(QStringLiteral("radio.fre"))), existing.contains("radio.fre") ? "old radio.fre" : "");
        QVERIFY(!ModFreFile::IsDataModified());
        QCOMPARE(w_->windowTitle(), Caption(dat));
    }

    void failedSaveAsKeepsThePreviousName() {
        MakeModified();
        dialogs_->AnswerSave(env_->Path(QStringLiteral("no/such/folder/x.dat")));
        boxes_->Answer(MsgBox::OK);
        Trigger("mnuFileSaveAs");
        QCOMPARE(boxes_->prompts(), QStringList{kFileError});
        QCOMPARE(Prog::DataFileName, QStringLiteral("new.dat"));
        QVERIFY(Prog::IsNewData);
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("new.dat")));
    }

    // Open ------------------------------------------------------------------------------------

    void openUnchangedDataGoesStraightToTheDialog() {
        const QString path = SavedFile(QStringLiteral("other.dat"), 9);
        dialogs_->AnswerOpen(path);
        Trigger("mnuFileOpen");
        QVERIFY(boxes_->shown().empty());
        QCOMPARE(Prog::DataFileName, path);
        QCOMPARE(Prog::DataFileName2, QStringLiteral("new.dat"));
        QCOMPARE(Prog::RadioData.OptFeatures.MicGain, int16(9));
        QVERIFY(!Prog::IsNewData);
        QVERIFY(!ModFreFile::IsDataModified());
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("other.dat")));
        QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")});
    }

    void cancelledOpenKeepsDataNameAndWindows() {
        MakeModified();
        boxes_->Answer(MsgBox::No);
        dialogs_->AnswerOpen(std::nullopt);
        const int editors = FakeEditor::created.value(QStringLiteral("frmCommChInfo"));
        Trigger("mnuFileOpen");
        QCOMPARE(boxes_->prompts(), QStringList{kSaveQuestion});
        QCOMPARE(boxes_->shown()[0].style, kYesNoCancelExclamation);
        QCOMPARE(Prog::DataFileName, QStringLiteral("new.dat"));
        QVERIFY(ModFreFile::IsDataModified());
        QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")});
        QCOMPARE(FakeEditor::created.value(QStringLiteral("frmCommChInfo")), editors);
    }

    void openQuestionCancelShowsNoDialog() {
        MakeModified();
        boxes_->Answer(MsgBox::Cancel);
        Trigger("mnuFileOpen");
        QVERIFY(dialogs_->requests().empty());
        QVERIFY(ModFreFile::IsDataModified());
    }

    void openQuestionYesSavesNewDataThroughSaveAs() {
        MakeModified(7);
        boxes_->Answer(MsgBox::Yes);
        dialogs_->AnswerSave(env_->Path(QStringLiteral("kept")));
        dialogs_->AnswerOpen(std::nullopt);
        Trigger("mnuFileOpen");
        QCOMPARE(dialogs_->requests().size(), std::size_t(2));
        QCOMPARE(dialogs_->requests()[0].kind, ScriptedFileDialogs::Kind::Save);
        QCOMPARE(dialogs_->requests()[0].request.fileName, QStringLiteral("new.dat"));
        QCOMPARE(dialogs_->requests()[1].kind, ScriptedFileDialogs::Kind::Open);
        QCOMPARE(FileSize(env_->Path(QStringLiteral("kept.dat"))), 1989);
        QVERIFY(!QFileInfo::exists(env_->Path(QStringLiteral("new.dat"))));
        QCOMPARE(Prog::DataFileName, env_->Path(QStringLiteral("kept.dat")));
        QVERIFY(!Prog::IsNewData);
        QVERIFY(!ModFreFile::IsDataModified());
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("kept.dat")));
    }

    void openStopsWhenSaveAsIsCancelledOrFails() {
        MakeModified();
        boxes_->Answer(MsgBox::Yes);
        dialogs_->AnswerSave(std::nullopt);
        Trigger("mnuFileOpen");
        boxes_->Answer({MsgBox::Yes, MsgBox::OK});
        dialogs_->AnswerSave(env_->Path(QStringLiteral("no/such/folder/x.dat")));
        Trigger("mnuFileOpen");
        QCOMPARE(boxes_->prompts(), (QStringList{kSaveQuestion, kSaveQuestion, kFileError}));
        QCOMPARE(dialogs_->requests().size(), std::size_t(2));  // the two Save As, no Open
        QVERIFY(ModFreFile::IsDataModified());
        QCOMPARE(Prog::DataFileName, QStringLiteral("new.dat"));
        QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")});
    }

    void openStopsWhenTheModifiedDataCannotBeSaved() {
        Prog::DataFileName = env_->Path(QStringLiteral("gone/x.dat"));
        Prog::IsNewData = 0;
        MakeModified();
        boxes_->Answer({MsgBox::Yes, MsgBox::OK});
        Trigger("mnuFileOpen");
        QCOMPARE(boxes_->prompts(), (QStringList{kSaveQuestion, kFileError}));
        QVERIFY(dialogs_->requests().empty());
        QVERIFY(ModFreFile::IsDataModified());
    }

    void refusedOpenRestoresThePreviousNameAndTheEditor() {
        MakeModified(7);
        boxes_->Answer(MsgBox::No);
        const int editors = FakeEditor::created.value(QStringLiteral("frmCommChInfo"));
        QByteArray shortFile(1988, '\0');
        shortFile.replace(0, 4, "V200");
        ShellTestEnv::Write(env_->Path(QStringLiteral("short.dat")), shortFile);
        dialogs_->AnswerOpen(env_->Path(QStringLiteral("short.dat")));
        boxes_->Answer(MsgBox::OK);
        Trigger("mnuFileOpen");
        QCOMPARE(boxes_->prompts(),
                 (QStringList{kSaveQuestion, QStringLiteral("Fail to start the software. This version does not exist.")}));
        // The data still in memory is shown again, in a new channel editor.
        QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")});
        QCOMPARE(FakeEditor::created.value(QStringLiteral("frmCommChInfo")), editors + 1);
        QCOMPARE(Prog::RadioData.OptFeatures.MicGain, int16(7));
        QCOMPARE(Prog::DataFileName, QStringLiteral("new.dat"));
        QVERIFY(Prog::IsNewData);
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("new.dat")));
        dialogs_->AnswerSave(std::nullopt);  // still new data: Save is Save As
        Trigger("mnuFileSave");
        QVERIFY(ModFreFile::IsDataModified());
        QCOMPARE(dialogs_->requests().back().kind, ScriptedFileDialogs::Kind::Save);
    }

    void openThenNewThenSaveOverwritesTheOpenedFile() {
        const int16 templateGain = Prog::RadioData.OptFeatures.MicGain;  // start-up shows the template
        const QString path = SavedFile(QStringLiteral("kept.dat"), static_cast<int16>(templateGain + 1));
        dialogs_->AnswerOpen(path);
        Trigger("mnuFileOpen");
        QCOMPARE(Prog::RadioData.OptFeatures.MicGain, int16(templateGain + 1));
        boxes_->Answer(MsgBox::OK);
        Trigger("mnuFileNew");
        QCOMPARE(Prog::RadioData.OptFeatures.MicGain, templateGain);
        QCOMPARE(w_->windowTitle(), Caption(QStringLiteral("kept.dat")));  // the name stays
        boxes_->Answer(MsgBox::OK);
        Trigger("mnuFileSave");
        QCOMPARE(boxes_->prompts().back(), Overwrite(QStringLiteral("kept.dat")));
        dialogs_->AnswerOpen(path);
        Trigger("mnuFileOpen");
        QCOMPARE(Prog::RadioData.OptFeatures.MicGain, templateGain);
    }

    void editorsWithoutAFormOpenNothing() {
        const QStringList before = OpenForms(w_);
        for (const char* name : {"mnuOptFeature", "mnuToneTips", "mnuTVChannel"}) Trigger(name);
        QCOMPARE(OpenForms(w_), before);
    }

    // Closing -----------------------------------------------------------------------------------

    void exitWithUnchangedDataAsksNothing() {
        Trigger("mnuFileExit");
        QVERIFY(boxes_->shown().empty());
        QVERIFY(!w_->isVisible());
    }

    void exitCommitsAnOpenEditBeforeAskingAboutChanges() {
        auto* editor = qobject_cast<FakeEditor*>(w_->FindChildForm(QStringLiteral("frmCommChInfo")));
        QVERIFY(editor);
        editor->pendingEdit = [] { MakeModified(); };
        boxes_->Answer(MsgBox::Cancel);
        Trigger("mnuFileExit");
        QCOMPARE(boxes_->prompts(), QStringList{kSaveQuestion});
        QVERIFY(w_->isVisible());
        QVERIFY(ModFreFile::IsDataModified());
    }

    void saveCommitsAnOpenEditFirst() {
        const QString path = SavedFile(QStringLiteral("own.dat"), 9);
        dialogs_->AnswerOpen(path);
        Trigger("mnuFileOpen");
        auto* editor = qobject_cast<FakeEditor*>(w_->FindChildForm(QStringLiteral("frmCommChInfo")));
        QVERIFY(editor);
        editor->pendingEdit = [] { MakeModified(7); };
        boxes_->Answer(MsgBox::OK);
        Trigger("mnuFileSave");
        QVERIFY(!ModFreFile::IsDataModified());  // the committed edit went into the file
    }

    // Handing over to another program version while a file of that version is being
    // opened: the save question is about the data in memory, which goes where it belongs,
    // and the file being opened is never written.
    void handingOverSavesTheCurrentDataWhereItBelongs_data() {
        QTest::addColumn<bool>("ownFile");        // the data was saved as mine.dat before
        QTest::addColumn<int>("answer");          // to the save question of the hand-over
        QTest::addColumn<QString>("saveAsName");  // Save As of new data; empty: cancelled
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QString>("written");     // the pair holding the current data afterwards
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("nameAfter");
        QTest::newRow("own file, Yes") << true << int(MsgBox::Yes) << QString() << true << "mine" << true << "mine.dat";
        QTest::newRow("own file, No") << true << int(MsgBox::No) << QString() << true << QString() << true << "mine.dat";
        QTest::newRow("own file, Cancel") << true << int(MsgBox::Cancel) << QString() << true << QString() << false
                                          << "mine.dat";
        QTest::newRow("own file, Yes, start fails") << true << int(MsgBox::Yes) << QString() << false << "mine" << true
                                                    << "mine.dat";
        QTest::newRow("new data, Save As, start fails") << false << int(MsgBox::Yes) << "kept" << false << "kept" << true
                                                        << "kept.dat";
        QTest::newRow("new data, Save As cancelled") << false << int(MsgBox::Yes) << QString() << true << QString()
                                                     << false << "new.dat";
    }
    void handingOverSavesTheCurrentDataWhereItBelongs() {
        QFETCH(bool, ownFile);
        QFETCH(int, answer);
        QFETCH(QString, saveAsName);
        QFETCH(bool, startSucceeds);
        QFETCH(QString, written);
        QFETCH(bool, started);
        QFETCH(QString, nameAfter);
        ShellTestEnv::Write(QDir(Prog::ProgramDir).filePath(QStringLiteral("../Version.ini")),
                            "[Version]\r\nFirmVersionCount=2\r\n[Firm]\r\nFirm0=V200V200\r\nFirm1=V300V301\r\n");
        ModVerionMana::InitVersionManage();
        ShellTestEnv::Write(env_->Path(QStringLiteral("v301.dat")), "V301" + QByteArray(1985, '\x11'));
        ShellTestEnv::Write(env_->Path(QStringLiteral("v301.fre")), QByteArray(64, '\x22'));
        if (ownFile) {
            dialogs_->AnswerSave(env_->Path(QStringLiteral("mine")));
            Trigger("mnuFileSaveAs");
        }
        MakeModified(3);
        const QStringList files = {"v301.dat", "v301.fre", "mine.dat", "mine.fre", "kept.dat", "kept.fre"};
        auto contents = [&] {
            QList<QByteArray> all;
            for (const QString& f : files) all << ReadFile(env_->Path(f));
            return all;
        };
        const QList<QByteArray> before = contents();

        RecordingProcess process;
        process.SetStartSucceeds(startSucceeds);
        dialogs_->AnswerOpen(env_->Path(QStringLiteral("v301.dat")));
        boxes_->Answer({MsgBox::No, MsgBox::Yes, static_cast<MsgBox::Result>(answer)});  // keep changes, hand over
        if (!ownFile) dialogs_->AnswerSave(saveAsName.isEmpty() ? std::nullopt : std::optional(env_->Path(saveAsName)));
        if (started && !startSucceeds) boxes_->Answer(MsgBox::OK);
        Trigger("mnuFileOpen");

        QVERIFY(boxes_->prompts().size() >= 3);
        QCOMPARE(boxes_->prompts()[2], kSaveQuestion);
        if (!ownFile) {  // Save As offers the name of the data in memory, not the file being opened
            QCOMPARE(dialogs_->requests().back().kind, ScriptedFileDialogs::Kind::Save);
            QCOMPARE(dialogs_->requests().back().request.fileName, QStringLiteral("new.dat"));
        }
        const QList<QByteArray> after = contents();
        for (int i = 0; i < files.size(); ++i) {
            const bool ofWritten = !written.isEmpty() && files[i].startsWith(written + u'.');
            if (!ofWritten) QVERIFY2(after[i] == before[i], qPrintable(files[i]));
        }
        if (!written.isEmpty()) {  // the current work, MicGain 3, in the pair it belongs to
            DataFileRec saved;
            QVERIFY(DataFileCodec::DecodeDataFileRec(after[files.indexOf(written + ".dat")], saved));
            QCOMPARE(saved.OptFeatures.MicGain, int16(3));
            QVERIFY(!after[files.indexOf(written + ".fre")].isEmpty());
        }
        QCOMPARE(process.started(), started ? QStringList{QDir::cleanPath(QDir(Prog::ProgramDir).filePath(
                                                                QStringLiteral("../V300/ZRW7310N_II")))}
                                            : QStringList());
        QCOMPARE(process.terminations().size(), std::size_t(started && startSucceeds ? 1 : 0));
        QCOMPARE(QFileInfo(Prog::DataFileName).fileName(), nameAfter);
        QCOMPARE(w_->windowTitle(), Caption(nameAfter));
        QCOMPARE(ModFreFile::IsDataModified(), written.isEmpty());
        QCOMPARE(bool(Prog::IsNewData), !ownFile && written.isEmpty());
        QCOMPARE(Prog::RadioData.OptFeatures.MicGain, int16(3));
        QCOMPARE(OpenForms(w_), QStringList{QStringLiteral("frmCommChInfo")});
        QVERIFY(w_->isVisible());
    }

    void exitCancelKeepsTheWindow() {
        MakeModified();
        boxes_->Answer(MsgBox::Cancel);
        Trigger("mnuFileExit");
        QCOMPARE(boxes_->prompts(), QStringList{kSaveQuestion});
        QCOMPARE(boxes_->shown()[0].style, kYesNoCancelExclamation);
        QVERIFY(w_->isVisible());
    }

    void exitNoEndsWithoutSaving() {
        MakeModified();
        boxes_->Answer(MsgBox::No);
        QVERIFY(w_->close());
        QVERIFY(dialogs_->requests().empty());
        QVERIFY(!QFileInfo::exists(env_->Path(QStringLiteral("new.dat"))));
    }

    void exitYesSavesTheOwnFile() {
        const QString path = SavedFile(QStringLiteral("own.dat"), 9);
        dialogs_->AnswerOpen(path);
        Trigger("mnuFileOpen");
        MakeModified(5);
        boxes_->Answer(MsgBox::Yes);
        Trigger("mnuFileExit");
        QVERIFY(!w_->isVisible());
        QVERIFY(boxes_->prompts().size() == 1);  // no overwrite question on the way out
        dialogs_->AnswerOpen(path);
        Trigger("mnuFileOpen");
        QCOMPARE(Prog::RadioData.OptFeatures.MicGain, int16(5));
    }

    void exitKeepsRunningWhenTheSaveFails() {
        Prog::DataFileName = env_->Path(QStringLiteral("gone/x.dat"));
        Prog::IsNewData = 0;
        MakeModified();
        boxes_->Answer({MsgBox::Yes, MsgBox::OK});
        QVERIFY(!w_->close());
        QCOMPARE(boxes_->prompts(), (QStringList{kSaveQuestion, kFileError}));
        QVERIFY(w_->isVisible());
    }

    void exitYesWithNewDataGoesThroughSaveAs() {
        MakeModified();
        boxes_->Answer(MsgBox::Yes);
        dialogs_->AnswerSave(std::nullopt);
        QVERIFY(!w_->close());  // Save As cancelled: the program keeps running
        QVERIFY(w_->isVisible());
        QVERIFY(!QFileInfo::exists(env_->Path(QStringLiteral("new.dat"))));

        boxes_->Answer(MsgBox::Yes);
        dialogs_->AnswerSave(env_->Path(QStringLiteral("kept")));
        QVERIFY(w_->close());
        QCOMPARE(FileSize(env_->Path(QStringLiteral("kept.dat"))), 1989);
        QCOMPARE(dialogs_->requests()[1].request.fileName, QStringLiteral("new.dat"));
    }

private:
    // The doubles go after the window, each putting the real backend back.
    void Reset() {
        env_.reset();
        dialogs_.reset();
        boxes_.reset();
    }
    void Trigger(const char* entry) {
        QAction* a = w_->MenuEntry(QLatin1String(entry));
        QVERIFY2(a && a->isVisible(), entry);
        a->trigger();
    }
    // A data file pair of the template data with one value changed, written through Save As
    // of a separate run of the core, so the window's own state is untouched.
    QString SavedFile(const QString& name, int16 micGain) {
        const QString path = env_->Path(name);
        const DataFileRec radio = Prog::RadioData, file = Prog::FileDataBuf;
        const QString current = Prog::DataFileName;
        const int16 isNew = Prog::IsNewData;
        Prog::RadioData.OptFeatures.MicGain = micGain;
        Prog::DataFileName = path;
        const bool saved = ModFreFile::SaveDataFile();
        Prog::RadioData = radio;
        Prog::FileDataBuf = file;
        Prog::DataFileName = current;
        Prog::IsNewData = isNew;
        w_->setWindowTitle(frmMain::MainCaption());
        return saved ? path : QString();
    }

    std::unique_ptr<ShellTestEnv> env_;
    std::unique_ptr<ScriptedMessageBoxes> boxes_;
    std::unique_ptr<ScriptedFileDialogs> dialogs_;
    QPointer<frmMain> w_;
};

QTEST_MAIN(TestFileCommands)
#include "tst_file_commands.moc"
