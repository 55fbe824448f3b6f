#include "grid/core/grid_lists.h"

#include "platform/gui/bitmap.h"
#include "platform/gui/controls.h"

namespace {

[[noreturn]] void indexError(int Index)
{
    throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

constexpr uint32_t DescendingBit = 0x80000000u;
constexpr uint32_t ColumnBits = 0x7FFFFFFFu;

}  // namespace

// ---- TIntList ---------------------------------------------------------------------------------

TIntList::TIntList(int Col, int Row) : col_(Col), row_(Row) {}

void TIntList::Changed()
{
    if (OnChange)
        OnChange(this, col_, row_);
}

int TIntList::IndexOf(int Value) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[i] == Value)
            return i;
    return -1;
}

int TIntList::GetInteger(int Index) const
{
    if (Index < 0 || Index >= Count())
        indexError(Index);
    return items_[Index];
}

void TIntList::SetInteger(int Index, int Value)
{
    if (Index < 0 || Index >= Count())
        indexError(Index);
    items_[Index] = Value;
    Changed();
}

void TIntList::Add(int Value)
{
    items_.push_back(Value);
    Changed();
}

void TIntList::Insert(int Index, int Value)
{
    if (Index < 0 || Index > Count())
        indexError(Index);
    items_.insert(items_.begin() + Index, Value);
}

void TIntList::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        indexError(Index);
    items_.erase(items_.begin() + Index);
    Changed();
}

void TIntList::DeleteValue(int Value)
{
    const int i = IndexOf(Value);
    if (i >= 0)
        Delete(i);
}

String TIntList::StrValue() const
{
    String s;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            s += u',';
        s += IntToStr(items_[i]);
    }
    return s;
}

void TIntList::SetStrValue(const String& Value)
{
    TStringList parts;
    parts.SetCommaText(Value);
    Clear();
    for (int i = 0; i < parts.Count(); ++i)
        Add(StrToInt(parts[i]));
}

// ---- TSortIndexList ---------------------------------------------------------------------------

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending)
{
    uint32_t v = static_cast<uint32_t>(ColumnIndex);
    if (!Ascending)
        v |= DescendingBit;
    Add(static_cast<int>(v));
}

int TSortIndexList::FindIndex(int ColumnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if ((static_cast<uint32_t>(GetInteger(i)) & ColumnBits) == static_cast<uint32_t>(ColumnIndex))
            return i;
    return -1;
}

int TSortIndexList::SortColumns(int Index) const
{
    return static_cast<int>(static_cast<uint32_t>(GetInteger(Index)) & ColumnBits);
}

void TSortIndexList::SetSortColumns(int Index, int Value)
{
    const uint32_t old = static_cast<uint32_t>(GetInteger(Index));
    SetInteger(Index, static_cast<int>((old & DescendingBit) | (static_cast<uint32_t>(Value) & ColumnBits)));
}

bool TSortIndexList::SortDirections(int Index) const
{
    return (static_cast<uint32_t>(GetInteger(Index)) & DescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int Index, bool Ascending)
{
    uint32_t v = static_cast<uint32_t>(GetInteger(Index));
    v = Ascending ? (v & ColumnBits) : (v | DescendingBit);
    SetInteger(Index, static_cast<int>(v));
}

void TSortIndexList::ToggleIndex(int ColumnIndex)
{
    const int i = FindIndex(ColumnIndex);
    if (i >= 0)
        SetInteger(i, static_cast<int>(static_cast<uint32_t>(GetInteger(i)) ^ DescendingBit));
}

String TSortIndexList::SaveToString() const
{
    String s;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            s += u';';
        const uint32_t v = static_cast<uint32_t>(GetInteger(i));
        s += (v & DescendingBit) ? u'd' : u'u';
        s += IntToStr(v & 0xFFFFu);
    }
    return s;
}

void TSortIndexList::LoadFromString(const String& S)
{
    Clear();
    String rest = S;
    while (!rest.isEmpty()) {
        const int p = rest.indexOf(u';');
        const String part = p < 0 ? rest : rest.left(p);
        rest = p < 0 ? String() : rest.mid(p + 1);
        if (Length(part) < 2)
            continue;
        int64_t column = 0;
        for (int i = 1; i < Length(part) && part[i] >= u'0' && part[i] <= u'9'; ++i)
            column = std::min<int64_t>(column * 10 + (part[i].unicode() - u'0'), ColumnBits);
        AddIndex(static_cast<int>(column), part[0] == u'u');
    }
}

// ---- TFileStringList --------------------------------------------------------------------------

void TFileStringList::Reset()
{
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(String& S)
{
    S = Strings(fp);
    ++fp;
}

void TFileStringList::Write(const String& S) { cache += S; }

void TFileStringList::WriteLn(const String& S)
{
    Add(cache + S);
    cache.clear();
}

// ---- TControlList -----------------------------------------------------------------------------

TControlList::~TControlList() = default;

void TControlList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        indexError(Index);
}

void TControlList::AddControl(int X, int Y, TControl* Control)
{
    items_.push_back(std::make_unique<TControlItem>(X, Y, Control));
}

int TControlList::ControlIndex(int X, int Y) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[i]->X == X && items_[i]->Y == Y)
            return i;
    return -1;
}

TControlItem* TControlList::Control(int Index) const
{
    CheckIndex(Index);
    return items_[Index].get();
}

void TControlList::RemoveControl(int Index)
{
    CheckIndex(Index);
    items_.erase(items_.begin() + Index);
}

bool TControlList::HasHandle(const QWidget* Handle) const
{
    if (!Handle)
        return false;
    for (const auto& item : items_) {
        const auto* w = dynamic_cast<const TWinControl*>(item->Control);
        if (w && w->HandleAllocated() && w->Widget() == Handle)
            return true;
    }
    return false;
}

// ---- TFilePicture -----------------------------------------------------------------------------

void TFilePicture::SetFilename(const String& Value)
{
    filename_ = Value;
    width_ = height_ = 0;
    if (Value.isEmpty())
        return;
    try {
        TPicture picture;
        picture.LoadFromFile(Value);
        width_ = picture.Width();
        height_ = picture.Height();
    } catch (const Exception&) {
        // A form that names a missing picture still loads.
    }
}

void TFilePicture::DrawPicture(TCanvas& Canvas, const TRect& Rect) const
{
    if (filename_.isEmpty())
        return;
    try {
        TPicture picture;
        picture.LoadFromFile(filename_);
        if (picture.Graphic())
            Canvas.StretchDraw(Rect, *picture.Graphic());
    } catch (const Exception&) {
        // Nothing is drawn for a file that cannot be read.
    }
}

void TFilePicture::Assign(const TPersistent& Source)
{
    if (const auto* f = dynamic_cast<const TFilePicture*>(&Source)) {
        filename_ = f->filename_;
        width_ = f->width_;
        height_ = f->height_;
        return;
    }
    TPersistent::Assign(Source);
}
