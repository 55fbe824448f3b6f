// TVynStringGrid: nodes (collapsible blocks of rows headed by a ctNode
// graphic in column 0) and expandable cells. Contracting hides the covered
// rows as hidden rows tagged as the node's, in one pass over the store;
// expanding gives back only those rows, so a filter level or HideRows over
// a contracted node restores only its own rows. ExpandAll and ContractAll
// move every node's rows in one pass, however many nodes there are.
#include <algorithm>

#include "grid/core/vyn_string_grid.h"
#include "grid/data/grid_data_holders.h"
#include "grid/data/grid_rows_scope.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/input_state.h"

// ---- TCellNode ----------------------------------------------------------------------------------

TCellNode::TCellNode(TVynStringGrid* AGrid) : FGrid(AGrid), FExpandGlyph(new TBitmap()), FContractGlyph(new TBitmap())
{
}

TCellNode::~TCellNode()
{
    delete FExpandGlyph;
    delete FContractGlyph;
}

void TCellNode::Changed()
{
    if (FGrid)
        FGrid->Invalidate();
}

#define VYN_NODE_SETTER(T, N)             \
    void TCellNode::Set##N(T Value)       \
    {                                     \
        if (F##N == Value)                \
            return;                       \
        F##N = Value;                     \
        Changed();                        \
    }
VYN_NODE_SETTER(TNodeType, NodeType)
VYN_NODE_SETTER(int, NodeIndent)
VYN_NODE_SETTER(bool, ShowTree)
VYN_NODE_SETTER(bool, ShowTreeFull)
VYN_NODE_SETTER(TColor, TreeColor)
#undef VYN_NODE_SETTER

void TCellNode::SetExpandGlyph(const TBitmap& Value) { FExpandGlyph->Assign(Value); }
void TCellNode::SetContractGlyph(const TBitmap& Value) { FContractGlyph->Assign(Value); }

void TCellNode::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TCellNode*>(&Source);
    if (!s)
        return;
    FColor = s->FColor;
    FExpandOne = s->FExpandOne;
    FNodeType = s->FNodeType;
    FNodeColor = s->FNodeColor;
    FNodeIndent = s->FNodeIndent;
    FShowTree = s->FShowTree;
    FShowTreeFull = s->FShowTreeFull;
    FTreeColor = s->FTreeColor;
    FExpandGlyph->Assign(*s->FExpandGlyph);
    FContractGlyph->Assign(*s->FContractGlyph);
    Changed();
}

// ---- finding nodes ------------------------------------------------------------------------------

TCellGraphic* TVynStringGrid::NodeAt(int ARow) const
{
    if (ARow < 0 || ARow >= RowCount())
        return nullptr;
    TCellGraphic* g = OwnCellGraphic(0, ARow);
    return g && g->CellType() == TCellType::ctNode ? g : nullptr;
}

TCellGraphic* TVynStringGrid::NodeAtReal(int ARealRow) const
{
    if (const TGridItem* item = FindGridItem(ARealRow)) {
        const TGridItemCells cells = item->Items();
        const auto* p = cells.Count() > 0 ? dynamic_cast<const TCellProperties*>(cells.Objects(0)) : nullptr;
        auto* g = p ? dynamic_cast<TCellGraphic*>(p->GraphicObject()) : nullptr;
        return g && g->CellType() == TCellType::ctNode ? g : nullptr;
    }
    return NodeAt(RealToDisplRow(ARealRow));
}

TCellProperties* TVynStringGrid::RowProps0(int ARealRow, bool Create)
{
    if (TGridItem* item = FindGridItem(ARealRow)) {
        TGridItemCells cells = item->Items();
        auto* p = cells.Count() > 0 ? dynamic_cast<TCellProperties*>(cells.Objects(0)) : nullptr;
        if (!p && Create) {
            if (cells.Count() == 0)
                cells.Add(String());
            p = new TCellProperties(this, 0, ARealRow);
            cells.SetObjects(0, p);
        }
        return p;
    }
    const int d = RealToDisplRow(ARealRow);
    if (d < 0 || d >= RowCount())
        return nullptr;
    return Create ? GetCellProperties(0, d) : PropsAt(0, d);
}

void TVynStringGrid::ForSpanRows(int ARow, int Span, const std::function<void(int)>& Fn)
{
    const int total = TotalRowCount();
    int x = DisplToRealRow(ARow);
    for (int n = 0; n < Span && x < total; ++x) {
        const TGridItem* item = FindGridItem(x);
        if (item && item->HiddenBy() != THiddenBy::hbNode)
            continue;
        Fn(x);
        ++n;
    }
}

int TVynStringGrid::NodeRowLimit() const
{
    const int footers = std::max(FFixedFooters, FFloatingFooter->Visible() ? 1 : 0);
    return std::max(RowCount() - 1 - footers, 0);
}

int TVynStringGrid::NextNodeRow(int ARow) const
{
    const int limit = NodeRowLimit();
    for (int d = ARow + 1; d <= limit; ++d)
        if (NodeAt(d))
            return d;
    return limit + 1;
}

int TVynStringGrid::NodeHiddenCount(int ARow) const
{
    const int from = DisplToRealRow(ARow);
    const int to = ARow + 1 < RowCount() ? DisplToRealRow(ARow + 1) : TotalRowCount();
    int n = 0;
    for (int x = from + 1; x < to; ++x)
        if (const TGridItem* item = FindGridItem(x); item && item->HiddenBy() == THiddenBy::hbNode)
            ++n;
    return n;
}

// ---- the node's fields --------------------------------------------------------------------------

bool TVynStringGrid::GetNodeState(int ARow)
{
    const TCellGraphic* g = NodeAt(ARow);
    return g && g->CellBoolean();
}

void TVynStringGrid::SetNodeState(int ARow, bool Value)
{
    const TCellGraphic* g = NodeAt(ARow);
    if (!g || g->CellBoolean() == Value)
        return;
    if (Value)
        ContractNode(DisplToRealRow(ARow));
    else
        ExpandNode(DisplToRealRow(ARow));
}

int TVynStringGrid::GetNodeLevel(int ARow)
{
    if (!NodeAt(ARow))
        return -1;
    const TCellProperties* p = PropsAt(0, ARow);
    return p ? p->NodeLevel() : 0;
}

int TVynStringGrid::GetNodeSpan(int ARow)
{
    const TCellGraphic* g = NodeAt(ARow);
    return g ? g->CellIndex() : -1;
}

void TVynStringGrid::SetNodeSpan(int ARow, int Span)
{
    if (TCellGraphic* g = NodeAt(ARow))
        g->SetCellIndex(Span);
}

void TVynStringGrid::UpdateNodeSpan(int ARow, int Delta)
{
    if (TCellGraphic* g = NodeAt(ARow))
        g->SetCellIndex(g->CellIndex() + Delta);
}

int TVynStringGrid::GetSubNodeCount(int ARow)
{
    const TCellGraphic* g = NodeAt(ARow);
    return g ? g->CellErrFrom() : 0;
}

void TVynStringGrid::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TCellGraphic* g = NodeAt(ARow))
        g->SetCellErrFrom(g->CellErrFrom() + Delta);
}

int TVynStringGrid::GetNodeSpanType(int ARow)
{
    if (NodeAt(ARow))
        return 0;
    if (ARow >= NodeRowLimit())
        return 1;
    const TCellProperties* here = PropsAt(0, ARow);
    const TCellProperties* next = PropsAt(0, ARow + 1);
    return !next || next->NodeLevel() < (here ? here->NodeLevel() : 0) ? 1 : 2;
}

bool TVynStringGrid::GetTreeLook(TColor& TreeColor, bool& ShowTreeFull)
{
    TreeColor = FCellNode->TreeColor();
    ShowTreeFull = FCellNode->ShowTreeFull();
    return FCellNode->ShowTree();
}

// ---- making and removing nodes ------------------------------------------------------------------

void TVynStringGrid::AddNode(int ARow, int Span)
{
    if (NodeAtReal(ARow))
        RemoveNode(ARow);
    const int r = RealToDisplRow(ARow);
    if (r < 0 || r >= RowCount())
        return;
    TCellGraphic* g = CreateCellGraphic(0, r);
    g->SetCellType(TCellType::ctNode);
    g->SetCellAngle(r);
    g->SetCellBoolean(false);
    g->SetCellIndex(Span);
    g->SetCellHAlign(TCellHAlign::haBeforeText);
    g->SetCellVAlign(TCellVAlign::vaCenter);
    g->SetCellErrFrom(0);
    g->SetCellVar(-1);
    ForSpanRows(r, Span, [this](int x) {
        TCellProperties* p = RowProps0(x, true);
        p->SetNodeLevel(p->NodeLevel() + 1);
    });
    if (FNodeCount == 0)
        RepaintCol(0);
    ++FNodeCount;
    if (Col() == 0 && ColCount() > 1)
        SetCol(1);
}

void TVynStringGrid::RemoveNode(int ARow)
{
    if (!NodeAtReal(ARow))
        return;
    OpenNode(ARow);
    const int r = RealToDisplRow(ARow);
    const TCellGraphic* g = NodeAt(r);
    if (!g)
        return;
    ForSpanRows(r, g->CellIndex(), [this](int x) {
        if (TCellProperties* p = RowProps0(x, false))
            p->SetNodeLevel(std::max(p->NodeLevel() - 1, 0));
    });
    RemoveCellGraphic(0, r);
    FNodeCount = std::max(FNodeCount - 1, 0);
}

void TVynStringGrid::RemoveAllNodes()
{
    if (FNodeCount == 0)
        return;
    ExpandEveryNode();
    for (int r = 0; r < RowCount(); ++r) {
        const TCellGraphic* g = NodeAt(r);
        if (!g)
            continue;
        ForSpanRows(r, g->CellIndex(), [this](int x) {
            if (TCellProperties* p = RowProps0(x, false))
                p->SetNodeLevel(std::max(p->NodeLevel() - 1, 0));
        });
        RemoveCellGraphic(0, r);
        FNodeCount = std::max(FNodeCount - 1, 0);
    }
    Invalidate();
}

void TVynStringGrid::SetSummaryRow(int ARow)
{
    const int r = RealToDisplRow(ARow);
    if (r < 0 || r >= RowCount())
        return;
    if (NodeAt(r))
        RemoveNode(ARow);
    CreateCellGraphic(0, r)->SetCellType(TCellType::ctSummary);
}

// ---- expanding and contracting ------------------------------------------------------------------

void TVynStringGrid::OpenNode(int ARow)
{
    const int r = RealToDisplRow(ARow);
    TCellGraphic* g = NodeAt(r);
    if (!g || !g->CellBoolean())
        return;
    g->SetCellBoolean(false);
    // The rows this node hid lie between its real row and the real row of
    // the next row shown.
    const int from = DisplToRealRow(r);
    const int to = r + 1 < RowCount() ? DisplToRealRow(r + 1) : TotalRowCount();
    RestoreRowsWhere([from, to](const TGridItem& I) {
        return I.HiddenBy() == THiddenBy::hbNode && I.Idx() > from && I.Idx() < to;
    });
}

void TVynStringGrid::ExpandNode(int ARow)
{
    if (FCellNode->ExpandOne() && NodeAtReal(ARow)) {
        // Every other expanded node is contracted first (real rows do not
        // move when rows are hidden).
        TRowsScope lock(*this);
        for (int d = FixedRows(); d <= NodeRowLimit(); ++d) {
            const TCellGraphic* g = NodeAt(d);
            const int x = DisplToRealRow(d);
            if (g && !g->CellBoolean() && x != ARow)
                ContractNode(x);
        }
    }
    OpenNode(ARow);
}

void TVynStringGrid::ContractNode(int ARow)
{
    HideInplaceEdit();
    const int r = RealToDisplRow(ARow);
    TCellGraphic* g = NodeAt(r);
    if (!g || g->CellBoolean())
        return;
    g->SetCellBoolean(true);
    const int limit = NodeRowLimit();
    int end = r + 1;
    if (g->CellIndex() > 0) {
        // The span counts the rows of contracted nodes inside, which are
        // hidden already: those nodes come back expanded with this one.
        int remaining = g->CellIndex() - 1;
        for (; remaining > 0 && end <= limit; ++end) {
            if (TCellGraphic* inner = NodeAt(end); inner && inner->CellBoolean()) {
                inner->SetCellBoolean(false);
                remaining -= 1 + NodeHiddenCount(end);
            } else {
                --remaining;
            }
        }
    } else {
        end = NextNodeRow(r);
    }
    end = std::min(end, limit + 1);
    std::vector<int> rows;
    for (int d = r + 1; d < end; ++d)
        rows.push_back(d);
    if (!rows.empty())
        HideMarkedRows(rows, THiddenBy::hbNode, 0);
}

void TVynStringGrid::ExpandEveryNode()
{
    if (FNodeCount == 0 || BeingDestroyed(*this))
        return;
    RestoreRowsWhere([](const TGridItem& I) { return I.HiddenBy() == THiddenBy::hbNode; });
    for (int d = 0; d < RowCount(); ++d)
        if (TCellGraphic* g = NodeAt(d))
            g->SetCellBoolean(false);
    // Nodes among rows hidden otherwise (a filter) are expanded too.
    for (const auto& item : FGridItems)
        if (TCellGraphic* g = NodeAtReal(item->Idx()))
            g->SetCellBoolean(false);
}

void TVynStringGrid::ExpandAll()
{
    if (FNodeCount == 0 || BeingDestroyed(*this))
        return;
    if (!FCellNode->ExpandOne()) {
        ExpandEveryNode();
        return;
    }
    // With ExpandOne each node expanded contracts the others, so the last
    // node reached stays expanded: every outermost node is contracted in
    // one compaction and the last one is opened again (with its inner
    // nodes expanded), instead of one pass over the rows per node.
    TRowsScope lock(*this);
    ContractAll();
    for (int d = NodeRowLimit(); d >= FixedRows(); --d)
        if (NodeAt(d)) {
            OpenNode(DisplToRealRow(d));
            break;
        }
}

void TVynStringGrid::ContractAll()
{
    if (FNodeCount == 0)
        return;
    TRowsScope lock(*this);
    ExpandEveryNode();
    const int limit = NodeRowLimit();
    std::vector<int> rows;
    for (int d = FixedRows(); d <= limit;) {
        TCellGraphic* g = NodeAt(d);
        if (!g) {
            ++d;
            continue;
        }
        g->SetCellBoolean(true);
        const int end = std::min(g->CellIndex() > 0 ? d + g->CellIndex() : NextNodeRow(d), limit + 1);
        for (int c = d + 1; c < end; ++c)
            rows.push_back(c);
        d = std::max(end, d + 1);
    }
    if (!rows.empty())
        HideMarkedRows(rows, THiddenBy::hbNode, 0);
}

// ---- the parent and child rows ------------------------------------------------------------------

int TVynStringGrid::GetParentRow(int ARow)
{
    if (!HasNodes() || ARow < 0 || ARow >= RowCount())
        return -1;
    int limit = 0xFFFF, answer = -1;
    if (NodeAt(ARow)) {
        limit = GetNodeLevel(ARow);
        answer = ARow;
    }
    // Contracted nodes met on the way up show their rows less.
    int hidden = 0;
    for (int r = ARow - 1; r >= FixedRows(); --r) {
        const TCellGraphic* g = NodeAt(r);
        if (!g)
            continue;
        if (g->CellBoolean())
            hidden += NodeHiddenCount(r);
        if (GetNodeLevel(r) >= limit)
            continue;
        const int end = g->CellIndex() > 0 ? r + g->CellIndex() - hidden : NextNodeRow(r);
        if (end > ARow)
            return r;
    }
    return answer;
}

void TVynStringGrid::InsertChildRow(int ARow, int InsertAt)
{
    const int d = RealToDisplRow(ARow);
    if (d < 0 || d >= RowCount())
        return;
    TRowsScope lock(*this);
    int p = GetParentRow(d);
    int level = 0;
    if (p >= 0) {
        UpdateNodeSpan(p, 1);
        UpdateSubNodeCount(p, 1);
        OpenNode(DisplToRealRow(p));
        level = GetNodeLevel(p);
        const int parent = p;
        for (int l = level; l > 1;) {
            const int a = GetParentRow(p);
            if (a < 0 || a == p || GetNodeLevel(a) >= l)
                break;
            UpdateNodeSpan(a, 1);
            UpdateSubNodeCount(parent, 1);
            OpenNode(DisplToRealRow(a));
            p = a;
            l = GetNodeLevel(a);
        }
        p = parent;
    }
    const bool moveTexts = NodeAt(d) && InsertAt == 0;
    const int at = moveTexts ? d + 1 : d + InsertAt;
    InsertRows(at, 1, true);
    const int row = std::min(at, LastDataRow());
    if (moveTexts) {
        // The node row's texts, and the objects of every column but the
        // node's own, go to the new first child.
        const int stored = StoredColCount();
        for (int c = 0; c < stored; ++c) {
            SetGridCells(c, row, GridCells(c, d));
            SetGridCells(c, d, String());
            if (c > 0) {
                TCellProperties* from = PropsAt(c, d);
                if (from && from->CellObject()) {
                    SetObjectEx(c, row, from->CellObject());
                    from->SetCellObject(nullptr);
                }
            }
        }
    }
    if (p >= 0)
        GetCellProperties(0, row)->SetNodeLevel(level);
}

void TVynStringGrid::RemoveChildRow(int ARow)
{
    const int d = RealToDisplRow(ARow);
    if (d < 0 || d >= RowCount())
        return;
    TRowsScope lock(*this);
    int p = GetParentRow(d);
    if (p >= 0 && p != d) {
        const int level = GetNodeLevel(p);
        if (GetNodeSpan(p) > 1) {
            UpdateNodeSpan(p, -1);
            UpdateSubNodeCount(p, -1);
        }
        for (;;) {
            OpenNode(DisplToRealRow(p));
            if (GetNodeLevel(p) <= 1)
                break;
            const int a = GetParentRow(p);
            if (a < 0 || a == p || GetNodeLevel(a) >= level)
                break;
            p = a;
            if (GetNodeSpan(p) > 1) {
                UpdateNodeSpan(p, -1);
                UpdateSubNodeCount(p, -1);
            }
        }
    }
    // Expanding may have moved the row: it is found again by its real row.
    DeleteRowRange(RealToDisplRow(ARow), 1);
}

void TVynStringGrid::InsertNormalRow(int ARow) { InsertRows(RealToDisplRow(ARow), 1, true); }

void TVynStringGrid::RemoveNormalRow(int ARow) { RemoveRows(ARow, 1); }

// ---- the glyph hit test -------------------------------------------------------------------------

bool TVynStringGrid::IsNodeGlyphHit(int ARow, int X)
{
    if (!FMouseActions->PreciseNodeClick())
        return true;
    const TCellProperties* p = PropsAt(0, ARow);
    const int L = p ? p->NodeLevel() : 0;
    const int I = FCellNode->NodeIndent();
    int w = 4, m = 4;
    switch (FCellNode->NodeType()) {
    case TNodeType::cnFlat: w = 4; m = 4; break;
    case TNodeType::cn3D: w = 6; m = 0; break;
    case TNodeType::cnGlyph: {
        const bool empty = FCellNode->ExpandGlyph()->Empty();
        w = empty ? 0 : FCellNode->ExpandGlyph()->Width() / 2;
        m = empty ? 0 : 2;
        break;
    }
    case TNodeType::cnLeaf: w = 8; m = 2; break;
    case TNodeType::cnXP: w = 4; m = 4; break;
    }
    return m + (L - 1) * I < X && X < w + L * I;
}

// ---- expandable cells ---------------------------------------------------------------------------

void TVynStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic* g = NewCellGraphic(ACol, ARow);
    g->SetCellType(TCellType::ctExpand);
    g->SetCellAngle(ExpandedHeight);
    g->SetCellIndex(RowHeights(ARow));
    g->SetCellVar(false);
}

void TVynStringGrid::RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, TCellType::ctExpand); }

bool TVynStringGrid::HasExpand(int ACol, int ARow) { return HasCellTypeIn(ACol, ARow, {TCellType::ctExpand}); }

bool TVynStringGrid::ToggleExpand(int ACol, int ARow)
{
    TCellGraphic* g = GraphicIn(ACol, ARow, {TCellType::ctExpand});
    if (!g)
        return false;
    const bool state = !g->CellVar().toBool();
    g->SetCellVar(state);
    return state;
}

bool TVynStringGrid::GetExpandState(int ACol, int ARow)
{
    const TCellGraphic* g = GraphicIn(ACol, ARow, {TCellType::ctExpand});
    return g && g->CellVar().toBool();
}

int TVynStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded)
{
    const TCellGraphic* g = GraphicIn(ACol, ARow, {TCellType::ctExpand});
    if (!g)
        return DefaultRowHeight();
    return Expanded ? g->CellAngle() : g->CellIndex();
}
