// The rich-text, HTML form-control and fixed-cell editors (grid_special_editors.h).
#include "grid/edit/grid_special_editors.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "grid/core/grid_options.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_edit_holders.h"
#include "grid/render/rtf_reader.h"

namespace {

bool IsRichText(const String& S) { return S.startsWith(QStringLiteral("{\\")); }

}  // namespace

// ---- TVynRichEdit ---------------------------------------------------------------------------------

TVynRichEdit::TVynRichEdit(TComponent* AOwner)
    : TMemo(AOwner), FGrid(dynamic_cast<TVynStringGrid*>(AOwner))
{
    SetWordWrap(true);
    if (QPlainTextEdit* e = TextEdit())
        QObject::connect(e->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged,
                         e, [this](const QSizeF&) { DocumentResized(); });
}

QPlainTextEdit* TVynRichEdit::TextEdit() const
{
    QWidget* w = Widget();
    if (auto* e = qobject_cast<QPlainTextEdit*>(w))
        return e;
    return w ? w->findChild<QPlainTextEdit*>() : nullptr;
}

void TVynRichEdit::ReCreate()
{
    SetVisible(false);
}

void TVynRichEdit::LoadCellText(const String& Value)
{
    if (IsRichText(Value)) {
        FRichSource = Value;
        SetText(RTFToPlainText(Value));
        SetReadOnly(true);
    } else {
        FRichSource.clear();
        SetReadOnly(false);
        SetText(Value);
    }
}

String TVynRichEdit::CellText()
{
    if (!FRichSource.isEmpty())
        return FRichSource;
    return Text();
}

void TVynRichEdit::SetSelOffset(int Align)
{
    QPlainTextEdit* e = TextEdit();
    if (!e)
        return;
    QTextCharFormat f;
    f.setVerticalAlignment(QTextCharFormat::VerticalAlignment(Align));
    QTextCursor c = e->textCursor();
    c.mergeCharFormat(f);
    e->mergeCurrentCharFormat(f);
}

int TVynRichEdit::SelOffset() const
{
    QPlainTextEdit* e = TextEdit();
    return e ? int(e->textCursor().charFormat().verticalAlignment()) : int(QTextCharFormat::AlignNormal);
}

void TVynRichEdit::SelNormal() { SetSelOffset(QTextCharFormat::AlignNormal); }
void TVynRichEdit::SelSubscript() { SetSelOffset(QTextCharFormat::AlignSubScript); }
void TVynRichEdit::SelSuperscript() { SetSelOffset(QTextCharFormat::AlignSuperScript); }
bool TVynRichEdit::IsSelNormal() const { return SelOffset() == QTextCharFormat::AlignNormal; }
bool TVynRichEdit::IsSelSubscript() const { return SelOffset() == QTextCharFormat::AlignSubScript; }
bool TVynRichEdit::IsSelSuperscript() const { return SelOffset() == QTextCharFormat::AlignSuperScript; }

void TVynRichEdit::DocumentResized()
{
    QPlainTextEdit* e = TextEdit();
    if (!e)
        return;
    // The plain text layout counts lines: the height in pixels is theirs.
    const int h = int(e->document()->blockCount()) * e->fontMetrics().lineSpacing();
    const int w = int(e->document()->idealWidth());
    TVynStringGrid* g = FGrid.Get();
    if (!g || this != g->InplaceRichEdit(false)) {
        FReqWidth = w;
        FReqHeight = h;
        return;
    }
    if (FLocked || !g->SizeWhileTyping()->Height())
        return;
    const int row = g->Row();
    const TRect cell = g->CellRect(g->Col(), row);
    if (g->RowHeights(row) < h + 5 && cell.Top + h + 5 < g->Height()) {
        SetBounds(Left(), Top(), Width(), h + 9);
        g->SetRowHeights(row, h + 10);
        if (g->OnEndRowSize)
            g->OnEndRowSize(g, row);
    }
}

void TVynRichEdit::WMGetDlgCode(TMessage& Message)
{
    TMemo::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTTAB;
}

void TVynRichEdit::KeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TVynRichEdit> self(this);
    TMemo::KeyDown(Key, Shift);
    TVynStringGrid* g = FGrid.Get();
    if (!self || !g || Key == 0)
        return;
    TWeakRef<TVynStringGrid> grid(g);
    const bool tab = Key == VK_TAB && g->Options().Contains(goTabs);
    const bool upDown = (Key == VK_UP || Key == VK_DOWN) && !g->WordWrap();
    if (!tab && !upDown)
        return;
    if (g->CanFocus())
        g->SetFocus();
    if (!grid)
        return;
    Word k = Key;
    Key = 0;
    g->KeyDown(k, Shift);
    if (tab && grid)
        g->ShowInplaceEdit();
}

void TVynRichEdit::WMKillFocus(TMessage& Message)
{
    TVynStringGrid* g = FGrid.Get();
    if (g && g->InvokedFocusChange)
        return;
    TWeakRef<TVynRichEdit> self(this);
    if (g && g->Widget() && Message.WParam == intptr_t(g->Widget()) && this == g->InplaceRichEdit(false))
        g->HideInplaceEdit();
    if (self)
        TMemo::WMKillFocus(Message);
}

// ---- the HTML form-control editors ----------------------------------------------------------------

namespace {

// Enter and Tab of a form-control editor; false: another key.
bool ControlEditorKey(TWinControl& Editor, QChar& Key)
{
    auto* g = dynamic_cast<TVynStringGrid*>(Editor.Parent());
    if (!g || (Key.unicode() != 13 && Key.unicode() != 9))
        return false;
    const bool tab = Key.unicode() == 9;
    Key = QChar();
    TWeakRef<TVynStringGrid> grid(g);
    const String id = g->CtrlID();
    const TPoint cell = g->CtrlXY();
    if (Editor.OnExit)
        Editor.OnExit(&Editor);
    if (!grid)
        return true;
    if (!tab) {
        if (g->CanFocus())
            g->SetFocus();
        return true;
    }
    if (g->Navigation()->AdvanceAuto())
        g->AdvanceEditCell(g->Col(), g->Row(), true, false, true, false, true);
    else
        g->EditNextCellControl(g->DisplColIndex(cell.X), cell.Y, id);
    return true;
}

}  // namespace

TControlEdit::TControlEdit(TComponent* AOwner) : TMaskEdit(AOwner) {}

void TControlEdit::CMWantSpecialKey(TMessage& Message)
{
    TMaskEdit::CMWantSpecialKey(Message);
    if (Message.CharCode() == VK_TAB)
        Message.Result = 1;
    else if (Message.CharCode() == VK_RETURN)
        Message.Result = 0;
}

void TControlEdit::KeyPress(QChar& Key)
{
    if (!ControlEditorKey(*this, Key))
        TMaskEdit::KeyPress(Key);
}

TControlCombo::TControlCombo(TComponent* AOwner) : TVsgComboBox(AOwner) {}

void TControlCombo::CMWantSpecialKey(TMessage& Message)
{
    TVsgComboBox::CMWantSpecialKey(Message);
    if (Message.CharCode() == VK_TAB)
        Message.Result = 1;
}

void TControlCombo::KeyPress(QChar& Key)
{
    if (!ControlEditorKey(*this, Key))
        TVsgComboBox::KeyPress(Key);
}

// ---- the fixed-cell editors -----------------------------------------------------------------------

TGridTransEditing::TGridTransEditing(TComponent* AOwner) : FGrid(dynamic_cast<TVynStringGrid*>(AOwner)) {}

bool TGridTransEditing::StopEditOf(TWinControl& Editor, const String& Text)
{
    TVynStringGrid* g = FGrid.Get();
    if (!g) {
        Editor.SetVisible(false);
        return true;
    }
    TWeakRef<TVynStringGrid> grid(g);
    TWeakRef<TWinControl> self(&Editor);
    String value = Text;
    bool valid = true;
    if (g->OnCellValidate)
        g->OnCellValidate(g, FCol, FRow, value, valid);
    if (!grid || !self)
        return false;
    if (!valid) {
        g->FocusCell(FCol, FRow, true);
        if (self && Editor.CanFocus())
            Editor.SetFocus();
        return false;
    }
    if (g->OnEditingDone)
        g->OnEditingDone(g);
    if (!grid || !self)
        return true;
    g->SetCells(FCol, FRow, value);
    Editor.SetVisible(false);
    return true;
}

TGridTransEdit::TGridTransEdit(TComponent* AOwner) : TEdit(AOwner), TGridTransEditing(AOwner) { SetVisible(false); }

void TGridTransEdit::DoExit()
{
    TWeakRef<TGridTransEdit> self(this);
    TEdit::DoExit();
    if (self && Visible())
        StopEdit();
}

void TGridTransEdit::KeyPress(QChar& Key)
{
    if (Key.unicode() == 13)
        Key = QChar();
    TEdit::KeyPress(Key);
}

TGridTransCombo::TGridTransCombo(TComponent* AOwner) : TComboBox(AOwner), TGridTransEditing(AOwner)
{
    SetVisible(false);
}

void TGridTransCombo::DoExit()
{
    TWeakRef<TGridTransCombo> self(this);
    TComboBox::DoExit();
    if (self && Visible())
        StopEdit();
}

void TGridTransCombo::KeyPress(QChar& Key)
{
    if (Key.unicode() == 13)
        Key = QChar();
    TComboBox::KeyPress(Key);
}
