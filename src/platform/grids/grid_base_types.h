#pragma once
// Declared types of the base string grid: options, draw state and the mouse
// state machine. The grid library's own types build on these.
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
