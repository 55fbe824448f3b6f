#pragma once
// The drawing surface of controls and bitmaps: a stateful canvas with the
// classic device rules on top of a QPainter.
//
// Pixel rules (they hold exactly; the tests pin them):
// - a rectangle's Right and Bottom are outside: Rectangle/FillRect/FrameRect
//   (L, T, R, B) touch exactly the pixels L..R-1 x T..B-1;
// - LineTo draws from the pen position up to, but not including, the end
//   point, and moves the pen position there;
// - no antialiasing of shapes; width-1 pens are cosmetic and drawn pixel by
//   pixel (dotted and dashed patterns included);
// - with a solid brush, text is drawn on a filled cell (the background mode
//   is opaque, in the brush colour); with any other brush, transparently.
//   SetBkMode/SetBkColor override this until the brush changes next;
// - Rectangle/Ellipse/RoundRect with a clear pen fill one pixel less to the
//   right and bottom (the outline that would have covered them is missing).
//
// The pen mode (XOR, NOT ...) works on any raster surface: bitmaps and the
// backing store of a control during Paint. On a control, XOR only combines
// with what the same Paint has drawn, so XOR guide lines must be drawn from
// Paint (drawing them twice in one Paint restores the pixels).
#include <QPainter>
#include <QRegion>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/gui/classes.h"
#include "platform/gui/fonts.h"
#include "platform/gui/graphics.h"

class TGraphic;
class TBitmap;

// ---- font, pen, brush ---------------------------------------------------------------------

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
using TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline, TFontStyle::fsStrikeOut;

enum class TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TPersistent {
public:
    TFont() = default;

    const String& Name() const { return d_.Name; }
    void SetName(const String& Value);
    // Pixels: negative = character height, positive = cell height.
    int Height() const { return d_.Height; }
    void SetHeight(int Value);
    // Points at 96 dpi: Size = -Height * 72 / 96, rounded.
    int Size() const;
    void SetSize(int Value);
    TColor Color() const { return d_.Color; }
    void SetColor(TColor Value);
    TFontStyles Style() const { return d_.Style; }
    void SetStyle(TFontStyles Value);
    // Angle of the baseline in tenths of a degree, counter-clockwise.
    int Orientation() const { return d_.Orientation; }
    void SetOrientation(int Value);
    TFontPitch Pitch() const { return d_.Pitch; }
    void SetPitch(TFontPitch Value);
    TFontQuality Quality() const { return d_.Quality; }
    void SetQuality(TFontQuality Value);

    void Assign(const TPersistent& Source) override;
    // Exact: equal fonts compare equal, fonts differing in any property
    // unequal. Each state of a font carries a key: a change gives the font a
    // new one, Assign copies the source's, and two fonts found equal take
    // the same one. So comparing a font with a copy of itself (what cell
    // painting does for every cell) compares one number.
    bool operator==(const TFont& Other) const { return key_ == Other.key_ || SameAs(Other); }

    // The font to draw with, through the font map (fonts.h).
    QFont ToQFont() const;
    // Its measures, made once per font state (the colour is not part of
    // it) and shared with the fonts assigned from this one.
    const TFontMeasure& Measure() const;

    TNotifyEvent OnChange;

private:
    // The properties compared; when equal, both fonts take the smaller key.
    bool SameAs(const TFont& Other) const;
    static uint64_t NewKey();
    mutable std::shared_ptr<const TFontMeasure> measure_;
    // Equal keys: equal properties (the converse need not hold).
    mutable uint64_t key_ = NewKey();
    struct Data {
        String Name = QStringLiteral("Tahoma");
        int Height = -11;
        TColor Color = clWindowText;
        TFontStyles Style;
        int Orientation = 0;
        TFontPitch Pitch = TFontPitch::fpDefault;
        TFontQuality Quality = TFontQuality::fqDefault;
        // The numbers first; a name copied from another font shares its
        // text, so the texts are compared only when they are not the same.
        bool operator==(const Data& O) const { return Color == O.Color && SameShape(O); }
        // Everything but the colour: what the QFont is made of.
        bool SameShape(const Data& O) const
        {
            return Height == O.Height && Style == O.Style && Orientation == O.Orientation && Pitch == O.Pitch &&
                   Quality == O.Quality &&
                   ((Name.constData() == O.Name.constData() && Name.size() == O.Name.size()) || Name == O.Name);
        }
    };
    // ShapeChanged: the QFont and its measures are made again.
    void Changed(bool ShapeChanged = true);
    Data d_;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
using TPenStyle::psSolid, TPenStyle::psDash, TPenStyle::psDot, TPenStyle::psDashDot, TPenStyle::psDashDotDot,
    TPenStyle::psClear, TPenStyle::psInsideFrame;

// How the pen (and the brush of filled shapes) combines with the pixels:
// pmCopy draws; the others are the raster operations of the same names.
enum class TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
using TPenMode::pmBlack, TPenMode::pmWhite, TPenMode::pmNop, TPenMode::pmNot, TPenMode::pmCopy, TPenMode::pmNotCopy,
    TPenMode::pmMergePenNot, TPenMode::pmMaskPenNot, TPenMode::pmMergeNotPen, TPenMode::pmMaskNotPen,
    TPenMode::pmMerge, TPenMode::pmNotMerge, TPenMode::pmMask, TPenMode::pmNotMask, TPenMode::pmXor,
    TPenMode::pmNotXor;

class TPen : public TPersistent {
public:
    TColor Color() const { return d_.Color; }
    void SetColor(TColor Value);
    TPenStyle Style() const { return d_.Style; }
    void SetStyle(TPenStyle Value);
    int Width() const { return d_.Width; }
    void SetWidth(int Value);
    TPenMode Mode() const { return d_.Mode; }
    void SetMode(TPenMode Value);

    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnChange;

private:
    struct Data {
        TColor Color = clBlack;
        TPenStyle Style = psSolid;
        int Width = 1;
        TPenMode Mode = pmCopy;
        bool operator==(const Data&) const = default;
    };
    void Changed();
    Data d_;
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
using TBrushStyle::bsSolid, TBrushStyle::bsClear, TBrushStyle::bsHorizontal, TBrushStyle::bsVertical,
    TBrushStyle::bsFDiagonal, TBrushStyle::bsBDiagonal, TBrushStyle::bsCross, TBrushStyle::bsDiagCross;

class TBrush : public TPersistent {
public:
    TColor Color() const { return d_.Color; }
    void SetColor(TColor Value);
    TBrushStyle Style() const { return d_.Style; }
    void SetStyle(TBrushStyle Value);

    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnChange;

private:
    struct Data {
        TColor Color = clWhite;
        TBrushStyle Style = bsSolid;
        bool operator==(const Data&) const = default;
    };
    void Changed();
    Data d_;
};

// ---- regions ------------------------------------------------------------------------------

// A set of pixels made of rectangles (Right/Bottom outside), for clipping and
// window shapes: e.g. TRegion(Outer).Subtract(Hole).
class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& R);
    // The pixels inside a polygon (alternate fill), as Polygon fills them.
    static TRegion FromPolygon(const std::vector<TPoint>& Points, bool Winding = false);
    // The pixels Ellipse(R) and RoundRect(R, CornerW, CornerH) cover with a
    // visible pen (Right and Bottom outside).
    static TRegion FromEllipse(const TRect& R);
    static TRegion FromRoundRect(const TRect& R, int CornerW, int CornerH);

    TRegion& Union(const TRect& R);
    TRegion& Union(const TRegion& R);
    TRegion& Subtract(const TRect& R);
    TRegion& Subtract(const TRegion& R);
    TRegion& Intersect(const TRect& R);
    TRegion& Intersect(const TRegion& R);
    TRegion& Offset(int Dx, int Dy);

    bool IsEmpty() const { return r_.isEmpty(); }
    bool Contains(TPoint P) const { return r_.contains(P.ToQt()); }
    // The smallest rectangle holding the region (empty when it is empty).
    TRect BoundsRect() const;
    // Non-overlapping rectangles covering the region.
    std::vector<TRect> Rects() const;
    bool operator==(const TRegion& O) const { return r_ == O.r_; }

    const QRegion& ToQt() const { return r_; }
    static TRegion FromQt(const QRegion& R);

private:
    QRegion r_;
};

// ---- text and frame constants -------------------------------------------------------------

// DrawText flags.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_TABSTOP = 0x80;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_EXTERNALLEADING = 0x200;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_INTERNAL = 0x1000;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_MODIFYSTRING = 0x10000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_NOFULLWIDTHCHARBREAK = 0x80000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;
constexpr unsigned DT_PREFIXONLY = 0x200000;

// Background modes for SetBkMode.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// DrawEdge: edges ...
constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned BDR_OUTER = 0x3;
constexpr unsigned BDR_INNER = 0xC;
constexpr unsigned BDR_RAISED = 0x5;
constexpr unsigned BDR_SUNKEN = 0xA;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
// ... and sides.
constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr unsigned BF_TOPRIGHT = BF_TOP | BF_RIGHT;
constexpr unsigned BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT;
constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x800;
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// DrawFrameControl: types ...
constexpr unsigned DFC_CAPTION = 1;
constexpr unsigned DFC_MENU = 2;
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;
// ... parts (low byte) ...
constexpr unsigned DFCS_BUTTONCHECK = 0x0;
constexpr unsigned DFCS_BUTTONRADIOIMAGE = 0x1;
constexpr unsigned DFCS_BUTTONRADIOMASK = 0x2;
constexpr unsigned DFCS_BUTTONRADIO = 0x4;
constexpr unsigned DFCS_BUTTON3STATE = 0x8;
constexpr unsigned DFCS_BUTTONPUSH = 0x10;
constexpr unsigned DFCS_SCROLLUP = 0x0;
constexpr unsigned DFCS_SCROLLDOWN = 0x1;
constexpr unsigned DFCS_SCROLLLEFT = 0x2;
constexpr unsigned DFCS_SCROLLRIGHT = 0x3;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x5;
// ... and states.
constexpr unsigned DFCS_INACTIVE = 0x100;
constexpr unsigned DFCS_PUSHED = 0x200;
constexpr unsigned DFCS_CHECKED = 0x400;
constexpr unsigned DFCS_TRANSPARENT = 0x800;
constexpr unsigned DFCS_HOT = 0x1000;
constexpr unsigned DFCS_ADJUSTRECT = 0x2000;
constexpr unsigned DFCS_FLAT = 0x4000;
constexpr unsigned DFCS_MONO = 0x8000;

enum class TPolyFillMode { pfAlternate, pfWinding };
enum class TCopyMode { cmSrcCopy, cmSrcPaint, cmSrcAnd, cmSrcInvert, cmDstInvert, cmBlackness, cmWhiteness };

// ---- the canvas ---------------------------------------------------------------------------

class TCanvas;

// Restores the canvas's pen, brush, font, background mode, clipping, origin
// and pen position when it goes out of scope (on every path out).
class TCanvasStateGuard {
public:
    explicit TCanvasStateGuard(TCanvas& Canvas);
    ~TCanvasStateGuard();
    TCanvasStateGuard(TCanvasStateGuard&& Other) noexcept;
    TCanvasStateGuard(const TCanvasStateGuard&) = delete;
    TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;
    TCanvasStateGuard& operator=(TCanvasStateGuard&&) = delete;

private:
    struct Saved;
    TCanvas* canvas_;
    std::unique_ptr<Saved> saved_;
};

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;

    // Attaches the painter to draw with (nullptr detaches). The canvas owns
    // none of it and switches antialiasing off; its clipping and origin are
    // applied to the painter, whose own state is restored when detached.
    // Replacing or detaching a painter resets what lived in the old device
    // (clipping, origin, pen position, explicit background mode and colour);
    // pen, brush and font stay.
    void SetPainter(QPainter* Painter);
    QPainter* Painter() const { return painter_; }
    bool HandleAllocated() const { return painter_ != nullptr; }

    TFont& Font() { return font_; }
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    const TFont& Font() const { return font_; }
    const TPen& Pen() const { return pen_; }
    const TBrush& Brush() const { return brush_; }
    void SetFont(const TFont& Value) { font_.Assign(Value); }

    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint P) { penPos_ = P; }
    TPolyFillMode PolyFillMode() const { return polyFillMode_; }
    void SetPolyFillMode(TPolyFillMode Value) { polyFillMode_ = Value; }
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode Value) { copyMode_ = Value; }
    // TRANSPARENT or OPAQUE; follows the brush (OPAQUE only for bsSolid)
    // until set explicitly, and again after the next brush change.
    int BkMode() const;
    void SetBkMode(int Mode);
    // Colour behind opaque text and between hatch lines and dashes: the
    // brush colour (inverted for a non-solid brush) unless set explicitly
    // (reset by the next brush change, as BkMode).
    TColor BkColor() const;
    void SetBkColor(TColor Color);
    // Logical coordinate (0,0) lies at device point Origin.
    TPoint Origin() const { return origin_; }
    void SetOrigin(TPoint Value);
    // Logical dots per inch of the surface (always 96).
    int PixelsPerInch() const { return ScreenPixelsPerInch; }

    // ---- lines and shapes
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Polyline(const std::vector<TPoint>& Points);
    void Polygon(const std::vector<TPoint>& Points);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void FillRect(const TRect& R);
    // A 1-pixel frame in the brush colour.
    void FrameRect(const TRect& R);
    // X3, Y3: width and height of the corner ellipse.
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void RoundRect(const TRect& R, int CX, int CY) { RoundRect(R.Left, R.Top, R.Right, R.Bottom, CX, CY); }
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    // The sector of the ellipse in (X1,Y1,X2,Y2) from the radial through
    // (X3,Y3) counter-clockwise to the radial through (X4,Y4).
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    // The same with angles in degrees, counter-clockwise from 3 o'clock.
    void Sector(const TRect& R, double StartAngle, double SweepAngle);
    // The arc (pen only) with the same arguments as Pie.
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    TColor Pixels(int X, int Y) const;  // clNone outside the surface or on a non-image surface
    void SetPixels(int X, int Y, TColor Color);

    // ---- text
    // The text with its cell's top-left at (X, Y), rotated by the font's
    // Orientation around that point; moves PenPos.X by the text width.
    void TextOut(int X, int Y, const String& Text);
    // Fills R (opaque background) and draws the text at (X, Y) clipped to R.
    void TextRect(const TRect& R, int X, int Y, const String& Text);
    int TextWidth(const String& Text);
    int TextHeight(const String& Text);
    TSize TextExtent(const String& Text);
    // The x-offset of each caret position of a single-line text: Count + 1
    // values, the first 0, the last the text width.
    std::vector<int> TextCharPositions(const String& Text);
    // The font's average character width (from the font file); tab stops
    // of DT_EXPANDTABS lie every 8 of them.
    int AveCharWidth();
    // Draws (or with DT_CALCRECT measures, updating R) Text with the DT_*
    // flags; returns the height of the text (see drawtext.cpp).
    int DrawText(TRect& R, const String& Text, unsigned Flags);
    int DrawText(const TRect& R, const String& Text, unsigned Flags)
    {
        TRect r = R;
        return DrawText(r, Text, Flags);
    }

    // ---- pictures
    void Draw(int X, int Y, const TGraphic& Graphic);
    void StretchDraw(const TRect& R, const TGraphic& Graphic);
    // Draws pixels stretched onto R (no smoothing), alpha blended.
    void StretchDrawImage(const TRect& R, const QImage& Image);
    // Draws the bitmap at (X, Y) in its own size, leaving out its pixels of
    // colour Key (use the bitmap's TopLeftColor or BottomLeftColor).
    void DrawTransparent(int X, int Y, const TBitmap& Bitmap, TColor Key);
    // Copies Source of the bitmap to Dest, replacing its pixels of Color by
    // the brush colour.
    void BrushCopy(const TRect& Dest, const TBitmap& Bitmap, const TRect& Source, TColor Color);
    // Copies Source of another canvas (a bitmap's, or any on an image) to
    // Dest, stretching when the sizes differ; honours CopyMode.
    void CopyRect(const TRect& Dest, TCanvas& Canvas, const TRect& Source);
    // The canvas's surface as an image (nullptr when it is not an image).
    const QImage* Image();

    // Inverts every other pixel of R's outline; a second call restores them.
    void DrawFocusRect(const TRect& R);

    // ---- clipping (logical coordinates)
    // The bounding box of the area drawing reaches.
    TRect ClipRect() const;
    bool HasClip() const { return clipped_; }
    void SetClipRect(const TRect& R);
    void SetClipRegion(const TRegion& R);
    void IntersectClipRect(const TRect& R);
    void ExcludeClipRect(const TRect& R);
    void RemoveClip();
    // The current clip (device bounds when not clipped).
    TRegion ClipRegion() const;

    // Saves the state; restored when the guard is destroyed.
    [[nodiscard]] TCanvasStateGuard SaveState() { return TCanvasStateGuard(*this); }

protected:
    // Called when a primitive needs a painter and none is attached; a
    // subclass attaches one (a bitmap's canvas paints into its image).
    virtual void CreateHandle() {}
    // The painter, after CreateHandle; nullptr when drawing is impossible.
    QPainter* RequirePainter();
    // Attaches or detaches a painter keeping the whole canvas state (for a
    // surface that ends and resumes painting, as a bitmap does).
    void AttachPainter(QPainter* Painter);
    void ApplyDeviceState();

private:
    friend class TCanvasStateGuard;

    bool BrushVisible() const { return brush_.Style() != bsClear; }
    bool PenVisible() const { return pen_.Style() != psClear && pen_.Mode() != pmNop; }
    // Sets the painter's composition for the pen mode; false for pmNop.
    bool ApplyPenMode(QPainter& P, QColor& Color) const;
    QBrush QtBrush(QPainter& P) const;
    QRect DeviceBounds() const;
    // Cosmetic line of the pen, from A up to B excluded (or included).
    void StrokeLine(QPainter& P, TPoint A, TPoint B, bool IncludeEnd);
    void StrokeOutline(QPainter& P, const std::vector<TPoint>& Closed);
    void DrawTextCell(QPainter& P, int X, int Y, const String& Text, bool Opaque);
    // Ellipse and RoundRect: a rectangle with elliptic corners CornerW x CornerH.
    void DrawRounded(int X1, int Y1, int X2, int Y2, int CornerW, int CornerH);

    QPainter* painter_ = nullptr;
    TFont font_;
    TPen pen_;
    TBrush brush_;
    TPoint penPos_;
    TPoint origin_;
    TPolyFillMode polyFillMode_ = TPolyFillMode::pfAlternate;
    TCopyMode copyMode_ = TCopyMode::cmSrcCopy;
    int bkMode_ = 0;  // 0: follow the brush
    TColor bkColor_ = clNone;
    bool clipped_ = false;
    QRegion clip_;  // device coordinates (before the origin)
    // What the painter brought along when attached: kept under our own state.
    QTransform baseTransform_;
    // Logical to device coordinates at attach time: a widget painted
    // through its window's backing store is offset in that device.
    QTransform baseDeviceTransform_;
    bool baseClipped_ = false;
    QRegion baseClip_;
    int dotPhase_ = 0;  // position in the dash pattern of the current line
};

// ---- classic 3-D parts, drawn in the system colours -----------------------------------------

// Draws the edges of R; with BF_ADJUST, R shrinks by the drawn edges. BF_MIDDLE
// fills the inside with clBtnFace; BF_FLAT and BF_MONO draw plain frames.
bool DrawEdge(TCanvas& Canvas, TRect& R, unsigned Edge, unsigned Flags);
// DFC_BUTTON (push, check, radio, 3-state) and DFC_SCROLL (up, down, left,
// right, combo box) parts with DFCS_ state flags.
bool DrawFrameControl(TCanvas& Canvas, const TRect& R, unsigned Type, unsigned State);

// ---- themed parts ----------------------------------------------------------------------------

// Part and state numbers of the themed parts.
constexpr int HP_HEADERITEM = 1;
constexpr int HIS_NORMAL = 1, HIS_HOT = 2, HIS_PRESSED = 3;
constexpr int BP_PUSHBUTTON = 1, BP_RADIOBUTTON = 2, BP_CHECKBOX = 3;
constexpr int PBS_NORMAL = 1, PBS_HOT = 2, PBS_PRESSED = 3, PBS_DISABLED = 4, PBS_DEFAULTED = 5;
constexpr int RBS_UNCHECKEDNORMAL = 1, RBS_UNCHECKEDHOT = 2, RBS_UNCHECKEDPRESSED = 3, RBS_UNCHECKEDDISABLED = 4;
constexpr int RBS_CHECKEDNORMAL = 5, RBS_CHECKEDHOT = 6, RBS_CHECKEDPRESSED = 7, RBS_CHECKEDDISABLED = 8;
constexpr int CBS_UNCHECKEDNORMAL = 1, CBS_UNCHECKEDHOT = 2, CBS_UNCHECKEDPRESSED = 3, CBS_UNCHECKEDDISABLED = 4;
constexpr int CBS_CHECKEDNORMAL = 5, CBS_CHECKEDHOT = 6, CBS_CHECKEDPRESSED = 7, CBS_CHECKEDDISABLED = 8;
constexpr int CBS_MIXEDNORMAL = 9, CBS_MIXEDHOT = 10, CBS_MIXEDPRESSED = 11, CBS_MIXEDDISABLED = 12;
constexpr int CP_DROPDOWNBUTTON = 1;
constexpr int CBXS_NORMAL = 1, CBXS_HOT = 2, CBXS_PRESSED = 3, CBXS_DISABLED = 4;
constexpr int SPNP_UP = 1, SPNP_DOWN = 2;
constexpr int UPS_NORMAL = 1, UPS_HOT = 2, UPS_PRESSED = 3, UPS_DISABLED = 4;
constexpr int DNS_NORMAL = 1, DNS_HOT = 2, DNS_PRESSED = 3, DNS_DISABLED = 4;
constexpr int PP_BAR = 1, PP_BARVERT = 2, PP_CHUNK = 3, PP_CHUNKVERT = 4;

// Draws the parts of the "visual styles" look. Class names: "header",
// "button", "combobox", "spin", "progress" (case-insensitive).
class ThemePainter {
public:
    virtual ~ThemePainter() = default;
    // False: callers draw the classic parts (DrawEdge, DrawFrameControl).
    virtual bool IsActive() const = 0;
    // False when the part is unknown (nothing drawn).
    virtual bool DrawPart(TCanvas& Canvas, const String& ClassName, int Part, int State, const TRect& R) = 0;
};

// Themes off: inactive, draws nothing.
class ClassicThemePainter : public ThemePainter {
public:
    bool IsActive() const override { return false; }
    bool DrawPart(TCanvas&, const String&, int, int, const TRect&) override { return false; }
};

// Themes on: flat parts of our own, drawn the same on every machine.
class StyledThemePainter : public ThemePainter {
public:
    bool IsActive() const override { return true; }
    bool DrawPart(TCanvas& Canvas, const String& ClassName, int Part, int State, const TRect& R) override;
};

// The program-wide theme painter (a StyledThemePainter until replaced).
ThemePainter& Themes();
// Replaces it (nullptr: back to the styled one); the caller keeps ownership.
void SetThemes(ThemePainter* Painter);
