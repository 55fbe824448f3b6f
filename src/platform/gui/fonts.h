#pragma once
// The font map: the classic face names the dialogs ask for are drawn with one
// pinned family, and every font is rendered with the same fixed settings, so
// text metrics and pixels are the same on every machine.
#include <QFont>
#include <QFontMetrics>
#include <QHash>

#include "platform/rtl/strings.h"

// Logical resolution of every canvas: pixel heights and point sizes convert
// at 96 pixels per inch.
constexpr int ScreenPixelsPerInch = 96;

// Family used for the sans-serif classic faces (and for unknown faces the
// machine lacks).
inline const char* const DefaultSansFamily = "DejaVu Sans";
// Family used for the fixed-pitch classic faces.
inline const char* const DefaultMonoFamily = "DejaVu Sans Mono";

// The family a face name is drawn with. The classic faces ("Tahoma",
// "Verdana", "MS Sans Serif", "Segoe UI", "Arial", "Microsoft Sans Serif" ...)
// always map to DefaultSansFamily and the classic fixed faces ("Courier New",
// "Courier", "Consolas", "Lucida Console", "Fixedsys") to DefaultMonoFamily,
// even where the machine has them; another installed family is used as it is;
// a missing one falls back to DefaultSansFamily. Case-insensitive.
String MapFontFamily(const String& Name);

// Adds or replaces one entry of the map (From -> To); an empty To removes it.
void SetFontSubstitute(const String& From, const String& To);
// Counts the changes of the map: a font made before a change is made again.
int FontMapGeneration();

enum class TFontQuality { fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType, fqClearTypeNatural };

// A QFont for a face name and a GDI pixel height (negative: character height,
// positive: cell height = ascent + descent), with the pinned rendering
// settings (no hinting, so advances are the font file's design metrics).
// fqNonAntialiased and fqDraft draw without antialiasing; the rest smooth.
QFont MakeQFont(const String& Name, int Height, bool Bold = false, bool Italic = false, bool Underline = false,
                bool StrikeOut = false, TFontQuality Quality = TFontQuality::fqDefault);

// What one font measures, made once per font state and kept while the font
// does not change: the line metrics and the widths of the texts measured so
// far. Every number is the one QFontMetrics gives for the same font.
class TFontMeasure {
public:
    explicit TFontMeasure(const QFont& Font);

    const QFont& Font() const { return font_; }
    const QFontMetrics& Metrics() const { return metrics_; }
    // The map generation the font was made under.
    int Generation() const { return generation_; }
    int Ascent() const { return ascent_; }
    int Height() const { return height_; }
    int Leading() const { return leading_; }
    int AverageCharWidth() const { return averageCharWidth_; }
    int UnderlinePos() const { return underlinePos_; }
    int LineWidth() const { return lineWidth_; }
    // QFontMetrics::horizontalAdvance, remembered per text (up to
    // MaxCachedWidths texts; then the cache starts afresh).
    int Width(const QString& Text) const;

    // Remembered results of end-ellipsis cuts (DrawText): how many leading
    // characters of Text stay before "..." in MaxWidth pixels; -1 when not
    // known yet.
    int FindEllipsisCut(const QString& Text, int MaxWidth) const;
    void StoreEllipsisCut(const QString& Text, int MaxWidth, int Kept) const;

    static constexpr int MaxCachedWidths = 4096;

private:
    QFont font_;
    QFontMetrics metrics_;
    int generation_;
    int ascent_, height_, leading_, averageCharWidth_, underlinePos_, lineWidth_;
    mutable QHash<QString, int> widths_;
    mutable QHash<std::pair<QString, int>, int> cuts_;
};
