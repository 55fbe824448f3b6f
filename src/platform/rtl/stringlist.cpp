#include "platform/rtl/stringlist.h"

#include <algorithm>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/files.h"
#include "platform/rtl/strings.h"

TStringList::~TStringList() { Clear(); }

void TStringList::checkIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

int TStringList::compare(const QString& A, const QString& B) const
{
    return caseSensitive_ ? A.compare(B, Qt::CaseSensitive) : AnsiCompareText(A, B);
}

void TStringList::freeObject(TObject* Obj)
{
    if (ownsObjects_)
        delete Obj;
}

const QString& TStringList::Strings(int Index) const
{
    checkIndex(Index);
    return items_[Index].text;
}

void TStringList::SetStrings(int Index, const QString& S)
{
    checkIndex(Index);
    if (sorted_)
        throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    items_[Index].text = S;
}

TObject* TStringList::Objects(int Index) const
{
    checkIndex(Index);
    return items_[Index].object;
}

void TStringList::SetObjects(int Index, TObject* Obj)
{
    checkIndex(Index);
    if (items_[Index].object != Obj)
        freeObject(items_[Index].object);
    items_[Index].object = Obj;
}

int TStringList::Add(const QString& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const QString& S, TObject* Obj)
{
    if (!sorted_) {
        items_.push_back({S, Obj});
        return Count() - 1;
    }
    int index;
    if (Find(S, index)) {
        switch (duplicates_) {
        case dupIgnore:
            return index;
        case dupError:
            throw EStringListError(QStringLiteral("String list does not allow duplicates"));
        case dupAccept:
            break;
        }
    }
    items_.insert(items_.begin() + index, Item{S, Obj});
    return index;
}

void TStringList::AddStrings(const QStringList& Items)
{
    for (const QString& s : Items)
        Add(s);
}

void TStringList::Insert(int Index, const QString& S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(int Index, const QString& S, TObject* Obj)
{
    if (sorted_)
        throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    if (Index < 0 || Index > Count())
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    items_.insert(items_.begin() + Index, Item{S, Obj});
}

void TStringList::Delete(int Index)
{
    checkIndex(Index);
    TObject* obj = items_[Index].object;
    items_.erase(items_.begin() + Index);
    freeObject(obj);
}

void TStringList::Clear()
{
    std::vector<Item> old;
    old.swap(items_);
    for (Item& it : old)
        freeObject(it.object);
}

void TStringList::Exchange(int A, int B)
{
    checkIndex(A);
    checkIndex(B);
    std::swap(items_[A], items_[B]);
}

void TStringList::Move(int From, int To)
{
    if (From == To)
        return;
    checkIndex(From);
    checkIndex(To);
    Item it = items_[From];
    items_.erase(items_.begin() + From);
    items_.insert(items_.begin() + To, it);
}

int TStringList::IndexOf(const QString& S) const
{
    if (sorted_) {
        int index;
        return Find(S, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (compare(items_[i].text, S) == 0)
            return i;
    return -1;
}

int TStringList::IndexOfObject(const TObject* Obj) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[i].object == Obj)
            return i;
    return -1;
}

int TStringList::IndexOfName(const QString& Name) const
{
    for (int i = 0; i < Count(); ++i) {
        const int p = static_cast<int>(items_[i].text.indexOf(u'='));
        if (p >= 0 && compare(items_[i].text.left(p), Name) == 0)
            return i;
    }
    return -1;
}

bool TStringList::Find(const QString& S, int& Index) const
{
    // Lower bound; with duplicates accepted the first equal item is found.
    int lo = 0, hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int c = compare(items_[mid].text, S);
        if (c < 0)
            lo = mid + 1;
        else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != dupAccept)
                    lo = mid;
            }
        }
    }
    Index = lo;
    return found;
}

void TStringList::Sort()
{
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Item& a, const Item& b) { return compare(a.text, b.text) < 0; });
}

void TStringList::SetSorted(bool Value)
{
    if (Value && !sorted_)
        Sort();
    sorted_ = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (Value == caseSensitive_)
        return;
    caseSensitive_ = Value;
    if (sorted_)
        Sort();
}

void TStringList::Assign(const TStringList& Source)
{
    if (&Source == this)
        return;
    Clear();
    items_ = Source.items_;
    if (ownsObjects_)  // we never own objects that another list holds
        for (Item& it : items_)
            it.object = nullptr;
    if (sorted_)
        Sort();
}

QString TStringList::Names(int Index) const
{
    const QString& s = Strings(Index);
    const int p = static_cast<int>(s.indexOf(u'='));
    return p >= 0 ? s.left(p) : QString();
}

QString TStringList::Values(const QString& Name) const
{
    const int i = IndexOfName(Name);
    return i >= 0 ? ValueFromIndex(i) : QString();
}

QString TStringList::ValueFromIndex(int Index) const
{
    const QString& s = Strings(Index);
    const int p = static_cast<int>(s.indexOf(u'='));
    return p >= 0 ? s.mid(p + 1) : QString();
}

QString TStringList::Text() const
{
    QString r;
    for (const Item& it : items_) {
        r += it.text;
        r += QLatin1String(LineBreak);
    }
    return r;
}

void TStringList::SetText(const QString& Value)
{
    Clear();
    const int n = static_cast<int>(Value.size());
    int start = 0, i = 0;
    for (; i < n; ++i) {
        const QChar c = Value[i];
        if (c == u'\0')
            break;
        if (c == u'\r' || c == u'\n') {
            Add(Value.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && Value[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (i > start)
        Add(Value.mid(start, i - start));
}

QString TStringList::DelimitedText() const
{
    if (Count() == 1 && items_[0].text.isEmpty())
        return QString(2, quoteChar_);
    QString r;
    for (int i = 0; i < Count(); ++i) {
        const QString& s = items_[i].text;
        bool quote = false;
        for (QChar c : s) {
            if (c == quoteChar_ || c == delimiter_ || (!strictDelimiter_ && c.unicode() <= 0x20)) {
                quote = true;
                break;
            }
        }
        if (i > 0)
            r += delimiter_;
        if (quote) {
            QString q = s;
            q.replace(quoteChar_, QString(2, quoteChar_));
            r += quoteChar_ + q + quoteChar_;
        } else
            r += s;
    }
    return r;
}

void TStringList::SetDelimitedText(const QString& Value)
{
    Clear();
    const int n = static_cast<int>(Value.size());
    int p = 0;
    auto isSpace = [&](int i) { return i < n && Value[i].unicode() >= 1 && Value[i].unicode() <= 0x20; };
    auto at = [&](int i) { return i < n ? Value[i] : QChar(u'\0'); };
    if (!strictDelimiter_)
        while (isSpace(p))
            ++p;
    while (p < n && Value[p] != u'\0') {
        QString s;
        if (Value[p] == quoteChar_) {
            // Quoted item: doubled quotes stand for one; an unclosed quote runs to the end.
            ++p;
            while (p < n) {
                if (Value[p] == quoteChar_) {
                    if (at(p + 1) == quoteChar_) {
                        s += quoteChar_;
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                s += Value[p++];
            }
        } else {
            const int start = p;
            while (p < n && Value[p] != u'\0' && Value[p] != delimiter_ &&
                   (strictDelimiter_ || Value[p].unicode() > 0x20))
                ++p;
            s = Value.mid(start, p - start);
        }
        Add(s);
        if (!strictDelimiter_)
            while (isSpace(p))
                ++p;
        if (at(p) == delimiter_ && p < n) {
            if (p + 1 >= n || Value[p + 1] == u'\0')
                Add(QString());
            do
                ++p;
            while (!strictDelimiter_ && isSpace(p));
        }
    }
}

QString TStringList::CommaText() const
{
    TStringList tmp;
    for (const Item& it : items_)
        tmp.items_.push_back({it.text, nullptr});
    return tmp.DelimitedText();
}

void TStringList::SetCommaText(const QString& Value)
{
    const QChar d = delimiter_, q = quoteChar_;
    const bool strict = strictDelimiter_;
    delimiter_ = u',';
    quoteChar_ = u'"';
    strictDelimiter_ = false;
    SetDelimitedText(Value);
    delimiter_ = d;
    quoteChar_ = q;
    strictDelimiter_ = strict;
}

void TStringList::LoadFromFile(const QString& Path) { SetText(ReadTextFile(Path)); }

void TStringList::SaveToFile(const QString& Path, TextEncoding Encoding) const
{
    WriteTextFile(Path, Text(), Encoding);
}

QStringList TStringList::ToQStringList() const
{
    QStringList r;
    r.reserve(Count());
    for (const Item& it : items_)
        r << it.text;
    return r;
}
