// The combo box (see stdctrls.h for the event rules they keep).
#include "platform/gui/stdctrls.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScrollBar>

#include <algorithm>
#include <limits>

#include "platform/gui/application.h"
#include "platform/gui/input_state.h"
#include "platform/gui/qt_backend.h"
#include "platform/gui/qt_widgets.h"
#include "platform/gui/stdctrls_detail.h"

using namespace StdCtrlsDetail;

// ---- TComboBox ----------------------------------------------------------------------------------

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner, new TQtComboBox()), combo_(static_cast<TQtComboBox*>(Widget()))
{
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setDuplicatesEnabled(true);
    combo_->setMaxVisibleItems(dropDownCount_);
    combo_->PaintClosed = [this](QPainter& P) { PaintClosed(P); };
    combo_->PlaceEditor = [this] { PlaceEditor(); };
    combo_->BeforePopup = [this] {
        if (OnDropDown)
            OnDropDown(this);
    };
    combo_->AfterPopup = [this] {
        Invalidate();
        if (OnCloseUp)
            OnCloseUp(this);
    };
    QObject::connect(combo_, &QComboBox::activated, combo_, [this](int Index) {
        // Qt has moved its current item already: catch up, then tell.
        if (Index == itemIndex_)
            return;
        Choose(Index);
        Select();
    });
    items_.OnChange = [this](TControlStrings::TChange C, int I) { ItemsChanged(C, I); };
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 145, 21);
    style_ = csDropDownList;  // so that SetStyle builds the edit field
    SetStyle(csDropDown);
    UpdateLook();
}

TComboBox::~TComboBox()
{
    items_.OnChange = nullptr;
    combo_->blockSignals(true);
    if (editor_)
        editor_->blockSignals(true);
}

void TComboBox::SetStyle(TComboBoxStyle Value)
{
    if (style_ == Value)
        return;
    style_ = Value;
    syncing_ = true;
    if (Editable()) {
        if (!editor_) {
            editor_ = new TQtLineEdit();
            editor_->setFrame(false);
            editor_->setAutoFillBackground(true);
            editor_->setMaxLength(std::numeric_limits<int>::max());
            combo_->setEditable(true);
            combo_->setLineEdit(editor_);
            combo_->setCompleter(nullptr);
            editor_->setFocusPolicy(Qt::NoFocus);
            new TChildInputForwarder(this, editor_);
            QObject::connect(editor_, &QLineEdit::textEdited, editor_, [this](const QString& T) {
                if (syncing_)
                    return;
                SetTextSilently(T);
                itemIndex_ = items_.IndexOf(T);
                Change();
            });
        }
        editor_->setText(Text());
    } else {
        if (editor_) {
            combo_->setEditable(false);  // deletes the edit field
            editor_ = nullptr;
        }
        const int i = items_.IndexOf(Text());
        itemIndex_ = i;
        combo_->setCurrentIndex(i);
        SetTextSilently(i >= 0 ? items_[i] : String());
    }
    syncing_ = false;
    UpdateLook();
    PlaceEditor();
    Invalidate();
}

void TComboBox::UpdateLook()
{
    ApplyWidgetLook(combo_, Color(), Font());
    if (editor_)
        ApplyWidgetLook(editor_, Color(), Font());
    if (QAbstractItemView* v = combo_->view())
        v->setFont(Font().ToQFont());
    combo_->update();
}

void TComboBox::PlaceEditor()
{
    if (!editor_)
        return;
    const int button = GetSystemMetrics(SM_CXVSCROLL);
    const QRect r(4, 3, std::max(0, Width() - 2 - button - 5), std::max(0, Height() - 6));
    if (editor_->geometry() != r)
        editor_->setGeometry(r);
}

void TComboBox::PaintClosed(QPainter& Painter)
{
    TCanvas c;
    c.SetPainter(&Painter);
    c.Font().Assign(Font());
    TRect r = Rect(0, 0, Width(), Height());
    DrawEdge(c, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Enabled() || Editable() ? Color() : clBtnFace);
    c.FillRect(r);
    const int button = GetSystemMetrics(SM_CXVSCROLL);
    const TRect b = Rect(std::max(r.Left, r.Right - button), r.Top, r.Right, r.Bottom);
    const bool dropped = DroppedDown();
    if (Themes().IsActive()) {
        const int state = !Enabled() ? CBXS_DISABLED : dropped ? CBXS_PRESSED : CBXS_NORMAL;
        Themes().DrawPart(c, QStringLiteral("combobox"), CP_DROPDOWNBUTTON, state, b);
    } else {
        DrawFrameControl(c, b, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (Enabled() ? 0 : DFCS_INACTIVE) | (dropped ? DFCS_PUSHED : 0));
    }
    if (!Editable()) {
        DrawListText(c, Rect(r.Left + 1, r.Top + 1, b.Left - 1, r.Bottom - 1), Focused() && !dropped);
    }
    c.SetPainter(nullptr);
}

void TComboBox::SetTextSilently(const String& Value)
{
    const bool was = syncing_;
    syncing_ = true;
    SetText(Value);
    syncing_ = was;
}

void TComboBox::Choose(int Index)
{
    if (Index < -1 || Index >= items_.Count())
        Index = -1;
    itemIndex_ = Index;
    const bool was = syncing_;
    syncing_ = true;
    if (combo_->currentIndex() != Index)
        combo_->setCurrentIndex(Index);
    if (Index >= 0 || !Editable())
        SetText(Index >= 0 ? items_[Index] : String());
    if (editor_ && editor_->text() != Text())
        editor_->setText(Text());
    syncing_ = was;
    combo_->update();
}

void TComboBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= items_.Count())
        Value = -1;
    if (Value == itemIndex_)
        return;
    Choose(Value);
}

void TComboBox::UserChoose(int Index)
{
    if (items_.Count() == 0)
        return;
    Index = std::clamp(Index, 0, items_.Count() - 1);
    if (Index == itemIndex_)
        return;
    Choose(Index);
    if (editor_)
        editor_->selectAll();
    Select();
}

void TComboBox::Select()
{
    if (isLoading(this))
        return;
    TWeakRef<TControl> self(this);
    Click();
    if (!self)
        return;
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TComboBox::Change()
{
    if (isLoading(this))
        return;
    if (OnChange)
        OnChange(this);
}

void TComboBox::SetDropDownCount(int Value)
{
    dropDownCount_ = std::max(1, Value);
    combo_->setMaxVisibleItems(dropDownCount_);
}

bool TComboBox::DroppedDown() const { return combo_->view() && combo_->view()->isVisible(); }

void TComboBox::SetDroppedDown(bool Value)
{
    if (Value == DroppedDown())
        return;
    if (Value)
        combo_->showPopup();
    else
        combo_->hidePopup();
    Invalidate();
}

int TComboBox::SelStart() const
{
    if (!editor_)
        return 0;
    return editor_->hasSelectedText() ? int(editor_->selectionStart()) : int(editor_->cursorPosition());
}

void TComboBox::SetSelStart(int Value)
{
    if (editor_)
        editor_->setCursorPosition(std::clamp(Value, 0, int(editor_->text().size())));
}

int TComboBox::SelLength() const { return editor_ ? int(editor_->selectedText().size()) : 0; }

void TComboBox::SetSelLength(int Value)
{
    if (!editor_)
        return;
    const int start = SelStart();
    editor_->setSelection(start, std::clamp(Value, 0, int(editor_->text().size()) - start));
}

void TComboBox::SelectAll()
{
    if (editor_)
        editor_->selectAll();
}

void TComboBox::Clear()
{
    items_.Clear();
    SetText(String());
}

void TComboBox::RebuildItems()
{
    const bool was = syncing_;
    syncing_ = true;
    const QSignalBlocker block(combo_);
    const String text = Text();
    combo_->clear();
    combo_->addItems(items_.ToQStringList());
    combo_->setCurrentIndex(itemIndex_);
    if (editor_)
        editor_->setText(text);
    syncing_ = was;
}

void TComboBox::ItemsChanged(TControlStrings::TChange Change, int Index)
{
    using C = TControlStrings::TChange;
    int keep = itemIndex_;
    switch (Change) {
    case C::Inserted:
        if (keep >= Index && keep >= 0)
            ++keep;
        break;
    case C::Deleted:
        if (keep == Index)
            keep = -1;
        else if (keep > Index)
            --keep;
        break;
    case C::Reset: keep = -1; break;
    default: break;
    }
    itemIndex_ = keep;
    RebuildItems();
    if (!Editable())
        SetTextSilently(keep >= 0 ? items_[keep] : String());
    else if (keep < 0)
        itemIndex_ = items_.IndexOf(Text());
    combo_->update();
}

bool TComboBox::WidgetEvent(QEvent* Event) { return wrappedWidgetEvent(this, Event); }

void TComboBox::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        focusOnClick(this);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const Word vk = Message.CharCode();
        const TShiftState shift = keyShift(Message);
        const bool alt = shift.Contains(ssAlt);
        if ((vk == VK_F4 && !alt) || (alt && (vk == VK_DOWN || vk == VK_UP))) {
            SetDroppedDown(!DroppedDown());
            break;
        }
        if (Message.Msg == WM_SYSKEYDOWN)
            break;
        const int page = std::max(1, dropDownCount_ - 1);
        const int last = items_.Count() - 1;
        switch (vk) {
        case VK_UP: UserChoose(itemIndex_ < 0 ? 0 : itemIndex_ - 1); break;
        case VK_DOWN: UserChoose(itemIndex_ + 1); break;
        case VK_PRIOR: UserChoose(itemIndex_ - page); break;
        case VK_NEXT: UserChoose(itemIndex_ < 0 ? page - 1 : itemIndex_ + page); break;
        case VK_HOME:
        case VK_END:
            if (!Editable())
                UserChoose(vk == VK_HOME ? 0 : last);
            else if (auto e = EditorKeyDownEvent(vk, shift))
                editor_->HandleKey(e.get());
            break;
        default:
            if (editor_) {
                if (auto e = EditorKeyDownEvent(vk, shift))
                    editor_->HandleKey(e.get());
            }
            break;
        }
        break;
    }
    case WM_CHAR: {
        const QChar ch(char16_t(Message.CharCode()));
        if (editor_) {
            if (ch.unicode() != 8 && ch.unicode() >= 32 && maxLength_ > 0 &&
                int(editor_->text().size() - editor_->selectedText().size()) >= maxLength_)
                break;
            if (auto e = EditorCharEvent(ch); e && ch.unicode() != 13 && ch.unicode() != 9)
                editor_->HandleKey(e.get());
        } else if (ch.unicode() >= 32 && items_.Count() > 0) {
            // The next item starting with the character.
            const int n = items_.Count();
            for (int k = 1; k <= n; ++k) {
                const int i = (std::max(itemIndex_, -1) + k) % n;
                if (items_[i].startsWith(ch, Qt::CaseInsensitive)) {
                    UserChoose(i);
                    break;
                }
            }
        }
        break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: combo_->update(); break;
    default: break;
    }
    TWinControl::DefaultHandler(Message);
}

void TComboBox::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (DroppedDown())
        Message.Result |= DLGC_WANTALLKEYS;
}

void TComboBox::CMTextChanged(TMessage& Message)
{
    TWinControl::CMTextChanged(Message);
    if (syncing_)
        return;
    // Set by the program.
    const int i = items_.IndexOf(Text());
    if (!Editable()) {
        if (i >= 0)
            Choose(i);
        else
            SetTextSilently(itemIndex_ >= 0 ? items_[itemIndex_] : String());
        return;
    }
    itemIndex_ = i;
    syncing_ = true;
    combo_->setCurrentIndex(i);
    if (editor_ && editor_->text() != Text())
        editor_->setText(Text());
    syncing_ = false;
}

void TComboBox::CMFontChanged(TMessage& Message)
{
    TWinControl::CMFontChanged(Message);
    UpdateLook();
}

void TComboBox::CMColorChanged(TMessage& Message)
{
    TWinControl::CMColorChanged(Message);
    UpdateLook();
}

void TComboBox::CMEnabledChanged(TMessage& Message)
{
    TWinControl::CMEnabledChanged(Message);
    UpdateLook();
}

bool TComboBox::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TWinControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    if (!Focused() || DroppedDown())
        return false;
    UserChoose(itemIndex_ + 1);
    return true;
}

bool TComboBox::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TWinControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    if (!Focused() || DroppedDown())
        return false;
    UserChoose(std::max(0, itemIndex_ - 1));
    return true;
}

void TComboBox::DrawListText(TCanvas& C, const TRect& T, bool Highlight)
{
    if (Highlight) {
        C.Brush().SetColor(clHighlight);
        C.FillRect(T);
        C.Font().SetColor(clHighlightText);
    } else if (!Enabled()) {
        C.Font().SetColor(clGrayText);
    }
    C.Brush().SetStyle(bsClear);
    TRect tr = T;
    tr.Left += 2;
    C.DrawText(tr, Text(), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (Highlight)
        C.DrawFocusRect(T);
}
