// TVynStringGrid: the per-cell look (colours, fonts, alignment, word wrap,
// read-only flag, a control over the cell), the row colours, the default
// look of a new property object, and highlighting a text in the cells.
#include "grid/core/grid_text.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/render/grid_render_holders.h"
#include "grid/render/html/html_text.h"

// ---- per-cell properties ----------------------------------------------------------------------

void TVynStringGrid::RepaintLookCell(int ACol, int ARow, bool SkipWhileUpdating)
{
    if (SkipWhileUpdating && FUpdateCount > 0)
        return;
    RepaintCell(DisplColIndex(ACol), ARow);
}

TColor TVynStringGrid::Colors(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->BrushColor() : clNone;
}

void TVynStringGrid::SetColors(int ACol, int ARow, TColor Value)
{
    GetCellProperties(ACol, ARow)->SetBrushColor(Value);
    RepaintLookCell(ACol, ARow, true);
}

TColor TVynStringGrid::ColorsTo(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->BrushColorTo() : clNone;
}

void TVynStringGrid::SetColorsTo(int ACol, int ARow, TColor Value)
{
    GetCellProperties(ACol, ARow)->SetBrushColorTo(Value);
    RepaintLookCell(ACol, ARow, false);
}

TCellGradientDirection TVynStringGrid::Gradients(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->GradientDirection() : TCellGradientDirection::GradientVertical;
}

void TVynStringGrid::SetGradients(int ACol, int ARow, TCellGradientDirection Value)
{
    GetCellProperties(ACol, ARow)->SetGradientDirection(Value);
    RepaintLookCell(ACol, ARow, false);
}

TColor TVynStringGrid::FontColors(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->FontColor() : clNone;
}

void TVynStringGrid::SetFontColors(int ACol, int ARow, TColor Value)
{
    GetCellProperties(ACol, ARow)->SetFontColor(Value);
    RepaintLookCell(ACol, ARow, false);
}

TFontStyles TVynStringGrid::FontStyles(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->FontStyle() : TFontStyles();
}

void TVynStringGrid::SetFontStyles(int ACol, int ARow, TFontStyles Value)
{
    GetCellProperties(ACol, ARow)->SetFontStyle(Value);
    RepaintLookCell(ACol, ARow, false);
}

String TVynStringGrid::FontNames(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->FontName() : String();
}

void TVynStringGrid::SetFontNames(int ACol, int ARow, const String& Value)
{
    GetCellProperties(ACol, ARow)->SetFontName(Value);
    RepaintLookCell(ACol, ARow, false);
}

int TVynStringGrid::FontSizes(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->FontSize() : 0;
}

void TVynStringGrid::SetFontSizes(int ACol, int ARow, int Value)
{
    GetCellProperties(ACol, ARow)->SetFontSize(Value);
    RepaintLookCell(ACol, ARow, false);
}

void TVynStringGrid::SetFonts(int ACol, int ARow, const TFont& Value)
{
    TCellProperties* p = GetCellProperties(ACol, ARow);
    p->SetFontName(Value.Name());
    p->SetFontSize(Value.Size());
    p->SetFontStyle(Value.Style());
    p->SetFontColor(Value.Color());
    RepaintLookCell(ACol, ARow, true);
}

TAlignment TVynStringGrid::Alignments(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->Alignment() : taLeftJustify;
}

void TVynStringGrid::SetAlignments(int ACol, int ARow, TAlignment Value)
{
    GetCellProperties(ACol, ARow)->SetAlignment(Value);
    RepaintLookCell(ACol, ARow, false);
}

bool TVynStringGrid::ReadOnly(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p && p->ReadOnly();
}

void TVynStringGrid::SetReadOnly(int ACol, int ARow, bool Value)
{
    GetCellProperties(ACol, ARow)->SetReadOnly(Value);
    RepaintLookCell(ACol, ARow, false);
}

bool TVynStringGrid::WordWraps(int ACol, int ARow)
{
    // The one read that creates the property object: the answer is the
    // default look's word wrap. A cell outside the grid answers the grid's.
    if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount())
        return FWordWrapEx;
    return GetCellProperties(ACol, ARow)->WordWrap();
}

void TVynStringGrid::SetWordWraps(int ACol, int ARow, bool Value)
{
    GetCellProperties(ACol, ARow)->SetWordWrap(Value);
    RepaintLookCell(ACol, ARow, false);
}

TControl* TVynStringGrid::CellControls(int ACol, int ARow) const
{
    const TCellProperties* p = PropsAt(ACol, ARow);
    return p ? p->Control() : nullptr;
}

void TVynStringGrid::SetCellControls(int ACol, int ARow, TControl* AControl)
{
    const int r = RealRowIndex(ARow);
    if (!AControl) {
        TCellProperties* p = PropsAt(ACol, ARow);
        if (!p)
            return;
        if (p->Control()) {
            const int i = FControlList->ControlIndex(ACol, r);
            if (i >= 0)
                FControlList->RemoveControl(i);
            if (FNumCellControls > 0)
                --FNumCellControls;
        }
        p->SetControl(nullptr);
        return;
    }
    TCellProperties* p = GetCellProperties(ACol, ARow);
    const int i = FControlList->ControlIndex(ACol, r);
    if (i >= 0)
        FControlList->RemoveControl(i);
    if (!p->Control())
        ++FNumCellControls;
    FControlList->AddControl(ACol, r, AControl);
    p->SetControl(AControl);
    AControl->SetParent(this);
    const TRect q = CellRect(DisplColIndex(ACol), ARow);
    AControl->SetBounds(q.Left - 1, q.Top - 1, q.Right - q.Left + 1, q.Bottom - q.Top + 1);
}

// ---- row colours ------------------------------------------------------------------------------
//
// Over the real columns from FixedCols on, hidden ones included. Writing
// none resets only the colour the write is about: the cells keep their
// property objects (merges, read-only flags, editors, user objects, cell
// controls and graphics stay).

void TVynStringGrid::SetRowColor(int ARow, TColor AColor)
{
    for (int c = TBaseGrid::FixedCols(); c < AllColCount(); ++c) {
        if (AColor != clNone)
            GetCellProperties(c, ARow)->SetBrushColor(AColor);
        else if (TCellProperties* p = PropsAt(c, ARow))
            p->SetBrushColor(clNone);
    }
    RepaintRow(ARow);
}

void TVynStringGrid::SetRowColorTo(int ARow, TColor AColor)
{
    for (int c = TBaseGrid::FixedCols(); c < AllColCount(); ++c) {
        if (AColor != clNone)
            GetCellProperties(c, ARow)->SetBrushColorTo(AColor);
        else if (TCellProperties* p = PropsAt(c, ARow))
            p->SetBrushColorTo(clNone);
    }
    RepaintRow(ARow);
}

void TVynStringGrid::SetRowFontColor(int ARow, TColor AColor)
{
    for (int c = TBaseGrid::FixedCols(); c < AllColCount(); ++c) {
        if (AColor != clNone)
            GetCellProperties(c, ARow)->SetFontColor(AColor);
        else if (TCellProperties* p = PropsAt(c, ARow); p && p->BrushColor() == clNone)
            p->SetFontColor(clNone);
    }
    RepaintRow(ARow);
}

// ---- the default look of a new property object ------------------------------------------------

void TVynStringGrid::GetDefaultCellLook(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                        TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                        TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    // 1. The painter's answer, starting from the grid's font and colour.
    TBaseGrid::GetDefaultCellLook(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA, VA, WW, GD);
    TGridDrawState state;
    GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont,
                        HA, VA, WW, GD);
    // 2. These cells keep following the grid's colour rules.
    const bool gradient = FBackGround->Display() == TBackGroundDisplay::bdGradientHorz ||
                          FBackGround->Display() == TBackGroundDisplay::bdGradientVert;
    if (IsFixed(DisplColIndex(ACol), ARow) || FBands->Active() || gradient || state.Contains(gdSelected)) {
        ABrush.SetColor(clNone);
        AColorTo = clNone;
    }
}

// ---- highlighting -----------------------------------------------------------------------------

namespace {

String OpenTag(const String& Tag) { return "<" + Tag + ">"; }
String CloseTag(const String& Tag) { return "</" + Tag + ">"; }

// Every match of Search in a plain text wrapped in the tag, the text
// HTML-encoded around it; the text unchanged without a match.
String HighlightPlain(const String& Text, const String& Search, const String& Tag, bool DoCase)
{
    const Qt::CaseSensitivity cs = DoCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    qsizetype p = Text.indexOf(Search, 0, cs);
    if (Search.isEmpty() || p < 0)
        return Text;
    String out;
    qsizetype from = 0;
    for (; p >= 0; p = Text.indexOf(Search, from, cs)) {
        out += HTMLEncodeText(Text.mid(from, p - from), false);
        out += OpenTag(Tag) + HTMLEncodeText(Text.mid(p, Search.size()), false) + CloseTag(Tag);
        from = p + Search.size();
    }
    out += HTMLEncodeText(Text.mid(from), false);
    return out;
}

// Every match of Search (already HTML-encoded) in the text of an HTML text
// outside its tags wrapped in the tag; a match that would split an entity
// is left alone.
String HighlightMarkup(const String& Html, const String& Search, const String& Tag, bool DoCase)
{
    if (Search.isEmpty())
        return Html;
    // The characters outside tags, each with its position in Html and
    // whether it lies inside an entity after its "&".
    String text;
    std::vector<qsizetype> at;
    std::vector<bool> inEntity;
    for (qsizetype i = 0; i < Html.size();) {
        if (Html[i] == u'<') {
            const qsizetype gt = Html.indexOf(u'>', i);
            if (gt > i) {
                i = gt + 1;
                continue;
            }
        }
        if (Html[i] == u'&') {
            const qsizetype semi = Html.indexOf(u';', i);
            const bool entity = semi > i && semi - i <= 10 && !QStringView(Html).mid(i + 1, semi - i - 1).contains(u' ');
            if (entity) {
                for (qsizetype k = i; k <= semi; ++k) {
                    text += Html[k];
                    at.push_back(k);
                    inEntity.push_back(k > i);
                }
                i = semi + 1;
                continue;
            }
        }
        text += Html[i];
        at.push_back(i);
        inEntity.push_back(false);
        ++i;
    }
    const Qt::CaseSensitivity cs = DoCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // Where the tags go, in Html positions: an opening tag before a match's
    // first character, a closing tag after its last.
    std::vector<std::pair<qsizetype, bool>> marks;
    for (qsizetype p = text.indexOf(Search, 0, cs); p >= 0; p = text.indexOf(Search, p + 1, cs)) {
        const qsizetype end = p + Search.size();
        if (inEntity[size_t(p)] || (end < text.size() && inEntity[size_t(end)]))
            continue;
        marks.emplace_back(at[size_t(p)], true);
        marks.emplace_back(at[size_t(end - 1)] + 1, false);
        p = end - 1;
    }
    if (marks.empty())
        return Html;
    String out;
    qsizetype from = 0;
    for (const auto& [pos, open] : marks) {
        out += Html.mid(from, pos - from);
        out += open ? OpenTag(Tag) : CloseTag(Tag);
        from = pos;
    }
    out += Html.mid(from);
    return out;
}

bool IsHTMLText(const String& Text) { return GetTextType(Text, true) == ttHTML; }

}  // namespace

String TVynStringGrid::HilightCellText(const String& Text, const String& HiText, const String& EncodedHiText,
                                       const String& Tag, bool DoCase)
{
    // A text without markup and without a match stays as it is.
    if (!Text.contains(u'<') && !Text.contains(HiText, DoCase ? Qt::CaseSensitive : Qt::CaseInsensitive))
        return Text;
    // A text shown as HTML keeps its markup; a plain one is encoded around
    // the tags.
    return IsHTMLText(Text) ? HighlightMarkup(Text, EncodedHiText, Tag, DoCase)
                            : HighlightPlain(Text, HiText, Tag, DoCase);
}

void TVynStringGrid::HilightInRect(const String& HiText, const String& Tag, int Left, int Top, int Right, int Bottom,
                                   bool DoCase)
{
    const String search = HTMLEncodeText(HiText, false);
    for (int r = Top; r <= Bottom; ++r)
        for (int c = Left; c <= Right; ++c) {
            if (!IsBaseCell(c, r))
                continue;
            const String t = OnGetDisplText ? GetCellEx(c, r) : GetGridCell(c, r);
            const String h = HilightCellText(t, HiText, search, Tag, DoCase);
            if (h != t)
                SetCellEx(c, r, h);
        }
}

String TVynStringGrid::RemoveTag(const String& Text, const String& Tag)
{
    const String open = OpenTag(Tag), close = CloseTag(Tag);
    if (!Text.contains(open, Qt::CaseInsensitive) && !Text.contains(close, Qt::CaseInsensitive))
        return Text;
    String t = Text;
    t.remove(open, Qt::CaseInsensitive);
    t.remove(close, Qt::CaseInsensitive);
    // A text with no other markup was a plain text, encoded when it was
    // highlighted.
    if (!IsHTMLText(t))
        t = HTMLDecodeText(t, false);
    return t;
}

void TVynStringGrid::UnHilightInRect(const String& Tag, int Left, int Top, int Right, int Bottom)
{
    for (int r = Top; r <= Bottom; ++r)
        for (int c = Left; c <= Right; ++c) {
            if (!IsBaseCell(c, r))
                continue;
            const String t = OnGetDisplText ? GetCellEx(c, r) : GetGridCell(c, r);
            if (const String u = RemoveTag(t, Tag); u != t)
                SetCellEx(c, r, u);
        }
}
