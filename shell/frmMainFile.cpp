// The File menu and the routines that put a data set in front of the user.
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ProgramData.h"
#include "core/lang/ModEnglish.h"
#include "core/lang/ModMsg.h"
#include "core/startup/ModInitV.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "shell/MenuTable.h"
#include "shell/frmMain.h"

#include <QFileInfo>
#include <QStringList>
#include <QTimer>

namespace {

const QString kDataExtension = QStringLiteral(".dat");

// The data file always ends in ".dat", so its channel file (the same name ending in "fre")
// can never be the data file itself.
QString WithDataExtension(const QString& path) {
    return path.endsWith(kDataExtension, Qt::CaseInsensitive) ? path : path + kDataExtension;
}

// The replace question for a save under dataPath: the files of the pair it writes that are
// there already, each title in quotes, then the overwrite text. Empty when neither is there.
QString ReplaceQuestion(const QString& dataPath) {
    QStringList existing;
    for (const QString& path : {dataPath, ModFreFile::ChannelFilePath(dataPath)})
        if (QFileInfo::exists(path)) existing << u'"' + ModFun::GetFileTitle(path) + u'"';
    return existing.isEmpty() ? QString() : existing.join(QStringLiteral(", ")) + ModMsg::OverwriteQuestion.Text();
}

FileDialog::Request DialogRequest(const LangText& title, const QString& filter, const QString& fileName) {
    return {MenuTable::WithoutAccessKey(title.Text()), filter, fileName, QStringLiteral("dat")};
}

}  // namespace

void frmMain::mnuFileNew_Click() {
    if (MsgBox::Show(ModMsg::NewDataWarning.Text(), MsgBox::OKCancel + MsgBox::Exclamation) == MsgBox::OK)
        LoadNewDoc();
}

// The toolbar's New and Setup > Initial Setting reload without the question of File > New,
// but never over unsaved work: modified data is offered for saving first, as Open does.
void frmMain::LoadNewDocAfterSaving() {
    if (SaveBeforeLeaving()) LoadNewDoc();
}

void frmMain::mnuFileOpen_Click() {
    if (SaveBeforeLeaving()) DoFileOpen();
}

// Modified data is offered for saving before it leaves the window (Open, the reloads without
// a question, closing); data without a file of its own is saved through the Save As dialog.
// False when the user cancels, or the save fails or is cancelled: the command then stops, so
// nothing the user meant to keep is lost.
bool frmMain::SaveBeforeLeaving() {
    CommitPendingEdits();
    if (!ModFreFile::IsDataModified()) return true;
    const auto answer = MsgBox::Show(ModMsg::SaveQuestion.Text(), MsgBox::YesNoCancel + MsgBox::Exclamation);
    if (answer == MsgBox::Cancel) return false;
    if (answer != MsgBox::Yes) return true;
    return Prog::IsNewData ? SaveAsChosenName() : DoFileSave();
}

// Only an accepted file renames the data, so a refused one (or a hand-over to another
// program version that did not end this one) leaves the name the data has by then, a Save
// As on the way included; the data in memory is shown again (the children were closed
// before the file was read).
void frmMain::DoFileOpen() {
    const auto path = FileDialog::GetOpenFileName(DialogRequest(ModEnglish::MenuOpen, dlgCommonDialogFilter_, {}));
    if (!path) return;
    UnloadChildForms();
    if (!ModFreFile::OpenDataFile(*path)) ShowChannelEditor();
}

void frmMain::mnuFileSave_Click() {
    CommitPendingEdits();
    if (Prog::IsNewData) {
        SaveAsChosenName();
        return;
    }
    const QString question =
        u'"' + ModFun::GetFileTitle(Prog::DataFileName) + u'"' + ModMsg::OverwriteQuestion.Text();
    if (MsgBox::Show(question, MsgBox::OKCancel + MsgBox::Question) == MsgBox::OK) DoFileSave();
}

void frmMain::mnuFileSaveAs_Click() {
    CommitPendingEdits();
    SaveAsChosenName();
}

// Save As: true when the data was saved under the chosen name. A cancelled dialog or replace
// question changes nothing; a failed save keeps the previous name, which the caption still
// shows. The replace question is asked here rather than by the dialog, because only here is
// the name known that is written (".dat" added) together with its channel file.
bool frmMain::SaveAsChosenName() {
    const auto path =
        FileDialog::GetSaveFileName(DialogRequest(ModEnglish::MenuSaveAs, dlgCommonDialogFilter_, Prog::DataFileName));
    if (!path) return false;
    const QString chosen = WithDataExtension(*path);
    const QString question = ReplaceQuestion(chosen);
    if (!question.isEmpty() && MsgBox::Show(question, MsgBox::OKCancel + MsgBox::Question) != MsgBox::OK) return false;
    const QString previous = Prog::DataFileName;
    Prog::DataFileName = chosen;
    if (DoFileSave()) return true;
    Prog::DataFileName = previous;
    return false;
}

bool frmMain::DoFileSave() { return ModFreFile::SaveDataFile(); }

void frmMain::mnuFilePrint_Click() {}

void frmMain::mnuFileExit_Click() { close(); }

void frmMain::LoadNewDoc() {
    UnloadChildForms();
    ModInitV::LoadTemplateOrDefaults();
    ChangShowByLanguage();
    ShowChannelEditor();
    setWindowTitle(MainCaption());
    Arrange(0);
}

void frmMain::StartShowData() {
    UnloadChildForms();
    ChangShowByLanguage();
    ShowChannelEditor();
    setWindowTitle(MainCaption());
    Arrange(0);
}

void frmMain::LoadNewDoc_() { TimerReNew->start(); }

void frmMain::TimerReNew_Timer() {
    TimerReNew->stop();
    LoadNewDoc();
}
