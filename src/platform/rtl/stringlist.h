#pragma once
// TStringList: an ordered list of texts, each with an optional object
// reference, with the classic sorted/duplicates/case rules and the comma and
// delimited text forms.
#include <QString>
#include <QStringList>

#include <vector>

#include "platform/rtl/codec.h"
#include "platform/rtl/object.h"

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TObject {
public:
    TStringList() = default;
    ~TStringList() override;
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    // Index-checked access; a bad index raises EStringListError.
    const QString& Strings(int Index) const;
    void SetStrings(int Index, const QString& S);
    const QString& operator[](int Index) const { return Strings(Index); }
    TObject* Objects(int Index) const;
    void SetObjects(int Index, TObject* Obj);

    // Appends (or, when Sorted, inserts at its place); returns the index.
    // A duplicate in a sorted list follows Duplicates: dupIgnore returns the
    // existing index, dupError raises EStringListError.
    int Add(const QString& S);
    int AddObject(const QString& S, TObject* Obj);
    void AddStrings(const QStringList& Items);
    // Raises EStringListError on a sorted list.
    void Insert(int Index, const QString& S);
    void InsertObject(int Index, const QString& S, TObject* Obj);
    void Delete(int Index);
    void Clear();
    void Exchange(int A, int B);
    void Move(int From, int To);
    // Index of the first equal text (by CaseSensitive), -1 when none.
    int IndexOf(const QString& S) const;
    int IndexOfObject(const TObject* Obj) const;
    int IndexOfName(const QString& Name) const;
    // Binary search on a sorted list; Index gets the insertion point.
    bool Find(const QString& S, int& Index) const;
    void Sort();
    void Assign(const TStringList& Source);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }
    // Default false: comparisons ignore letter case.
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool Value);
    // When true, Delete/Clear/destruction free the objects.
    bool OwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool Value) { ownsObjects_ = Value; }

    // Name=Value pairs.
    QString Names(int Index) const;
    QString Values(const QString& Name) const;
    QString ValueFromIndex(int Index) const;

    // Every text followed by LineBreak.
    QString Text() const;
    // Splits at CR LF, CR or LF; a NUL ends the text.
    void SetText(const QString& Value);

    QChar Delimiter() const { return delimiter_; }
    void SetDelimiter(QChar C) { delimiter_ = C; }
    QChar QuoteChar() const { return quoteChar_; }
    void SetQuoteChar(QChar C) { quoteChar_ = C; }
    bool StrictDelimiter() const { return strictDelimiter_; }
    void SetStrictDelimiter(bool Value) { strictDelimiter_ = Value; }
    // Items joined by Delimiter; an item holding the quote character, the
    // delimiter or (unless StrictDelimiter) a character <= U+0020 is quoted
    // with inner quotes doubled. A single empty item gives two quotes.
    QString DelimitedText() const;
    void SetDelimitedText(const QString& Value);
    // DelimitedText with "," and "\"" and StrictDelimiter off.
    QString CommaText() const;
    void SetCommaText(const QString& Value);

    // Reads with DecodeText (BOM detection, UTF-8 or Windows-1252).
    // Raises EFileError when the file cannot be read.
    void LoadFromFile(const QString& Path);
    // Writes atomically; raises EFileError on failure.
    void SaveToFile(const QString& Path, TextEncoding Encoding = TextEncoding::Utf8) const;

    QStringList ToQStringList() const;

    static constexpr const char* LineBreak = "\n";

private:
    struct Item {
        QString text;
        TObject* object = nullptr;
    };
    int compare(const QString& A, const QString& B) const;
    void checkIndex(int Index) const;
    void freeObject(TObject* Obj);

    std::vector<Item> items_;
    bool sorted_ = false;
    TDuplicates duplicates_ = dupIgnore;
    bool caseSensitive_ = false;
    bool ownsObjects_ = false;
    QChar delimiter_ = u',';
    QChar quoteChar_ = u'"';
    bool strictDelimiter_ = false;
};
