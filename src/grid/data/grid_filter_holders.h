#pragma once
// The grid's filter: its conditions (TFilter of TFilterData), the look of
// the header filter drop-down (TFilterDropDown), the two lists it shows
// (TDropList, TDropCheckList on TCheckListBox) and the popup they open in.
#include <functional>
#include <vector>

#include "platform/gui/bitmap.h"
#include "platform/gui/classes.h"
#include "platform/gui/fonts.h"
#include "platform/gui/popupform.h"
#include "platform/gui/stdctrls.h"

class TVynStringGrid;

// Which text of a cell a condition tests.
enum class TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
// How a condition's result combines with the result so far.
enum class TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum class TFilterMethod { fmExpression, fmLiteral };

// One condition.
class TFilterData : public TCollectionItem {
public:
    explicit TFilterData(TCollection* Collection) : TCollectionItem(Collection) {}
    int Column() const { return FColumn; }
    void SetColumn(int Value) { FColumn = Value; }
    const String& Condition() const { return FCondition; }
    void SetCondition(const String& Value) { FCondition = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    TFilterCells Data() const { return FData; }
    void SetData(TFilterCells Value) { FData = Value; }
    const String& Prefix() const { return FPrefix; }
    void SetPrefix(const String& Value) { FPrefix = Value; }
    const String& Suffix() const { return FSuffix; }
    void SetSuffix(const String& Value) { FSuffix = Value; }
    TFilterOperation Operation() const { return FOperation; }
    void SetOperation(TFilterOperation Value) { FOperation = Value; }
    TFilterMethod Method() const { return FMethod; }
    void SetMethod(TFilterMethod Value) { FMethod = Value; }
    // Every property but Method.
    void Assign(const TPersistent& Source) override;

private:
    int FColumn = 0;
    String FCondition;
    bool FCaseSensitive = true;
    TFilterCells FData = TFilterCells::fcVirtual;
    String FPrefix, FSuffix;
    TFilterOperation FOperation = TFilterOperation::foSHORT;
    TFilterMethod FMethod = TFilterMethod::fmExpression;
};

// The conditions of the grid's columns, tested in order.
class TFilter : public TCollection {
public:
    explicit TFilter(TVynStringGrid* AGrid);
    TVynStringGrid* Grid() const { return FGrid; }
    // Appends a condition: foNONE when it is the only one, else foAND.
    TFilterData* Add();
    // Appends a condition (the index is not used), its operation foSHORT.
    TFilterData* Insert(int Index);
    TFilterData* Items(int Index) const { return static_cast<TFilterData*>(TCollection::Items(Index)); }
    void SetItems(int Index, const TFilterData& Value) { Items(Index)->Assign(Value); }
    // The first condition of the column; one is added (Add) when there is none.
    TFilterData* ColumnFilter(int Col);
    bool HasFilter(int Col) const;
    // Deletes every condition of the column and repaints its header cell.
    void RemoveColumnFilter(int Col);

private:
    TVynStringGrid* FGrid;
};

// The look of the header filter drop-down. A change of the glyphs fires
// OnChange (the grid repaints).
class TFilterDropDown : public TPersistent {
public:
    TFilterDropDown();
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    bool ColumnWidth() const { return FColumnWidth; }
    void SetColumnWidth(bool Value) { FColumnWidth = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& Value) { FFont->Assign(Value); }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    // The header button's pictures: GlyphActive while the column has a
    // condition, Glyph otherwise; an empty one shows the built-in
    // "VSGFILT". The setters copy the picture and fire OnChange.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap& Value);
    TBitmap* GlyphActive() const { return FGlyphActive.get(); }
    void SetGlyphActive(const TBitmap& Value);
    // Copies Color, ColumnWidth, Font, Height, Width, Glyph and GlyphActive.
    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnChange;

private:
    bool FAutoSize = false;
    TColor FColor = clWindow;
    bool FColumnWidth = false;
    std::unique_ptr<TFont> FFont;
    int FHeight = 150;
    int FWidth = 150;
    std::unique_ptr<TBitmap> FGlyph, FGlyphActive;
};

// A list with a check box before every item. A click on an item, or Space
// on the chosen one, toggles its box and calls ClickCheck (OnClickCheck).
class TCheckListBox : public TListBox {
public:
    using TListBox::TListBox;
    bool Checked(int Index) const;
    void SetChecked(int Index, bool Value);
    void ClearChecks() { FChecked.clear(); }
    // The room the box takes before the text.
    int CheckWidth() const { return 19; }
    TNotifyEvent OnClickCheck;

protected:
    virtual void ClickCheck();
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    void DefaultHandler(TMessage& Message) override;

private:
    std::vector<uint8_t> FChecked;
};

using TDropSelectEvent = std::function<void(TObject* Sender, int ItemIndex)>;

// The single-choice list: a click or Enter picks the item (OnSelect), Esc
// closes the popup the list is in.
class TDropList : public TListBox {
public:
    using TListBox::TListBox;
    TDropSelectEvent OnSelect;

protected:
    void Click() override;
    void DefaultHandler(TMessage& Message) override;
};

// The check list: every tick reports (OnSelect with the ticked item).
class TDropCheckList : public TCheckListBox {
public:
    using TCheckListBox::TCheckListBox;
    TDropSelectEvent OnSelect;

protected:
    void ClickCheck() override;
    void DefaultHandler(TMessage& Message) override;
};

// The popup the filter lists open in. Losing it (a press outside, another
// form active) hides it and runs OnClosed.
class TFilterPopup : public TPopupForm {
public:
    explicit TFilterPopup(TComponent* AOwner);
    void PopupDeactivate(TWinControl* NewWindow) override;
    TNotifyEvent OnClosed;
};
