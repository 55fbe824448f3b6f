// The column grid's persistence: the column order in an ini file and the
// column definitions as an XML stream.
#include <QIODevice>

#include <vector>

#include "grid/core/column_grid.h"
#include "grid/core/grid_lists.h"
#include "platform/rtl/inifile.h"
#include "platform/xml/xml.h"

namespace {

QString PositionKey(int I) { return QStringLiteral("CP") + QString::number(I); }

}  // namespace

void TVynColumnGrid::SaveColumnPositions(const String& Key, const String& Section)
{
    TIniFile ini(Key);
    for (int i = 0; i < FColumns->Count(); ++i)
        ini.WriteInteger(Section, PositionKey(i), FColumns->Items(i)->DefIdx());
}

void TVynColumnGrid::LoadColumnPositions(const String& Key, const String& Section)
{
    const TIniFile ini(Key);
    const int n = FColumns->Count();
    std::vector<int> ks(size_t(n), -1);
    std::vector<bool> seen(size_t(n), false);
    for (int i = 0; i < n; ++i) {
        const int k = ini.ReadInteger(Section, PositionKey(i), -1);
        // A key missing, a column named twice or one that does not exist:
        // the file does not describe these columns, the order stays.
        if (k < 0 || k >= n || seen[size_t(k)])
            return;
        seen[size_t(k)] = true;
        ks[size_t(i)] = k;
    }
    ResetColumnOrder();
    TIntList remembered(-1, -1);
    for (int j = 0; j < n; ++j) {
        FColumns->Items(ks[size_t(j)])->SetDefIdx(j);
        remembered.Add(ks[size_t(j)]);
    }
    FColumns->ResetOrganization();
    for (int i = 0; i < n; ++i)
        FColumns->Items(i)->SetDefIdx(remembered.Items(i));
}
