// TVynCustomDropDown: creation, the popup's life cycle, keys, mouse, focus,
// layout, copying and streaming. The styles are in DropDownStyles.cpp.
#include "controls/dropdown/VynDropDown.h"

#include <QLineEdit>

#include <algorithm>

#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownForm.h"
#include "grid/core/grid_draw.h"
#include "platform/gui/application.h"
#include "platform/gui/clipboard.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_widgets.h"
#include "platform/gui/timers.h"

namespace {

bool loading(const TComponent* C) { return C->ComponentState().Contains(TComponentStateItem::csLoading); }
bool destroying(const TComponent* C) { return C->ComponentState().Contains(TComponentStateItem::csDestroying); }

}  // namespace

// ---- creation ------------------------------------------------------------------------------

TVynCustomDropDown::TVynCustomDropDown(TComponent* AOwner)
    : TCustomEdit(AOwner), fLabelFont_(std::make_unique<TFont>())
{
    // Step 1 is in the field initialisers; step 2:
    SetBounds(Left(), Top(), 200, 21);
    fButtonWidth_ = 17;
    // Step 5 (the header, footer and button appearance) before the popup
    // and the button, which read them.
    fDropDownHeader_ = std::make_unique<THeaderAppearance>(this);
    fDropDownHeader_->OnChange = [this](TObject*) { HeaderChanged(); };
    fDropDownHeader_->OnButtonsChanged = [this](TObject*) { HeaderChanged(); };
    fDropDownFooter_ = std::make_unique<TFooterAppearance>(this);
    fDropDownFooter_->OnChange = [this](TObject*) { FooterChanged(); };
    fDropDownFooter_->OnButtonsChanged = [this](TObject*) { FooterChanged(); };
    fButtonAppearance_ = std::make_unique<TVynButtonAppearance>();
    // Step 4 without the virtual calls.
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption});
    TCustomEdit::SetReadOnly(false);
    fDropPosition_ = dpAuto;
    fEdit_.OldText.clear();
    fUserDropDownWidth_ = fUserDropDownHeight_ = -1;
    fDropDownEnabled_ = false;
    fDefaultHandling_ = true;
    fEdit_.CanUndo = true;
    fEdit_.AutoThousandSeparator = true;
    fFocusDraw_ = true;

    // The model reports the edit's change notifications and asks for the
    // key press and the clipboard events.
    fEdit_.OnEditChange = [this] { ++pendingChanges_; };
    fEdit_.OnKeyPress = [this](QChar& Ch) {
        TMessage m{WM_CHAR, Ch.unicode(), 0, 0};
        if (DoKeyPress(m))
            Ch = QChar();
        else
            Ch = QChar(char16_t(m.CharCode()));
    };
    auto clip = [this](const TClipboardEvent& Event, const String& Value) {
        bool allow = true;
        if (Event)
            Event(this, Value, allow);
        return allow;
    };
    fEdit_.OnCopy = [this, clip](const String& V) { return clip(OnClipboardCopy, V); };
    fEdit_.OnCut = [this, clip](const String& V) { return clip(OnClipboardCut, V); };
    fEdit_.OnPaste = [this, clip](const String& V) { return clip(OnClipboardPaste, V); };
    // The frame and the focus highlight are painted over the edit.
    platformPaint_ = Editor()->AfterPaint;
    Editor()->AfterPaint = [this](QPainter& P) {
        if (platformPaint_)
            platformPaint_(P);
        paintOver(P);
    };
}

void TVynCustomDropDown::InitDropDown()
{
    if (fInitialised_)
        return;
    fInitialised_ = true;
    CreateDropDownForm();
    fButton_ = nullptr;
    CreateDropDownButton();
    SetText(String());
    fEdit_.OldText.clear();
    SetSelectionColorStyle(scOffice2007);
    SetComponentStyle(tsOffice2007Luna);
    ResizeControl();
}

void TVynCustomDropDown::BeforeDestruction()
{
    if (TDropDownForm* form = fDropDownForm_) {
        fDropDownForm_ = nullptr;
        form->OnHide = nullptr;
        form->OnKeyPress = nullptr;
        form->OnKeyDown = nullptr;
        form->OnKeyUp = nullptr;
        form->OnMouseWheelDown = nullptr;
        form->OnMouseWheelUp = nullptr;
        form->OnResizing = nullptr;
        form->SetVynDropDown(nullptr);
        // The hosted control is not ours: it leaves the popup before the
        // popup is freed.
        if (TControl* c = fControl_.Get(); c && c->Parent() == form)
            c->SetParent(nullptr);
        form->Free();
    }
    TCustomEdit::BeforeDestruction();
}

TVynCustomDropDown::~TVynCustomDropDown()
{
    Editor()->AfterPaint = platformPaint_;
    fEdit_ = TDropDownEditModel();
    fDropDownHeader_->OnChange = nullptr;
    fDropDownHeader_->OnButtonsChanged = nullptr;
    fDropDownFooter_->OnChange = nullptr;
    fDropDownFooter_->OnButtonsChanged = nullptr;
}

String TVynCustomDropDown::Version() const
{
    const uint32_t v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}


void TVynCustomDropDown::CreateDropDownForm()
{
    if (fDropDownForm_)
        return;
    auto* form = new TDropDownForm(this);
    fDropDownForm_ = form;
    form->SetVynDropDown(this);
    form->SetBorderStyle(bsNone);
    form->SetVisible(false);
    form->SetBounds(form->Left(), form->Top(), fDropDownWidth_, fDropDownHeight_);
    form->OnHide = [this](TObject*) { AfterDropUp(); };
    form->OnKeyPress = [this](TObject*, QChar& Key) { DropDownKeyPress(Key); };
    form->OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) { DropDownKeyDown(Key, Shift); };
    form->OnKeyUp = [this](TObject*, Word& Key, TShiftState Shift) { DropDownKeyUp(Key, Shift); };
    form->OnMouseWheelDown = [this](TObject*, TShiftState, TPoint, bool&) { DoDropDownMouseWheelDown(); };
    form->OnMouseWheelUp = [this](TObject*, TShiftState, TPoint, bool&) { DoDropDownMouseWheelUp(); };
    form->OnDestroy = [this](TObject*) { DoDropDownDestroy(); };
    form->OnResizing = [this](TObject*) { DoDropDownSizing(); };
}

void TVynCustomDropDown::CreateDropDownButton()
{
    if (fButton_)
        return;
    fButton_ = new TDropDownEditButton(this);
    fButton_->SetParent(this);
    fButton_->OnClick = [this](TObject*) { ClickDropDown(); };
    UpdateDropDownButton();
}

void TVynCustomDropDown::UpdateDropDownButton()
{
    if (!fButton_)
        return;
    fButton_->SetBWidth(fButtonWidth_);
    fButton_->SetBounds(fButton_->Left(), fButton_->Top(), fButtonWidth_, 17);
    fButton_->SetVisible(true);
    fButton_->SetFocusControl(this);
}

// ---- properties ----------------------------------------------------------------------------

void TVynCustomDropDown::SetDropDownWidth(int Value)
{
    if (Value == fDropDownWidth_)
        return;
    fDropDownWidth_ = Value;
    fUserDropDownWidth_ = -1;
}

void TVynCustomDropDown::SetDropDownHeight(int Value)
{
    if (Value == fDropDownHeight_)
        return;
    fDropDownHeight_ = Value;
    fUserDropDownHeight_ = -1;
}

void TVynCustomDropDown::SetEditorEnabled(bool Value)
{
    fEditorEnabled_ = Value;
    if (Value)
        SetControlStyle(ControlStyle() + TControlStyle{csDoubleClicks});
    else
        SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks});
    ApplyCaret();
}

void TVynCustomDropDown::SetDropDownButtonHint(const String& Value)
{
    if (Value == fButtonHint_)
        return;
    fButtonHint_ = Value;
    if (fButton_) {
        fButton_->SetHint(Value);
        fButton_->SetShowHint(!Value.isEmpty());
    }
}

void TVynCustomDropDown::SetDropDownButtonWidth(int Value)
{
    if (Value == fButtonWidth_ || !fButton_)
        return;
    fButtonWidth_ = Value;
    fButton_->SetBWidth(Value);
    if (fButton_->HandleAllocated())
        ResizeControl();
}

const TBitmap* TVynCustomDropDown::DropDownButtonGlyph() const { return fButton_ ? &fButton_->Glyph() : nullptr; }

void TVynCustomDropDown::SetDropDownButtonGlyph(const TBitmap& Value)
{
    if (fButton_)
        fButton_->SetGlyph(Value);
}

String TVynCustomDropDown::DropDownButtonCaption() const { return fButton_ ? fButton_->ButtonCaption() : String(); }

void TVynCustomDropDown::SetDropDownButtonCaption(const String& Value)
{
    if (fButton_)
        fButton_->SetButtonCaption(Value);
}

void TVynCustomDropDown::SetBorderColor(TColor Value)
{
    if (Value == fBorderColor_)
        return;
    fBorderColor_ = Value;
    Invalidate();
    if (fButton_)
        fButton_->Invalidate();
}

void TVynCustomDropDown::SetDisabledBorder(bool Value)
{
    if (Value == fDisabledBorder_)
        return;
    fDisabledBorder_ = Value;
    Invalidate();
}

void TVynCustomDropDown::SetReadOnly(bool Value)
{
    TCustomEdit::SetReadOnly(Value);
    ApplyCaret();
    if (fButton_)
        fButton_->Invalidate();
}

void TVynCustomDropDown::ApplyCaret()
{
    // Without EditorEnabled the edit shows no text cursor (the platform's
    // line edit draws none while it is read-only; the keys that would edit
    // are dropped before they reach it anyway).
    Editor()->setReadOnly(ReadOnly() || !fEditorEnabled_);
}

// ---- typed input ---------------------------------------------------------------------------

void TVynCustomDropDown::loadEdit()
{
    const QLineEdit* e = Editor();
    fEdit_.EditText = TCustomEdit::Text();
    const int caret = int(e->cursorPosition());
    fEdit_.Caret = caret;
    fEdit_.Anchor = caret;
    if (e->hasSelectedText()) {
        const int s = int(e->selectionStart()), len = int(e->selectedText().size());
        fEdit_.Anchor = caret == s ? s + len : s;
    }
    fEdit_.Modified = TCustomEdit::Modified();
    fEdit_.MaxLength = MaxLength();
    fEdit_.ReadOnly = ReadOnly();
    fEdit_.Loading = loading(this);
    fEdit_.EditorEnabled = fEditorEnabled_;
}

void TVynCustomDropDown::storeEdit()
{
    if (fEdit_.EditText != TCustomEdit::Text()) {
        syncing_ = true;
        TControl::SetText(fEdit_.EditText);
        syncing_ = false;
    }
    QLineEdit* e = Editor();
    const int n = int(fEdit_.EditText.size());
    const int anchor = std::clamp(fEdit_.Anchor, 0, n), caret = std::clamp(fEdit_.Caret, 0, n);
    if (anchor == caret)
        e->setCursorPosition(caret);
    else
        e->setSelection(anchor, caret - anchor);
    TCustomEdit::SetModified(fEdit_.Modified);
}

template <class Op> void TVynCustomDropDown::runEdit(Op&& Operation)
{
    TWeakRef<TVynCustomDropDown> self(this);
    loadEdit();
    pendingChanges_ = 0;
    Operation(fEdit_);
    if (!self)
        return;
    storeEdit();
    // Each change reaches the virtual Change, where descendants follow the
    // text (the model has consumed BlockChange by now).
    for (int n = std::exchange(pendingChanges_, 0); n > 0 && self; --n)
        Change();
}

void TVynCustomDropDown::Change()
{
    if (syncing_)
        return;
    if (fEdit_.BlockChange) {
        fEdit_.BlockChange = false;
        return;
    }
    TCustomEdit::Change();
}

void TVynCustomDropDown::SetText(const String& Value)
{
    runEdit([&](TDropDownEditModel& M) { M.SetText(Value); });
}

void TVynCustomDropDown::SetTextDirect(const String& Value)
{
    runEdit([&](TDropDownEditModel& M) { M.WriteEditText(Value); });
}

void TVynCustomDropDown::SetEditType(TDropDownEditType Value)
{
    runEdit([&](TDropDownEditModel& M) { M.SetEditType(Value); });
    SetPasswordChar(fEdit_.PasswordChar());
}

void TVynCustomDropDown::SetPrecision(int Value)
{
    runEdit([&](TDropDownEditModel& M) { M.SetPrecision(Value); });
}

double TVynCustomDropDown::GetFloatValue()
{
    loadEdit();
    return fEdit_.GetFloatValue();
}

void TVynCustomDropDown::SetFloatValue(double X)
{
    runEdit([&](TDropDownEditModel& M) { M.SetFloatValue(X); });
}

void TVynCustomDropDown::SetIntValue(int64_t N)
{
    runEdit([&](TDropDownEditModel& M) { M.SetIntValue(N); });
}

void TVynCustomDropDown::SetModifiedFlag(bool Value)
{
    runEdit([&](TDropDownEditModel& M) { M.SetModifiedFlag(Value); });
}

void TVynCustomDropDown::SelectAll()
{
    runEdit([](TDropDownEditModel& M) { M.SelectAll(); });
}

void TVynCustomDropDown::SelectBeforeDecimal()
{
    runEdit([](TDropDownEditModel& M) { M.SelectBeforeDecimal(); });
}

void TVynCustomDropDown::SelectAfterDecimal()
{
    runEdit([](TDropDownEditModel& M) { M.SelectAfterDecimal(); });
}

void TVynCustomDropDown::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_COPY:
    case WM_CUT: {
        // A password is neither copied nor cut.
        if (!PasswordChar().isNull())
            return;
        String out;
        bool allow = false;
        runEdit([&](TDropDownEditModel& M) { allow = Message.Msg == WM_CUT ? M.Cut(out) : M.Copy(out); });
        if (allow && !out.isEmpty())
            Clipboard().SetAsText(out);
        return;
    }
    case WM_PASTE: {
        const String clip = Clipboard().AsText();
        runEdit([&](TDropDownEditModel& M) { M.Paste(clip); });
        return;
    }
    default: TCustomEdit::Dispatch(Message); return;
    }
}

void TVynCustomDropDown::DefaultHandler(TMessage& Message)
{
    // The edit's clipboard keys go through the clipboard messages and their
    // rules by edit type.
    if (Message.Msg == WM_KEYDOWN) {
        const Word vk = Message.CharCode();
        const TShiftState shift = KeyDataToShiftState(Message.KeyData());
        const bool ctrl = shift == TShiftState{ssCtrl}, sh = shift == TShiftState{ssShift};
        unsigned msg = 0;
        if ((vk == 'V' && ctrl) || (vk == VK_INSERT && sh))
            msg = WM_PASTE;
        else if ((vk == 'X' && ctrl) || (vk == VK_DELETE && sh))
            msg = WM_CUT;
        else if ((vk == 'C' && ctrl) || (vk == VK_INSERT && ctrl))
            msg = WM_COPY;
        if (msg) {
            Perform(msg);
            return;
        }
    }
    TCustomEdit::DefaultHandler(Message);
}

void TVynCustomDropDown::SetControl(TWinControl* AControl)
{
    if (AControl == fControl_.Get())
        return;
    if (TControl* old = fControl_.Get())
        old->RemoveFreeNotification(this);
    fControl_ = TWeakRef<TControl>(AControl);
    if (AControl)
        AControl->FreeNotification(this);
    PlaceDropDownControl();
}

void TVynCustomDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomEdit::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove || destroying(this))
        return;
    if (AComponent == fImages_.Get()) {
        fImages_.Reset();
        Invalidate();
    }
    if (AComponent == fControl_.Get())
        fControl_.Reset();
    if (AComponent == fFocusControl_.Get())
        fFocusControl_.Reset();
}

void TVynCustomDropDown::Loaded()
{
    TCustomEdit::Loaded();
    fParentFnt_ = ParentFont();
    SetEditRect();
    ResizeControl();
    if (fButton_)
        fButton_->SetEnabled(Enabled());
    if (fLabel_ && !fLabelAlwaysEnabled_)
        fLabel_->SetEnabled(Enabled());
    UpdateLabelPos();
    if (fLabel_ && ParentFont())
        fLabel_->Font().Assign(Font());
}

// ---- the popup -----------------------------------------------------------------------------

void TVynCustomDropDown::HeaderChanged()
{
    if (fDropDownForm_ && fDroppedDown_)
        fDropDownForm_->InitializeAndUpdate();
}

void TVynCustomDropDown::FooterChanged() { HeaderChanged(); }

void TVynCustomDropDown::DoBeforeDropDown()
{
    if (OnBeforeDropDown)
        OnBeforeDropDown(this);
}

void TVynCustomDropDown::UpdateDropDownSize()
{
    if (!fDropDownForm_)
        return;
    TControl* c = fControl_.Get();
    int w;
    if (fDropDownWidth_ > 0)
        w = fDropDownWidth_;
    else if (c && c->Visible())
        w = c->Width();
    else
        w = Width();
    int h;
    if (fDropDownHeight_ > 0) {
        h = fDropDownHeight_;
    } else {
        h = 2 * fDropDownBorderWidth_;
        if (fDropDownHeader_->Visible())
            h += fDropDownHeader_->Height();
        if (fDropDownFooter_->Visible())
            h += fDropDownFooter_->Height();
        if (c && c->Visible())
            h += c->Height();
    }
    fDropDownForm_->SetBounds(fDropDownForm_->Left(), fDropDownForm_->Top(), w, h);
}

void TVynCustomDropDown::PlaceDropDownControl()
{
    TControl* c = fControl_.Get();
    if (!fDropDownForm_ || !c)
        return;
    c->SetParent(fDropDownForm_);
    c->SetTop(fDropDownHeader_->Visible() ? fDropDownHeader_->Height() + 2 : fDropDownBorderWidth_);
    c->SetAlign(alClient);
}

void TVynCustomDropDown::DoShowDropDown()
{
    TDropDownForm* form = fDropDownForm_;
    if (!form || form->Visible() || !Enabled() || ReadOnly())
        return;
    TWeakRef<TVynCustomDropDown> self(this);
    DoBeforeDropDown();
    if (!self)
        return;
    form->SetShadow(fDropDownShadow_);
    form->InitializeAndUpdate();
    form->SetBounds(Left(), Top(), form->Width(), form->Height());
    UpdateDropDownSize();
    PlaceDropDownControl();
    form->SetMinSize(80, 50);
    if (auto* wc = dynamic_cast<TWinControl*>(fControl_.Get())) {
        wc->OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
        wc->OnKeyPress = [this](TObject*, QChar& Key) { ControlKeyPress(Key); };
        wc->OnKeyUp = [this](TObject*, Word& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
    }
    const TPoint p = Parent() ? Parent()->ClientToScreen(TPoint{Left(), Top()}) : ClientOrigin();

    // The size the popup will have: a size the user left it at, never below
    // the minimum. Placement works with it, so that a popup above the edit
    // ends on the edit's top and the work area holds the whole popup.
    int w = fUserDropDownWidth_ != -1 ? fUserDropDownWidth_ : form->Width();
    int h = fUserDropDownHeight_ != -1 ? fUserDropDownHeight_ : form->Height();
    w = std::max(w, form->MinWidth());
    h = std::max(h, form->MinHeight());

    // The work area of the display nearest to the edit (the primary one's
    // when there is no display at all).
    TRect wa = Screen.WorkAreaRect();
    if (TMonitor* m = Screen.MonitorFromPoint(p, mdNearest))
        wa = m->WorkareaRect();
    const int below = p.Y + Height() - 1, above = p.Y - h;
    bool down;
    switch (fDropPosition_) {
    case dpDown: down = true; break;
    case dpUp: down = false; break;
    default:
        // Below when it fits there; else above when it fits there; else on
        // the side with more room.
        if (below + h <= wa.Bottom)
            down = true;
        else if (above >= wa.Top)
            down = false;
        else
            down = wa.Bottom - below >= p.Y - wa.Top;
        break;
    }
    int left = p.X, top = down ? below : above;

    bool accept = true;
    if (OnDropDown)
        OnDropDown(this, accept);
    if (!self || !accept)
        return;

    // Inside the work area on both axes: right, left, bottom, top.
    if (left + w > wa.Right)
        left = wa.Right - w;
    if (left < wa.Left)
        left = wa.Left;
    if (top + h > wa.Bottom)
        top = wa.Bottom - h;
    if (top < wa.Top)
        top = wa.Top;

    AdjustDropDownHeight(h);
    fTextAtOpen_ = Text();
    fDroppedDown_ = true;
    form->ShowAt(Bounds(left, top, w, h));
    if (!self)
        return;
    FocusDropDownControl();
}

void TVynCustomDropDown::FocusDropDownControl()
{
    TWinControl* c = fFocusControl_.Get();
    if (c && c->TabStop() && c->CanFocus() && !c->Focused())
        c->SetFocus();
}

void TVynCustomDropDown::DoHideDropDown(bool Cancel)
{
    TDropDownForm* form = fDropDownForm_;
    if (!form || !form->Visible())
        return;
    TWeakRef<TVynCustomDropDown> self(this);
    if (OnBeforeDropUp)
        OnBeforeDropUp(this);
    if (!self || !form->Visible())
        return;
    fUserDropDownWidth_ = form->Width();
    fUserDropDownHeight_ = form->Height();
    form->Hide();
    Application.CancelHint();
    if (!self)
        return;
    // A cancelled close puts back the value the edit had when the popup
    // opened (not merely the last value written through SetText).
    if (Cancel)
        SetText(fTextAtOpen_);
    if (OnDropUp)
        OnDropUp(this, Cancel);
}

void TVynCustomDropDown::AfterDropUp()
{
    fDroppedDown_ = false;
    if (TabStop() && CanFocus() && !Focused() && !destroying(this))
        SetFocus();
}

void TVynCustomDropDown::ClickDropDown()
{
    TDropDownForm* form = fDropDownForm_;
    if (!form || form->Visible())
        return;
    // Within 250 ms of a close by deactivation the click is the one that
    // closed the popup: it does not open it again.
    if (form->Deactivated() && uint32_t(uint32_t(Clock().Now()) - form->DeActivateTime()) <= 250)
        return;
    DoShowDropDown();
}

void TVynCustomDropDown::Toggle()
{
    if (fDroppedDown_)
        DoHideDropDown(false);
    else
        DoShowDropDown();
}

void TVynCustomDropDown::DoDropDownMouseWheelDown() { HandleMouseWheelDown(); }
void TVynCustomDropDown::DoDropDownMouseWheelUp() { HandleMouseWheelUp(); }

void TVynCustomDropDown::DropDownKeyPress(QChar& Key) { Perform(WM_CHAR, Key.unicode(), 0); }
void TVynCustomDropDown::DropDownKeyDown(Word& Key, TShiftState) { Perform(WM_KEYDOWN, Key, 0); }
void TVynCustomDropDown::DropDownKeyUp(Word& Key, TShiftState) { Perform(WM_KEYUP, Key, 0); }
void TVynCustomDropDown::ControlKeyDown(Word& Key, TShiftState) { Perform(WM_KEYDOWN, Key, 0); }
void TVynCustomDropDown::ControlKeyUp(Word& Key, TShiftState) { Perform(WM_KEYUP, Key, 0); }
void TVynCustomDropDown::ControlKeyPress(QChar& Key) { Perform(WM_CHAR, Key.unicode(), 0); }

// ---- keys ----------------------------------------------------------------------------------

void TVynCustomDropDown::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomEdit::KeyDown(Key, Shift);
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN) && !fToggledThisKey_)
        Toggle();
}

void TVynCustomDropDown::KeyPress(QChar& Key)
{
    TCustomEdit::KeyPress(Key);
    if (Key.unicode() == 13)
        Key = QChar();
}

void TVynCustomDropDown::WMKeyDown(TMessage& Message) { HandleKeyDown(Message, false); }

void TVynCustomDropDown::WMSysKeyDown(TMessage& Message)
{
    fToggledThisKey_ = false;
    TCustomEdit::WMSysKeyDown(Message);
}

void TVynCustomDropDown::HandleKeyDown(TMessage& Message, bool)
{
    TWeakRef<TVynCustomDropDown> self(this);
    fToggledThisKey_ = false;
    const Word key = Message.CharCode();
    if (GetKeyState(VK_MENU) < 0 && (key == VK_UP || key == VK_DOWN)) {
        Toggle();
        if (!self)
            return;
        fToggledThisKey_ = true;
    }
    if (!fEditorEnabled_ && Enabled()) {
        if (!ReadOnly()) {
            if (key == VK_RETURN)
                DoHideDropDown(false);
            else if (key == VK_ESCAPE)
                DoHideDropDown(true);
            else if (key == VK_F4)
                Toggle();
        }
        if (self && (key == VK_RETURN || key == VK_ESCAPE))
            TCustomEdit::WMKeyDown(Message);
        fToggledThisKey_ = false;
        return;
    }
    if (GetKeyState(VK_CONTROL) < 0 && (key == VK_TAB || key == VK_RETURN)) {
        TCustomEdit::WMKeyDown(Message);
        fToggledThisKey_ = false;
        return;
    }
    if (key == VK_RETURN && fReturnIsTab_) {
        Message.SetCharCode(VK_TAB);
        if (Widget() && Widget()->isVisible())
            PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
    }
    // The caret rules around the prefix and suffix; a dropped key raises no
    // key-down event.
    const Word textKey = Message.CharCode();
    bool keep = true;
    const TShiftState shift = KeyDataToShiftState(Message.KeyData());
    runEdit([&](TDropDownEditModel& M) { keep = M.KeyDownBefore(textKey, shift); });
    if (!self)
        return;
    if (!keep) {
        Message.SetCharCode(0);
        Message.Result = 0;
        fToggledThisKey_ = false;
        return;
    }
    TCustomEdit::WMKeyDown(Message);
    if (!self)
        return;
    runEdit([&](TDropDownEditModel& M) { M.KeyDownAfter(textKey); });
    if (!self)
        return;
    fToggledThisKey_ = false;
    switch (Message.CharCode()) {
    case VK_RETURN: DoHideDropDown(false); break;
    case VK_ESCAPE: DoHideDropDown(true); break;
    case VK_F4: Toggle(); break;
    default: break;
    }
}

void TVynCustomDropDown::WMChar(TMessage& Message)
{
    // Typed characters: nothing without EditorEnabled; Ctrl+Enter is
    // dropped; Enter fires OnKeyPress with #13 and goes no further (passed
    // on to the parent when DefaultHandling is off); Esc is passed on with
    // DefaultHandling off; the rest goes through the edit type's rules.
    if (!fEditorEnabled_)
        return;
    const QChar ch(char16_t(Message.CharCode()));
    if (ch.unicode() == 13) {
        if (GetKeyState(VK_CONTROL) < 0) {
            Message.Result = 1;
            return;
        }
        QChar k = ch;
        if (OnKeyPress)
            OnKeyPress(this, k);
        if (!fDefaultHandling_ && Parent()) {
            PostMessage(Parent(), WM_KEYDOWN, VK_RETURN, 0);
            TCustomForm* form = GetParentForm(this);
            if (form && form->KeyPreview()) {
                Message.SetCharCode(0);
                TCustomEdit::WMChar(Message);
            } else {
                PostMessage(Parent(), WM_KEYUP, VK_RETURN, 0);
            }
        }
        return;
    }
    if (ch.unicode() == 27 && !fDefaultHandling_ && Parent()) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->KeyPreview()) {
            TCustomEdit::WMChar(Message);
            return;
        }
        PostMessage(Parent(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessage(Parent(), WM_KEYUP, VK_ESCAPE, 0);
    }
    if (ch.unicode() == 27 && !fEdit_.CanUndo) {
        TCustomEdit::WMChar(Message);
        return;
    }
    // Ctrl+C, Ctrl+V and Ctrl+X did their work at key-down (the clipboard
    // messages).
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (ctrl && (ch.unicode() == 3 || ch.unicode() == 22 || ch.unicode() == 24))
        return;
    const bool keypad = (Message.KeyData() & KEYDATA_SCANBIT6) != 0;
    runEdit([&](TDropDownEditModel& M) { M.TypeChar(ch, keypad, ctrl); });
}

void TVynCustomDropDown::CMWantSpecialKey(TMessage& Message)
{
    TCustomForm* form = GetParentForm(this);
    if (!form)
        return;
    const bool preview = form->KeyPreview();
    Word key = Word(Message.WParam);
    if (key == VK_ESCAPE && fEdit_.CanUndo && !preview) {
        runEdit([](TDropDownEditModel& M) {
            M.SelectAll();
            M.SetModifiedFlag(false);
        });
        key = 0;
        Message.WParam = 0;
        Message.Result = 0;
        if (Parent() && fDefaultHandling_) {
            PostMessage(Parent(), WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessage(Parent(), WM_KEYUP, VK_ESCAPE, 0);
        }
    }
    if (key == VK_RETURN && fDefaultHandling_ && !preview && Parent() && Parent()->Focused()) {
        PostMessage(Parent(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessage(Parent(), WM_KEYUP, VK_RETURN, 0);
    }
    TCustomEdit::CMWantSpecialKey(Message);
    if (key == VK_ESCAPE && fDroppedDown_)
        Message.Result = 1;
}

// ---- mouse and focus -----------------------------------------------------------------------

void TVynCustomDropDown::WMSetFocus(TMessage& Message)
{
    if (loading(this))
        return;
    TCustomEdit::WMSetFocus(Message);
    if (fEditorEnabled_) {
        fOldString_ = Text();
        if (AutoSelect())
            SelectAll();
        else if (fEdit_.EditType == etFloat || fEdit_.EditType == etMoney)
            SelectBeforeDecimal();
    } else {
        ApplyCaret();
        Invalidate();
    }
}

void TVynCustomDropDown::WMKillFocus(TMessage& Message)
{
    if (!loading(this))
        runEdit([](TDropDownEditModel& M) { M.KillFocus(); });
    TCustomEdit::WMKillFocus(Message);
    if (!fEditorEnabled_)
        Invalidate();
}

void TVynCustomDropDown::WMLButtonDown(TMessage& Message)
{
    if (!fEditorEnabled_) {
        TWeakRef<TVynCustomDropDown> self(this);
        TCustomEdit::WMLButtonDown(Message);
        if (self)
            ClickDropDown();
        return;
    }
    const int c = int(Editor()->cursorPositionAt(QPoint(Message.XPos(), Message.YPos())));
    if (SelLength() > 0 && c >= SelStart() && c <= SelStart() + SelLength() && Focused()) {
        fButtonDown_ = true;
        return;
    }
    TCustomEdit::WMLButtonDown(Message);
}

void TVynCustomDropDown::WMLButtonUp(TMessage& Message)
{
    TWeakRef<TVynCustomDropDown> self(this);
    if (!fEditorEnabled_ || ReadOnly())
        Invalidate();
    if (fButtonDown_) {
        SetSelStart(int(Editor()->cursorPositionAt(QPoint(Message.XPos(), Message.YPos()))));
        SetSelLength(0);
    }
    fButtonDown_ = false;
    TCustomEdit::WMLButtonUp(Message);
    if (self && (!fEdit_.Prefix.isEmpty() || !fEdit_.Suffix.isEmpty()))
        runEdit([](TDropDownEditModel& M) { M.MouseUp(); });
}

void TVynCustomDropDown::CMEnter(TMessage& Message)
{
    if (AutoSelect() && !(GetKeyState(VK_LBUTTON) < 0))
        SelectAll();
    TCustomEdit::CMEnter(Message);
    DrawBorders();
}

void TVynCustomDropDown::CMExit(TMessage& Message)
{
    TCustomEdit::CMExit(Message);
    DrawBorders();
}

void TVynCustomDropDown::CMMouseEnter(TMessage& Message)
{
    TCustomEdit::CMMouseEnter(Message);
    if (Enabled() && !fMouseInControl_) {
        fMouseInControl_ = true;
        DrawBorders();
    }
}

void TVynCustomDropDown::CMMouseLeave(TMessage& Message)
{
    TCustomEdit::CMMouseLeave(Message);
    if (Enabled() && fMouseInControl_) {
        fMouseInControl_ = false;
        DrawBorders();
    }
}

bool TVynCustomDropDown::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    const bool r = TCustomEdit::DoMouseWheelDown(Shift, MousePos);
    HandleMouseWheelDown();
    return r;
}

bool TVynCustomDropDown::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool r = TCustomEdit::DoMouseWheelUp(Shift, MousePos);
    HandleMouseWheelUp();
    return r;
}

void TVynCustomDropDown::DoEnter()
{
    TCustomEdit::DoEnter();
    SetEditRect();
}

void TVynCustomDropDown::CMEnabledChanged(TMessage& Message)
{
    TCustomEdit::CMEnabledChanged(Message);
    if (fButton_)
        fButton_->SetEnabled(Enabled());
    if (fLabel_ && !fLabelAlwaysEnabled_)
        fLabel_->SetEnabled(Enabled());
}

void TVynCustomDropDown::CMFontChanged(TMessage& Message)
{
    TCustomEdit::CMFontChanged(Message);
    if (HandleAllocated())
        SetEditRect();
}

// ---- layout --------------------------------------------------------------------------------

int TVynCustomDropDown::FrameWidth() const { return BorderStyle() == bsSingle ? 2 : 0; }

int TVynCustomDropDown::GetMinHeight()
{
    TBitmap scratch(1, 1);
    TCanvas& c = scratch.Canvas();
    c.SetFont(Font());
    const int h = c.TextHeight(QStringLiteral("0"));
    c.SetFont(TFont());
    const int s = c.TextHeight(QStringLiteral("0"));
    return h + std::min(h, s) / 4;
}

void TVynCustomDropDown::WMSize(TMessage& Message)
{
    TCustomEdit::WMSize(Message);
    ResizeControl();
}

void TVynCustomDropDown::ResizeControl()
{
    const bool single = BorderStyle() == bsSingle;
    const int a = fFlat_ ? 3 : (single ? 4 : 2);
    const int minHeight = GetMinHeight();
    if (Height() < minHeight) {
        SetHeight(minHeight);
        return;
    }
    if (fButton_) {
        // The platform's client area starts inside the edit's frame.
        const int b = FrameWidth();
        if (single)
            fButton_->SetBounds(b + Width() - fButton_->Width() - a, b + (fFlat_ ? 2 : 0), fButton_->Width(),
                                Height() - a);
        else
            fButton_->SetBounds(Width() - fButton_->Width(), 1, fButton_->Width(), Height() - 2);
    }
    SetEditRect();
    Invalidate();
}

void TVynCustomDropDown::SetEditRect()
{
    // The edit rectangle in the platform's client coordinates (inside the
    // frame); the line edit gets it as its text margins.
    const int b = FrameWidth();
    const int cw = Width() - 2 * b, ch = Height() - 2 * b;
    TRect r;
    r.Bottom = ch + 1;
    r.Right = cw - fButtonWidth_ - 3;
    if (BorderStyle() == bsSingle) {
        r.Left = 1;
        r.Top = 1;
    } else {
        r.Left = 2;
        r.Top = 3;
    }
    fEditRect_ = r;
    Editor()->setTextMargins(b + r.Left - 1, 2, std::max(0, Width() - (b + r.Right)), 2);
}

// ---- copying and streaming -----------------------------------------------------------------

void TVynCustomDropDown::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TVynCustomDropDown*>(&Source);
    if (!s || s == this)
        return;
    fFocusDraw_ = s->fFocusDraw_;
    fForceShadow_ = s->fForceShadow_;
    fDropDownEnabled_ = s->fDropDownEnabled_;
    fDropDownColor_ = s->fDropDownColor_;
    fDropDownColorTo_ = s->fDropDownColorTo_;
    fDropDownGradient_ = s->fDropDownGradient_;
    fDropDownBorderColor_ = s->fDropDownBorderColor_;
    fDropDownBorderWidth_ = s->fDropDownBorderWidth_;
    fDropDownShadow_ = s->fDropDownShadow_;
    fDropDownWidth_ = s->fDropDownWidth_;
    fDropDownHeight_ = s->fDropDownHeight_;
    fDropDownSizeable_ = s->fDropDownSizeable_;
    fEdit_.EditType = s->fEdit_.EditType;
    SetPasswordChar(fEdit_.PasswordChar());
    fReturnIsTab_ = s->fReturnIsTab_;
    fEdit_.LengthLimit = s->fEdit_.LengthLimit;
    fEdit_.Precision = s->fEdit_.Precision;
    fEdit_.Prefix = s->fEdit_.Prefix;
    fEdit_.Suffix = s->fEdit_.Suffix;
    fDefaultHandling_ = s->fDefaultHandling_;
    fEdit_.CanUndo = s->fEdit_.CanUndo;
    fEdit_.ExcelStyleDecimalSeparator = s->fEdit_.ExcelStyleDecimalSeparator;
    fEdit_.ValidChars = s->fEdit_.ValidChars;
    fEdit_.Signed = s->fEdit_.Signed;
    fEdit_.AutoThousandSeparator = s->fEdit_.AutoThousandSeparator;
    fButtonAppearance_->Assign(*s->fButtonAppearance_);
    fDropDownHeader_->Assign(*s->fDropDownHeader_);
    fDropDownFooter_->Assign(*s->fDropDownFooter_);
    fDropPosition_ = s->fDropPosition_;
    fFlat_ = s->fFlat_;
    SetDropDownButtonWidth(s->DropDownButtonWidth());
    SetDropDownButtonHint(s->DropDownButtonHint());
    fEditorEnabled_ = s->fEditorEnabled_;
    ApplyCaret();
    if (fButton_ && s->fButton_) {
        fButton_->SetGlyph(s->fButton_->Glyph());
        fButton_->SetButtonCaption(s->fButton_->ButtonCaption());
    }
    fEtched_ = s->fEtched_;
    fImages_ = s->fImages_;
    fSelectionColorStyle_ = s->fSelectionColorStyle_;
    fSelectionColor_ = s->fSelectionColor_;
    fSelectionColorTo_ = s->fSelectionColorTo_;
}

bool TVynCustomDropDown::ReadStreamedProperty(const String& Name, int Value)
{
    if (Name == QLatin1String("SelectionColorStyle")) {
        if (Value < int(scCustom) || Value > int(scWindows7))
            return false;
        fSelectionColorStyle_ = TSelectionColorStyle(Value);
        return true;
    }
    if (Name == QLatin1String("VynStyle")) {
        if (Value < int(tsOffice2003Blue) || Value > int(tsOffice2010Black))
            return false;
        fVynStyle_ = TVynStyle(Value);
        return true;
    }
    return false;
}

int TVynCustomDropDown::WriteStreamedProperty(const String& Name) const
{
    if (Name == QLatin1String("SelectionColorStyle"))
        return int(fSelectionColorStyle_);
    if (Name == QLatin1String("VynStyle"))
        return int(fVynStyle_);
    return -1;
}
