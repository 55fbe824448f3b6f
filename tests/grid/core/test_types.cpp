// Declared grid types: every enumeration's names and ordinals, and the
// stored form of sets.
#include <gtest/gtest.h>

#include "grid/core/grid_types.h"

namespace {

template <typename E>
class EnumNames : public ::testing::Test {};

using AllEnums = ::testing::Types<TEditorType, TSortStyle, TCellType, TCellBorder, TCellGradientDirection,
                                  TVAlignment, TArrowDirection, TVynGridButtonStyle, TSearchDirection,
                                  THomeEndAction, TClipboardPasteAction, TAdvanceDirection, TInsertPosition,
                                  TCursorAdvance, TGridFixedCellEdit, TGridFixedCellEditor, TWheelAction,
                                  TColumnPopupType, THoverRowCell, VynObj::TControlStyle, TCellShape>;
TYPED_TEST_SUITE(EnumNames, AllEnums);

// Every value's name reads back as the same ordinal, in any letter case and
// with blanks around it; names are unique.
TYPED_TEST(EnumNames, NameOrdinalRoundTrip)
{
    using E = TypeParam;
    for (int i = 0; i < EnumCount<E>(); ++i) {
        const String name = EnumToName(static_cast<E>(i));
        ASSERT_FALSE(name.isEmpty()) << i;
        E back{};
        ASSERT_TRUE(TryNameToEnum(name, back)) << name.toStdString();
        EXPECT_EQ(static_cast<int>(back), i) << name.toStdString();
        ASSERT_TRUE(TryNameToEnum(QStringLiteral("  ") + name.toUpper() + u' ', back));
        EXPECT_EQ(static_cast<int>(back), i);
        EXPECT_EQ(NameToEnum<E>(name), static_cast<E>(i));
    }
    EXPECT_TRUE(EnumToName(static_cast<E>(EnumCount<E>())).isEmpty());
    EXPECT_TRUE(EnumToName(static_cast<E>(-1)).isEmpty());
    E untouched = static_cast<E>(EnumCount<E>() - 1);
    EXPECT_FALSE(TryNameToEnum(QStringLiteral("noSuchValue"), untouched));
    EXPECT_EQ(static_cast<int>(untouched), EnumCount<E>() - 1);
    EXPECT_THROW(NameToEnum<E>(QString()), EConvertError);
}

struct Pinned {
    const char* name;
    int ordinal;
    int (*lookup)(const String&);
};

template <typename E>
int ordinalOf(const String& Name)
{
    return static_cast<int>(NameToEnum<E>(Name));
}

}  // namespace

// The ordinals stored forms and the cell model depend on.
TEST(GridTypes, PinnedOrdinalsAndCounts)
{
    const Pinned cases[] = {
        {"edNormal", 0, ordinalOf<TEditorType>},          {"edComboList", 3, ordinalOf<TEditorType>},
        {"edDataCheckBox", 10, ordinalOf<TEditorType>},   {"edFloatSpinEdit", 20, ordinalOf<TEditorType>},
        {"edDateSpinEdit", 22, ordinalOf<TEditorType>},   {"edTrackbarDropDown", 30, ordinalOf<TEditorType>},
        {"edVynGridDropDown", 38, ordinalOf<TEditorType>}, {"edMaskEditBtn", 42, ordinalOf<TEditorType>},
        {"ssAutomatic", 0, ordinalOf<TSortStyle>},        {"ssShortDateUS", 7, ordinalOf<TSortStyle>},
        {"ssAlphaNumericNoCase", 19, ordinalOf<TSortStyle>}, {"ctBitmap", 0, ordinalOf<TCellType>},
        {"ctEmpty", 10, ordinalOf<TCellType>},            {"ctFilePicture", 13, ordinalOf<TCellType>},
        {"ctVirtCheckBox", 19, ordinalOf<TCellType>},     {"ctExpand", 32, ordinalOf<TCellType>},
        {"cpFixedCellsRClick", 0, ordinalOf<TColumnPopupType>},
        {"cpAllCellsLClick", 5, ordinalOf<TColumnPopupType>}, {"csWinXP", 2, ordinalOf<VynObj::TControlStyle>},
        {"vtaTop", 0, ordinalOf<TVAlignment>},            {"csHalfStar", 18, ordinalOf<TCellShape>},
        {"csStar", 13, ordinalOf<TCellShape>},            {"hcSelected", 2, ordinalOf<THoverRowCell>},
        {"fceComboList", 2, ordinalOf<TGridFixedCellEditor>}, {"fceRightClick", 3, ordinalOf<TGridFixedCellEdit>},
    };
    for (const Pinned& c : cases)
        EXPECT_EQ(c.lookup(QString::fromLatin1(c.name)), c.ordinal) << c.name;

    EXPECT_EQ(EnumCount<TEditorType>(), 43);
    EXPECT_EQ(EnumCount<TSortStyle>(), 20);
    EXPECT_EQ(EnumCount<TCellType>(), 33);
    EXPECT_EQ(EnumCount<TCellShape>(), 19);
    EXPECT_EQ(EnumCount<TColumnPopupType>(), 6);
    EXPECT_EQ(EnumCount<VynObj::TControlStyle>(), 7);
    EXPECT_EQ(static_cast<int>(TCellType::ctEmpty), 10);
}

TEST(GridTypes, StoredSets)
{
    TCellBorders b;
    ASSERT_TRUE(TryTextToSet(QStringLiteral("[cbTop, cbLeft, cbRight, cbBottom]"), b));
    EXPECT_EQ(b, (TCellBorders{TCellBorder::cbTop, TCellBorder::cbLeft, TCellBorder::cbRight, TCellBorder::cbBottom}));

    THoverRowCells h;
    ASSERT_TRUE(TryTextToSet(QStringLiteral("[hcNormal,hcSelected]"), h));
    EXPECT_EQ(h, (THoverRowCells{THoverRowCell::hcNormal, THoverRowCell::hcSelected}));
    // Written in ordinal order, whatever order it was read in.
    ASSERT_TRUE(TryTextToSet(QStringLiteral(" [ cbBottom , cbTop ] "), b));
    EXPECT_EQ(SetToText(b), QStringLiteral("[cbTop, cbBottom]"));
    ASSERT_TRUE(TryTextToSet(QStringLiteral("[]"), b));
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(SetToText(b), QStringLiteral("[]"));

    // Malformed texts leave the set alone.
    const TCellBorders before{TCellBorder::cbLeft};
    for (const char* bad : {"cbTop", "[cbTop", "[cbTop,]", "[cbTop, hcNormal]", "[,]", ""}) {
        b = before;
        EXPECT_FALSE(TryTextToSet(QString::fromLatin1(bad), b)) << bad;
        EXPECT_EQ(b, before) << bad;
    }
}
