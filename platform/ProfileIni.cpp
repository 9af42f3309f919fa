#include "platform/ProfileIni.h"

#include <QFile>
#include <QSaveFile>

#include <optional>
#include <vector>

namespace ProfileIni {
namespace {

// The longest value a read returns; a longer one is cut.
constexpr qsizetype kMaxValueLength = 511;

// One line of the file as stored: its text and its own line ending ("\r\n", "\n", or
// nothing for a last line without one). Lines that are not touched are written back as is.
struct Line {
    QByteArray text;
    QByteArray eol;
};

enum class Kind { Other, Section, Key };

struct Parsed {
    Kind kind = Kind::Other;
    QString name;   // section or key name, trimmed
    QString value;  // key value, untrimmed
};

// A key line found, or where a key of the section would go.
struct Location {
    std::optional<size_t> section;  // header line of the first matching section
    std::optional<size_t> key;      // first matching key line inside that section
    size_t lastContent = 0;         // last non-blank line of that section (its header at least)
};

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

// What a read returns: the value trimmed and cut at kMaxValueLength characters.
QString Normalised(const QString& value)
{
    QString text = TrimBlanks(value);
    if (text.size() > kMaxValueLength) {
        qsizetype cut = kMaxValueLength;
        if (text[cut - 1].isHighSurrogate())
            --cut;  // never leave half a character
        text = TrimBlanks(QStringView(text).left(cut));
    }
    return text;
}

std::vector<Line> SplitLines(const QByteArray& data)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype newline = data.indexOf('\n', start);
        if (newline < 0) {
            lines.push_back({data.mid(start), {}});
            break;
        }
        const bool crlf = newline > start && data[newline - 1] == '\r';
        const qsizetype end = crlf ? newline - 1 : newline;
        lines.push_back({data.mid(start, end - start), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
    return lines;
}

QByteArray JoinLines(const std::vector<Line>& lines)
{
    QByteArray data;
    for (const Line& line : lines)
        data += line.text + line.eol;
    return data;
}

// The file keeps the line ending it has; a file without any gets CR LF.
QByteArray LineEnding(const std::vector<Line>& lines)
{
    for (const Line& line : lines)
        if (!line.eol.isEmpty())
            return line.eol;
    return "\r\n";
}

Parsed ParseLine(const Line& line, bool first)
{
    QString text = QString::fromUtf8(line.text);
    if (first && text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QString trimmed = TrimBlanks(text);
    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(u']');
        const qsizetype end = close < 0 ? trimmed.size() : close;
        return {Kind::Section, TrimBlanks(QStringView(trimmed).mid(1, end - 1)), {}};
    }
    const qsizetype equals = trimmed.indexOf(u'=');
    if (trimmed.startsWith(u';') || equals < 0)
        return {};
    return {Kind::Key, TrimBlanks(QStringView(trimmed).left(equals)), trimmed.mid(equals + 1)};
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Only the first section of the name counts, and within it the first line of the key.
Location Locate(const std::vector<Line>& lines, const QString& sectionName, const QString& keyName)
{
    const QString section = TrimBlanks(sectionName);
    const QString key = TrimBlanks(keyName);
    Location where;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Parsed parsed = ParseLine(lines[i], i == 0);
        if (parsed.kind == Kind::Section) {
            if (where.section)
                break;
            if (SameName(parsed.name, section))
                where.section = where.lastContent = i;
            continue;
        }
        if (!where.section)
            continue;
        if (!TrimBlanks(QString::fromUtf8(lines[i].text)).isEmpty())
            where.lastContent = i;
        if (parsed.kind == Kind::Key && !where.key && SameName(parsed.name, key))
            where.key = i;
    }
    return where;
}

bool HasLineBreakOrZero(const QString& text)
{
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0));
}

// Names that would read back as something else are refused rather than written.
bool IsWritableSection(const QString& section)
{
    return !TrimBlanks(section).isEmpty() && !HasLineBreakOrZero(section) && !section.contains(u']');
}

bool IsWritableKey(const QString& key)
{
    const QString name = TrimBlanks(key);
    return !name.isEmpty() && !HasLineBreakOrZero(key) && !name.contains(u'=') && !name.startsWith(u'[')
           && !name.startsWith(u';');
}

std::optional<QByteArray> ReadExisting(const QString& file)
{
    QFile in(file);
    if (!in.exists())
        return QByteArray();
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;  // never replace a file we could not read
    QByteArray data = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return std::nullopt;
    return data;
}

// Inserts line after index (or at the end), giving the line before it an ending first.
void InsertAfter(std::vector<Line>& lines, std::optional<size_t> index, Line line)
{
    const size_t at = index ? *index + 1 : lines.size();
    if (at > 0 && lines[at - 1].eol.isEmpty())
        lines[at - 1].eol = line.eol;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void SetKey(std::vector<Line>& lines, const QString& section, const QString& key, const QString& value)
{
    const QByteArray eol = LineEnding(lines);
    const Location where = Locate(lines, section, key);
    if (where.key) {
        const QString name = ParseLine(lines[*where.key], *where.key == 0).name;
        lines[*where.key].text = (name + u'=' + value).toUtf8();
    } else if (where.section) {
        InsertAfter(lines, where.lastContent, {(TrimBlanks(key) + u'=' + value).toUtf8(), eol});
    } else {
        InsertAfter(lines, std::nullopt, {(u'[' + TrimBlanks(section) + u']').toUtf8(), eol});
        InsertAfter(lines, std::nullopt, {(TrimBlanks(key) + u'=' + value).toUtf8(), eol});
    }
}

}  // namespace

QString GetPrivateProfileString(const QString& section, const QString& key, const QString& def,
                                const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return Normalised(def);
    const std::vector<Line> lines = SplitLines(in.readAll());
    const Location where = Locate(lines, section, key);
    if (!where.key)
        return Normalised(def);
    return Normalised(ParseLine(lines[*where.key], *where.key == 0).value);
}

bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file)
{
    if (!IsWritableSection(section) || !IsWritableKey(key) || HasLineBreakOrZero(value))
        return false;
    const std::optional<QByteArray> old = ReadExisting(file);
    if (!old)
        return false;
    std::vector<Line> lines = SplitLines(*old);
    SetKey(lines, section, key, value);
    const QByteArray data = JoinLines(lines);
    if (data == *old)
        return true;  // the file already says so: leave it untouched

    // The new content goes to a temporary file beside the old one and replaces it only
    // when completely written, so a failed write leaves the old file as it was.
    // QSaveFile::commit overlooks a failure of the final flush (a full disk, a size limit)
    // and would put a cut file in place: flush and check here first.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(data) != data.size() || !out.flush()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

}  // namespace ProfileIni
