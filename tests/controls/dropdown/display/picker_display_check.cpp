#include "picker_display_check.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

#include "display_helpers.h"

#include "controls/dropdown/ColorPickerDropDown.h"
#include "controls/dropdown/DetailDropDown.h"
#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/ImagePickerDropDown.h"
#include "platform/display/popup_display_check.h"
#include "platform/gui/application.h"
#include "platform/gui/extctrls.h"
#include "platform/testing/render_png.h"

namespace DisplayCheck {

namespace {

QPoint screenPoint(TControl* C, int X, int Y)
{
    const TPoint p = C->ClientToScreen(TPoint{X, Y});
    return {p.X, p.Y};
}

// A real click on the drop button opens the popup; the X server shows its
// offscreen picture. Returns false (with the failure reported) otherwise.
bool openAndCompare(const TRealInput& Input, TVynCustomDropDown* D, const std::string& Name,
                    const std::string& ShotDir)
{
    const QPoint b = centreOf(D->Button());
    if (!Input.ClickAt(b.x(), b.y())) {
        ADD_FAILURE() << Name << ": the click failed";
        return false;
    }
    TDropDownForm* popup = D->DropDownForm();
    if (!waitFor([&] { return exposed(popup); })) {
        save(screenAt(QGuiApplication::primaryScreen()->geometry()), ShotDir, "picker-" + Name + "-failed.png");
        ADD_FAILURE() << Name << ": the popup never showed (capture " << (GetCaptureControl() != nullptr) << ")";
        return false;
    }
    settle(400);
    const QImage painted = TestKit::RenderToImage(popup).convertToFormat(QImage::Format_RGB32);
    const QRect r(popup->Left(), popup->Top(), popup->Width(), popup->Height());
    QImage shown;
    const bool same = waitFor(
        [&] {
            shown = screenAt(r);
            return shown == painted;
        },
        5000);
    save(shown, ShotDir, "picker-" + Name + ".png");
    save(painted, ShotDir, "picker-" + Name + "-painted.png");
    EXPECT_TRUE(same) << Name << ": the popup on the screen differs from its offscreen picture";
    return true;
}

}  // namespace

void CheckPickersOnDisplay(const TRealInput& Input, const std::function<void(int Ms)>& AdvanceClock,
                           const std::string& ShotDir)
{
    TForm* form = new TForm(nullptr);
    form->SetName("PickerForm");
    form->SetCaption("Picker check");
    form->SetBounds(150, 100, 520, 560);

    auto* det = new TVynDetailDropDown(form);
    det->SetName("Detail");
    det->SetBounds(20, 20, 220, 21);
    det->SetParent(form);
    det->SetItemHeight(36);
    det->SetDropDownWidth(240);
    det->SetDropDownHeight(170);
    struct Row {
        const char* Caption;
        const char* Notes;
    };
    for (const Row& r : {Row{"Pump station", "Flow <b>12.5</b> m<sup>3</sup>/h"},
                         Row{"Valve V-101", "<font color=\"clRed\">closed</font> since 08:00"},
                         Row{"Tank level", "<i>78 %</i> of 40 m<sup>3</sup>"}, Row{"Mixer", "Speed 1450 rpm"}}) {
        TDetailItem* item = det->Items().Add();
        item->SetCaption(r.Caption);
        item->SetNotes(r.Notes);
    }
    det->SetItemIndex(1);

    auto* cp = new TVynColorPickerDropDown(form);
    cp->SetName("ColorPicker");
    cp->SetBounds(20, 280, 160, 21);
    cp->SetParent(form);
    cp->AddDefaultColors();
    cp->SetSelectedColor(0x008000);

    auto* images = new TImageList(form, 16, 16);
    for (TColor c : {TColor(0x0000C0), TColor(0x00A000), TColor(0xC00000), TColor(0x00C0C0)}) {
        TBitmap b(16, 16);
        b.Canvas().Brush().SetColor(c);
        b.Canvas().FillRect(Rect(0, 0, 16, 16));
        images->Add(b);
    }
    auto* ip = new TVynImagePickerDropDown(form);
    ip->SetName("ImagePicker");
    ip->SetBounds(300, 20, 120, 24);
    ip->SetParent(form);
    ip->SetImages(images);
    ip->AddImagesFromImageList();
    for (int i = 0; i < ip->Items().Count(); ++i)
        ip->Items().Items(i)->SetCaption(QStringLiteral("Picture %1").arg(i + 1));
    ip->SetColumns(2);
    ip->SetItemIndex(0);

    form->Show();
    ASSERT_TRUE(waitFor([&] { return exposed(form); })) << "the form never showed";
    settle();

    // The detail list: a real click on the third row picks it.
    ASSERT_TRUE(openAndCompare(Input, det, "detail", ShotDir));
    {
        TCustomItemSelector* panel = det->ItemSelector()->SelectorPanel();
        TRect r;
        panel->GetItemRect(2, r);
        const QPoint p = screenPoint(panel, r.Left + 20, r.Top + 8);
        ASSERT_TRUE(Input.ClickAt(p.x(), p.y()));
        EXPECT_TRUE(waitFor([&] { return !det->DroppedDown(); })) << "the pick left the detail list open";
        EXPECT_EQ(det->ItemIndex(), 2);
        EXPECT_EQ(det->Text(), "Tank level");
    }

    // The colour picker in its four styles, each closed by a real pick.
    struct Style {
        TColorSelectionStyle Value;
        const char* Name;
    };
    for (const Style& s : {Style{csList, "color-list"}, Style{csDiscrete, "color-palette"},
                           Style{csColorCube, "color-cube"}, Style{csSpectrum, "color-spectrum"}}) {
        SCOPED_TRACE(s.Name);
        AdvanceClock(1000);
        cp->SetColorSelectionStyle(s.Value);
        settle(100);
        ASSERT_TRUE(openAndCompare(Input, cp, s.Name, ShotDir));
        QPoint p;
        TColor expected = clNone;
        switch (s.Value) {
        case csList: {
            TCustomItemSelector* panel = cp->ItemSelector()->SelectorPanel();
            TRect r;
            panel->GetItemRect(3, r);
            p = screenPoint(panel, r.Left + 6, r.Top + 6);
            expected = 0x008080;  // Olive
            break;
        }
        case csDiscrete: {
            TCustomColorSelector* pal = cp->ColorSelector();
            const TRect r = pal->Items().Items(9)->ItemRect();
            p = screenPoint(pal, r.Left + 5, r.Top + 5);
            expected = 0x4696F7;
            break;
        }
        case csColorCube: {
            TVynColorCubePanel* cube = cp->ColorCubePanel();
            const TPoint c = cube->Cell(64).Center;
            p = screenPoint(cube, c.X, c.Y);
            expected = 0xFFFFFF;
            break;
        }
        case csSpectrum: {
            TVynColorSpectrumPanel* sp = cp->SpectrumPanel();
            const TRect r = sp->SpectrumImage()->BoundsRect();
            p = screenPoint(sp, r.Left, r.Top + 64);
            expected = 0x0000FF;
            break;
        }
        }
        ASSERT_TRUE(Input.ClickAt(p.x(), p.y()));
        EXPECT_TRUE(waitFor([&] { return !cp->DroppedDown(); })) << "the pick left the popup open";
        EXPECT_EQ(cp->SelectedColor(), expected);
    }

    // The image picker: a real click on the fourth picture.
    AdvanceClock(1000);
    ASSERT_TRUE(openAndCompare(Input, ip, "image", ShotDir));
    {
        TCustomItemSelector* panel = ip->ItemSelector()->SelectorPanel();
        TRect r;
        panel->GetItemRect(3, r);
        const QPoint p = screenPoint(panel, r.Left + 10, r.Top + r.Height() / 2);
        ASSERT_TRUE(Input.ClickAt(p.x(), p.y()));
        EXPECT_TRUE(waitFor([&] { return !ip->DroppedDown(); })) << "the pick left the pictures open";
        EXPECT_EQ(ip->ItemIndex(), 3);
    }
    settle();
    save(screenAt(QRect(form->Left(), form->Top(), form->Width(), form->Height())), ShotDir, "picker-form.png");
    form->Free();
}

}  // namespace DisplayCheck
