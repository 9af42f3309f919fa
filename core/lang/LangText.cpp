#include "core/lang/LangText.h"

#include "core/ProgramData.h"

namespace Lang {

int Effective(int language) { return language == kChinese ? kChinese : kEnglish; }

int Current() { return Effective(Prog::CurLanguage); }

}  // namespace Lang
