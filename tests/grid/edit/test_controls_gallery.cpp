// One form with every editor control (speed buttons, spin edits, edits with
// a button, date pickers), with pixel checks that catch a control painting
// nothing. For a look on a real display:
//   VYN_TEST_DISPLAY=1 VYN_HOLD_MS=4000 grid_edit_tests --gtest_filter=ControlsGallery*
// keeps the form (and the open calendar) on screen for that long;
// VYN_RENDER_DIR=<dir> keeps an offscreen PNG.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdlib>

#include "grid/edit/controls/edit_btn.h"
#include "grid/edit/controls/spin_edit.h"
#include "grid/edit/controls/vyn_date_time_picker.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/testing/test_kit.h"

namespace {

template <typename T>
T* Place(TWinControl* Parent, int L, int T_, int W, int H)
{
    auto* c = new T(Parent);
    c->SetBounds(L, T_, W, H);
    c->SetParent(Parent);
    return c;
}

std::unique_ptr<TBitmap> Arrow(TColor Color)
{
    auto b = std::make_unique<TBitmap>(12, 12);
    b->Canvas().Brush().SetColor(clFuchsia);
    b->Canvas().FillRect(Rect(0, 0, 12, 12));
    b->Canvas().Brush().SetColor(Color);
    b->Canvas().Pen().SetColor(Color);
    b->Canvas().Polygon({Point(2, 2), Point(9, 6), Point(2, 10)});
    return b;
}

void Hold()
{
    const char* ms = std::getenv("VYN_HOLD_MS");
    if (!ms)
        return;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < std::atoi(ms)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ProcessPostedMessages();
        QThread::msleep(10);
    }
}

}  // namespace

TEST(ControlsGallery, EveryEditorControlPaints)
{
    TestKit::InputStateScope input;
    TFormatSettings saved = FormatSettings();
    FormatSettings().ShortDateFormat = "dd.mm.yyyy";
    FormatSettings().DateSeparator = u'.';
    FormatSettings().LongTimeFormat = "hh:nn:ss";
    TForm form(nullptr);
    form.SetCaption("Editor controls");
    form.SetBounds(40, 40, 560, 330);
    form.SetColor(RGBColor(248, 247, 237));
    form.Font().SetName("Verdana");
    form.Font().SetHeight(-11);

    // Speed buttons: classic, flat, down in a group, disabled, with captions.
    auto glyph = Arrow(clNavy);
    auto* sb1 = Place<TSpeedButton>(&form, 10, 10, 60, 24);
    sb1->SetGlyph(glyph.get());
    sb1->SetCaption("Play");
    auto* sb2 = Place<TSpeedButton>(&form, 75, 10, 24, 24);
    sb2->SetGlyph(glyph.get());
    sb2->SetFlat(true);
    auto* sb3 = Place<TSpeedButton>(&form, 104, 10, 24, 24);
    sb3->SetGlyph(glyph.get());
    sb3->SetGroupIndex(1);
    sb3->SetDown(true);
    auto* sb4 = Place<TSpeedButton>(&form, 133, 10, 60, 24);
    sb4->SetGlyph(glyph.get());
    sb4->SetCaption("Off");
    sb4->SetEnabled(false);

    // Spin edits of the four kinds and a horizontal one with coloured arrows.
    auto* spinInt = Place<TVsgSpinEdit>(&form, 10, 50, 90, 22);
    spinInt->SetValue(42);
    auto* spinFloat = Place<TVsgSpinEdit>(&form, 110, 50, 90, 22);
    spinFloat->SetSpinType(sptFloat);
    spinFloat->SetPrecision(2);
    spinFloat->SetFloatValue(3.5);
    auto* spinDate = Place<TVsgSpinEdit>(&form, 210, 50, 100, 22);
    spinDate->SetSpinType(sptDate);
    spinDate->SetDateValue(EncodeDate(2024, 2, 29));
    auto* spinTime = Place<TVsgSpinEdit>(&form, 320, 50, 90, 22);
    spinTime->SetSpinType(sptTime);
    spinTime->SetTimeValue(EncodeTime(23, 30, 0, 0));
    auto* spinH = Place<TVsgSpinEdit>(&form, 420, 50, 100, 22);
    spinH->SetDirection(spHorizontal);
    spinH->Button()->ButtonColor = RGBColor(0xDD, 0xE8, 0xF5);
    spinH->Button()->ButtonColorHot = RGBColor(0xBB, 0xD0, 0xEA);
    spinH->Button()->ButtonColorDown = RGBColor(0x99, 0xB8, 0xDE);
    spinH->SetValue(7);

    // Edits with a button and a unit edit.
    auto* eb = Place<TVsgEditBtn>(&form, 10, 90, 140, 22);
    eb->SetButtonCaption("...");
    eb->SetText("C:/projects");
    auto* ebColour = Place<TVsgEditBtn>(&form, 160, 90, 140, 22);
    ebColour->SetButtonCaption("...");
    ebColour->Button()->ButtonColor = RGBColor(0xDD, 0xE8, 0xF5);
    ebColour->SetText("coloured");
    auto* unit = Place<TVsgUnitEditBtn>(&form, 310, 90, 120, 22);
    TStringList units;
    units.Add("mm");
    units.Add("km");
    unit->SetUnits(&units);
    unit->SetTextAndUnit("12.5mm");

    // Date pickers: the platform's, with a check box, the grid's in both
    // looks, a time picker, and the date-and-time picker with its label.
    auto* plain = Place<TDateTimePicker>(&form, 10, 130, 130, 22);
    plain->SetFormat("dd.mm.yyyy");
    plain->SetDateTime(EncodeDate(2024, 3, 15));
    auto* checked = Place<TDateTimePicker>(&form, 150, 130, 140, 22);
    checked->SetShowCheckbox(true);
    checked->SetFormat("dd.mm.yyyy");
    checked->SetDateTime(EncodeDate(2024, 3, 16));
    auto* vsg = Place<TVsgDateTimePicker>(&form, 300, 130, 120, 22);
    vsg->SetFormat("dd.mm.yyyy");
    vsg->SetDateTime(EncodeDate(2024, 3, 17));
    auto* metro = Place<TVsgDateTimePicker>(&form, 430, 130, 120, 22);
    metro->SetFormat("dd.mm.yyyy");
    metro->SetDateTime(EncodeDate(2024, 3, 18));
    metro->SetMetroStyle(true);
    metro->SetBorderColor(RGBColor(0x7A, 0x9C, 0xC9));
    metro->ButtonColor = RGBColor(0xDD, 0xE8, 0xF5);
    metro->ButtonColorHot = RGBColor(0xBB, 0xD0, 0xEA);
    metro->ButtonColorDown = RGBColor(0x99, 0xB8, 0xDE);
    metro->ButtonBorderColor = RGBColor(0x7A, 0x9C, 0xC9);
    metro->ButtonTextColor = clBlack;
    auto* time = Place<TVsgDateTimePicker>(&form, 10, 170, 100, 22);
    time->SetKind(dtkTime);
    time->SetFormat("hh:nn:ss");
    time->SetDateTime(EncodeTime(18, 5, 0, 0));
    auto* vyn = Place<TVynDateTimePicker>(&form, 200, 190, 200, 22);
    vyn->SetFormat("dd.mm.yyyy");
    vyn->SetTimeFormat("hh:nn:ss");
    vyn->SetDateTime(EncodeDate(2023, 3, 15) + EncodeTime(18, 0, 0, 250));
    vyn->SetLabelPosition(lpTopCenter);
    vyn->SetLabelCaption("Start of the run");

    form.Show();
    QCoreApplication::processEvents();

    // Every control paints something of its own.
    auto pixel = [](TControl* C, int X, int Y) { return FromQColor(QColor(TestKit::RenderToImage(C).pixel(X, Y))); };
    EXPECT_NE(pixel(spinInt->Button()->UpButton(), 4, 3), pixel(spinInt, 30, 10)) << "the arrows paint";
    EXPECT_EQ(pixel(spinH->Button()->UpButton(), 1, 1), RGBColor(0xDD, 0xE8, 0xF5));
    EXPECT_EQ(pixel(ebColour->Button()->Button(), 2, 2), RGBColor(0xDD, 0xE8, 0xF5));
    EXPECT_EQ(pixel(metro, 0, 0), RGBColor(0x7A, 0x9C, 0xC9));
    ASSERT_NE(vyn->TimePicker(), nullptr);
    EXPECT_EQ(vyn->TimePicker()->DisplayText(), "18:00:00");
    EXPECT_LT(vyn->PickerLabel()->Top(), vyn->Top());
    EXPECT_EQ(spinDate->Text(), "29.02.2024");
    EXPECT_EQ(unit->TextAndUnit(), "12.5mm");

    if (const char* dir = std::getenv("VYN_RENDER_DIR"))
        TestKit::RenderToPng(&form, QString::fromLocal8Bit(dir) + "/editor_controls.png");
    // On a real display: the form, then the calendar open under a picker.
    Hold();
    if (std::getenv("VYN_HOLD_MS")) {
        plain->SetFocus();
        plain->DropDown();
        Hold();
        plain->CloseUp();
    }
    FormatSettings() = saved;
}
