#include "core/widgets/CaptionSetters.h"

#include "core/lang/ModEnglish.h"
#include "core/lang/ModMsg.h"

#include <QAbstractButton>
#include <QWidget>

namespace {

void SetButtonCaption(QWidget* form, const char* name, const LangText& caption) {
    if (!form) return;
    if (auto* button = form->findChild<QAbstractButton*>(QLatin1StringView(name))) button->setText(caption.Text());
}

}  // namespace

namespace ModMsg {

void SetOkCancelCaptions(QWidget* form) {
    SetButtonCaption(form, "CommandOK", OkCaption);
    SetButtonCaption(form, "CommandCancel", CancelCaption);
}

void SetCommand12Captions(QWidget* form) {
    SetButtonCaption(form, "Command1", OkCaption);
    SetButtonCaption(form, "Command2", CancelCaption);
}

}  // namespace ModMsg

namespace ModEnglish {

void SetCloseCaption(QWidget* form) { SetButtonCaption(form, "CommandClose", CloseCaption); }

void SetHelpCaption(QWidget* form) { SetButtonCaption(form, "CommandHelp", HelpCaption); }

void SetCommandCaptions(QWidget* form) {
    SetCloseCaption(form);
    SetHelpCaption(form);
}

}  // namespace ModEnglish
