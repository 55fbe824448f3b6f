// TVsgCustomCombo: the combo box with flat and etched looks, an own drop
// button, border and focus colours and an attached label.
#include <QAbstractItemView>
#include <QComboBox>

#include <algorithm>

#include "grid/core/grid_draw.h"
#include "grid/edit/grid_combo.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/application.h"
#include "platform/gui/canvas.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_widgets.h"

namespace {

constexpr TColor DisabledThemedBorder = 0xB99D7F;

void Frame(TCanvas& C, const TRect& R, TColor Color)
{
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(Color);
    C.FrameRect(R);
}

bool MouseButtonHeld() { return GetAsyncKeyState(VK_LBUTTON) < 0 || GetAsyncKeyState(VK_RBUTTON) < 0; }

}  // namespace

TVsgCustomCombo::TVsgCustomCombo(TComponent* AOwner)
    : TComboBox(AOwner), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2), FLabelFont(new TFont())
{
    FLabelFont->OnChange = [this](TObject*) {
        if (FLabel)
            UpdateLabel();
    };
    // The closed combo is painted here; the platform's painting stays for
    // the plain look. The list's opening and closing are reported too.
    auto* q = static_cast<TQtComboBox*>(Widget());
    // The list drops below the combo and shows DropDownCount items (some
    // styles would open it over the combo, all items at once).
    q->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    FPlatformPaint = q->PaintClosed;
    q->PaintClosed = [this](QPainter& P) { Paint(P); };
    auto before = q->BeforePopup;
    q->BeforePopup = [this, before] {
        ApplyDroppedWidth();
        if (before)
            before();
        ListDropped();
    };
    auto after = q->AfterPopup;
    q->AfterPopup = [this, after] {
        if (after)
            after();
        ListClosed();
    };
}

TVsgCustomCombo::~TVsgCustomCombo()
{
    auto* q = static_cast<TQtComboBox*>(Widget());
    q->PaintClosed = nullptr;
    q->BeforePopup = nullptr;
    q->AfterPopup = nullptr;
    delete FLabelFont;
    // The label is a component of the combo and goes with it.
}

// ---- settings ---------------------------------------------------------------------------------

void TVsgCustomCombo::SetFlat(bool Value)
{
    if (FFlat == Value)
        return;
    FFlat = Value;
    if (FFlat && FFlatParentColor && Parent())
        SetColor(Parent()->Color());
    else
        SetColor(FLoadedColor);
    Invalidate();
}

void TVsgCustomCombo::SetEtched(bool Value)
{
    FEtched = Value;
    Invalidate();
}

void TVsgCustomCombo::SetButtonWidth(int Value)
{
    if (Value < 14 || Value > 32)
        return;
    FButtonWidth = Value;
    Invalidate();
}

void TVsgCustomCombo::SetFocusBorder(bool Value)
{
    FFocusBorder = Value;
    Invalidate();
}

void TVsgCustomCombo::SetDropWidth(int Value)
{
    FDropWidth = Value;
    if (Value > 0)
        SetDroppedWidth(Value);
}

void TVsgCustomCombo::SetDroppedWidth(int Value)
{
    FDroppedWidth = std::max(0, Value);
    ApplyDroppedWidth();
}

void TVsgCustomCombo::ApplyDroppedWidth()
{
    if (auto* q = static_cast<QComboBox*>(Widget()); q && q->view())
        q->view()->setMinimumWidth(FDroppedWidth);
}

void TVsgCustomCombo::SetFlatLineColor(TColor Value)
{
    FFlatLineColor = Value;
    Invalidate();
}

void TVsgCustomCombo::SetFlatParentColor(bool Value)
{
    FFlatParentColor = Value;
    Invalidate();
}

void TVsgCustomCombo::SetFocusBorderColor(TColor Value)
{
    FFocusBorderColor = Value;
    Invalidate();
}

void TVsgCustomCombo::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value)
        return;
    FBorderColor = Value;
    Invalidate();
}

void TVsgCustomCombo::SetDisabledBorder(bool Value)
{
    FDisabledBorder = Value;
    Invalidate();
}

void TVsgCustomCombo::SetIsVista(bool Value)
{
    FIsVista = Value;
    Invalidate();
}

void TVsgCustomCombo::SetButtonColor(TColor Value)
{
    FButtonColor = Value;
    Invalidate();
}

void TVsgCustomCombo::SelectItem(const String& Text)
{
    const int i = Items().IndexOf(Text);
    if (i >= 0)
        SetItemIndex(i);
}

void TVsgCustomCombo::Init() { FNormalColor = Color(); }

void TVsgCustomCombo::Loaded()
{
    TComboBox::Loaded();
    if (FDropWidth > 0)
        SetDroppedWidth(FDropWidth);
    FOldColor = FLoadedColor;
    if (!(FFlatParentColor && !FFlat))
        SetColor(FLoadedColor);
    if (FLabel) {
        if (!FLabelAlwaysEnabled)
            FLabel->SetEnabled(Enabled());
        UpdateLabel();
    }
    Init();
}

void TVsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel)
        UpdateLabel();
}

void TVsgCustomCombo::SetVisible(bool Value)
{
    TComboBox::SetVisible(Value);
    if (FLabel)
        FLabel->SetVisible(Visible());
}

void TVsgCustomCombo::SetEnabled(bool Value)
{
    const bool changed = Value != Enabled();
    // The flat look takes the parent's colour while disabled.
    if (changed && FFlat && !ComponentState().Contains(TComponentStateItem::csLoading)) {
        if (!Value) {
            FOldParentColor = ParentColor();
            FOldColor = Color();
            SetParentColor(true);
        } else {
            SetParentColor(FOldParentColor);
            SetColor(FOldColor);
        }
    }
    TComboBox::SetEnabled(Value);
    if (changed && FLabel && !ComponentState().Contains(TComponentStateItem::csLoading)) {
        if (!FLabelAlwaysEnabled)
            FLabel->SetEnabled(Value);
        UpdateLabel();
    }
}

void TVsgCustomCombo::SetParent(TWinControl* AParent)
{
    TComboBox::SetParent(AParent);
    if (FLabel) {
        FLabel->SetParent(AParent);
        UpdateLabel();
    }
}

// ---- the label --------------------------------------------------------------------------------

String TVsgCustomCombo::LabelCaption() const { return FLabel ? FLabel->Caption() : String(); }

void TVsgCustomCombo::SetLabelCaption(const String& Value)
{
    if (!FLabel) {
        FLabel = new TLabel(this);
        FLabel->SetParent(Parent());
        FLabel->SetFocusControl(this);
        FLabel->Font().Assign(*FLabelFont);
        FLabel->SetParentFont(ParentFont());
    }
    FLabel->SetCaption(Value);
    UpdateLabel();
}

void TVsgCustomCombo::SetLabelPosition(TLabelPosition Value)
{
    FLabelPosition = Value;
    if (FLabel)
        UpdateLabel();
}

void TVsgCustomCombo::SetLabelMargin(int Value)
{
    FLabelMargin = Value;
    if (FLabel)
        UpdateLabel();
}

void TVsgCustomCombo::SetLabelTransparent(bool Value)
{
    FLabelTransparent = Value;
    if (FLabel)
        UpdateLabel();
}

void TVsgCustomCombo::SetLabelAlwaysEnabled(bool Value)
{
    FLabelAlwaysEnabled = Value;
    if (FLabel) {
        FLabel->SetEnabled(Value || Enabled());
        UpdateLabel();
    }
}

void TVsgCustomCombo::SetLabelFont(const TFont& Value)
{
    if (!ParentFont())
        FLabelFont->Assign(Value);
    if (FLabel)
        UpdateLabel();
}

void TVsgCustomCombo::UpdateLabel()
{
    if (!FLabel)
        return;
    FLabel->SetTransparent(FLabelTransparent);
    if (!ParentFont())
        FLabel->Font().Assign(*FLabelFont);
    // The caption's width on one line, prefix characters hidden.
    TBitmap scratch(1, 1);
    scratch.Canvas().SetFont(FLabel->Font());
    TRect m = Rect(0, 0, 1000, 255);
    scratch.Canvas().DrawText(m, FLabel->Caption(), DT_CALCRECT | DT_SINGLELINE | DT_HIDEPREFIX);
    const int w = m.Width();
    const TPoint at = LabelPlacement(FLabelPosition, Rect(Left(), Top(), Left() + Width(), Top() + Height()), w,
                                     FLabel->Width(), FLabel->Height(), FLabelMargin);
    FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}

// ---- focus, mouse, list ------------------------------------------------------------------------

void TVsgCustomCombo::DoEnter()
{
    FHasFocus = true;
    if (FNormalColor == clNone)
        FNormalColor = Color();
    if (FFocusColor != clNone)
        SetColor(FFocusColor);
    if (FLabel && FFocusLabel)
        FLabel->Font().SetStyle(FLabel->Font().Style() + TFontStyles{fsBold});
    Invalidate();
    TComboBox::DoEnter();
}

void TVsgCustomCombo::DoExit()
{
    FHasFocus = false;
    if (FFocusColor != clNone && FNormalColor != clNone)
        SetColor(FNormalColor);
    if (FLabel && FFocusLabel)
        FLabel->Font().SetStyle(FLabel->Font().Style() - TFontStyles{fsBold});
    Invalidate();
    TComboBox::DoExit();
}

void TVsgCustomCombo::CMMouseEnter(TMessage& Message)
{
    TComboBox::CMMouseEnter(Message);
    if (FMouseInControl || !Enabled())
        return;
    FMouseInControl = true;
    Invalidate();
    if (FAutoFocus) {
        TCustomForm* form = GetParentForm(this);
        if ((!form || form->Active()) && CanFocus())
            SetFocus();
    }
}

void TVsgCustomCombo::CMMouseLeave(TMessage& Message)
{
    TComboBox::CMMouseLeave(Message);
    if (!FMouseInControl || !Enabled())
        return;
    FMouseInControl = false;
    FButtonHover = false;
    Invalidate();
}

void TVsgCustomCombo::MouseMove(TShiftState Shift, int X, int Y)
{
    TComboBox::MouseMove(Shift, X, Y);
    const bool hover = X > Width() - FButtonWidth && X < Width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
}

void TVsgCustomCombo::CMFontChanged(TMessage& Message)
{
    TComboBox::CMFontChanged(Message);
    if (FLabel && ParentFont()) {
        FLabel->Font().Assign(Font());
        UpdateLabel();
    }
}

void TVsgCustomCombo::InvalidateButton() { Invalidate(); }

void TVsgCustomCombo::ListDropped() { InvalidateButton(); }

void TVsgCustomCombo::ListClosed()
{
    InvalidateButton();
    if (OnDropUp)
        OnDropUp(this);
}

// ---- painting ----------------------------------------------------------------------------------

bool TVsgCustomCombo::Hot() const { return FMouseInControl || Focused(); }

bool TVsgCustomCombo::OwnPaint() const
{
    if (FIsVista && FButtonColor == clNone)
        return false;
    return FFlat || FButtonColor != clNone || FBorderColor != clNone || (FFocusBorderColor != clNone && FHasFocus) ||
           (!Enabled() && FIsThemed && !FDisabledBorder);
}

void TVsgCustomCombo::Paint(QPainter& Painter)
{
    if (!OwnPaint()) {
        if (FPlatformPaint)
            FPlatformPaint(Painter);
        return;
    }
    TCanvas c;
    c.SetPainter(&Painter);
    c.Font().Assign(Font());
    const TRect client = Rect(0, 0, Width(), Height());
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Enabled() || Style() != csDropDownList ? Color() : clBtnFace);
    c.FillRect(client);
    DrawButton(c);
    // The list style's text (the edit field paints its own).
    if (Style() == csDropDownList) {
        DrawListText(c, Rect(3, 2, Width() - FButtonWidth - 2, Height() - 2), Focused() && !DroppedDown());
    }
    DrawBorder(c);
    c.SetPainter(nullptr);
}

void TVsgCustomCombo::DrawButton(TCanvas& C)
{
    TRect r = Rect(Width() - FButtonWidth + 2, 0, Width(), Height());
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    const bool down = MouseButtonHeld();
    if (FButtonColor == clNone) {
        if (FIsThemed && Themes().IsActive()) {
            const int state = !Enabled()                            ? CBXS_DISABLED
                              : down && DroppedDown()               ? CBXS_PRESSED
                              : FButtonHover && !down && !DroppedDown() ? CBXS_HOT
                                                                    : CBXS_NORMAL;
            Themes().DrawPart(C, QStringLiteral("combobox"), CP_DROPDOWNBUTTON, state, r);
        } else {
            const TRect b = Rect(r.Left - 4, r.Top + 1, r.Right, r.Bottom - 1);
            DrawFrameControl(C, b, DFC_SCROLL,
                             DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
        }
        return;
    }
    const TColor face = FButtonHover ? (down ? FButtonColorDown : FButtonColorHot) : FButtonColor;
    const TRect f = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    FillRectColor(C, f, face == clNone ? FButtonColor : face);
    C.Pen().SetColor(FButtonBorderColor == clNone ? face : FButtonBorderColor);
    C.MoveTo(f.Left, f.Top);
    C.LineTo(f.Left, f.Bottom);
    const TColor arrow = down && FButtonTextColorDown != clNone ? FButtonTextColorDown
                         : FButtonTextColor != clNone           ? FButtonTextColor
                                                                : clBlack;
    C.Pen().SetColor(arrow);
    C.Brush().SetColor(arrow);
    C.Polygon({TPoint(f.Left + 4, f.Top + 7), TPoint(f.Left + 10, f.Top + 7), TPoint(f.Left + 7, f.Top + 10)});
}

void TVsgCustomCombo::DrawBorder(TCanvas& C)
{
    TRect r = Rect(0, 0, Width(), Height());
    if (!Enabled() && FIsThemed && !FDisabledBorder) {
        Frame(C, r, DisabledThemedBorder);
        return;
    }
    if (FBorderColor != clNone && !(FHasFocus && FFocusBorderColor != clNone)) {
        Frame(C, r, FBorderColor);
        return;
    }
    if (FFocusBorderColor != clNone) {
        if (FHasFocus)
            Frame(C, r, FFocusBorderColor);
        return;
    }
    const bool active = Hot() && FFocusBorder;
    const TColor outer = active ? clBtnFace : (Parent() ? Parent()->Color() : clBtnFace);
    const TColor inner = Color();
    if (active) {
        DrawEdge(C, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        Frame(C, r, outer);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        Frame(C, r, inner);
    } else {
        Frame(C, r, outer);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1 - FButtonWidth, r.Bottom - 1);
        Frame(C, r, outer);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        Frame(C, r, inner);
    }
    if (FFlat && FFlatLineColor != clNone) {
        C.Pen().SetColor(FFlatLineColor);
        C.MoveTo(r.Left - 2, Height() - 1);
        C.LineTo(r.Right - FButtonWidth - 1, Height() - 1);
    }
}
