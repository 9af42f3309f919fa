#pragma once
// The roger-beep texts, looked up by number: the editor's captions, its list items, and the
// main window's menu item (10221) and tree node (12014).
#include <QString>
#include <cstdint>

namespace ModBeep {

// The text of id in the current language (Chinese when Prog::CurLanguage is 2, English
// otherwise); an unknown id gives the empty text. Ids 29100..29113 are the tone labels
// "First Tone" .. "Fourteenth Tone".
QString GetRBText(std::int32_t id);

}  // namespace ModBeep
