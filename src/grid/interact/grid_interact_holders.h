#pragma once
// The parts of the grid's interaction: the search panel, the scrolling
// while dragging and the balloon texts.
//
// These hold, for now, the settings the grid's core reads, with their
// final defaults; the interaction completes them (docs/GRID.md).
#include "platform/gui/classes.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/stdctrls.h"

#include <cstdint>
#include <memory>

class TVynStringGrid;

class TVynGridButton;
class TVynCheckBox;

// The search bar's edit: Enter finds the next occurrence, Ctrl+Enter the
// previous one; neither types a line break.
class TRetEdit : public TEdit {
public:
    using TEdit::TEdit;
    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

protected:
    void WndProc(TMessage& Message) override;
};

// The search bar below the cells: an edit, find-next and find-previous
// buttons, a highlight toggle, a match-case box and a close button. The
// grid's SearchFooter settings configure it (ApplySearchFooter); the grid's
// search actions read and set the edit, the box and the highlight button.
class TSearchPanel : public TPanel {
public:
    // The grid's search actions read the bar through it.
    TSearchPanel(TComponent* AOwner, TVynStringGrid* AGrid);
    ~TSearchPanel() override;
    TVynStringGrid* Grid() const { return FGrid; }

    TRetEdit* Edit() const { return FEdit; }
    TVynGridButton* ForwardButton() const { return FForwardButton; }
    TVynGridButton* BackwardButton() const { return FBackwardButton; }
    TVynGridButton* ExitButton() const { return FExitButton; }
    TVynGridButton* HiliteButton() const { return FHiliteButton; }
    TVynCheckBox* MatchCase() const { return FMatchCase; }

    // Clear (clNone): the bar is filled plainly in Color; otherwise a
    // gradient from Color to ColorTo in 32 bands.
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);

    // Captions and hints; the setters pass them on to the controls.
    void SetFindNextCaption(const String& Value);
    void SetFindPrevCaption(const String& Value);
    void SetMatchCaseCaption(const String& Value);
    void SetHighLightCaption(const String& Value);
    void SetHints(const String& FindNext, const String& FindPrev, const String& Close, const String& Highlight);
    const String& FindNextCaption() const { return FFindNextCaption; }
    const String& FindPrevCaption() const { return FFindPrevCaption; }
    const String& MatchCaseCaption() const { return FMatchCaseCaption; }
    const String& HighLightCaption() const { return FHighLightCaption; }

    // The controls take their places (left to right: close, edit, find
    // next, find previous, highlight, match case).
    void CreateWnd() override;

    void ForwardClick();
    void BackwardClick();
    void ExitClick();
    void HighlightClick();
    // Find next, find previous, highlight are enabled exactly while the
    // edit holds text; then OnEditChange.
    void EditChange();

    TNotifyEvent OnEditChange;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnForwardClick;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;

protected:
    void Paint() override;

private:
    // A button shows its hint only when the hint is not empty.
    static void SetButtonHint(TControl* Button, const String& Hint);

    TVynStringGrid* FGrid;
    TWeakRef<TVynStringGrid> FGridRef;
    std::unique_ptr<class TSearchPanelLink> FLink;
    TRetEdit* FEdit;
    TVynGridButton* FForwardButton;
    TVynGridButton* FBackwardButton;
    TVynGridButton* FExitButton;
    TVynGridButton* FHiliteButton;
    TVynCheckBox* FMatchCase;
    TColor FColorTo = clNone;
    String FFindNextCaption, FFindPrevCaption, FMatchCaseCaption, FHighLightCaption;
    String FHintFindNext, FHintFindPrev, FHintClose, FHintHighlight;
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

// While something is dragged over the grid, a pointer within a margin of
// an edge scrolls the grid, first after InitialDelay, then every
// RepeatDelay milliseconds.
class TDragScrollDelays : public TPersistent {
public:
    int InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int Value) { FInitialDelay = Value; }
    int RepeatDelay() const { return FRepeatDelay; }
    void SetRepeatDelay(int Value) { FRepeatDelay = Value; }
    void Assign(const TPersistent& Source) override;

private:
    int FInitialDelay = 1000;
    int FRepeatDelay = 250;
};

class TDragScrollMargins : public TPersistent {
public:
    int TopMargin() const { return FTopMargin; }
    void SetTopMargin(int Value) { FTopMargin = Value; }
    int BottomMargin() const { return FBottomMargin; }
    void SetBottomMargin(int Value) { FBottomMargin = Value; }
    int LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int Value) { FLeftMargin = Value; }
    int RightMargin() const { return FRightMargin; }
    void SetRightMargin(int Value) { FRightMargin = Value; }
    void Assign(const TPersistent& Source) override;

private:
    int FTopMargin = 50, FBottomMargin = 50, FLeftMargin = 50, FRightMargin = 50;
};

class TDragScrollOptions : public TPersistent {
public:
    bool Active() const { return FActive; }
    void SetActive(bool Value) { FActive = Value; }
    TDragScrollDelays* Delays() const { return FDelays.get(); }
    TDragScrollMargins* Margins() const { return FMargins.get(); }
    // Margins, delays and Active.
    void Assign(const TPersistent& Source) override;

private:
    bool FActive = false;
    std::unique_ptr<TDragScrollDelays> FDelays = std::make_unique<TDragScrollDelays>();
    std::unique_ptr<TDragScrollMargins> FMargins = std::make_unique<TDragScrollMargins>();
};

// Gives a top-level Window one constant Alpha (0 transparent .. 255 opaque).
void MakeWindowTranslucent(TWinControl* Window, uint8_t Alpha, const TRect& Rect);

// The balloon tooltips over the cells. Delays of -1 keep the platform's.
class TBalloonSettings : public TPersistent {
public:
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor Value) { FBackgroundColor = Value; }
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor Value) { FTextColor = Value; }
    int ReshowDelay() const { return FReshowDelay; }
    void SetReshowDelay(int Value) { FReshowDelay = Value; }
    int InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int Value) { FInitialDelay = Value; }
    int AutoHideDelay() const { return FAutoHideDelay; }
    void SetAutoHideDelay(int Value) { FAutoHideDelay = Value; }
    // 0 opaque; otherwise the balloon's alpha is 255 - Transparency.
    uint8_t Transparency() const { return FTransparency; }
    void SetTransparency(uint8_t Value) { FTransparency = Value; }
    bool Enable() const { return FEnable; }
    // Stores the value and fires OnEnableChange.
    void SetEnable(bool Value);
    // The balloon window exists.
    bool Init() const { return FInit; }
    void SetInit(bool Value) { FInit = Value; }
    // The colours, the three delays and Enable (without firing); not
    // Transparency.
    void Assign(const TPersistent& Source) override;
    TNotifyEvent OnEnableChange;

private:
    bool FInit = false;
    TColor FBackgroundColor = clNone;
    TColor FTextColor = clNone;
    int FReshowDelay = -1;
    int FInitialDelay = -1;
    int FAutoHideDelay = -1;
    uint8_t FTransparency = 0;
    bool FEnable = false;
};
