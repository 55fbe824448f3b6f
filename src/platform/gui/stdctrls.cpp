// The standard controls (see stdctrls.h for the event rules they keep).
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

namespace {

bool isLoading(const TComponent* C) { return C->ComponentState().Contains(TComponentStateItem::csLoading); }

// SetFocus for a click: quietly nothing when the form cannot take it.
void focusOnClick(TWinControl* C)
{
    if (C->Focused() || !C->CanFocus())
        return;
    try {
        C->SetFocus();
    } catch (const EInvalidOperation&) {
    }
}

// Event filter of a control that wraps a stock Qt widget: Qt paints it, and
// mouse input becomes messages first (focus, OnMouseDown ...) and then
// reaches the widget (caret, drop-down list); everything else only as
// messages.
bool wrappedWidgetEvent(TWinControl* C, QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::Paint:
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        TranslateQtEvent(C, Event);
        return false;
    default:
        return TranslateQtEvent(C, Event);
    }
}

// CR LF, CR or LF -> LF.
String toLF(String S)
{
    S.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    S.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return S;
}

String joinCRLF(const QStringList& Lines) { return Lines.join(QStringLiteral("\r\n")); }

QStringList splitLines(const String& Text)
{
    TStringList l;
    l.SetText(Text);
    return l.ToQStringList();
}

TShiftState keyShift(const TMessage& M) { return KeyDataToShiftState(M.KeyData()); }

bool isPasteKey(Word VK, TShiftState S)
{
    return (VK == 'V' && S == TShiftState{ssCtrl}) || (VK == VK_INSERT && S == TShiftState{ssShift});
}

bool isCutKey(Word VK, TShiftState S)
{
    return (VK == 'X' && S == TShiftState{ssCtrl}) || (VK == VK_DELETE && S == TShiftState{ssShift});
}

}  // namespace

// ---- TControlStrings ----------------------------------------------------------------------------

void TControlStrings::Changed(TChange Change, int Index)
{
    if (updateCount_ > 0) {
        changedWhileUpdating_ = true;
        return;
    }
    if (OnChange)
        OnChange(Change, Index);
}

void TControlStrings::SetStrings(int Index, const String& S)
{
    if (list_.Strings(Index) == S)
        return;
    list_.SetStrings(Index, S);
    Changed(TChange::Changed, Index);
}

int TControlStrings::Add(const String& S) { return AddObject(S, nullptr); }

int TControlStrings::AddObject(const String& S, TObject* Obj)
{
    const int before = list_.Count();
    const int i = list_.AddObject(S, Obj);
    if (list_.Count() != before)
        Changed(i == before ? TChange::Added : TChange::Inserted, i);
    return i;
}

void TControlStrings::AddStrings(const QStringList& Items)
{
    BeginUpdate();
    for (const QString& s : Items)
        Add(s);
    EndUpdate();
}

void TControlStrings::Insert(int Index, const String& S) { InsertObject(Index, S, nullptr); }

void TControlStrings::InsertObject(int Index, const String& S, TObject* Obj)
{
    list_.InsertObject(Index, S, Obj);
    Changed(TChange::Inserted, Index);
}

void TControlStrings::Delete(int Index)
{
    list_.Delete(Index);
    Changed(TChange::Deleted, Index);
}

void TControlStrings::Clear()
{
    if (list_.Count() == 0)
        return;
    list_.Clear();
    Changed(TChange::Reset, -1);
}

void TControlStrings::Move(int From, int To)
{
    list_.Move(From, To);
    Changed(TChange::Reset, -1);
}

void TControlStrings::Exchange(int A, int B)
{
    list_.Exchange(A, B);
    Changed(TChange::Reset, -1);
}

void TControlStrings::SetText(const String& Value)
{
    list_.SetText(Value);
    Changed(TChange::Reset, -1);
}

void TControlStrings::SetCommaText(const String& Value)
{
    list_.SetCommaText(Value);
    Changed(TChange::Reset, -1);
}

void TControlStrings::Assign(const TStringList& Source)
{
    list_.Clear();
    for (int i = 0; i < Source.Count(); ++i)
        list_.AddObject(Source.Strings(i), Source.Objects(i));
    Changed(TChange::Reset, -1);
}

void TControlStrings::Assign(const TControlStrings& Source)
{
    if (&Source == this)
        return;
    Assign(Source.list_);
}

void TControlStrings::Assign(const QStringList& Source)
{
    list_.Clear();
    for (const QString& s : Source)
        list_.Add(s);
    Changed(TChange::Reset, -1);
}

void TControlStrings::SetSorted(bool Value)
{
    if (list_.Sorted() == Value)
        return;
    list_.SetSorted(Value);
    if (Value)
        Changed(TChange::Reset, -1);
}

void TControlStrings::BeginUpdate() { ++updateCount_; }

void TControlStrings::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0 && changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        Changed(TChange::Reset, -1);
    }
}

// ---- mnemonics ----------------------------------------------------------------------------------

QChar AccelCharOf(const String& Caption)
{
    for (qsizetype i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != u'&')
            continue;
        if (Caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return Caption[i + 1];
    }
    return QChar();
}

bool IsAccel(QChar Char, const String& Caption)
{
    const QChar a = AccelCharOf(Caption);
    return !a.isNull() && a.toUpper() == Char.toUpper();
}

// ---- TLabel -------------------------------------------------------------------------------------

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(Left(), Top(), 65, 17);
    AdjustBounds();
}

unsigned TLabel::TextFlags() const
{
    unsigned f = DT_EXPANDTABS;
    if (wordWrap_)
        f |= DT_WORDBREAK;
    if (!showAccelChar_)
        f |= DT_NOPREFIX;
    switch (alignment_) {
    case taRightJustify: f |= DT_RIGHT; break;
    case taCenter: f |= DT_CENTER; break;
    default: break;
    }
    return f;
}

void TLabel::AdjustBounds()
{
    if (!autoSize_ || ComponentState().Contains(TComponentStateItem::csDestroying))
        return;
    TCanvas c;
    c.Font().Assign(Font());
    String text = Caption();
    // An empty caption keeps the height of one line.
    if (text.isEmpty() || (showAccelChar_ && text == QStringLiteral("&")))
        text += QLatin1Char(' ');
    TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
    c.DrawText(r, text, (TextFlags() & ~unsigned(DT_RIGHT | DT_CENTER)) | DT_CALCRECT);
    int left = Left();
    if (alignment_ == taRightJustify && !wordWrap_)
        left = Left() + Width() - r.Width();
    else if (alignment_ == taCenter && !wordWrap_)
        left = Left() + (Width() - r.Width()) / 2;
    SetBounds(left, Top(), wordWrap_ ? Width() : r.Width(), r.Height());
}

void TLabel::SetAutoSize(bool Value)
{
    if (autoSize_ == Value)
        return;
    autoSize_ = Value;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment Value)
{
    if (alignment_ == Value)
        return;
    alignment_ = Value;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout Value)
{
    if (layout_ == Value)
        return;
    layout_ = Value;
    Invalidate();
}

void TLabel::SetWordWrap(bool Value)
{
    if (wordWrap_ == Value)
        return;
    wordWrap_ = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool Value)
{
    if (transparent_ == Value)
        return;
    transparent_ = Value;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool Value)
{
    if (showAccelChar_ == Value)
        return;
    showAccelChar_ = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::Paint()
{
    TCanvas& c = Canvas();
    const TRect cr = ClientRect();
    if (!transparent_) {
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(Color());
        c.FillRect(cr);
    }
    c.Brush().SetStyle(bsClear);
    TRect r = cr;
    if (layout_ != tlTop) {
        TRect m = cr;
        c.DrawText(m, Caption().isEmpty() ? QStringLiteral(" ") : Caption(), TextFlags() | DT_CALCRECT);
        const int h = m.Height();
        r.Top = layout_ == tlCenter ? cr.Top + (cr.Height() - h) / 2 : cr.Bottom - h;
    }
    if (!Enabled()) {
        TRect shadow = r;
        OffsetRect(shadow, 1, 1);
        c.Font().SetColor(clBtnHighlight);
        c.DrawText(shadow, Caption(), TextFlags());
        c.Font().SetColor(clBtnShadow);
    }
    c.DrawText(r, Caption(), TextFlags());
}

void TLabel::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && showAccelChar_) {
        TWinControl* target = focusControl_.Get();
        if (target && Enabled() && IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && target->CanFocus()) {
            target->SetFocus();
            Message.Result = 1;
            return;
        }
    }
    TGraphicControl::Dispatch(Message);
}

void TLabel::CMTextChanged(TMessage& Message)
{
    TGraphicControl::CMTextChanged(Message);
    AdjustBounds();
    Invalidate();
}

void TLabel::CMFontChanged(TMessage& Message)
{
    TGraphicControl::CMFontChanged(Message);
    AdjustBounds();
}

// ---- TCustomEdit --------------------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* AOwner) : TCustomEdit(AOwner, new TQtLineEdit()) {}

TCustomEdit::TCustomEdit(TComponent* AOwner, TQtLineEdit* Editor) : TWinControl(AOwner, Editor), editor_(Editor)
{
    Init();
}

TCustomEdit::~TCustomEdit()
{
    // The widget outlives this part of the object: no more signals to it.
    editor_->blockSignals(true);
}

void TCustomEdit::Init()
{
    editor_->setFrame(false);
    editor_->setAutoFillBackground(true);
    editor_->setMaxLength(std::numeric_limits<int>::max());
    editor_->setTextMargins(1, 2, 1, 2);
    editor_->setContextMenuPolicy(Qt::DefaultContextMenu);
    editor_->AfterPaint = [this](QPainter& P) {
        if (borderStyle_ == bsSingle)
            PaintSunkenBorder(P, QRect(0, 0, Width(), Height()));
    };
    QObject::connect(editor_, &QLineEdit::textChanged, editor_, [this](const QString& T) {
        if (syncing_)
            return;
        syncing_ = true;
        SetText(T);
        syncing_ = false;
    });
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 121, 21);
    UpdateLook();
}

void TCustomEdit::UpdateLook()
{
    ApplyWidgetLook(editor_, Color(), Font());
    editor_->update();
}

void TCustomEdit::SetReadOnly(bool Value)
{
    readOnly_ = Value;
    editor_->setReadOnly(Value);
}

void TCustomEdit::SetPasswordChar(QChar Value)
{
    passwordChar_ = Value;
    editor_->setEchoMode(Value.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TCustomEdit::SetAlignment(TAlignment Value)
{
    alignment_ = Value;
    const Qt::Alignment h = Value == taRightJustify ? Qt::AlignRight : Value == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    editor_->setAlignment(h | Qt::AlignVCenter);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value)
{
    if (Value != bsNone)
        Value = bsSingle;
    borderStyle_ = Value;
    if (Value == bsSingle)
        editor_->setTextMargins(1, 2, 1, 2);
    else
        editor_->setTextMargins(0, 0, 0, 0);
    editor_->update();
}

int TCustomEdit::SelStart() const
{
    return editor_->hasSelectedText() ? int(editor_->selectionStart()) : int(editor_->cursorPosition());
}

void TCustomEdit::SetSelStart(int Value)
{
    editor_->setCursorPosition(std::clamp(Value, 0, int(editor_->text().size())));
}

int TCustomEdit::SelLength() const { return int(editor_->selectedText().size()); }

void TCustomEdit::SetSelLength(int Value)
{
    const int start = SelStart();
    const int len = std::clamp(Value, 0, int(editor_->text().size()) - start);
    if (len == 0)
        editor_->setCursorPosition(start);
    else
        editor_->setSelection(start, len);
}

String TCustomEdit::SelText() const { return editor_->selectedText(); }

void TCustomEdit::SetSelText(const String& Value) { editor_->insert(Value); }

void TCustomEdit::SelectAll() { editor_->selectAll(); }

void TCustomEdit::ClearSelection()
{
    if (!editor_->hasSelectedText())
        return;
    editor_->del();
}

void TCustomEdit::CopyToClipboard()
{
    if (passwordChar_.isNull())
        editor_->copy();
}

void TCustomEdit::CutToClipboard()
{
    if (readOnly_)
        return;
    CopyToClipboard();
    ClearSelection();
}

void TCustomEdit::PasteFromClipboard()
{
    if (readOnly_)
        return;
    const QClipboard* cb = QGuiApplication::clipboard();
    if (!cb)
        return;
    String text = cb->text();
    // One line: the text up to the first line break.
    const qsizetype br = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (br >= 0)
        text.truncate(br);
    InsertFiltered(text);
}

void TCustomEdit::Undo() { editor_->undo(); }

bool TCustomEdit::CanUndo() const { return editor_->isUndoAvailable(); }

bool TCustomEdit::Modified() const { return editor_->isModified(); }

void TCustomEdit::SetModified(bool Value) { editor_->setModified(Value); }

bool TCustomEdit::IsValidChar(QChar Key) const { return !numbersOnly_ || (Key >= u'0' && Key <= u'9'); }

void TCustomEdit::InsertFiltered(String Text)
{
    if (readOnly_)
        return;
    if (numbersOnly_)
        Text.removeIf([](QChar c) { return c < u'0' || c > u'9'; });
    if (charCase_ == ecUpperCase)
        Text = Text.toUpper();
    else if (charCase_ == ecLowerCase)
        Text = Text.toLower();
    if (maxLength_ > 0) {
        const int room = maxLength_ - int(editor_->text().size() - editor_->selectedText().size());
        Text.truncate(std::max(0, room));
    }
    if (!Text.isEmpty())
        editor_->insert(Text);
}

void TCustomEdit::Change()
{
    if (isLoading(this))
        return;
    if (OnChange)
        OnChange(this);
}

bool TCustomEdit::WidgetEvent(QEvent* Event) { return wrappedWidgetEvent(this, Event); }

void TCustomEdit::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        focusOnClick(this);
        break;
    case WM_KEYDOWN: {
        const Word vk = Message.CharCode();
        const TShiftState shift = keyShift(Message);
        if (isPasteKey(vk, shift))
            PasteFromClipboard();
        else if (isCutKey(vk, shift))
            CutToClipboard();
        else if (auto e = EditorKeyDownEvent(vk, shift))
            editor_->HandleKey(e.get());
        break;
    }
    case WM_CHAR: {
        const QChar ch(char16_t(Message.CharCode()));
        if (ch.unicode() == 8) {
            if (!readOnly_)
                if (auto e = EditorCharEvent(ch))
                    editor_->HandleKey(e.get());
        } else if (ch.unicode() >= 32 && ch.unicode() != 127 && IsValidChar(ch)) {
            InsertFiltered(String(ch));
        }
        break;
    }
    default:
        break;
    }
    TWinControl::DefaultHandler(Message);
}

void TCustomEdit::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL; }

void TCustomEdit::CMTextChanged(TMessage& Message)
{
    TWinControl::CMTextChanged(Message);
    if (!syncing_) {
        // Set by the program: the caret goes to the start, as on the platform.
        syncing_ = true;
        editor_->setText(Text());
        editor_->setCursorPosition(0);
        syncing_ = false;
    }
    Change();
}

void TCustomEdit::CMFontChanged(TMessage& Message)
{
    TWinControl::CMFontChanged(Message);
    UpdateLook();
}

void TCustomEdit::CMColorChanged(TMessage& Message)
{
    TWinControl::CMColorChanged(Message);
    UpdateLook();
}

void TCustomEdit::CMEnabledChanged(TMessage& Message)
{
    TWinControl::CMEnabledChanged(Message);
    UpdateLook();
}

void TCustomEdit::DoEnter()
{
    if (autoSelect_ && !ControlState().Contains(csLButtonDown))
        SelectAll();
    TWinControl::DoEnter();
}

// ---- TMemo --------------------------------------------------------------------------------------

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner, new TQtPlainTextEdit()), editor_(static_cast<TQtPlainTextEdit*>(Widget()))
{
    editor_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    editor_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor_->setTabChangesFocus(false);
    editor_->document()->setDocumentMargin(1);
    editor_->viewport()->setFocusPolicy(Qt::NoFocus);
    new TChildInputForwarder(this, editor_->viewport());
    QObject::connect(editor_, &QPlainTextEdit::textChanged, editor_, [this] {
        if (syncing_)
            return;
        syncing_ = true;
        SetText(joinCRLF(editor_->toPlainText().split(QLatin1Char('\n'))));
        syncing_ = false;
    });
    lines_.OnChange = [this](TControlStrings::TChange, int) { LinesChanged(); };
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 185, 89);
    UpdateLook();
}

TMemo::~TMemo()
{
    lines_.OnChange = nullptr;
    editor_->blockSignals(true);
}

void TMemo::UpdateLook()
{
    ApplyWidgetLook(editor_, Color(), Font());
    ApplyWidgetLook(editor_->viewport(), Color(), Font());
}

void TMemo::LinesChanged()
{
    if (syncing_)
        return;
    SetText(joinCRLF(lines_.ToQStringList()));
}

void TMemo::SetReadOnly(bool Value)
{
    readOnly_ = Value;
    editor_->setReadOnly(Value);
}

void TMemo::SetWordWrap(bool Value)
{
    wordWrap_ = Value;
    editor_->setLineWrapMode(Value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle Value)
{
    scrollBars_ = Value;
    const bool h = Value == ssHorizontal || Value == ssBoth, v = Value == ssVertical || Value == ssBoth;
    editor_->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    editor_->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TMemo::SetBorderStyle(TBorderStyle Value)
{
    borderStyle_ = Value == bsNone ? bsNone : bsSingle;
    editor_->setFrameStyle(borderStyle_ == bsSingle ? (QFrame::WinPanel | QFrame::Sunken) : QFrame::NoFrame);
}

int TMemo::SelStart() const
{
    const QTextCursor c = editor_->textCursor();
    return int(c.selectionStart());
}

void TMemo::SetSelStart(int Value)
{
    QTextCursor c = editor_->textCursor();
    c.setPosition(std::clamp(Value, 0, int(editor_->document()->characterCount()) - 1));
    editor_->setTextCursor(c);
}

int TMemo::SelLength() const
{
    const QTextCursor c = editor_->textCursor();
    return int(c.selectionEnd() - c.selectionStart());
}

void TMemo::SetSelLength(int Value)
{
    QTextCursor c = editor_->textCursor();
    const int start = int(c.selectionStart());
    c.setPosition(start);
    c.setPosition(std::clamp(start + Value, start, int(editor_->document()->characterCount()) - 1),
                  QTextCursor::KeepAnchor);
    editor_->setTextCursor(c);
}

String TMemo::SelText() const { return editor_->textCursor().selectedText().replace(QChar(0x2029), QStringLiteral("\r\n")); }

void TMemo::SelectAll() { editor_->selectAll(); }

TPoint TMemo::CaretPos() const
{
    const QTextCursor c = editor_->textCursor();
    return {int(c.positionInBlock()), int(c.blockNumber())};
}

int TMemo::TopLine() const { return editor_->verticalScrollBar() ? editor_->verticalScrollBar()->value() : 0; }

bool TMemo::WidgetEvent(QEvent* Event) { return wrappedWidgetEvent(this, Event); }

void TMemo::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        focusOnClick(this);
        break;
    case WM_KEYDOWN:
        if (auto e = EditorKeyDownEvent(Message.CharCode(), keyShift(Message)))
            editor_->HandleKey(e.get());
        break;
    case WM_CHAR: {
        const QChar ch(char16_t(Message.CharCode()));
        if (readOnly_)
            break;
        if ((ch.unicode() == 13 && !wantReturns_) || (ch.unicode() == 9 && !wantTabs_))
            break;
        if (maxLength_ > 0 && ch.unicode() != 8 &&
            int(editor_->document()->characterCount()) - 1 - SelLength() >= maxLength_)
            break;
        if (auto e = EditorCharEvent(ch))
            editor_->HandleKey(e.get());
        break;
    }
    default:
        break;
    }
    TWinControl::DefaultHandler(Message);
}

void TMemo::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
    if (wantReturns_)
        Message.Result |= DLGC_WANTALLKEYS;
    if (wantTabs_)
        Message.Result |= DLGC_WANTTAB;
}

void TMemo::CMTextChanged(TMessage& Message)
{
    TWinControl::CMTextChanged(Message);
    const bool wasSyncing = syncing_;
    syncing_ = true;
    if (!wasSyncing)
        editor_->setPlainText(toLF(Text()));
    lines_.Assign(splitLines(Text()));
    syncing_ = wasSyncing;
    Change();
}

void TMemo::Change()
{
    if (isLoading(this))
        return;
    if (OnChange)
        OnChange(this);
}

void TMemo::CMFontChanged(TMessage& Message)
{
    TWinControl::CMFontChanged(Message);
    UpdateLook();
}

void TMemo::CMColorChanged(TMessage& Message)
{
    TWinControl::CMColorChanged(Message);
    UpdateLook();
}

void TMemo::CMEnabledChanged(TMessage& Message)
{
    TWinControl::CMEnabledChanged(Message);
    UpdateLook();
}

bool TMemo::ScrollLines(int Lines)
{
    QScrollBar* bar = editor_->verticalScrollBar();
    if (!bar)
        return false;
    const int before = bar->value();
    bar->setValue(before + Lines);
    return bar->value() != before;
}

bool TMemo::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TWinControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    return ScrollLines(int(std::min<unsigned>(GetWheelScrollLines(), 1000)));
}

bool TMemo::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TWinControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    return ScrollLines(-int(std::min<unsigned>(GetWheelScrollLines(), 1000)));
}

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
        TRect t = Rect(r.Left + 1, r.Top + 1, b.Left - 1, r.Bottom - 1);
        const bool highlight = Focused() && !dropped;
        if (highlight) {
            c.Brush().SetColor(clHighlight);
            c.FillRect(t);
            c.Font().SetColor(clHighlightText);
        } else if (!Enabled()) {
            c.Font().SetColor(clGrayText);
        }
        c.Brush().SetStyle(bsClear);
        TRect tr = t;
        tr.Left += 2;
        c.DrawText(tr, Text(), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (highlight)
            c.DrawFocusRect(t);
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

// ---- TButtonControl -----------------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    // Clicks are the button's own (a completed press), double clicks count
    // as two presses.
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csDoubleClicks});
    SetTabStop(true);
}

bool TButtonControl::ClicksDisabled() const { return isLoading(this); }

void TButtonControl::SetDown(bool Value)
{
    if (down_ == Value)
        return;
    down_ = Value;
    Invalidate();
}

void TButtonControl::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        focusOnClick(this);
        pressed_ = true;
        SetDown(true);
        break;
    case WM_MOUSEMOVE:
        if (pressed_)
            SetDown(ClientRect().Contains(Message.Pos()));
        break;
    case WM_LBUTTONUP:
        if (pressed_) {
            pressed_ = false;
            const bool inside = ClientRect().Contains(Message.Pos());
            SetDown(spacePressed_);
            if (inside) {
                TWeakRef<TControl> self(this);
                UserClick();
                if (!self)
                    return;
            }
        }
        break;
    case WM_KEYDOWN:
        if (Message.CharCode() == VK_SPACE && !(Message.KeyData() & KEYDATA_PREVDOWN)) {
            spacePressed_ = true;
            SetDown(true);
        }
        break;
    case WM_KEYUP:
        if (Message.CharCode() == VK_SPACE && spacePressed_) {
            spacePressed_ = false;
            SetDown(pressed_);
            TWeakRef<TControl> self(this);
            UserClick();
            if (!self)
                return;
        }
        break;
    case WM_KILLFOCUS:
        spacePressed_ = false;
        SetDown(pressed_);
        Invalidate();
        break;
    case WM_SETFOCUS: Invalidate(); break;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        pressed_ = false;
        SetDown(spacePressed_);
        break;
    default: break;
    }
    TCustomControl::DefaultHandler(Message);
}

void TButtonControl::CMMouseEnter(TMessage& Message)
{
    hot_ = true;
    Invalidate();
    TCustomControl::CMMouseEnter(Message);
}

void TButtonControl::CMMouseLeave(TMessage& Message)
{
    hot_ = false;
    Invalidate();
    TCustomControl::CMMouseLeave(Message);
}

void TButtonControl::CMEnabledChanged(TMessage& Message)
{
    if (!Enabled()) {
        pressed_ = spacePressed_ = false;
        down_ = hot_ = false;
    }
    TCustomControl::CMEnabledChanged(Message);
}

void TButtonControl::CMTextChanged(TMessage& Message) { TCustomControl::CMTextChanged(Message); }

// ---- TButton ------------------------------------------------------------------------------------

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(Left(), Top(), 75, 25); }

void TButton::SetDefault(bool Value)
{
    if (default_ == Value)
        return;
    default_ = Value;
    Invalidate();
}

bool TButton::Active() const
{
    if (Focused())
        return true;
    if (!default_)
        return false;
    TWinControl* f = GetFocusedControl();
    if (f && f != this && GetParentForm(f) == GetParentForm(this) &&
        (f->Perform(WM_GETDLGCODE) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0)
        return false;
    return true;
}

void TButton::Click()
{
    TWeakRef<TControl> self(this);
    TButtonControl::Click();
    if (!self || modalResult_ == mrNone)
        return;
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(modalResult_);
}

void TButton::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    const bool active = Active() && GetParentForm(this) && GetParentForm(this)->Active();
    if (Themes().IsActive()) {
        const int state = !Enabled() ? PBS_DISABLED
                          : Down()   ? PBS_PRESSED
                          : Hot()    ? PBS_HOT
                          : active   ? PBS_DEFAULTED
                                     : PBS_NORMAL;
        Themes().DrawPart(c, QStringLiteral("button"), BP_PUSHBUTTON, state, r);
    } else {
        if (active && Enabled()) {
            c.Brush().SetColor(clWindowFrame);
            c.FrameRect(r);
            InflateRect(r, -1, -1);
        }
        DrawFrameControl(c, r, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (Down() ? DFCS_PUSHED : 0) | (Enabled() ? 0 : DFCS_INACTIVE));
    }
    TRect t = ClientRect();
    if (Down() && !Themes().IsActive())
        OffsetRect(t, 1, 1);
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(Enabled() ? Font().Color() : clGrayText);
    c.DrawText(t, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
        TRect f = ClientRect();
        InflateRect(f, -3, -3);
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(clBtnFace);
        c.Font().SetColor(clBlack);
        c.DrawFocusRect(f);
    }
}

void TButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_FOCUSCHANGED) {
        if (default_)
            Invalidate();
        return;
    }
    TButtonControl::Dispatch(Message);
}

void TButton::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_BUTTON | (Active() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void TButton::CMDialogKey(TMessage& Message)
{
    const Word key = Message.CharCode();
    const TShiftState shift = KeyDataToShiftState(Message.KeyData()) * TShiftState{ssShift, ssCtrl, ssAlt};
    if (((key == VK_RETURN && Active()) || (key == VK_ESCAPE && cancel_)) && shift == TShiftState{} && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogKey(Message);
}

void TButton::CMDialogChar(TMessage& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(Message);
}

// ---- check box and radio button -----------------------------------------------------------------

namespace {

constexpr int kBoxSize = 13;

// Box and caption rectangles of a check box or radio button.
void buttonLayout(const TRect& Client, TAlignment Alignment, TRect& Box, TRect& Text)
{
    const int top = Client.Top + (Client.Height() - kBoxSize) / 2;
    if (Alignment == taLeftJustify) {
        Box = Bounds(Client.Right - kBoxSize, top, kBoxSize, kBoxSize);
        Text = Rect(Client.Left, Client.Top, Box.Left - 4, Client.Bottom);
    } else {
        Box = Bounds(Client.Left, top, kBoxSize, kBoxSize);
        Text = Rect(Box.Right + 4, Client.Top, Client.Right, Client.Bottom);
    }
}

// The caption, and the focus rectangle around it when focused.
void paintButtonCaption(TCanvas& C, const TControl& Control, TRect Text, bool Focused)
{
    C.Brush().SetStyle(bsClear);
    C.Font().SetColor(Control.Enabled() ? Control.Font().Color() : clGrayText);
    C.DrawText(Text, Control.Caption(), DT_SINGLELINE | DT_VCENTER);
    if (Focused) {
        TRect m = Text;
        C.DrawText(m, Control.Caption().isEmpty() ? QStringLiteral(" ") : Control.Caption(), DT_SINGLELINE | DT_CALCRECT);
        const int h = m.Height();
        TRect f = Rect(Text.Left - 1, Text.Top + (Text.Height() - h) / 2 - 1, std::min(Text.Right, Text.Left + m.Width()) + 1,
                       Text.Top + (Text.Height() - h) / 2 + h + 1);
        C.Brush().SetStyle(bsSolid);
        C.Brush().SetColor(Control.Color());
        C.DrawFocusRect(f);
    }
}

int pushState(bool Enabled, bool Down, bool Hot)
{
    return !Enabled ? 3 : Down ? 2 : Hot ? 1 : 0;
}

}  // namespace

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(Left(), Top(), 97, 17); }

void TCheckBox::SetState(TCheckBoxState Value)
{
    if (state_ == Value)
        return;
    state_ = Value;
    Invalidate();
    if (!ClicksDisabled())
        TButtonControl::Click();
}

void TCheckBox::Toggle()
{
    switch (state_) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(allowGrayed_ ? cbGrayed : cbUnchecked); break;
    case cbGrayed: SetState(cbUnchecked); break;
    }
}

void TCheckBox::SetAlignment(TAlignment Value)
{
    if (alignment_ == Value)
        return;
    alignment_ = Value;
    Invalidate();
}

void TCheckBox::Paint()
{
    TCanvas& c = Canvas();
    TRect box, text;
    buttonLayout(ClientRect(), alignment_, box, text);
    if (Themes().IsActive()) {
        const int base = state_ == cbChecked ? CBS_CHECKEDNORMAL : state_ == cbGrayed ? CBS_MIXEDNORMAL : CBS_UNCHECKEDNORMAL;
        Themes().DrawPart(c, QStringLiteral("button"), BP_CHECKBOX, base + pushState(Enabled(), Down(), Hot()), box);
    } else {
        unsigned s = DFCS_BUTTONCHECK;
        if (state_ == cbChecked)
            s |= DFCS_CHECKED;
        else if (state_ == cbGrayed)
            s |= DFCS_BUTTON3STATE | DFCS_CHECKED;
        if (!Enabled())
            s |= DFCS_INACTIVE;
        if (Down())
            s |= DFCS_PUSHED;
        DrawFrameControl(c, box, DFC_BUTTON, s);
    }
    paintButtonCaption(c, *this, text, Focused());
}

void TCheckBox::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_BUTTON; }

void TCheckBox::CMDialogChar(TMessage& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused())
            Toggle();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(Message);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(Left(), Top(), 113, 17); }

void TRadioButton::SetChecked(bool Value)
{
    if (checked_ == Value)
        return;
    checked_ = Value;
    Invalidate();
    if (!Value)
        return;
    if (TWinControl* p = Parent())
        for (int i = 0; i < p->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(p->Controls(i)); other && other != this)
                other->SetChecked(false);
    if (!ClicksDisabled())
        TButtonControl::Click();
}

void TRadioButton::SetAlignment(TAlignment Value)
{
    if (alignment_ == Value)
        return;
    alignment_ = Value;
    Invalidate();
}

void TRadioButton::Paint()
{
    TCanvas& c = Canvas();
    TRect box, text;
    buttonLayout(ClientRect(), alignment_, box, text);
    if (Themes().IsActive()) {
        const int base = checked_ ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL;
        Themes().DrawPart(c, QStringLiteral("button"), BP_RADIOBUTTON, base + pushState(Enabled(), Down(), Hot()), box);
    } else {
        unsigned s = DFCS_BUTTONRADIO;
        if (checked_)
            s |= DFCS_CHECKED;
        if (!Enabled())
            s |= DFCS_INACTIVE;
        if (Down())
            s |= DFCS_PUSHED;
        DrawFrameControl(c, box, DFC_BUTTON, s);
    }
    paintButtonCaption(c, *this, text, Focused());
}

void TRadioButton::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_BUTTON | DLGC_RADIOBUTTON; }

void TRadioButton::WMSetFocus(TMessage& Message)
{
    TButtonControl::WMSetFocus(Message);
    // Arriving with an arrow key checks the button, as on the platform.
    const bool arrow = GetKeyState(VK_UP) < 0 || GetKeyState(VK_DOWN) < 0 || GetKeyState(VK_LEFT) < 0 ||
                       GetKeyState(VK_RIGHT) < 0;
    if (arrow && !checked_ && Focused())
        SetChecked(true);
}

void TRadioButton::CMDialogChar(TMessage& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && CanFocus()) {
        SetFocus();
        if (Focused())
            SetChecked(true);
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogChar(Message);
}

// ---- TGroupBox ----------------------------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    SetBounds(Left(), Top(), 185, 105);
}

void TGroupBox::Paint()
{
    TCanvas& c = Canvas();
    const int th = c.TextHeight(QStringLiteral("0"));
    TRect r = Rect(0, th / 2 - 1, Width(), Height());
    DrawEdge(c, r, EDGE_ETCHED, BF_RECT);
    if (Caption().isEmpty())
        return;
    TRect t = Rect(0, 0, 0, th);
    c.DrawText(t, Caption(), DT_SINGLELINE | DT_CALCRECT);
    t = Bounds(8, 0, t.Width() + 2, th);
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(t);
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(Enabled() ? Font().Color() : clGrayText);
    TRect tt = t;
    tt.Left += 1;
    c.DrawText(tt, Caption(), DT_SINGLELINE);
}

void TGroupBox::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    TCanvas c;
    c.Font().Assign(Font());
    Rect.Top += c.TextHeight(QStringLiteral("0"));
    InflateRect(Rect, -2, -2);
}

void TGroupBox::CMDialogChar(TMessage& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode())), Caption()) && CanFocus()) {
        SelectFirst();
        if (TCustomForm* f = GetParentForm(this); f && f->ActiveControl() && ContainsControl(f->ActiveControl()))
            f->ActiveControl()->SetFocus();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}

void TGroupBox::CMTextChanged(TMessage& Message)
{
    TCustomControl::CMTextChanged(Message);
    Realign();
}

// ---- TListBox -----------------------------------------------------------------------------------

TListBox::TListBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
    SetTabStop(true);
    SetColor(clWindow);
    items_.OnChange = [this](TControlStrings::TChange C, int I) { ItemsChanged(C, I); };
    bar_ = new QScrollBar(Qt::Vertical, Widget());
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->hide();
    QObject::connect(bar_, &QScrollBar::valueChanged, bar_, [this](int V) { SetTopIndex(V); });
    SetBounds(Left(), Top(), 121, 97);
}

TListBox::~TListBox()
{
    items_.OnChange = nullptr;
    if (bar_)
        bar_->blockSignals(true);
}

int TListBox::ItemHeight() const
{
    if (itemHeight_ > 0)
        return itemHeight_;
    TCanvas c;
    c.Font().Assign(Font());
    return std::max(1, c.TextHeight(QStringLiteral("Wg")));
}

void TListBox::SetItemHeight(int Value)
{
    itemHeight_ = std::max(0, Value);
    UpdateScrollBar();
    Invalidate();
}

void TListBox::SetBorderStyle(TBorderStyle Value)
{
    borderStyle_ = Value == bsNone ? bsNone : bsSingle;
    UpdateScrollBar();
    Invalidate();
}

void TListBox::SetStyle(TListBoxStyle Value)
{
    style_ = Value;
    Invalidate();
}

TRect TListBox::InnerRect() const
{
    TRect r = ClientRect();
    if (borderStyle_ == bsSingle)
        InflateRect(r, -2, -2);
    if (bar_ && !bar_->isHidden())
        r.Right -= GetSystemMetrics(SM_CXVSCROLL);
    return r;
}

int TListBox::VisibleCount() const
{
    TRect r = ClientRect();
    if (borderStyle_ == bsSingle)
        InflateRect(r, -2, -2);
    return std::max(1, r.Height() / ItemHeight());
}

TRect TListBox::ItemRect(int Index) const
{
    const TRect r = InnerRect();
    const int top = r.Top + (Index - topIndex_) * ItemHeight();
    return Rect(r.Left, top, r.Right, top + ItemHeight());
}

int TListBox::ItemAtPos(TPoint Pos, bool Existing) const
{
    const TRect r = InnerRect();
    if (Pos.X < r.Left || Pos.X >= r.Right)
        return -1;
    const int i = topIndex_ + (Pos.Y - r.Top) / ItemHeight() - (Pos.Y < r.Top ? 1 : 0);
    if (i < 0 || i >= items_.Count())
        return Existing ? -1 : std::clamp(i, 0, std::max(0, items_.Count() - 1));
    return i;
}

void TListBox::SetTopIndex(int Value)
{
    Value = std::clamp(Value, 0, std::max(0, items_.Count() - VisibleCount()));
    if (Value == topIndex_)
        return;
    topIndex_ = Value;
    if (bar_) {
        const QSignalBlocker block(bar_);
        bar_->setValue(Value);
    }
    Invalidate();
}

void TListBox::MakeVisible(int Index)
{
    if (Index < 0)
        return;
    if (Index < topIndex_)
        SetTopIndex(Index);
    else if (Index >= topIndex_ + VisibleCount())
        SetTopIndex(Index - VisibleCount() + 1);
}

void TListBox::UpdateScrollBar()
{
    if (!bar_)
        return;
    const int visible = VisibleCount();
    const bool need = items_.Count() > visible;
    const int bw = borderStyle_ == bsSingle ? 2 : 0;
    const int sw = GetSystemMetrics(SM_CXVSCROLL);
    {
        const QSignalBlocker block(bar_);
        bar_->setRange(0, std::max(0, items_.Count() - visible));
        bar_->setPageStep(visible);
        bar_->setSingleStep(1);
        bar_->setValue(topIndex_);
    }
    bar_->setGeometry(Width() - bw - sw, bw, sw, std::max(0, Height() - 2 * bw));
    bar_->setVisible(need);
    if (!need)
        SetTopIndex(0);
    else
        SetTopIndex(topIndex_);
}

void TListBox::SetItemIndex(int Value)
{
    if (Value < -1 || Value >= items_.Count())
        Value = -1;
    if (Value == itemIndex_)
        return;
    itemIndex_ = Value;
    MakeVisible(Value);
    Invalidate();
}

void TListBox::UserChoose(int Index, bool Notify)
{
    if (items_.Count() == 0)
        return;
    Index = std::clamp(Index, 0, items_.Count() - 1);
    const bool changed = Index != itemIndex_;
    SetItemIndex(Index);
    if (changed && Notify)
        Click();
}

void TListBox::ItemsChanged(TControlStrings::TChange Change, int Index)
{
    using C = TControlStrings::TChange;
    switch (Change) {
    case C::Inserted:
    case C::Added:
        if (itemIndex_ >= 0 && itemIndex_ >= Index && Change == C::Inserted)
            ++itemIndex_;
        break;
    case C::Deleted:
        if (itemIndex_ == Index)
            itemIndex_ = -1;
        else if (itemIndex_ > Index)
            --itemIndex_;
        break;
    case C::Reset:
        itemIndex_ = -1;
        topIndex_ = 0;
        break;
    default: break;
    }
    UpdateScrollBar();
    Invalidate();
}

void TListBox::Paint()
{
    TCanvas& c = Canvas();
    TRect all = ClientRect();
    if (borderStyle_ == bsSingle) {
        TRect b = all;
        DrawEdge(c, b, EDGE_SUNKEN, BF_RECT);
    }
    const TRect inner = InnerRect();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(inner);
    auto guard = c.SaveState();
    c.IntersectClipRect(inner);
    for (int i = topIndex_; i < items_.Count(); ++i) {
        const TRect r = ItemRect(i);
        if (r.Top >= inner.Bottom)
            break;
        TOwnerDrawState state;
        if (i == itemIndex_)
            state.Include(odSelected);
        if (i == itemIndex_ && Focused())
            state.Include(odFocused);
        if (!Enabled())
            state.Include(odDisabled);
        c.Font().Assign(Font());
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(Color());
        DrawItem(i, r, state);
    }
    if (itemIndex_ < 0 && Focused()) {
        TRect f = ItemRect(std::max(topIndex_, 0));
        c.Brush().SetColor(Color());
        c.DrawFocusRect(f);
    }
}

void TListBox::DrawItem(int Index, const TRect& R, TOwnerDrawState State)
{
    TCanvas& c = Canvas();
    if (style_ == lbOwnerDrawFixed && OnDrawItem) {
        if (State.Contains(odSelected)) {
            c.Brush().SetColor(clHighlight);
            c.Font().SetColor(clHighlightText);
        }
        c.FillRect(R);
        OnDrawItem(this, Index, R, State);
    } else {
        if (State.Contains(odSelected)) {
            c.Brush().SetColor(clHighlight);
            c.Font().SetColor(clHighlightText);
        } else if (State.Contains(odDisabled)) {
            c.Font().SetColor(clGrayText);
        }
        c.FillRect(R);
        c.Brush().SetStyle(bsClear);
        TRect t = R;
        t.Left += 2;
        c.DrawText(t, items_[Index], DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
        c.Brush().SetStyle(bsSolid);
    }
    if (State.Contains(odFocused)) {
        c.Brush().SetColor(clHighlight);
        c.Font().SetColor(clHighlightText);
        c.DrawFocusRect(R);
    }
}

void TListBox::DefaultHandler(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        focusOnClick(this);
        const int i = ItemAtPos(Message.Pos());
        tracking_ = Message.Msg == WM_LBUTTONDOWN && i >= 0;
        if (i >= 0)
            SetItemIndex(i);
        if (Message.Msg == WM_LBUTTONDBLCLK && i >= 0)
            DblClick();
        break;
    }
    case WM_MOUSEMOVE:
        if (tracking_ && (Message.Keys() & MK_LBUTTON)) {
            const TRect inner = InnerRect();
            int i = ItemAtPos({inner.Left, Message.YPos()}, false);
            SetItemIndex(std::clamp(i, 0, std::max(0, items_.Count() - 1)));
        }
        break;
    case WM_LBUTTONUP:
        if (tracking_) {
            tracking_ = false;
            if (itemIndex_ >= 0) {
                TWeakRef<TControl> self(this);
                Click();
                if (!self)
                    return;
            }
        }
        break;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE: tracking_ = false; break;
    case WM_KEYDOWN: {
        const int last = items_.Count() - 1;
        const int page = std::max(1, VisibleCount() - 1);
        switch (Message.CharCode()) {
        case VK_UP: UserChoose(itemIndex_ < 0 ? 0 : itemIndex_ - 1, true); break;
        case VK_DOWN: UserChoose(itemIndex_ + 1, true); break;
        case VK_LEFT: UserChoose(itemIndex_ < 0 ? 0 : itemIndex_ - 1, true); break;
        case VK_RIGHT: UserChoose(itemIndex_ + 1, true); break;
        case VK_HOME: UserChoose(0, true); break;
        case VK_END: UserChoose(last, true); break;
        case VK_PRIOR: UserChoose(itemIndex_ - page, true); break;
        case VK_NEXT: UserChoose(itemIndex_ < 0 ? page : itemIndex_ + page, true); break;
        default: break;
        }
        break;
    }
    case WM_CHAR: {
        const QChar ch(char16_t(Message.CharCode()));
        const int n = items_.Count();
        if (ch.unicode() < 32 || n == 0)
            break;
        for (int k = 1; k <= n; ++k) {
            const int i = (std::max(itemIndex_, -1) + k) % n;
            if (items_[i].startsWith(ch, Qt::CaseInsensitive)) {
                UserChoose(i, true);
                break;
            }
        }
        break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;
    default: break;
    }
    TCustomControl::DefaultHandler(Message);
}

void TListBox::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TListBox::WMSize(TMessage& Message)
{
    TCustomControl::WMSize(Message);
    UpdateScrollBar();
}

void TListBox::CMFontChanged(TMessage& Message)
{
    TCustomControl::CMFontChanged(Message);
    UpdateScrollBar();
}

bool TListBox::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    const int before = topIndex_;
    SetTopIndex(topIndex_ + int(std::min<unsigned>(GetWheelScrollLines(), 1000)));
    return topIndex_ != before;
}

bool TListBox::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    const int before = topIndex_;
    SetTopIndex(topIndex_ - int(std::min<unsigned>(GetWheelScrollLines(), 1000)));
    return topIndex_ != before;
}
