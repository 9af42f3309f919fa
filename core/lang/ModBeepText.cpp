#include "core/lang/ModBeepText.h"

#include "core/lang/LangText.h"

#include <algorithm>
#include <iterator>

namespace ModBeep {

namespace {

struct RBText {
    std::int32_t id;
    const char16_t* english;
    const char16_t* chinese;
};

constexpr RBText kTexts[] = {
    {10221, u"&Roger Beep", u"RB音(&R)"},
    {12014, u"Roger Beep", u"RB音"},
    {29000, u"Roger Beep", u"RB音"},
    {29001, u"RB Tone", u"RB音"},
    {29002, u"Recycle Times", u"循环次数"},
    {29003, u"Inter Time[ms]", u"间隔时间[ms]"},
    {29004, u"Frequency[Hz]", u"频率[Hz]"},
    {29005, u"Tone Long[ms]", u"音长[ms]"},
    {29006, u"&Play", u"播放(&P)"},
    {29007, u"&Stop", u"停止(&S)"},
    {29100, u"First Tone", u"第一个音"},
    {29101, u"Second Tone", u"第二个音"},
    {29102, u"Third Tone", u"第三个音"},
    {29103, u"Fourth Tone", u"第四个音"},
    {29104, u"Fifth Tone", u"第五个音"},
    {29105, u"Sixth Tone", u"第六个音"},
    {29106, u"Seventh Tone", u"第七个音"},
    {29107, u"Eighth Tone", u"第八个音"},
    {29108, u"Ninth Tone", u"第九个音"},
    {29109, u"Tenth Tone", u"第十个音"},
    {29110, u"Eleventh Tone", u"第十一个音"},
    {29111, u"Twelfth Tone", u"第十二个音"},
    {29112, u"Thirteenth Tone", u"第十三个音"},
    {29113, u"Fourteenth Tone", u"第十四个音"},
    {29200, u"Off", u"关"},
    {29201, u"None", u"无"},
};

}  // namespace

QString GetRBText(std::int32_t id) {
    const auto* it = std::find_if(std::begin(kTexts), std::end(kTexts), [id](const RBText& t) { return t.id == id; });
    if (it == std::end(kTexts)) return {};
    return QString::fromUtf16(Lang::Current() == Lang::kChinese ? it->chinese : it->english);
}

}  // namespace ModBeep
