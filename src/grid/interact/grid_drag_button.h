#pragma once
// THeaderDragButton: the caption of a column (row) the user moves with the
// mouse, floating under the pointer. A bordered window above all others,
// never activated and transparent to the mouse (the grid keeps the mouse
// while it moves the column); painted like a fixed cell of its grid.
#include "platform/gui/overlay_window.h"

class TVynStringGrid;

class THeaderDragButton : public TOverlayWindow {
public:
    // Hidden and disabled; AOwner frees it.
    THeaderDragButton(TComponent* AOwner, TVynStringGrid* AGrid);
    ~THeaderDragButton() override;

    TVynStringGrid* Grid() const { return FGrid; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);

protected:
    // A one-pixel frame; inside it the grid's fixed-cell background, then
    // the caption: HTML when it holds "</", else centred on one line and cut
    // with an ellipsis.
    void Paint() override;

private:
    TVynStringGrid* FGrid;
    String FCaption;
    bool FFlat = false;
};
