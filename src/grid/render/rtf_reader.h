#pragma once
// A small reader of rich text (RTF) for cells that hold it: the text and
// its character and paragraph look, as styled runs. Measuring and painting
// lay the runs out with the HTML renderer's line engine (RTFToHTML), so a
// cell measures as it paints; the plain text serves hints and balloons.
//
// Read: groups, \rtf1, \ansi, \ansicpg1252, \deff, \fonttbl (names),
// \colortbl, \f, \fs, \b, \i, \ul and \ulnone, \strike, \cf, \highlight,
// \plain, \pard, \ql, \qc, \qr, \par, \line, \tab, \'hh (Windows-1252) and
// \uN with \ucN (the N characters after it skipped). Skipped: \* groups,
// \pict, \stylesheet, \info and every other control word; a control
// symbol such as \~ or \- gives its character (a no-break space, nothing).
// The reader never throws: text past an unbalanced "}" is still read, and
// it nests groups without recursion, so any depth is read in linear time.
#include <vector>

#include "platform/gui/canvas.h"
#include "platform/rtl/strings.h"

struct TRTFRun {
    String Text;
    String FontName;       // empty: the default font
    int HalfPoints = 0;    // 0: the default size
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = clNone;      // none: the default colour
    TColor Highlight = clNone;  // none: no background
    bool operator==(const TRTFRun&) const = default;
};

enum class TRTFAlign { Left, Center, Right };

struct TRTFParagraph {
    TRTFAlign Align = TRTFAlign::Left;
    // A run whose Text is "\n" is a line break inside the paragraph.
    std::vector<TRTFRun> Runs;
};

struct TRTFDocument {
    std::vector<TRTFParagraph> Paragraphs;
    // The text: paragraphs and line breaks as CR LF, tabs as tab characters.
    String PlainText;
};

TRTFDocument ParseRTF(const String& Rtf);
// The plain text of a rich text.
String RTFToPlainText(const String& Rtf);
// The runs as the HTML renderer's tags, their text encoded; sizes below 6
// points are drawn at 6 points. BaseFont gives nothing but its presence
// (the renderer starts from the canvas font).
String RTFToHTML(const TRTFDocument& Doc, const TFont& BaseFont);
