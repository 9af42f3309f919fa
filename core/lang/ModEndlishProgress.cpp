#include "core/lang/ModEndlishProgress.h"

namespace ModEndlishProgress {

void LoadProgressStrings() {
    Title.Set(Lang::kEnglish, {u"Read data from radio", u"Write data to radio"});
    Title.Set(Lang::kChinese, {u"从对讲机读取数据", u"向对讲机写入数据"});
    CompletionPercentage.Set(u"Completion percentage:", u"完成进度:");
}

}  // namespace ModEndlishProgress
