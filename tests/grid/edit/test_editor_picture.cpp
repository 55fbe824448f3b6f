// Pictures of the text editor: open on a right-aligned cell, and a refused
// value with its balloon. VYN_RENDER_DIR=<dir> keeps them as PNGs; on a real
// display (VYN_TEST_DISPLAY=1 with QT_QPA_PLATFORM=xcb, e.g. under
// xvfb-run -a) the screen's pixels of the same place are kept too.
#include "edit_fixture.h"
#include "picture_kit.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include <cstdlib>

namespace {

// The columns that hold a dark pixel (text) in R of Image.
std::pair<int, int> InkColumns(const QImage& Image, const QRect& R)
{
    int first = -1, last = -1;
    for (int x = R.left(); x <= R.right(); ++x)
        for (int y = R.top(); y <= R.bottom(); ++y)
            if (qGray(Image.pixel(x, y)) < 100) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

}  // namespace

TEST_F(EditTest, PictureOfARightAlignedEditorAndARefusedValue)
{
    form.SetCaption("Editing cells");
    grid->SetColWidths(2, 150);
    grid->OnGetAlignment = [](TObject*, int, int C, TAlignment& H, TVAlignment&) {
        if (C == 2)
            H = taRightJustify;
    };
    grid->SetCells(2, 1, "1250");
    Goto(2, 1);
    EditWith("0");
    ASSERT_TRUE(EditorShown());
    ASSERT_EQ(Editor()->Alignment(), taRightJustify);
    Settle();
    const QImage open = TestKit::RenderToImage(&form);
    Keep(open, "grid_editor_right_aligned.png");
    if (QGuiApplication::platformName() != "offscreen") {
        const TPoint at = form.ClientToScreen(TPoint(0, 0));
        Keep(QGuiApplication::primaryScreen()->grabWindow(0, at.X, at.Y, open.width(), open.height()).toImage(),
             "grid_editor_right_aligned_screen.png");
    }
    // The text sits at the editor's right edge.
    const TRect e = Editor()->BoundsRect();
    const TPoint eAt = grid->ClientToScreen(TPoint(e.Left, e.Top)), fAt = form.ClientToScreen(TPoint(0, 0));
    const TPoint o(eAt.X - fAt.X, eAt.Y - fAt.Y);
    const QRect inEditor(o.X + 1, o.Y + 2, e.Width() - 2, e.Height() - 4);
    const auto [first, last] = InkColumns(open, inEditor);
    ASSERT_GE(first, 0) << "the editor shows its text";
    EXPECT_GT(first - inEditor.left(), inEditor.width() / 2);
    EXPECT_LT(inEditor.right() - last, 12);

    // A refused value: the old text back, the balloon at the editor.
    grid->SetInvalidEntryTitle("Value refused");
    grid->SetInvalidEntryText("Enter a number from 0 to 9999.");
    grid->SetInvalidEntryIcon(TInvalidEntryIcon::ieWarning);
    Validate([](String& Value, bool& Valid) { Valid = Value.size() <= 4; });
    Key(VK_RETURN);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(S(EditorText()), "1250");
    THintWindow* balloon = grid->InvalidEntryBalloon();
    ASSERT_NE(balloon, nullptr);
    ASSERT_TRUE(balloon->IsHintShowing());
    Settle();
    // The form with the balloon over it, as the screen shows them.
    const TPoint formAt = form.ClientToScreen(TPoint(0, 0));
    const TRect b = balloon->BoundsRect();
    QImage both(std::max(form.ClientWidth(), b.Right - formAt.X) + 4, std::max(form.ClientHeight(), b.Bottom - formAt.Y) + 4,
                QImage::Format_ARGB32);
    both.fill(Qt::white);
    {
        QPainter p(&both);
        p.drawImage(0, 0, TestKit::RenderToImage(&form));
        p.drawImage(b.Left - formAt.X, b.Top - formAt.Y, TestKit::RenderToImage(balloon));
    }
    Keep(both, "grid_editor_refused_balloon.png");
    // The balloon starts below the editor and holds dark text.
    EXPECT_GE(b.Top - formAt.Y, o.Y + e.Height() - 1);
    const QImage tip = TestKit::RenderToImage(balloon);
    EXPECT_GE(InkColumns(tip, QRect(0, 0, tip.width(), tip.height())).first, 0);
    if (QGuiApplication::platformName() != "offscreen") {
        QScreen* screen = QGuiApplication::primaryScreen();
        const QImage real = screen->grabWindow(0, formAt.X, formAt.Y, both.width(), both.height()).toImage();
        Keep(real, "grid_editor_refused_balloon_screen.png");
    }
    Key(VK_ESCAPE);
}
