// The grid drop-down's item list.
#include "controls/dropdown/grid/GridDropDownItems.h"

namespace VynCustomGridDropDown {

TDropDownItem* TDropDownItems::AddTexts(const QStringList& Texts)
{
    TDropDownItem* item = Add();
    item->Text().AddStrings(Texts);
    return item;
}

}  // namespace VynCustomGridDropDown
