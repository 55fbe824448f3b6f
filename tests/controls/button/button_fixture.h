#pragma once
// A shown form with a push button on it, distinct colours and a synthetic
// glyph strip, for the button's tests.
#include <gtest/gtest.h>

#include <QImage>

#include <memory>
#include <string>
#include <vector>

#include "controls/button/LbButton.h"
#include "platform/gui/application.h"
#include "platform/testing/test_kit.h"

namespace ButtonTestKit {

// Colours that differ in every channel from each other.
constexpr TColor FORM = 0x405060;
constexpr TColor FACE = 0xC0E0F0;
constexpr TColor LIGHT = 0x20A020;
constexpr TColor SHADOW = 0x802020;
constexpr TColor DOWN = 0x0080FF;
constexpr TColor HOT = 0x00FFFF;
// The glyph images (solid, with a bottom row of the key colour).
constexpr TColor IMG[4] = {0x0000C0, 0x00C000, 0xC00000, 0xC000C0};
constexpr TColor GLYPH_KEY = 0x808000;

// NumImages images of Size x Size side by side: image i is IMG[i] except
// its bottom row, which is GLYPH_KEY (the bottom-left pixel: transparent).
inline std::unique_ptr<TBitmap> MakeStrip(int NumImages, int Size = 8)
{
    auto b = std::make_unique<TBitmap>(NumImages * Size, Size);
    TCanvas& c = b->Canvas();
    c.Brush().SetStyle(bsSolid);
    for (int i = 0; i < NumImages; ++i) {
        c.Brush().SetColor(IMG[i]);
        c.FillRect(Bounds(i * Size, 0, Size, Size - 1));
        c.Brush().SetColor(GLYPH_KEY);
        c.FillRect(Bounds(i * Size, Size - 1, Size, 1));
    }
    return b;
}

inline TColor PixelAt(const QImage& Image, int X, int Y) { return FromQColor(Image.pixelColor(X, Y)); }

inline std::string Hex(TColor C)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%06X", unsigned(C) & 0xFFFFFFu);
    return buf;
}

// Takes the focus when the form shows, so that the button starts unfocused.
class TFocusSink : public TCustomControl {
public:
    explicit TFocusSink(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
};

// A shown form (FORM colour) holding a focus sink and a 40 x 24 button at
// (10, 10) in the test colours, without caption.
struct ButtonFixture : ::testing::Test {
    TestKit::InputStateScope input;
    TCustomForm* form = nullptr;
    TFocusSink* sink = nullptr;
    TLbButton* button = nullptr;

    void SetUp() override
    {
        form = new TCustomForm(nullptr);
        form->SetBounds(100, 100, 200, 120);
        form->SetColor(FORM);
        sink = new TFocusSink(form);
        sink->SetBounds(150, 80, 20, 20);
        sink->SetParent(form);
        button = new TLbButton(form);
        button->SetName("Btn");
        button->SetBounds(10, 10, 40, 24);
        button->SetParent(form);
        button->SetColor(FACE);
        button->SetLightColor(LIGHT);
        button->SetShadowColor(SHADOW);
        button->SetColorWhenDown(DOWN);
        button->SetHotTrackColor(HOT);
        form->SetActiveControl(sink);
        form->Show();
    }

    void TearDown() override
    {
        if (form)
            form->Free();
    }

    // A point of the form well away from the button.
    void MoveOff() { TestKit::MouseMove(form, 120, 100); }
    void MoveOn() { TestKit::MouseMove(button, 5, 5); }
    QImage Render() { return TestKit::RenderToImage(button); }
};

}  // namespace ButtonTestKit
