// The detail drop-down: auto-completion, the item index, keys in the open
// and the closed popup, type-ahead, cancel and the painted list.
#include <QPainter>

#include "dropdown_fixture.h"

#include "controls/dropdown/DetailDropDown.h"
#include "platform/gui/text_runs.h"
#include "support/temp_dir.h"

using namespace DropDownTestKit;

namespace {

struct DetailFixture : DropDownFixture {
    TVynDetailDropDown* det = nullptr;
    int selects = 0;

    void SetUp() override
    {
        DropDownFixture::SetUp();
        det = new TVynDetailDropDown(form);
        det->SetName("Detail");
        det->SetBounds(10, 40, 200, 21);
        det->SetParent(form);
        for (const char* c : {"Apple", "Apricot", "Banana"})
            det->Items().Add()->SetCaption(c);
        det->OnSelect = [this](TObject* Sender) {
            EXPECT_EQ(Sender, det);
            ++selects;
        };
        det->SetFocus();
    }
    TVynCustomItemSelector* sel() const { return det->ItemSelector(); }
    int selStart() const { return det->SelStart(); }
    int selLength() const { return det->SelLength(); }
    void type(const char* Text) { TestKit::TypeText(det, Text); }
    void key(Word VK) { TestKit::TypeKey(nullptr, VK); }
};

using DetailDropDown = DetailFixture;

TEST_F(DetailDropDown, Defaults)
{
    EXPECT_EQ(det->ItemIndex(), -1);
    EXPECT_EQ(det->Layout(), ilCaptionRight);
    EXPECT_TRUE(det->EditorEnabled());
    EXPECT_TRUE(det->DropDownEnabled());
    EXPECT_EQ(det->ItemHeight(), 22);
    EXPECT_FALSE(det->MatchCase());
    EXPECT_EQ(det->CaptionFont().Name(), det->Font().Name());
    ASSERT_NE(sel(), nullptr) << "the list is made with the popup";
    EXPECT_EQ(sel()->Parent(), det->DropDownForm());
    EXPECT_EQ(det->Control(), sel());
    EXPECT_EQ(det->Items().IndexOf("Banana"), 2);
    EXPECT_EQ(det->Items().IndexOf("banana"), -1) << "exact captions only";
}

TEST_F(DetailDropDown, TypingCompletesToTheFirstCaption)
{
    type("ap");
    EXPECT_EQ(det->Text(), "apple") << "the typed part as typed, the rest of the caption";
    EXPECT_EQ(selStart(), 2);
    EXPECT_EQ(selLength(), 3) << "the completed tail is selected";
    EXPECT_EQ(det->ItemIndex(), 0);
    EXPECT_EQ(selects, 0) << "completion sets the index without OnSelect";
    type("r");
    EXPECT_EQ(det->Text(), "apricot");
    EXPECT_EQ(det->ItemIndex(), 1);
    EXPECT_EQ(selStart(), 3);
    EXPECT_EQ(selLength(), 4);
}

TEST_F(DetailDropDown, NoMatchKeepsWhatWasTyped)
{
    type("ap");
    type("x");
    EXPECT_EQ(det->Text(), "apx");
    EXPECT_EQ(selLength(), 0);
    EXPECT_EQ(selStart(), 3) << "the caret at the end";
}

TEST_F(DetailDropDown, MatchCaseComparesAsTyped)
{
    det->SetMatchCase(true);
    type("ap");
    EXPECT_EQ(det->Text(), "ap");
    EXPECT_EQ(det->ItemIndex(), -1);
    det->SetText("");
    type("Ap");
    EXPECT_EQ(det->Text(), "Apple");
}

TEST_F(DetailDropDown, BackspaceDoesNotCompleteAgain)
{
    type("ap");
    ASSERT_EQ(det->Text(), "apple");
    key(VK_BACK);
    EXPECT_EQ(det->Text(), "ap") << "the selected tail is deleted, nothing completed";
    key(VK_BACK);
    EXPECT_EQ(det->Text(), "a");
    type("p");
    EXPECT_EQ(det->Text(), "apple") << "another key completes again";
}

TEST_F(DetailDropDown, EnterOnAnExactCaptionSelects)
{
    det->SetText("Banana");
    key(VK_RETURN);
    EXPECT_EQ(det->ItemIndex(), 2);
    EXPECT_EQ(selects, 1);
    det->SetItemIndex(-1);
    det->SetText("banana");
    key(VK_RETURN);
    EXPECT_EQ(det->ItemIndex(), -1) << "not an exact caption";
    EXPECT_EQ(selects, 1);
    // A typed capital B completes to Banana and sets the index directly:
    // Enter then fires nothing more.
    det->SetText("");
    type("B");
    EXPECT_EQ(det->Text(), "Banana");
    EXPECT_EQ(det->ItemIndex(), 2);
    key(VK_RETURN);
    EXPECT_EQ(selects, 1);
    // A lower-case b completes to "banana": no exact caption for Enter.
    det->SetItemIndex(-1);
    type("b");
    EXPECT_EQ(det->Text(), "banana");
}

TEST_F(DetailDropDown, ItemIndexWriter)
{
    det->SetItemIndex(1);
    EXPECT_EQ(det->Text(), "Apricot");
    EXPECT_EQ(selStart(), 0);
    EXPECT_EQ(selLength(), 7) << "selected whole";
    EXPECT_EQ(selects, 1);
    det->SetItemIndex(1);
    EXPECT_EQ(selects, 1) << "the same index: nothing";
    for (int bad : {5, 3, -2}) {
        det->SetItemIndex(bad);
        EXPECT_EQ(det->ItemIndex(), 1) << bad;
    }
    det->SetItemIndex(-1);
    EXPECT_EQ(det->ItemIndex(), -1);
    EXPECT_EQ(det->Text(), "");
    EXPECT_EQ(selects, 1) << "-1 empties the text without an event";
}

TEST_F(DetailDropDown, UpAndDownWithThePopupClosed)
{
    key(VK_DOWN);
    EXPECT_EQ(det->ItemIndex(), 0) << "from none: the first";
    key(VK_DOWN);
    key(VK_DOWN);
    key(VK_DOWN);
    EXPECT_EQ(det->ItemIndex(), 2) << "stops at the last";
    EXPECT_EQ(det->Text(), "Banana");
    key(VK_UP);
    EXPECT_EQ(det->Text(), "Apricot");
    EXPECT_FALSE(det->DroppedDown());
    // The wheel steps the same way.
    TestKit::Wheel(det, 20, 10, -120);
    EXPECT_EQ(det->ItemIndex(), 2);
}

TEST_F(DetailDropDown, UpAndDownInTheOpenListKeepItOpen)
{
    det->SetItemIndex(0);
    det->ShowDropDown();
    ASSERT_TRUE(det->DroppedDown());
    EXPECT_EQ(sel()->Items().Count(), 3);
    EXPECT_EQ(sel()->ItemIndex(), 0);
    key(VK_DOWN);
    EXPECT_TRUE(det->DroppedDown());
    EXPECT_EQ(sel()->ItemIndex(), 1);
    EXPECT_EQ(det->ItemIndex(), 1);
    EXPECT_EQ(det->Text(), "Apricot") << "the text follows at once";
    key(VK_DOWN);
    key(VK_DOWN);
    EXPECT_EQ(det->ItemIndex(), 2);
    key(VK_UP);
    EXPECT_EQ(det->Text(), "Apricot");
    key(VK_RETURN);
    EXPECT_FALSE(det->DroppedDown());
    EXPECT_EQ(det->ItemIndex(), 1);
}

TEST_F(DetailDropDown, ClickingARowPicksItAndCloses)
{
    det->ShowDropDown();
    ASSERT_TRUE(det->DroppedDown());
    TRect r;
    sel()->SelectorPanel()->GetItemRect(2, r);
    TestKit::Click(sel()->SelectorPanel(), r.Left + 5, r.Top + 5);
    EXPECT_FALSE(det->DroppedDown());
    EXPECT_EQ(det->ItemIndex(), 2);
    EXPECT_EQ(det->Text(), "Banana");
    EXPECT_EQ(selects, 1);
}

TEST_F(DetailDropDown, CancelRestoresTheOpeningIndexAndText)
{
    struct Case {
        int Before;
        const char* Text;
    };
    for (const Case c : {Case{1, "Apricot"}, Case{-1, ""}}) {
        SCOPED_TRACE(c.Before);
        det->SetItemIndex(c.Before);
        det->ShowDropDown();
        ASSERT_TRUE(det->DroppedDown());
        key(VK_DOWN);
        ASSERT_NE(det->ItemIndex(), c.Before);
        key(VK_ESCAPE);
        EXPECT_FALSE(det->DroppedDown());
        EXPECT_EQ(det->ItemIndex(), c.Before);
        EXPECT_EQ(det->Text(), c.Text);
    }
}

TEST_F(DetailDropDown, PagesMoveByTheVisibleRows)
{
    det->Items().Clear();
    for (int i = 0; i < 30; ++i)
        det->Items().Add()->SetCaption(QStringLiteral("Item %1").arg(i, 2, 10, QLatin1Char('0')));
    det->SetDropDownHeight(100);
    det->ShowDropDown();
    ASSERT_TRUE(det->DroppedDown());
    const int n = sel()->GetVisibleItemCount();
    ASSERT_GE(n, 1);
    key(VK_NEXT);
    EXPECT_EQ(det->ItemIndex(), n - 1) << "from none";
    key(VK_NEXT);
    EXPECT_EQ(det->ItemIndex(), 2 * n - 1);
    key(VK_PRIOR);
    EXPECT_EQ(det->ItemIndex(), n - 1);
    key(VK_END);
    EXPECT_EQ(det->ItemIndex(), 29);
    EXPECT_TRUE(det->DroppedDown());
    TRect r;
    sel()->SelectorPanel()->GetItemRect(29, r);
    EXPECT_LE(r.Bottom + sel()->SelectorPanel()->Top(), sel()->ClientHeight()) << "the last row scrolled into view";
    key(VK_HOME);
    EXPECT_EQ(det->ItemIndex(), 0);
}

TEST_F(DetailDropDown, TypeAheadSearchesTheListWithTheEditorOff)
{
    det->SetEditorEnabled(false);
    det->ShowDropDown();
    ASSERT_TRUE(det->DroppedDown());
    key('A');
    clock.Advance(300);
    key('P');
    clock.Advance(300);
    key('R');
    EXPECT_EQ(det->CurSearch(), "APR") << "the text lives until the keys pause";
    EXPECT_EQ(det->ItemIndex(), 1);
    EXPECT_TRUE(det->DroppedDown());
    clock.Advance(499);
    EXPECT_EQ(det->CurSearch(), "APR");
    clock.Advance(1);
    EXPECT_EQ(det->CurSearch(), "") << "cleared 500 ms after the last key";
    key('B');
    EXPECT_EQ(det->ItemIndex(), 2);
}

TEST_F(DetailDropDown, ItemsChangedAfterAnOpeningShowAtTheNext)
{
    det->ShowDropDown();
    det->HideDropDown(false);
    det->Items().Items(0)->SetCaption("Avocado");
    det->Items().Add()->SetCaption("Cherry");
    det->ShowDropDown();
    ASSERT_EQ(sel()->Items().Count(), 4);
    EXPECT_EQ(sel()->Items().Items(0)->Caption(), "Avocado");
    det->HideDropDown(false);
    TBitmap b(8, 8);
    det->Items().Items(1)->Image().SetGraphic(&b);
    det->ShowDropDown();
    EXPECT_EQ(sel()->Items().Items(1)->Image().Width(), 8) << "a new picture is copied";
}

TEST_F(DetailDropDown, PaintsCaptionsNotesAndPictures)
{
    det->Items().Clear();
    TImageList images(form, 16, 16);
    TBitmap strip(32, 16);
    strip.Canvas().Brush().SetColor(0x00A000);
    strip.Canvas().FillRect(Rect(0, 0, 16, 16));
    strip.Canvas().Brush().SetColor(0xC00000);
    strip.Canvas().FillRect(Rect(16, 0, 32, 16));
    images.Add(strip);
    det->SetImages(&images);
    struct Row {
        const char* Caption;
        const char* Notes;
        int Image;
    };
    for (const Row& r : {Row{"Pump station", "Flow <b>12.5</b> m<sup>3</sup>/h", 0},
                         Row{"Valve V-101", "<font color=\"clRed\">closed</font> since 08:00", 1},
                         Row{"Tank level", "", -1}, Row{"Mixer", "Speed <i>1450</i> rpm", 0}}) {
        TDetailItem* item = det->Items().Add();
        item->SetCaption(r.Caption);
        item->SetNotes(r.Notes);
        item->SetImageIndex(r.Image);
    }
    det->SetItemHeight(36);
    det->SetDropDownWidth(220);
    det->SetDropDownHeight(160);
    det->SetItemIndex(1);
    det->ShowDropDown();
    ASSERT_TRUE(det->DroppedDown());
    const QImage p = TestKit::RenderToImage(det->DropDownForm());
    TempDir dir;
    const char* keep = std::getenv("VYN_RENDER_DIR");
    const String base = keep && *keep ? String::fromLocal8Bit(keep) : dir.path();
    ASSERT_TRUE(p.save(base + "/detail-popup.png"));
    // Row 0: the green image at x = 2 inside the row, centred vertically.
    TRect r0;
    sel()->SelectorPanel()->GetItemRect(0, r0);
    const TPoint o = det->DropDownForm()->ScreenToClient(sel()->SelectorPanel()->ClientToScreen(TPoint{0, 0}));
    EXPECT_EQ(Hex(PixelAt(p, o.X + r0.Left + 2 + 8, o.Y + r0.Top + 18)), Hex(0x00A000));
    // Row 1 is selected: the selection background, not the list colour.
    TRect r1;
    sel()->SelectorPanel()->GetItemRect(1, r1);
    EXPECT_NE(Hex(PixelAt(p, o.X + r1.Right - 6, o.Y + r1.Top + 6)), Hex(det->DropDownColor()));
    // Some dark text pixels on the note line of row 3 (under the caption).
    TRect r3;
    sel()->SelectorPanel()->GetItemRect(3, r3);
    int dark = 0;
    for (int x = r3.Left + 24; x < r3.Left + 120; ++x)
        for (int y = r3.Top + 18; y < r3.Bottom - 2; ++y)
            if ((PixelAt(p, o.X + x, o.Y + y) & 0xFF) < 0x60)
                ++dark;
    EXPECT_GT(dark, 10) << "the note is drawn";
    det->SetImages(nullptr);
}

}  // namespace

TEST_F(DetailDropDown, TheListPaintsTheSamePixelsWithItsLinesShapedOnce)
{
    det->Items().Clear();
    for (const char* notes : {"Flow <b>12.5</b> m<sup>3</sup>/h", "<font color=\"clRed\">closed</font> since 08:00",
                              "", "Speed <i>1450</i> rpm, a note too long for the row that is cut",
                              "<u>underlined</u> and <s>struck</s>"}) {
        TDetailItem* item = det->Items().Add();
        item->SetCaption(QStringLiteral("Item with notes \u00e9 %1").arg(det->Items().Count()));
        item->SetNotes(notes);
    }
    det->SetItemHeight(36);
    det->SetDropDownWidth(220);
    det->SetDropDownHeight(160);
    det->SetItemIndex(1);
    det->ShowDropDown();
    ASSERT_TRUE(det->DroppedDown());
    auto render = [this] { return TestKit::RenderToImage(det->DropDownForm()); };
    SetTextRunCacheEnabled(false);
    const QImage fresh = render();
    SetTextRunCacheEnabled(true);
    const int before = TextRunCacheCount();
    const QImage first = render();
    EXPECT_GT(TextRunCacheCount(), before) << "the lines were kept";
    const QImage again = render();
    EXPECT_EQ(first, fresh);
    EXPECT_EQ(again, fresh);
    // A changed note paints its new text.
    det->Items().Items(0)->SetNotes("Flow <b>13.0</b> m<sup>3</sup>/h");
    const QImage changed = render();
    SetTextRunCacheEnabled(false);
    EXPECT_EQ(changed, render());
    SetTextRunCacheEnabled(true);
    EXPECT_NE(changed, fresh);
}
