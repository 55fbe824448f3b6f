// The spin, edit-with-button, unit, check-box, button and date kinds of the
// grid's special editors: the controls, placing and loading one over a
// cell, and writing its value back (docs/GRID.md, "Special editors").
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_edit_holders.h"
#include "grid/edit/grid_simple_editors.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/application.h"

namespace {

bool IsSpinKind(TEditorType K)
{
    return K == TEditorType::edSpinEdit || K == TEditorType::edFloatSpinEdit || K == TEditorType::edTimeSpinEdit ||
           K == TEditorType::edDateSpinEdit;
}

bool IsEditBtnKind(TEditorType K)
{
    return K == TEditorType::edEditBtn || K == TEditorType::edNumericEditBtn || K == TEditorType::edFloatEditBtn ||
           K == TEditorType::edMaskEditBtn;
}

bool IsUnitKind(TEditorType K)
{
    return K == TEditorType::edUnitEditBtn || K == TEditorType::edNumericUnitEditBtn ||
           K == TEditorType::edFloatUnitEditBtn;
}

bool IsDatePickerKind(TEditorType K)
{
    return K == TEditorType::edDateEdit || K == TEditorType::edDateEditUpDown || K == TEditorType::edTimeEdit;
}

// An editor control made by the grid: parented to it, hidden and disabled.
template <typename T>
T* MakeHidden(T* Control, TWinControl* Grid)
{
    Control->SetVisible(false);
    Control->SetEnabled(false);
    Control->SetParent(Grid);
    return Control;
}

void Close(TWinControl* Control)
{
    if (!Control)
        return;
    Control->SetEnabled(false);
    Control->SetVisible(false);
}

// Visible, enabled, in the cell's colour and focused.
void Open(TWinControl* Control, TColor CellColor)
{
    Control->SetVisible(true);
    Control->SetEnabled(true);
    Control->SetColor(CellColor);
    if (Control->CanFocus())
        Control->SetFocus();
}

// The typed start character posted to the control.
void Replay(TWinControl* Control, QChar StartChar)
{
    if (!StartChar.isNull())
        PostMessage(Control, WM_CHAR, StartChar.unicode(), 0);
}

}  // namespace

// ---- the controls ---------------------------------------------------------------------------------

void TVynStringGrid::CreateSimpleEditControls()
{
    EditCheck = MakeHidden(new TGridCheckBox(this), this);
    auto* eb = MakeHidden(new TGridEditBtn(this), this);
    eb->SetButtonCaption("...");
    eb->SetBorderStyle(bsNone);
    EditBtn = eb;
    auto* ub = MakeHidden(new TGridUnitEditBtn(this), this);
    ub->SetButtonCaption("...");
    ub->SetBorderStyle(bsNone);
    UnitEditBtn = ub;
    GridButton = MakeHidden(new TGridButton(this), this);
}

TGridCheckBox* TVynStringGrid::CheckEditor() const { return dynamic_cast<TGridCheckBox*>(EditCheck); }

TGridEditBtn* TVynStringGrid::BtnEdit() const { return dynamic_cast<TGridEditBtn*>(EditBtn); }

TGridUnitEditBtn* TVynStringGrid::BtnUnitEdit() const { return dynamic_cast<TGridUnitEditBtn*>(UnitEditBtn); }

TGridButton* TVynStringGrid::Btn() const { return dynamic_cast<TGridButton*>(GridButton); }

TGridSpin* TVynStringGrid::SpinEdit()
{
    if (!FEditSpin) {
        FEditSpin = MakeHidden(new TGridSpin(this), this);
        FEditSpin->SetBorderStyle(bsNone);
        FEditSpin->SetIsWinXP(FIsWinXP);
    }
    return FEditSpin;
}

TGridDatePicker* TVynStringGrid::DateTimePicker()
{
    if (!FEditDate) {
        FEditDate = MakeHidden(new TGridDatePicker(this), this);
        FEditDate->OnCloseUp = [this](TObject*) {
            if (OnDatePickerCloseUp)
                OnDatePickerCloseUp(this, Row(), RealCol());
        };
        FEditDate->OnDropDown = [this](TObject*) {
            if (OnDatePickerDropDown)
                OnDatePickerDropDown(this, Row(), RealCol());
        };
        FEditDate->OnChange = [this](TObject*) { DateTimeChanged(FEditDate->DateTime()); };
    }
    return FEditDate;
}

TGridDateTimePicker* TVynStringGrid::DateAndTimePicker()
{
    if (!FEditDateTime) {
        FEditDateTime = MakeHidden(new TGridDateTimePicker(this), this);
        FEditDateTime->SetAutoTab(true);
        FEditDateTime->OnCloseUp = [this](TObject*) {
            if (OnDatePickerCloseUp)
                OnDatePickerCloseUp(this, Row(), RealCol());
        };
        FEditDateTime->OnTimeChange = [this](TObject*) { DateTimeChanged(FEditDateTime->DateTime()); };
    }
    return FEditDateTime;
}

// ---- showing ---------------------------------------------------------------------------------

bool TVynStringGrid::ShowSimpleEditControl(int ACol, int ARow, const TRect& R, TColor CellColor, QChar StartChar)
{
    const TEditorType kind = EditControl;
    if (!IsSpinKind(kind) && !IsEditBtnKind(kind) && !IsUnitKind(kind) && !IsDatePickerKind(kind) &&
        kind != TEditorType::edCheckBox && kind != TEditorType::edButton && kind != TEditorType::edDateTimeEdit)
        return false;
    const int C = RealColIndex(ACol);
    const int W = R.Right - R.Left - 1;
    const int H = R.Bottom - R.Top - 1;
    TWeakRef<TVynStringGrid> self(this);
    const String text = GetEditText(ACol, ARow);
    bool fallback = false;
    FShownChecked = true;
    EditMode = true;

    if (IsSpinKind(kind)) {
        TGridSpin* sp = SpinEdit();
        TWeakRef<TGridSpin> spin(sp);
        sp->SetBounds(R.Left, R.Top, W, H);
        sp->SetVisible(true);
        sp->SetEnabled(true);
        sp->SetColor(CellColor);
        sp->SetExcelStyleDecimalSeparator(FExcelStyleDecimalSeparator);
        DoGetEditorProp(C, ARow, nullptr);
        if (!self || !spin)
            return true;
        // A text that does not read as the kind's value is shown as it is
        // (a date: today).
        switch (kind) {
        case TEditorType::edSpinEdit: {
            sp->SetSpinType(sptNormal);
            int v = 0;
            fallback = !TryStrToInt(text.trimmed(), v);
            fallback ? sp->SetText(text) : sp->SetValue(v);
            break;
        }
        case TEditorType::edFloatSpinEdit: {
            sp->SetSpinType(sptFloat);
            double v = 0;
            fallback = text.trimmed().isEmpty() || !TryStrToFloat(CleanNumberText(text), v, u'.');
            fallback ? sp->SetText(text) : sp->SetFloatValue(v);
            break;
        }
        case TEditorType::edTimeSpinEdit:
            sp->SetText(text);
            sp->SetSpinType(sptTime);
            break;
        default: {
            TDateTime d = 0;
            fallback = !TryStrToDate(text, d);
            sp->SetSpinType(sptDate);
            sp->SetDateValue(fallback ? Now() : d);
            break;
        }
        }
        FShownValue = sp->Text();
        if (sp->CanFocus())
            sp->SetFocus();
        if (!self || !spin)
            return true;
        Replay(sp, StartChar);
        if (const int step = CellSpinClickStep())
            step > 0 ? sp->StepUp(false) : sp->StepDown(false);
        EditCtrl = sp;
        return true;
    }

    if (IsEditBtnKind(kind)) {
        TGridEditBtn* eb = BtnEdit();
        eb->SetBounds(R.Left, R.Top, W, eb->Height());
        eb->SetText(text);
        eb->SetMaxLength(GetEditLimit());
        Open(eb, CellColor);
        if (!self)
            return true;
        eb->SetHeight(H);
        eb->SetEditMask(kind == TEditorType::edMaskEditBtn ? GetEditMask(ACol, ARow) : String());
        if (!StartChar.isNull())
            eb->ExpectReplay(StartChar);
        Replay(eb, StartChar);
        EditCtrl = eb;
        return true;
    }

    if (IsUnitKind(kind)) {
        TGridUnitEditBtn* ub = BtnUnitEdit();
        TWeakRef<TGridUnitEditBtn> unit(ub);
        ub->SetBounds(R.Left, R.Top, W, ub->Height());
        ub->SetMaxLength(GetEditLimit());
        // The units may come with the editor properties.
        DoGetEditorProp(C, ARow, nullptr);
        if (!self || !unit)
            return true;
        // A text that ends in no unit stays whole in the edit.
        ub->SetUnitID(String());
        ub->SetText(text);
        ub->SetTextAndUnit(text);
        Open(ub, CellColor);
        if (!self)
            return true;
        ub->SetHeight(H);
        Replay(ub, StartChar);
        EditCtrl = ub;
        return true;
    }

    if (kind == TEditorType::edCheckBox) {
        TGridCheckBox* cb = CheckEditor();
        cb->SetBounds(R.Left, R.Top, W, H);
        cb->SetCaption(text);
        cb->SetState(cbUnchecked);
        Open(cb, CellColor);
        return true;
    }

    if (kind == TEditorType::edButton) {
        TGridButton* b = Btn();
        b->SetBounds(R.Left - 1, R.Top - 1, W + 2, H + 2);
        b->SetCaption(text);
        Open(b, CellColor);
        if (self)
            EditCtrl = b;
        return true;
    }

    if (kind == TEditorType::edDateTimeEdit) {
        TGridDateTimePicker* p = DateAndTimePicker();
        TWeakRef<TGridDateTimePicker> picker(p);
        TDateTime d = 0;
        fallback = !CellTextToDateTime(text, d);
        FOriginalDateTime = fallback ? Now() : d;
        p->SetDateTime(FOriginalDateTime);
        p->SetKind(dkDateTime);
        p->SetBorderStyle(bsNone);
        p->SetBounds(R.Left, R.Top, W, p->Height() < H ? H : p->Height());
        DoGetEditorProp(C, ARow, nullptr);
        if (!self || !picker)
            return true;
        FShownValue = p->CommitText();
        FShownChecked = p->Checked();
        Open(p, CellColor);
        return true;
    }

    // The date and time pickers.
    TGridDatePicker* p = DateTimePicker();
    TWeakRef<TGridDatePicker> picker(p);
    if (kind == TEditorType::edTimeEdit) {
        TDateTime t = 0;
        fallback = !TryStrToTime(text, t);
        p->SetKind(dtkTime);
        p->SetTime(fallback ? Now() : t);
        p->SetBounds(R.Left, R.Top, W, H);
        DoGetEditorProp(C, ARow, nullptr);
    } else {
        TDateTime d = Now();
        fallback = text.trimmed().isEmpty();
        if (!fallback) {
            if (OnCustomStrToDate) {
                try {
                    OnCustomStrToDate(this, text, d);
                } catch (const Exception&) {
                    d = Now();
                    fallback = true;
                }
                if (!self)
                    return true;
            } else if (!CellTextToDateTime(text, d)) {
                d = Now();
                fallback = true;
            } else {
                // A date after MaxDate opens a day before it; one on or
                // before MinDate a day after it.
                if (p->MaxDate() != 0 && d > p->MaxDate())
                    d = p->MaxDate() - 1;
                if (p->MinDate() != 0 && d <= p->MinDate())
                    d = p->MinDate() + 1;
            }
        }
        p->SetKind(dtkDate);
        p->SetDateTime(d);
        p->SetDateMode(kind == TEditorType::edDateEditUpDown ? dmUpDown : dmComboBox);
        DoGetEditorProp(C, ARow, nullptr);
        if (!self || !picker)
            return true;
        p->SetBounds(R.Left, R.Top, W, p->Height() != H ? H : p->Height());
    }
    if (!self || !picker)
        return true;
    FShownValue = p->CommitText();
    FShownChecked = p->Checked();
    Open(p, CellColor);
    if (!self || !picker)
        return true;
    if (kind != TEditorType::edTimeEdit) {
        if (FMouseActions->DirectDateDrop())
            p->Perform(WM_KEYDOWN, VK_F4, 0);
        if (!self || !picker)
            return true;
        Replay(p, StartChar);
    }
    EditCtrl = p;
    return true;
}

// ---- writing back ----------------------------------------------------------------------------

void TVynStringGrid::CommitSimpleEditControl(int ACol, int ARow)
{
    const TEditorType kind = EditControl;
    TWeakRef<TVynStringGrid> self(this);
    // Esc: the text the cell had when the edit began.
    auto write = [&](const String& Value) { WriteEditedValue(ACol, ARow, FCancelEdit ? FCellCache : Value); };
    // Left as it was shown: the cell keeps its text (a text that did not
    // read was shown as today, or as it is).
    auto unchanged = [&](const String& Shown, bool Checked) {
        return !FCancelEdit && Shown == FShownValue && Checked == FShownChecked;
    };

    // A picker's text (empty while its check box is cleared) unless left as
    // it opened; then closed.
    auto closePicker = [&](auto* P, const auto& Alive) {
        const String value = P->CommitText();
        if (!unchanged(value, P->Checked()))
            write(value);
        if (!self)
            return;
        EditMode = false;
        if (Alive)
            Close(P);
    };

    if (IsSpinKind(kind)) {
        EditMode = false;
        TGridSpin* sp = FEditSpin;
        if (!sp)
            return;
        TWeakRef<TGridSpin> spin(sp);
        if (FCancelEdit) {
            write(String());
        } else if (unchanged(sp->Text(), FShownChecked)) {
            // Nothing to write.
        } else if (sp->AllowEmptyValue() && sp->Text().trimmed().isEmpty()) {
            SetCellEx(ACol, ARow, String());
        } else {
            sp->ApplyBounds();
            switch (kind) {
            case TEditorType::edSpinEdit: SetInts(ACol, ARow, sp->Value()); break;
            case TEditorType::edFloatSpinEdit: SetFloats(ACol, ARow, sp->FloatValue()); break;
            case TEditorType::edTimeSpinEdit: WriteEditedValue(ACol, ARow, sp->Text()); break;
            default: SetDates(ACol, ARow, sp->DateValue()); break;
            }
        }
        if (self && spin)
            Close(sp);
        return;
    }
    if (IsEditBtnKind(kind)) {
        TGridEditBtn* eb = BtnEdit();
        if (!EditMode || !eb)
            return;
        EditMode = false;
        TWeakRef<TGridEditBtn> box(eb);
        write(eb->Text());
        if (self && box)
            Close(eb);
        return;
    }
    if (IsUnitKind(kind)) {
        TGridUnitEditBtn* ub = BtnUnitEdit();
        if (!ub)
            return;
        TWeakRef<TGridUnitEditBtn> unit(ub);
        write(ub->TextAndUnit());
        if (self && unit)
            Close(ub);
        if (self)
            EditMode = false;
        return;
    }
    if (kind == TEditorType::edCheckBox || kind == TEditorType::edButton) {
        // The check box's state never reaches the cell.
        Close(kind == TEditorType::edCheckBox ? static_cast<TWinControl*>(EditCheck) : GridButton);
        EditMode = false;
        return;
    }
    if (kind == TEditorType::edDateTimeEdit) {
        TGridDateTimePicker* p = FEditDateTime;
        if (!p)
            return;
        closePicker(p, TWeakRef<TGridDateTimePicker>(p));
        return;
    }
    if (IsDatePickerKind(kind)) {
        TGridDatePicker* p = FEditDate;
        if (!p)
            return;
        const TWeakRef<TGridDatePicker> picker(p);
        // The program's long time format is the time picker's while the
        // text is written, and comes back on every path.
        struct Swap {
            String was = FormatSettings().LongTimeFormat;
            ~Swap() { FormatSettings().LongTimeFormat = was; }
        } swap;
        if (kind == TEditorType::edTimeEdit && !p->Format().isEmpty())
            FormatSettings().LongTimeFormat = p->Format();
        closePicker(p, picker);
    }
}

// The press on the spin buttons drawn in a cell (the mouse work records
// it): up 1, down -1, none 0.
int TVynStringGrid::CellSpinClickStep() const { return FSpinUpClick ? 1 : FSpinDnClick ? -1 : 0; }
