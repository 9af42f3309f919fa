#pragma once
// Every caption and message table of the program, in one include.
//
// Where to find a text:
//   ModMsg                 message-box texts, OK/Cancel captions, the message queue
//   ModEnglish             port and language dialogs, main menu, Close/Help, language names,
//                          LoadLanguageStrings (fills everything at start-up)
//   ModEnglishPrint        "File Name", OnOffText, DelAddText
//   ModEnglishChannelInfo  channel editor captions and fixed lists
//   ModEnglishOpt          optional-features editor, and channel/weather editor texts
//   ModShowFreFun          weather editor captions (LoadTVCHStrings, run by that window)
//   ModEndlishProgress     progress windows
//   ModBeep::GetRBText     roger-beep texts by number
//   AboutText              about boxes
// Caption setters for buttons by name are in core/widgets/CaptionSetters.h.
#include "core/lang/AboutText.h"
#include "core/lang/LangText.h"
#include "core/lang/ModBeepText.h"
#include "core/lang/ModEndlishProgress.h"
#include "core/lang/ModEnglish.h"
#include "core/lang/ModEnglishChannelInfo.h"
#include "core/lang/ModEnglishOpt.h"
#include "core/lang/ModEnglishPrint.h"
#include "core/lang/ModMsg.h"
#include "core/lang/ModShowFreFunText.h"
