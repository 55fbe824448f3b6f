#pragma once
// A string grid that records the calls of its overridable operations, and
// a form that shows one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/grids/grids.h"
#include "platform/grids/inplace_edit.h"
#include "platform/gui/application.h"
#include "platform/testing/test_kit.h"

inline std::string StateText(TGridDrawState S)
{
    std::string r;
    if (S.Contains(gdFixed))
        r += "F";
    if (S.Contains(gdSelected))
        r += "S";
    if (S.Contains(gdFocused))
        r += "C";
    return r.empty() ? "-" : r;
}

inline std::string Num(int V) { return std::to_string(V); }

// The lines of a log that start with Prefix.
inline std::vector<std::string> Filter(const std::vector<std::string>& Log, const std::string& Prefix)
{
    std::vector<std::string> r;
    for (const auto& l : Log)
        if (l.rfind(Prefix, 0) == 0)
            r.push_back(l);
    return r;
}

class TRecordingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;

    std::vector<std::string> Log;
    // What to record: hooks not named here stay silent.
    bool LogDraw = false;
    bool LogEdit = true;
    bool LogScroll = false;
    // SelectCell answers false for this cell.
    int VetoCol = -1, VetoRow = -1;
    String Mask;
    int Limit = 0;
    std::vector<TGridRect> Dropped;
    std::vector<std::string> Drawn;  // "c,r:state"

    using TCustomGrid::CalcSizingState;
    using TCustomGrid::InvalidateCell;
    using TCustomGrid::MaxLeftCol;
    using TCustomGrid::MaxTopRow;

    void Clear()
    {
        Log.clear();
        Drawn.clear();
        Dropped.clear();
    }

protected:
    bool SelectCell(int ACol, int ARow) override
    {
        Log.push_back("SelectCell " + Num(ACol) + "," + Num(ARow));
        if (ACol == VetoCol && ARow == VetoRow)
            return false;
        return TStringGrid::SelectCell(ACol, ARow);
    }
    void TopLeftChanged() override
    {
        Log.push_back("TopLeftChanged " + Num(LeftCol()) + "," + Num(TopRow()));
        TStringGrid::TopLeftChanged();
    }
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override
    {
        if (LogDraw)
            Drawn.push_back(Num(ACol) + "," + Num(ARow) + ":" + StateText(AState));
        TStringGrid::DrawCell(ACol, ARow, ARect, AState);
    }
    void ColWidthsChanged() override { Log.push_back("ColWidthsChanged"); }
    void RowHeightsChanged() override { Log.push_back("RowHeightsChanged"); }
    void ColumnMoved(int FromIndex, int ToIndex) override
    {
        Log.push_back("ColumnMoved " + Num(FromIndex) + "," + Num(ToIndex));
        TStringGrid::ColumnMoved(FromIndex, ToIndex);
    }
    void RowMoved(int FromIndex, int ToIndex) override
    {
        Log.push_back("RowMoved " + Num(FromIndex) + "," + Num(ToIndex));
        TStringGrid::RowMoved(FromIndex, ToIndex);
    }
    void SizeChanged(int OldColCount, int OldRowCount) override
    {
        Log.push_back("SizeChanged " + Num(OldColCount) + "," + Num(OldRowCount));
    }
    void DropCells(const TGridRect& Rect) override
    {
        Dropped.push_back(Rect);
        Log.push_back("DropCells " + Num(Rect.Left) + "," + Num(Rect.Top) + "," + Num(Rect.Right) + "," +
                      Num(Rect.Bottom));
    }
    TInplaceEdit* CreateEditor() override
    {
        Log.push_back("CreateEditor");
        return TStringGrid::CreateEditor();
    }
    bool CanEditShow() override
    {
        const bool r = TStringGrid::CanEditShow();
        if (LogEdit)
            Log.push_back(std::string("CanEditShow ") + (r ? "true" : "false"));
        return r;
    }
    String GetEditText(int ACol, int ARow) override
    {
        const String r = TStringGrid::GetEditText(ACol, ARow);
        if (LogEdit)
            Log.push_back("GetEditText " + Num(ACol) + "," + Num(ARow) + "=" + r.toStdString());
        return r;
    }
    void SetEditText(int ACol, int ARow, const String& Value) override
    {
        if (LogEdit)
            Log.push_back("SetEditText " + Num(ACol) + "," + Num(ARow) + "=" + Value.toStdString());
        TStringGrid::SetEditText(ACol, ARow, Value);
    }
    String GetEditMask(int ACol, int ARow) override
    {
        if (LogEdit)
            Log.push_back("GetEditMask " + Num(ACol) + "," + Num(ARow));
        return Mask;
    }
    int GetEditLimit() override
    {
        if (LogEdit)
            Log.push_back("GetEditLimit");
        return Limit;
    }
    void WMVScroll(TMessage& Message) override
    {
        if (LogScroll)
            Log.push_back("WM_VSCROLL " + Num(Message.WParamLo()) + "," + Num(Message.WParamHi()));
        TStringGrid::WMVScroll(Message);
    }
    void WMHScroll(TMessage& Message) override
    {
        if (LogScroll)
            Log.push_back("WM_HSCROLL " + Num(Message.WParamLo()) + "," + Num(Message.WParamHi()));
        TStringGrid::WMHScroll(Message);
    }
};

// A shown form with a focused grid: 10 columns x 20 rows of the default
// size (64 x 24, lines of 1 pixel: a column every 65 pixels, a row every
// 25), no border, 400 x 250 pixels (client 383 x 233 with both scroll
// bars of 17 pixels). Every cell holds "c,r".
struct GridTest : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    TRecordingGrid* grid = nullptr;

    GridTest()
    {
        form.SetBounds(0, 0, 640, 480);
        grid = new TRecordingGrid(&form);
        grid->SetName("Grid");
        grid->SetBorderStyle(bsNone);
        grid->SetBounds(8, 8, 400, 250);
        grid->SetColCount(10);
        grid->SetRowCount(20);
        for (int r = 0; r < 20; ++r)
            for (int c = 0; c < 10; ++c)
                grid->SetCells(c, r, QString("%1,%2").arg(c).arg(r));
        grid->SetParent(&form);
        form.Show();
        grid->SetFocus();
        grid->Clear();
    }

    // Client point in the middle of a cell on screen.
    TPoint Mid(int ACol, int ARow) const
    {
        const TRect r = grid->CellRect(ACol, ARow);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void ClickCell(int ACol, int ARow, TShiftState Shift = {})
    {
        const TPoint p = Mid(ACol, ARow);
        TestKit::Click(grid, p.X, p.Y, Shift);
    }
    std::string Cur() const { return Num(grid->Col()) + "," + Num(grid->Row()); }
    std::string TopLeft() const { return Num(grid->LeftCol()) + "," + Num(grid->TopRow()); }
    std::string Sel() const
    {
        const TGridRect s = grid->Selection();
        return Num(s.Left) + "," + Num(s.Top) + "-" + Num(s.Right) + "," + Num(s.Bottom);
    }
    std::vector<std::string> LogWith(const std::string& Prefix) const { return Filter(grid->Log, Prefix); }
};
