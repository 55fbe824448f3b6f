#pragma once
// Small containers the string grid and its companions use internally: an
// integer list that reports its changes, the sort-key list, the text-line
// list of the grid's file formats, the list of controls placed in cells and
// a picture drawn from its file.
#include <cstdint>
#include <memory>
#include <vector>

#include "grid/core/grid_types.h"
#include "platform/gui/classes.h"
#include "platform/rtl/object.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/strings.h"

class QWidget;
class TCanvas;
class TControl;

// A list of 32-bit integers. OnChange fires after Add, SetInteger, Delete and
// DeleteValue (not after Insert or Clear) with the owner's cell given at
// creation. A bad index raises EStringListError.
class TIntList : public TObject {
public:
    TIntList(int Col, int Row);

    int Count() const { return static_cast<int>(items_.size()); }
    void Clear() { items_.clear(); }
    // Index of the first entry equal to Value, -1 when none.
    int IndexOf(int Value) const;

    int GetInteger(int Index) const;
    void SetInteger(int Index, int Value);
    int Items(int Index) const { return GetInteger(Index); }
    void SetItems(int Index, int Value) { SetInteger(Index, Value); }

    void Add(int Value);
    void Insert(int Index, int Value);
    void Delete(int Index);
    // Removes the first entry equal to Value (nothing when there is none).
    void DeleteValue(int Value);
    bool HasValue(int Value) const { return IndexOf(Value) >= 0; }

    // The entries as "3,-1,12" (no blanks); empty for an empty list.
    String StrValue() const;
    // Splits the text as comma text (commas and blanks separate, double
    // quotes group), empties the list and adds each part as an integer. A
    // part that is not an integer raises EConvertError; the entries added
    // before it stay.
    void SetStrValue(const String& Value);

    TImageChangeEvent OnChange;

protected:
    void Changed();

private:
    std::vector<int> items_;
    int col_;
    int row_;
};

// Sort keys: bits 0-30 hold the column, bit 31 set means descending.
class TSortIndexList : public TIntList {
public:
    TSortIndexList() : TIntList(-1, -1) {}

    void AddIndex(int ColumnIndex, bool Ascending);
    // Position of the first key of that column, -1 when none.
    int FindIndex(int ColumnIndex) const;
    int SortColumns(int Index) const;
    // Replaces the column bits, keeping the direction.
    void SetSortColumns(int Index, int Value);
    // True when the key is ascending.
    bool SortDirections(int Index) const;
    void SetSortDirections(int Index, bool Ascending);
    // Flips the direction of the column's first key; nothing when it has none.
    void ToggleIndex(int ColumnIndex);
    // "u2;d0": u ascending, d descending, then the column's low 16 bits.
    String SaveToString() const;
    // Empties the list and reads the keys of such a text. Parts shorter than
    // two characters are skipped; the column is the run of digits after the
    // first character (0 without digits); any first character other than
    // "u" means descending.
    void LoadFromString(const String& S);
};

// A line list with a read pointer and a pending output line.
class TFileStringList : public TStringList {
public:
    void Reset();
    bool Eof() const { return fp >= Count(); }
    // The line at the read pointer; the pointer moves on. Past the last line
    // raises EStringListError.
    void ReadLn(String& S);
    // Appends to the pending line.
    void Write(const String& S);
    // Adds the pending line followed by S as one line.
    void WriteLn(const String& S);

    int fp = 0;
    String cache;
};

// A control placed in a cell; the control is referenced, not owned.
class TControlItem : public TObject {
public:
    TControlItem(int AX, int AY, TControl* AControl) : X(AX), Y(AY), Control(AControl) {}
    int X;
    int Y;
    TControl* Control;
};

// The controls placed in cells. The list owns its items, not their controls.
class TControlList : public TObject {
public:
    ~TControlList() override;

    int Count() const { return static_cast<int>(items_.size()); }
    void AddControl(int X, int Y, TControl* Control);
    // Position of the first item of that cell, -1 when none.
    int ControlIndex(int X, int Y) const;
    // A bad index raises EStringListError.
    TControlItem* Control(int Index) const;
    // Frees the item (its control stays) and removes it.
    void RemoveControl(int Index);
    // True when some item's control is a windowed control whose window is
    // Handle (a control whose window does not exist yet matches nothing).
    bool HasHandle(const QWidget* Handle) const;

private:
    void CheckIndex(int Index) const;
    std::vector<std::unique_ptr<TControlItem>> items_;
};

// A picture given by its file name. Only the name and the size measured when
// the name was set are kept: every draw reads and decodes the file again. A
// file that is missing or unreadable measures 0 x 0 and draws nothing.
class TFilePicture : public TPersistent {
public:
    const String& Filename() const { return filename_; }
    void SetFilename(const String& Value);
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The file's picture stretched into Rect; nothing for an empty name.
    void DrawPicture(TCanvas& Canvas, const TRect& Rect) const;
    // Copies the name (without loading) and the size of another TFilePicture.
    void Assign(const TPersistent& Source) override;

private:
    String filename_;
    int width_ = 0;
    int height_ = 0;
};
