// The track bar and memo drop-downs.
#include <gtest/gtest.h>

#include "controls/dropdown/MemoDropDown.h"
#include "controls/dropdown/TrackBarDropDown.h"
#include "kinds_fixture.h"
#include "platform/gui/stdctrls.h"
#include "platform/gui/trackbar.h"

using namespace DropDownTestKit;

namespace {

// The edit's mouse handlers, reachable for a drag over the edit.
class TDragTrackBar : public TVynTrackBarDropDown {
public:
    using TVynTrackBarDropDown::TVynTrackBarDropDown;
    void Down(int X) { MouseDown(mbLeft, {ssLeft}, X, 5); }
    void Move(int X) { MouseMove({ssLeft}, X, 5); }
    void Up(int X) { MouseUp(mbLeft, {}, X, 5); }
};

using TrackBarTest = KindFixture<TDragTrackBar>;

TEST_F(TrackBarTest, NewTrackBar)
{
    EXPECT_EQ(dd->Min(), 0);
    EXPECT_EQ(dd->Max(), 10);
    EXPECT_EQ(dd->Position(), 0);
    EXPECT_EQ(dd->Text(), "0");
    EXPECT_FALSE(dd->EditorEnabled());
    EXPECT_TRUE(dd->DropDownEnabled());
    EXPECT_EQ(dd->EditType(), etNumeric);
    EXPECT_TRUE(dd->ForceShadow());
}

TEST_F(TrackBarTest, DownStepsByFrequencyUpToMax)
{
    dd->SetFrequency(2);
    int trackChanges = 0;
    dd->OnTrackChange = [&](TObject*) { ++trackChanges; };
    dd->SetFocus();
    for (int i = 0; i < 5; ++i)
        TestKit::TypeKey(dd, VK_DOWN);
    EXPECT_EQ(dd->Position(), 10);
    EXPECT_EQ(dd->Text(), "10");
    TestKit::TypeKey(dd, VK_DOWN);
    EXPECT_EQ(dd->Position(), 10);
    EXPECT_EQ(trackChanges, 5);
    // Up lowers it.
    TestKit::TypeKey(dd, VK_UP);
    EXPECT_EQ(dd->Position(), 8);
}

TEST_F(TrackBarTest, DraggingOverTheEdit)
{
    dd->SetPageSize(2);
    dd->Down(10);
    dd->Move(17);  // 7 pixels at once: 3 steps
    EXPECT_EQ(dd->Position(), 3);
    for (int x = 18; x <= 24; ++x)  // seven moves of one pixel: nothing
        dd->Move(x);
    EXPECT_EQ(dd->Position(), 3);
    dd->Move(14);  // back 10 pixels
    EXPECT_EQ(dd->Position(), 0);
    dd->Up(14);
    dd->Move(40);
    EXPECT_EQ(dd->Position(), 0) << "after the release";
    // A page size of 0 moves nothing.
    dd->SetPageSize(0);
    dd->Down(10);
    dd->Move(60);
    dd->Up(60);
    EXPECT_EQ(dd->Position(), 0);
}

TEST_F(TrackBarTest, TypedTextThatIsNoWholeNumberKeepsThePosition)
{
    dd->SetEditorEnabled(true);
    dd->SetPosition(4);
    EXPECT_EQ(dd->Text(), "4");
    dd->SetTextDirect(QStringLiteral("7"));
    EXPECT_EQ(dd->Position(), 7);
    for (const char* t : {"", "abc", "7.5", "99999999999"})
        dd->SetTextDirect(QString::fromLatin1(t));
    EXPECT_EQ(dd->Position(), 7);
    dd->SetTextDirect(QStringLiteral("25"));
    EXPECT_EQ(dd->Position(), 10) << "the bar keeps it in range";
}

TEST_F(TrackBarTest, CancelRestoresThePositionOfTheOpening)
{
    dd->SetPosition(3);
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    EXPECT_EQ(dd->Control(), dd->TrackBar());
    dd->TrackBar()->SetPosition(8);
    EXPECT_EQ(dd->Position(), 8);
    EXPECT_EQ(dd->Text(), "8");
    dd->HideDropDown(true);
    EXPECT_EQ(dd->Position(), 3);
    EXPECT_EQ(dd->Text(), "3");
    dd->ShowDropDown();
    dd->TrackBar()->SetPosition(6);
    dd->HideDropDown(false);
    EXPECT_EQ(dd->Position(), 6);
    EXPECT_EQ(dd->Text(), "6");
}

TEST_F(TrackBarTest, ARangeAwayFromTheBarsReachesItWhole)
{
    dd->SetMax(30);
    dd->SetMin(20);
    dd->SetPosition(25);
    dd->ShowDropDown();
    EXPECT_EQ(dd->TrackBar()->Min(), 20);
    EXPECT_EQ(dd->TrackBar()->Max(), 30);
    EXPECT_EQ(dd->TrackBar()->Position(), 25);
}

using MemoTest = KindFixture<TVynMemoDropDown>;

TEST_F(MemoTest, Summary)
{
    dd->SetEditorEnabled(false);
    dd->SetMemoText(QStringLiteral("Alpha\nBeta"));
    EXPECT_EQ(dd->Text(), "Alpha...");
    dd->SetMemoText(QStringLiteral("Alpha"));
    EXPECT_EQ(dd->Text(), "Alpha");
    dd->SetMemoText(QStringLiteral("A rather long first line that cannot fit\nsecond"));
    EXPECT_TRUE(dd->Text().endsWith(QLatin1String("..."))) << dd->Text().toStdString();
    EXPECT_LT(dd->Text().size(), 30);
    dd->SetEditorEnabled(true);
    dd->SetMemoText(QStringLiteral("Alpha\nBeta"));
    EXPECT_EQ(dd->Text(), "Alpha\nBeta");
    EXPECT_EQ(dd->MemoText().Count(), 2);
}

TEST_F(MemoTest, TypingReplacesAllLines)
{
    dd->SetMemoText(QStringLiteral("Alpha\nBeta"));
    dd->SetFocus();
    dd->SelectAll();
    TestKit::TypeText(dd, "Gamma");
    EXPECT_EQ(dd->MemoText().Count(), 1);
    EXPECT_EQ(dd->MemoText().Strings(0), "Gamma");
}

TEST_F(MemoTest, CancelDiscardsAndAcceptKeepsMemoEdits)
{
    dd->SetEditorEnabled(false);
    dd->SetMemoText(QStringLiteral("Alpha\nBeta"));
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    EXPECT_FALSE(popup()->CancelOnDeActivate());
    EXPECT_EQ(dd->Memo()->Lines().Count(), 2);
    dd->Memo()->Lines().SetText(QStringLiteral("Changed\nlines\nhere"));
    dd->HideDropDown(true);
    EXPECT_EQ(dd->MemoText().Text(), "Alpha\nBeta\n");
    EXPECT_EQ(dd->Text(), "Alpha...");
    dd->ShowDropDown();
    dd->Memo()->Lines().SetText(QStringLiteral("Kept"));
    // Alt+Up goes from the memo to the edit and closes accepted.
    TestKit::TypeKey(dd->Memo(), VK_UP, TShiftState{ssAlt});
    EXPECT_FALSE(open());
    EXPECT_EQ(dd->MemoText().Text(), "Kept\n");
    EXPECT_EQ(dd->Text(), "Kept");
}

TEST_F(MemoTest, KeysInsideTheMemo)
{
    dd->SetMemoText(QStringLiteral("one\ntwo"));
    dd->ShowDropDown();
    ASSERT_TRUE(open());
    dd->Memo()->SetFocus();
    // Ctrl+A selects all of the memo.
    TestKit::TypeKey(dd->Memo(), 'A', TShiftState{ssCtrl});
    EXPECT_EQ(dd->Memo()->SelLength(), dd->Memo()->Lines().Text().size() - 1);
    // Enter stays in the memo (a line break), F4 closes.
    TestKit::TypeKey(dd->Memo(), VK_DOWN);
    TestKit::TypeKey(dd->Memo(), VK_RETURN);
    EXPECT_TRUE(open());
    TestKit::TypeKey(dd->Memo(), VK_F4);
    EXPECT_FALSE(open());
    EXPECT_EQ(dd->MemoText().Count(), 1) << "the typed line break replaced the selection";
    // Esc closes cancelled.
    dd->ShowDropDown();
    dd->Memo()->SetFocus();
    TestKit::TypeKey(dd->Memo(), VK_ESCAPE);
    EXPECT_FALSE(open());
}

TEST_F(MemoTest, AutoDropOpensOnEnterButNotAfterAClose)
{
    dd->SetAutoDrop(true);
    dd->SetFocus();
    EXPECT_TRUE(open());
    dd->HideDropDown(false);
    EXPECT_FALSE(open());
    EXPECT_TRUE(dd->Focused());
    EXPECT_TRUE(dd->AutoDrop());
    sink->SetFocus();
    dd->SetFocus();
    EXPECT_TRUE(open());
}

}  // namespace
