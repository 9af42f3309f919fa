// The real QMessageBox and QFileDialog backends, driven offscreen.
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/MessageBoxStyle.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs act on the modal dialog of type Dialog once it is shown; schedule it before the
// call that opens the dialog.
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> act, int triesLeft = 500)
{
    QTimer::singleShot(10, [act, triesLeft] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            act(dialog);
            if (dialog->isVisible())  // the action did not answer: fail instead of hanging
                static_cast<QDialog*>(dialog)->done(QDialog::Rejected);
        } else if (triesLeft > 0)
            WhenShown<Dialog>(act, triesLeft - 1);
    });
}

void Click(QMessageBox* box, QMessageBox::StandardButton which)
{
    QTest::mouseClick(box->button(which), Qt::LeftButton);
}

// Escape as the user presses it: at the focused button, from where the box gets it.
void PressEscape(QMessageBox* box)
{
    QWidget* target = box->focusWidget() ? box->focusWidget() : box;
    QTest::keyClick(target, Qt::Key_Escape);
}

// Types name into the dialog's file name field and presses Enter, as the user does. A bare
// name only: the field treats a typed "/" as a change of folder.
void Type(QFileDialog* dialog, const QString& name)
{
    auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(field);
    field->clear();
    QTest::keyClicks(field, name);
    QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace

class TstDialogs : public QObject {
    Q_OBJECT

private slots:
    void boxLooksAsTheStyleSays()
    {
        struct Seen {
            QMessageBox::StandardButtons buttons;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QString title, text;
            Qt::TextFormat format = Qt::AutoText;
            bool okIsDefault = false;
        } seen;
        WhenShown<QMessageBox>([&seen](QMessageBox* box) {
            seen = {box->standardButtons(), box->icon(), box->windowTitle(), box->text(), box->textFormat(),
                    box->defaultButton() == box->button(QMessageBox::Ok)};
            Click(box, QMessageBox::Cancel);
        });
        const QString prompt = "\"<b>radio</b>.dat\"file will be Overwrite,Continue?";
        QCOMPARE(MsgBox::Show(prompt, MsgBox::OKCancel + MsgBox::Exclamation), MsgBox::Cancel);
        QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.title, QString("ZRW7310N_II"));
        QCOMPARE(seen.text, prompt);
        QCOMPARE(seen.format, Qt::PlainText);
        QVERIFY(seen.okIsDefault);
    }

    // A window manager draws the title in its own, often bold, font beside the window's icon
    // and its frame buttons: the box is wide enough for the whole title in bold with room
    // for those four, each about two lines wide; the texts and buttons stay as they were.
    void boxIsWideEnoughForItsWholeTitle_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::newRow("file error") << "file error." << 0 << QString();
        QTest::newRow("read completed") << "Read Data Completed." << 0 << QString();
        QTest::newRow("Retry or Cancel") << "Check Connection. Retry or Cancel?" << 5 << QString();
        QTest::newRow("long title") << "Short." << 0 << "A title a good deal longer than its text";
    }

    void boxIsWideEnoughForItsWholeTitle()
    {
        QFETCH(QString, prompt);
        QFETCH(int, style);
        QFETCH(QString, title);
        int width = 0;
        QString shownTitle, text;
        QMessageBox::StandardButtons buttons;
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            width = box->minimumWidth();
            shownTitle = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
        });
        MsgBox::Show(prompt, style, title);
        QFont bold = QApplication::font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        const int needed = metrics.horizontalAdvance(shownTitle) + 8 * metrics.height();
        QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(needed)));
        QCOMPARE(text, prompt);
        QCOMPARE(buttons, MsgBox::ToQtStyle(style).buttons);
    }

    void clickedButtonIsTheAnswer_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("click");
        QTest::addColumn<int>("answer");
        QTest::newRow("OK only") << 0 << int(QMessageBox::Ok) << int(MsgBox::OK);
        QTest::newRow("Yes/No/Cancel, No") << 3 + 48 << int(QMessageBox::No) << int(MsgBox::No);
        QTest::newRow("Yes/No, Yes") << 4 + 32 << int(QMessageBox::Yes) << int(MsgBox::Yes);
        QTest::newRow("Retry/Cancel, Retry") << 5 << int(QMessageBox::Retry) << int(MsgBox::Retry);
        QTest::newRow("Abort/Retry/Ignore, Ignore") << 2 + 16 << int(QMessageBox::Ignore) << int(MsgBox::Ignore);
    }

    void clickedButtonIsTheAnswer()
    {
        QFETCH(int, style);
        QFETCH(int, click);
        QFETCH(int, answer);
        WhenShown<QMessageBox>([click](QMessageBox* box) { Click(box, QMessageBox::StandardButton(click)); });
        QCOMPARE(int(MsgBox::Show("Question", style, "Own title")), answer);
    }

    void escapeOnABoxWithCancelGivesCancel()
    {
        WhenShown<QMessageBox>([](QMessageBox* box) { PressEscape(box); });
        QCOMPARE(MsgBox::Show("File has been modify,save it now?", MsgBox::YesNoCancel + MsgBox::Exclamation),
                 MsgBox::Cancel);
    }

    void escapeAndCloseOnAYesNoBoxDoNothing()
    {
        bool stillShown = false;
        WhenShown<QMessageBox>([&stillShown](QMessageBox* box) {
            PressEscape(box);
            box->close();
            stillShown = box->isVisible();
            Click(box, QMessageBox::Yes);
        });
        QCOMPARE(MsgBox::Show("Start the other version?", MsgBox::YesNo + MsgBox::Question), MsgBox::Yes);
        QVERIFY(stillShown);
    }

    void cancelledFileDialogGivesNoPath()
    {
        QStringList filters;
        WhenShown<QFileDialog>([&filters](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            dialog->reject();
        });
        const FileDialog::Request request{"Open", "Data File (*.dat)|*.dat", "new.dat", "dat"};
        QCOMPARE(FileDialog::GetOpenFileName(request), std::nullopt);
        QCOMPARE(filters, QStringList{"Data File (*.dat)"});
    }

    void openDialogGivesTheChosenFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("radio.dat");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        WhenShown<QFileDialog>([](QFileDialog* dialog) {
            Type(dialog, "radio.dat");
        });
        QCOMPARE(FileDialog::GetOpenFileName({"Open", "Data File (*.dat)|*.dat", dir.path(), "dat"}),
                 std::optional<QString>(path));
    }

    void saveDialogAddsTheDefaultExtension()
    {
        QTemporaryDir dir;
        QString startFolder;
        WhenShown<QFileDialog>([&startFolder, &dir](QFileDialog* dialog) {
            startFolder = dialog->directory().absolutePath();
            Type(dialog, "radio");
        });
        const FileDialog::Request request{"Save As", "Data File (*.dat)|*.dat", dir.filePath("new.dat"), "dat"};
        QCOMPARE(FileDialog::GetSaveFileName(request), std::optional<QString>(dir.filePath("radio.dat")));
        QCOMPARE(startFolder, QDir(dir.path()).absolutePath());
    }

    // The command asks about the names it will write (a typed name may get ".dat" added),
    // so the dialog itself asks nothing about an existing file.
    void saveDialogLeavesTheReplaceQuestionToTheCommand()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("radio.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        bool dialogAsked = false;
        WhenShown<QFileDialog>([&dialogAsked](QFileDialog* dialog) {
            // A question of the dialog's own would be up in the nested loop of the Return.
            QTimer::singleShot(20, dialog, [&dialogAsked] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    dialogAsked = true;
                    box->done(QMessageBox::No);
                }
            });
            Type(dialog, "radio.dat");
        });
        const FileDialog::Request request{"Save As", "Data File (*.dat)|*.dat", dir.filePath("new.dat"), "dat"};
        QCOMPARE(FileDialog::GetSaveFileName(request), std::optional<QString>(dir.filePath("radio.dat")));
        QVERIFY(!dialogAsked);
    }
};

QTEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
