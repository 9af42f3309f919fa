#include "core/lang/ModEnglishPrint.h"

namespace ModEnglishPrint {

void LoadPrintStrings() {
    FileName.Set(u"File Name", u"文件名");
    OnOffText.Set(Lang::kEnglish, {u"OFF", u"ON"});
    OnOffText.Set(Lang::kChinese, {u"关", u"开"});
    DelAddText.Set(Lang::kEnglish, {u"Del", u"Add"});
    DelAddText.Set(Lang::kChinese, {u"删除", u"添加"});
}

}  // namespace ModEnglishPrint
