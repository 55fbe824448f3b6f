// TMaskEdit: the platform's mask letters on a stand-alone edit (the grid's
// in-place editor builds on the same class; tests/platform/grids).
#include "gui_fixture.h"
#include "platform/gui/mask.h"
#include "support/mask_cases.h"

#include <iterator>
#include <vector>

TEST(MaskEditTest, TypedTextIsShapedByTheMaskAndStoredByItsSaveField)
{
    TestKit::InputStateScope input;
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    form.Show();
    auto* edit = MakeControl<TMaskEdit>(&form, &form, "Edit", 10, 10, 120, 21);
    std::vector<MaskCase> cases(std::begin(CommonMaskCases), std::end(CommonMaskCases));
    cases.insert(cases.end(), {
        {"<LL;1;_", "XY", "xy"},
        {"\\A00;1;*", "42", "A42"},        // an escaped mask letter is a literal
        {"cc;1;_", "z", "z "},             // optional slots may stay empty
        {"", "free text", "free text"},    // no mask
    });
    for (const MaskCase& c : cases) {
        SCOPED_TRACE(c.mask);
        edit->SetEditMask("");
        edit->SetText("");
        edit->SetEditMask(c.mask);
        EXPECT_EQ(edit->IsMasked(), *c.mask != 0);
        edit->SetFocus();
        edit->SetSelStart(0);
        TestKit::TypeText(edit, c.typed);
        EXPECT_EQ(edit->EditValue(), c.stored);
    }
}
