// The drop-down's typed input through its window (keys, clipboard, focus),
// the frame painted over the edit, the focus highlight and the attached
// label.
#include "dropdown_fixture.h"

#include "platform/gui/clipboard.h"
#include "platform/gui/stdctrls.h"
#include "platform/rtl/datetime.h"

using namespace DropDownTestKit;

namespace {

using DropDownTyped = DropDownFixture;

TEST_F(DropDownTyped, KeysAndClipboardThroughTheWindow)
{
    FormatSettings().DecimalSeparator = u'.';
    SetGridThousandSeparator(QChar());
    dd->SetEditType(etMoney);
    EXPECT_EQ(dd->Text(), "0") << "the type tests the value";
    int changes = 0;
    std::vector<int> pressed;
    dd->OnChange = [&](TObject*) { ++changes; };
    dd->OnKeyPress = [&](TObject*, QChar& Key) { pressed.push_back(Key.unicode()); };
    dd->SetFocus();
    dd->SetTextDirect("");
    changes = 0;
    TestKit::TypeText(dd, "1234x");
    EXPECT_EQ(dd->Text(), "1,234");
    EXPECT_EQ(dd->SelStart(), 5);
    EXPECT_EQ(changes, 4) << "one change per digit; the letter is dropped";
    EXPECT_EQ(pressed, (std::vector<int>{'1', '2', '3', '4'})) << "a dropped character reaches no key press";
    EXPECT_TRUE(dd->GetModifiedFlag());
    // Ctrl+V goes through the paste rules: text is refused whole.
    Clipboard().SetAsText("abc");
    dd->SelectAll();
    TestKit::TypeKey(dd, 'V', {ssCtrl});
    EXPECT_EQ(dd->Text(), "1,234");
    Clipboard().SetAsText("98765");
    dd->SelectAll();
    TestKit::TypeKey(dd, 'V', {ssCtrl});
    EXPECT_EQ(dd->Text(), "98,765");
    // A refusing cut event keeps the text and the clipboard.
    dd->OnClipboardCut = [](TObject*, const String&, bool& Allow) { Allow = false; };
    dd->SelectAll();
    TestKit::TypeKey(dd, 'X', {ssCtrl});
    EXPECT_EQ(dd->Text(), "98,765");
    EXPECT_EQ(Clipboard().AsText(), "98765");
    // Copy takes the selection.
    dd->SelectAll();
    TestKit::TypeKey(dd, 'C', {ssCtrl});
    EXPECT_EQ(Clipboard().AsText(), "98,765");
    // Leaving with Precision 2 writes the decimals.
    dd->SetPrecision(2);
    EXPECT_EQ(dd->Text(), "98,765.00");
    dd->SetTextDirect("5");
    sink->SetFocus();
    EXPECT_EQ(dd->Text(), "5.00");
}

TEST_F(DropDownTyped, PrefixAndSuffixAndCancel)
{
    dd->SetPrefix("$");
    dd->SetSuffix(" kg");
    dd->SetText("12");
    EXPECT_EQ(dd->Text(), "12");
    dd->SetFocus();
    TestKit::TypeKey(dd, VK_HOME);
    EXPECT_EQ(dd->SelStart(), 1);
    TestKit::TypeKey(dd, VK_LEFT);
    EXPECT_EQ(dd->SelStart(), 1) << "the caret stays out of the prefix";
    TestKit::TypeKey(dd, VK_END);
    EXPECT_EQ(dd->SelStart(), 3);
    TestKit::TypeText(dd, "5");
    EXPECT_EQ(dd->Text(), "125");
    // A click that leaves the caret in the prefix selects the value.
    dd->SetSelStart(0);
    TestKit::Click(dd, 3, 8);
    EXPECT_EQ(dd->SelStart(), 1);
    EXPECT_EQ(dd->SelLength(), 3);
    // A cancelled popup puts back the value of the opening.
    dd->ShowDropDown();
    dd->SetTextDirect("$99 kg");
    dd->HideDropDown(true);
    EXPECT_EQ(dd->Text(), "125");
    dd->SetEditType(etPassword);
    EXPECT_EQ(dd->PasswordChar(), QChar(u'*'));
}

// ---- frame -------------------------------------------------------------------------------------

struct FrameRow {
    const char* Name;
    TColor Border, Focus;
    bool Enabled, DisabledBorder, Focused;
    TColor Expected;  // at (0, 0) and (100, 0); clNone: the platform's own frame
};

const FrameRow kFrame[] = {
    {"border colour unfocused", 0x0000FF, clNone, true, true, false, 0x0000FF},
    {"border colour focused without a focus colour", 0x0000FF, clNone, true, true, true, 0x0000FF},
    {"both set unfocused: the border colour", 0x0000FF, 0xFF0000, true, true, false, 0x0000FF},
    {"both set focused: the focus colour", 0x0000FF, 0xFF0000, true, true, true, 0xFF0000},
    {"only a focus colour, focused", clNone, 0xFF0000, true, true, true, 0xFF0000},
    {"only a focus colour, unfocused: the platform frame", clNone, 0xFF0000, true, true, false, clNone},
    {"disabled: silver before any colour", 0x0000FF, 0xFF0000, false, true, false, 0xC0C0C0},
    {"disabled without DisabledBorder: the border colour", 0x0000FF, clNone, false, false, false, 0x0000FF},
};

void PrintTo(const FrameRow& R, std::ostream* Os) { *Os << R.Name; }

class DropDownFrame : public DropDownFixture, public ::testing::WithParamInterface<FrameRow> {};

TEST_P(DropDownFrame, Precedence)
{
    const FrameRow& row = GetParam();
    const QImage plain = TestKit::RenderToImage(dd);
    dd->SetBorderColor(row.Border);
    dd->SetFocusBorderColor(row.Focus);
    dd->SetDisabledBorder(row.DisabledBorder);
    dd->SetEnabled(row.Enabled);
    if (row.Focused)
        dd->SetFocus();
    ASSERT_EQ(dd->Focused(), row.Focused);
    const QImage img = TestKit::RenderToImage(dd);
    for (TPoint p : {TPoint{0, 0}, TPoint{100, 0}, TPoint{0, 10}, TPoint{100, 20}}) {
        const TColor want = row.Expected == clNone ? PixelAt(plain, p.X, p.Y) : row.Expected;
        EXPECT_EQ(Hex(PixelAt(img, p.X, p.Y)), Hex(want)) << p.X << "," << p.Y;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, DropDownFrame, ::testing::ValuesIn(kFrame),
                         [](const ::testing::TestParamInfo<FrameRow>& I) { return TestName(I.param.Name); });

using DropDownLook = DropDownFixture;

TEST_F(DropDownLook, FlatLookSunkenWhileHot)
{
    dd->SetFlat(true);
    QImage img = TestKit::RenderToImage(dd);
    const TColor back = ColorToRGB(form->Color());
    EXPECT_EQ(Hex(PixelAt(img, 0, 0)), Hex(back)) << "two frames in the parent's colour";
    EXPECT_EQ(Hex(PixelAt(img, 1, 1)), Hex(back));
    dd->SetFocus();
    ASSERT_TRUE(dd->IsHot());
    img = TestKit::RenderToImage(dd);
    EXPECT_EQ(Hex(PixelAt(img, 0, 0)), Hex(ColorToRGB(clBtnShadow))) << "the sunken outer edge";
    EXPECT_EQ(Hex(PixelAt(img, 1, 1)), Hex(ColorToRGB(clBtnFace))) << "then a frame in the button face";
    EXPECT_TRUE(dd->Button()->InnerButton()->Focused()) << "the drop button shows the hot edit";
}

TEST_F(DropDownLook, FocusedTextBarWithoutEditorEnabled)
{
    dd->SetEditorEnabled(false);
    dd->SetText("abc");
    dd->SetFocus();
    const int bw = dd->Button()->Width();
    QImage img = TestKit::RenderToImage(dd);
    EXPECT_EQ(Hex(PixelAt(img, 2, 2)), Hex(0x000000)) << "the outline";
    EXPECT_EQ(Hex(PixelAt(img, 2, 10)), Hex(0x000000));
    EXPECT_EQ(Hex(PixelAt(img, 3, 3)), Hex(ColorToRGB(clHighlight)));
    EXPECT_EQ(Hex(PixelAt(img, dd->Width() - bw - 8, 10)), Hex(ColorToRGB(clHighlight))) << "up to the drop button";
    bool textInk = false;
    for (int x = 4; x < 30; ++x)
        for (int y = 4; y < 17; ++y)
            textInk = textInk || img.pixelColor(x, y).lightness() > 200;
    EXPECT_TRUE(textInk) << "the text in clHighlightText (white) on the bar";
    dd->SetFocusDraw(false);
    img = TestKit::RenderToImage(dd);
    EXPECT_NE(Hex(PixelAt(img, 3, 3)), Hex(ColorToRGB(clHighlight)));
    dd->SetFocusDraw(true);
    sink->SetFocus();
    img = TestKit::RenderToImage(dd);
    EXPECT_NE(Hex(PixelAt(img, 3, 3)), Hex(ColorToRGB(clHighlight))) << "only while focused";
}

// ---- label -------------------------------------------------------------------------------------

struct LabelRow {
    TLabelPosition Position;
    const char* Name;
    // Expected top and left from the edit (L, T, W, H), the label's size
    // (lw, lh), its measured caption width tw and the margin m.
    int (*Top)(int T, int H, int lh, int m);
    int (*Left)(int L, int W, int lw, int tw, int m);
};

const LabelRow kLabel[] = {
    {lpLeftTop, "LeftTop", [](int T, int, int, int) { return T; }, [](int L, int, int, int tw, int m) { return L - tw - m; }},
    {lpLeftCenter, "LeftCenter", [](int T, int H, int lh, int) { return T + (H - lh) / 2; },
     [](int L, int, int, int tw, int m) { return L - tw - m; }},
    {lpLeftBottom, "LeftBottom", [](int T, int H, int lh, int) { return T + H - lh; },
     [](int L, int, int, int tw, int m) { return L - tw - m; }},
    {lpTopLeft, "TopLeft", [](int T, int, int lh, int m) { return T - lh - m; }, [](int L, int, int, int, int) { return L; }},
    {lpBottomLeft, "BottomLeft", [](int T, int H, int, int m) { return T + H + m; }, [](int L, int, int, int, int) { return L; }},
    {lpLeftTopLeft, "LeftTopLeft", [](int T, int, int, int) { return T; }, [](int L, int, int, int, int m) { return L - m; }},
    {lpLeftCenterLeft, "LeftCenterLeft", [](int T, int H, int lh, int) { return T + (H - lh) / 2; },
     [](int L, int, int, int, int m) { return L - m; }},
    {lpLeftBottomLeft, "LeftBottomLeft", [](int T, int H, int lh, int) { return T + H - lh; },
     [](int L, int, int, int, int m) { return L - m; }},
    {lpTopCenter, "TopCenter", [](int T, int, int lh, int m) { return T - lh - m; },
     [](int L, int W, int lw, int, int) { return L + (W - lw) / 2; }},
    {lpBottomCenter, "BottomCenter", [](int T, int H, int, int m) { return T + H + m; },
     [](int L, int W, int lw, int, int) { return L + (W - lw) / 2; }},
    {lpRightTop, "RightTop", [](int T, int, int, int) { return T; }, [](int L, int W, int, int, int m) { return L + W + m; }},
    {lpRightCenter, "RightCenter", [](int T, int H, int lh, int) { return T + (H - lh) / 2; },
     [](int L, int W, int, int, int m) { return L + W + m; }},
    {lpRighBottom, "RighBottom", [](int T, int H, int lh, int) { return T + H - lh; },
     [](int L, int W, int, int, int m) { return L + W + m; }},
    {lpTopRight, "TopRight", [](int T, int, int lh, int m) { return T - lh - m; },
     [](int L, int W, int lw, int, int) { return L + W - lw; }},
    {lpBottomRight, "BottomRight", [](int T, int H, int, int m) { return T + H + m; },
     [](int L, int W, int lw, int, int) { return L + W - lw; }},
};

void PrintTo(const LabelRow& R, std::ostream* Os) { *Os << R.Name; }

class DropDownLabel : public DropDownFixture, public ::testing::WithParamInterface<LabelRow> {};

TEST_P(DropDownLabel, Placement)
{
    const LabelRow& row = GetParam();
    dd->SetBounds(150, 120, 160, 25);
    dd->SetLabelMargin(4);
    dd->SetLabelPosition(row.Position);
    dd->SetLabelCaption("&Name");
    TLabel* l = dd->Label();
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->Parent(), form);
    EXPECT_EQ(l->FocusControl(), dd);
    TBitmap scratch(1, 1);
    scratch.Canvas().SetFont(l->Font());
    TRect m = Rect(0, 0, 1000, 255);
    scratch.Canvas().DrawText(m, "&Name", DT_CALCRECT | DT_HIDEPREFIX);
    EXPECT_EQ(l->Top(), row.Top(120, 25, l->Height(), 4));
    EXPECT_EQ(l->Left(), row.Left(150, 160, l->Width(), m.Width(), 4));
    // It follows the edit.
    dd->SetBounds(170, 130, 160, 25);
    EXPECT_EQ(l->Top(), row.Top(130, 25, l->Height(), 4));
    EXPECT_EQ(l->Left(), row.Left(170, 160, l->Width(), m.Width(), 4));
}

INSTANTIATE_TEST_SUITE_P(Table, DropDownLabel, ::testing::ValuesIn(kLabel),
                         [](const ::testing::TestParamInfo<LabelRow>& I) { return std::string(I.param.Name); });

TEST_F(DropDownLook, LabelLeftTopAgainstLeftTopLeft)
{
    dd->SetBounds(150, 120, 160, 25);
    dd->SetLabelMargin(6);
    dd->SetLabelCaption("A long caption");
    TLabel* l = dd->Label();
    EXPECT_EQ(l->Left() + l->Width(), 150 - 6) << "lpLeftTop: the right edge a margin left of the edit";
    dd->SetLabelPosition(lpLeftTopLeft);
    EXPECT_EQ(l->Left(), 150 - 6) << "lpLeftTopLeft: the left edge, whatever the caption's width";
}

TEST_F(DropDownLook, LabelVisibilityAndEvents)
{
    dd->SetLabelCaption("Name");
    TLabel* l = dd->Label();
    dd->SetVisible(false);
    EXPECT_FALSE(l->Visible());
    dd->SetVisible(true);
    EXPECT_TRUE(l->Visible());
    // An empty caption keeps the label but stops it following Visible; a
    // placement still passes it on.
    dd->SetVisible(false);
    dd->SetLabelCaption("");
    EXPECT_EQ(dd->Label(), l);
    dd->SetVisible(true);
    EXPECT_FALSE(l->Visible());
    dd->SetLabelMargin(2);
    EXPECT_TRUE(l->Visible());
    // Enabled follows unless LabelAlwaysEnabled; clicks reach the events.
    dd->SetLabelCaption("Name");
    dd->SetEnabled(false);
    EXPECT_FALSE(l->Enabled());
    dd->SetEnabled(true);
    dd->SetLabelAlwaysEnabled(true);
    dd->SetEnabled(false);
    EXPECT_TRUE(l->Enabled());
    dd->SetEnabled(true);
    int clicks = 0;
    dd->OnLabelClick = [&](TObject* Sender) {
        EXPECT_EQ(Sender, dd);
        ++clicks;
    };
    TestKit::Click(l, 2, 2);
    EXPECT_EQ(clicks, 1);
    // The label's font: LabelFont, or the edit's with ParentFont.
    dd->SetParentFont(false);
    TFont f;
    f.SetSize(14);
    dd->SetLabelFont(f);
    EXPECT_EQ(l->Font().Size(), 14);
}

}  // namespace
