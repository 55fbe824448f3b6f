#pragma once
// The column definitions and the rows of the grid drop-down
// (TCustomVynGridDropDown): the same TDropDownColumn(s) and TDropDownItem(s)
// as the multi-column drop-down's (one text per column, an image index, the
// column's looks); the grid drop-down's item list adds AddTexts.
#include <QStringList>

#include "controls/dropdown/MultiColumnDropDown.h"

namespace VynCustomGridDropDown {

using VynMultiColumnDropDown::TColumnType;
using VynMultiColumnDropDown::TDropDownColumn;
using VynMultiColumnDropDown::TDropDownColumns;
using VynMultiColumnDropDown::TDropDownItem;

class TDropDownItems : public VynMultiColumnDropDown::TDropDownItems {
public:
    using VynMultiColumnDropDown::TDropDownItems::TDropDownItems;
    // Adds an item with the given texts (one per column).
    TDropDownItem* AddTexts(const QStringList& Texts);
};

}  // namespace VynCustomGridDropDown
