#pragma once
// More standard controls: TPanel, TShape, TImage, TRadioGroup and TLinkLabel.
#include <functional>
#include <vector>

#include "platform/gui/bitmap.h"
#include "platform/gui/stdctrls.h"

// ---- TPanel -----------------------------------------------------------------------------------

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
using TBevelCut::bvNone, TBevelCut::bvLowered, TBevelCut::bvRaised, TBevelCut::bvSpace;

enum class TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
using TVerticalAlignment::taAlignTop, TVerticalAlignment::taAlignBottom, TVerticalAlignment::taVerticalCenter;

// A container with an outer and an inner bevel and a caption (centred by
// default). Aligned children stay inside the bevels and the border.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut Value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut Value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int Value);
    // Space between the outer and the inner bevel.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int Value);
    // bsSingle adds a one-pixel frame outside the bevels.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
    void SetVerticalAlignment(TVerticalAlignment Value);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool Value);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;

private:
    void Changed();

    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
    TVerticalAlignment verticalAlignment_ = taVerticalCenter;
    bool showCaption_ = true;
};

// Draws a frame of Width pixels just inside R: top and left in TopColor,
// bottom and right in BottomColor; R shrinks by it.
void Frame3D(TCanvas& Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width);

// ---- TShape -----------------------------------------------------------------------------------

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
using TShapeType::stRectangle, TShapeType::stSquare, TShapeType::stRoundRect, TShapeType::stRoundSquare,
    TShapeType::stEllipse, TShapeType::stCircle;

// A figure drawn with Pen and Brush; a rectangle one pixel high is a line.
class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* AOwner);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType Value);
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }

protected:
    void Paint() override;

private:
    TShapeType shape_ = stRectangle;
    TPen pen_;
    TBrush brush_;
};

// ---- TImage -----------------------------------------------------------------------------------

// A picture. Stretch fills the bounds (Proportional keeps the aspect
// ratio), Center centres it, Transparent draws the picture with its
// transparency (a bitmap's key colour) over the parent. AutoSize fits the
// bounds to the picture when it changes.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture& Picture() { return picture_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool Value);
    bool Center() const { return center_; }
    void SetCenter(bool Value);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool Value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool Value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();

    TPicture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

// ---- TRadioGroup ------------------------------------------------------------------------------

// A group box with one radio button per item, laid out in Columns. The
// user's choice and setting ItemIndex to a new value both fire OnClick (the
// platform's rule for radio buttons).
class TRadioGroup : public TGroupBox {
public:
    explicit TRadioGroup(TComponent* AOwner);
    ~TRadioGroup() override;

    TControlStrings& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int Value);
    int Columns() const { return columns_; }
    void SetColumns(int Value);
    // The radio button of an item.
    TRadioButton* Buttons(int Index) const;

protected:
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;

private:
    void RebuildButtons();
    void ButtonClick(TRadioButton* Button);

    TControlStrings items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

// ---- TLinkLabel -------------------------------------------------------------------------------

enum class TSysLinkType { sltURL, sltID };
using TSysLinkType::sltURL, TSysLinkType::sltID;

using TSysLinkEvent = std::function<void(TObject* Sender, const String& Link, TSysLinkType LinkType)>;

// A caption in which <a href="...">text</a> (or <a id="...">) marks links.
// Everything else is plain text: no other markup is read, a "<" that does
// not open such a link shows as it is. Links are drawn in the link colour,
// underlined, with the hand cursor; clicking one (or Enter / Space while the
// label has the focus: its first link) fires OnLinkClick with the link's
// href (sltURL) or, without one, its id (sltID). AutoSize (default) fits the
// bounds to the text.
class TLinkLabel : public TCustomControl {
public:
    struct TSegment {
        String Text;
        bool IsLink = false;
        String Link;  // href, or id when there is no href
        TSysLinkType LinkType = sltURL;
        TRect Bounds;  // where it was drawn last (client coordinates)
    };

    explicit TLinkLabel(TComponent* AOwner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool Value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    // The caption cut into plain and link pieces.
    const std::vector<TSegment>& Segments() const { return segments_; }
    // The caption without markup.
    String PlainText() const;
    // The link piece at a client point (nullptr when none).
    const TSegment* LinkAt(TPoint Pos) const;

    TSysLinkEvent OnLinkClick;

    // Cuts a caption into pieces (exposed for tests).
    static std::vector<TSegment> Parse(const String& Caption);

protected:
    void Paint() override;
    void DefaultHandler(TMessage& Message) override;
    void CMWantSpecialKey(TMessage& Message) override;
    void WMSetCursor(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    virtual void DoOnLinkClick(const String& Link, TSysLinkType LinkType);

private:
    void Layout();
    void AdjustBounds();

    std::vector<TSegment> segments_;
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    int pressedLink_ = -1;
};
