// File commands of the main window driven through their menu entries, every question and
// dialog answered from a script, with the caption checked after each; and the closing of
// the main window.
#include "RecordingProcess.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "ShellTestEnv.h"
#include "core/ModFreFile.h"
#include "core/ModVersion.h"

#include <QFileInfo>

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

    void initialSettingReloadsWithoutAsking() {
        MakeModified();
        Trigger("MnuInitial");
        QVERIFY(boxes_->shown().empty());
        QVERIFY(!ModFreFile::IsDataModified());
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

    void handingOverToAnotherVersionAsksToSaveFirst() {
        QFile ini(QDir(Prog::ProgramDir).filePath(QStringLiteral("../Version.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Version]\r\nFirmVersionCount=2\r\n[Firm]\r\nFirm0=V200V200\r\nFirm1=V300V301\r\n");
        ini.close();
        ModVerionMana::InitVersionManage();
        QFile other(env_->Path(QStringLiteral("v301.dat")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("V301" + QByteArray(1985, '\0'));
        other.close();
        MakeModified();
        RecordingProcess process;
        dialogs_->AnswerOpen(env_->Path(QStringLiteral("v301.dat")));
        boxes_->Answer({MsgBox::No, MsgBox::Yes, MsgBox::Cancel});  // keep changes, hand over, then Cancel
        Trigger("mnuFileOpen");
        QCOMPARE(boxes_->prompts().size(), 3);
        QCOMPARE(boxes_->prompts()[2], kSaveQuestion);
        QVERIFY(process.started().isEmpty());
        QVERIFY(process.terminations().empty());
        QVERIFY(w_->isVisible());
        QVERIFY(ModFreFile::IsDataModified());
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
