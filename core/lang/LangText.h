#pragma once
// The bilingual text types every caption and message table is made of.
//
// A table holds one text per language: index 1 English, index 2 Chinese; index 0 is never
// set and stays empty. Readers take the text of the current language Prog::CurLanguage.
// A language value outside 1..2 reads English, so a bad value can never index past a table.
//
// LangText      one text per language                ModMsg::RangeError.Text()
// PairText      two items (0 and 1) per language     ModEnglishPrint::OnOffText.Item(1)
// LangList<N>   items 1..N per language              ModEnglishOpt::BacklightColorList.Item(8)
// An item number outside the table's range reads as the empty text.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <initializer_list>

namespace Lang {

constexpr int kEnglish = 1;
constexpr int kChinese = 2;

// language itself when it is 1 or 2, otherwise English.
int Effective(int language);
// Effective(Prog::CurLanguage).
int Current();

}  // namespace Lang

struct LangText {
    std::array<QString, 3> lang;  // [0] empty, [1] English, [2] Chinese

    void Set(QStringView english, QStringView chinese) {
        lang[Lang::kEnglish] = english.toString();
        lang[Lang::kChinese] = chinese.toString();
    }
    // The same text in both languages.
    void SetBoth(QStringView text) { Set(text, text); }

    QString Text(int language) const { return lang[static_cast<std::size_t>(Lang::Effective(language))]; }
    QString Text() const { return Text(Lang::Current()); }
};

inline LangText MakeLangText(QStringView english, QStringView chinese) {
    LangText t;
    t.Set(english, chinese);
    return t;
}

// Items First..Last of each language; LangItems<0, 1> is a pair, LangItems<1, N> a list.
template <int First, int Last>
struct LangItems {
    static_assert(First >= 0 && First <= Last);
    static constexpr int kFirst = First;
    static constexpr int kLast = Last;
    static constexpr int Count() { return Last - First + 1; }

    std::array<std::array<QString, Last + 1>, 3> lang;  // [language][item]; language 0 empty

    // Items First.. in order, for one language.
    void Set(int language, std::initializer_list<QStringView> items) {
        if (language != Lang::kEnglish && language != Lang::kChinese) return;
        int i = First;
        for (QStringView s : items) {
            if (i > Last) break;
            lang[static_cast<std::size_t>(language)][static_cast<std::size_t>(i++)] = s.toString();
        }
    }
    void SetBoth(std::initializer_list<QStringView> items) {
        Set(Lang::kEnglish, items);
        Set(Lang::kChinese, items);
    }

    QString Item(int language, int item) const {
        if (item < First || item > Last) return {};
        return lang[static_cast<std::size_t>(Lang::Effective(language))][static_cast<std::size_t>(item)];
    }
    QString Item(int item) const { return Item(Lang::Current(), item); }

    // Items First..Last of the current language, ready to fill a list.
    QStringList Items() const {
        QStringList out;
        for (int i = First; i <= Last; ++i) out << Item(i);
        return out;
    }
};

// Two texts per language: the first for the value 0, the second for the value 1.
using PairText = LangItems<0, 1>;
// N texts per language, items 1..N.
template <int N>
using LangList = LangItems<1, N>;
