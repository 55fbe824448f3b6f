#include "grid/io/grid_io_holders.h"

void TPrintSettings::Assign(const TPersistent&) {}
void THTMLSettings::Assign(const TPersistent&) {}

void TDragDropSettings::Assign(const TPersistent& Source)
{
    if (const auto* s = dynamic_cast<const TDragDropSettings*>(&Source)) {
        FOleAcceptText = s->FOleAcceptText;
        FOleAcceptFiles = s->FOleAcceptFiles;
        FOleAcceptURLs = s->FOleAcceptURLs;
        FOleDropSource = s->FOleDropSource;
        FOleColumnsOnly = s->FOleColumnsOnly;
        FOleColumnDragDrop = s->FOleColumnDragDrop;
        FOleCopyAlways = s->FOleCopyAlways;
        FOleRemoveRows = s->FOleRemoveRows;
        FShowCells = s->FShowCells;
    }
}
