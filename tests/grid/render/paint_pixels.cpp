// The painted grid, probed pixel by pixel: the fixed-cell looks, hover and
// pressed headers, the selection, row indicator, modified bar, focus
// rectangle, cell borders, background, guide lines, plain text rules, the
// sort indicator, password cells, data check boxes and hidden columns.
#include "paint_fixture.h"

#include <functional>
#include <set>

#include "grid/core/grid_draw.h"
#include "grid/data/grid_data_holders.h"
#include "platform/gui/bitmap.h"

namespace {

QImage Crop(const QImage& I, const TRect& R) { return I.copy(R.ToQt()); }

TEST_F(GridPaintTest, OneFixedCellPerLook)
{
    grid->SetVynGradientFrom(0xF0F0F0);
    grid->SetVynGradientTo(0xA0A0A0);
    const TColor half = HalfColor(0xD0D0D0);
    struct Case {
        TGridLook look;
        std::function<void(const QImage&, const TRect&)> check;
    } cases[] = {
        {TGridLook::glStandard,
         [&](const QImage& I, const TRect& c) {
             EXPECT_EQ(At(I, c.Left + 10, c.Top), TColor(0xD0D0D0)) << "no top line";
             EXPECT_EQ(At(I, c.Left, c.Top + 10), TColor(0xD0D0D0)) << "no left line";
             EXPECT_EQ(At(I, c.Left + 10, c.Top + 10), TColor(0xD0D0D0));
         }},
        {TGridLook::glClassic,
         [&](const QImage& I, const TRect& c) {
             EXPECT_EQ(At(I, c.Right - 1, c.Top + 10), TColor(clBlack)) << "black right line";
             EXPECT_EQ(At(I, c.Left + 10, c.Bottom - 1), TColor(clBlack)) << "black bottom line";
             EXPECT_EQ(At(I, c.Left, c.Top + 10), ColorToRGB(clBtnHighlight)) << "raised left edge";
             EXPECT_EQ(At(I, c.Left + 10, c.Top), ColorToRGB(clBtnHighlight)) << "raised top edge";
         }},
        {TGridLook::glSoft,
         [&](const QImage& I, const TRect& c) {
             EXPECT_EQ(At(I, c.Left + 10, c.Top), TColor(clWhite));
             EXPECT_EQ(At(I, c.Left + 10, c.Bottom - 1), half);
             EXPECT_EQ(At(I, c.Right - 1, c.Top + 10), half) << "soft vertical line";
         }},
        {TGridLook::glVyn,
         [&](const QImage& I, const TRect& c) {
             EXPECT_EQ(At(I, c.Left + 10, c.Top), TColor(clWhite));
             EXPECT_EQ(At(I, c.Left, c.Top + 10), TColor(clWhite));
             EXPECT_EQ(At(I, c.Left + 10, c.Bottom - 1), half);
         }},
        {TGridLook::glXP,
         [&](const QImage& I, const TRect& c) {
             EXPECT_EQ(At(I, c.Left + 10, c.Top), TColor(clWhite));
             EXPECT_EQ(At(I, c.Left, c.Top + 10), TColor(clWhite));
             EXPECT_EQ(At(I, c.Left + 10, c.Bottom - 1), half);
             EXPECT_NE(At(I, c.Left + 10, c.Top + 3), At(I, c.Left + 10, c.Bottom - 4)) << "gradient";
         }},
        {TGridLook::glVista,
         [&](const QImage& I, const TRect& c) {
             EXPECT_EQ(At(I, c.Left, c.Top + 10), TColor(clWhite)) << "white left line";
             EXPECT_EQ(At(I, c.Right - 2, c.Top + 10), TColor(clWhite)) << "white right line";
         }},
        {TGridLook::glWin7,
         [&](const QImage& I, const TRect& c) {
             EXPECT_EQ(At(I, c.Left, c.Top + 10), At(I, c.Left + 10, c.Top + 10)) << "no side line";
         }},
        {TGridLook::glOffice2007,
         [&](const QImage& I, const TRect& c) {
             EXPECT_EQ(At(I, c.Left, c.Top + 10), At(I, c.Left + 10, c.Top + 10)) << "no side line";
             EXPECT_NE(At(I, c.Left + 10, c.Top + 3), At(I, c.Left + 10, c.Bottom - 4)) << "gradient";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.look));
        SetPaintLook(c.look);
        const QImage image = Paint();
        c.check(image, grid->CellRect(2, 0));
    }
}

TEST_F(GridPaintTest, ListViewHeaderWithAndWithoutThemes)
{
    SetPaintLook(TGridLook::glListView);
    ClassicThemePainter classic;
    SetThemes(&classic);
    QImage image = Paint();
    TRect c = grid->CellRect(2, 0);
    // Without themes: a button-face box in a white frame.
    EXPECT_EQ(At(image, c.Left, c.Top + 10), TColor(clWhite));
    EXPECT_EQ(At(image, c.Left + 10, c.Top + 10), ColorToRGB(clBtnFace));
    SetThemes(nullptr);
    image = Paint();
    // With themes: the header part, a white line along its top.
    EXPECT_EQ(At(image, c.Left + 10, c.Top), TColor(clWhite));
    EXPECT_NE(At(image, c.Left + 10, c.Top + 10), TColor(0xD0D0D0));
}

TEST_F(GridPaintTest, HoverPressedAndNoHover)
{
    SetPaintLook(TGridLook::glXP);
    grid->FHoverFixed = TPoint(2, 0);
    // The frame's bottom line (the look's white lines cover its top and
    // left ones).
    auto leftEdge = [&] {
        const TRect c = grid->CellRect(2, 0);
        return At(Paint(), c.Left + 10, c.Bottom - 2);
    };
    grid->SetHoverFixedCells(THoverFixedCells::hfNone);
    grid->FMouseDownMove = true;
    const TColor none = leftEdge();
    EXPECT_NE(none, grid->VynGradientHoverBorder());
    EXPECT_NE(none, grid->VynGradientDownBorder());
    grid->SetHoverFixedCells(THoverFixedCells::hfAll);
    grid->FMouseDownMove = false;
    EXPECT_EQ(leftEdge(), grid->VynGradientHoverBorder()) << "hover frame";
    grid->FMouseDownMove = true;
    EXPECT_EQ(leftEdge(), grid->VynGradientDownBorder()) << "pressed frame";
    // Only fixed columns: the header row does not react.
    grid->SetHoverFixedCells(THoverFixedCells::hfFixedColumns);
    EXPECT_EQ(leftEdge(), none);
}

TEST_F(GridPaintTest, FixedDropDownButtonSwapsItsHalves)
{
    SetPaintLook(TGridLook::glXP);
    grid->SetHoverFixedCells(THoverFixedCells::hfAll);
    grid->ControlLook()->SetFixedDropDownButton(true);
    grid->FHoverFixed = TPoint(2, 0);
    grid->FMouseDownMove = true;
    const TColor hover = grid->VynGradientHoverBorder(), down = grid->VynGradientDownBorder();
    auto edges = [&](bool DropDown) {
        grid->FDropDownDown = DropDown;
        const QImage image = Paint();
        const TRect c = grid->CellRect(2, 0);
        // The bottom lines of the two frames.
        return std::pair{At(image, c.Left + 10, c.Bottom - 2), At(image, c.Right - 6, c.Bottom - 2)};
    };
    EXPECT_EQ(edges(false), (std::pair{down, hover})) << "header pressed, button hovered";
    EXPECT_EQ(edges(true), (std::pair{hover, down})) << "button pressed, header hovered";
    // The drop arrow below (Right - 8, Top + 8).
    const QImage image = Paint();
    const TRect c = grid->CellRect(2, 0);
    EXPECT_EQ(At(image, c.Right - 1 - 8, c.Top + 9), TColor(clBlack));
}

TEST_F(GridPaintTest, UnfocusedSelectionWithoutColourIsHighlight)
{
    grid->SetSelectionColor(clNone);
    grid->SetSelection(TGridRect{1, 2, 3, 4});
    FocusElsewhere();
    ASSERT_FALSE(grid->Focused());
    const QImage image = Paint();
    const TRect c = grid->CellRect(2, 3);
    EXPECT_EQ(At(image, c.Left + 20, c.Top + 10), ColorToRGB(clHighlight));
}

TEST_F(GridPaintTest, RowIndicatorShiftsOnlyTheCurrentRow)
{
    TBitmap ind(9, 9);
    ind.Canvas().Brush().SetColor(0x0000C0);
    ind.Canvas().FillRect(TRect{0, 0, 9, 9});
    ind.Canvas().SetPixels(0, 0, clFuchsia);  // the key colour
    grid->SetRowIndicator(&ind);
    SetPaintLook(TGridLook::glStandard);
    grid->SetCells(0, 2, "W");
    grid->SetCells(0, 3, "W");
    grid->SetRow(2);
    const QImage image = Paint();
    auto firstInk = [&](int ARow) {
        const TRect c = grid->CellRect(0, ARow);
        for (int x = c.Left; x < c.Right; ++x)
            for (int y = c.Top; y < c.Bottom; ++y)
                if (qGray(image.pixel(x, y)) < 80 && At(image, x, y) != TColor(0x0000C0))
                    return x - c.Left;
        return -1;
    };
    const TRect c2 = grid->CellRect(0, 2);
    EXPECT_GT(Count(image, c2, 0x0000C0), 40) << "the indicator";
    EXPECT_EQ(Count(image, grid->CellRect(0, 3), 0x0000C0), 0);
    const int shifted = firstInk(2), plain = firstInk(3);
    EXPECT_EQ(shifted - plain, 9 + 2) << "text moved by the indicator's width + 2";
}

TEST_F(GridPaintTest, ModifiedBarOnlyInColumnZeroOfModifiedRows)
{
    SetPaintLook(TGridLook::glStandard);
    grid->ShowModified()->SetEnabled(true);
    grid->ShowModified()->SetColor(0x00FFFF);
    grid->SetRowModified(3, true);
    const QImage image = Paint();
    const TRect c = grid->CellRect(0, 3);
    const int yellowInCell = Count(image, c, 0x00FFFF);
    EXPECT_EQ(yellowInCell, 4 * (c.Height() - 2)) << "a 4-pixel bar down the cell";
    EXPECT_EQ(At(image, c.Right - 2, c.Top + 5), TColor(0x00FFFF));
    EXPECT_EQ(Count(image, grid->CellRect(0, 4), 0x00FFFF), 0);
    EXPECT_EQ(Count(image, grid->CellRect(1, 3), 0x00FFFF), 0);
}

TEST_F(GridPaintTest, FocusRectangleRules)
{
    SetPaintLook(TGridLook::glStandard);
    grid->SetShowSelection(false);
    grid->SetCol(2);
    grid->SetRow(3);
    auto focusDots = [&] {
        const QImage image = Paint();
        const TRect c = grid->CellRect(2, 3);
        int n = 0;
        for (int x = c.Left + 2; x < c.Right - 3; ++x)
            n += At(image, x, c.Top) != At(image, c.Left + 20, c.Top + 10);
        return n;
    };
    FocusElsewhere();
    EXPECT_EQ(focusDots(), 0) << "not focused";
    grid->SetFocus();
    ASSERT_TRUE(grid->Focused());
    EXPECT_GT(focusDots(), 20) << "focused";
    grid->SetHideFocusRect(true);
    EXPECT_EQ(focusDots(), 0) << "HideFocusRect";
    grid->SetHideFocusRect(false);
    grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
    EXPECT_EQ(focusDots(), 0) << "row select";
}

TEST_F(GridPaintTest, CellBordersWithPenWidths)
{
    SetPaintLook(TGridLook::glStandard);
    int width = 1;
    grid->OnGetCellBorder = [&](TObject*, int ARow, int ACol, TPen* Pen, TCellBorders& B) {
        if (ARow == 3 && ACol == 2) {
            B = TCellBorders{TCellBorder::cbLeft, TCellBorder::cbTop, TCellBorder::cbRight, TCellBorder::cbBottom};
            Pen->SetColor(0x0000FF);
            Pen->SetWidth(width);
        }
    };
    int last = 0;
    for (width = 1; width <= 3; ++width) {
        const QImage image = Paint();
        TRect c = grid->CellRect(2, 3);
        InflateRect(c, 3, 3);
        const int red = Count(image, c, 0x0000FF);
        EXPECT_GT(red, last) << "width " << width;
        // Every side of the cell has red in its middle.
        const TRect r = grid->CellRect(2, 3);
        auto redNear = [&](int X, int Y, bool Horizontal) {
            for (int d = -3; d <= 3; ++d)
                if (At(image, Horizontal ? X : X + d, Horizontal ? Y + d : Y) == TColor(0x0000FF))
                    return true;
            return false;
        };
        EXPECT_TRUE(redNear(r.Left, r.Top + 10, false)) << "left, width " << width;
        EXPECT_TRUE(redNear(r.Right - 1, r.Top + 10, false)) << "right, width " << width;
        EXPECT_TRUE(redNear(r.Left + 30, r.Top, true)) << "top, width " << width;
        EXPECT_TRUE(redNear(r.Left + 30, r.Bottom - 1, true)) << "bottom, width " << width;
        last = red;
    }
    EXPECT_EQ(Count(Paint(), grid->CellRect(3, 5), 0x0000FF), 0);
}

TEST_F(GridPaintTest, TiledBackgroundContinuesAcrossCells)
{
    TBitmap tile(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            tile.Canvas().SetPixels(x, y, RGBColor(x * 30, y * 40, 90));
    grid->BackGround()->SetBitmap(tile);
    const QImage image = Paint();
    const TRect first = grid->CellRect(1, 1);
    const int x0 = first.Left, y0 = first.Top;  // the first scrollable cell
    int checked = 0;
    // Cells away from the current (selected) one.
    for (const TRect& c : {grid->CellRect(2, 2), grid->CellRect(3, 2), grid->CellRect(2, 3)})
        for (int y = c.Top; y < c.Bottom - 1; ++y)  // the grid lines stay
            for (int x = c.Left; x < c.Right - 1; ++x) {
                const TColor want = RGBColor(((x - x0) % 7) * 30, ((y - y0) % 5) * 40, 90);
                ASSERT_EQ(At(image, x, y), want) << x << "," << y;
                ++checked;
            }
    EXPECT_GT(checked, 3000);
}

TEST_F(GridPaintTest, GradientBackgroundJoinsAcrossCells)
{
    SetPaintLook(TGridLook::glStandard);
    grid->BackGround()->SetDisplay(TBackGroundDisplay::bdGradientHorz);
    grid->BackGround()->SetColor(clWhite);
    grid->BackGround()->SetColorTo(clBlack);
    const QImage image = Paint();
    Keep(image, "grid_gradient_background.png");
    const TRect a = grid->CellRect(1, 2), b = grid->CellRect(2, 2);
    const int y = a.Top + 8;
    // The pair of pixels at the boundary (the last column of a cell is its
    // grid line).
    const int left = qGray(image.pixel(a.Right - 2, y)), right = qGray(image.pixel(b.Left + 1, y));
    const int step = (255 * 3) / grid->ClientWidth() + 2;
    EXPECT_GE(left, right);
    EXPECT_LE(left - right, step) << "no jump at the boundary";
    // It darkens across the grid.
    EXPECT_GT(qGray(image.pixel(a.Left + 5, y)), qGray(image.pixel(grid->CellRect(4, 2).Left + 5, y)) + 40);
}

TEST_F(GridPaintTest, SizeLineTwiceRestoresThePixels)
{
    int lines = 0;
    grid->OnPainted = [&](TObject*) {
        for (int i = 0; i < lines; ++i) {
            grid->DrawColSizeLine(100);
            grid->DrawRowSizeLine(50);
        }
    };
    const QImage plain = Paint();
    lines = 1;
    const QImage once = Paint();
    lines = 2;
    const QImage twice = Paint();
    EXPECT_EQ(twice, plain);
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        changed += once.pixel(100, y) != plain.pixel(100, y);
    EXPECT_GT(changed, plain.height() / 3) << "the dotted line shows";
}

TEST_F(GridPaintTest, EllipsisOnlyWithEnhTextSize)
{
    SetPaintLook(TGridLook::glStandard);
    grid->SetWordWrap(false);
    const QString longText = "A text far too long for its cell";
    auto cell = [&](const QString& Text) {
        grid->SetCells(2, 2, Text);
        return Crop(Paint(), grid->CellRect(2, 2));
    };
    // Clipped: more text past the edge changes nothing.
    EXPECT_EQ(cell(longText), cell(longText + " and more"));
    const QImage clipped = cell(longText);
    grid->SetEnhTextSize(true);
    EXPECT_NE(cell(longText), clipped) << "an ellipsis at the end";
    // A text that fits is the same either way.
    const QImage shortOn = cell("Short");
    grid->SetEnhTextSize(false);
    EXPECT_EQ(cell("Short"), shortOn);
}

TEST_F(GridPaintTest, TwoLinesWithoutWrapShowTheFirst)
{
    SetPaintLook(TGridLook::glStandard);
    grid->SetWordWrap(false);
    grid->SetRowHeights(2, 40);
    grid->SetCells(2, 2, "First");
    const QImage one = Crop(Paint(), grid->CellRect(2, 2));
    grid->SetCells(2, 2, "First\r\nSecond");
    EXPECT_EQ(Crop(Paint(), grid->CellRect(2, 2)), one);
}

TEST_F(GridPaintTest, LinksLoseTheirSchemeAndAreUnderlined)
{
    SetPaintLook(TGridLook::glStandard);
    grid->SetURLShow(true);
    grid->SetURLColor(0xC00000);
    grid->SetColWidths(2, 200);
    grid->SetCells(2, 2, "http://example.com");
    const QImage image = Paint();
    const TRect c = grid->CellRect(2, 2);
    TBitmap b(1, 1);
    b.Canvas().Font().Assign(grid->Font());
    const int shown = b.Canvas().TextWidth("example.com"), full = b.Canvas().TextWidth("http://example.com");
    // The ink of the link colour spans the stripped text only.
    int minX = INT_MAX, maxX = -1, longestRun = 0;
    for (int y = c.Top; y < c.Bottom; ++y) {
        int run = 0;
        for (int x = c.Left; x < c.Right; ++x) {
            if (At(image, x, y) == TColor(0xC00000)) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                longestRun = std::max(longestRun, ++run);
            } else {
                run = 0;
            }
        }
    }
    ASSERT_GE(maxX, 0) << "drawn in the link colour";
    EXPECT_LE(maxX - minX + 1, shown + 1);
    EXPECT_LT(maxX - minX + 1, full - 10) << "the scheme is gone";
    EXPECT_GE(longestRun, shown - 2) << "underlined";
    // URLFull keeps it.
    grid->SetURLFull(true);
    const QImage fullImage = Paint();
    int fullMax = -1;
    for (int y = c.Top; y < c.Bottom; ++y)
        for (int x = c.Left; x < c.Right; ++x)
            if (At(fullImage, x, y) == TColor(0xC00000))
                fullMax = std::max(fullMax, x);
    EXPECT_GT(fullMax, maxX + 10);
}

TEST_F(GridPaintTest, SortIndicatorPositions)
{
    SetPaintLook(TGridLook::glStandard);
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->SetColumn(2);
    grid->SortSettings()->SetRow(0);
    grid->SetCells(2, 0, "Ab");
    TBitmap b(1, 1);
    b.Canvas().Font().Assign(*grid->FixedFont());
    const int w = b.Canvas().TextWidth("Ab");
    struct Case {
        TAlignment align;
        TVAlignment valign;
    } cases[] = {{taLeftJustify, TVAlignment::vtaTop},
                 {taRightJustify, TVAlignment::vtaTop},
                 {taCenter, TVAlignment::vtaTop},
                 {taLeftJustify, TVAlignment::vtaCenter},
                 {taLeftJustify, TVAlignment::vtaBottom}};
    for (const Case& k : cases) {
        grid->SetDefaultAlignment(k.align);
        grid->SetVAlignment(k.valign);
        const QImage image = Paint();
        const TRect c = grid->CellRect(2, 0);
        // The text rectangle of a fixed cell: one pixel off the right, two
        // off the bottom.
        const TRect S{c.Left, c.Top, c.Right - 1, c.Bottom - 2};
        const int x = k.align == taLeftJustify   ? S.Left + w + 10
                      : k.align == taRightJustify ? S.Right - w - 10
                                                  : S.Left + 8;
        const int y = k.valign == TVAlignment::vtaTop      ? S.Top + 8
                      : k.valign == TVAlignment::vtaCenter ? S.Top + S.Height() / 2
                                                           : S.Bottom - 8;
        // An ascending triangle: its grey edge runs from the apex (x, y-4)
        // down to (x-4, y+4).
        EXPECT_EQ(At(image, x - 2, y), TColor(0x808080)) << int(k.align) << "/" << int(k.valign);
        EXPECT_EQ(At(image, x - 1, y - 2), TColor(0x808080)) << int(k.align) << "/" << int(k.valign);
    }
}

TEST_F(GridPaintTest, PasswordCellsMaskEveryCharacter)
{
    SetPaintLook(TGridLook::glStandard);
    grid->OnIsPasswordCell = [](TObject*, int, int ACol, bool& IsPassword) { IsPassword = ACol == 2; };
    auto cell = [&](const QString& Text) {
        grid->SetCells(2, 2, Text);
        return Crop(Paint(), grid->CellRect(2, 2));
    };
    const QImage three = cell("xyz");
    EXPECT_EQ(cell(QString::fromUtf8("a\xF0\x9F\x98\x80" "b")), three) << "a pair of units is one character";
    EXPECT_NE(cell("abcd"), three);
    EXPECT_EQ(cell("123"), three);
}

TEST_F(GridPaintTest, DataCheckBoxesForEveryStyle)
{
    SetPaintLook(TGridLook::glStandard);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    for (int r = 1; r <= 6; ++r)
        grid->AddCheckBox(2, r, false, true);
    grid->SetReadOnly(2, 4, true);
    grid->SetReadOnly(2, 5, true);
    grid->SetReadOnly(2, 6, true);
    const QString texts[] = {"Y", "N", "", "Y", "N", ""};
    for (int r = 1; r <= 6; ++r)
        grid->SetCells(2, r, texts[r - 1]);
    TBitmap on(15, 15), off(15, 15);
    on.Canvas().Brush().SetColor(0x00A000);
    on.Canvas().FillRect(TRect{0, 0, 15, 15});
    off.Canvas().Brush().SetColor(0x0000A0);
    off.Canvas().FillRect(TRect{0, 0, 15, 15});
    on.Canvas().SetPixels(0, 14, clFuchsia);  // the key colour
    off.Canvas().SetPixels(0, 14, clFuchsia);
    grid->ControlLook()->SetCheckedGlyph(on);
    grid->ControlLook()->SetUnCheckedGlyph(off);
    using S = VynObj::TControlStyle;
    ClassicThemePainter classic;
    std::map<S, QImage> themesOff;
    for (bool themes : {true, false}) {
        SetThemes(themes ? nullptr : &classic);
        for (S style : {S::csClassic, S::csFlat, S::csWinXP, S::csQuessel, S::csVyn, S::csGlyph, S::csTheme}) {
            SCOPED_TRACE(std::string("style ") + std::to_string(int(style)) + (themes ? " themes on" : " themes off"));
            grid->ControlLook()->SetControlStyle(style);
            const QImage image = Paint();
            Keep(image, (QString("grid_checks_%1_%2.png").arg(int(style)).arg(themes ? "on" : "off")).toLatin1().data());
            auto cell = [&](int ARow) { return Crop(image, grid->CellRect(2, ARow)); };
            EXPECT_NE(cell(1), cell(2)) << "Y checked, N not";
            EXPECT_EQ(cell(2), cell(3)) << "N and empty alike: the text is never drawn";
            EXPECT_EQ(cell(5), cell(6));
            if (style == S::csGlyph)
                EXPECT_EQ(cell(1), cell(4)) << "glyphs have no disabled look";
            else
                EXPECT_NE(cell(1), cell(4)) << "read-only draws the disabled look";
            EXPECT_NE(cell(4), cell(5));
            if (!themes)
                themesOff[style] = image;
        }
    }
    SetThemes(nullptr);
    EXPECT_EQ(themesOff[S::csTheme], themesOff[S::csClassic]) << "csTheme without themes is the classic box";
    // CheckAlwaysActive: read-only boxes look enabled.
    grid->ControlLook()->SetControlStyle(S::csWinXP);
    grid->ControlLook()->SetCheckAlwaysActive(true);
    const QImage image = Paint();
    EXPECT_EQ(Crop(image, grid->CellRect(2, 1)), Crop(image, grid->CellRect(2, 4)));
}

TEST_F(GridPaintTest, HiddenColumnEventsTakeTheRealColumn)
{
    grid->SetColCount(6);
    for (int c = 0; c < 6; ++c)
        grid->SetCells(c, 1, QString("c%1").arg(c));
    grid->HideColumn(2);
    std::set<int> drawn, custom;
    grid->OnDrawCell = [&](TObject*, int ACol, int ARow, TRect, TGridDrawState) {
        if (ARow == 1)
            drawn.insert(ACol);
    };
    grid->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int ARow, TGridDrawState, TRect, bool) {
        if (ARow == 1)
            custom.insert(ACol);
    };
    std::set<int> colours;
    grid->OnGetCellColor = [&](TObject*, int ARow, int ACol, TGridDrawState, TBrush*, TFont*) {
        if (ARow == 1)
            colours.insert(ACol);
    };
    Paint();
    const std::set<int> want{0, 1, 3, 4, 5};
    EXPECT_EQ(drawn, want);
    EXPECT_EQ(custom, want);
    EXPECT_EQ(colours, want);
}

}  // namespace

namespace {

TEST_F(GridPaintTest, ARaisingDrawEventLeavesTheCanvasAsItWas)
{
    grid->OnCustomCellDraw = [](TObject*, TCanvas* C, int, int, TGridDrawState, TRect, bool) {
        C->Pen().SetColor(0x0000FF);
        C->Pen().SetWidth(5);
        C->Font().SetStyle(TFontStyles{fsBold});
        C->SetClipRect(TRect{0, 0, 1, 1});
        throw Exception("draw event failed");
    };
    TBitmap b(120, 40);
    TCanvas& cv = b.Canvas();
    EXPECT_THROW(grid->PaintCell(cv, 2, 2, TRect{0, 0, 80, 22}, TGridDrawState{}), Exception);
    EXPECT_NE(cv.Pen().Color(), TColor(0x0000FF));
    EXPECT_EQ(cv.Pen().Width(), 1);
    EXPECT_FALSE(cv.Font().Style().Contains(fsBold));
    EXPECT_FALSE(cv.HasClip());
}

}  // namespace

namespace {

TEST_F(GridPaintTest, RatingShowsFullHalfAndEmptyStars)
{
    SetPaintLook(TGridLook::glStandard);
    grid->SetColWidths(2, 90);
    grid->AddRating(2, 2, 3, 0x00C0FF, 0xA0A0A0);
    grid->SetCells(2, 2, "1.5");
    const QImage image = Paint();
    Keep(image, "grid_rating.png");
    const TRect c = grid->CellRect(2, 2);
    // The stars: 16 pixels each, 18 apart, from the graphic's left edge.
    int first = -1;
    for (int x = c.Left; x < c.Right && first < 0; ++x)
        for (int y = c.Top; y < c.Bottom; ++y)
            if (At(image, x, y) == TColor(0x00C0FF) || At(image, x, y) == TColor(0xA0A0A0)) {
                first = x;
                break;
            }
    ASSERT_GE(first, 0);
    auto colours = [&](int X0, int X1) {
        int full = 0, empty = 0;
        for (int x = X0; x < X1; ++x)
            for (int y = c.Top; y < c.Bottom; ++y) {
                full += At(image, x, y) == TColor(0x00C0FF);
                empty += At(image, x, y) == TColor(0xA0A0A0);
            }
        return std::pair{full, empty};
    };
    // Star 1 full, star 2 full on its left half and empty on its right,
    // star 3 empty.
    EXPECT_EQ(colours(first, first + 16).second, 0);
    EXPECT_GT(colours(first, first + 16).first, 20);
    EXPECT_GT(colours(first + 18, first + 18 + 7).first, 5);
    EXPECT_GT(colours(first + 18 + 9, first + 18 + 16).second, 5);
    EXPECT_EQ(colours(first + 36, first + 52).first, 0);
    EXPECT_GT(colours(first + 36, first + 52).second, 20);
    // A text that is no number paints no error: 0 stars filled.
    grid->SetCells(2, 2, "many");
    const QImage none = Paint();
    int full = 0;
    for (int x = c.Left; x < c.Right; ++x)
        for (int y = c.Top; y < c.Bottom; ++y)
            full += At(none, x, y) == TColor(0x00C0FF);
    EXPECT_EQ(full, 0);
}

}  // namespace

namespace {

TEST_F(GridPaintTest, IndicatorsOfTextsThatAreNoNumbersPaintWithoutErrors)
{
    SetPaintLook(TGridLook::glStandard);
    grid->SetColWidths(2, 100);
    // A classic bar in system colours (their inverses taken on the RGB).
    grid->AddProgress(2, 1, clHighlight, clWindow);
    grid->SetCells(2, 1, "50");
    grid->AddProgress(2, 2, clHighlight, clWindow);
    grid->SetCells(2, 2, "fifty");
    // A levelled bar over an empty range, a range bar, a data image.
    grid->AddVynProgress(2, 3, 5, 5);
    grid->SetCells(2, 3, "7");
    grid->AddVynProgress(2, 4, 0, 100);
    grid->SetCells(2, 4, "x");
    grid->AddRangeIndicator(2, 5, 10, clRed, clGreen, true);
    grid->SetCells(2, 5, "??");
    TImageList images(nullptr, 8, 8);
    TBitmap img(8, 8);
    images.Add(img);
    grid->SetGridImages(&images);
    grid->AddDataImage(2, 6, 0, TCellHAlign::haLeft, TCellVAlign::vaTop);
    grid->SetCells(2, 6, "not an index");
    QImage image;
    ASSERT_NO_THROW(image = Paint());
    const TColor bar = ColorToRGB(clHighlight);
    EXPECT_GT(Count(image, grid->CellRect(2, 1), bar), 100) << "half filled";
    EXPECT_LT(Count(image, grid->CellRect(2, 2), bar), 10) << "a text that is no number: 0 %";
    grid->SetGridImages(nullptr);
}

}  // namespace

namespace {

TEST_F(GridPaintTest, ARaisingDrawEventCostsOnlyItsCellOnScreen)
{
    SetPaintLook(TGridLook::glStandard);
    grid->SetCells(3, 4, "after");
    grid->OnDrawCell = [](TObject*, int ACol, int ARow, TRect, TGridDrawState) {
        if (ACol == 2 && ARow == 2)
            throw Exception("draw event failed");
    };
    QImage image;
    ASSERT_NO_THROW(image = Paint());
    EXPECT_GT(Dark(image, grid->CellRect(3, 4)), 5) << "the cells after it are painted";
}

}  // namespace
