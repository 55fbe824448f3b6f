// TVynStringGrid: clicks on links and form controls inside cell texts, on
// radio buttons and on radio groups.
//
// A link the grid opens itself is only an "http", "https" or "mailto"
// address, or a jump inside the grid ("CELL://R<row>C<column>", as a prefix
// only): a cell text from a project file must not open or run anything else
// with one click. OnAnchorClick still hears of every link first.
#include <QRegularExpression>

#include <algorithm>

#include "grid/core/cell_graphic.h"
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/edit/grid_special_editors.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/html/html_draw.h"
#include "grid/render/html/html_text.h"
#include "platform/gui/canvas.h"
#include "platform/gui/input_state.h"
#include "platform/os/shell.h"

namespace {

// Every control tag's (type, id) in the text, in order.
std::vector<std::pair<String, String>> ControlTags(const String& Text)
{
    std::vector<std::pair<String, String>> tags;
    const String upper = Text.toUpper();
    for (int at = upper.indexOf("<CONTROL"); at >= 0; at = upper.indexOf("<CONTROL", at + 1)) {
        const int end = upper.indexOf('>', at);
        if (end < 0)
            break;
        const THTMLControlTag t = HTMLParseControlTag(Text.mid(at + 1, end - at - 1));
        tags.emplace_back(t.Type, t.ID);
    }
    return tags;
}

}  // namespace

bool TVynStringGrid::AnchorClick(int ACol, int ARow, int X, int Y)
{
    TWeakRef<TVynStringGrid> self(this);
    const int n = RealColIndex(ACol);
    String text = GetCellEx(n, ARow);
    const int kind = GetTextType(text, FEnableHTML);
    if (!FURLShow && kind != 1)
        return false;
    // 1. The link under the press.
    String anchor, ctrlId, ctrlType, ctrlVal;
    TRect ctrlRect;
    if (kind != 1) {
        if (IsURLText(text))
            anchor = text;
    } else {
        TRect tr = CellRect(ACol, ARow);
        tr.Left += FXYOffset.X + 1;
        tr.Top += FXYOffset.Y + 1;
        tr.Right -= FXYOffset.X;
        if (HasCheckBox(n, ARow))
            tr.Left += FControlLook->CheckSize();
        THTMLDrawOptions o;
        o.HitTestOnly = true;
        o.HitX = X;
        o.HitY = Y;
        o.LinkColor = FURLColor;
        o.HotLinkBackColor = clNone;
        o.HotLinkTextColor = clNone;
        o.ImageList = FGridImages;
        o.PictureCache = FImageCache;
        TCanvas& canvas = Canvas();
        canvas.Font().Assign(Font());
        const THTMLDrawResult res = DrawHTMLText(canvas, text, tr, o);
        if (res.Hit) {
            anchor = res.HitHref;
            ctrlId = res.HitControlId;
            ctrlType = res.HitControlType.toUpper();
            ctrlVal = res.HitControlValue;
            ctrlRect = res.HitControlRect;
        }
    }
    // 2.
    if (!anchor.isEmpty()) {
        bool autoHandle = true;
        bool canEdit = Options().Contains(goEditing) || FEditDisable;
        if (!ctrlId.isEmpty())
            DoCanEditCell(n, ARow, canEdit);
        if (!self)
            return true;
        if (!ctrlId.isEmpty() && canEdit) {
            // An open control editor writes its value first.
            if (CtrlEditing()) {
                CellControlEditDone();
                if (!self)
                    return true;
                text = GetCellEx(n, ARow);
            }
            if (ctrlType == "BUTTON") {
                FCtrlXY = TPoint(n, ARow);
                FCtrlDown = true;
                RepaintCell(ACol, ARow);
            } else if (ctrlType == "CHECK") {
                String v;
                HTMLGetControlValue(text, ctrlId, v);
                HTMLSetControlValue(text, ctrlId, v.toUpper() == "TRUE" ? "FALSE" : "TRUE");
                SetCellEx(n, ARow, text);
            } else if (ctrlType == "RADIO") {
                for (const auto& [type, id] : ControlTags(text))
                    if (type == "RADIO")
                        HTMLSetControlValue(text, id, "FALSE");
                HTMLSetControlValue(text, ctrlId, "TRUE");
                SetCellEx(n, ARow, text);
            }
            if (!self)
                return true;
            HTMLGetControlValue(text, ctrlId, ctrlVal);
            if (OnControlClick)
                OnControlClick(this, ARow, ACol, ctrlId, ctrlType, ctrlVal);
            if (!self)
                return true;
            OpenControlEditor(text, ctrlType, ARow, n, ctrlRect, ctrlVal, ctrlId);
            if (!self)
                return true;
            autoHandle = false;
        } else if (OnAnchorClick) {
            OnAnchorClick(this, ARow, ACol, anchor, autoHandle);
        }
        if (self && autoHandle)
            AnchorAutoHandle(anchor);
        return true;
    }
    // 3.
    if (kind == 1 && text.toUpper().contains("<CONTROL")) {
        if (OnClickCell)
            OnClickCell(this, ARow, ACol);
        if (!self)
            return true;
        HideInplaceEdit();
        if (self && ACol >= FixedCols() && ARow >= FixedRows())
            MoveColRow(ACol, ARow, true, true);
        return true;
    }
    return false;
}

void TVynStringGrid::OpenControlEditor(const String& CellText, const String& CtrlType, int ARow, int ARealCol,
                                       const TRect& CtrlRect, const String& CtrlVal, const String& CtrlID)
{
    if (CtrlType != "EDIT" && CtrlType != "PASSWORD" && CtrlType != "MASK" && CtrlType != "COMBO")
        return;
    TWeakRef<TVynStringGrid> self(this);
    EditCellControl(CellText, CtrlType, ARow, ARealCol, CtrlRect, CtrlVal, CtrlID);
    if (!self || CtrlType != "COMBO")
        return;
    if (TControlCombo* cb = ControlComboEditor())
        cb->OnSelect = [this](TObject* Sender) { CellComboSelect(Sender); };
}

void TVynStringGrid::CellComboSelect(TObject* Sender)
{
    auto* Combo = dynamic_cast<TComboBox*>(Sender);
    if (!Combo || !OnControlComboSelect)
        return;
    const int i = Combo->ItemIndex();
    const String value = i >= 0 && i < Combo->Items().Count() ? Combo->Items()[i] : Combo->Text();
    OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, i, FCtrlID, value);
}

void TVynStringGrid::AnchorAutoHandle(const String& Anchor)
{
    const String a = Anchor.trimmed();
    if (a.startsWith("CELL://", Qt::CaseInsensitive)) {
        static const QRegularExpression ref("^R(\\d{1,9})C(\\d{1,9})$", QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = ref.match(a.mid(7));
        if (!m.hasMatch())
            return;
        const int r = m.captured(1).toInt(), c = m.captured(2).toInt();
        if (c >= FixedCols() && c < ColCount() && r >= FixedRows() && r < RowCount())
            MoveColRow(c, r, true, true);
        return;
    }
    const String lower = a.toLower();
    if (lower.startsWith("http://") || lower.startsWith("https://") || lower.startsWith("mailto:"))
        Shell_Open(a);
}

// ---- radio buttons and radio groups ---------------------------------------------------------------

bool TVynStringGrid::RadioButtonMouseDown(int ACol, int ARow, int X, int Y)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        return false;
    const int n = RealColIndex(ACol);
    if (!HasRadioButton(n, ARow))
        return false;
    bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
    DoCanEditCell(n, ARow, canEdit);
    if (!canEdit && !FControlLook->RadioAlwaysActive() && !FControlLook->CheckAlwaysActive())
        return false;
    TWeakRef<TVynStringGrid> self(this);
    HideInplaceEdit();
    if (self && CanFocus() && !Focused())
        SetFocus();
    if (!self)
        return true;
    DoRadioButtonClick(n, ARow, false);
    if (!self)
        return true;
    ClickMakesCurrent(ACol, ARow);
    if (!self)
        return true;
    if (OnRadioButtonClick)
        OnRadioButtonClick(this, n, ARow);
    if (self && OnMouseDown)
        OnMouseDown(this, mbLeft, GetKeyboardShiftState(), X, Y);
    if (self)
        Click();
    return true;
}

void TVynStringGrid::RadioGroupClick(int ACol, int ARow, int X, int Y)
{
    TWeakRef<TVynStringGrid> self(this);
    int bc = RealColIndex(ACol), br = ARow;
    GetBaseCellOf(bc, br, bc, br);
    const int dc = DisplColIndex(bc);
    if (dc >= FixedCols() && br >= FixedRows() && (dc != Col() || br != Row())) {
        MoveColRow(dc, br, true, true);
        if (!self)
            return;
    }
    TStringList* items = GetRadioStrings(bc, br);
    const TCellGraphic* g = GetCellGraphic(bc, br);
    if (!items || !g || items->Count() == 0)
        return;
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    const int pitch = FControlLook->ControlStyle() >= VynObj::TControlStyle::csWinXP ? 16 : FControlLook->RadioSize();
    const bool horizontal = g->CellBoolean();
    int idx = -1, at = 0;
    for (int i = 0; i < items->Count(); ++i) {
        const int extent = horizontal ? canvas.TextWidth(items->Strings(i)) + pitch
                                      : std::max(pitch, canvas.TextHeight("gh"));
        if ((horizontal ? X : Y) >= at && (horizontal ? X : Y) < at + extent) {
            idx = i;
            break;
        }
        at += extent;
    }
    if (idx < 0)
        return;
    SetRadioIdx(bc, br, idx);
    RepaintCell(dc, br);
    if (OnRadioClick)
        OnRadioClick(this, bc, br, idx);
}
