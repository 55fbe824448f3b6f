// The column grid's persistence: the column order in an ini file and the
// column definitions as an XML stream.
#include <QIODevice>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "grid/core/column_grid.h"
#include "grid/core/grid_lists.h"
#include "platform/gui/menus.h"
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

// ---- column streams -------------------------------------------------------------------------

namespace {

constexpr std::array<const char*, 4> kFontStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr std::array<const char*, 7> kPenStyleNames{"psSolid",      "psDash",  "psDot",        "psDashDot",
                                                    "psDashDotDot", "psClear", "psInsideFrame"};

[[noreturn]] void Bad(const String& Attr, const String& Value)
{
    throw EConvertError(QStringLiteral("Invalid column property %1: '%2'").arg(Attr, Value));
}

String BoolText(bool V) { return V ? QStringLiteral("True") : QStringLiteral("False"); }

bool ReadBool(const String& A, const String& V)
{
    if (V == u"True")
        return true;
    if (V == u"False")
        return false;
    Bad(A, V);
}

int ReadInt(const String& A, const String& V)
{
    int v = 0;
    if (!TryStrToInt(V, v))
        Bad(A, V);
    return v;
}

String ColorText(TColor C) { return QString::number(quint32(C)); }

TColor ReadColor(const String& A, const String& V)
{
    bool ok = false;
    const quint32 v = V.toUInt(&ok);
    if (!ok)
        Bad(A, V);
    return TColor(v);
}

template <typename E>
E ReadEnum(const String& A, const String& V)
{
    E e{};
    if (!TryNameToEnum(V, e))
        Bad(A, V);
    return e;
}

template <size_t N>
int NameIndex(const std::array<const char*, N>& Names, const String& V)
{
    for (size_t i = 0; i < N; ++i)
        if (V == QLatin1String(Names[i]))
            return int(i);
    return -1;
}

String FontStyleText(TFontStyles S)
{
    QStringList parts;
    for (size_t i = 0; i < kFontStyleNames.size(); ++i)
        if (S.Contains(TFontStyle(i)))
            parts << QLatin1String(kFontStyleNames[i]);
    return QStringLiteral("[") + parts.join(QStringLiteral(", ")) + QStringLiteral("]");
}

TFontStyles ReadFontStyle(const String& A, const String& V)
{
    const String t = V.trimmed();
    if (!t.startsWith(u'[') || !t.endsWith(u']'))
        Bad(A, V);
    TFontStyles s;
    for (const String& p : t.mid(1, t.size() - 2).split(u',', Qt::SkipEmptyParts)) {
        const int i = NameIndex(kFontStyleNames, p.trimmed());
        if (i < 0)
            Bad(A, V);
        s.Include(TFontStyle(i));
    }
    return s;
}

// The properties of a column as attributes. Write gives nothing for a value
// equal to the stored default; Read takes an attribute's text (raising on
// a bad one); Default is applied to a property whose attribute is absent
// and that has a stored default (an absent one without keeps what it has).
struct TColumnProp {
    const char* Name;
    std::function<std::optional<String>(const TGridColumnItem&)> Write;
    std::function<void(TGridColumnItem&, const String& Attr, const String& V)> Read;
    std::function<void(TGridColumnItem&)> Default;
};

using Item = TGridColumnItem;

template <typename Get, typename Set>
TColumnProp IntProp(const char* N, Get G, Set S)
{
    return {N, [G](const Item& I) { return std::optional<String>(QString::number((I.*G)())); },
            [S](Item& I, const String& A, const String& V) { (I.*S)(ReadInt(A, V)); }, nullptr};
}

template <typename Get, typename Set>
TColumnProp BoolProp(const char* N, Get G, Set S, std::optional<bool> StoredDefault = std::nullopt)
{
    return {N,
            [G, StoredDefault](const Item& I) -> std::optional<String> {
                if (StoredDefault && (I.*G)() == *StoredDefault)
                    return std::nullopt;
                return BoolText((I.*G)());
            },
            [S](Item& I, const String& A, const String& V) { (I.*S)(ReadBool(A, V)); },
            StoredDefault ? std::function<void(Item&)>([S, d = *StoredDefault](Item& I) { (I.*S)(d); }) : nullptr};
}

// A text whose stored default is empty.
template <typename Get, typename Set>
TColumnProp TextProp(const char* N, Get G, Set S)
{
    return {N,
            [G](const Item& I) -> std::optional<String> {
                const String& v = (I.*G)();
                return v.isEmpty() ? std::nullopt : std::optional<String>(v);
            },
            [S](Item& I, const String&, const String& V) { (I.*S)(V); }, [S](Item& I) { (I.*S)(String()); }};
}

template <typename E, typename Get, typename Set>
TColumnProp EnumProp(const char* N, Get G, Set S)
{
    return {N, [G](const Item& I) { return std::optional<String>(EnumToName<E>((I.*G)())); },
            [S](Item& I, const String& A, const String& V) { (I.*S)(ReadEnum<E>(A, V)); }, nullptr};
}

template <typename Get, typename Set>
TColumnProp ColorProp(const char* N, Get G, Set S)
{
    return {N, [G](const Item& I) { return std::optional<String>(ColorText((I.*G)())); },
            [S](Item& I, const String& A, const String& V) { (I.*S)(ReadColor(A, V)); }, nullptr};
}

template <typename Get, typename Set>
TColumnProp BordersProp(const char* N, Get G, Set S)
{
    return {N, [G](const Item& I) { return std::optional<String>(SetToText((I.*G)())); },
            [S](Item& I, const String& A, const String& V) {
                TCellBorders b;
                if (!TryTextToSet(V, b))
                    Bad(A, V);
                (I.*S)(b);
            },
            nullptr};
}

TColumnProp ListProp(const char* N, TStringList* (Item::*G)() const)
{
    return {N, [G](const Item& I) { return std::optional<String>((I.*G)()->CommaText()); },
            [G](Item& I, const String&, const String& V) { (I.*G)()->SetCommaText(V); }, nullptr};
}

struct TNamedProp {
    String Name;
    TColumnProp Prop;
};

std::vector<TNamedProp> FontParts(const QString& N, TFont* (Item::*G)() const)
{
    return {
        {N + QStringLiteral(".Name"),
         {nullptr, [G](const Item& I) { return std::optional<String>((I.*G)()->Name()); },
          [G](Item& I, const String& A, const String& V) {
              if (V.isEmpty())
                  Bad(A, V);
              (I.*G)()->SetName(V);
          },
          nullptr}},
        {N + QStringLiteral(".Height"),
         {nullptr, [G](const Item& I) { return std::optional<String>(QString::number((I.*G)()->Height())); },
          [G](Item& I, const String& A, const String& V) { (I.*G)()->SetHeight(ReadInt(A, V)); }, nullptr}},
        {N + QStringLiteral(".Color"),
         {nullptr, [G](const Item& I) { return std::optional<String>(ColorText((I.*G)()->Color())); },
          [G](Item& I, const String& A, const String& V) { (I.*G)()->SetColor(ReadColor(A, V)); }, nullptr}},
        {N + QStringLiteral(".Style"),
         {nullptr, [G](const Item& I) { return std::optional<String>(FontStyleText((I.*G)()->Style())); },
          [G](Item& I, const String& A, const String& V) { (I.*G)()->SetStyle(ReadFontStyle(A, V)); }, nullptr}},
    };
}

std::vector<TNamedProp> PenParts(const QString& N, TPen* (Item::*G)() const)
{
    return {
        {N + QStringLiteral(".Color"),
         {nullptr, [G](const Item& I) { return std::optional<String>(ColorText((I.*G)()->Color())); },
          [G](Item& I, const String& A, const String& V) { (I.*G)()->SetColor(ReadColor(A, V)); }, nullptr}},
        {N + QStringLiteral(".Width"),
         {nullptr, [G](const Item& I) { return std::optional<String>(QString::number((I.*G)()->Width())); },
          [G](Item& I, const String& A, const String& V) { (I.*G)()->SetWidth(ReadInt(A, V)); }, nullptr}},
        {N + QStringLiteral(".Style"),
         {nullptr,
          [G](const Item& I) {
              return std::optional<String>(QLatin1String(kPenStyleNames[size_t((I.*G)()->Style())]));
          },
          [G](Item& I, const String& A, const String& V) {
              const int i = NameIndex(kPenStyleNames, V);
              if (i < 0)
                  Bad(A, V);
              (I.*G)()->SetStyle(TPenStyle(i));
          },
          nullptr}},
    };
}

// Every stored property in the stored order.
const std::vector<TNamedProp>& ColumnProps()
{
    static const std::vector<TNamedProp> props = [] {
        std::vector<TNamedProp> p;
        const auto add = [&p](TColumnProp Prop) { p.push_back({QLatin1String(Prop.Name), std::move(Prop)}); };
        const auto addAll = [&p](std::vector<TNamedProp> Parts) {
            for (auto& x : Parts)
                p.push_back(std::move(x));
        };
        add(IntProp("AutoMinSize", &Item::AutoMinSize, &Item::SetAutoMinSize));
        add(IntProp("AutoMaxSize", &Item::AutoMaxSize, &Item::SetAutoMaxSize));
        add(EnumProp<TAlignment>("Alignment", &Item::Alignment, &Item::SetAlignment));
        add(BordersProp("Borders", &Item::Borders, &Item::SetBorders));
        addAll(PenParts(QStringLiteral("BorderPen"), &Item::BorderPen));
        add(TextProp("CheckFalse", &Item::CheckFalse, &Item::SetCheckFalse));
        add(TextProp("CheckTrue", &Item::CheckTrue, &Item::SetCheckTrue));
        add(ColorProp("Color", &Item::Color, &Item::SetColor));
        // The popup menu by its name; a name that names no menu of the
        // grid's owner leaves the column without one.
        add({"ColumnPopup",
             [](const Item& I) -> std::optional<String> {
                 if (!I.ColumnPopup() || I.ColumnPopup()->Name().isEmpty())
                     return std::nullopt;
                 return I.ColumnPopup()->Name();
             },
             [](Item& I, const String&, const String& V) {
                 TComponent* owner = I.Grid() ? I.Grid()->Owner() : nullptr;
                 I.SetColumnPopup(owner ? dynamic_cast<TPopupMenu*>(owner->FindComponent(V)) : nullptr);
             },
             nullptr});
        add(EnumProp<TColumnPopupType>("ColumnPopupType", &Item::ColumnPopupType, &Item::SetColumnPopupType));
        add(ListProp("ComboItems", &Item::ComboItems));
        add(IntProp("DropDownCount", &Item::DropDownCount, &Item::SetDropDownCount));
        add(IntProp("EditLength", &Item::EditLength, &Item::SetEditLength));
        add(TextProp("EditMask", &Item::EditMask, &Item::SetEditMask));
        add(EnumProp<TEditorType>("Editor", &Item::Editor, &Item::SetEditor));
        add(ListProp("Filter", &Item::Filter));
        add(BoolProp("FilterCaseSensitive", &Item::FilterCaseSensitive, &Item::SetFilterCaseSensitive));
        add(BoolProp("Fixed", &Item::Fixed, &Item::SetFixed));
        add(TextProp("FloatFormat", &Item::FloatFormat, &Item::SetFloatFormat));
        addAll(FontParts(QStringLiteral("Font"), &Item::Font));
        add(TextProp("Header", &Item::Header, &Item::SetHeaderText));
        add(EnumProp<TAlignment>("HeaderAlignment", &Item::HeaderAlignment, &Item::SetHeaderAlignment));
        addAll(FontParts(QStringLiteral("HeaderFont"), &Item::HeaderFont));
        add(IntProp("MinSize", &Item::MinSize, &Item::SetMinSize));
        add(IntProp("MaxSize", &Item::MaxSize, &Item::SetMaxSize));
        add(TextProp("Name", &Item::Name, &Item::SetName));
        add(BoolProp("Password", &Item::Password, &Item::SetPassword));
        add(BoolProp("PrintBorderCustom", &Item::PrintBorderCustom, &Item::SetPrintBorderCustom, true));
        add(BordersProp("PrintBorders", &Item::PrintBorders, &Item::SetPrintBorders));
        addAll(PenParts(QStringLiteral("PrintBorderPen"), &Item::PrintBorderPen));
        add(ColorProp("PrintColor", &Item::PrintColor, &Item::SetPrintColor));
        add(BoolProp("PrintFontCustom", &Item::PrintFontCustom, &Item::SetPrintFontCustom, true));
        addAll(FontParts(QStringLiteral("PrintFont"), &Item::PrintFont));
        add(BoolProp("ReadOnly", &Item::ReadOnly, &Item::SetReadOnly));
        add(BoolProp("ShowBands", &Item::ShowBands, &Item::SetShowBands));
        add(EnumProp<TSortStyle>("SortStyle", &Item::SortStyle, &Item::SetSortStyle));
        add(TextProp("SortPrefix", &Item::SortPrefix, &Item::SetSortPrefix));
        add(TextProp("SortSuffix", &Item::SortSuffix, &Item::SetSortSuffix));
        add(IntProp("SpinMax", &Item::SpinMax, &Item::SetSpinMax));
        add(IntProp("SpinMin", &Item::SpinMin, &Item::SetSpinMin));
        add(IntProp("SpinStep", &Item::SpinStep, &Item::SetSpinStep));
        add(IntProp("Tag", &Item::Tag, &Item::SetTag));
        // Read into the width field; the grid's widths follow once the
        // whole stream has been read.
        add(IntProp("Width", &Item::Width, &Item::SetStoredWidth));
        return p;
    }();
    return props;
}

const QString kColumnsRoot = QStringLiteral("Columns");
const QString kColumnElement = QStringLiteral("Column");

}  // namespace

void TVynColumnGrid::SaveColumnsToStream(QIODevice& Stream)
{
    XmlDocument doc;
    XmlNode root = doc.CreateRoot(kColumnsRoot);
    for (int i = 0; i < FColumns->Count(); ++i) {
        const TGridColumnItem& c = *FColumns->Items(i);
        XmlNode e = root.AddChild(kColumnElement);
        for (const TNamedProp& p : ColumnProps())
            if (const std::optional<String> v = p.Prop.Write(c))
                e.SetAttribute(p.Name, *v);
    }
    const QByteArray bytes = doc.SaveToString().toUtf8();
    if (Stream.write(bytes) != bytes.size())
        throw EFileError(QStringLiteral("The column stream could not be written"));
}

void TVynColumnGrid::LoadColumnsFromStream(QIODevice& Stream)
{
    XmlDocument doc;
    String error;
    if (!doc.LoadFromString(String::fromUtf8(Stream.readAll()), &error))
        throw EConvertError(QStringLiteral("Invalid column stream: ") + error);
    const XmlNode root = doc.DocumentElement();
    if (root.NodeName() != kColumnsRoot)
        throw EConvertError(QStringLiteral("Invalid column stream: no column list"));
    // Everything is read into the holder first: a stream that does not read
    // back leaves the grid's definitions alone.
    TVynColumnGridIO* io = new TVynColumnGridIO(this);
    try {
        TGridColumnCollection& items = *io->Items();
        for (const XmlNode& e : root.ChildElements()) {
            if (e.NodeName() != kColumnElement)
                throw EConvertError(QStringLiteral("Invalid column stream: element ") + e.NodeName());
            auto* c = static_cast<TGridColumnItem*>(static_cast<TCollection&>(items).Add());
            for (const String& a : e.AttributeNames())
                if (std::none_of(ColumnProps().begin(), ColumnProps().end(),
                                 [&a](const TNamedProp& P) { return P.Name == a; }))
                    throw EConvertError(QStringLiteral("Unknown column property ") + a);
            for (const TNamedProp& p : ColumnProps()) {
                if (e.HasAttribute(p.Name))
                    p.Prop.Read(*c, p.Name, e.Attribute(p.Name));
                else if (p.Prop.Default)
                    p.Prop.Default(*c);
            }
        }
        NoRecursion guard(*FColumns);
        FColumns->Assign(items);
        for (int i = 0; i < FColumns->Count() && i < items.Count(); ++i)
            FColumns->Items(i)->SetStoredWidth(items.Items(i)->StoredWidth());
    } catch (...) {
        io->Free();
        throw;
    }
    io->Free();
    // The grid follows the number of definitions, then takes their widths.
    FColumns->Update(nullptr);
    for (int i = 0; i < FColumns->Count() && i < TotalColCount(); ++i) {
        TGridColumnItem* c = FColumns->Items(i);
        SetAllColWidths(i, c->StoredWidth());
        if (FixedRows() > 0 && !c->Header().isEmpty())
            SetAllCells(i, 0, c->Header());
    }
    RebuildColumnHeaders();
    Invalidate();
}
