// The cell graphic record: Set operations, the angle, picture sizes and
// what a graphic frees.
#include <gtest/gtest.h>

#include "cell_store_fixture.h"
#include "grid/core/grid_lists.h"
#include "platform/gui/bitmap.h"
#include "platform/rtl/stringlist.h"

namespace {

TEST(CellGraphic, SetOperationsAngleAndButtonSize)
{
    TCellGraphic g;
    EXPECT_EQ(g.CellType(), TCellType::ctNone);
    EXPECT_FALSE(g.CellCreated());
    struct AngleCase {
        int16_t in;
        int out;
    };
    for (const AngleCase& a : {AngleCase{-90, 270}, {720, 360}, {360, 360}, {0, 0}, {-360, 0}, {450, 90}}) {
        g.SetAngle(a.in);
        EXPECT_EQ(g.CellAngle(), a.out) << a.in;
        EXPECT_EQ(g.CellType(), TCellType::ctRotated);
    }
    g.SetButton(60, 20, "Go", TCellHAlign::haCenter, TCellVAlign::vaCenter);
    EXPECT_EQ(g.CellType(), TCellType::ctButton);
    EXPECT_EQ(uint32_t(g.CellIndex()), 0x0014003Cu);
    EXPECT_EQ(g.CellText().toStdString(), "Go");
    EXPECT_FALSE(g.CellBoolean());
    g.SetCheckBox(true, true, true, TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_EQ(g.CellType(), TCellType::ctDataCheckBox);
    EXPECT_TRUE(g.CellBoolean());
    EXPECT_TRUE(g.CellTransparent());
    g.SetCheckBox(cbGrayed, false, TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_EQ(g.CellType(), TCellType::ctTriStateCheckBox);
    EXPECT_EQ(g.CellCheckBoxState(), cbGrayed);
    EXPECT_FALSE(g.CellBoolean());
}

TEST(CellGraphic, PictureSizeByStretchMode)
{
    TPicture pic;
    TBitmap bmp(200, 100);
    pic.Assign(bmp);
    ASSERT_EQ(pic.Width(), 200);
    TCellGraphic g;
    struct Case {
        TStretchMode mode;
        int cw, rh, padding;
        TPoint size;
    };
    const Case cases[] = {
        {TStretchMode::noStretch, 50, 50, 0, {200, 100}},
        {TStretchMode::Stretch, 80, 60, 4, {76, 56}},
        {TStretchMode::StretchWithAspectRatio, 100, 100, 0, {100, 50}},
        {TStretchMode::StretchWithAspectRatio, 400, 100, 0, {200, 100}},
        {TStretchMode::Shrink, 300, 300, 0, {200, 100}},
        {TStretchMode::Shrink, 150, 300, 0, {150, 300}},
        {TStretchMode::ShrinkWithAspectRatio, 400, 400, 0, {200, 100}},
        {TStretchMode::ShrinkWithAspectRatio, 100, 400, 0, {100, 50}},
        {TStretchMode::StretchWithAspectRatio, 400, 1, 0, {2, 1}},
    };
    for (const Case& c : cases) {
        g.SetPicture(&pic, false, c.mode, c.padding, TCellHAlign::haLeft, TCellVAlign::vaTop);
        EXPECT_EQ(g.GetPictureSize(c.cw, c.rh, true), c.size) << int(c.mode) << " " << c.cw << "x" << c.rh;
    }
    // Banker's rounding: 3.5 -> 4 (W 7 x 0.5), 2.5 -> 2 (W 5 x 0.5).
    TPicture odd;
    TBitmap b7(7, 10);
    odd.Assign(b7);
    g.SetPicture(&odd, false, TStretchMode::StretchWithAspectRatio, 0, TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_EQ(g.GetPictureSize(100, 5, false), (TPoint{4, 5}));
    TBitmap b5(5, 10);
    odd.Assign(b5);
    EXPECT_EQ(g.GetPictureSize(100, 5, false), (TPoint{2, 5}));
    // A file picture that could not be read measures 0 x 0.
    TFilePicture fp;
    g.SetFilePicture(&fp, false, TStretchMode::StretchWithAspectRatio, 2, TCellHAlign::haLeft, TCellVAlign::vaTop);
    EXPECT_EQ(g.CellType(), TCellType::ctFilePicture);
    EXPECT_EQ(g.GetPictureSize(30, 20, false), (TPoint{0, 18}));
    g.SetAngle(10);
    EXPECT_EQ(g.GetPictureSize(30, 20, false), (TPoint{0, 0}));
}

// An object whose end is recorded.
struct Watched : TObject {
    bool* gone;
    explicit Watched(bool* G) : gone(G) {}
    ~Watched() override { *gone = true; }
};

TEST(CellGraphic, WhatAGraphicFreesPerKind)
{
    struct Case {
        TCellType type;
        bool created;
        int angle;
        bool freed;
    };
    using enum TCellType;
    const Case cases[] = {
        {ctBitmap, false, 0, false}, {ctBitmap, true, 0, true},   {ctRadio, false, 0, false},
        {ctRadio, true, 0, true},    {ctPicture, true, 0, true},  {ctFilePicture, false, 0, false},
        {ctBitButton, true, 0, true}, {ctImages, false, 0, true}, {ctBalloon, false, 0, true},
        {ctCheckBox, false, 1, true}, {ctCheckBox, false, 0, false}, {ctDataCheckBox, false, 1, true},
        {ctRadioButton, false, 1, true}, {ctProgress, true, 1, false}, {ctButton, true, 0, false},
        {ctInterface, true, 0, false},
    };
    for (const Case& c : cases) {
        bool gone = false;
        Watched w(&gone);
        {
            TCellGraphic g;
            g.SetCellType(c.type);
            g.SetCellCreated(c.created);
            g.SetCellAngle(c.angle);
            g.SetCellBitmap(new Watched(&gone));
            if (!c.freed) {
                // Not the graphic's: released here so the test does not leak.
                delete g.CellBitmap();
                gone = false;
                g.SetCellBitmap(&w);
            }
        }
        EXPECT_EQ(gone, c.freed) << EnumToName(c.type).toStdString() << " created " << c.created;
    }
    // ctIcon frees its icon only when created.
    {
        TCellGraphic g;
        g.SetIcon(new TIcon, TCellHAlign::haLeft, TCellVAlign::vaTop);
        g.SetCellCreated(true);
    }
    // A multi-image list is the graphic's own.
    {
        TCellGraphic g;
        int changes = 0;
        g.SetMultiImage(1, 2, 0, TCellHAlign::haLeft, TCellVAlign::vaTop, [&](TObject*, int, int) { ++changes; });
        auto* list = dynamic_cast<TIntList*>(g.CellBitmap());
        ASSERT_NE(list, nullptr);
        list->Add(3);
        EXPECT_EQ(changes, 1);
        EXPECT_TRUE(g.CellBoolean());
        EXPECT_TRUE(g.CellCreated());
    }
}

TEST(CellGraphic, AssignCopiesNoObjects)
{
    TCellGraphic a, b;
    TBitmap bmp(2, 2);
    a.SetBitmap(&bmp, true, TCellHAlign::haRight, TCellVAlign::vaBottom);
    a.SetCellIndex(5);
    a.SetCellValue(1.5);
    a.SetCellErrFrom(2);
    a.SetCellErrLen(3);
    a.SetCellText("t");
    a.SetCellVar(QVariant(4));
    a.SetCellCheckBoxState(cbChecked);
    a.SetCellBoolean(true);
    b.Assign(a);
    EXPECT_EQ(b.CellType(), TCellType::ctBitmap);
    EXPECT_EQ(b.CellHAlign(), TCellHAlign::haRight);
    EXPECT_EQ(b.CellVAlign(), TCellVAlign::vaBottom);
    EXPECT_TRUE(b.CellTransparent());
    EXPECT_EQ(b.CellIndex(), 5);
    EXPECT_EQ(b.CellValue(), 1.5);
    EXPECT_EQ(b.CellErrFrom(), 2);
    EXPECT_EQ(b.CellErrLen(), 3);
    EXPECT_EQ(b.CellText().toStdString(), "t");
    EXPECT_TRUE(b.CellBoolean());
    EXPECT_EQ(b.CellBitmap(), nullptr);
    EXPECT_FALSE(b.CellVar().isValid());
    EXPECT_EQ(b.CellCheckBoxState(), cbUnchecked);
}

}  // namespace
