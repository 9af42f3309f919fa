#pragma once
// Put the captions of the current language on a form's standard buttons. The buttons are
// found by object name among all children of the form, so any form with buttons of those
// names can use them; a missing button (or a null form) is skipped.
class QWidget;

namespace ModMsg {

// "CommandOK" := the OK caption, "CommandCancel" := the Cancel caption.
void SetOkCancelCaptions(QWidget* form);
// "Command1" := the OK caption, "Command2" := the Cancel caption.
void SetCommand12Captions(QWidget* form);

}  // namespace ModMsg

namespace ModEnglish {

// "CommandClose" := "&Close" of the current language.
void SetCloseCaption(QWidget* form);
// "CommandHelp" := "&Help" of the current language.
void SetHelpCaption(QWidget* form);
// SetCloseCaption, then SetHelpCaption.
void SetCommandCaptions(QWidget* form);

}  // namespace ModEnglish
