// The formatted-text renderer: layout results as tables (widths, heights,
// plain text, links, hits, controls, pictures), a termination table of
// malformed texts, pixel probes, and a sample rendered to PNG.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <cstdlib>
#include <functional>

#include "grid/render/html/html_draw.h"
#include "grid/render/html/html_icons.h"
#include "grid/render/html/html_picture.h"
#include "grid/render/html/html_text.h"
#include "platform/gui/bitmap.h"

namespace {

constexpr TColor Paper = clWhite;

// A white bitmap with the default font, drawn on through its canvas.
class Page {
public:
    Page(int W = 400, int H = 300) : bmp_(W, H)
    {
        C().Brush().SetColor(Paper);
        C().FillRect(Rect(0, 0, W, H));
        C().Font().SetColor(clBlack);
    }
    TCanvas& C() { return bmp_.Canvas(); }
    TColor At(int X, int Y) { return ColorToRGB(bmp_.Canvas().Pixels(X, Y)); }
    QImage Image() { return *bmp_.Canvas().Image(); }
    TBitmap& Bitmap() { return bmp_; }
    int W(const String& S) { return C().TextWidth(S); }
    int H(const String& S = "gh") { return C().TextHeight(S); }

private:
    TBitmap bmp_;
};

THTMLDrawOptions measure()
{
    THTMLDrawOptions o;
    o.MeasureOnly = true;
    return o;
}

THTMLDrawOptions hitTest(int X, int Y)
{
    THTMLDrawOptions o;
    o.HitTestOnly = true;
    o.HitX = X;
    o.HitY = Y;
    return o;
}

QByteArray pngOf(int W, int H, QRgb Color)
{
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(Color);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

// Named pictures for IMG SRC="name".
class Pictures {
public:
    void Add(const String& Name, int W, int H, QRgb Color = qRgb(0, 128, 0))
    {
        THTMLPicture p;
        p.LoadFromBytes(pngOf(W, H, Color));
        TPictureItem* item = store_.Items()->Add();
        item->SetPicture(&p);
        item->SetName(Name);
    }
    TPictureContainer* Store() { return &store_; }

private:
    TPictureContainer store_;
};

// ---- layout -------------------------------------------------------------------------------------

TEST(HtmlLayout, EmptyTextAndEntities)
{
    Page p;
    const THTMLDrawResult empty = DrawHTMLText(p.C(), "", Rect(0, 0, 200, 100));
    EXPECT_FALSE(empty.Hit);
    EXPECT_EQ(empty.LaidOutWidth, 0);
    EXPECT_EQ(empty.LaidOutHeight, p.H());
    EXPECT_EQ(empty.PlainText, "");

    struct Case {
        QString html;
        QString plain;
    } cases[] = {
        {"R&amp;D", "R&D"},
        {"R&AMP;D", "R&D"},
        {"R&D", "R&D"},
        {"A & B", "A & B"},
        {"&amp;lt;", "&lt;"},
        {"&amp;quot;x", "&quot;x"},
        {"1&permil;", QString("1") + QChar(0x2030)},
        {"&lt;B&gt;", "<B>"},
        {"a&nbsp;b", "a b"},
        {"<#12>", "#12"},
        {"x<#3>y", "x#3y"},
        {"a\r\nb", "a\rb"},
        {"a<BR>b", "a\rb"},
        {"<B>bold</B> <I>it</I> <U>u</U> <S>s</S>", "bold it u s"},
        {"a<Z>hidden</Z>b", "ahiddenb"},  // hidden runs are laid out as text, not drawn
        {"<UNKNOWN attr=\"1\">x", "x"},
    };
    for (const Case& c : cases) {
        const THTMLDrawResult r = DrawHTMLText(p.C(), c.html, Rect(0, 0, 300, 100), measure());
        EXPECT_EQ(r.PlainText, c.plain) << c.html.toStdString();
    }
    // "R&D" is as wide as the text itself: no mnemonic, no lost "&".
    EXPECT_EQ(DrawHTMLText(p.C(), "R&D", Rect(0, 0, 300, 100), measure()).LaidOutWidth, p.W("R&D"));
    EXPECT_EQ(DrawHTMLText(p.C(), "R&amp;D", Rect(0, 0, 300, 100), measure()).LaidOutWidth, p.W("R&D"));
    // CR LF is one break: two lines.
    EXPECT_EQ(DrawHTMLText(p.C(), "a\r\nb", Rect(0, 0, 300, 100), measure()).LaidOutHeight, 2 * p.H());
}

TEST(HtmlLayout, WrappingAndOverflow)
{
    Page p;
    const int gh = p.H();
    // Two words in a rectangle narrower than both: two lines, no blank counted.
    THTMLDrawOptions wrap = measure();
    wrap.WrapWords = true;
    const int narrow = std::max(p.W("hello "), p.W("world")) + 3;
    THTMLDrawResult r = DrawHTMLText(p.C(), "hello world", Rect(0, 0, narrow, 100), wrap);
    EXPECT_EQ(r.LaidOutHeight, 2 * gh);
    EXPECT_EQ(r.LaidOutWidth, std::max(p.W("hello"), p.W("world")));
    EXPECT_EQ(r.PlainText, "hello world");
    // A single word wider than the rectangle stays on its line.
    r = DrawHTMLText(p.C(), "extraordinary", Rect(0, 0, 20, 100), wrap);
    EXPECT_EQ(r.LaidOutHeight, gh);
    EXPECT_EQ(r.LaidOutWidth, p.W("extraordinary"));
    // A word a tag interrupts stays whole.
    r = DrawHTMLText(p.C(), "ab<B>cd</B>", Rect(0, 0, p.W("abc"), 100), wrap);
    EXPECT_EQ(r.LaidOutHeight, gh);

    // Without wrapping: bold then plain overflowing: the plain run is the
    // last laid out and later lines are dropped.
    r = DrawHTMLText(p.C(), "<B>bold</B>plain<BR>next", Rect(0, 0, std::max(p.W("bold"), p.W("plain")) + 3, 100), measure());
    EXPECT_EQ(r.PlainText, "boldplain");
    EXPECT_EQ(r.LaidOutHeight, gh);
    // An overflowing first run keeps the following lines.
    r = DrawHTMLText(p.C(), "verylongword<BR>next", Rect(0, 0, 20, 100), measure());
    EXPECT_EQ(r.PlainText, "verylongword\rnext");
    EXPECT_EQ(r.LaidOutHeight, 2 * gh);
}

TEST(HtmlLayout, LineHeightsAndTheBottom)
{
    Page p;
    const int gh = p.H();
    const int q = p.H("b") / 4;
    struct Case {
        const char* html;
        int height;
    } cases[] = {
        {"a<SUB>b</SUB>", gh + q},
        {"a<SUP>b</SUP>", gh + q},
        {"<SUP>a</SUP><SUB>b</SUB>", gh + 2 * q},
        {"a<SUB>b</SUB><BR>c", 2 * gh + q},  // the flags end with the line
        {"<UL><LI>a<LI>b</UL>", 3 * gh},     // the second <LI> starts a new line
        {"<UL><LI>a</UL>", 2 * gh},
        {"<U>x</UL>y", gh},                  // </UL> at level 0 is </U>
        {"<P>x</P>y", 2 * gh},
        {"a<HR>b", 2 * gh},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DrawHTMLText(p.C(), c.html, Rect(0, 0, 300, 200), measure()).LaidOutHeight, c.height) << c.html;

    // Bullets: one level is 12 pixels in front of the text.
    EXPECT_EQ(DrawHTMLText(p.C(), "<UL><LI>a<LI>b</UL>", Rect(0, 0, 300, 200), measure()).LaidOutWidth,
              12 + std::max(p.W("a"), p.W("b")));

    // Sizing sums every line; painting stops before a line that would cross
    // the bottom.
    const QString five = "a<BR>b<BR>c<BR>d<BR>e";
    const TRect shallow = Rect(0, 0, 300, gh * 5 / 2);
    EXPECT_EQ(DrawHTMLText(p.C(), five, shallow, measure()).LaidOutHeight, 5 * gh);
    const THTMLDrawResult painted = DrawHTMLText(p.C(), five, shallow);
    EXPECT_EQ(painted.LaidOutHeight, 2 * gh);
    EXPECT_EQ(painted.PlainText, "a\rb\r");

    // Font sizes: the named steps, any number of points, at most 400.
    auto height = [&](const char* html) {
        return DrawHTMLText(p.C(), html, Rect(0, 0, 3000, 3000), measure()).LaidOutHeight;
    };
    EXPECT_GT(height("<FONT SIZE=\"5\">x</FONT>"), height("<FONT SIZE=\"1\">x</FONT>"));
    EXPECT_EQ(height("<FONT SIZE=\"99999\">x</FONT>"), height("<FONT SIZE=\"400\">x</FONT>"));
    EXPECT_EQ(height("<FONT SIZE=\"0\">x</FONT>"), gh);
    EXPECT_EQ(height("<FONT SIZE=\"big\">x</FONT>"), gh);
    // IND is limited too.
    EXPECT_EQ(DrawHTMLText(p.C(), "<IND x=\"99999999\">", Rect(0, 0, 100, 100), measure()).LaidOutWidth, 16384);
}

const QString Links = "<A HREF=\"h1\">one</A> <A HREF=\"h2\" TITLE=\"Second\">two</A> <A HREF=\"h3\">three</A>";

TEST(HtmlLayout, LinksHitAndAnchors)
{
    Page p;
    const int gh = p.H();
    const int one = p.W("one") + p.W(" ");  // the runs as laid out
    const int x2 = 1 + one + p.W("two") / 2;
    THTMLDrawResult r = DrawHTMLText(p.C(), Links, Rect(0, 0, 300, 100), hitTest(x2, gh / 2));
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.AnchorCount, 3);
    EXPECT_EQ(r.HitAnchorIndex, 2);
    EXPECT_EQ(r.HitHref, "h2");
    EXPECT_EQ(r.HitTitle, "Second");
    EXPECT_EQ(r.HitAnchorRect, Rect(1 + one, 0, 1 + one + p.W("two"), gh));

    // Beside the links, under them, or a measuring call: nothing hit.
    r = DrawHTMLText(p.C(), Links, Rect(0, 0, 300, 100), hitTest(280, gh / 2));
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(r.HitAnchorIndex, -1);
    EXPECT_EQ(r.HitHref, "");
    r = DrawHTMLText(p.C(), Links, Rect(0, 0, 300, 100), hitTest(x2, gh + 5));
    EXPECT_FALSE(r.Hit);
    THTMLDrawOptions m = measure();
    m.HitX = x2;
    m.HitY = gh / 2;
    EXPECT_FALSE(DrawHTMLText(p.C(), Links, Rect(0, 0, 300, 100), m).Hit);

    // Right alignment is sticky, and hit testing sees the aligned line.
    const QString right = "<P ALIGN=\"RIGHT\">x<BR><A HREF=\"r\">link</A>";
    const int lw = p.W("link");
    r = DrawHTMLText(p.C(), right, Rect(0, 0, 200, 100), hitTest(200 - lw / 2, gh + gh / 2));
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.HitHref, "r");
    EXPECT_EQ(r.HitAnchorRect, Rect(200 - lw, gh, 200, 2 * gh));
    // The last word of a wrapped right-aligned line is hit where it is drawn
    // (the aligned rectangle is exactly as wide as the line).
    THTMLDrawOptions wrapped = hitTest(200 - p.W("world") / 2, gh / 2);
    wrapped.WrapWords = true;
    r = DrawHTMLText(p.C(), "<P ALIGN=\"RIGHT\">hello <A HREF=\"w\">world</A>", Rect(0, 0, 200, 100), wrapped);
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.HitHref, "w");
    EXPECT_EQ(r.HitAnchorRect, Rect(200 - p.W("world"), 0, 200, gh));

    // Where the link would be without the alignment nothing is hit, and
    // nothing of it is reported either.
    r = DrawHTMLText(p.C(), right, Rect(0, 0, 200, 100), hitTest(1 + lw / 2, gh + gh / 2));
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(r.HitHref, "");
    EXPECT_EQ(r.HitAnchorIndex, -1);
    EXPECT_EQ(r.HitAnchorRect, TRect());

    // Every call starts afresh: no result of an earlier call leaks.
    String href = "stale", plain, focus, title = "stale", id, value = "v", type = "t";
    int w = 5, h = 5, count = 5, index = 5;
    TRect anchor = Rect(1, 2, 3, 4), control = Rect(1, 2, 3, 4);
    const bool hit = DrawHTMLText(p.C(), Links, Rect(0, 0, 300, 100), nullptr, 280, 5, -1, -1, 1, true, false,
                                  false, false, true, false, false, false, 1.0, clBlue, clNone, clNone, clGray, href,
                                  plain, focus, title, w, h, count, index, anchor, control, id, value, type, nullptr,
                                  nullptr, nullptr, 0);
    EXPECT_FALSE(hit);
    EXPECT_EQ(href, "");
    EXPECT_EQ(title, "");
    EXPECT_EQ(anchor, TRect());
    EXPECT_EQ(control, TRect());
    EXPECT_EQ(index, -1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(plain, "one two three");
    EXPECT_EQ(h, gh);
    EXPECT_EQ(w, one + p.W("two") + p.W(" ") + p.W("three"));
}

TEST(HtmlLayout, AlignmentIndentRaiseAndRotation)
{
    Page p;
    const int gh = p.H();
    // Centred and indented lines, as the hit test sees them.
    const int mid = p.W("mid");
    THTMLDrawResult r =
        DrawHTMLText(p.C(), "<P ALIGN=\"CENTER\"><A HREF=\"c\">mid</A>", Rect(0, 0, 201, 100), hitTest(101, gh / 2));
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.HitAnchorRect, Rect(1 + (200 - mid) / 2, 0, 1 + (200 - mid) / 2 + mid, gh));
    const int x = p.W("x");
    const QString indented = "<P INDENT=\"30\"><A HREF=\"i\">x</A><BR><A HREF=\"j\">x</A>";
    r = DrawHTMLText(p.C(), indented, Rect(0, 0, 200, 100), hitTest(31 + x / 2, gh + gh / 2));
    EXPECT_EQ(r.HitHref, "j") << "the indent holds for the later lines";
    EXPECT_EQ(r.HitAnchorRect, Rect(31, gh, 31 + x, 2 * gh));
    EXPECT_FALSE(DrawHTMLText(p.C(), indented, Rect(0, 0, 200, 100), hitTest(1 + x / 2, gh / 2)).Hit);

    // ALIGN of a picture lifts the text of its line: the link's text is
    // where the hit test finds it.
    Pictures pics;
    pics.Add("big", 30, 40);
    const int tx = 1 + 30 + p.W("top") / 2;
    struct Case {
        const char* align;
        int y;
        bool hit;
    } cases[] = {
        {"", 40 - gh / 2, true},        {"", gh / 2, false},
        {" ALIGN=\"TOP\"", gh / 2, true}, {" ALIGN=\"TOP\"", 40 - gh / 2, false},
        {" ALIGN=\"MIDDLE\"", 20, true},  {" ALIGN=\"MIDDLE\"", 40 - 2, false},
    };
    for (const Case& c : cases) {
        THTMLDrawOptions o = hitTest(tx, c.y);
        o.PictureStore = pics.Store();
        const QString html = QString("<IMG SRC=\"big\"%1><A HREF=\"t\">top</A>").arg(c.align);
        EXPECT_EQ(DrawHTMLText(p.C(), html, Rect(0, 0, 200, 100), o).Hit, c.hit) << c.align << " y " << c.y;
    }

    // A rotated run is measured as the unrotated text.
    r = DrawHTMLText(p.C(), "<R a=\"90\">abc</R>d", Rect(0, 0, 200, 100), measure());
    EXPECT_EQ(r.LaidOutWidth, p.W("abc") + p.W("d"));
    EXPECT_EQ(r.LaidOutHeight, gh);
    EXPECT_EQ(r.PlainText, "abcd");
}

const QString Controls = "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"text\" WIDTH=\"60\">"
                         "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"20\">"
                         "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"OK\" WIDTH=\"40\">";

TEST(HtmlLayout, FormControls)
{
    Page p;
    const int gh = p.H();
    // By ID, wherever the hit point is.
    THTMLDrawOptions o = hitTest(-100, -100);
    o.HitControlId = "b";
    THTMLDrawResult r = DrawHTMLText(p.C(), Controls, Rect(0, 0, 300, 100), o);
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.HitHref, "ctrl");
    EXPECT_EQ(r.HitControlId, "b");
    EXPECT_EQ(r.HitControlValue, "OK");
    EXPECT_EQ(r.HitControlType, "BUTTON");
    EXPECT_EQ(r.HitControlRect, Bounds(1 + 60 + 16, 0, 40, 25));
    // By point: the check box.
    r = DrawHTMLText(p.C(), Controls, Rect(0, 0, 300, 100), hitTest(1 + 60 + 8, 8));
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.HitControlId, "c");
    EXPECT_EQ(r.HitControlValue, "true");
    EXPECT_EQ(r.HitControlType, "CHECK");
    EXPECT_EQ(r.HitControlRect, Bounds(61, 0, 16, 16));
    // Nothing there.
    r = DrawHTMLText(p.C(), Controls, Rect(0, 0, 300, 100), hitTest(250, 8));
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(r.HitControlId, "");
    // A right-aligned control is hit where it is drawn, not where it would
    // stand on the left.
    const QString rightEdit = "<P ALIGN=\"RIGHT\"><CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\" WIDTH=\"60\">";
    r = DrawHTMLText(p.C(), rightEdit, Rect(0, 0, 200, 100), hitTest(10, 8));
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(r.HitControlId, "");
    EXPECT_EQ(r.HitHref, "");
    EXPECT_EQ(r.HitControlRect, TRect());
    r = DrawHTMLText(p.C(), rightEdit, Rect(0, 0, 200, 100), hitTest(170, 8));
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.HitControlId, "e");
    EXPECT_EQ(r.HitControlRect, Bounds(140, 0, 60, gh + 10));

    struct Case {
        const char* html;
        int width, height;
    } cases[] = {
        {"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"OK\" WIDTH=\"50\" HEIGHT=\"40\">", 50, 38},
        {"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"OK\" WIDTH=\"50\">", 50, 25},
        {"<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"50\" HEIGHT=\"x\">", 50, 25},
        {"<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"50\">", 16, 16},
        {"<CONTROL TYPE=\"RADIO\" ID=\"c\" WIDTH=\"50\">", 16, 16},
        {"<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"70\">", 70, std::max(23, gh + 10)},
        {"<CONTROL TYPE=\"COMBO\" ID=\"k\" WIDTH=\"70\">", 70, 25},
        {"<CONTROL TYPE=\"EDIT\" ID=\"e\">x", p.W("x"), gh},            // no WIDTH: ignored
        {"<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"abc\">x", p.W("x"), gh},  // no number: ignored
        {"<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"30px\">", 30, std::max(23, gh + 10)},
        {"<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"999999\">", 16384, std::max(23, gh + 10)},
        {"<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"5\" HEIGHT=\"99999\">", 5, 16382},
    };
    for (const Case& c : cases) {
        r = DrawHTMLText(p.C(), c.html, Rect(0, 0, 300, 100), measure());
        EXPECT_EQ(r.LaidOutWidth, c.width) << c.html;
        EXPECT_EQ(r.LaidOutHeight, c.height) << c.html;
    }
}

TEST(HtmlLayout, Pictures)
{
    Page p;
    const int gh = p.H();
    Pictures pics;
    pics.Add("wide", 4, 1);
    pics.Add("tall", 1, 4);
    pics.Add("big", 30, 40);
    pics.Add("huge", 120, 10);
    pics.Add("strip", 4, 1);
    TImageList list(nullptr, 16, 16);
    TBitmap glyph(32, 16);
    list.Add(glyph);
    ASSERT_EQ(list.Count(), 2);
    THTMLPictureCache cache;

    THTMLDrawOptions o = measure();
    o.PictureStore = pics.Store();
    o.ImageList = &list;
    o.PictureCache = &cache;
    struct Case {
        QString html;
        int width, height;
    } cases[] = {
        {"<IMG SRC=\"IDX:1\">", 16, std::max(16, gh)},
        {"<IMG SRC=\"IDX:2\">x", p.W("x"), gh},  // index == count: no image, no space
        {"<IMG SRC=\"big\">", 30, 40},
        {"<IMG SRC=\"BIG\">", 30, 40},             // names in any case
        {"<IMG SRC=\"big\" WIDTH=\"15\">", 15, std::max(20, gh)},
        {"<IMG SRC=\"big\" HEIGHT=\"80\">", 60, 80},
        {"<IMG SRC=\"big\" WIDTH=\"7\" HEIGHT=\"70\">", 7, 70},
        {"<IMG SRC=\"tall\" HEIGHT=\"2\">", 0, gh},   // 0.5 rounds to 0
        {"<IMG SRC=\"tall\" HEIGHT=\"6\">", 2, gh},   // 1.5 rounds to 2
        {"<IMG SRC=\"tall\" HEIGHT=\"10\">", 2, gh},  // 2.5 rounds to 2
        {"<IMG SRC=\"tall\" HEIGHT=\"14\">", 4, std::max(14, gh)},  // 3.5 rounds to 4
        {"<IMG SRC=\"strip\" WIDTH=\"90\">", 90, std::max(22, gh)},    // 22.5 rounds to 22
        {"<IMG SRC=\"strip\" WIDTH=\"94\">", 94, std::max(24, gh)},    // 23.5 rounds to 24
        {"<IMG SRC=\"strip\" WIDTH=\"98\">", 98, std::max(24, gh)},    // 24.5 rounds to 24
        {"<IMG SRC=\"strip\" WIDTH=\"102\">", 102, std::max(26, gh)},  // 25.5 rounds to 26
        {"<IMG SRC=\"big\" WIDTH=\"99999\" HEIGHT=\"5\">", 16384, gh},
        {"<IMG SRC=\"missing\">x", p.W("x"), gh},
        {"<IMG SRC=\"http://example.invalid/a.png\">x", p.W("x"), gh},
        {"<IMG SRC=\"FILE:///no/such/file.png\">x", p.W("x"), gh},
        {"<IMG SRC=\"RES://html_test_anim.gif\">", 12, std::max(10, gh)},  // the largest frame
        {"<IMG SRC=\"RES://html_test_dot.png\">x", 0, 0},                // (natural size, checked below)
    };
    for (const Case& c : cases) {
        const THTMLDrawResult r = DrawHTMLText(p.C(), c.html, Rect(0, 0, 300, 100), o);
        if (c.width == 0 && c.height == 0)
            continue;
        EXPECT_EQ(r.LaidOutWidth, c.width) << c.html.toStdString();
        EXPECT_EQ(r.LaidOutHeight, c.height) << c.html.toStdString();
    }
    THTMLPicture dot;
    dot.LoadFromURL("RES://html_test_dot.png");
    ASSERT_FALSE(dot.Empty());
    EXPECT_EQ(DrawHTMLText(p.C(), "<IMG SRC=\"RES://html_test_dot.png\">", Rect(0, 0, 300, 100), o).LaidOutWidth,
              dot.Width());
    // The URL pictures were cached once each, empty when they did not load.
    EXPECT_NE(cache.FindPicture("http://example.invalid/a.png"), nullptr);
    EXPECT_TRUE(cache.FindPicture("http://example.invalid/a.png")->Empty());
    const int cached = cache.Count();
    DrawHTMLText(p.C(), "<IMG SRC=\"http://example.invalid/a.png\">", Rect(0, 0, 300, 100), o);
    EXPECT_EQ(cache.Count(), cached);

    // Wrap rule: wider than the rest of the line but narrower than the line
    // starts the next line; wider than the line stays.
    const int w = p.W("abc");
    THTMLDrawResult r = DrawHTMLText(p.C(), "abc<IMG SRC=\"big\">", Rect(0, 0, 1 + w + 20, 200), o);
    EXPECT_EQ(r.LaidOutHeight, gh + 40);
    EXPECT_EQ(r.LaidOutWidth, 30);
    r = DrawHTMLText(p.C(), "abc<IMG SRC=\"huge\">", Rect(0, 0, 1 + w + 20, 200), o);
    EXPECT_EQ(r.LaidOutHeight, std::max(10, gh));
    EXPECT_EQ(r.LaidOutWidth, w + 120);

    // ALIGN: text raised against the picture; hits only inside links.
    r = DrawHTMLText(p.C(), "<IMG SRC=\"big\">", Rect(0, 0, 300, 100), hitTest(10, 10));
    THTMLDrawOptions h = hitTest(10, 10);
    h.PictureStore = pics.Store();
    r = DrawHTMLText(p.C(), "<IMG SRC=\"big\">", Rect(0, 0, 300, 100), h);
    EXPECT_FALSE(r.Hit);
    EXPECT_EQ(r.HitHref, "");
    r = DrawHTMLText(p.C(), "<A HREF=\"pic\" TITLE=\"T\"><IMG SRC=\"big\"></A>", Rect(0, 0, 300, 100), h);
    EXPECT_TRUE(r.Hit);
    EXPECT_EQ(r.HitHref, "pic");
    EXPECT_EQ(r.HitTitle, "T");
}

TEST(HtmlLayout, SystemIconsComeFromTheProvider)
{
    class FixedIcons : public TSystemIconProvider {
    public:
        TSize IconSize(bool Large) const override { return Large ? TSize{32, 32} : TSize{16, 16}; }
        QImage IconOf(const String&, bool Large) override
        {
            QImage img(Large ? 32 : 16, Large ? 32 : 16, QImage::Format_ARGB32);
            img.fill(qRgb(255, 0, 0));
            return img;
        }
    } icons;
    SetSystemIcons(&icons);
    Page p;
    const int gh = p.H();
    EXPECT_EQ(DrawHTMLText(p.C(), "<IMG SRC=\"SSYS:/tmp/a.txt\">", Rect(0, 0, 300, 100), measure()).LaidOutWidth, 16);
    const THTMLDrawResult large = DrawHTMLText(p.C(), "<IMG SRC=\"LSYS:/tmp\">", Rect(0, 0, 300, 100), measure());
    EXPECT_EQ(large.LaidOutWidth, 32);
    EXPECT_EQ(large.LaidOutHeight, std::max(32, gh));
    // A bare index has no icon here and takes no space.
    EXPECT_EQ(DrawHTMLText(p.C(), "<IMG SRC=\"SSYS:3\">", Rect(0, 0, 300, 100), measure()).LaidOutWidth, 0);
    DrawHTMLText(p.C(), "<IMG SRC=\"SSYS:/tmp/a.txt\">", Rect(0, 0, 300, 100));
    EXPECT_EQ(p.At(5, 5), TColor(clRed));
    SetSystemIcons(nullptr);
}

// ---- malformed texts ------------------------------------------------------------------------------

TEST(HtmlLayout, MalformedTextsEnd)
{
    QString deep;
    for (int i = 0; i < 200; ++i)
        deep += "<UL><LI>x";
    QString deepClose = deep;
    for (int i = 0; i < 300; ++i)
        deepClose += "</UL>";
    const QString plain1MB = QString(1 << 20, u'a');
    QString words;
    while (words.size() < (1 << 20))
        words += "word ";
    const QString cases[] = {
        "<",
        "a<",
        "a<b",
        "<B",
        "<B>unclosed",
        "text <A HREF=\"x",
        "<A HREF=x>y</A>",
        "<FONT COLOR=red SIZE=3>z",
        "<FONT COLOR=\"",
        "<IMG SRC=",
        "<IMG SRC=\"big\" WIDTH=\"",
        "<CONTROL",
        "<CONTROL TYPE=\"EDIT\" WIDTH=\"10",
        "<P ALIGN=\"RIGHT",
        "</",
        "</>",
        "<>",
        "<<<<>>>>",
        "&",
        "&amp",
        "&&&&;;;;",
        "<R a=\"45\">rotated</R></R></R>",
        "<SUB><SUB><SUP>x</SU>",
        "<LI><LI><LI>",
        "</UL></UL></UL>",
        "<BODY BGCOLOR=\"clred\" BACKGROUND=\"nothing\">x",
        "<P BGCOLOR=\"\">x</P>",
        "<IND x=\"-5\">x",
        "Pump<Cold",
        deep,
        deepClose,
        plain1MB,
    };
    Page p;
    for (const QString& text : cases) {
        for (bool wrap : {false, true}) {
            THTMLDrawOptions o;
            o.WrapWords = wrap;
            EXPECT_NO_THROW(DrawHTMLText(p.C(), text, Rect(0, 0, 200, 100), o)) << text.left(40).toStdString();
            o.MeasureOnly = true;
            EXPECT_NO_THROW(DrawHTMLText(p.C(), text, Rect(0, 0, 200, 100), o));
            o.MeasureOnly = false;
            o.HitTestOnly = true;
            EXPECT_NO_THROW(DrawHTMLText(p.C(), text, Rect(0, 0, 200, 100), o));
        }
    }
    // A long wrapped text in sizing mode: every line laid out, once.
    THTMLDrawOptions o = measure();
    o.WrapWords = true;
    const QString some = words.left(5000);
    EXPECT_EQ(DrawHTMLText(p.C(), some, Rect(0, 0, 200, 100), o).PlainText, some);
    EXPECT_EQ(DrawHTMLText(p.C(), "Pump<Cold", Rect(0, 0, 200, 100), measure()).PlainText, "Pump");
}

// ---- pixels -----------------------------------------------------------------------------------------

// Columns (x) of R holding a pixel that differs between two images.
std::vector<int> differingColumns(const QImage& A, const QImage& B, const TRect& R)
{
    std::vector<int> cols;
    for (int x = R.Left; x < R.Right; ++x)
        for (int y = R.Top; y < R.Bottom; ++y)
            if (A.pixel(x, y) != B.pixel(x, y)) {
                cols.push_back(x);
                break;
            }
    return cols;
}

int firstInkColumn(Page& P, const TRect& R)
{
    for (int x = R.Left; x < R.Right; ++x)
        for (int y = R.Top; y < R.Bottom; ++y)
            if (P.At(x, y) != Paper)
                return x;
    return -1;
}

TEST(HtmlPixels, RightAlignmentUnderlineFocusAndBands)
{
    Page a;
    const int gh = a.H();
    // Right alignment of this and the following lines.
    DrawHTMLText(a.C(), "<P ALIGN=\"RIGHT\">x<BR>wide", Rect(0, 0, 200, 100));
    EXPECT_GE(firstInkColumn(a, Rect(0, 0, 200, gh)), 200 - a.W("x") - 1);
    EXPECT_GE(firstInkColumn(a, Rect(0, gh, 200, 2 * gh)), 200 - a.W("wide") - 1);

    // Only the hot link is underlined.
    Page plain, hot;
    THTMLDrawOptions o;
    o.UnderlineHotOnly = true;
    o.LinkColor = clBlack;
    DrawHTMLText(plain.C(), Links, Rect(0, 0, 300, 100), o);
    o.HotAnchorIndex = 2;
    DrawHTMLText(hot.C(), Links, Rect(0, 0, 300, 100), o);
    const std::vector<int> cols = differingColumns(plain.Image(), hot.Image(), Rect(0, 0, 300, gh + 2));
    ASSERT_FALSE(cols.empty());
    const int l2 = 1 + plain.W("one") + plain.W(" "), r2 = l2 + plain.W("two");
    EXPECT_GE(cols.front(), l2);
    EXPECT_LE(cols.back(), r2);
    EXPECT_GE(int(cols.size()), plain.W("two") - 2) << "a line under the whole link";

    // The focus rectangle around link 1, and its target.
    Page focus;
    o = THTMLDrawOptions();
    o.FocusAnchorIndex = 0;
    const THTMLDrawResult fr = DrawHTMLText(focus.C(), Links, Rect(0, 0, 300, 100), o);
    EXPECT_EQ(fr.FocusHref, "h1");
    Page nofocus;
    DrawHTMLText(nofocus.C(), Links, Rect(0, 0, 300, 100));
    const std::vector<int> fc = differingColumns(nofocus.Image(), focus.Image(), Rect(0, 0, 300, 100));
    ASSERT_FALSE(fc.empty());
    EXPECT_EQ(fc.front(), 1 - 1);
    EXPECT_EQ(fc.back(), 1 + focus.W("one"));

    // A paragraph band across the whole rectangle, a font background behind
    // its text only.
    Page band;
    DrawHTMLText(band.C(), "<P BGCOLOR=\"#FF0000\">x</P><BR>y", Rect(0, 0, 200, 100));
    EXPECT_EQ(band.At(190, gh / 2), TColor(clRed));
    EXPECT_EQ(band.At(190, gh + gh / 2), Paper);
    // A band that starts after text on its line leaves that text drawn.
    Page late;
    DrawHTMLText(late.C(), "abc<P BGCOLOR=\"#FF0000\">def</P>", Rect(0, 0, 200, 100));
    bool dark = false;
    for (int x = 1; x < 1 + late.W("abc"); ++x)
        for (int y = 0; y < gh; ++y)
            dark = dark || QColor(late.Image().pixel(x, y)).value() < 100;
    EXPECT_TRUE(dark) << "the text before the band";
    EXPECT_EQ(late.At(1, gh / 2), Paper);
    EXPECT_EQ(late.At(190, gh / 2), TColor(clRed));
    Page font;
    DrawHTMLText(font.C(), "<FONT BGCOLOR=\"clyellow\">abc</FONT>def", Rect(0, 0, 200, 100));
    EXPECT_EQ(font.At(1 + font.W("abc") / 2, 1), TColor(clYellow));
    EXPECT_EQ(font.At(1 + font.W("abc") + 2, gh - 1), Paper);
    EXPECT_EQ(font.At(1 + font.W("abc") - 2, gh - 1), TColor(clYellow));
    // <HI> uses the module's highlight colours.
    Page hi;
    DrawHTMLText(hi.C(), "<HI>abc</HI>", Rect(0, 0, 200, 100));
    EXPECT_EQ(hi.At(2, 1), ColorToRGB(HTMLHighlightBackground()));
}

TEST(HtmlPixels, TextBeforeAHiddenRunIsDrawn)
{
    // <Z> later on the line hides only what follows it.
    Page p;
    DrawHTMLText(p.C(), "ab<Z>hidden<BR>more", Rect(0, 0, 200, 100));
    EXPECT_NE(firstInkColumn(p, Rect(0, 0, 1 + p.W("ab"), p.H())), -1);
    EXPECT_EQ(firstInkColumn(p, Rect(1 + p.W("ab") + 1, 0, 200, p.H())), -1);
    EXPECT_EQ(firstInkColumn(p, Rect(0, p.H(), 200, 2 * p.H())), -1) << "still hidden on the next line";
}

class ThemeScope {
public:
    explicit ThemeScope(ThemePainter* P) { SetThemes(P); }
    ~ThemeScope() { SetThemes(nullptr); }
};

TEST(HtmlPixels, CheckedCheckBoxInBothThemeModes)
{
    ClassicThemePainter classic;
    for (ThemePainter* mode : {static_cast<ThemePainter*>(nullptr), static_cast<ThemePainter*>(&classic)}) {
        ThemeScope scope(mode);
        Page on, off;
        DrawHTMLText(on.C(), "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"20\">", Rect(0, 0, 100, 40));
        DrawHTMLText(off.C(), "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"FALSE\" WIDTH=\"20\">", Rect(0, 0, 100, 40));
        // The box lies at (left + 2, b - 15, left + 15, b) on a 16-pixel line.
        const std::vector<int> cols = differingColumns(on.Image(), off.Image(), Rect(0, 0, 100, 40));
        ASSERT_FALSE(cols.empty()) << (mode ? "classic" : "styled");
        EXPECT_GE(cols.front(), 3);
        EXPECT_LE(cols.back(), 16);
        // The unchecked box is drawn too.
        EXPECT_NE(firstInkColumn(off, Rect(0, 0, 100, 40)), -1);
    }
}

TEST(HtmlPixels, CanvasComesBackAsItWas)
{
    Page p;
    p.C().Font().SetColor(clGreen);
    p.C().Brush().SetColor(clAqua);
    p.C().Pen().SetColor(clPurple);
    p.C().Pen().SetWidth(3);
    DrawHTMLText(p.C(), "<B><FONT COLOR=\"clred\" BGCOLOR=\"clblue\" SIZE=\"20\">x<E>err</E><HR>", Rect(0, 0, 200, 100));
    EXPECT_EQ(p.C().Font().Color(), clGreen);
    EXPECT_FALSE(p.C().Font().Style().Contains(fsBold));
    EXPECT_EQ(p.C().Brush().Color(), clAqua);
    EXPECT_EQ(p.C().Brush().Style(), bsSolid);
    EXPECT_EQ(p.C().Pen().Color(), clPurple);
    EXPECT_EQ(p.C().Pen().Width(), 3);
}

// Whether the page holds a pixel near Color (each channel within 48).
bool hasColour(Page& P, TColor Color)
{
    const QImage img = P.Image();
    const TColor c = ColorToRGB(Color);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = img.pixel(x, y);
            if (std::abs(qRed(px) - int(GetRValue(c))) < 48 && std::abs(qGreen(px) - int(GetGValue(c))) < 48 &&
                std::abs(qBlue(px) - int(GetBValue(c))) < 48)
                return true;
        }
    return false;
}

TEST(HtmlPixels, ColoursOfTagsAndOptions)
{
    struct Case {
        const char* what;
        QString html;
        std::function<void(THTMLDrawOptions&)> set;
        TColor colour;
        bool present;
    } cases[] = {
        {"font colour", "<FONT COLOR=\"clred\">HHHH</FONT>", {}, clRed, true},
        {"kept colours", "<FONT COLOR=\"clred\">HHHH</FONT>", [](auto& o) { o.KeepColors = true; }, clRed, false},
        {"blink shown", "<BLINK>HHHH</BLINK>", {}, clBlack, true},
        {"blink hidden", "<BLINK>HHHH</BLINK>", [](auto& o) { o.BlinkVisible = false; }, clBlack, false},
        {"error wave", "<E>word</E>", {}, clRed, true},
        {"shadow", "<SHAD>HHHH</SHAD>", [](auto& o) { o.ShadowColor = clLime; }, clLime, true},
        {"no shadow", "HHHH", [](auto& o) { o.ShadowColor = clLime; }, clLime, false},
        {"hot link background", "<A HREF=\"x\">HHHH</A>", [](auto& o) { o.HotLinkBackColor = clYellow; }, clYellow,
         true},
        {"cold link background", "<A HREF=\"x\">HHHH</A>",
         [](auto& o) {
             o.HotLinkBackColor = clYellow;
             o.UnderlineHotOnly = true;
         },
         clYellow, false},
        {"hot link text", "<A HREF=\"x\">HHHH</A>",
         [](auto& o) {
             o.HotLinkTextColor = clRed;
             o.UnderlineHotOnly = true;
             o.HotAnchorIndex = 1;
         },
         clRed, true},
        {"body colour", "<BODY BGCOLOR=\"clAqua\">x", {}, clAqua, true},
        // A closing </H...> without an open <HI> leaves the colour alone.
        {"stray closing tag", "<FONT COLOR=\"clred\">ab</H1>HHHH</FONT>", {}, clBlack, false},
    };
    for (const Case& c : cases) {
        Page p(200, 60);
        THTMLDrawOptions o;
        if (c.set)
            c.set(o);
        DrawHTMLText(p.C(), c.html, Rect(0, 0, 200, 60), o);
        EXPECT_EQ(hasColour(p, c.colour), c.present) << c.what;
    }
}

TEST(HtmlPixels, TextsThatDrawTheSame)
{
    struct Case {
        const char* a;
        const char* b;
    } cases[] = {
        {"a<SUP>b", "a<SUP>b</SUP>"},  // an open superscript lifts only what follows it
        {"a<SUB>b", "a<SUB>b</SUB>"},
        {"<U>x</UL>y", "<U>x</U>y"},   // </UL> at list level 0 ends the underline
        {"R&amp;D", "R&D"},
        {"<#12>", "#12"},
        {"a\r\nb", "a<BR>b"},
    };
    for (const Case& c : cases) {
        Page a(200, 60), b(200, 60);
        DrawHTMLText(a.C(), c.a, Rect(0, 0, 200, 60));
        DrawHTMLText(b.C(), c.b, Rect(0, 0, 200, 60));
        EXPECT_TRUE(a.Image() == b.Image()) << c.a << " / " << c.b;
    }
}

TEST(HtmlPixels, WhatTheCanvasDoesNotShowChangesNothingItShows)
{
    // Lines below a short page are laid out but not drawn: the page shows
    // what the top of a tall page shows, and the results are the same.
    QString text;
    for (int i = 0; i < 12; ++i)
        text += QString("<SHAD>line %1</SHAD> <E>wave</E> <A HREF=\"h%1\">link %1</A><BR>").arg(i);
    Page shortPage(200, 37), tallPage(200, 300);
    THTMLDrawOptions o;
    o.FocusAnchorIndex = 9;
    o.ShadowDistance = 2;
    const THTMLDrawResult a = DrawHTMLText(shortPage.C(), text, Rect(0, 0, 200, 300), o);
    const THTMLDrawResult b = DrawHTMLText(tallPage.C(), text, Rect(0, 0, 200, 300), o);
    EXPECT_TRUE(shortPage.Image() == tallPage.Image().copy(0, 0, 200, 37));
    EXPECT_EQ(a.FocusHref, "h9");
    EXPECT_EQ(a.FocusHref, b.FocusHref);
    EXPECT_EQ(a.LaidOutHeight, b.LaidOutHeight);
    EXPECT_EQ(a.LaidOutWidth, b.LaidOutWidth);
    EXPECT_EQ(a.PlainText, b.PlainText);
}

TEST(HtmlPixels, AltPictureWhileTheHitPointIsOnIt)
{
    Pictures pics;
    pics.Add("pic", 20, 20, qRgb(0, 128, 0));
    pics.Add("hover", 20, 20, qRgb(255, 0, 0));
    for (bool over : {false, true}) {
        Page p(200, 60);
        THTMLDrawOptions o;
        o.PictureStore = pics.Store();
        o.HitX = over ? 10 : 150;
        o.HitY = 10;
        DrawHTMLText(p.C(), "<A HREF=\"x\"><IMG SRC=\"pic\" ALT=\"hover\"></A>", Rect(0, 0, 200, 60), o);
        EXPECT_EQ(p.At(6, 6), over ? TColor(clRed) : TColor(0x008000));
    }
}

TEST(HtmlPixels, PushButtonPressedWhileHotAndDown)
{
    const QString button = "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"OK\" WIDTH=\"60\">";
    ClassicThemePainter classic;
    for (ThemePainter* mode : {static_cast<ThemePainter*>(nullptr), static_cast<ThemePainter*>(&classic)}) {
        ThemeScope scope(mode);
        auto draw = [&](int X, bool Down) {
            Page p(100, 40);
            THTMLDrawOptions o;
            o.HitX = X;
            o.HitY = 12;
            o.PointerDown = Down;
            DrawHTMLText(p.C(), button, Rect(0, 0, 100, 40), o);
            return p.Image();
        };
        EXPECT_TRUE(draw(30, true) != draw(30, false)) << (mode ? "classic" : "styled");
        EXPECT_TRUE(draw(90, true) == draw(90, false)) << "away from the button the pointer changes nothing";
    }
}

TEST(HtmlPixels, RightToLeftLocaleAndReadingOrder)
{
    Page probe;
    const int w = probe.W("abc");
    struct Case {
        bool rtlLocale;
        int order;
        bool right;
    } cases[] = {{false, 1, false}, {true, 0, false}, {true, 1, true}};
    for (const Case& c : cases) {
        SetRightToLeftLocaleQuery(c.rtlLocale ? +[] { return true; } : nullptr);
        Page p(200, 40);
        THTMLDrawOptions o;
        o.ReadingOrder = c.order;
        DrawHTMLText(p.C(), "abc", Rect(0, 0, 200, 40), o);
        const int first = firstInkColumn(p, Rect(0, 0, 200, 40));
        if (c.right)
            EXPECT_GE(first, 200 - w - 2) << c.order;
        else
            EXPECT_LE(first, 4) << c.rtlLocale << " " << c.order;
    }
    SetRightToLeftLocaleQuery(nullptr);
}

TEST(HtmlPixels, ScaledOutputStretchesImageListImages)
{
    TImageList list(nullptr, 16, 16);
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush().SetColor(clGreen);
    glyph.Canvas().FillRect(Rect(0, 0, 16, 16));
    list.Add(glyph);
    for (bool scaled : {false, true}) {
        Page p(200, 60);
        THTMLDrawOptions o;
        o.ImageList = &list;
        o.ScaledOutput = scaled;
        o.ImageScale = 2.0;
        const THTMLDrawResult r = DrawHTMLText(p.C(), "<IMG SRC=\"IDX:0\">", Rect(0, 0, 200, 60), o);
        EXPECT_EQ(r.LaidOutWidth, 16) << "the box keeps the image size";
        EXPECT_EQ(p.At(8, 8), TColor(clGreen));
        EXPECT_EQ(p.At(1 + 24, 24), scaled ? TColor(clGreen) : Paper);
    }
}

QString SampleText()
{
    return
        "<FONT FACE=\"DejaVu Serif\" SIZE=\"4\" COLOR=\"clnavy\">Formatted text</FONT> <B>bold</B> <I>italic</I> "
        "<U>under</U> <S>struck</S> R&amp;D &copy; 5&euro;<BR>"
        "<FONT COLOR=\"#FF0000\">red</FONT> <FONT BGCOLOR=\"clyellow\">marked</FONT> <HI>highlight</HI> "
        "x<SUP>2</SUP> H<SUB>2</SUB>O <SHAD>shadow</SHAD> <E>misspeled</E><BR>"
        "<A HREF=\"a\">first link</A> and <A HREF=\"b\">second link</A><HR>"
        "<UL><LI>one<UL><LI>nested</UL><LI>two</UL>"
        "<BR><P BGCOLOR=\"#E0FFE0\">a paragraph band</P>"
        "<IMG SRC=\"IDX:0\"> <IMG SRC=\"swatch\" ALIGN=\"MIDDLE\"> picture "
        "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"edit\" WIDTH=\"60\"> "
        "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"20\">"
        "<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"TRUE\" WIDTH=\"20\">"
        "<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"combo\" WIDTH=\"70\"> "
        "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Button\" WIDTH=\"60\">";
}

// The sample a developer looks at: VYN_RENDER_DIR=<dir> keeps it.
TEST(HtmlPixels, SampleRendersToPng)
{
    Page p(420, 300);
    Pictures pics;
    pics.Add("swatch", 24, 16, qRgb(30, 144, 255));
    TImageList list(nullptr, 16, 16);
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush().SetColor(clGreen);
    glyph.Canvas().FillRect(Rect(0, 0, 16, 16));
    list.Add(glyph);
    THTMLDrawOptions o;
    o.PictureStore = pics.Store();
    o.ImageList = &list;
    o.WrapWords = true;
    o.HotAnchorIndex = 1;
    o.FocusAnchorIndex = 1;
    const THTMLDrawResult r = DrawHTMLText(p.C(), SampleText(), Rect(4, 4, 416, 296), o);
    EXPECT_GT(r.LaidOutHeight, 6 * p.H());
    EXPECT_EQ(r.AnchorCount, 2);
    EXPECT_EQ(r.FocusHref, "b");
    QString path = QDir::temp().filePath("html_sample.png");
    if (const char* keep = std::getenv("VYN_RENDER_DIR"))
        path = QDir(QString::fromLocal8Bit(keep)).filePath("html_sample.png");
    ASSERT_TRUE(p.Image().save(path, "PNG"));
    if (!std::getenv("VYN_RENDER_DIR"))
        QFile::remove(path);
}

// The sample in a real window (run with VYN_TEST_DISPLAY=1 under a display
// to read it back from the screen; VYN_RENDER_DIR=<dir> keeps the picture).
TEST(HtmlPixels, SampleInAWindow)
{
    class SampleWidget : public QWidget {
    protected:
        void paintEvent(QPaintEvent*) override
        {
            QPainter painter(this);
            TCanvas canvas;
            canvas.SetPainter(&painter);
            canvas.Brush().SetColor(Paper);
            canvas.FillRect(Rect(0, 0, width(), height()));
            canvas.Font().SetColor(clBlack);
            THTMLDrawOptions o;
            o.WrapWords = true;
            DrawHTMLText(canvas, SampleText(), Rect(4, 4, width() - 4, height() - 4), o);
            canvas.SetPainter(nullptr);
        }
    } w;
    w.resize(420, 300);
    w.show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    QImage shot;
    if (QGuiApplication::platformName() == "xcb")
        shot = w.screen()->grabWindow(w.winId()).toImage();
    else
        shot = w.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    // The paragraph band's colour reaches the right edge of its line.
    bool band = false;
    for (int y = 0; y < shot.height() && !band; ++y)
        band = QColor(shot.pixel(shot.width() - 8, y)) == QColor(0xE0, 0xFF, 0xE0);
    EXPECT_TRUE(band);
    if (const char* keep = std::getenv("VYN_RENDER_DIR"))
        shot.save(QDir(QString::fromLocal8Bit(keep)).filePath("html_sample_window.png"), "PNG");
}

}  // namespace
