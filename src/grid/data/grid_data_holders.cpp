#include "grid/data/grid_data_holders.h"

void TSortSettings::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TSortSettings*>(&Source)) {
        FShow = s->FShow;
        FColumn = s->FColumn;
        FRow = s->FRow;
        FHeaderColor = s->FHeaderColor;
        FHeaderColorTo = s->FHeaderColorTo;
        FHeaderMirrorColor = s->FHeaderMirrorColor;
        FHeaderMirrorColorTo = s->FHeaderMirrorColorTo;
    }
}

void TCellNode::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TCellNode*>(&Source))
        FNodeIndent = s->FNodeIndent;
}

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

