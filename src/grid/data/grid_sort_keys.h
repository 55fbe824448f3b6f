#pragma once
// The keys of a sort run: each cell of a column read once as what its
// style compares (a number, a date, a time, a check state, an image index,
// an upper-cased or collated text), and a stable merge sort that stays in
// bounds and ends whatever its comparison answers.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include <QStringView>

#include "grid/core/grid_format.h"
#include "grid/core/grid_types.h"

// The classes of ssAutomatic, in their order.
enum class TSortClass : uint8_t { scEmpty, scNumber, scDate, scDateTime, scTime, scText, scCheckBox };

struct TSortColumnKeys {
    bool Ready = false;
    // The column's style after OnGetFormat (ssAutomatic stays: each cell
    // has its class).
    TSortStyle Style = TSortStyle::ssAutomatic;
    std::vector<uint8_t> Empty;
    // ssAutomatic: the class; ssAlphaNumeric: 1 for a number; ssImages: 1
    // for a picture.
    std::vector<uint8_t> Class;
    std::vector<double> Number;
    // ssCustom: the texts as read, for the compare handler.
    std::vector<String> Text;
    // The text each row compares as (upper-cased for the no-case styles),
    // copied while its cell is read into one buffer: row i's code units are
    // Chars[Start[i]] up to Chars[Start[i + 1]]. The sort then reads the
    // texts from a few contiguous blocks instead of from every cell's own
    // allocation again.
    std::vector<char16_t> Chars;
    std::vector<size_t> Start;
    // The collation rank (ssAnsiAlphaCase, ssAnsiAlphaNoCase).
    std::vector<int> Rank;
    // The length of the start every compared text shares.
    qsizetype Common = 0;

    QStringView TextOf(size_t I) const
    {
        return QStringView(Chars.data() + Start[I], qsizetype(Start[I + 1] - Start[I]));
    }
};

// How the keys read a row's cell.
struct TSortCellReader {
    std::function<String(int)> Text;
    std::function<String(int)> Stripped;
    std::function<TCellType(int)> Type;
    std::function<bool(int)> Checked;
    std::function<intptr_t(int)> ImageIndex;
};

void FillSortKeys(TSortColumnKeys& K, TSortStyle Style, const String& Prefix, const String& Suffix, bool IgnoreCase,
                  const TGridFormatSettings& FS, const std::vector<int>& Rows, const TSortCellReader& Read);
// -1, 0, 1 for local rows A, B of a filled column (not ssCustom, ssRaw).
int CompareSortKeys(const TSortColumnKeys& K, size_t A, size_t B);

// The value of the valid leading part of a number text with "." as its
// decimal separator (leading blanks skipped); 0 when there is none.
double LeadingNumber(const String& Text);
// The number a ssNumeric (Financial: thousand separators dropped) cell
// compares as: the first prefix and suffix removed, the decimal separator
// made ".", then its leading part.
double SortNumber(const String& Text, const String& Prefix, const String& Suffix, bool Financial,
                  const TGridFormatSettings& FS);
// A date in the order of FS.ShortDateFormat with FS.DateSeparator and an
// optional time after a blank; a time "h:n[:s]" (FS.TimeSeparator) with an
// optional AM/PM. False when the text is not one.
bool ParseSortDateTime(const String& Text, const TGridFormatSettings& FS, double& Value);
bool ParseSortTime(const String& Text, const TGridFormatSettings& FS, double& Value);
// The class ssAutomatic gives a text (scCheckBox is the caller's).
TSortClass ClassifySortText(const String& Text, const TGridFormatSettings& FS);

// The ranks of a filled column (not ssCustom, ssRaw): CompareSortKeys(K,
// A, B) is the comparison of Rank[A] and Rank[B]. The cells are put in
// order once on packed keys (the number, the date in milliseconds, up to
// eight code units of the text past the column's common prefix), the texts
// compared only where those agree. Compares, when given, grows by the
// comparisons made.
std::vector<uint32_t> SortKeyRanks(const TSortColumnKeys& K, size_t* Compares = nullptr);

// A stable bottom-up merge sort of V by Less; each merge reads only within
// its two runs, so any answer of Less keeps it in bounds and finite.
template <typename T, typename LessT>
void StableMergeSort(std::vector<T>& V, LessT Less)
{
    const size_t n = V.size();
    std::vector<T> buf(n);
    std::vector<T>* from = &V;
    std::vector<T>* to = &buf;
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t lo = 0; lo < n; lo += 2 * width) {
            const size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
            size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi)
                (*to)[k++] = Less((*from)[j], (*from)[i]) ? (*from)[j++] : (*from)[i++];
            while (i < mid)
                (*to)[k++] = (*from)[i++];
            while (j < hi)
                (*to)[k++] = (*from)[j++];
        }
        std::swap(from, to);
    }
    if (from != &V)
        V.swap(*from);
}
