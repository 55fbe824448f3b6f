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
// the grid (its drawing and scrolling come with the interaction).
class TScrollControl : public TCustomControl {
public:
    enum TScrollDirection { sdVertical, sdHorizontal };
    // Colour 0xC0C0C0.
    explicit TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) { SetColor(0xC0C0C0); }

    // Thickness of the thumb in pixels.
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value) { FScrollWidth = Value; }
    TScrollDirection Direction() const { return FDirection; }
    void SetDirection(TScrollDirection Value) { FDirection = Value; }
    // Qt paints every widget through a back buffer: a stored flag.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }

private:
    int FScrollWidth = 4;
    TScrollDirection FDirection = sdVertical;
    bool FDoubleBuffered = false;
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
