// The graphics of string-grid cells besides check boxes: one table row per
// family (what Add, Create and Remove do, what Get and Has answer, who
// owns the objects), then the families with rules of their own (balloons,
// comments, markers, data images, scroll bars, buttons), the questions of
// painting and input, the metro scroll controls and the grid's own arrow
// and focus windows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/core/grid_controls.h"
#include "grid/core/grid_halo.h"
#include "grid/core/grid_lists.h"
#include "grid/core/vyn_string_grid.h"
#include "grid/interact/grid_interact_holders.h"
#include "grid/render/grid_render_holders.h"
#include "platform/gui/bitmap.h"

namespace {

// Objects of the callers, counted: an Add never frees them.
template <typename T>
struct CallerObject : T {
    static inline int Alive = 0;
    CallerObject() { ++Alive; }
    ~CallerObject() override { --Alive; }
};
using CallerBitmap = CallerObject<TBitmap>;
using CallerPicture = CallerObject<TPicture>;
using CallerFilePicture = CallerObject<TFilePicture>;
using CallerIcon = CallerObject<TIcon>;
using CallerPersistent = CallerObject<TPersistent>;

class TObjectsGrid : public TVynStringGrid {
public:
    using TVynStringGrid::TVynStringGrid;
    using TVynStringGrid::ArwD;
    using TVynStringGrid::ArwL;
    using TVynStringGrid::ArwR;
    using TVynStringGrid::ArwU;
    using TVynStringGrid::FFocusWindow;
    using TVynStringGrid::FScrollControlH;
    using TVynStringGrid::FScrollControlV;
};

struct ObjectsTest : ::testing::Test {
    TObjectsGrid g{nullptr};
    TImageList images{nullptr, 16, 16};
    ObjectsTest()
    {
        g.SetColCount(5);
        g.SetRowCount(5);
        g.SetFixedRows(1);
    }
    TCellType Kind(int C, int R) { return g.GetCellType(C, R); }
};

using A = TCellHAlign;
using V = TCellVAlign;

// A family: how to place it (Add, and Create where there is one), how to
// remove it, and whether its Get or Has finds it.
struct Family {
    const char* Name;
    TCellType Kind;
    std::function<void(TObjectsGrid&, int, int)> Add;
    std::function<void(TObjectsGrid&, int, int)> Create;
    std::function<void(TObjectsGrid&, int, int)> Remove;
    std::function<bool(TObjectsGrid&, int, int)> Found;
};

std::vector<Family> Families()
{
    static CallerBitmap bitmap;
    static CallerPicture picture;
    static CallerFilePicture filePicture;
    static CallerIcon icon;
    static CallerPersistent painter;
    static TStringList radioItems;
    return {
        {"bitmap", TCellType::ctBitmap, [](TObjectsGrid& G, int c, int r) { G.AddBitmap(c, r, &bitmap, true, A::haLeft, V::vaTop); },
         [](TObjectsGrid& G, int c, int r) { EXPECT_NE(G.CreateBitmap(c, r, true, A::haLeft, V::vaTop), nullptr); },
         [](TObjectsGrid& G, int c, int r) { G.RemoveBitmap(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.HasBitmap(c, r) && G.GetBitmap(c, r) != nullptr; }},
        {"picture", TCellType::ctPicture,
         [](TObjectsGrid& G, int c, int r) {
             G.AddPicture(c, r, &picture, false, TStretchMode::Stretch, 2, A::haLeft, V::vaTop);
         },
         [](TObjectsGrid& G, int c, int r) {
             EXPECT_NE(G.CreatePicture(c, r, false, TStretchMode::Stretch, 2, A::haLeft, V::vaTop), nullptr);
         },
         [](TObjectsGrid& G, int c, int r) { G.RemovePicture(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.HasPicture(c, r) && G.GetPicture(c, r) != nullptr; }},
        {"file picture", TCellType::ctFilePicture,
         [](TObjectsGrid& G, int c, int r) {
             G.AddFilePicture(c, r, &filePicture, false, TStretchMode::noStretch, 0, A::haLeft, V::vaTop);
         },
         [](TObjectsGrid& G, int c, int r) {
             EXPECT_NE(G.CreateFilePicture(c, r, false, TStretchMode::noStretch, 0, A::haLeft, V::vaTop), nullptr);
         },
         [](TObjectsGrid& G, int c, int r) { G.RemoveFilePicture(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.GetFilePicture(c, r) != nullptr; }},
        {"icon", TCellType::ctIcon, [](TObjectsGrid& G, int c, int r) { G.AddIcon(c, r, &icon, A::haLeft, V::vaTop); },
         [](TObjectsGrid& G, int c, int r) { EXPECT_NE(G.CreateIcon(c, r, A::haLeft, V::vaTop), nullptr); },
         [](TObjectsGrid& G, int c, int r) { G.RemoveIcon(c, r); }, nullptr},
        {"interfaced cell", TCellType::ctInterface,
         [](TObjectsGrid& G, int c, int r) { G.AddInterfacedCell(c, r, &painter); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveInterfacedCell(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.GetInterfacedCell(c, r) == &painter; }},
        {"image index", TCellType::ctImageList,
         [](TObjectsGrid& G, int c, int r) { G.AddImageIdx(c, r, 3, A::haLeft, V::vaTop); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveImageIdx(c, r); },
         [](TObjectsGrid& G, int c, int r) {
             int idx = -1;
             return G.GetImageIdx(c, r, idx) && idx == 3;
         }},
        {"data image", TCellType::ctDataImage,
         [](TObjectsGrid& G, int c, int r) { G.AddDataImage(c, r, 2, A::haLeft, V::vaTop); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveDataImage(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.HasDataImage(c, r); }},
        {"multi image", TCellType::ctImages,
         [](TObjectsGrid& G, int c, int r) { G.AddMultiImage(c, r, 0, A::haLeft, V::vaTop); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveMultiImage(c, r); }, nullptr},
        {"progress", TCellType::ctProgress,
         [](TObjectsGrid& G, int c, int r) { G.AddProgress(c, r, clBlue, clWhite); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveProgress(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.HasProgress(c, r); }},
        {"themed progress", TCellType::ctXPProgress,
         [](TObjectsGrid& G, int c, int r) { G.AddVynProgress(c, r, 0, 50); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveVynProgress(c, r); }, nullptr},
        {"progress pie", TCellType::ctProgressPie,
         [](TObjectsGrid& G, int c, int r) { G.AddProgressPie(c, r, clRed, 40); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveProgressPie(c, r); }, nullptr},
        {"range indicator", TCellType::ctRangeIndicator,
         [](TObjectsGrid& G, int c, int r) { G.AddRangeIndicator(c, r, 100, clRed, clGreen, true); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveRangeIndicator(c, r); }, nullptr},
        {"shape", TCellType::ctShape,
         [](TObjectsGrid& G, int c, int r) {
             G.AddShape(c, r, TCellShape::csStar, clYellow, clBlack, A::haCenter, V::vaCenter);
         },
         nullptr, [](TObjectsGrid& G, int c, int r) { G.RemoveShape(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.GetShapeColor(c, r) == clYellow; }},
        {"rating", TCellType::ctRating,
         [](TObjectsGrid& G, int c, int r) { G.AddRating(c, r, 5, clYellow, clGray); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveRating(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.HasRating(c, r); }},
        {"comment", TCellType::ctComment, [](TObjectsGrid& G, int c, int r) { G.AddComment(c, r, "note"); },
         nullptr, [](TObjectsGrid& G, int c, int r) { G.RemoveComment(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.GetComment(c, r) == "note"; }},
        {"balloon", TCellType::ctBalloon,
         [](TObjectsGrid& G, int c, int r) { G.AddBalloon(c, r, "title", "text", TBalloonIcon::biInfo); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveBalloon(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.HasBalloon(c, r); }},
        {"scroll bar", TCellType::ctScrollbar, [](TObjectsGrid& G, int c, int r) { G.AddScrollBar(c, r, false); },
         nullptr, [](TObjectsGrid& G, int c, int r) { G.RemoveScrollBar(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.HasScrollBar(c, r) && G.GetScrollPosition(c, r) == 0; }},
        {"button", TCellType::ctButton,
         [](TObjectsGrid& G, int c, int r) { G.AddButton(c, r, 60, 20, "Go", A::haCenter, V::vaCenter); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveButton(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.HasButton(c, r); }},
        {"bit button", TCellType::ctBitButton,
         [](TObjectsGrid& G, int c, int r) { G.AddBitButton(c, r, 60, 20, "Go", &bitmap, A::haLeft, V::vaTop); },
         [](TObjectsGrid& G, int c, int r) {
             EXPECT_NE(G.CreateBitButton(c, r, 60, 20, "Go", A::haLeft, V::vaTop), nullptr);
         },
         [](TObjectsGrid& G, int c, int r) { G.RemoveBitButton(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.HasButton(c, r); }},
        {"check box", TCellType::ctCheckBox, [](TObjectsGrid& G, int c, int r) { G.AddCheckBox(c, r, true, false); },
         nullptr, [](TObjectsGrid& G, int c, int r) { G.RemoveCheckBox(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.HasCheckBox(c, r); }},
        {"radio button", TCellType::ctRadioButton,
         [](TObjectsGrid& G, int c, int r) { G.AddRadioButton(c, r, true); }, nullptr,
         [](TObjectsGrid& G, int c, int r) { G.RemoveRadioButton(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.HasRadioButton(c, r); }},
        {"radio group", TCellType::ctRadio,
         [](TObjectsGrid& G, int c, int r) { G.AddRadio(c, r, 0, 0, &radioItems); },
         [](TObjectsGrid& G, int c, int r) { G.CreateRadio(c, r, 0, 0)->Add("x"); },
         [](TObjectsGrid& G, int c, int r) { G.RemoveRadio(c, r); },
         [](TObjectsGrid& G, int c, int r) { return G.IsRadio(c, r); }},
    };
}

}  // namespace

TEST_F(ObjectsTest, EveryFamilyAddsCreatesFindsAndRemovesOnlyItsOwnKind)
{
    g.SetGridImages(&images);
    const std::vector<Family> families = Families();
    const int bitmaps = CallerBitmap::Alive, pictures = CallerPicture::Alive, icons = CallerIcon::Alive;
    for (const Family& f : families) {
        SCOPED_TRACE(f.Name);
        for (int way = 0; way < 2; ++way) {
            const auto& place = way == 0 ? f.Add : f.Create;
            if (!place)
                continue;
            place(g, 2, 2);
            ASSERT_EQ(Kind(2, 2), f.Kind);
            const TCellGraphic* made = g.GetCellGraphic(2, 2);
            // An added object stays the caller's (a multi image's index list
            // is always its own).
            EXPECT_EQ(made->CellCreated(), way == 1 || f.Kind == TCellType::ctImages);
            if (f.Found) {
                EXPECT_TRUE(f.Found(g, 2, 2));
                EXPECT_FALSE(f.Found(g, 3, 2)) << "an empty cell";
            }
            // Every other family's Remove leaves the graphic alone.
            for (const Family& other : families) {
                if (other.Kind == f.Kind || (f.Kind == TCellType::ctBitButton && other.Kind == TCellType::ctButton))
                    continue;
                other.Remove(g, 2, 2);
                ASSERT_EQ(g.GetCellGraphic(2, 2), made) << "removed by " << other.Name;
            }
            f.Remove(g, 2, 2);
            EXPECT_EQ(Kind(2, 2), TCellType::ctEmpty);
            EXPECT_EQ(g.GetCellGraphic(2, 2), nullptr);
            if (f.Found) {
                EXPECT_FALSE(f.Found(g, 2, 2));
            }
        }
        // A family placed over another replaces it.
        f.Add(g, 3, 3);
        families.front().Add(g, 3, 3);
        EXPECT_EQ(Kind(3, 3), TCellType::ctBitmap);
        g.RemoveBitmap(3, 3);
    }
    EXPECT_EQ(CallerBitmap::Alive, bitmaps);
    EXPECT_EQ(CallerPicture::Alive, pictures);
    EXPECT_EQ(CallerIcon::Alive, icons);

    // Outside the grid every Add and Create raises and makes nothing.
    for (const Family& f : families)
        for (int way = 0; way < 2; ++way) {
            const auto& place = way == 0 ? f.Add : f.Create;
            if (!place)
                continue;
            for (auto [c, r] : {std::pair{-1, 1}, std::pair{1, -1}, std::pair{5, 1}, std::pair{1, 5}}) {
                try {
                    place(g, c, r);
                    ADD_FAILURE() << f.Name << " at " << c << "," << r;
                } catch (const Exception& e) {
                    EXPECT_EQ(e.Message(), QStringLiteral("Invalid cell")) << f.Name;
                }
            }
        }
    EXPECT_EQ(CallerBitmap::Alive, bitmaps);
}

TEST_F(ObjectsTest, ACellWithoutTheFamilyGivesNeutralAnswers)
{
    g.SetGridImages(&images);
    g.AddCheckBox(1, 1, false, false);
    for (int col : {1, 2}) {  // a check box, an empty cell
        SCOPED_TRACE(col);
        EXPECT_EQ(g.GetBitmap(col, 1), nullptr);
        EXPECT_EQ(g.GetPicture(col, 1), nullptr);
        EXPECT_EQ(g.GetFilePicture(col, 1), nullptr);
        EXPECT_EQ(g.GetInterfacedCell(col, 1), nullptr);
        EXPECT_EQ(g.GetShapeColor(col, 1), clNone);
        EXPECT_EQ(g.GetScrollPosition(col, 1), -1);
        EXPECT_EQ(g.GetScrollProp(col, 1), (TScrollProp{-1, -1}));
        EXPECT_TRUE(g.GetExpandRect(col, 1).IsEmpty());
        EXPECT_EQ(g.GetComment(col, 1), "");
        String comment = "kept";
        EXPECT_FALSE(g.IsComment(col, 1, comment));
        EXPECT_EQ(comment, "kept");
        int idx = 7;
        EXPECT_FALSE(g.GetImageIdx(col, 1, idx));
        EXPECT_EQ(idx, 7);
        EXPECT_FALSE(g.HasAutoRangeScrollBar(col, 1));
        EXPECT_EQ(g.GetRadioStrings(col, 1), nullptr);
        EXPECT_FALSE(g.HasButton(col, 1));
        EXPECT_FALSE(g.HasDataImage(col, 1));
    }
    int pos = 9, len = 9;
    g.GetMarker(2, 1, pos, len);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(g.GetButtonText(2, 1), "");
    EXPECT_TRUE(g.GetCellGraphicRect(2, 1).IsEmpty());
    // Negative indexes are no cell.
    EXPECT_FALSE(g.HasCellTypeIn(-1, 1, {TCellType::ctCheckBox}));
    EXPECT_FALSE(g.HasCheckBox(-1, 1));
    EXPECT_FALSE(g.IsControlCell(1, -1));
    // Setters of a family leave other cells alone.
    g.SetShapeColor(1, 1, clRed);
    g.SetProgressPie(1, 1, 50);
    g.SetImageIdx(1, 1, 4);
    g.SetScrollPosition(1, 1, 4);
    g.SetScrollProp(1, 1, TScrollProp{4, 4});
    const TCellGraphic* box = g.GetCellGraphic(1, 1);
    EXPECT_EQ(box->CellIndex(), 0);
    EXPECT_EQ(box->CellAngle(), 0);
    EXPECT_EQ(box->CellErrFrom(), 0);
}

TEST_F(ObjectsTest, ImageFamiliesNeedTheGridsImages)
{
    // Without GridImages nothing is added.
    g.AddImageIdx(1, 1, 1, A::haLeft, V::vaTop);
    g.AddDataImage(2, 1, 3, A::haLeft, V::vaTop);
    g.AddMultiImage(3, 1, 0, A::haLeft, V::vaTop);
    EXPECT_FALSE(g.HasCellProperties(1, 1));
    EXPECT_EQ(g.Cells(2, 1), "");
    EXPECT_FALSE(g.HasCellProperties(3, 1));

    g.SetGridImages(&images);
    // A data image writes its index into an empty cell, keeps a text.
    g.AddDataImage(2, 1, 3, A::haLeft, V::vaTop);
    EXPECT_EQ(g.Cells(2, 1), "3");
    g.SetCells(2, 2, "5");
    g.AddDataImage(2, 2, 3, A::haLeft, V::vaTop);
    EXPECT_EQ(g.Cells(2, 2), "5");
    EXPECT_TRUE(g.IsDataGraphicCell(2, 2));
    // Removing it empties the text it selected; a cell of another kind
    // keeps its text.
    g.RemoveDataImage(2, 2);
    EXPECT_EQ(g.Cells(2, 2), "");
    g.SetCells(3, 2, "text");
    g.AddComment(3, 2, "c");
    g.RemoveDataImage(3, 2);
    EXPECT_EQ(g.Cells(3, 2), "text");
    EXPECT_EQ(Kind(3, 2), TCellType::ctComment);

    g.AddImageIdx(1, 1, 1, A::haRight, V::vaBottom);
    g.SetImageIdx(1, 1, 6);
    int idx = -1;
    EXPECT_TRUE(g.GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 6);
    g.SetGridImages(nullptr);
    EXPECT_FALSE(g.GetImageIdx(1, 1, idx));

    g.SetGridImages(&images);
    g.AddMultiImage(3, 1, 1, A::haLeft, V::vaTop);
    const TCellGraphic* multi = g.GetCellGraphic(3, 1);
    EXPECT_FALSE(multi->CellBoolean()) << "Dir 1";
    auto* list = dynamic_cast<TIntList*>(multi->CellBitmap());
    ASSERT_NE(list, nullptr);
    list->Add(2);  // repaints the cell; the list is the graphic's
    EXPECT_EQ(list->Count(), 1);
}

TEST_F(ObjectsTest, BalloonsAttachToBoxesAndRadioButtonsOnly)
{
    g.AddButton(1, 1, 40, 18, "Go", A::haLeft, V::vaTop);
    g.AddBalloon(1, 1, "t", "x", TBalloonIcon::biError);
    String title, text;
    TBalloonIcon icon = TBalloonIcon::biNone;
    EXPECT_FALSE(g.IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(Kind(1, 1), TCellType::ctButton);
    EXPECT_EQ(g.GetCellGraphic(1, 1)->CellBitmap(), nullptr);

    for (int col : {2, 3}) {
        if (col == 2)
            g.AddCheckBox(col, 1, true, false);
        else
            g.AddRadioButton(col, 1, true);
        g.AddBalloon(col, 1, "first", "one", TBalloonIcon::biInfo);
        g.AddBalloon(col, 1, "Title", "Text", TBalloonIcon::biWarning);  // replaces the first
        ASSERT_TRUE(g.IsBalloon(col, 1, title, text, icon)) << col;
        EXPECT_EQ(title, "Title");
        EXPECT_EQ(text, "Text");
        EXPECT_EQ(icon, TBalloonIcon::biWarning);
        EXPECT_FALSE(g.HasBalloon(col, 1)) << "counts balloon cells only";
        EXPECT_EQ(g.GetCellGraphic(col, 1)->CellAngle(), 1);
        g.RemoveBalloon(col, 1);
        EXPECT_FALSE(g.IsBalloon(col, 1, title, text, icon));
        EXPECT_NE(Kind(col, 1), TCellType::ctEmpty) << "the box stays";
        g.AddBalloon(col, 1, "again", "", TBalloonIcon::biNone);  // freed with the box
    }
    g.RemoveCheckBox(2, 1);

    g.AddBalloon(4, 1, "Alone", "", TBalloonIcon::biInfo);
    EXPECT_TRUE(g.HasBalloon(4, 1));
    EXPECT_TRUE(g.IsBalloon(4, 1, title, text, icon));
    EXPECT_EQ(title, "Alone");
    EXPECT_EQ(g.GetCellGraphic(4, 1)->CellAngle(), 0);
}

TEST_F(ObjectsTest, CommentsMarkersAndProgressBarsShareFields)
{
    g.ControlLook()->SetCommentColor(0x00FF00);
    // SetComment adds a comment to a cell without graphic, changes a
    // comment, leaves any other graphic alone.
    g.SetComment(1, 1, "first");
    EXPECT_EQ(Kind(1, 1), TCellType::ctComment);
    EXPECT_EQ(g.GetCellGraphic(1, 1)->CellIndex(), 0x00FF00);
    g.SetComment(1, 1, "second");
    EXPECT_EQ(g.GetComment(1, 1), "second");
    g.AddProgressFormatted(2, 1, clBlue, clWhite, clSilver, clBlack, "%d%%", 10, 90);
    g.SetComment(2, 1, "ignored");
    EXPECT_EQ(Kind(2, 1), TCellType::ctProgress);
    EXPECT_EQ(g.GetCellGraphic(2, 1)->CellText(), "%d%%");
    g.AddColorComment(3, 1, "red", clRed);
    EXPECT_EQ(g.GetCellGraphic(3, 1)->CellIndex(), int(clRed));
    g.RemoveAllComments();
    EXPECT_EQ(Kind(1, 1), TCellType::ctEmpty);
    EXPECT_EQ(Kind(3, 1), TCellType::ctEmpty);
    EXPECT_EQ(Kind(2, 1), TCellType::ctProgress);

    // A progress bar's limits are the marker's fields.
    int pos = 0, len = 0;
    g.GetMarker(2, 1, pos, len);
    EXPECT_EQ(pos, 10);
    EXPECT_EQ(len, 90);
    g.AddMarker(2, 1, 3, 4);
    g.GetMarker(2, 1, pos, len);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(len, 4);
    g.RemoveMarker(2, 1);
    EXPECT_EQ(Kind(2, 1), TCellType::ctProgress);
    EXPECT_EQ(g.GetCellGraphic(2, 1)->CellErrFrom(), 0);
    EXPECT_EQ(g.GetCellGraphic(2, 1)->CellErrLen(), 0);
    // A marker on a cell without graphic has one of its own, which goes with it.
    g.AddMarker(4, 2, 1, 2);
    EXPECT_EQ(Kind(4, 2), TCellType::ctEmpty);
    ASSERT_NE(g.GetCellGraphic(4, 2), nullptr);
    g.AddMarker(4, 3, 1, 2);
    g.RemoveAllMarkers();
    EXPECT_EQ(g.GetCellGraphic(4, 2), nullptr);
    EXPECT_EQ(g.GetCellGraphic(4, 3), nullptr);

    // The progress variants: placement, limits, own text colours.
    g.AddProgress(1, 2, clBlue, clWhite);
    const TCellGraphic* p = g.GetCellGraphic(1, 2);
    EXPECT_EQ(p->CellHAlign(), A::haLeft);
    EXPECT_EQ(p->CellVAlign(), V::vaTop);
    EXPECT_EQ(p->CellBitmapColor(), clBlue);
    EXPECT_EQ(p->CellIconColor(), clWhite);
    EXPECT_EQ(p->CellErrFrom(), 0);
    EXPECT_EQ(p->CellErrLen(), 100);
    EXPECT_FALSE(p->CellBoolean());
    EXPECT_EQ(p->CellText(), "");
    g.AddProgressEx(2, 2, clBlue, clYellow, clWhite, clBlack);
    p = g.GetCellGraphic(2, 2);
    EXPECT_TRUE(p->CellBoolean());
    EXPECT_EQ(p->CellIndex(), int(clYellow));
    EXPECT_EQ(p->CellAngle(), int(clBlack));
    EXPECT_EQ(g.GetCellProperties(2, 2)->Alignment(), taLeftJustify);
    g.SetAutoNumAlign(true);
    g.AddProgress(3, 2, clBlue, clWhite);
    EXPECT_EQ(g.GetCellProperties(3, 2)->Alignment(), taRightJustify);
    EXPECT_TRUE(g.HasProgress(3, 2));
    g.AddVynProgress(4, 2, 5, 50);
    EXPECT_FALSE(g.HasProgress(4, 2)) << "ctProgress only";
    EXPECT_EQ(g.GetCellGraphic(4, 2)->CellErrLen(), 50);
    g.AddProgressPie(4, 3, clRed, 20);
    g.SetProgressPie(4, 3, 70);
    EXPECT_EQ(g.GetCellGraphic(4, 3)->CellAngle(), 70);
    EXPECT_EQ(g.GetCellGraphic(4, 3)->CellHAlign(), A::haBeforeText);
}

TEST_F(ObjectsTest, ScrollBarsInCells)
{
    g.AddScrollBar(1, 1, false);
    EXPECT_EQ(g.GetScrollProp(1, 1), (TScrollProp{0, 100}));
    EXPECT_FALSE(g.HasAutoRangeScrollBar(1, 1));
    g.SetScrollPosition(1, 1, 30);
    EXPECT_EQ(g.GetScrollPosition(1, 1), 30);
    g.SetScrollProp(1, 1, TScrollProp{10, 200});
    EXPECT_EQ(g.GetScrollProp(1, 1), (TScrollProp{10, 200}));
    // With AutoRange the page is the row's height at once and after every
    // text change; the position stays.
    g.SetRowHeights(2, 40);
    g.AddScrollBar(1, 2, true);
    EXPECT_TRUE(g.HasAutoRangeScrollBar(1, 2));
    EXPECT_EQ(g.GetScrollProp(1, 2).PageSize, 40);
    g.SetScrollPosition(1, 2, 5);
    g.SetRowHeights(2, 50);
    g.SetCells(1, 2, "longer text");
    EXPECT_EQ(g.GetScrollProp(1, 2).PageSize, 50);
    EXPECT_EQ(g.GetScrollPosition(1, 2), 5);
    // Merged: asked at any cell of the merge.
    g.MergeCells(1, 1, 2, 1);
    EXPECT_EQ(g.GetScrollPosition(2, 1), 30);
}

TEST_F(ObjectsTest, ButtonsAndTheirCaptions)
{
    g.AddButton(1, 1, 60, 20, "Plain", A::haLeft, V::vaTop);
    g.AddBitButton(2, 1, 60, 20, "Glyph", nullptr, A::haLeft, V::vaTop);
    EXPECT_EQ(g.GetCellGraphic(1, 1)->CellIndex(), 0x0014003C);
    g.RemoveBitButton(1, 1);
    EXPECT_TRUE(g.HasButton(1, 1)) << "a plain button stays";
    g.RemoveButton(2, 1);
    EXPECT_FALSE(g.HasButton(2, 1)) << "RemoveButton takes bit buttons too";

    g.SetButtonText(1, 1, "Renamed");
    EXPECT_EQ(g.GetButtonText(1, 1), "Renamed");
    g.PushButton(1, 1, true);
    EXPECT_TRUE(g.GetCellGraphic(1, 1)->CellBoolean());
    g.PushButton(1, 1, false);
    EXPECT_FALSE(g.GetCellGraphic(1, 1)->CellBoolean());
    // The caption and pressed state of any graphic, but a node's.
    g.AddComment(3, 1, "note");
    EXPECT_EQ(g.GetButtonText(3, 1), "note");
    TCellGraphic* node = g.CreateCellGraphic(4, 1);
    node->SetCellType(TCellType::ctNode);
    g.PushButton(4, 1, true);
    EXPECT_FALSE(node->CellBoolean());

    g.AddButton(3, 3, 10, 10, "a", A::haLeft, V::vaTop);
    g.CreateBitButton(4, 4, 10, 10, "b", A::haLeft, V::vaTop);
    g.RemoveAllButtons();
    EXPECT_FALSE(g.HasButton(1, 1));
    EXPECT_FALSE(g.HasButton(3, 3));
    EXPECT_FALSE(g.HasButton(4, 4));
    EXPECT_EQ(Kind(3, 1), TCellType::ctComment);
}

TEST_F(ObjectsTest, ControlAndDataGraphicKinds)
{
    const struct {
        TCellType kind;
        bool control, dataGraphic;
    } kinds[] = {
        {TCellType::ctCheckBox, true, false},       {TCellType::ctDataCheckBox, true, true},
        {TCellType::ctRadio, true, false},          {TCellType::ctButton, true, false},
        {TCellType::ctVirtCheckBox, true, true},    {TCellType::ctRowCheckBox, true, true},
        {TCellType::ctRadioButton, true, false},    {TCellType::ctTriStateCheckBox, true, false},
        {TCellType::ctBitButton, false, false},     {TCellType::ctDataImage, false, true},
        {TCellType::ctComment, false, false},       {TCellType::ctProgress, false, false},
        {TCellType::ctExpand, false, false},        {TCellType::ctNone, false, false},
    };
    for (const auto& k : kinds) {
        // A graphic of the test's (the shared kinds are never freed by a cell).
        TCellGraphic graphic;
        graphic.SetCellType(k.kind);
        g.SetGraphicObjects(2, 2, &graphic);
        EXPECT_EQ(g.IsControlCell(2, 2), k.control) << int(k.kind);
        EXPECT_EQ(g.IsDataGraphicCell(2, 2), k.dataGraphic) << int(k.kind);
        g.SetGraphicObjects(2, 2, nullptr);
    }
    EXPECT_FALSE(g.IsControlCell(2, 2));
    // The base cell of a merge answers for every cell of it.
    g.AddCheckBox(1, 1, false, false);
    g.MergeCells(1, 1, 2, 2);
    EXPECT_TRUE(g.IsControlCell(2, 2));
    EXPECT_TRUE(g.HasCheckBox(1, 1));
    EXPECT_TRUE(g.HasCellTypeIn(2, 2, {TCellType::ctCheckBox, TCellType::ctButton}));
    EXPECT_FALSE(g.HasCellTypeIn(2, 2, {TCellType::ctButton}));
}

TEST_F(ObjectsTest, GraphicAndExpandRectangles)
{
    g.SetDefaultColWidth(80);
    g.SetDefaultRowHeight(30);
    const TRect cell = g.CellRect(2, 2);
    g.AddButton(2, 2, 60, 20, "Go", A::haLeft, V::vaTop);
    // The graphic's offset: x in the low 16 bits, y in the high.
    g.GetCellGraphic(2, 2)->SetCellValue(double((4 << 16) | 3));
    EXPECT_EQ(g.GetCellGraphicRect(2, 2), Rect(cell.Left + 3, cell.Top + 4, cell.Left + 63, cell.Top + 24));
    g.GetCellGraphic(2, 2)->SetCellHAlign(A::haFull);
    g.GetCellGraphic(2, 2)->SetCellVAlign(V::vaFull);
    EXPECT_EQ(g.GetCellGraphicRect(2, 2), cell);

    g.CreateCellGraphic(3, 2)->SetCellType(TCellType::ctExpand);
    const TRect right = g.CellRect(3, 2);
    EXPECT_EQ(g.GetExpandRect(3, 2), Rect(right.Right - 13, right.Top + 2, right.Right - 2, right.Top + 13));
    EXPECT_TRUE(g.GetExpandRect(2, 2).IsEmpty());
}

TEST_F(ObjectsTest, ShapesAndRatingsKeepTheirValues)
{
    g.AddShape(1, 1, TCellShape::csDiamond, clYellow, clBlack, A::haRight, V::vaBottom);
    const TCellGraphic* s = g.GetCellGraphic(1, 1);
    EXPECT_EQ(s->CellAngle(), int(TCellShape::csDiamond));
    EXPECT_EQ(s->CellBitmapColor(), clBlack);
    EXPECT_EQ(g.GetShapeColor(1, 1), clYellow);
    g.SetShapeColor(1, 1, clAqua);
    EXPECT_EQ(g.GetShapeColor(1, 1), clAqua);
    g.AddRating(2, 1, 5, clYellow, clGray);
    const TCellGraphic* r = g.GetCellGraphic(2, 1);
    EXPECT_EQ(r->CellHAlign(), A::haFull);
    EXPECT_EQ(r->CellAngle(), 5);
    EXPECT_EQ(r->CellIndex(), int(clYellow));
    EXPECT_EQ(r->CellBitmapColor(), clGray);
    g.AddRangeIndicator(3, 1, 50, clRed, clGreen, true);
    const TCellGraphic* ri = g.GetCellGraphic(3, 1);
    EXPECT_EQ(ri->CellIndex(), 50);
    EXPECT_EQ(ri->CellBitmapColor(), clRed);
    EXPECT_EQ(ri->CellIconColor(), clGreen);
    EXPECT_TRUE(ri->CellBoolean());
}

TEST_F(ObjectsTest, TheMetroScrollControlsAreMadeOnce)
{
    EXPECT_EQ(g.FScrollControlV, nullptr);
    g.CreateScrollControls();
    auto* v = dynamic_cast<TScrollControl*>(g.FScrollControlV);
    auto* h = dynamic_cast<TScrollControl*>(g.FScrollControlH);
    ASSERT_NE(v, nullptr);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(v->Direction(), TScrollControl::sdVertical);
    EXPECT_EQ(v->Align(), alRight);
    EXPECT_EQ(v->Width(), 6);
    EXPECT_EQ(h->Direction(), TScrollControl::sdHorizontal);
    EXPECT_EQ(h->Align(), alBottom);
    EXPECT_EQ(h->Height(), 6);
    EXPECT_EQ(v->Parent(), &g);
    EXPECT_TRUE(v->Visible());
    EXPECT_TRUE(h->DoubleBuffered());
    EXPECT_EQ(v->Color(), TColor(0xC0C0C0));
    g.CreateScrollControls();
    EXPECT_EQ(g.FScrollControlV, v);
    g.FreeScrollControls();
    EXPECT_EQ(g.FScrollControlV, nullptr);
    EXPECT_EQ(g.FScrollControlH, nullptr);
}

TEST_F(ObjectsTest, TheGridMakesItsArrowAndFocusWindows)
{
    const struct {
        TWinControl* window;
        TArrowDirection dir;
    } arrows[] = {{g.ArwU, TArrowDirection::arrUp},
                  {g.ArwD, TArrowDirection::arrDown},
                  {g.ArwL, TArrowDirection::arrLeft},
                  {g.ArwR, TArrowDirection::arrRight}};
    for (const auto& a : arrows) {
        auto* arrow = dynamic_cast<TArrowWindow*>(a.window);
        ASSERT_NE(arrow, nullptr);
        EXPECT_EQ(arrow->Dir(), a.dir);
        EXPECT_FALSE(arrow->Visible());
        EXPECT_EQ(arrow->Owner(), &g);
    }
    auto* focus = dynamic_cast<TGridFocusWindow*>(g.FFocusWindow);
    ASSERT_NE(focus, nullptr);
    EXPECT_FALSE(focus->Visible());
    EXPECT_EQ(focus->Owner(), &g);
}
