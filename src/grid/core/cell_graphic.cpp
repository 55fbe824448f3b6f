#include "grid/core/cell_graphic.h"

#include "grid/core/grid_lists.h"
#include "platform/gui/bitmap.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/strings.h"

TCellGraphic::~TCellGraphic()
{
    using enum TCellType;
    switch (cellType_) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        if (cellCreated_)
            delete cellBitmap_;
        break;
    case ctIcon:
        if (cellCreated_)
            delete cellIcon_;
        break;
    case ctImages:
    case ctBalloon:
        delete cellBitmap_;
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
        if (cellAngle_ == 1)
            delete cellBitmap_;
        break;
    default:
        break;
    }
}

void TCellGraphic::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TCellGraphic*>(&Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    cellType_ = src->cellType_;
    cellVAlign_ = src->cellVAlign_;
    cellHAlign_ = src->cellHAlign_;
    cellIndex_ = src->cellIndex_;
    cellTransparent_ = src->cellTransparent_;
    cellValue_ = src->cellValue_;
    cellAngle_ = src->cellAngle_;
    cellBoolean_ = src->cellBoolean_;
    cellErrFrom_ = src->cellErrFrom_;
    cellErrLen_ = src->cellErrLen_;
    cellText_ = src->cellText_;
    cellCreated_ = src->cellCreated_;
}

void TCellGraphic::SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    cellType_ = TCellType::ctBitmap;
    cellBitmap_ = ABmp;
    cellTransparent_ = Transparent;
    cellHAlign_ = hal;
    cellVAlign_ = val;
}

void TCellGraphic::SetIcon(TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    cellType_ = TCellType::ctIcon;
    cellIcon_ = AIcon;
    cellHAlign_ = hal;
    cellVAlign_ = val;
}

void TCellGraphic::SetImageIdx(int Idx, TCellHAlign hal, TCellVAlign val)
{
    cellType_ = TCellType::ctImageList;
    cellIndex_ = Idx;
    cellHAlign_ = hal;
    cellVAlign_ = val;
}

void TCellGraphic::SetDataImage(int Idx, TCellHAlign hal, TCellVAlign val)
{
    cellType_ = TCellType::ctDataImage;
    cellIndex_ = Idx;
    cellHAlign_ = hal;
    cellVAlign_ = val;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val,
                                 TImageChangeEvent Notifier)
{
    // A list made earlier by this graphic is replaced, not leaked.
    if (cellType_ == TCellType::ctImages)
        delete cellBitmap_;
    cellType_ = TCellType::ctImages;
    cellHAlign_ = hal;
    cellVAlign_ = val;
    cellBoolean_ = Dir == 0;
    auto* list = new TIntList(Col, Row);
    list->OnChange = std::move(Notifier);
    cellBitmap_ = list;
    cellCreated_ = true;
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                              TCellHAlign hal, TCellVAlign val)
{
    cellType_ = TCellType::ctPicture;
    cellBitmap_ = APicture;
    cellTransparent_ = Transparent;
    cellAngle_ = static_cast<int>(StretchMode);
    cellIndex_ = Padding;
    cellHAlign_ = hal;
    cellVAlign_ = val;
}

void TCellGraphic::SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    SetPicture(nullptr, Transparent, StretchMode, Padding, hal, val);
    cellType_ = TCellType::ctFilePicture;
    cellBitmap_ = APicture;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    cellType_ = Data ? TCellType::ctDataCheckBox : TCellType::ctCheckBox;
    cellAngle_ = 0;
    cellBoolean_ = Value;
    cellTransparent_ = Flat;
    cellHAlign_ = hal;
    cellVAlign_ = val;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    cellType_ = TCellType::ctTriStateCheckBox;
    cellCheckBoxState_ = Value;
    cellBoolean_ = false;
    cellTransparent_ = Flat;
    cellHAlign_ = hal;
    cellVAlign_ = val;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    cellType_ = TCellType::ctRadioButton;
    cellAngle_ = 0;
    cellBoolean_ = Value;
    cellTransparent_ = Flat;
    cellHAlign_ = hal;
    cellVAlign_ = val;
}

void TCellGraphic::SetButton(int BW, int BH, const String& Caption, TCellHAlign hal, TCellVAlign val)
{
    cellType_ = TCellType::ctButton;
    cellHAlign_ = hal;
    cellVAlign_ = val;
    cellIndex_ = int((uint32_t(BH) << 16) | (uint32_t(BW) & 0xFFFFu));
    cellBoolean_ = false;
    cellText_ = Caption;
}

void TCellGraphic::SetBitButton(int BW, int BH, const String& Caption, TBitmap* Glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    SetButton(BW, BH, Caption, hal, val);
    cellType_ = TCellType::ctBitButton;
    cellBitmap_ = Glyph;
}

void TCellGraphic::SetInterfacedCell(TObject* AObject)
{
    cellType_ = TCellType::ctInterface;
    cellBitmap_ = AObject;
}

void TCellGraphic::SetAngle(int16_t AAngle)
{
    cellType_ = TCellType::ctRotated;
    int a = AAngle;
    while (a < 0)
        a += 360;
    while (a > 360)
        a -= 360;
    cellAngle_ = a;
}

TPoint TCellGraphic::GetPictureSize(int CW, int RH, bool HasText) const
{
    (void)HasText;
    int w = 0, h = 0;
    if (cellType_ == TCellType::ctPicture) {
        if (const auto* p = dynamic_cast<const TPicture*>(cellBitmap_)) {
            w = p->Width();
            h = p->Height();
        }
    } else if (cellType_ == TCellType::ctFilePicture) {
        if (const auto* p = dynamic_cast<const TFilePicture*>(cellBitmap_)) {
            w = p->Width();
            h = p->Height();
        }
    } else {
        return TPoint{0, 0};
    }
    const int a = CW - cellIndex_, b = RH - cellIndex_;
    auto aspect = [&](bool Limit) {
        double hs = w > 0 ? double(a) / w : 1.0;
        double vs = h > 0 ? double(b) / h : 1.0;
        if (Limit) {
            hs = std::min(hs, 1.0);
            vs = std::min(vs, 1.0);
        }
        if (hs >= vs)
            return TPoint{int(Round(w * vs)), b};
        return TPoint{a, int(Round(h * hs))};
    };
    switch (static_cast<TStretchMode>(cellAngle_)) {
    case TStretchMode::Stretch:
        return TPoint{a, b};
    case TStretchMode::StretchWithAspectRatio:
        return aspect(false);
    case TStretchMode::Shrink:
        return (w <= a && h <= b) ? TPoint{w, h} : TPoint{a, b};
    case TStretchMode::ShrinkWithAspectRatio:
        return (w <= a && h <= b) ? TPoint{w, h} : aspect(true);
    default:  // noStretch and any value past the modes
        return TPoint{w, h};
    }
}
