#pragma once
// The graphic a cell may carry besides its text: a check box, a radio
// group, a button, a picture, a progress bar, a comment... One record class
// whose kind (CellType) says how its general-purpose fields are read.
//
// Layout of the general-purpose fields: CellBitmap holds the kind's object
// (bitmap, picture, file picture, item list, image-index list, balloon
// texts, interfaced object, glyph); the colour kinds keep their colours in
// CellBitmapColor and CellIconColor instead of in the object fields.
//
// Ownership: a graphic frees, when it is destroyed,
//   ctBitmap, ctRadio, ctPicture, ctFilePicture, ctBitButton: CellBitmap when CellCreated;
//   ctIcon: CellIcon when CellCreated;
//   ctImages, ctBalloon: CellBitmap always;
//   ctCheckBox, ctDataCheckBox, ctRadioButton: CellBitmap (the balloon texts) when CellAngle = 1;
// and nothing for any other kind. Objects handed to a Set... operation stay
// the caller's unless CellCreated is set afterwards.
#include <QVariant>

#include "grid/core/grid_types.h"
#include "platform/gui/classes.h"
#include "platform/gui/graphics.h"
#include "platform/gui/stdctrls.h"

class TBitmap;
class TIcon;
class TPicture;
class TFilePicture;
class TStringList;
class TIntList;

class TCellGraphic : public TPersistent {
public:
    TCellGraphic() = default;
    ~TCellGraphic() override;

    TCellType CellType() const { return cellType_; }
    void SetCellType(TCellType Value) { cellType_ = Value; }
    TObject* CellBitmap() const { return cellBitmap_; }
    void SetCellBitmap(TObject* Value) { cellBitmap_ = Value; }
    TIcon* CellIcon() const { return cellIcon_; }
    void SetCellIcon(TIcon* Value) { cellIcon_ = Value; }
    TColor CellBitmapColor() const { return cellBitmapColor_; }
    void SetCellBitmapColor(TColor Value) { cellBitmapColor_ = Value; }
    TColor CellIconColor() const { return cellIconColor_; }
    void SetCellIconColor(TColor Value) { cellIconColor_ = Value; }
    TCellVAlign CellVAlign() const { return cellVAlign_; }
    void SetCellVAlign(TCellVAlign Value) { cellVAlign_ = Value; }
    TCellHAlign CellHAlign() const { return cellHAlign_; }
    void SetCellHAlign(TCellHAlign Value) { cellHAlign_ = Value; }
    int CellIndex() const { return cellIndex_; }
    void SetCellIndex(int Value) { cellIndex_ = Value; }
    bool CellTransparent() const { return cellTransparent_; }
    void SetCellTransparent(bool Value) { cellTransparent_ = Value; }
    bool CellCreated() const { return cellCreated_; }
    void SetCellCreated(bool Value) { cellCreated_ = Value; }
    bool CellBoolean() const { return cellBoolean_; }
    void SetCellBoolean(bool Value) { cellBoolean_ = Value; }
    int CellAngle() const { return cellAngle_; }
    void SetCellAngle(int Value) { cellAngle_ = Value; }
    double CellValue() const { return cellValue_; }
    void SetCellValue(double Value) { cellValue_ = Value; }
    int CellErrFrom() const { return cellErrFrom_; }
    void SetCellErrFrom(int Value) { cellErrFrom_ = Value; }
    int CellErrLen() const { return cellErrLen_; }
    void SetCellErrLen(int Value) { cellErrLen_ = Value; }
    const String& CellText() const { return cellText_; }
    void SetCellText(const String& Value) { cellText_ = Value; }
    const QVariant& CellVar() const { return cellVar_; }
    void SetCellVar(const QVariant& Value) { cellVar_ = Value; }
    TCheckBoxState CellCheckBoxState() const { return cellCheckBoxState_; }
    void SetCellCheckBoxState(TCheckBoxState Value) { cellCheckBoxState_ = Value; }

    // Copies the kind, placement, numbers, flags and text; not the objects
    // (CellBitmap, CellIcon), CellVar or CellCheckBoxState.
    void Assign(const TPersistent& Source) override;

    void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int Idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int Idx, TCellHAlign hal, TCellVAlign val);
    // Creates the graphic's own image-index list for (Col, Row); Notifier
    // becomes the list's change event.
    void SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val, TImageChangeEvent Notifier);
    void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding, TCellHAlign hal,
                    TCellVAlign val);
    void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                        TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    // CellIndex packs the size: height in the high 16 bits, width in the low.
    void SetButton(int BW, int BH, const String& Caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int BW, int BH, const String& Caption, TBitmap* Glyph, TCellHAlign hal, TCellVAlign val);
    void SetInterfacedCell(TObject* AObject);
    // ctRotated; the angle brought into 0 .. 360 by whole turns (360 stays).
    void SetAngle(int16_t AAngle);
    // The size a picture (ctPicture, ctFilePicture) is drawn at in a cell
    // CW x RH; (0, 0) for any other kind. HasText does not change it.
    TPoint GetPictureSize(int CW, int RH, bool HasText) const;

private:
    TCellType cellType_ = TCellType::ctNone;
    TObject* cellBitmap_ = nullptr;
    TIcon* cellIcon_ = nullptr;
    TColor cellBitmapColor_ = 0;
    TColor cellIconColor_ = 0;
    TCellVAlign cellVAlign_ = TCellVAlign::vaTop;
    TCellHAlign cellHAlign_ = TCellHAlign::haLeft;
    int cellIndex_ = 0;
    bool cellTransparent_ = false;
    bool cellCreated_ = false;
    bool cellBoolean_ = false;
    int cellAngle_ = 0;
    double cellValue_ = 0;
    int cellErrFrom_ = 0;
    int cellErrLen_ = 0;
    String cellText_;
    QVariant cellVar_;
    TCheckBoxState cellCheckBoxState_ = cbUnchecked;
};
