#pragma once
// A fixed-length text field of a record: exactly N single-byte characters, as the data
// files hold it. Assigning a shorter text pads it with blanks, a longer one is cut. A
// field that was never assigned holds zero bytes.
#include <QString>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

template <std::size_t N>
struct FixedText {
    std::array<char, N> bytes{};

    FixedText() = default;

    void Set(std::string_view s) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = i < s.size() ? s[i] : ' ';
    }
    void Set(const char* s) { Set(std::string_view(s)); }
    void Set(const std::string& s) { Set(std::string_view(s)); }
    // Non-Latin-1 characters become "?": a field holds one byte per character.
    void Set(const QString& s) { Set(std::string_view(ToLatin1(s))); }

    std::string Str() const { return std::string(bytes.data(), N); }
    QString ToQString() const { return QString::fromLatin1(bytes.data(), static_cast<int>(N)); }
    static constexpr std::size_t size() { return N; }

    bool operator==(const FixedText&) const = default;

private:
    static std::string ToLatin1(const QString& s) {
        std::string out;
        out.reserve(static_cast<std::size_t>(s.size()));
        for (QChar c : s) out.push_back(c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?');
        return out;
    }
};
