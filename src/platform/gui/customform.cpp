// TCustomForm and the layer's focus model.
//
// The focus is the layer's own record, not Qt's: one control has the
// keyboard focus (GetFocusedControl), one form is active (GetActiveForm).
// Moving the focus works like the platform's: the control losing it gets
// WM_KILLFOCUS, the one receiving it WM_SETFOCUS, whose processing first
// lets the form send CM_EXIT up from the old control and CM_ENTER down to the
// new one (OnExit / OnEnter). Qt's focus is told to follow, so that key
// events land in the right window on a real display, but nothing here reads
// it back: under the offscreen platform everything works the same.
#include <QWidget>

#include <algorithm>

#include "platform/gui/application.h"
#include "platform/gui/controls.h"
#include "platform/gui/input_state.h"

namespace {

TWeakRef<TWinControl> g_focus;
TWeakRef<TCustomForm> g_activeForm;
// Every form, the most recently active first.
std::vector<TCustomForm*> g_forms;

void bringToFront(TCustomForm* Form)
{
    auto it = std::find(g_forms.begin(), g_forms.end(), Form);
    if (it != g_forms.end())
        g_forms.erase(it);
    g_forms.insert(g_forms.begin(), Form);
}

// The platform's SetFocus: moves the keyboard focus to Control (nullptr: nowhere).
void setFocusWindow(TWinControl* Control)
{
    TWinControl* old = g_focus.Get();
    if (old == Control)
        return;
    g_focus = TWeakRef<TWinControl>(Control);
    if (old)
        old->Perform(WM_KILLFOCUS, Control ? intptr_t(Control->Widget()) : 0);
    if (g_focus.Get() != Control || !Control)
        return;
    if (QWidget* w = Control->Widget())
        w->setFocus(Qt::OtherFocusReason);
    Control->Perform(WM_SETFOCUS, old ? intptr_t(old->Widget()) : 0);
}

}  // namespace

TWinControl* GetFocusedControl() { return g_focus.Get(); }

TCustomForm* GetActiveForm() { return g_activeForm.Get(); }

std::vector<TCustomForm*> AllForms() { return g_forms; }

TCustomForm* GetParentForm(const TControl* Control)
{
    if (!Control)
        return nullptr;
    const TControl* c = Control;
    while (c->Parent())
        c = c->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

TCustomForm* ValidParentForm(const TControl* Control)
{
    TCustomForm* form = GetParentForm(Control);
    if (!form)
        throw EInvalidOperation(
            QStringLiteral("Control '%1' has no parent form").arg(Control ? Control->Name() : QString()));
    return form;
}

void ActivateForm(TCustomForm* Form)
{
    if (!Form)
        return;
    TCustomForm* old = g_activeForm.Get();
    if (old != Form) {
        Application.CancelHint();
        g_activeForm = TWeakRef<TCustomForm>(Form);
        bringToFront(Form);
        if (old) {
            old->active_ = false;
            old->Perform(CM_DEACTIVATE);
        }
        if (g_activeForm.Get() != Form)
            return;
        Form->active_ = true;
        TWinControl* active = Form->activeControl_.Get();
        if (!active || !active->CanFocus())
            Form->activeControl_ = TWeakRef<TWinControl>(Form->FindNextControl(nullptr, true, true, false));
    }
    Form->SetWindowFocus();
    if (old != Form) {
        if (QWidget* w = Form->Widget(); w && w->isVisible())
            w->activateWindow();
        Form->Perform(CM_ACTIVATE);
    }
}

void DeactivateForm(TCustomForm* Form)
{
    if (!Form || g_activeForm.Get() != Form)
        return;
    Form->active_ = false;
    g_activeForm.Reset();
    Form->Perform(CM_DEACTIVATE);
    if (g_activeForm.Get())
        return;  // a handler activated another form
    for (TCustomForm* f : g_forms)
        if (f != Form && f->Visible() && f->Enabled()) {
            ActivateForm(f);
            return;
        }
    setFocusWindow(nullptr);
}

// ---- TCustomForm ----------------------------------------------------------------------------------

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner)
{
    g_forms.push_back(this);
    visible_ = false;
    color_ = clBtnFace;
    parentColor_ = false;
    parentFont_ = false;
    SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm()
{
    if (g_activeForm.Get() == this)
        g_activeForm.Reset();
    if (g_focus.Get() && GetParentForm(g_focus.Get()) == this)
        g_focus.Reset();
    g_forms.erase(std::remove(g_forms.begin(), g_forms.end(), this), g_forms.end());
}

void TCustomForm::SetVisible(bool Value)
{
    if (Visible() == Value) {
        if (Value)
            ActivateForm(this);
        return;
    }
    TWinControl::SetVisible(Value);
    if (Value) {
        CreateHandle();
        DoShow();
        if (Visible())
            ActivateForm(this);
    } else {
        DoHide();
        DeactivateForm(this);
    }
}

void TCustomForm::SetActiveControl(TWinControl* Control)
{
    if (activeControl_.Get() == Control)
        return;
    const bool loading = ComponentState().Contains(TComponentStateItem::csLoading);
    if (Control && (Control == this || GetParentForm(Control) != this || !(loading || Control->CanFocus())))
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    activeControl_ = TWeakRef<TWinControl>(Control);
    if (!loading && active_)
        SetWindowFocus();
}

void TCustomForm::SetWindowFocus()
{
    TWinControl* target = activeControl_.Get();
    if (!target || !target->CanFocus())
        target = this;
    setFocusWindow(target);
    if (target != this && GetFocusedControl() == target)
        target->Perform(CM_UIACTIVATE);
}

void TCustomForm::SetFocus()
{
    if (!active_) {
        if (!Visible() || !Enabled())
            throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
        ActivateForm(this);
    } else {
        SetWindowFocus();
    }
}

void TCustomForm::FocusControl(TWinControl* Control)
{
    const bool wasActive = active_;
    SetActiveControl(Control);
    if (!wasActive)
        SetFocus();
}

bool TCustomForm::SetFocusedControl(TWinControl* Control)
{
    if (ComponentState().Contains(TComponentStateItem::csDestroying))
        return false;
    ++focusCount_;
    const int count = focusCount_;
    activeControl_ = TWeakRef<TWinControl>(Control != this ? Control : nullptr);
    bringToFront(this);
    TWinControl* focused = focusedControl_.Get();
    if (focused != Control) {
        // CM_EXIT from the old control up to the common parent ...
        while (focused && !focused->ContainsControl(Control)) {
            TWinControl* leaving = focused;
            focused = focused->Parent();
            focusedControl_ = TWeakRef<TWinControl>(focused);
            leaving->Perform(CM_EXIT);
            if (focusCount_ != count)
                return false;
        }
        // ... and CM_ENTER from below it down to the new one.
        while (focusedControl_.Get() != Control) {
            TWinControl* entering = Control;
            while (entering->Parent() && entering->Parent() != focusedControl_.Get())
                entering = entering->Parent();
            focusedControl_ = TWeakRef<TWinControl>(entering);
            entering->Perform(CM_ENTER);
            if (focusCount_ != count)
                return false;
        }
    }
    Perform(CM_FOCUSCHANGED, 0, intptr_t(Control));
    return true;
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing)
{
    if (!Control)
        return;
    if (Removing && focusedControl_.Get() && Control->ContainsControl(focusedControl_.Get()))
        focusedControl_ = TWeakRef<TWinControl>(Control->Parent());
    if (activeControl_.Get() && Control->ContainsControl(activeControl_.Get()))
        SetActiveControl(nullptr);
    else if (GetFocusedControl() && Control->ContainsControl(GetFocusedControl()) && active_)
        SetWindowFocus();
}

void TCustomForm::Close()
{
    Hide();
    if (Application.MainForm() == this)
        Application.Terminate();
}

void TCustomForm::Activate()
{
    if (OnActivate)
        OnActivate(this);
}

void TCustomForm::Deactivate()
{
    if (OnDeactivate)
        OnDeactivate(this);
}

void TCustomForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CLOSE: WMClose(Message); break;
    case CM_ACTIVATE: CMActivate(Message); break;
    case CM_DEACTIVATE: CMDeactivate(Message); break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::CMActivate(TMessage&) { Activate(); }

void TCustomForm::CMDeactivate(TMessage&) { Deactivate(); }

void TCustomForm::CMTextChanged(TMessage& Message)
{
    TWinControl::CMTextChanged(Message);
    if (Widget())
        Widget()->setWindowTitle(Caption());
}

void TCustomForm::CMDialogKey(TMessage& Message)
{
    if (GetKeyState(VK_MENU) >= 0) {
        switch (Message.CharCode()) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(activeControl_.Get(), GetKeyState(VK_SHIFT) >= 0, true);
                Message.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            // Arrows move among the siblings of a control that does not want them.
            if (TWinControl* active = activeControl_.Get(); active && active->Parent()) {
                active->Parent()->SelectNext(active, Message.CharCode() == VK_RIGHT || Message.CharCode() == VK_DOWN,
                                             false);
                Message.Result = 1;
            }
            return;
        default:
            break;
        }
    }
    TWinControl::CMDialogKey(Message);
}
