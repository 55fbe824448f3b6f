// Bitmaps (row layout, sizing, files), JPEG through libjpeg, pictures loaded
// by content and the image list.
#include <gtest/gtest.h>

#include <QBuffer>

#include "support/temp_dir.h"
#include "test_canvas_util.h"

namespace {

// A bitmap whose left half is red and right half blue.
std::unique_ptr<TBitmap> TwoColours(int W, int H, TPixelFormat Format = pfDevice)
{
    auto b = std::make_unique<TBitmap>(W, H, Format);
    b->Canvas().Brush().SetColor(clRed);
    b->Canvas().FillRect(Rect(0, 0, W / 2, H));
    b->Canvas().Brush().SetColor(clBlue);
    b->Canvas().FillRect(Rect(W / 2, 0, W, H));
    return b;
}

bool Near(TColor A, TColor B, int Tolerance)
{
    return std::abs(GetRValue(A) - GetRValue(B)) <= Tolerance && std::abs(GetGValue(A) - GetGValue(B)) <= Tolerance &&
           std::abs(GetBValue(A) - GetBValue(B)) <= Tolerance;
}

}  // namespace

TEST(Bitmap, ScanLinesHaveTheClassicByteLayout)
{
    struct Case {
        TPixelFormat Format;
        int BytesPerPixel;
    };
    for (Case k : std::vector<Case>{{pfDevice, 4}, {pf24bit, 3}, {pf32bit, 4}}) {
        auto b = TwoColours(4, 2, k.Format);
        EXPECT_EQ(b->PixelFormat(), k.Format);
        const uint8_t* row = b->ScanLine(1);
        // Blue, green, red order; red on the left, blue on the right.
        EXPECT_EQ((std::vector<int>{row[0], row[1], row[2]}), (std::vector<int>{0, 0, 255})) << int(k.Format);
        const uint8_t* right = row + 3 * k.BytesPerPixel;
        EXPECT_EQ((std::vector<int>{right[0], right[1], right[2]}), (std::vector<int>{255, 0, 0})) << int(k.Format);
        if (k.Format == pf32bit) {
            EXPECT_EQ(row[3], 255);
        }
        // Writing a row shows through the canvas.
        uint8_t* w = b->ScanLine(0);
        w[0] = 0;
        w[1] = 255;
        w[2] = 0;
        EXPECT_EQ(b->Canvas().Pixels(0, 0), clLime);
        EXPECT_EQ(b->Canvas().Pixels(0, 1), clRed);
    }
    TBitmap b(2, 2);
    EXPECT_THROW(b.ScanLine(2), Exception);
    EXPECT_THROW(b.SetPixelFormat(TPixelFormat::pf8bit), Exception);
}

TEST(Bitmap, SizingKeepsPixelsAndFillsNewOnesWhite)
{
    auto b = TwoColours(4, 2);
    int changes = 0;
    b->OnChange = [&](TObject*) { ++changes; };
    b->SetSize(6, 3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Art(*b, {{clRed, 'r'}, {clBlue, 'b'}}), (std::vector<std::string>{"rrbb..", "rrbb..", "......"}));
    b->SetWidth(1);
    EXPECT_EQ(b->Width(), 1);
    EXPECT_EQ(b->Canvas().Pixels(0, 0), clRed);
    b->SetSize(0, 0);
    EXPECT_TRUE(b->Empty());
    b->Canvas().FillRect(Rect(0, 0, 5, 5));  // no surface: nothing happens
    EXPECT_EQ(b->Canvas().Pixels(0, 0), clNone);
    // Converting the format keeps the pixels.
    auto c = TwoColours(4, 2);
    c->SetPixelFormat(pf24bit);
    EXPECT_EQ(c->Canvas().Pixels(3, 1), clBlue);
}

TEST(Bitmap, FilesAndAssign)
{
    TempDir dir;
    auto b = TwoColours(5, 3, pf24bit);
    b->SaveToFile(dir.file("two.bmp"));
    EXPECT_TRUE(dir.read("two.bmp").startsWith("BM"));
    TBitmap loaded;
    loaded.LoadFromFile(dir.file("two.bmp"));
    EXPECT_EQ(loaded.Width(), 5);
    EXPECT_EQ(loaded.Height(), 3);
    EXPECT_EQ(loaded.Canvas().Pixels(0, 2), clRed);
    EXPECT_EQ(loaded.Canvas().Pixels(4, 0), clBlue);
    EXPECT_THROW(loaded.LoadFromFile(dir.file("missing.bmp")), EFileError);
    EXPECT_THROW(loaded.LoadFromBytes("not a bitmap"), Exception);

    TBitmap copy;
    copy.Assign(*b);
    b->Canvas().Brush().SetColor(clLime);
    b->Canvas().FillRect(Rect(0, 0, 5, 3));
    EXPECT_EQ(copy.Canvas().Pixels(0, 0), clRed) << "an assigned bitmap has its own pixels";
    EXPECT_EQ(copy.PixelFormat(), pf24bit);
}

TEST(Jpeg, RoundTripKeepsSizeAndColours)
{
    auto b = TwoColours(32, 16);
    const QByteArray bytes = SaveJpeg(b->Image(), 90);
    ASSERT_TRUE(bytes.startsWith("\xFF\xD8\xFF"));
    const QImage back = LoadJpeg(bytes);
    EXPECT_EQ(back.size(), QSize(32, 16));
    EXPECT_TRUE(Near(FromQColor(back.pixelColor(4, 8)), clRed, 24));
    EXPECT_TRUE(Near(FromQColor(back.pixelColor(28, 8)), clBlue, 24));
    // Lower quality, smaller file.
    EXPECT_LT(SaveJpeg(b->Image(), 10).size(), bytes.size());

    // A grey JPEG from Qt's own writer decodes too.
    QImage grey(8, 8, QImage::Format_Grayscale8);
    grey.fill(128);
    QByteArray greyBytes;
    QBuffer buf(&greyBytes);
    buf.open(QIODevice::WriteOnly);
    ASSERT_TRUE(grey.save(&buf, "JPEG"));
    EXPECT_TRUE(Near(FromQColor(LoadJpeg(greyBytes).pixelColor(3, 3)), RGBColor(128, 128, 128), 4));
}

TEST(Jpeg, CorruptDataRaises)
{
    const QByteArray good = SaveJpeg(TwoColours(32, 16)->Image());
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"empty", QByteArray()},
        {"not a JPEG", QByteArray("GIF89a not a jpeg at all")},
        {"header only", QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10)},
        {"truncated", good.left(good.size() / 2)},
    };
    for (const auto& [name, bytes] : cases) {
        try {
            LoadJpeg(bytes);
            ADD_FAILURE() << name << " decoded";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().startsWith("JPEG error")) << name << ": " << e.Message().toStdString();
        }
    }
    TJPEGImage jpeg;
    EXPECT_THROW(jpeg.LoadFromBytes(good.left(40)), Exception);
    EXPECT_TRUE(jpeg.Empty());
}

TEST(Picture, LoadsByContentThenByExtension)
{
    TempDir dir;
    auto b = TwoColours(6, 4);
    b->SaveToFile(dir.file("pic.bmp"));
    b->Image().save(dir.file("pic.png"), "PNG");
    TJPEGImage jpeg;
    jpeg.SetImage(b->Image());
    jpeg.SaveToFile(dir.file("pic.jpg"));
    // Content wins over a wrong extension.
    b->Image().save(dir.file("really_png.bmp"), "PNG");
    b->Image().save(dir.file("pic.ico"), "ICO");

    struct Case {
        const char* File;
        std::function<bool(TGraphic*)> IsClass;
    };
    const std::vector<Case> cases = {
        {"pic.bmp", [](TGraphic* g) { return dynamic_cast<TBitmap*>(g) != nullptr; }},
        {"pic.png", [](TGraphic* g) { return dynamic_cast<TPngImage*>(g) != nullptr; }},
        {"pic.jpg", [](TGraphic* g) { return dynamic_cast<TJPEGImage*>(g) != nullptr; }},
        {"really_png.bmp", [](TGraphic* g) { return dynamic_cast<TPngImage*>(g) != nullptr; }},
        {"pic.ico", [](TGraphic* g) { return dynamic_cast<TIcon*>(g) != nullptr; }},
    };
    for (const Case& k : cases) {
        TPicture p;
        int changes = 0;
        p.OnChange = [&](TObject*) { ++changes; };
        p.LoadFromFile(dir.file(k.File));
        EXPECT_TRUE(k.IsClass(p.Graphic())) << k.File;
        EXPECT_EQ(p.Width(), 6) << k.File;
        EXPECT_EQ(p.Height(), 4) << k.File;
        EXPECT_EQ(changes, 1) << k.File;
        auto canvas = WhiteBitmap(6, 4);
        canvas->Canvas().Draw(0, 0, *p.Graphic());
        EXPECT_TRUE(Near(canvas->Canvas().Pixels(0, 0), clRed, 24)) << k.File;
        EXPECT_TRUE(Near(canvas->Canvas().Pixels(5, 3), clBlue, 24)) << k.File;
        // Bitmap() turns any graphic into a bitmap of its pixels.
        EXPECT_EQ(p.Bitmap().Width(), 6) << k.File;
        EXPECT_NE(dynamic_cast<TBitmap*>(p.Graphic()), nullptr);
    }

    // GIF (Qt reads it but cannot write it): one red pixel.
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\x00\x00\x00\x00\x00"
                         "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3B",
                         35);
    TPicture g;
    g.LoadFromBytes(gif);
    auto* asGif = dynamic_cast<TGIFImage*>(g.Graphic());
    ASSERT_NE(asGif, nullptr);
    EXPECT_EQ(asGif->FrameCount(), 1);
    EXPECT_EQ(FromQColor(asGif->Image().pixelColor(0, 0)), clRed);
    EXPECT_THROW(g.SaveToFile(dir.file("out.gif")), Exception);

    TPicture p;
    dir.write("junk.xyz", "junk");
    EXPECT_THROW(p.LoadFromFile(dir.file("junk.xyz")), Exception);
    dir.write("junk.png", "junk");
    EXPECT_THROW(p.LoadFromFile(dir.file("junk.png")), Exception);
    EXPECT_THROW(p.LoadFromFile(dir.file("missing.png")), EFileError);
    EXPECT_EQ(p.Graphic(), nullptr);

    // Copies are independent.
    TPicture a, c;
    a.LoadFromFile(dir.file("pic.png"));
    c.Assign(a);
    a.Bitmap().SetSize(1, 1);
    EXPECT_EQ(c.Width(), 6);
}

TEST(ImageList, SlicesMasksAndDisabledDrawing)
{
    TImageList list(nullptr, 4, 4);
    // Two 4x4 images side by side: a fuchsia frame (the key) around red / blue.
    TBitmap strip(8, 4);
    strip.Canvas().Brush().SetColor(clFuchsia);
    strip.Canvas().FillRect(Rect(0, 0, 8, 4));
    strip.Canvas().Brush().SetColor(clRed);
    strip.Canvas().FillRect(Rect(1, 1, 3, 3));
    strip.Canvas().Brush().SetColor(clBlue);
    strip.Canvas().FillRect(Rect(5, 1, 7, 3));
    EXPECT_EQ(list.AddMasked(strip, clDefault), 0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Add(strip), 2);
    EXPECT_EQ(list.Count(), 4);

    auto b = WhiteBitmap(12, 4);
    list.Draw(b->Canvas(), 0, 0, 0);
    list.Draw(b->Canvas(), 4, 0, 1);
    list.Draw(b->Canvas(), 8, 0, 3);
    EXPECT_EQ(Art(*b, {{clRed, 'r'}, {clBlue, 'b'}, {clFuchsia, 'm'}}),
              (std::vector<std::string>{"........mmmm", ".rr..bb.mbbm", ".rr..bb.mbbm", "........mmmm"}));

    // With a mask: white mask pixels are transparent.
    TBitmap mask(4, 4);
    mask.Canvas().Brush().SetColor(clWhite);
    mask.Canvas().FillRect(Rect(0, 0, 4, 4));
    mask.Canvas().Brush().SetColor(clBlack);
    mask.Canvas().FillRect(Rect(0, 0, 2, 4));
    TImageList masked(nullptr, 4, 4);
    masked.Add(*TwoColours(4, 4), &mask);
    auto m = WhiteBitmap(4, 1);
    masked.Draw(m->Canvas(), 0, 0, 0);
    EXPECT_EQ(Art(*m, {{clRed, 'r'}}), (std::vector<std::string>{"rr.."}));

    // Disabled: a shadow silhouette over a highlight one moved by (1, 1).
    auto d = WhiteBitmap(6, 6);
    d->Canvas().Brush().SetColor(clBlack);
    d->Canvas().FillRect(Rect(0, 0, 6, 6));
    list.Draw(d->Canvas(), 0, 0, 0, false);
    EXPECT_EQ(CountColor(*d, ColorToRGB(clBtnShadow)), 4);
    EXPECT_EQ(CountColor(*d, ColorToRGB(clBtnHighlight)), 3);
    EXPECT_EQ(d->Canvas().Pixels(3, 3), ColorToRGB(clBtnHighlight));

    EXPECT_THROW(list.Draw(b->Canvas(), 0, 0, 4), Exception);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 3);
    list.SetSize(8, 8);
    EXPECT_EQ(list.Count(), 0);
}
