// Edits and memos (see stdctrls.h for the event rules they keep).
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
    // Controls inside the field (a spin edit's arrows) lay themselves out again.
    Perform(CM_BORDERCHANGED);
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
