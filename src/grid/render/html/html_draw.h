#pragma once
// DrawHTMLText: lays out, paints, measures and hit-tests a small HTML subset
// inside a rectangle of a canvas, line by line. One routine for cells, hints,
// footers, header captions and drop-down items; all its state lives for one
// call.
//
// Tags (names by their first one or two letters): A (HREF, TITLE), B, BR,
// BLINK, BODY (BACKGROUND, BGCOLOR), CONTROL, E, FONT (FACE, COLOR, BGCOLOR,
// SIZE), HI, HR, I, IND, IMG (SRC, ALT, WIDTH, HEIGHT, ALIGN), LI, UL, P
// (ALIGN, INDENT, BGCOLOR), R, S, SHAD, SUB, SUP, U, Z. Unknown tags are
// consumed. "<#12>" shows "#12"; a line break of the source is "<BR>".
//
// Rules of this renderer:
// - entities are decoded once per text run, left to right ("&amp;lt;" shows
//   "&lt;"), and runs are drawn without prefix processing ("R&D" shows as
//   written);
// - sizes read from the text are limited: FONT SIZE to 1..400 points, IND,
//   IMG and CONTROL WIDTH/HEIGHT to 0..16384 pixels (0 or no number: not
//   set);
// - it never throws: a picture that does not load takes no space, malformed
//   text degrades (a "<" without ">" ends the text);
// - the result is fresh on every call; on return the canvas has its entry
//   font, pen and brush.
#include "platform/gui/canvas.h"

class TImageList;
class THTMLPictureCache;
class TPictureContainer;
class TWinControl;

constexpr int MaxHTMLFontSize = 400;
constexpr int MaxHTMLBoxSize = 16384;

struct THTMLDrawOptions {
    // Pictures whose SRC starts with "IDX:".
    TImageList* ImageList = nullptr;
    // Hit point, canvas coordinates.
    int HitX = -1;
    int HitY = -1;
    // Zero-based link drawn with a focus rectangle; -1 none.
    int FocusAnchorIndex = -1;
    // One-based link under the pointer (as HitAnchorIndex reported it).
    int HotAnchorIndex = -1;
    // Pixels right and down for <SHAD> text.
    int ShadowDistance = 1;
    // Measure both passes of every line; nothing is painted; HitControlId
    // names a control to report as hit.
    bool HitTestOnly = false;
    // Only the measuring pass; every line is laid out whatever the height;
    // the result is false.
    bool MeasureOnly = false;
    // Image-list images and system icons stretched by ImageScale (printing).
    bool ScaledOutput = false;
    // The link colour, FONT COLOR/BGCOLOR and their restores are skipped.
    bool KeepColors = false;
    // False: <BLINK> text is painted in the entry background colour.
    bool BlinkVisible = true;
    // Only the hot link is underlined and gets the hot colours.
    bool UnderlineHotOnly = false;
    // Break lines at blanks; off: every run is cut with an ellipsis.
    bool WrapWords = false;
    // The mouse button is down: a hot push button is drawn pressed.
    bool PointerDown = false;
    double ImageScale = 1.0;
    TColor LinkColor = clBlue;
    TColor HotLinkBackColor = clNone;
    TColor HotLinkTextColor = clNone;
    TColor ShadowColor = clGray;
    // With HitTestOnly: the ID of a control to report wherever the hit point is.
    String HitControlId;
    // Pictures by URL and by name.
    THTMLPictureCache* PictureCache = nullptr;
    TPictureContainer* PictureStore = nullptr;
    // The window the form controls are drawn for (the theme painter is
    // program-wide; kept for callers that pass it).
    TWinControl* ThemeWindow = nullptr;
    // The caller's bidirectional mode: 0 left to right, 1 right to left, 2
    // and 3 the other right-to-left modes (acting only under a right-to-left
    // locale, IsRightToLeftLocale).
    int ReadingOrder = 0;
};

struct THTMLDrawResult {
    // On a link's text (HitTestOnly), on a picture inside a link or on a form
    // control; always false with MeasureOnly.
    bool Hit = false;
    // Target of the link hit, or "ctrl" for a form control.
    String HitHref;
    // The runs laid out, tags removed, a carriage return per <BR>.
    String PlainText;
    // Target of the focused link (painting only).
    String FocusHref;
    String HitTitle;
    // Widest line; sum of the line heights (the height of "gh" when no line).
    int LaidOutWidth = 0;
    int LaidOutHeight = 0;
    int AnchorCount = 0;
    // One-based link under the hit point; -1 none; its box on the hit line.
    int HitAnchorIndex = -1;
    TRect HitAnchorRect;
    // The form control hit (empty rectangle and strings otherwise).
    TRect HitControlRect;
    String HitControlId;
    String HitControlValue;
    String HitControlType;
};

THTMLDrawResult DrawHTMLText(TCanvas& Canvas, const String& Html, const TRect& TextRect,
                             const THTMLDrawOptions& Options = {});

// The same with the parameters in the classic order; every output is
// written (HitHref and HitAnchorRect too: empty when nothing was hit).
bool DrawHTMLText(TCanvas& Canvas, const String& Html, const TRect& TextRect, TImageList* ImageList, int HitX,
                  int HitY, int FocusAnchorIndex, int HotAnchorIndex, int ShadowDistance, bool HitTestOnly,
                  bool MeasureOnly, bool ScaledOutput, bool KeepColors, bool BlinkVisible, bool UnderlineHotOnly,
                  bool WrapWords, bool PointerDown, double ImageScale, TColor LinkColor, TColor HotLinkBackColor,
                  TColor HotLinkTextColor, TColor ShadowColor, String& HitHref, String& PlainText, String& FocusHref,
                  String& HitTitle, int& LaidOutWidth, int& LaidOutHeight, int& AnchorCount, int& HitAnchorIndex,
                  TRect& HitAnchorRect, TRect& HitControlRect, String& HitControlId, String& HitControlValue,
                  String& HitControlType, THTMLPictureCache* PictureCache, TPictureContainer* PictureStore,
                  TWinControl* ThemeWindow, int ReadingOrder);
