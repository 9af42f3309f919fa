#pragma once
// Texts of the two about boxes: the English box (FrmAbout2) shows element 1, the Chinese
// box (frmAbout) element 2. Fixed texts, not filled at start-up.
#include "core/lang/LangText.h"

namespace AboutText {

inline const LangText Caption = MakeLangText(u"About ZRW7310N", u"关于 ZRW7310N");
// The Chinese description ends with a blank.
inline const LangText Description = MakeLangText(u"ZRW7310N RADIO PROGRAMMING SOFTWARE", u"ZRW7310N 对讲机编程软件 ");
inline const LangText ForRadio = MakeLangText(u"FOR ZR7310N RADIO", u"用于 ZR7310N 机型");  // Label1
inline const LangText OkButton = MakeLangText(u"&OK", u"确定(&O)");                       // cmdOK
// lblDisclaimer: the legal notice.
inline const LangText Disclaimer = MakeLangText(
    u"Warning: this software and its documentation are protected by copyright. Copying or distributing "
    u"them, in whole or in part, without the maker's permission is not allowed.",
    u"警告：本软件及其文档受版权保护。未经制造商许可，不得全部或部分复制或传播本软件及其文档。");
// lblVersion: the prefix followed by major.minor.revision.
inline const LangText VersionPrefix = MakeLangText(u"Version ", u"版本 ");

// Only the Chinese box has the system-information button and its failure message.
inline const QString SysInfoButton = QStringLiteral("系统信息(&S)...");
inline const QString SysInfoUnavailable = QStringLiteral("此时系统信息不可用");

}  // namespace AboutText
