// The grid drop-down: typed lookup, narrowing down, sorting with the
// row <-> item mapping, choosing and cancelling, sizing, styles.
#include "griddropdown_fixture.h"

#include "grid/data/grid_data_holders.h"

using namespace GridDropDownTestKit;

namespace {

using GridDropDown = GridDropDownFixture;

}  // namespace

TEST_F(GridDropDown, TypingLooksUpAndCompletesTheLookupColumn)
{
    Fruit();
    type("av");
    EXPECT_EQ(S(dd->Text()), "Avocado");
    EXPECT_EQ(selected(), "ocado");
    EXPECT_EQ(dd->ItemIndex(), 1);
    type("x");
    EXPECT_EQ(S(dd->LookupEntry()), "avx");
    EXPECT_EQ(dd->ItemIndex(), 1) << "a failed lookup keeps the index";
}
