#include "core/lang/ModMsg.h"

namespace ModMsg {

namespace {
// Two sentences on two lines, as the questions of the transfer commands show them.
void SetTwoLines(LangText& t, QStringView en1, QStringView en2, QStringView zh1, QStringView zh2) {
    const QString crlf = QStringLiteral("\r\n");
    t.Set(en1.toString() + crlf + en2.toString(), zh1.toString() + crlf + zh2.toString());
}
}  // namespace

void LoadMessageStrings() {
    NewDataWarning.Set(u"All data will be cleared.", u"所有数据将被清空。");
    DataFileType.Set(u"Data File", u"数据文件");
    FileError.Set(u"file error.", u"文件错误。");
    PortError.Set(u"Cannot Open Communication Port.", u"无法打开通信端口。");
    SetTwoLines(ReadQuestion, u"Read data from radio.", u"Do you wish continue?", u"从对讲机读取数据。", u"是否继续？");
    SetTwoLines(WriteQuestion, u"Write data to radio.", u"Do you wish continue?", u"向对讲机写入数据。", u"是否继续？");
    SaveQuestion.Set(u"File has been modify,save it now?", u"当前文件已被修改，是否现在保存？");
    OverwriteQuestion.Set(u"file will be Overwrite,Continue?", u"文件将被覆盖，是否继续？");
    RetryQuestion.Set(u"Check Connection. Retry or Cancel?", u"检测连接。重试或取消？");
    TransferDone.Set(Lang::kEnglish, {u"Read Data Completed.", u"Write Data Completed."});
    TransferDone.Set(Lang::kChinese, {u"读取数据完成。", u"写入数据完成。"});
    ModelError.Set(u"Model type is wrong.", u"机型类型错误。");
    OkCaption.Set(u"&OK", u"确定(&O)");
    CancelCaption.Set(u"&Cancel", u"取消(&C)");
    RangeError.Set(u"Frequency is out of range.", u"频率超出范围。");
}

}  // namespace ModMsg
