#pragma once
// The message table: every message-box text of the program apart from the version messages
// and a few texts the editors build themselves; and the queue of messages collected during
// a radio transfer.
//
// Tables are named after the message they carry (RangeError = "Frequency is out of range.").
// The two-line questions hold "\r\n" between their sentences.
#include "core/lang/LangText.h"

namespace ModMsg {

inline LangText NewDataWarning;     // "All data will be cleared."           File New
inline LangText DataFileType;       // "Data File"                           file dialog filter
inline LangText FileError;          // "file error."                         save and open
inline LangText PortError;          // "Cannot Open Communication Port."
inline LangText ReadQuestion;       // "Read data from radio." / "Do you wish continue?"
inline LangText WriteQuestion;      // "Write data to radio." / "Do you wish continue?"
inline LangText SaveQuestion;       // "File has been modify,save it now?"   exit and Open
inline LangText OverwriteQuestion;  // "file will be Overwrite,Continue?"    Save
inline LangText RetryQuestion;      // "Check Connection. Retry or Cancel?"  transfer time-outs
inline LangList<2> TransferDone;    // item 1 "Read Data Completed.", item 2 "Write Data Completed."
inline LangText ModelError;         // "Model type is wrong."                identity check
inline LangText OkCaption;          // "&OK"      dialog buttons
inline LangText CancelCaption;      // "&Cancel"  dialog buttons
inline LangText RangeError;         // "Frequency is out of range."          frequency checks

// Fills the table above; start-up runs it once (ModEnglish::LoadLanguageStrings).
void LoadMessageStrings();

// Appends text to Prog::MsgQueue. The queue holds at most Prog::kMsgQueueSize texts; when it
// is full the oldest text is dropped so that the latest messages of a transfer are shown.
void QueueMessage(const QString& text);

// (Caption setters for dialog buttons: core/widgets/CaptionSetters.h.)

}  // namespace ModMsg

namespace ModFun {

// Shows every queued text in its own message box with an OK button, oldest first, and
// empties the queue. The queue is emptied before the first box opens, so a message queued
// while a box is up is kept for the next call rather than lost.
void ShowQueuedMessages();

}  // namespace ModFun
