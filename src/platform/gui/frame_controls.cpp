// The classic 3-D parts (edges, buttons, check boxes, scroll arrows) and the
// flat themed parts, all drawn by us in fixed colours so that they look the
// same on every machine.
#include <QPainter>

#include "platform/gui/canvas.h"

namespace {

void hLine(TCanvas& C, int X1, int X2, int Y, TColor Color)
{
    C.Brush().SetColor(Color);
    C.FillRect(Rect(X1, Y, X2, Y + 1));
}

void vLine(TCanvas& C, int X, int Y1, int Y2, TColor Color)
{
    C.Brush().SetColor(Color);
    C.FillRect(Rect(X, Y1, X + 1, Y2));
}

// One ring of an edge: top and left in TopLeft, then bottom and right in
// BottomRight (which so owns the top-right and bottom-left corners). Shrinks R
// by the drawn sides.
void ring(TCanvas& C, TRect& R, unsigned Sides, TColor TopLeft, TColor BottomRight)
{
    if (R.IsEmpty())
        return;
    if (Sides & BF_TOP)
        hLine(C, R.Left, R.Right, R.Top, TopLeft);
    if (Sides & BF_LEFT)
        vLine(C, R.Left, R.Top, R.Bottom, TopLeft);
    if (Sides & BF_BOTTOM)
        hLine(C, R.Left, R.Right, R.Bottom - 1, BottomRight);
    if (Sides & BF_RIGHT)
        vLine(C, R.Right - 1, R.Top, R.Bottom, BottomRight);
    if (Sides & BF_LEFT)
        ++R.Left;
    if (Sides & BF_TOP)
        ++R.Top;
    if (Sides & BF_RIGHT)
        --R.Right;
    if (Sides & BF_BOTTOM)
        --R.Bottom;
}

// A triangle pointing Dir (0 up, 1 down, 2 left, 3 right) centred at (Cx, Cy),
// Size rows deep (base 2 * Size - 1).
void arrow(TCanvas& C, int Cx, int Cy, int Size, int Dir, TColor Color)
{
    C.Brush().SetColor(Color);
    for (int i = 0; i < Size; ++i) {
        const int half = Dir == 0 || Dir == 2 ? i : Size - 1 - i;
        const int along = i - Size / 2;
        if (Dir <= 1)
            C.FillRect(Rect(Cx - half, Cy + along, Cx + half + 1, Cy + along + 1));
        else
            C.FillRect(Rect(Cx + along, Cy - half, Cx + along + 1, Cy + half + 1));
    }
}

// The classic 7 x 7 check mark with its top-left at (X, Y).
void checkMark(TCanvas& C, int X, int Y, TColor Color)
{
    static constexpr int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
    C.Brush().SetColor(Color);
    for (int i = 0; i < 7; ++i)
        C.FillRect(Rect(X + i, Y + kTop[i], X + i + 1, Y + kTop[i] + 3));
}

TRect centredSquare(const TRect& R, int Side)
{
    const int l = R.Left + (R.Width() - Side) / 2, t = R.Top + (R.Height() - Side) / 2;
    return Bounds(l, t, Side, Side);
}

void drawCheckBox(TCanvas& C, const TRect& R, unsigned State)
{
    TRect box = centredSquare(R, std::min(R.Width(), R.Height()));
    const bool inactive = State & DFCS_INACTIVE, pushed = State & DFCS_PUSHED;
    const bool grayed = (State & DFCS_BUTTON3STATE) && (State & DFCS_CHECKED);
    if (State & (DFCS_FLAT | DFCS_MONO))
        DrawEdge(C, box, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_MONO);
    else
        DrawEdge(C, box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    C.Brush().SetColor(inactive || pushed || grayed ? clBtnFace : clWindow);
    C.FillRect(box);
    if (State & DFCS_CHECKED)
        checkMark(C, box.Left + (box.Width() - 7) / 2, box.Top + (box.Height() - 7) / 2,
                  inactive || grayed ? clBtnShadow : clWindowText);
}

// An ellipse outline in two colours: upper-left half and lower-right half.
void twoToneRing(TCanvas& C, const TRect& Box, TColor UpperLeft, TColor LowerRight)
{
    C.Brush().SetStyle(bsClear);
    C.Pen().SetColor(UpperLeft);
    C.Ellipse(Box);
    auto guard = C.SaveState();
    const TRegion lowerRight = TRegion::FromPolygon(
        {{Box.Right + 1, Box.Top - 1}, {Box.Right + 1, Box.Bottom + 1}, {Box.Left - 1, Box.Bottom + 1}});
    C.SetClipRegion(C.ClipRegion().Intersect(lowerRight));
    C.Pen().SetColor(LowerRight);
    C.Ellipse(Box);
}

void drawRadio(TCanvas& C, const TRect& R, unsigned State)
{
    const TRect box = centredSquare(R, std::min(R.Width(), R.Height()));
    const bool inactive = State & DFCS_INACTIVE, flat = State & (DFCS_FLAT | DFCS_MONO);
    C.Pen().SetStyle(psSolid);
    C.Pen().SetWidth(1);
    C.Pen().SetColor(flat ? clWindowFrame : clBtnShadow);
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(inactive || (State & DFCS_PUSHED) ? clBtnFace : clWindow);
    C.Ellipse(box);
    if (!flat) {
        twoToneRing(C, box, clBtnShadow, clBtnHighlight);
        TRect inner = box;
        InflateRect(inner, -1, -1);
        twoToneRing(C, inner, cl3DDkShadow, cl3DLight);
    }
    if (State & DFCS_CHECKED) {
        const TColor dot = inactive ? clBtnShadow : clWindowText;
        C.Pen().SetColor(dot);
        C.Brush().SetStyle(bsSolid);
        C.Brush().SetColor(dot);
        C.Ellipse(centredSquare(box, std::max(2, box.Width() / 3)));
    }
}

void drawScrollButton(TCanvas& C, const TRect& R, unsigned State)
{
    TRect r = R;
    const bool pushed = State & DFCS_PUSHED, inactive = State & DFCS_INACTIVE;
    if (State & DFCS_FLAT)
        DrawEdge(C, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_FLAT | BF_MIDDLE);
    else if (pushed)
        DrawEdge(C, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_FLAT | BF_MIDDLE);
    else
        DrawEdge(C, r, EDGE_RAISED, BF_RECT | BF_ADJUST | BF_MIDDLE);
    int dir = 1;
    switch (State & 0xFF) {
    case DFCS_SCROLLUP: dir = 0; break;
    case DFCS_SCROLLLEFT: dir = 2; break;
    case DFCS_SCROLLRIGHT: dir = 3; break;
    default: dir = 1; break;
    }
    const int side = std::min(R.Width(), R.Height());
    const int size = std::max(2, (side + 1) / 4);
    int cx = (R.Left + R.Right - 1) / 2, cy = (R.Top + R.Bottom - 1) / 2;
    if (pushed) {
        ++cx;
        ++cy;
    }
    if (inactive) {
        arrow(C, cx + 1, cy + 1, size, dir, clBtnHighlight);
        arrow(C, cx, cy, size, dir, clBtnShadow);
    } else {
        arrow(C, cx, cy, size, dir, clBtnText);
    }
}

}  // namespace

bool DrawEdge(TCanvas& Canvas, TRect& R, unsigned Edge, unsigned Flags)
{
    auto guard = Canvas.SaveState();
    Canvas.Brush().SetStyle(bsSolid);
    TRect r = R;
    const unsigned sides = Flags & BF_RECT;
    const bool raisedOuter = Edge & BDR_RAISEDOUTER, sunkenOuter = Edge & BDR_SUNKENOUTER;
    const bool raisedInner = Edge & BDR_RAISEDINNER, sunkenInner = Edge & BDR_SUNKENINNER;
    TColor face = clBtnFace;
    if (Flags & BF_MONO) {
        if (Edge & BDR_OUTER)
            ring(Canvas, r, sides, clWindowFrame, clWindowFrame);
        if (Edge & BDR_INNER)
            ring(Canvas, r, sides, clWindow, clWindow);
        face = clWindow;
    } else if (Flags & BF_FLAT) {
        if (Edge & BDR_OUTER)
            ring(Canvas, r, sides, clBtnShadow, clBtnShadow);
        if (Edge & BDR_INNER)
            ring(Canvas, r, sides, clBtnFace, clBtnFace);
    } else {
        if (raisedOuter)
            ring(Canvas, r, sides, (Flags & BF_SOFT) ? clBtnHighlight : cl3DLight, cl3DDkShadow);
        else if (sunkenOuter)
            ring(Canvas, r, sides, clBtnShadow, clBtnHighlight);
        if (raisedInner)
            ring(Canvas, r, sides, (Flags & BF_SOFT) ? cl3DLight : clBtnHighlight, clBtnShadow);
        else if (sunkenInner)
            ring(Canvas, r, sides, cl3DDkShadow, cl3DLight);
    }
    if ((Flags & BF_MIDDLE) && !r.IsEmpty()) {
        Canvas.Brush().SetColor(face);
        Canvas.FillRect(r);
    }
    if (Flags & BF_ADJUST)
        R = r;
    return true;
}

bool DrawFrameControl(TCanvas& Canvas, const TRect& R, unsigned Type, unsigned State)
{
    if (R.IsEmpty())
        return false;
    auto guard = Canvas.SaveState();
    Canvas.Brush().SetStyle(bsSolid);
    if (Type == DFC_BUTTON) {
        const unsigned kind = State & 0xFF;
        if (kind & DFCS_BUTTONPUSH) {
            TRect r = R;
            unsigned flags = BF_RECT | BF_MIDDLE | BF_ADJUST;
            if (State & (DFCS_FLAT | DFCS_MONO))
                flags |= BF_FLAT;
            DrawEdge(Canvas, r, (State & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED, flags);
            return true;
        }
        if (kind & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE)) {
            drawRadio(Canvas, R, State);
            return true;
        }
        drawCheckBox(Canvas, R, State);
        return true;
    }
    if (Type == DFC_SCROLL) {
        switch (State & 0xFF) {
        case DFCS_SCROLLUP:
        case DFCS_SCROLLDOWN:
        case DFCS_SCROLLLEFT:
        case DFCS_SCROLLRIGHT:
        case DFCS_SCROLLCOMBOBOX: drawScrollButton(Canvas, R, State); return true;
        default: return false;
        }
    }
    return false;
}

// ---- themed parts ---------------------------------------------------------------------------

namespace {

struct PartColors {
    TColor Border, Fill, Glyph;
};

// Normal, hot, pressed, disabled.
PartColors buttonColors(int State)
{
    switch (State) {
    case 2: return {RGBColor(0x00, 0x78, 0xD7), RGBColor(0xE5, 0xF1, 0xFB), RGBColor(0x20, 0x20, 0x20)};
    case 3: return {RGBColor(0x00, 0x54, 0x99), RGBColor(0xCC, 0xE4, 0xF7), RGBColor(0x20, 0x20, 0x20)};
    case 4: return {RGBColor(0xBF, 0xBF, 0xBF), RGBColor(0xCC, 0xCC, 0xCC), RGBColor(0xA0, 0xA0, 0xA0)};
    default: return {RGBColor(0xAD, 0xAD, 0xAD), RGBColor(0xE1, 0xE1, 0xE1), RGBColor(0x20, 0x20, 0x20)};
    }
}

void flatBox(TCanvas& C, const TRect& R, const PartColors& Colors)
{
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(Colors.Fill);
    C.FillRect(R);
    C.Brush().SetColor(Colors.Border);
    C.FrameRect(R);
}

void pushButton(TCanvas& C, const TRect& R, int State)
{
    flatBox(C, R, buttonColors(State == PBS_DEFAULTED ? PBS_HOT : State));
}

// Check box: states 1-4 unchecked, 5-8 checked, 9-12 mixed (normal, hot,
// pressed, disabled each).
void checkBox(TCanvas& C, const TRect& R, int State)
{
    const int sub = (State - 1) % 4 + 1, kind = (State - 1) / 4;
    PartColors col = buttonColors(sub);
    col.Border = sub == 4 ? RGBColor(0xBC, 0xBC, 0xBC) : sub == 1 ? RGBColor(0x33, 0x33, 0x33) : col.Border;
    col.Fill = sub == 1 ? clWhite : col.Fill;
    const TRect box = centredSquare(R, std::min({R.Width(), R.Height(), 13}));
    flatBox(C, box, col);
    if (kind == 1) {
        checkMark(C, box.Left + (box.Width() - 7) / 2, box.Top + (box.Height() - 7) / 2, col.Glyph);
    } else if (kind == 2) {
        TRect inner = box;
        InflateRect(inner, -3, -3);
        C.Brush().SetColor(col.Glyph);
        C.FillRect(inner);
    }
}

// Radio: states 1-4 unchecked, 5-8 checked.
void radioButton(TCanvas& C, const TRect& R, int State)
{
    const int sub = (State - 1) % 4 + 1;
    PartColors col = buttonColors(sub);
    col.Border = sub == 4 ? RGBColor(0xBC, 0xBC, 0xBC) : sub == 1 ? RGBColor(0x33, 0x33, 0x33) : col.Border;
    col.Fill = sub == 1 ? clWhite : col.Fill;
    const TRect box = centredSquare(R, std::min({R.Width(), R.Height(), 13}));
    C.Pen().SetStyle(psSolid);
    C.Pen().SetWidth(1);
    C.Pen().SetColor(col.Border);
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(col.Fill);
    C.Ellipse(box);
    if (State >= RBS_CHECKEDNORMAL) {
        C.Pen().SetColor(col.Glyph);
        C.Brush().SetColor(col.Glyph);
        C.Ellipse(centredSquare(box, std::max(3, box.Width() / 2 - 1)));
    }
}

void headerItem(TCanvas& C, const TRect& R, int State)
{
    const TColor fill = State == HIS_HOT ? RGBColor(0xD9, 0xEB, 0xF9)
                        : State == HIS_PRESSED ? RGBColor(0xBC, 0xDC, 0xF4)
                                               : RGBColor(0xFF, 0xFF, 0xFF);
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(fill);
    C.FillRect(R);
    hLine(C, R.Left, R.Right, R.Bottom - 1, RGBColor(0xE5, 0xE5, 0xE5));
    vLine(C, R.Right - 1, R.Top, R.Bottom - 1, RGBColor(0xE5, 0xE5, 0xE5));
}

void arrowButton(TCanvas& C, const TRect& R, int State, int Dir, bool Frame)
{
    const PartColors col = buttonColors(State);
    if (Frame)
        flatBox(C, R, col);
    else {
        C.Brush().SetStyle(bsSolid);
        C.Brush().SetColor(State == 1 ? clWindow : col.Fill);
        C.FillRect(R);
    }
    const int side = std::min(R.Width(), R.Height());
    arrow(C, (R.Left + R.Right - 1) / 2, (R.Top + R.Bottom - 1) / 2, std::max(2, (side + 1) / 4), Dir,
          State == 4 ? col.Glyph : RGBColor(0x60, 0x60, 0x60));
}

void progressPart(TCanvas& C, const TRect& R, int Part)
{
    if (Part == PP_BAR || Part == PP_BARVERT)
        flatBox(C, R, {RGBColor(0xBC, 0xBC, 0xBC), RGBColor(0xE6, 0xE6, 0xE6), 0});
    else {
        C.Brush().SetStyle(bsSolid);
        C.Brush().SetColor(RGBColor(0x06, 0xB0, 0x25));
        C.FillRect(R);
    }
}

}  // namespace

bool StyledThemePainter::DrawPart(TCanvas& Canvas, const String& ClassName, int Part, int State, const TRect& R)
{
    if (R.IsEmpty())
        return false;
    auto guard = Canvas.SaveState();
    const QString cls = ClassName.toLower();
    if (cls == u"header" && Part == HP_HEADERITEM)
        headerItem(Canvas, R, State);
    else if (cls == u"button" && Part == BP_PUSHBUTTON)
        pushButton(Canvas, R, State);
    else if (cls == u"button" && Part == BP_CHECKBOX)
        checkBox(Canvas, R, State);
    else if (cls == u"button" && Part == BP_RADIOBUTTON)
        radioButton(Canvas, R, State);
    else if (cls == u"combobox" && Part == CP_DROPDOWNBUTTON)
        arrowButton(Canvas, R, State, 1, false);
    else if (cls == u"spin" && (Part == SPNP_UP || Part == SPNP_DOWN))
        arrowButton(Canvas, R, State, Part == SPNP_UP ? 0 : 1, true);
    else if (cls == u"progress" && Part >= PP_BAR && Part <= PP_CHUNKVERT)
        progressPart(Canvas, R, Part);
    else
        return false;
    return true;
}

namespace {
StyledThemePainter gStyled;
ThemePainter* gThemes = &gStyled;
}  // namespace

ThemePainter& Themes() { return *gThemes; }

void SetThemes(ThemePainter* Painter) { gThemes = Painter ? Painter : &gStyled; }
