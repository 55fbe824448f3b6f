// The drop-down cell editors (grid_dropdown_editors.h).
#include "grid/edit/grid_dropdown_editors.h"

#include <QLineEdit>

#include <map>

#include "grid/core/vyn_string_grid.h"
#include "platform/gui/input_state.h"

TGridDropDownLink::TGridDropDownLink(TComponent* Owner, TVynCustomDropDown& Control, TDropDownEditorFlavour Flavour,
                                     bool CaretFromClick)
    : FControl(Control), FProtocol(Owner, *this), FFlavour(Flavour), FCaretFromClick(CaretFromClick)
{
}

String TGridDropDownLink::EditorValue() { return ReadText ? ReadText() : FControl.Text(); }

void TGridDropDownLink::LoadEditorValue(const String& Value)
{
    if (EditorValue() != Value)
        FControl.SetTextDirect(Value);
}

void TGridDropDownLink::SelectAllValue() { FControl.SelectAll(); }

void TGridDropDownLink::CaretToEnd()
{
    FControl.SetSelStart(int(FControl.TCustomEdit::Text().size()));
    FControl.SetSelLength(0);
}

void TGridDropDownLink::RepaintEditor() { FControl.Invalidate(); }

bool TGridDropDownLink::WantsSpecialKey(Word Key) const
{
    if (!FProtocol.GridAlive())
        return false;
    const bool enterEscape = FFlavour == TDropDownEditorFlavour::EnterEscape || FFlavour == TDropDownEditorFlavour::Color;
    if (enterEscape && (Key == VK_RETURN || Key == VK_ESCAPE))
        return true;
    return Key == VK_TAB && FProtocol.GridTakesTab();
}

bool TGridDropDownLink::Handles(Word Key, TShiftState Shift) const
{
    if (Key == VK_DOWN && Shift.Contains(ssAlt))
        return false;
    if (FFlavour == TDropDownEditorFlavour::Color && FControl.DroppedDown())
        return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE;
    switch (Key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_UP:
    case VK_DOWN: return true;
    case VK_HOME: return FFlavour == TDropDownEditorFlavour::Color;
    default: return false;
    }
}

void TGridDropDownLink::KeyDown(Word& Key, TShiftState Shift)
{
    if (!FProtocol.GridAlive()) {
        BaseKeyDown(Key, Shift);
        return;
    }
    TVynStringGrid* g = FProtocol.Grid();
    TWeakRef<TVynStringGrid> grid(g);
    TWeakRef<TControl> self(&FControl);
    // 1 and 2.
    FForced = false;
    FWorkMode = Key != VK_BACK && Key != VK_DELETE;
    if (!Handles(Key, Shift)) {
        BaseKeyDown(Key, Shift);
        return;
    }
    // 3.
    if (Key == VK_ESCAPE) {
        Key = 0;
        FProtocol.Cancel();
        return;
    }
    // 4. The colour picker validates on Enter only.
    const bool validates =
        Key == VK_RETURN || (FFlavour != TDropDownEditorFlavour::Color && (Key == VK_UP || Key == VK_DOWN));
    if (validates) {
        if (Key == VK_RETURN && BeforeEnter) {
            BeforeEnter();
            if (!self || !grid)
                return;
        }
        if (!FProtocol.CommitAndValidate(Key, false) || !self || !grid)
            return;
    }
    // 5.
    if (Key == VK_TAB) {
        if (FProtocol.TabStep(Key, Shift) || !self || !grid)
            return;
    }
    // 6.
    if (FControl.DroppedDown()) {
        g->HideInplaceEdit();
        if (!grid)
            return;
        if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN || Key == VK_LEFT || Key == VK_RIGHT)
            Key = 0;
    } else if (Key == VK_END) {
        BaseKeyDown(Key, Shift);
        return;
    }
    // 7.
    FProtocol.LeaveStep(Key, Shift);
    if (self) {
        Word none = 0;
        BaseKeyDown(none, Shift);
    }
}

void TGridDropDownLink::KeyPress(QChar& Key)
{
    FForced = false;
    // The start character of the edit: the grid's OnKeyPress has had it.
    if (!FReplayChar.isNull() && Key == FReplayChar) {
        FReplayChar = QChar();
        BaseKeyPress(Key);
        return;
    }
    TWeakRef<TControl> self(&FControl);
    FProtocol.FireKeyPress(Key);
    if (!self)
        return;
    if (Key.unicode() == 27 || Key.unicode() == 13 || Key.unicode() == 9)
        Key = QChar();
    BaseKeyPress(Key);
}

void TGridDropDownLink::Changed()
{
    if (FProtocol.GridAlive())
        FProtocol.Changed(EditorValue());
}

void TGridDropDownLink::Exit()
{
    if (FProtocol.GridAlive())
        FProtocol.Exit();
}

void TGridDropDownLink::FocusReceived()
{
    if (!FCaretFromClick || !FProtocol.GridAlive() || !FProtocol.OpenedByClick())
        return;
    const TPoint p = FControl.ScreenToClient(GetCursorPos());
    if (p.X < 0 || p.X > FControl.Width() || p.Y < 0 || p.Y > FControl.Height())
        return;
    QWidget* w = FControl.Widget();
    auto* e = qobject_cast<QLineEdit*>(w);
    if (!e && w)
        e = w->findChild<QLineEdit*>();
    if (!e)
        return;
    const int at = e->cursorPositionAt(e->mapFrom(w, QPoint(p.X, p.Y)));
    if (at < 0)
        return;
    FControl.SetSelStart(at);
    FControl.SetSelLength(0);
    FProtocol.ClearOpenedByClick();
}

// ---- the wrappers ---------------------------------------------------------------------------------

TGridTrackbarDropDown::TGridTrackbarDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, TDropDownEditorFlavour::EnterEscape, true)
{
}

TGridMemoDropDown::TGridMemoDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, TDropDownEditorFlavour::Plain, true)
{
}

String TGridMemoDropDown::MemoValue() const
{
    String s = MemoText().Text();
    if (s.endsWith(u'\n'))
        s.chop(1);
    if (s.endsWith(u'\r'))
        s.chop(1);
    return s;
}

TGridCalculatorDropDown::TGridCalculatorDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, TDropDownEditorFlavour::Calculator, true)
{
    Link().BeforeEnter = [this] { CalcResult(); };
}

TGridTimepickerDropDown::TGridTimepickerDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, TDropDownEditorFlavour::Plain, false)
{
    SetFocusDraw(false);
}

TGridDetailPickerDropDown::TGridDetailPickerDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, TDropDownEditorFlavour::Plain, false)
{
}

TGridColorDropDown::TGridColorDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, TDropDownEditorFlavour::Color, false)
{
}

TGridImageDropDown::TGridImageDropDown(TComponent* AOwner)
    : TGridDropDownEditor(AOwner, TDropDownEditorFlavour::Plain, false)
{
}

// ---- kinds and factories --------------------------------------------------------------------------

bool IsDropDownEditorKind(TEditorType Kind)
{
    switch (Kind) {
    case TEditorType::edTrackbarDropDown:
    case TEditorType::edMemoDropDown:
    case TEditorType::edCalculatorDropDown:
    case TEditorType::edTimePickerDropDown:
    case TEditorType::edDetailDropDown:
    case TEditorType::edGridDropDown:
    case TEditorType::edColorPickerDropDown:
    case TEditorType::edImagePickerDropDown:
    case TEditorType::edVynGridDropDown: return true;
    default: return false;
    }
}

namespace {

TGridDropDownFactory& FactorySlot(TEditorType Kind)
{
    static TGridDropDownFactory grid, vynGrid;
    if (Kind == TEditorType::edGridDropDown)
        return grid;
    if (Kind == TEditorType::edVynGridDropDown)
        return vynGrid;
    throw EInvalidOperation("Only the two grid drop-down kinds take a factory");
}

}  // namespace

void RegisterGridDropDownFactory(TEditorType Kind, TGridDropDownFactory Factory)
{
    FactorySlot(Kind) = std::move(Factory);
}

const TGridDropDownFactory& GridDropDownFactory(TEditorType Kind) { return FactorySlot(Kind); }
