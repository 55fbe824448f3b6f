#pragma once
// Shaped lines of text kept for drawing again. While a TTextRunCacheScope
// lives on the GUI thread, TCanvas::DrawText draws its plain left-to-right
// lines (no tabs, no underlined prefix, a font without underline or
// strike-out, an untransformed or only shifted painter) from glyph runs
// shaped once per font and text: the same pixels as shaping the line anew,
// without the shaping. Controls that paint the same texts again and again
// (lists, drop-down items) open a scope around their painting.
class TTextRunCacheScope {
public:
    TTextRunCacheScope();
    ~TTextRunCacheScope();
    TTextRunCacheScope(const TTextRunCacheScope&) = delete;
    TTextRunCacheScope& operator=(const TTextRunCacheScope&) = delete;
};

// Off: scopes have no effect (every line is shaped anew). On by default.
void SetTextRunCacheEnabled(bool Value);
// The lines kept (each font and text once).
int TextRunCacheCount();
