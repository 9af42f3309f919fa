#include "tests/support/RecordingProcess.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptedMessageBoxes, AnswersFromTheScriptThenWithTheFirstButton)
{
    ScriptedMessageBoxes boxes;
    boxes.Answer({MsgBox::No, MsgBox::Cancel});
    EXPECT_EQ(MsgBox::Show("one", MsgBox::YesNoCancel + MsgBox::Exclamation), MsgBox::No);
    EXPECT_EQ(MsgBox::Show("two", MsgBox::OKCancel, "Own title"), MsgBox::Cancel);
    EXPECT_EQ(MsgBox::Show("three", MsgBox::RetryCancel), MsgBox::Retry);

    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.prompts(), (QStringList{"one", "two", "three"}));
    EXPECT_EQ(boxes.shown()[0].style, 3 + 48);
    EXPECT_EQ(boxes.shown()[0].title, "ZRW7310N_II");
    EXPECT_EQ(boxes.shown()[1].title, "Own title");
    EXPECT_FALSE(boxes.shown()[2].scripted);
    EXPECT_EQ(boxes.unscriptedCount(), 1);
}

TEST(ScriptedFileDialogs, SeparateQueuesForOpenAndSave)
{
    ScriptedFileDialogs dialogs;
    dialogs.AnswerSave("/tmp/out");
    dialogs.AnswerOpen(std::nullopt);
    dialogs.AnswerOpen("/tmp/in.dat");
    const FileDialog::Request request{"Save As", "Data File (*.dat)|*.dat", "new.dat", "dat"};

    EXPECT_EQ(FileDialog::GetOpenFileName(request), std::nullopt);
    EXPECT_EQ(FileDialog::GetSaveFileName(request), QString("/tmp/out.dat"));
    EXPECT_EQ(FileDialog::GetOpenFileName(request), QString("/tmp/in.dat"));
    EXPECT_EQ(FileDialog::GetSaveFileName(request), std::nullopt);

    ASSERT_EQ(dialogs.requests().size(), 4u);
    EXPECT_EQ(dialogs.requests()[1].kind, ScriptedFileDialogs::Kind::Save);
    EXPECT_EQ(dialogs.requests()[1].request.fileName, "new.dat");
    EXPECT_EQ(dialogs.unscriptedCount(), 1);
}

TEST(RecordingProcess, RecordsInsteadOfActing)
{
    RecordingProcess process;
    process.SetStartSucceeds(false);
    EXPECT_FALSE(Process::StartDetached("/opt/zr/V300/ZRW7310N_II"));
    Process::TerminateCurrentProcess(0);
    EXPECT_EQ(process.started(), QStringList{"/opt/zr/V300/ZRW7310N_II"});
    EXPECT_EQ(process.terminations(), std::vector<int>{0});
}

}  // namespace
