// Support lists: change reporting of the integer list, sort keys and their
// stored form, the line list of the file formats, the cell control list and
// the picture drawn from its file.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QWidget>

#include <vector>

#include "grid/core/grid_lists.h"
#include "platform/gui/bitmap.h"
#include "platform/gui/controls.h"
#include "support/temp_dir.h"

namespace {

struct Recorder {
    std::vector<std::tuple<TObject*, int, int>> calls;
    TImageChangeEvent handler()
    {
        return [this](TObject* Sender, int Col, int Row) { calls.emplace_back(Sender, Col, Row); };
    }
};

std::vector<int> entries(const TIntList& L)
{
    std::vector<int> v;
    for (int i = 0; i < L.Count(); ++i)
        v.push_back(L.Items(i));
    return v;
}

}  // namespace

TEST(IntList, ChangeEventsCarryTheOwnerCell)
{
    TIntList list(4, 7);
    Recorder r;
    list.OnChange = r.handler();

    list.Insert(0, 5);  // no event
    EXPECT_TRUE(r.calls.empty());
    list.Add(9);
    list.Add(5);
    list.SetInteger(0, 5);
    ASSERT_EQ(r.calls.size(), 3u);
    EXPECT_EQ(r.calls[0], std::make_tuple(static_cast<TObject*>(&list), 4, 7));

    // DeleteValue removes the first of two equal entries only, and reports it.
    list.DeleteValue(5);
    EXPECT_EQ(entries(list), (std::vector<int>{9, 5}));
    EXPECT_EQ(r.calls.size(), 4u);
    list.DeleteValue(42);  // absent: nothing, no event
    EXPECT_EQ(r.calls.size(), 4u);
    list.Delete(0);
    EXPECT_EQ(r.calls.size(), 5u);
    EXPECT_TRUE(list.HasValue(5));
    EXPECT_FALSE(list.HasValue(9));
    list.Clear();
    EXPECT_EQ(r.calls.size(), 5u);
}

TEST(IntList, IndexErrors)
{
    TIntList list(0, 0);
    list.Add(1);
    EXPECT_THROW(list.GetInteger(1), EStringListError);
    EXPECT_THROW(list.GetInteger(-1), EStringListError);
    EXPECT_THROW(list.SetInteger(1, 0), EStringListError);
    EXPECT_THROW(list.Delete(1), EStringListError);
    EXPECT_THROW(list.Insert(2, 0), EStringListError);
    list.Insert(1, 2);  // at the end is fine
    EXPECT_EQ(entries(list), (std::vector<int>{1, 2}));
}

TEST(IntList, StrValue)
{
    TIntList list(-1, -1);
    EXPECT_EQ(list.StrValue(), QString());
    list.Add(3);
    list.Add(-1);
    list.Add(12);
    EXPECT_EQ(list.StrValue(), QStringLiteral("3,-1,12"));

    Recorder r;
    list.OnChange = r.handler();
    list.SetStrValue(QStringLiteral("4, 5"));
    EXPECT_EQ(entries(list), (std::vector<int>{4, 5}));
    EXPECT_EQ(r.calls.size(), 2u);  // one per entry added, none for emptying
    list.SetStrValue(QStringLiteral("7 8,\"9\""));
    EXPECT_EQ(entries(list), (std::vector<int>{7, 8, 9}));
    list.SetStrValue(QString());
    EXPECT_EQ(list.Count(), 0);

    // The first part that is no integer raises; earlier parts stay.
    EXPECT_THROW(list.SetStrValue(QStringLiteral("1,2,x,4")), EConvertError);
    EXPECT_EQ(entries(list), (std::vector<int>{1, 2}));
}

TEST(SortIndexList, KeysAndDirections)
{
    TSortIndexList keys;
    keys.Add(static_cast<int>(0x80000003u));
    EXPECT_FALSE(keys.SortDirections(0));
    EXPECT_EQ(keys.SortColumns(0), 3);
    keys.ToggleIndex(3);
    EXPECT_EQ(keys.Items(0), 3);
    EXPECT_TRUE(keys.SortDirections(0));
    keys.ToggleIndex(99);  // no key for that column: nothing
    EXPECT_EQ(keys.Items(0), 3);

    keys.AddIndex(5, false);
    keys.AddIndex(5, true);
    EXPECT_EQ(keys.FindIndex(5), 1);
    EXPECT_EQ(keys.FindIndex(6), -1);
    keys.SetSortColumns(1, 8);
    EXPECT_EQ(keys.SortColumns(1), 8);
    EXPECT_FALSE(keys.SortDirections(1));  // the direction survives
    keys.SetSortDirections(1, true);
    EXPECT_EQ(keys.Items(1), 8);
    keys.SetSortDirections(1, false);
    EXPECT_EQ(static_cast<uint32_t>(keys.Items(1)), 0x80000008u);

    Recorder r;
    keys.OnChange = r.handler();
    keys.ToggleIndex(8);
    keys.SetSortColumns(0, 1);
    EXPECT_EQ(r.calls.size(), 2u);
}

TEST(SortIndexList, StoredForm)
{
    TSortIndexList keys;
    keys.LoadFromString(QStringLiteral("u2;d0"));
    ASSERT_EQ(keys.Count(), 2);
    EXPECT_EQ(keys.SortColumns(0), 2);
    EXPECT_TRUE(keys.SortDirections(0));
    EXPECT_EQ(keys.SortColumns(1), 0);
    EXPECT_FALSE(keys.SortDirections(1));
    EXPECT_EQ(keys.SaveToString(), QStringLiteral("u2;d0"));

    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"x;u;d7;u12", "d7;u12"},  // parts shorter than two characters are skipped
        {"", ""},
        {"u3x;U4;dz", "u3;d4;d0"},  // digits up to the first other character; only "u" is ascending
        {"d70000", "d4464"},        // the stored column keeps its low 16 bits
        {";;u1;", "u1"},
    };
    for (const auto& c : cases) {
        keys.LoadFromString(QString::fromLatin1(c.in));
        EXPECT_EQ(keys.SaveToString(), QString::fromLatin1(c.out)) << c.in;
    }
    keys.LoadFromString(QStringLiteral("d70000"));
    EXPECT_EQ(keys.SortColumns(0), 70000);
}

TEST(FileStringList, PendingLineAndReadPointer)
{
    TFileStringList f;
    f.Write(QStringLiteral("a"));
    f.Write(QStringLiteral("b"));
    f.WriteLn(QStringLiteral("c"));
    f.WriteLn(QStringLiteral("second"));
    ASSERT_EQ(f.Count(), 2);
    EXPECT_EQ(f[0], QStringLiteral("abc"));
    EXPECT_TRUE(f.cache.isEmpty());

    String line;
    f.ReadLn(line);
    f.ReadLn(line);
    EXPECT_EQ(line, QStringLiteral("second"));
    EXPECT_TRUE(f.Eof());
    EXPECT_THROW(f.ReadLn(line), EStringListError);

    f.Write(QStringLiteral("pending"));
    f.Reset();
    EXPECT_FALSE(f.Eof());
    EXPECT_TRUE(f.cache.isEmpty());
    f.ReadLn(line);
    EXPECT_EQ(line, QStringLiteral("abc"));
}

TEST(ControlList, CellsAndOwnership)
{
    TControlList list;
    auto* fake = reinterpret_cast<TControl*>(0x1234);  // referenced only, never touched
    list.AddControl(2, 3, fake);
    list.AddControl(4, 5, nullptr);
    EXPECT_EQ(list.ControlIndex(4, 5), 1);
    EXPECT_EQ(list.ControlIndex(3, 2), -1);
    EXPECT_EQ(list.Control(0)->Control, fake);
    EXPECT_EQ(list.Control(0)->X, 2);
    EXPECT_EQ(list.Control(0)->Y, 3);
    list.RemoveControl(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.ControlIndex(2, 3), -1);
    EXPECT_THROW(list.Control(1), EStringListError);
    EXPECT_THROW(list.RemoveControl(-1), EStringListError);
}

// ---- pictures drawn from their file -------------------------------------------------------

namespace {

// A 2 x 2 PNG: red on the left, blue on the right.
QByteArray twoColumnPng()
{
    QImage img(2, 2, QImage::Format_RGB32);
    img.setPixelColor(0, 0, Qt::red);
    img.setPixelColor(0, 1, Qt::red);
    img.setPixelColor(1, 0, Qt::blue);
    img.setPixelColor(1, 1, Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

TEST(FilePicture, MeasuresAndDrawsFromTheFile)
{
    TempDir dir;
    const QString file = dir.write(QStringLiteral("pic.png"), twoColumnPng());
    TFilePicture pic;
    pic.SetFilename(file);
    EXPECT_EQ(pic.Width(), 2);
    EXPECT_EQ(pic.Height(), 2);

    TBitmap target(10, 4);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(TRect{0, 0, 10, 4});
    pic.DrawPicture(target.Canvas(), TRect{0, 0, 8, 4});  // stretched
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixels(1, 1)), clRed);
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixels(6, 2)), clBlue);
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixels(9, 2)), clWhite);

    // The name is copied without loading: the file may be gone by then.
    QFile::remove(file);
    TFilePicture copy;
    copy.Assign(pic);
    EXPECT_EQ(copy.Filename(), file);
    EXPECT_EQ(copy.Width(), 2);
    // Drawing a missing file draws nothing and raises nothing.
    TBitmap untouched(4, 4);
    untouched.Canvas().Brush().SetColor(clWhite);
    untouched.Canvas().FillRect(TRect{0, 0, 4, 4});
    EXPECT_NO_THROW(copy.DrawPicture(untouched.Canvas(), TRect{0, 0, 4, 4}));
    EXPECT_EQ(ColorToRGB(untouched.Canvas().Pixels(1, 1)), clWhite);

    // Setting a missing file's name measures nothing, without an error.
    EXPECT_NO_THROW(copy.SetFilename(dir.file(QStringLiteral("missing.png"))));
    EXPECT_EQ(copy.Width(), 0);
    EXPECT_EQ(copy.Height(), 0);

    TFilePicture empty;
    EXPECT_NO_THROW(empty.DrawPicture(untouched.Canvas(), TRect{0, 0, 4, 4}));
    EXPECT_EQ(ColorToRGB(untouched.Canvas().Pixels(1, 1)), clWhite);

    TFont notAPicture;
    EXPECT_THROW(copy.Assign(notAPicture), Exception);
}

TEST(ControlList, HasHandle)
{
    TControlList list;
    TWinControl windowed(nullptr);
    list.AddControl(1, 1, &windowed);
    EXPECT_FALSE(list.HasHandle(nullptr));
    QWidget* handle = windowed.Handle();
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(list.HasHandle(handle));
    QWidget other;
    EXPECT_FALSE(list.HasHandle(&other));
    list.RemoveControl(0);
    EXPECT_FALSE(list.HasHandle(handle));
}
