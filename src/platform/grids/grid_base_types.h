#pragma once
// Declared types of the base string grid: options, draw state, the mouse
// state machine, cell coordinates and rectangles, and the layout numbers a
// grid reports. The grid library's own types build on these.
#include "platform/rtl/set.h"

enum class TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking,
    goFixedColClick,
    goFixedRowClick,
    goFixedHotTrack
};
using TGridOptions = Set<TGridOption>;
using TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine, TGridOption::goVertLine, TGridOption::goHorzLine,
    TGridOption::goRangeSelect, TGridOption::goDrawFocusSelected, TGridOption::goRowSizing, TGridOption::goColSizing,
    TGridOption::goRowMoving, TGridOption::goColMoving, TGridOption::goEditing, TGridOption::goTabs,
    TGridOption::goRowSelect, TGridOption::goAlwaysShowEditor, TGridOption::goThumbTracking,
    TGridOption::goFixedColClick, TGridOption::goFixedRowClick, TGridOption::goFixedHotTrack;

// How a cell is being painted.
enum class TGridDrawStateItem { gdSelected, gdFocused, gdFixed, gdRowSelected, gdHotTrack, gdPressed };
using TGridDrawState = Set<TGridDrawStateItem>;
using TGridDrawStateItem::gdSelected, TGridDrawStateItem::gdFocused, TGridDrawStateItem::gdFixed,
    TGridDrawStateItem::gdRowSelected, TGridDrawStateItem::gdHotTrack, TGridDrawStateItem::gdPressed;

// What a mouse press on the grid started.
enum class TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };
using TGridState::gsNormal, TGridState::gsSelecting, TGridState::gsRowSizing, TGridState::gsColSizing,
    TGridState::gsRowMoving, TGridState::gsColMoving;

// A cell address: column X, row Y.
struct TGridCoord {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TGridCoord&) const = default;
};

// A rectangle of cells; Right and Bottom are included (the corner cells
// belong to it), unlike a pixel rectangle.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr TGridCoord TopLeft() const { return {Left, Top}; }
    constexpr TGridCoord BottomRight() const { return {Right, Bottom}; }
    constexpr bool Contains(int ACol, int ARow) const
    {
        return Left <= ACol && ACol <= Right && Top <= ARow && ARow <= Bottom;
    }
    constexpr bool operator==(const TGridRect&) const = default;
};

// The rectangle spanned by two corner cells, in either order.
constexpr TGridRect GridRect(TGridCoord A, TGridCoord B)
{
    return {A.X < B.X ? A.X : B.X, A.Y < B.Y ? A.Y : B.Y, A.X < B.X ? B.X : A.X, A.Y < B.Y ? B.Y : A.Y};
}

// How one axis of the grid lies on the screen (client pixels): the numbers
// CalcDrawInfo reports and CalcSizingState receives.
struct TGridAxisDrawInfo {
    int FixedLineWidth = 0;       // gap after a fixed column (row): the line width or 0
    int EffectiveLineWidth = 0;   // gap after a scrollable column (row)
    int FixedBoundary = 0;        // first pixel after the fixed cells
    int GridBoundary = 0;         // first pixel after the last visible cell, at most GridExtent
    int GridExtent = 0;           // the client width (height)
    int LastFullVisibleCell = 0;  // last scrollable cell shown whole (FirstGridCell - 1 when none)
    int FullVisBoundary = 0;      // first pixel after it
    int FixedCellCount = 0;
    int FirstGridCell = 0;        // LeftCol (TopRow)
    int GridCellCount = 0;        // ColCount (RowCount)
};

struct TGridDrawInfo {
    TGridAxisDrawInfo Horz;
    TGridAxisDrawInfo Vert;
};
