// Comparing fonts: exact whatever the history of the two fonts (copies,
// changes, changes undone, fonts found equal before).
#include <gtest/gtest.h>

#include <functional>

#include "platform/gui/canvas.h"

namespace {

struct Change {
    const char* name;
    std::function<void(TFont&)> apply;
};

const Change Changes[] = {
    {"name", [](TFont& F) { F.SetName(QStringLiteral("Courier New")); }},
    {"height", [](TFont& F) { F.SetHeight(-14); }},
    {"size", [](TFont& F) { F.SetSize(12); }},
    {"colour", [](TFont& F) { F.SetColor(clRed); }},
    {"bold", [](TFont& F) { F.SetStyle(TFontStyles{fsBold}); }},
    {"strike-out", [](TFont& F) { F.SetStyle(TFontStyles{fsStrikeOut}); }},
    {"orientation", [](TFont& F) { F.SetOrientation(900); }},
    {"pitch", [](TFont& F) { F.SetPitch(TFontPitch::fpFixed); }},
    {"quality", [](TFont& F) { F.SetQuality(TFontQuality::fqAntialiased); }},
};

}  // namespace

TEST(FontCompare, AnyPropertyThatDiffersMakesFontsUnequal)
{
    for (const Change& c : Changes) {
        SCOPED_TRACE(c.name);
        TFont a, b;
        EXPECT_TRUE(a == b);
        // Fresh fonts, after a compare found them equal, then one changed.
        c.apply(a);
        EXPECT_FALSE(a == b);
        EXPECT_FALSE(b == a);
        // A copy compares equal; the copy changed in turn does not.
        TFont copy;
        copy.Assign(a);
        EXPECT_TRUE(copy == a);
        copy.Assign(b);
        EXPECT_TRUE(copy == b);
        EXPECT_FALSE(copy == a);
        // The same change made to another font: equal again.
        c.apply(b);
        EXPECT_TRUE(a == b);
        EXPECT_TRUE(copy == TFont());
    }
}

TEST(FontCompare, AChangeUndoneOrMadeInAnotherOrderComparesEqual)
{
    TFont a, b, c;
    // The source changes after the copy: the copy keeps the old state.
    c.Assign(a);
    a.SetHeight(-20);
    EXPECT_FALSE(c == a);
    EXPECT_TRUE(c == b);
    a.SetHeight(-11);
    EXPECT_TRUE(c == a);
    // Two changes in either order.
    a.SetColor(clBlue);
    a.SetStyle(TFontStyles{fsItalic});
    b.SetStyle(TFontStyles{fsItalic});
    b.SetColor(clBlue);
    EXPECT_TRUE(a == b);
    // Fonts found equal stay exact when one of them changes afterwards,
    // through a setter or through Assign.
    b.SetColor(clGreen);
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(c == b);
    b.Assign(c);
    EXPECT_TRUE(b == c);
    EXPECT_FALSE(a == b);
}

TEST(FontCompare, AHandlerChangingTheFontWhileItIsAssignedLeavesItUnequal)
{
    TFont source, dest;
    source.SetHeight(-16);
    dest.OnChange = [&dest](TObject*) { dest.SetColor(clRed); };
    dest.Assign(source);
    EXPECT_EQ(dest.Height(), -16);
    EXPECT_EQ(dest.Color(), clRed);
    EXPECT_FALSE(dest == source);
}
