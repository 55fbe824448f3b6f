// The popup's header and footer bars and their buttons.
#include "dropdown_fixture.h"

#include "controls/dropdown/DropDownBars.h"
#include "controls/dropdown/DropDownDraw.h"
#include "dropdown_scene.h"
#include "support/temp_dir.h"

#include <QPainter>

using namespace DropDownTestKit;

namespace {

struct DropDownBars : DropDownFixture {
    TVynHeader* header() const { return popup()->Header(); }
    TVynFooter* footer() const { return popup()->Footer(); }
    // The popup open with one footer button of modal result Mr.
    TVynButton* openWithFooterButton(TModalResult Mr)
    {
        dd->DropDownFooter().Buttons().Clear();
        TFooterButton* b = dd->DropDownFooter().Buttons().Add();
        b->SetCaption("OK");
        b->SetModalResult(Mr);
        dd->ShowDropDown();
        return footer() && footer()->ButtonList().Count() ? footer()->ButtonList().Items(0) : nullptr;
    }
};

TEST_F(DropDownBars, CreatedOnDemandAndKept)
{
    dd->DropDownHeader().SetVisible(false);
    dd->ShowDropDown();
    EXPECT_EQ(header(), nullptr) << "never needed, never created";
    ASSERT_NE(footer(), nullptr);
    EXPECT_EQ(footer()->Parent(), popup());
    EXPECT_EQ(footer()->Align(), alBottom);
    EXPECT_EQ(footer()->Height(), 22);
    EXPECT_EQ(footer()->VynDropDown(), dd);
    dd->HideDropDown(false);
    dd->DropDownFooter().SetVisible(false);
    dd->DropDownHeader().SetVisible(true);
    dd->ShowDropDown();
    ASSERT_NE(header(), nullptr);
    EXPECT_EQ(header()->Align(), alTop);
    EXPECT_TRUE(header()->Visible());
    EXPECT_FALSE(footer()->Visible()) << "kept, hidden";
    // Visible changing while open reaches the popup at once.
    dd->DropDownFooter().SetVisible(true);
    EXPECT_TRUE(footer()->Visible());
    EXPECT_EQ(pad->BoundsRect(), Rect(1, 23, popup()->Width() - 1, popup()->Height() - 23));
}

TEST_F(DropDownBars, MeasuredButtonSize)
{
    THeaderButton* a = dd->DropDownHeader().Buttons().Add();
    a->SetCaption("Apply");
    TImageList images(nullptr, 16, 16);
    TBitmap img(16, 16);
    images.Add(img, nullptr);
    dd->SetImages(&images);
    THeaderButton* b = dd->DropDownHeader().Buttons().Add();
    b->SetCaption("A");
    b->SetImageIndex(0);
    THeaderButton* c = dd->DropDownHeader().Buttons().Add();
    c->SetCaption("Wide");
    c->SetWidth(60);
    c->SetHeight(40);
    dd->ShowDropDown();
    ASSERT_EQ(header()->ButtonList().Count(), 3);
    TBitmap scratch(1, 1);
    scratch.Canvas().SetFont(dd->ButtonAppearance().Font());
    const TSize apply = GetTextSize(scratch.Canvas(), "Apply"), letter = GetTextSize(scratch.Canvas(), "A");
    TVynButton* ba = header()->ButtonList().Items(0);
    EXPECT_EQ(ba->Width(), apply.cx + 8);
    EXPECT_EQ(ba->Height(), apply.cy + 4);
    TVynButton* bb = header()->ButtonList().Items(1);
    EXPECT_EQ(bb->Width(), std::max(letter.cx, 16) + 8) << "an image widens to its own size, not text + image";
    EXPECT_EQ(bb->Height(), std::min(std::max(letter.cy, 16) + 4, header()->GetButtonAreaHeight()))
        << "image height + 4, no taller than the button area";
    TVynButton loose(nullptr);
    loose.SetAppearance(&dd->ButtonAppearance());
    loose.SetImages(&images);
    loose.SetImageIndex(0);
    loose.SetCaption("A");
    loose.AdjustButtonSize();
    EXPECT_EQ(loose.Height(), std::max(letter.cy, 16) + 4);
    TVynButton* bc = header()->ButtonList().Items(2);
    EXPECT_EQ(bc->Width(), 60);
    EXPECT_EQ(bc->Height(), header()->GetButtonAreaHeight()) << "no taller than the button area";
    // Right-aligned from the area's right edge, each left of the one before.
    TRect area;
    header()->GetButtonRect(area);
    EXPECT_EQ(ba->Left() + ba->Width(), area.Right);
    EXPECT_EQ(bb->Left() + bb->Width(), ba->Left());
    EXPECT_EQ(bc->Left() + bc->Width(), bb->Left());
    TRect caption;
    header()->GetCaptionRect(caption);
    EXPECT_EQ(caption.Right, bc->Left() - 2) << "the caption ends left of the last button";
    // Left-aligned: from the area's left edge.
    dd->HideDropDown(false);
    dd->DropDownHeader().SetButtonAlignment(baLeft);
    dd->ShowDropDown();
    ba = header()->ButtonList().Items(0);
    bb = header()->ButtonList().Items(1);
    EXPECT_EQ(ba->Left(), area.Left);
    EXPECT_EQ(bb->Left(), ba->Left() + ba->Width());
    dd->SetImages(nullptr);
}

struct ModalRow {
    TModalResult Result;
    bool Closes, Cancelled;
};

class DropDownModalResults : public DropDownBars, public ::testing::WithParamInterface<ModalRow> {};

TEST_P(DropDownModalResults, FooterButton)
{
    const ModalRow& row = GetParam();
    TVynButton* b = openWithFooterButton(row.Result);
    ASSERT_NE(b, nullptr);
    int clicks = 0;
    dd->OnDropDownFooterButtonClick = [&](TObject* Sender, int Index) {
        EXPECT_EQ(Sender, dd);
        EXPECT_EQ(Index, 0);
        ++clicks;
    };
    dd->SetTextDirect("typed");
    TestKit::MouseMove(b, 3, 3);
    TestKit::Click(b, 3, 3);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(popup()->ModalResult(), row.Result);
    EXPECT_EQ(open(), !row.Closes);
    if (row.Closes) {
        EXPECT_EQ(dd->Log.back(), row.Cancelled ? "OnDropUp(cancelled)" : "OnDropUp(kept)");
        EXPECT_EQ(dd->Text(), row.Cancelled ? "" : "typed");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DropDownModalResults,
                         ::testing::Values(ModalRow{0, false, false}, ModalRow{1, true, false}, ModalRow{2, true, true},
                                           ModalRow{3, true, true}, ModalRow{4, false, false}, ModalRow{5, true, true},
                                           ModalRow{6, true, false}, ModalRow{7, true, true}, ModalRow{8, false, false},
                                           ModalRow{9, false, false}, ModalRow{10, false, false},
                                           ModalRow{11, false, false}, ModalRow{12, true, false},
                                           ModalRow{13, true, true}, ModalRow{14, true, false}),
                         [](const ::testing::TestParamInfo<ModalRow>& I) { return "mr" + std::to_string(I.param.Result); });

TEST_F(DropDownBars, KeysCloseWithoutOnClick)
{
    for (Word key : {Word(VK_RETURN), Word(VK_SPACE)}) {
        TVynButton* b = openWithFooterButton(mrOk);
        ASSERT_TRUE(open());
        int clicks = 0;
        dd->OnDropDownFooterButtonClick = [&](TObject*, int) { ++clicks; };
        TestKit::KeyDown(b, key);
        EXPECT_FALSE(open()) << key;
        EXPECT_EQ(clicks, 0) << key;
        dd->HideDropDown(false);
    }
    // A header button: the keys only show the pressed look.
    dd->DropDownHeader().Buttons().Add()->SetCaption("H");
    dd->ShowDropDown();
    int clicks = 0;
    dd->OnDropDownHeaderButtonClick = [&](TObject*, int) { ++clicks; };
    TVynButton* h = header()->ButtonList().Items(0);
    TestKit::KeyDown(h, VK_RETURN);
    EXPECT_TRUE(open());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(h->State(), absDown);
    TestKit::MouseMove(h, 2, 2);
    TestKit::Click(h, 2, 2);
    EXPECT_EQ(clicks, 1);
}

TEST_F(DropDownBars, ReleasedOutsideDoesNotClick)
{
    TVynButton* b = openWithFooterButton(mrOk);
    TestKit::MouseMove(b, 3, 3);
    TestKit::MouseDown(b, 3, 3);
    EXPECT_EQ(b->State(), absDown);
    TestKit::MouseMove(b, 300, 3);
    EXPECT_EQ(b->State(), absUp) << "dragged off";
    TestKit::MouseUp(b, 300, 3);
    EXPECT_TRUE(open());
}

TEST_F(DropDownBars, DrawBackGroundEventSuppressesTheRest)
{
    dd->DropDownFooter().SetCaption("Footer");
    dd->DropDownFooter().SetBorderColor(0x0000FF);
    TRect seen;
    dd->OnDrawFooter = [&](TObject*, TCanvas& C, const TRect& R) {
        seen = R;
        C.Brush().SetColor(0xFF00FF);
        C.FillRect(R);
    };
    dd->ShowDropDown();
    const QImage img = TestKit::RenderToImage(footer());
    EXPECT_EQ(seen, footer()->ClientRect());
    for (int x = 0; x < img.width(); x += 3)
        for (int y = 0; y < img.height(); ++y)
            ASSERT_EQ(Hex(PixelAt(img, x, y)), Hex(0xFF00FF)) << "no border, caption or grip at " << x << "," << y;
}

TEST_F(DropDownBars, GripOnlyWhenSizeable)
{
    dd->DropDownFooter().SetBorderColor(0x0000FF);
    dd->DropDownFooter().Buttons().Add()->SetCaption("OK");
    dd->ShowDropDown();
    ASSERT_TRUE(footer()->HasSizeGrip());
    TRect area;
    footer()->GetButtonRect(area);
    EXPECT_EQ(area.Right, footer()->Width() - 14) << "12 pixels kept for the grip";
    QImage img = TestKit::RenderToImage(footer());
    const int L = footer()->Width() - 1 - 16, B = footer()->Height();
    EXPECT_EQ(Hex(PixelAt(img, L + 13 - 1, B - 12 - 1)), Hex(0x0000FF)) << "a grip square in the border colour";
    EXPECT_EQ(Hex(PixelAt(img, L + 14, B - 3)), Hex(0xFFFFFF)) << "its white shadow";
    dd->HideDropDown(false);
    dd->SetDropDownSizeable(false);
    dd->ShowDropDown();
    EXPECT_FALSE(footer()->HasSizeGrip());
    footer()->GetButtonRect(area);
    EXPECT_EQ(area.Right, footer()->Width() - 2);
    footer()->ArrangeButtons();
    EXPECT_EQ(footer()->ButtonList().Items(0)->Left() + footer()->ButtonList().Items(0)->Width(), area.Right);
    img = TestKit::RenderToImage(footer());
    EXPECT_NE(Hex(PixelAt(img, L + 13 - 1, B - 12 - 1)), Hex(0x0000FF)) << "no grip";
}

TEST_F(DropDownBars, GripResizesThePopupAndTheNextOpeningUsesIt)
{
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    const int w = popup()->Width(), h = popup()->Height();
    TVynFooter* f = footer();
    TestKit::MouseMove(f, f->Width() - 4, f->Height() - 4);
    EXPECT_EQ(Screen.Cursor(), crSizeNWSE);
    TestKit::MouseDown(f, f->Width() - 4, f->Height() - 4);
    TestKit::MouseMove(f, f->Width() + 26, f->Height() + 36);
    TestKit::MouseUp(f, f->Width() + 26, f->Height() + 36);
    EXPECT_EQ(popup()->Width(), w + 30);
    EXPECT_EQ(popup()->Height(), h + 40);
    TestKit::MouseMove(f, 5, 5);
    EXPECT_EQ(Screen.Cursor(), crDefault) << "the cursor comes back off the grip";
    dd->HideDropDown(false);
    dd->ShowDropDown();
    EXPECT_EQ(popup()->Width(), w + 30);
    EXPECT_EQ(popup()->Height(), h + 40);
}

TEST_F(DropDownBars, GroupedButtons)
{
    // Two buttons of one group on the form.
    auto* a = new TVynButton(form);
    auto* b = new TVynButton(form);
    for (TVynButton* x : {a, b}) {
        x->SetParent(form);
        x->SetGroupIndex(1);
        x->SetAppearance(&dd->ButtonAppearance());
    }
    a->SetBounds(20, 100, 30, 20);
    b->SetBounds(60, 100, 30, 20);
    TestKit::MouseMove(a, 5, 5);
    TestKit::Click(a, 5, 5);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->State(), absExclusive);
    TestKit::Click(a, 5, 5);
    EXPECT_TRUE(a->Down()) << "no release without AllowAllUp";
    TestKit::MouseMove(b, 5, 5);
    TestKit::Click(b, 5, 5);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down()) << "another button of the group releases it";
    b->SetAllowAllUp(true);
    TestKit::Click(b, 5, 5);
    EXPECT_FALSE(b->Down());
    // A check button toggles; a plain button is never down.
    auto* c = new TVynButton(form);
    c->SetParent(form);
    c->SetStyle(tasCheck);
    c->SetBounds(100, 100, 30, 20);
    TestKit::Click(c, 5, 5);
    EXPECT_TRUE(c->Down());
    TestKit::Click(c, 5, 5);
    EXPECT_FALSE(c->Down());
    a->SetGroupIndex(0);
    a->SetDown(true);
    EXPECT_FALSE(a->Down());
}

TEST_F(DropDownBars, HotAndUnHot)
{
    dd->DropDownHeader().Buttons().Add()->SetCaption("H");
    dd->ShowDropDown();
    TVynButton* h = header()->ButtonList().Items(0);
    TestKit::MouseMove(h, 2, 2);
    EXPECT_TRUE(h->MouseInControl());
    EXPECT_TRUE(h->UnHotTimerRunning());
    QImage img = TestKit::RenderToImage(h);
    EXPECT_EQ(Hex(PixelAt(img, 0, 0)), Hex(dd->ButtonAppearance().BorderColorHot()));
    // The pointer goes elsewhere without a leave message: the timer sees it.
    TestKit::MouseMove(sink, 5, 5);
    clock.Advance(20);
    EXPECT_FALSE(h->MouseInControl());
    EXPECT_FALSE(h->UnHotTimerRunning());
}

TEST_F(DropDownBars, RendersThePopupWithBarsAndAnItemSelector)
{
    dd->SetControl(nullptr);
    TVynCustomItemSelector* sel = DropDownScene::BuildBarsScene(dd, form);
    dd->SetText("Red");
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    const QImage p = TestKit::RenderToImage(popup());
    // The form with the popup where it lies on the screen.
    QImage scene = TestKit::RenderToImage(form).convertToFormat(QImage::Format_RGB32);
    scene = scene.copy(0, 0, scene.width(), std::max(scene.height(), popup()->Top() - form->Top() + p.height() + 10));
    {
        QPainter painter(&scene);
        painter.drawImage(popup()->Left() - form->Left(), popup()->Top() - form->Top(), p);
    }
    TempDir dir;
    const char* keep = std::getenv("VYN_RENDER_DIR");
    const String base = keep && *keep ? String::fromLocal8Bit(keep) : dir.path();
    ASSERT_TRUE(scene.save(base + "/dropdown-bars-scene.png"));
    ASSERT_TRUE(TestKit::RenderToPng(popup(), base + "/dropdown-bars-popup.png"));
    // The header's gradient (Luna: $FFEFE3 at the top), its two buttons and
    // the footer's grip; the selector between them with its selected item.
    EXPECT_EQ(Hex(PixelAt(p, 5, 1)), Hex(BlendColor(0xFFD2AF, clWhite, 20))) << "the header's light inner line";
    EXPECT_GE(PixelAt(p, 5, 2) & 0xFF, 0xDDu) << "near $FFEFE3 at the top";
    EXPECT_LT(PixelAt(p, 5, 19) & 0xFF, 0xBBu) << "towards $FFD2AF at the bottom";
    ASSERT_EQ(header()->ButtonList().Count(), 2);
    ASSERT_EQ(footer()->ButtonList().Count(), 1);
    EXPECT_EQ(sel->Parent(), popup());
    EXPECT_EQ(sel->Top(), header()->Height() + 1);
    const int gx = footer()->Left() + footer()->Width() - 1 - 16 + 12, gy = footer()->Top() + footer()->Height() - 13;
    EXPECT_EQ(Hex(PixelAt(p, gx, gy)), Hex(dd->DropDownFooter().BorderColor())) << "a grip square";
    TRect r;
    sel->SelectorPanel()->GetItemRect(9, r);
    const TPoint box = sel->SelectorPanel()->ClientToScreen(TPoint{r.Left + 4 + 7, r.Top + 4 + 7});
    const TPoint at = popup()->ScreenToClient(box);
    EXPECT_EQ(Hex(PixelAt(p, at.X, at.Y)), Hex(0x0000FF)) << "the red box of the selected item";
}

TEST(DropDownBarList, IndexOutOfBounds)
{
    TDbgList<int> l;
    l.Add(7);
    EXPECT_EQ(l.Items(0), 7);
    for (int i : {1, -1}) {
        try {
            (void)l.Items(i);
            ADD_FAILURE() << i;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Index out of bounds in list read access");
        }
        try {
            l.SetItems(i, 1);
            ADD_FAILURE() << i;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Index out of bounds in list write access");
        }
    }
    TDbgList<int> m;
    m.AssignList(l);
    EXPECT_EQ(m.Count(), 1);
}

}  // namespace
