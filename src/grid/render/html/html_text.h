#pragma once
// Text routines of the HTML subset that the renderer draws (html_draw.h):
// colour names, entity coding, tag stripping, search highlighting, the
// attributes of embedded <CONTROL> tags; the module's highlight colours and
// platform flags; and the small helpers the renderer shares with them.
//
// Coding rules of this module:
// - HTMLDecodeText and the renderer decode each entity once, left to right:
//   "&amp;lt;" gives "&lt;", never "<".
// - HTMLEncodeText writes "&" as "&amp;", so decoding an encoded text gives
//   back the text, whatever it holds.
// - The attributes of a CONTROL tag are found outside the quoted values, so a
//   value holding "TYPE=" or "ID=" cannot take the place of an attribute.
#include "platform/gui/graphics.h"
#include "platform/rtl/strings.h"

// ---- module-level values ----------------------------------------------------------------------

// The colours of the <HI> tag: background and text (initially the system
// highlight and highlight-text colours).
void SetHTMLHighlightColors(TColor Background, TColor Text);
TColor HTMLHighlightBackground();
TColor HTMLHighlightTextColor();

// The platform flag the renderer asks before drawing form controls with the
// theme painter: set once at start-up (the platforms this program runs on
// all count as "XP or later").
void CheckWinXPOrLater();
bool IsWinXPOrLater();

// Whether the user's locale reads right to left. A replaceable query: false
// unless a test or a port installs another answer (nullptr: back to false).
using RightToLeftLocaleQuery = bool (*)();
bool IsRightToLeftLocale();
void SetRightToLeftLocaleQuery(RightToLeftLocaleQuery Query);

// ---- colours ----------------------------------------------------------------------------------

// The 40 names ("clred" ... "clinfobk"); any other name (names with capitals
// included: callers lower-case first) gives 0, black.
TColor HTMLColorByName(const String& Name);
// "#RRGGBB": red from characters 2-3, green 4-5, blue 6-7 (digits 0-9, A-F;
// another character counts 0, a pair shorter than 2 characters counts 0).
TColor HTMLColorByHex(const String& Hex);

// ---- entities ---------------------------------------------------------------------------------

constexpr int HTMLEntityCount = 55;
// The characters and their named entities, in table order.
const String& HTMLEntityChar(int Index);
const String& HTMLEntityName(int Index);

// "&lt;", "&gt;", "&amp;", "&quot;" and, with WithEntities, the table's
// entities (letter case as in the table), each decoded once, left to right.
String HTMLDecodeText(const String& Text, bool WithEntities);
// "&" -> "&amp;", '"' -> "&quot;", "<" -> "&lt;", ">" -> "&gt;" and, with
// WithEntities, the table's characters to their entities.
String HTMLEncodeText(const String& Text, bool WithEntities);
// Every blank becomes "&nbsp;".
String HTMLEncodeSpaces(const String& Text);
// "<BR>" and "<HR>" (any case) become CR LF; every other tag is removed; from
// a "<" without a ">" after it the rest is kept as it is.
String HTMLToPlainText(const String& Text);

// ---- search highlighting ----------------------------------------------------------------------

// Wraps every match of Search in the text outside the tags in "<Tag>" ...
// "</Tag>"; an opening tag goes in front of the tags that precede its first
// character. Two matches that touch are two separate pairs.
String HTMLHighlightText(const String& Html, const String& Search, const String& Tag, bool CaseSensitive);
// Removes "<Tag>" and "</Tag>" (any case), then "&lt;" -> "<", "&gt;" -> ">".
String HTMLUnhighlightText(const String& Html, const String& Tag);

// ---- CONTROL tags -----------------------------------------------------------------------------

struct THTMLControlTag {
    String Type;  // upper case
    String ID;
    String MaxLen;
    String Prop;  // decoded
    String Height;
    String Width;
    String Value;  // decoded
    bool HasHeight = false;
};

// Reads the attributes of one CONTROL tag (its text from "CONTROL" to ">").
void HTMLParseControlTag(const String& Tag, String& Type, String& ID, String& MaxLen, String& Prop, String& Height,
                         String& Width, String& Value);
THTMLControlTag HTMLParseControlTag(const String& Tag);

bool HTMLHasControls(const String& Text);
// The ID of the first edit-type control (not BUTTON, CHECK or RADIO) after
// the control with ID, or the first one when ID is empty; empty when none.
String HTMLNextEditControlID(const String& Text, const String& ID);
// Every RADIO control's VALUE becomes "FALSE".
String HTMLUncheckRadios(const String& Text);
bool HTMLGetControlValue(const String& Text, const String& ID, String& Value);
String HTMLGetControlProp(const String& Text, const String& ID);
int HTMLGetControlMaxLen(const String& Text, const String& ID);
// Rewrites the tag of the first control with ID with the new VALUE; false
// (text unchanged) when no control has that ID.
bool HTMLSetControlValue(String& Text, const String& ID, const String& Value);

// ---- helpers shared with the renderer ---------------------------------------------------------

namespace html_detail {

// Replaces the first occurrence of Search (letters a-z compared as upper
// case) by Replacement; false when there is none.
bool ReplaceFirstNoCase(String& Text, const String& Search, const String& Replacement);
// A text of "*" of the same length.
String PasswordMask(const String& Text);
// The decimal number at the start of the text (0 when none); values past
// the range of int stay at its maximum.
int NumberAtStart(const String& Text);
// NumberAtStart limited to 0..Max (F10: sizes from text never ask for more).
int ClampedNumber(const String& Text, int Max);
// Every "<#" loses its "<" and the first ">" after it.
String RemoveHashTags(const String& Text);
// Line feeds removed, carriage returns to "<BR>" (or removed, RemoveCR).
String ConvertLineBreaks(const String& Text, bool RemoveCR = false);
// Position (0-based, -1 when none) of Search in Text; FoldCase compares the
// letters a-z as upper case.
int FindText(const String& Text, const String& Search, int From = 0, bool FoldCase = false);
// Folds a-z to A-Z (nothing else), length kept.
String FoldAscii(const String& Text);
// The renderer's entity decoding of one text run, once, left to right:
// "&amp;", "&quot;", "&sect;", "&permil;", "&reg;", "&copy;", "&para;",
// "&trade;", "&euro;" in any case, "&nbsp;", "&lt;", "&gt;" as written.
String DecodeRunEntities(const String& Text);

}  // namespace html_detail
