// The rich-text reader and rich-text cells: the runs of the subset read,
// what is skipped, characters by code and by number, hostile texts, and a
// cell that measures as it paints.
#include "paint_fixture.h"

#include "grid/render/rtf_reader.h"
#include "platform/gui/bitmap.h"

namespace {

TEST(RTFReader, RunsOfTheSubset)
{
    const QString rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier New;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
        "\\pard\\qc\\f1\\fs24 Hello \\b bold\\b0  \\i it\\i0\\par"
        "\\pard\\ul under\\ulnone\\strike st\\strike0\\cf1 red\\cf0\\highlight2 hi\\plain  plain\\line next\\tab x\\par}";
    const TRTFDocument d = ParseRTF(rtf);
    ASSERT_EQ(d.Paragraphs.size(), 2u);
    const auto& p0 = d.Paragraphs[0];
    EXPECT_EQ(p0.Align, TRTFAlign::Center);
    ASSERT_EQ(p0.Runs.size(), 4u);
    EXPECT_EQ(p0.Runs[0].Text, "Hello ");
    EXPECT_EQ(p0.Runs[0].FontName, "Courier New");
    EXPECT_EQ(p0.Runs[0].HalfPoints, 24);
    EXPECT_FALSE(p0.Runs[0].Bold);
    EXPECT_EQ(p0.Runs[1].Text, "bold");
    EXPECT_TRUE(p0.Runs[1].Bold);
    EXPECT_EQ(p0.Runs[2].Text, " ");
    EXPECT_EQ(p0.Runs[3].Text, "it");
    EXPECT_TRUE(p0.Runs[3].Italic);
    const auto& p1 = d.Paragraphs[1];
    EXPECT_EQ(p1.Align, TRTFAlign::Left);
    ASSERT_GE(p1.Runs.size(), 7u);
    EXPECT_EQ(p1.Runs[0].Text, "under");
    EXPECT_TRUE(p1.Runs[0].Underline);
    EXPECT_EQ(p1.Runs[1].Text, "st");
    EXPECT_TRUE(p1.Runs[1].StrikeOut);
    EXPECT_FALSE(p1.Runs[1].Underline);
    EXPECT_EQ(p1.Runs[2].Text, "red");
    EXPECT_EQ(p1.Runs[2].Color, TColor(0x0000FF));
    EXPECT_EQ(p1.Runs[3].Text, "hi");
    EXPECT_EQ(p1.Runs[3].Color, clNone);
    EXPECT_EQ(p1.Runs[3].Highlight, TColor(0xFF0000));
    EXPECT_EQ(p1.Runs[4].Text, " plain");
    EXPECT_EQ(p1.Runs[4].Highlight, clNone);
    EXPECT_EQ(p1.Runs[4].FontName, "");
    EXPECT_EQ(p1.Runs[5].Text, "\n");
    EXPECT_EQ(p1.Runs[6].Text, "next\tx");
    EXPECT_EQ(d.PlainText, "Hello bold it\r\nunderstredhi plain\r\nnext\tx");
}

TEST(RTFReader, SkippedGroupsAndCharacterCodes)
{
    struct Case {
        const char* rtf;
        QString plain;
    } cases[] = {
        {"{\\rtf1 A{\\*\\unknowndest secret}B{\\stylesheet{\\s0 Normal;}}C{\\info{\\title T}}D{\\pict 0123abcd}"
         "E\\unknownword F}",
         "ABCDEF"},
        {"{\\rtf1 caf\\'e9}", QString::fromUtf8("caf\xC3\xA9")},
        {"{\\rtf1 \\u8364?5}", QString::fromUtf8("\xE2\x82\xAC") + "5"},
        {"{\\rtf1 \\uc2\\u8364xy!}", QString::fromUtf8("\xE2\x82\xAC") + "!"},
        {"{\\rtf1 \\u-4064?}", QString(QChar(char16_t(61472)))},
        {"{\\rtf1 a\\{b\\}c\\\\d}", "a{b}c\\d"},
        {"{\\rtf1 x\\~y}", QString("x") + QChar(0xA0) + "y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RTFToPlainText(c.rtf), c.plain) << c.rtf;
}

TEST(RTFReader, HostileTextsAreReadWhole)
{
    // Unbalanced groups, bad codes, huge numbers, very deep nesting.
    EXPECT_EQ(RTFToPlainText("{\\rtf1 a}}}b{"), "ab");
    EXPECT_EQ(RTFToPlainText("{\\rtf1 \\'zzq\\'4"), "zzq4");
    const TRTFDocument big = ParseRTF("{\\rtf1\\fs99999999999 big}");
    ASSERT_EQ(big.Paragraphs.size(), 1u);
    EXPECT_LE(big.Paragraphs[0].Runs[0].HalfPoints, 800);
    const QString deep = QString("{").repeated(200000) + "x" + QString("}").repeated(200000);
    EXPECT_EQ(RTFToPlainText(deep), "x");
    EXPECT_EQ(RTFToPlainText("\\"), "");
    EXPECT_EQ(RTFToPlainText("{\\rtf1 \\u"), "");
}

TEST_F(GridPaintTest, RichTextCellMeasuresAsItPaints)
{
    SetPaintLook(TGridLook::glStandard);
    grid->SetColWidths(2, 300);
    grid->SetRowHeights(2, 60);
    const QString rtf = "{\\rtf1\\ansi{\\colortbl ;\\red255\\green0\\blue0;}\\b Bold\\b0  and \\cf1 red\\cf0\\par "
                        "second line\\par}";
    grid->SetCells(2, 2, rtf);
    const TPoint size = grid->GetCellTextSize(2, 2);
    TBitmap b(400, 200);
    b.Canvas().Brush().SetColor(clWhite);
    b.Canvas().FillRect(TRect{0, 0, 400, 200});
    b.Canvas().Font().Assign(grid->Font());
    b.Canvas().Font().SetColor(clBlack);
    grid->DrawRTFCell(2, 2, b.Canvas(), TRect{0, 0, 400, 200});
    const QImage& img = b.Image();
    int right = -1, bottom = -1;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x)
            if (qGray(img.pixel(x, y)) < 200) {
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0);
    const TPoint offset = grid->XYOffset();
    // The measured size holds the ink and is not much larger.
    EXPECT_LE(right + 1 - offset.X, size.X);
    EXPECT_GE(right + 1 - offset.X, size.X - 10);
    EXPECT_LE(bottom + 1 - offset.Y, size.Y);
    EXPECT_GE(bottom + 1 - offset.Y, size.Y - 14);
    // Painted in the grid: the red run in red, the plain text saved.
    const QImage image = Paint();
    EXPECT_GT(Count(image, grid->CellRect(2, 2), 0x0000FF), 5);
    EXPECT_GT(Dark(image, grid->CellRect(2, 2)), 40);
    EXPECT_EQ(grid->GetCellTextForSave(2, 2), "Bold and red\r\nsecond line");
}

}  // namespace
