#pragma once
// A shown form with a drop-down on it, a pad the popup hosts, a second form
// elsewhere, the layer's clock standing still and a fixed display layout.
#include <gtest/gtest.h>

#include <QImage>

#include <memory>
#include <string>
#include <vector>

#include "controls/dropdown/DropDownButton.h"
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/VynDropDown.h"
#include "platform/gui/application.h"
#include "platform/testing/monitor_layout.h"
#include "platform/testing/test_kit.h"

namespace DropDownTestKit {

// A table row's name as a test name: letters and digits, the rest '_'.
inline std::string TestName(std::string Name)
{
    for (char& c : Name)
        if (!isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return Name;
}

inline TColor PixelAt(const QImage& Image, int X, int Y) { return FromQColor(Image.pixelColor(X, Y)); }

inline std::string Hex(TColor C)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%06X", unsigned(C) & 0xFFFFFFu);
    return buf;
}

// A plain control that takes the focus and counts its presses.
class TPad : public TCustomControl {
public:
    TPad(TComponent* AOwner, TColor AColor) : TCustomControl(AOwner)
    {
        SetColor(AColor);
        SetTabStop(true);
    }
    int Presses = 0;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        ++Presses;
        TCustomControl::MouseDown(Button, Shift, X, Y);
    }
};

// A drop-down that records the steps of its life cycle.
class TRecordingDropDown : public TVynDropDown {
public:
    using TVynDropDown::TVynDropDown;
    std::vector<std::string> Log;

protected:
    void AfterDropUp() override
    {
        Log.push_back("AfterDropUp");
        TVynDropDown::AfterDropUp();
    }
};

// Two displays: the primary one at (0, 0) with a task bar of 40 pixels at
// its bottom, and one left of it at negative x.
inline std::vector<TMonitorSpec> TwoDisplays()
{
    return {{Rect(0, 0, 1280, 1024), Rect(0, 0, 1280, 984), true},
            {Rect(-1024, 0, 0, 768), Rect(-1024, 0, 0, 768), false}};
}

// The borderless 400 x 300 form at (100, 100) every drop-down test shows,
// with a pad at (300, 200) that holds the focus away from the drop-down.
inline TForm* MakeHostForm(TPad*& Sink)
{
    auto* form = new TForm(nullptr);
    form->SetName("Form");
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 400, 300);
    Sink = new TPad(form, 0x405060);
    Sink->SetName("Sink");
    Sink->SetBounds(300, 200, 40, 40);
    Sink->SetParent(form);
    return form;
}

struct DropDownFixture : ::testing::Test {
    TestKit::InputStateScope input;
    TestKit::FakeClock clock;
    TestKit::MonitorLayoutScope displays{TwoDisplays()};
    TForm* form = nullptr;
    TForm* other = nullptr;
    TPad* sink = nullptr;
    TPad* pad = nullptr;
    TPad* target = nullptr;  // on the other form
    TRecordingDropDown* dd = nullptr;

    void SetUp() override
    {
        SetThemes(&classic);
        form = MakeHostForm(sink);
        dd = new TRecordingDropDown(form);
        dd->SetName("DropDown");
        dd->SetBounds(10, 10, 200, 21);
        dd->SetParent(form);
        pad = new TPad(form, 0x00C0FF);
        pad->SetName("Pad");
        pad->SetBounds(0, 0, 150, 100);
        dd->SetControl(pad);
        other = new TForm(nullptr);
        other->SetName("Other");
        other->SetBorderStyle(bsNone);
        other->SetBounds(700, 500, 200, 150);
        target = new TPad(other, 0x00FF00);
        target->SetName("Target");
        target->SetBounds(0, 0, 100, 100);
        target->SetParent(other);
        other->Show();
        form->SetActiveControl(sink);
        form->Show();
        RecordEvents();
    }

    void TearDown() override
    {
        if (other)
            other->Free();
        if (form)
            form->Free();
        SetThemes(nullptr);
    }

    void RecordEvents()
    {
        dd->OnBeforeDropDown = [this](TObject*) { dd->Log.push_back("OnBeforeDropDown"); };
        dd->OnDropDown = [this](TObject*, bool&) { dd->Log.push_back("OnDropDown"); };
        dd->OnBeforeDropUp = [this](TObject*) { dd->Log.push_back("BeforeDropUp"); };
        dd->OnDropUp = [this](TObject*, bool Cancelled) {
            dd->Log.push_back(Cancelled ? "OnDropUp(cancelled)" : "OnDropUp(kept)");
        };
    }

    TDropDownForm* popup() const { return dd->DropDownForm(); }
    bool open() const { return dd->DroppedDown() && popup()->Visible(); }
    // The drop button's middle, in its own coordinates.
    void clickButton() { TestKit::Click(dd->Button(), dd->Button()->Width() / 2, dd->Button()->Height() / 2); }
    // The edit's screen position (its top-left in the form's client area).
    TPoint editOnScreen() const { return form->ClientToScreen(TPoint{dd->Left(), dd->Top()}); }

    ClassicThemePainter classic;
};

}  // namespace DropDownTestKit
