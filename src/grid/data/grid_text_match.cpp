#include "grid/data/grid_text_match.h"

namespace {

// Longer cells go to QString's own search, which skips ahead on a miss.
constexpr qsizetype DirectLimit = 1024;

inline char16_t AsciiLower(char16_t C) { return char16_t(C | (char16_t(C - u'A') < 26u ? 0x20 : 0)); }

}  // namespace

TTextContainsMatcher::TTextContainsMatcher(const QString& Text, Qt::CaseSensitivity Cs) : FText(Text), FCs(Cs)
{
    if (Cs != Qt::CaseInsensitive || Text.isEmpty())
        return;
    FAscii = true;
    FLower.resize(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const char16_t c = Text.at(i).unicode();
        if (c >= 0x80) {
            FAscii = false;
            return;
        }
        FLower[i] = QChar(AsciiLower(c));
    }
}

bool TTextContainsMatcher::In(QStringView Hay) const
{
    const qsizetype n = Hay.size(), m = FLower.size();
    if (!FAscii || n > DirectLimit)
        return Hay.contains(FText, FCs);
    // Folding keeps the length: a shorter cell cannot hold the text.
    if (n < m)
        return false;
    const char16_t* h = Hay.utf16();
    const char16_t* s = reinterpret_cast<const char16_t*>(FLower.utf16());
    const char16_t first = s[0];
    // A character >= 0x80 never equals an ASCII one: a match found here is
    // one QString finds too.
    for (qsizetype i = 0; i + m <= n; ++i) {
        if (AsciiLower(h[i]) != first)
            continue;
        qsizetype k = 1;
        while (k < m && AsciiLower(h[i + k]) == s[k])
            ++k;
        if (k == m)
            return true;
    }
    // No ASCII match: only a cell of ASCII alone is sure to hold none.
    char16_t high = 0;
    for (qsizetype i = 0; i < n; ++i)
        high |= h[i];
    return high >= 0x80 ? Hay.contains(FText, FCs) : false;
}
