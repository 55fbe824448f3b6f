#pragma once
// A shown form holding one drop-down of a kind under test, the layer's
// clock standing still, a fixed display layout and unthemed painting.
#include <gtest/gtest.h>

#include <string>

#include "controls/dropdown/DropDownForm.h"
#include "dropdown_fixture.h"
#include "platform/gui/forms.h"

namespace DropDownTestKit {

template <class T> struct KindFixture : ::testing::Test {
    TestKit::InputStateScope input;
    TestKit::FakeClock clock;
    TestKit::MonitorLayoutScope displays{TwoDisplays()};
    ClassicThemePainter classic;
    TForm* form = nullptr;
    TPad* sink = nullptr;
    T* dd = nullptr;

    void SetUp() override
    {
        SetThemes(&classic);
        form = MakeHostForm(sink);
        dd = new T(form);
        dd->SetName("DropDown");
        dd->SetBounds(10, 10, 120, 21);
        dd->SetParent(form);
        form->SetActiveControl(sink);
        form->Show();
    }
    void TearDown() override
    {
        form->Free();
        SetThemes(nullptr);
    }
    TDropDownForm* popup() const { return dd->DropDownForm(); }
    bool open() const { return dd->DroppedDown() && popup()->Visible(); }
    // Where pictures go: VYN_RENDER_DIR when set.
    static String renderDir()
    {
        const char* d = std::getenv("VYN_RENDER_DIR");
        return d && *d ? QString::fromLocal8Bit(d) : String();
    }
};

}  // namespace DropDownTestKit
