// The popup's header and footer settings and the bar buttons' colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/dropdown/DropDownAppearance.h"
#include "controls/dropdown/DropDownDraw.h"

namespace {

// An owner that is neither appearance (a drop-down or a grid in the program).
class TOwnerStub : public TPersistent {};

TEST(DropDownAppearance, HeaderAndFooterDefaults)
{
    TOwnerStub owner;
    THeaderAppearance h(&owner);
    TFooterAppearance f(&owner);
    struct Row {
        const char* Name;
        TBarAppearance* A;
    };
    for (const Row& r : {Row{"header", &h}, Row{"footer", &f}}) {
        SCOPED_TRACE(r.Name);
        EXPECT_TRUE(r.A->Visible());
        EXPECT_EQ(r.A->Height(), 22);
        EXPECT_EQ(r.A->BorderWidth(), 1);
        EXPECT_EQ(r.A->ImageIndex(), -1);
        EXPECT_EQ(r.A->Caption(), "");
        EXPECT_EQ(r.A->Color(), 0xC0C0C0);
        EXPECT_EQ(r.A->ColorTo(), 0xFFFFFF);
        EXPECT_EQ(r.A->BorderColor(), 0x000000);
        EXPECT_EQ(r.A->GradientDirection(), gdVertical);
        EXPECT_EQ(r.A->ButtonAlignment(), baRight);
        EXPECT_EQ(r.A->GetOwner(), &owner);
    }
    EXPECT_EQ(h.Font().Name(), "Tahoma");
    EXPECT_TRUE(f.SizeGrip());
    EXPECT_EQ(f.Font(), TFont()) << "the footer keeps the platform's default font";
    EXPECT_EQ(h.Buttons().Count(), 0);
    // The buttons report the appearance's owner, not the appearance.
    EXPECT_EQ(h.Buttons().Owner(), &owner);
    EXPECT_EQ(f.Buttons().Owner(), &owner);

    THeaderButton* hb = h.Buttons().Add();
    TFooterButton* fb = f.Buttons().Add();
    for (THeaderButton* b : {hb, static_cast<THeaderButton*>(fb)}) {
        EXPECT_EQ(b->Caption(), "");
        EXPECT_EQ(b->ImageIndex(), -1);
        EXPECT_TRUE(b->Enabled());
        EXPECT_EQ(b->Width(), 0);
        EXPECT_EQ(b->Height(), 0);
    }
    EXPECT_EQ(fb->ModalResult(), mrNone);
}

TEST(DropDownAppearance, ButtonAppearanceDefaults)
{
    TVynButtonAppearance a;
    EXPECT_EQ(a.BorderColor(), clNone);
    EXPECT_EQ(a.BorderColorHot(), 0x808080);
    EXPECT_EQ(a.BorderColorDown(), 0x800000);
    EXPECT_EQ(a.BorderColorDisabled(), 0x808080);
    EXPECT_EQ(a.BorderColorChecked(), 0xFF0000);
    EXPECT_EQ(a.Color(), clNone);
    EXPECT_EQ(a.ColorTo(), clNone);
    EXPECT_EQ(a.ColorDown(), 0xF5D8CA);
    EXPECT_EQ(a.ColorDownTo(), 0xF9BDA0);
    EXPECT_EQ(a.ColorHot(), 0xF5F0E1);
    EXPECT_EQ(a.ColorHotTo(), 0xF9D2B2);
    // The down state's colours are shades of the hot ones (red and green at
    // 90 %, halves to even).
    EXPECT_EQ(a.ColorCheckedTo(), 0xF9BDA0);
    EXPECT_EQ(a.ColorChecked(), 0xF5D8CA);
    EXPECT_EQ(a.ColorDisabled(), 0xF2F2F2);
    EXPECT_EQ(a.ColorDisabledTo(), clNone);
    EXPECT_EQ(a.Gradient(), gdVertical);
    EXPECT_EQ(a.Font().Name(), "Tahoma");
}

// Which writes notify: only Visible on the appearance; a button item's
// Caption, Enabled and Width (OnButtonsChanged), not its Height.
TEST(DropDownAppearance, WhichWritesNotify)
{
    TOwnerStub owner;
    THeaderAppearance h(&owner);
    std::vector<std::string> log;
    h.OnChange = [&](TObject* S) {
        EXPECT_EQ(S, &h);
        log.push_back("change");
    };
    h.OnButtonsChanged = [&](TObject* S) {
        EXPECT_EQ(S, &h);
        log.push_back("buttons");
    };
    THeaderButton* b = h.Buttons().Add();
    ASSERT_TRUE(log.empty()) << "adding an item notifies nothing";
    struct Row {
        const char* Write;
        std::function<void()> Do;
        const char* Expected;
    };
    const Row rows[] = {
        {"Color", [&] { h.SetColor(0x123456); }, ""},
        {"ColorTo", [&] { h.SetColorTo(0x123456); }, ""},
        {"BorderColor", [&] { h.SetBorderColor(0x123456); }, ""},
        {"BorderWidth", [&] { h.SetBorderWidth(3); }, ""},
        {"Caption", [&] { h.SetCaption("x"); }, ""},
        {"GradientDirection", [&] { h.SetGradientDirection(gdHorizontal); }, ""},
        {"Height", [&] { h.SetHeight(30); }, ""},
        {"ImageIndex", [&] { h.SetImageIndex(2); }, ""},
        {"ButtonAlignment", [&] { h.SetButtonAlignment(baLeft); }, ""},
        {"Font", [&] { h.Font().SetColor(0xFF); }, ""},
        {"Visible off", [&] { h.SetVisible(false); }, "change"},
        {"Visible off again", [&] { h.SetVisible(false); }, ""},
        {"Visible on", [&] { h.SetVisible(true); }, "change"},
        {"button Caption", [&] { b->SetCaption("OK"); }, "buttons"},
        {"button Caption same", [&] { b->SetCaption("OK"); }, ""},
        {"button Enabled", [&] { b->SetEnabled(false); }, "buttons"},
        {"button Width", [&] { b->SetWidth(40); }, "buttons"},
        {"button Height", [&] { b->SetHeight(40); }, ""},
        {"button ImageIndex", [&] { b->SetImageIndex(1); }, ""},
    };
    for (const Row& r : rows) {
        log.clear();
        r.Do();
        EXPECT_EQ(log.empty() ? std::string() : log.front(), r.Expected) << r.Write;
        EXPECT_LE(log.size(), 1u) << r.Write;
    }
}

TEST(DropDownAppearance, AssignCopiesItsOwnKindOnly)
{
    TOwnerStub owner;
    THeaderAppearance src(&owner), dst(&owner);
    src.SetColor(0x010203);
    src.SetColorTo(0x040506);
    src.SetBorderColor(0x070809);
    src.SetCaption("Head");
    src.Font().SetName("Verdana");
    src.SetImageIndex(4);
    src.SetBorderWidth(2);
    src.SetGradientDirection(gdHorizontal);
    src.SetHeight(30);
    src.SetVisible(false);
    src.SetButtonAlignment(baLeft);
    src.Buttons().Add()->SetCaption("A");
    int changes = 0;
    dst.OnChange = [&](TObject*) { ++changes; };
    dst.Assign(src);
    EXPECT_EQ(dst.Color(), 0x010203);
    EXPECT_EQ(dst.ColorTo(), 0x040506);
    EXPECT_EQ(dst.BorderColor(), 0x070809);
    EXPECT_EQ(dst.Caption(), "Head");
    EXPECT_EQ(dst.Font().Name(), "Verdana");
    EXPECT_EQ(dst.ImageIndex(), 4);
    EXPECT_EQ(dst.BorderWidth(), 2);
    EXPECT_EQ(dst.GradientDirection(), gdHorizontal);
    EXPECT_EQ(dst.Height(), 30);
    EXPECT_FALSE(dst.Visible());
    EXPECT_EQ(changes, 1) << "Visible is copied through its setter";
    EXPECT_EQ(dst.ButtonAlignment(), baLeft);
    ASSERT_EQ(dst.Buttons().Count(), 1);
    EXPECT_EQ(dst.Buttons().Items(0)->Caption(), "A");

    // Cross-class Assign and AssignColors change nothing and raise nothing.
    TFooterAppearance footer(&owner);
    const TColor before = footer.Color();
    EXPECT_NO_THROW(footer.Assign(src));
    EXPECT_NO_THROW(footer.AssignColors(src));
    EXPECT_EQ(footer.Color(), before);
    EXPECT_TRUE(footer.Visible());
    EXPECT_EQ(footer.Buttons().Count(), 0);
    THeaderAppearance header(&owner);
    footer.SetColor(0x111111);
    EXPECT_NO_THROW(header.Assign(footer));
    EXPECT_EQ(header.Color(), 0xC0C0C0);

    // AssignColors: colours, font and gradient only.
    THeaderAppearance colours(&owner);
    colours.AssignColors(src);
    EXPECT_EQ(colours.Color(), 0x010203);
    EXPECT_EQ(colours.Font().Name(), "Verdana");
    EXPECT_EQ(colours.GradientDirection(), gdHorizontal);
    EXPECT_EQ(colours.Caption(), "");
    EXPECT_TRUE(colours.Visible());
    EXPECT_EQ(colours.Height(), 22);
}

TEST(DropDownAppearance, FooterButtonAssignCopiesModalResult)
{
    TOwnerStub owner;
    TFooterButtons a(&owner), b(&owner);
    TFooterButton* src = a.Add();
    src->SetCaption("Cancel");
    src->SetModalResult(mrCancel);
    src->SetWidth(50);
    src->SetHeight(20);
    src->SetImageIndex(3);
    src->SetEnabled(false);
    b.Assign(a);
    ASSERT_EQ(b.Count(), 1);
    TFooterButton* dst = b.Items(0);
    EXPECT_EQ(dst->Caption(), "Cancel");
    EXPECT_EQ(dst->ModalResult(), mrCancel);
    EXPECT_EQ(dst->Width(), 50);
    EXPECT_EQ(dst->Height(), 20);
    EXPECT_EQ(dst->ImageIndex(), 3);
    EXPECT_FALSE(dst->Enabled());
    // A button item from anything else is the platform's error.
    THeaderButtons h(&owner);
    EXPECT_THROW(h.Add()->Assign(*src), Exception);
}

TEST(DropDownAppearance, ButtonAppearanceAssignAndNotify)
{
    TVynButtonAppearance a, b;
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.SetColor(clNone);
    EXPECT_EQ(changes, 0) << "a setter with the same value fires nothing";
    b.SetColorHot(0x00FF00);
    EXPECT_EQ(changes, 1);
    a.SetColor(0x112233);
    a.SetBorderColorChecked(0x445566);
    a.SetGradient(gdHorizontal);
    a.Font().SetName("Verdana");
    changes = 0;
    b.Assign(a);
    EXPECT_EQ(b.Color(), 0x112233);
    EXPECT_EQ(b.ColorHot(), 0xF5F0E1);
    EXPECT_EQ(b.BorderColorChecked(), 0x445566);
    EXPECT_EQ(b.Gradient(), gdHorizontal);
    EXPECT_EQ(b.Font().Name(), "Tahoma") << "the font is not copied";
    EXPECT_EQ(changes, 4) << "Color, ColorHot, BorderColorChecked and Gradient changed";
}

}  // namespace
