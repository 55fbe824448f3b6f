#pragma once
// The parts of the grid's interaction: the search panel, the scrolling
// while dragging and the balloon texts.
//
// These hold, for now, the settings the grid's core reads, with their
// final defaults; the interaction completes them (docs/GRID.md).
#include "platform/gui/classes.h"
#include "platform/gui/extctrls.h"

class TVynStringGrid;

// The panel below the cells that shows the search footer.
class TSearchPanel : public TPanel {
public:
    TSearchPanel(TComponent* AOwner, TVynStringGrid* AGrid) : TPanel(AOwner), FGrid(AGrid) {}
    TVynStringGrid* Grid() const { return FGrid; }

    TNotifyEvent OnEditChange;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnForwardClick;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;

private:
    TVynStringGrid* FGrid;
};

// One of the two thin scroll bars of the metro scroll look, parented to
// the grid: a thumb of ScrollWidth pixels on a transparent track. A press
// before or after the thumb pages, a drag on it scrolls by rows (columns).
// Without a grid parent it does nothing.
class TScrollControl : public TCustomControl {
public:
    enum TScrollDirection { sdVertical, sdHorizontal };
    // Colour 0xC0C0C0.
    explicit TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) { TCustomControl::SetColor(0xC0C0C0); }

    // Stores and repaints when it changes.
    void SetColor(TColor Value);
    // Thickness of the thumb in pixels.
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value) { FScrollWidth = Value; }
    TScrollDirection Direction() const { return FDirection; }
    void SetDirection(TScrollDirection Value) { FDirection = Value; }
    // Qt paints every widget through a back buffer: a stored flag.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }

    TVynStringGrid* Grid() const;
    // The track: after the fixed rows (columns), without the footer rows
    // (the right fixed columns).
    int TrackOffset() const;
    int TrackLength() const;
    // The thumb along the bar: at least 20 px, never past the end. False
    // (no thumb) when nothing is to scroll or the track has no length.
    bool GetThumb(int& Start, int& Length) const;
    bool DownOnScroller() const { return FDownOnScroller; }

protected:
    void Paint() override;
    void WMEraseBkgnd(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    int FScrollWidth = 4;
    TScrollDirection FDirection = sdVertical;
    bool FDoubleBuffered = false;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
};

class TDragScrollOptions : public TPersistent {
public:
    bool Active() const { return FActive; }
    void SetActive(bool Value) { FActive = Value; }
    void Assign(const TPersistent& Source) override;

private:
    bool FActive = false;
};

class TBalloonSettings : public TPersistent {
public:
    bool Enable() const { return FEnable; }
    // Stores the value and fires OnEnableChange.
    void SetEnable(bool Value);
    // Copies Enable without firing.
    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnEnableChange;

private:
    bool FEnable = false;
};
