#pragma once
// THTMLHintWindow: the hint window that shows hints formatted with the
// HTML subset of DrawHTMLText (links, fonts, pictures of the asking grid's
// image list), and hints in the grid's wide-character cell encoding as one
// plain line in the asking grid's font. UseHTMLHints of a grid makes it the
// application's hint window class.
//
// A hint is laid out at most 1008 pixels wide, wrapped at blanks, and
// painted with the same wrapping, so the window holds exactly the lines it
// was sized for. The window is the laid-out size plus a margin (16 for
// HTML, 8 for a wide-encoded hint) wide and 4 higher, on the monitor that
// holds the rectangle's top-left corner: moved left (up) to end 2 pixels
// before that monitor's right (bottom) edge when it reaches past it, and
// never starting left of (above) the monitor.
#include "platform/gui/hintwindow.h"

class TImageList;
class TPictureContainer;
struct THTMLDrawOptions;

class THTMLHintWindow : public THintWindow {
public:
    explicit THTMLHintWindow(TComponent* AOwner);

    TRect CalcHintRect(int MaxWidth, const String& AHint, void* AData) override;
    void ActivateHint(const TRect& Rect, const String& AHint) override;
    // AData: the grid that asks (a TObject, or nullptr); a string grid
    // lends its image list.
    void ActivateHintData(const TRect& Rect, const String& AHint, void* AData) override;

    TImageList* Images() const { return FImages; }
    TPictureContainer* PictureContainer() const { return FPictureContainer; }
    // The size the last ActivateHint laid out.
    int TextWidth() const { return FTextWidth; }
    int TextHeight() const { return FTextHeight; }
    // The height the last Paint laid the text out to.
    int PaintedTextHeight() const { return FPaintedHeight; }

protected:
    void Paint() override;

private:
    void FillOptions(THTMLDrawOptions& O, bool Measure);
    TImageList* FImages = nullptr;
    TPictureContainer* FPictureContainer = nullptr;
    int FTextHeight = 0;
    int FTextWidth = 0;
    int FPaintedHeight = 0;
    String FWideCaption;
    bool FWide = false;
};
