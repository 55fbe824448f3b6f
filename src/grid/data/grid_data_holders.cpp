#include "grid/data/grid_data_holders.h"

void TGrouping::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TGrouping*>(&Source)) {
        FGroupCountFormat = s->FGroupCountFormat;
        FHeaderUnderline = s->FHeaderUnderline;
        FShowGroupCount = s->FShowGroupCount;
        FSummaryLine = s->FSummaryLine;
        FAutoCheckGroup = s->FAutoCheckGroup;
    }
}

