#include "grid/edit/controls/edit_btn.h"

#include <QApplication>
#include <QFontMetrics>

#include "platform/gui/canvas.h"
#include "platform/gui/graphics.h"
#include "platform/gui/input_state.h"
#include "platform/gui/menus.h"
#include "platform/gui/qt_widgets.h"

// ---- TVynSpeedButton ---------------------------------------------------------------------------

TVynSpeedButton::TVynSpeedButton(TComponent* AOwner) : THotSpeedButton(AOwner) {}

TVsgEditButton* TVynSpeedButton::Holder() const { return dynamic_cast<TVsgEditButton*>(Owner()); }

void TVynSpeedButton::SetFlat(bool Value)
{
    if (Value == ownFlat_)
        return;
    ownFlat_ = Value;
    Invalidate();
}

void TVynSpeedButton::Paint()
{
    TCanvas& c = Canvas();
    c.SetFont(Font());
    TRect r = Rect(0, 0, Width(), Height());
    const TButtonState state = State();
    const bool down = state == bsDown || state == bsExclusive;
    const bool pressed = state == bsDown;
    TVsgEditButton* holder = Holder();
    if (holder && holder->ButtonColor != clNone) {
        ownFlat_ = true;
        const TColor color = down ? holder->ButtonColorDown : Hot() ? holder->ButtonColorHot : holder->ButtonColor;
        c.Brush().SetColor(color);
        c.Pen().SetColor(color);
        c.FillRect(ClientRect());
    } else if (IsWinXP() && Themes().IsActive() &&
               Themes().DrawPart(c, QStringLiteral("button"), BP_PUSHBUTTON,
                                 down ? PBS_PRESSED : Hot() ? PBS_HOT : PBS_NORMAL, r)) {
    } else if (ownFlat_) {
        DrawEdge(c, r, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
        InflateRect(r, -1, -1);
    } else {
        DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
        InflateRect(r, -2, -2);
    }
    const TBitmap& glyph = Glyph();
    if (glyph.Width() > 0 && glyph.Height() > 0) {
        const int x = glyph.Width() < Width() ? (Width() - glyph.Width()) / 2 : 0;
        const int y = glyph.Height() < Height() ? (Height() - glyph.Height()) / 2 : 0;
        const int d = pressed ? 1 : 0;
        c.DrawTransparent(x + d, y + d, glyph, glyph.BottomLeftColor());
    }
    if (!Caption().isEmpty()) {
        c.Font().SetColor(clBlack);
        c.Brush().SetStyle(bsClear);
        if (pressed)
            OffsetRect(r, 1, 1);
        c.DrawText(r, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

// ---- TVsgEditButton ----------------------------------------------------------------------------

TVsgEditButton::TVsgEditButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption} + TControlStyle{csOpaque});
    button_ = new TVynSpeedButton(this);
    button_->SetParent(this);
    button_->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int X, int Y) {
        ButtonMouseUp(Button, X, Y);
    };
    SetBounds(0, 0, 20, 25);
}

TVsgEditButton::~TVsgEditButton() = default;

void TVsgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (button_ && !ComponentState().Contains(TComponentStateItem::csLoading))
        button_->SetBounds(0, 0, Width(), Height());
}

void TVsgEditButton::SetFlat(bool Value)
{
    flat_ = Value;
    button_->SetFlat(Value);
}

void TVsgEditButton::ButtonMouseUp(TMouseButton Button, int, int)
{
    if (Button != mbLeft)
        return;
    TWeakRef<TVsgEditButton> self(this);
    if (OnClick)
        OnClick(this);
    if (!self)
        return;
    TWinControl* fc = FocusControl();
    if (fc && fc->TabStop() && fc->CanFocus() && !fc->Focused())
        fc->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}

// ---- TVsgEditBtn -------------------------------------------------------------------------------

TVsgEditBtn::TVsgEditBtn(TComponent* AOwner) : TSideButtonMaskEdit(AOwner)
{
    button_ = new TVsgEditButton(this);
    button_->SetBounds(0, 0, 18, 18);
    button_->SetVisible(true);
    button_->SetParent(this);
    button_->SetFocusControl(this);
    button_->OnClick = [this](TObject* Sender) { ClickBtn(Sender); };
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
    SetText(QStringLiteral("0"));
    auto previous = Editor()->AfterPaint;
    Editor()->AfterPaint = [this, previous](QPainter& P) {
        if (previous)
            previous(P);
        PaintOver(P);
    };
    UpdateLayout();
}

TVsgEditBtn::~TVsgEditBtn() { button_ = nullptr; }

void TVsgEditBtn::ClickBtn(TObject* Sender)
{
    if (OnClickBtn)
        OnClickBtn(Sender);
}

void TVsgEditBtn::SetButtonWidth(int Value)
{
    buttonWidth_ = Value;
    button_->SetWidth(Value);
    UpdateLayout();
}

void TVsgEditBtn::SetIsWinXP(bool Value)
{
    isWinXP_ = Value;
    button_->Button()->SetIsWinXP(Value);
}

void TVsgEditBtn::SetRightAlign(bool Value)
{
    if (Value == rightAlign_)
        return;
    rightAlign_ = Value;
    SetAlignment(Value ? taRightJustify : taLeftJustify);
}

void TVsgEditBtn::SetUnitSize(int Value)
{
    unitSize_ = Value;
    UpdateLayout();
    Invalidate();
}

int TVsgEditBtn::FrameWidth() const { return BorderStyle() == bsSingle ? 2 : 0; }

int TVsgEditBtn::AreaClientWidth() const { return Width() - 2 * FrameWidth(); }

int TVsgEditBtn::AreaClientHeight() const { return Height() - 2 * FrameWidth(); }

TRect TVsgEditBtn::TextArea() const
{
    const int lt = BorderStyle() == bsNone ? 3 : 1;
    int right = AreaClientWidth() - (button_->Width() + unitSize_ + 5);
    if (unitSize_ > 0)
        right -= 3;
    return Rect(lt, lt, right, AreaClientHeight() + 1);
}

TRect TVsgEditBtn::UnitArea() const
{
    const int right = AreaClientWidth() - button_->Width() - 3;
    return Rect(right - unitSize_, 2, right, AreaClientHeight());
}

void TVsgEditBtn::UpdateLayout()
{
    if (!button_)
        return;
    const int h = QFontMetrics(Font().ToQFont()).height();
    const int hs = QFontMetrics(QApplication::font()).height();
    const int m = h + std::min(hs, h) / 4;
    if (Height() < m) {
        SetHeight(m);
        return;
    }
    const int bw = button_->Width();
    // The platform's geometry in the text area's coordinates (inside the frame).
    if (BorderStyle() == bsSingle)
        button_->SetBounds(Width() - bw - 3, 2, bw, Height() - 5);
    else
        button_->SetBounds(Width() - bw - 1, 0, bw, Height() - 1);
    // The text area in the field's coordinates; the field keeps 2 pixels of
    // its own on either side.
    const TRect t = TextArea();
    const int f = FrameWidth();
    Editor()->setTextMargins(std::max(0, f + t.Left - 2), f, std::max(0, Width() - (f + t.Right) - 2), f);
}

void TVsgEditBtn::KeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TVsgEditBtn> self(this);
    TSideButtonMaskEdit::KeyDown(Key, Shift);
    if (!self)
        return;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool alt = GetKeyState(VK_LMENU) < 0 || GetKeyState(VK_RMENU) < 0 || GetKeyState(VK_MENU) < 0;
    if (Key == VK_F4 && !ctrl && !alt && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt))
        ClickBtn(this);
}

void TVsgEditBtn::WMChar(TMessage& Message)
{
    if (editorEnabled_)
        TSideButtonMaskEdit::WMChar(Message);
}

void TVsgEditBtn::DefaultHandler(TMessage& Message)
{
    if (HandleClipboardMessage(Message, editorEnabled_ && !ReadOnly()))
        return;
    TSideButtonMaskEdit::DefaultHandler(Message);
}

void TVsgEditBtn::DoEnter()
{
    if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0)
        SelectAll();
    TSideButtonMaskEdit::DoEnter();
}

// ---- TVsgUnitEditBtn ---------------------------------------------------------------------------

TVsgUnitEditBtn::TVsgUnitEditBtn(TComponent* AOwner) : TVsgEditBtn(AOwner)
{
    SetRightAlign(true);
    SetUnitSize(20);
}

TVsgUnitEditBtn::~TVsgUnitEditBtn() = default;

void TVsgUnitEditBtn::SetUnitID(const String& Value)
{
    unitID_ = Value;
    Invalidate();
    Editor()->update();
}

void TVsgUnitEditBtn::SetUnits(const TStringList* Value)
{
    if (Value)
        units_.Assign(*Value);
}

void TVsgUnitEditBtn::SetTextAndUnit(const String& Value)
{
    for (int i = 0; i < units_.Count(); ++i) {
        const String& u = units_.Strings(i);
        if (u.isEmpty())
            continue;
        const qsizetype p = Value.indexOf(u);  // the first occurrence only
        if (p >= 0 && p == Value.size() - u.size()) {
            SetText(Value.left(p));
            SetUnitID(Value.mid(p));
            return;
        }
    }
}

void TVsgUnitEditBtn::ClickBtn(TObject*)
{
    TWeakRef<TVsgUnitEditBtn> self(this);
    if (OnClickBtn)
        OnClickBtn(this);
    if (!self)
        return;
    const TPoint at = ClientToScreen(Point(ClientWidth() - 15, ClientHeight()));
    const int chosen = TrackPopupMenu(units_.ToQStringList(), at, this);
    if (self && chosen > 0)
        Perform(WM_COMMAND, chosen, 0);
}

void TVsgUnitEditBtn::WMCommand(TMessage& Message)
{
    const int code = int((Message.WParam >> 16) & 0xFFFF);
    const int n = int(Message.WParam & 0xFFFF);
    if (code == EN_CHANGE || n < 1 || n > units_.Count()) {
        TVsgEditBtn::WMCommand(Message);
        return;
    }
    const String unit = units_.Strings(n - 1);
    const bool changed = unitID_ != unit;
    SetUnitID(unit);
    if (changed && OnUnitChanged)
        OnUnitChanged(this, unitID_);
}

void TVsgUnitEditBtn::PaintOver(QPainter& Painter)
{
    if (unitID_.isEmpty())
        return;
    TCanvas c;
    c.SetPainter(&Painter);
    c.SetFont(Font());
    c.Brush().SetStyle(bsClear);
    TRect r = UnitArea();
    OffsetRect(r, FrameWidth(), FrameWidth());
    c.DrawText(r, unitID_, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    c.SetPainter(nullptr);
}
