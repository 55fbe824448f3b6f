// The picture store of formatted text: decoding, GIF frames, loading by URL,
// the cache and the named pictures; and the system icons.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>

#include <sys/stat.h>
#include <sys/types.h>

#include <vector>

#include "grid/render/html/html_icons.h"
#include "grid/render/html/html_picture.h"
#include "platform/rtl/exceptions.h"
#include "support/temp_dir.h"

namespace {

// ---- fixtures made here -----------------------------------------------------------------------

QByteArray encodeImage(const QImage& Image, const char* Format)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    EXPECT_TRUE(Image.save(&buf, Format));
    return out;
}

const QRgb TopLeft = qRgb(200, 10, 10);
const QRgb BottomRight = qRgb(10, 10, 200);

// 2 x 2: red top-left, blue bottom-right, green elsewhere.
QImage twoByTwo()
{
    QImage img(2, 2, QImage::Format_RGB32);
    img.fill(qRgb(10, 200, 10));
    img.setPixel(0, 0, TopLeft);
    img.setPixel(1, 1, BottomRight);
    return img;
}

QByteArray pngBytes() { return encodeImage(twoByTwo(), "PNG"); }
QByteArray bmpBytes() { return encodeImage(twoByTwo(), "BMP"); }

void putLe16(QByteArray& B, int V)
{
    B.append(char(V & 0xFF));
    B.append(char((V >> 8) & 0xFF));
}

// The image data of Count pixels of one colour index, LZW with a minimum
// code size of 2: a clear code before every pair of pixels keeps every code
// 3 bits wide.
QByteArray lzwData(int Count, int Colour)
{
    std::vector<int> codes;
    for (int i = 0; i < Count; ++i) {
        if (i % 2 == 0)
            codes.push_back(4);
        codes.push_back(Colour);
    }
    codes.push_back(5);
    QByteArray packed;
    unsigned acc = 0;
    int bits = 0;
    for (int c : codes) {
        acc |= unsigned(c) << bits;
        bits += 3;
        while (bits >= 8) {
            packed.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0)
        packed.append(char(acc & 0xFF));
    QByteArray out;
    out.append(char(2));  // LZW minimum code size
    for (qsizetype p = 0; p < packed.size(); p += 255) {
        const QByteArray block = packed.mid(p, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    return out;
}

struct FrameSpec {
    int left, top, width, height;
    int delay;
    bool transparent;
    int disposal;
    int colour;  // index into the palette below
};

const QRgb Palette[4] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};

// Five frames on a 12 x 10 screen; the first covers it.
const std::vector<FrameSpec> Frames = {
    {0, 0, 12, 10, 10, false, 1, 3},
    {1, 2, 3, 2, 20, false, 1, 0},
    {4, 3, 3, 2, 30, true, 2, 1},
    {6, 5, 2, 4, 40, false, 3, 2},
    {9, 7, 3, 3, 50, false, 0, 0},
};

// A GIF89a with a global palette, a looping extension, a comment holding the
// bytes of a graphic-control extension directly followed by an image
// separator (a byte scan would take it for a frame), and the frames.
QByteArray gifBytes(const std::vector<FrameSpec>& Specs = Frames, bool WithControl = true)
{
    QByteArray b("GIF89a");
    putLe16(b, 12);
    putLe16(b, 10);
    b.append(char(0x81));  // global colour table of 4 entries
    b.append(char(0));
    b.append(char(0));
    for (QRgb c : Palette) {
        b.append(char(qRed(c)));
        b.append(char(qGreen(c)));
        b.append(char(qBlue(c)));
    }
    b.append(QByteArray("\x21\xFF\x0B" "NETSCAPE2.0" "\x03\x01\x00\x00\x00", 19));
    b.append(QByteArray("\x21\xFE\x08\x21\xF9\x04\x00\x00\x00\x00\x2C\x00", 12));
    for (const FrameSpec& f : Specs) {
        if (WithControl) {
            b.append(QByteArray("\x21\xF9\x04", 3));
            b.append(char((f.disposal << 2) | (f.transparent ? 1 : 0)));
            putLe16(b, f.delay);
            b.append(char(3));  // transparent index: white, unused by the frames that set the flag
            b.append(char(0));
        }
        b.append(char(0x2C));
        putLe16(b, f.left);
        putLe16(b, f.top);
        putLe16(b, f.width);
        putLe16(b, f.height);
        b.append(char(0));
        b.append(lzwData(f.width * f.height, f.colour));
    }
    b.append(char(0x3B));
    return b;
}

QRgb pixelOf(const THTMLPicture& P, int X, int Y) { return P.DrawImage().pixel(X, Y) | 0xFF000000u; }

// ---- the GIF block walk --------------------------------------------------------------------------

TEST(GifBlocks, FramesComeFromTheBlocksNotFromBytePatterns)
{
    const TGifInfo info = WalkGifBlocks(gifBytes());
    ASSERT_TRUE(info.IsGif);
    EXPECT_EQ(info.ScreenWidth, 12);
    EXPECT_EQ(info.ScreenHeight, 10);
    ASSERT_EQ(info.Frames.size(), Frames.size());  // the comment is no frame
    for (size_t i = 0; i < Frames.size(); ++i) {
        const FrameSpec& f = Frames[i];
        const TGifFrameInfo expected{uint16_t(f.left),  uint16_t(f.top),   uint16_t(f.width),   uint16_t(f.height),
                                     uint16_t(f.delay), f.transparent, uint16_t(f.disposal)};
        EXPECT_EQ(info.Frames[i], expected) << "frame " << i + 1;
    }

    // An image without a control block has no delay, transparency or disposal.
    const TGifInfo bare = WalkGifBlocks(gifBytes({{2, 3, 4, 5, 0, false, 0, 1}}, false));
    ASSERT_EQ(bare.Frames.size(), 1u);
    EXPECT_EQ(bare.Frames[0], (TGifFrameInfo{2, 3, 4, 5, 0, false, 0}));
}

TEST(GifBlocks, CutOrForeignDataEndTheWalk)
{
    const QByteArray gif = gifBytes();
    // Every prefix: only complete frames, each as in the whole file, never
    // more of them for a shorter prefix.
    const TGifInfo whole = WalkGifBlocks(gif);
    size_t last = 0;
    for (qsizetype n = 0; n < gif.size(); ++n) {
        const TGifInfo cut = WalkGifBlocks(gif.left(n));
        ASSERT_LE(cut.Frames.size(), whole.Frames.size()) << n;
        ASSERT_GE(cut.Frames.size(), last) << n;
        last = cut.Frames.size();
        for (size_t i = 0; i < cut.Frames.size(); ++i)
            ASSERT_EQ(cut.Frames[i], whole.Frames[i]) << n;
        EXPECT_EQ(cut.IsGif, n >= 13) << n;
    }
    EXPECT_LT(WalkGifBlocks(gif.left(gif.size() - 2)).Frames.size(), whole.Frames.size());

    struct Case {
        const char* what;
        QByteArray data;
        bool isGif;
        size_t frames;
    } cases[] = {
        {"empty", QByteArray(), false, 0},
        {"GIF8 only", QByteArray("GIF8"), false, 0},
        {"other version", QByteArray("GIF88a").append(gif.mid(6)), false, 0},
        {"colour table past the end", QByteArray("GIF89a\x01\x00\x01\x00\x87\x00\x00", 13).append("\x2C"), true, 0},
        {"foreign block", gif.left(13 + 12).append('\x55').append(gif.mid(13 + 12)), true, 0},
        {"no trailer", gif.left(gif.size() - 1), true, 5},
    };
    for (const Case& c : cases) {
        const TGifInfo info = WalkGifBlocks(c.data);
        EXPECT_EQ(info.IsGif, c.isGif) << c.what;
        EXPECT_EQ(info.Frames.size(), c.frames) << c.what;
    }
}

// ---- decoding and sizes ------------------------------------------------------------------------

TEST(HtmlPicture, DecodesBitmapsAtTheirPixelSize)
{
    QImage dense = twoByTwo();
    dense.setDotsPerMeterX(11811);  // 300 dpi: the size stays in pixels
    dense.setDotsPerMeterY(11811);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {{"png", pngBytes()}, {"bmp", bmpBytes()}, {"png at 300 dpi", encodeImage(dense, "PNG")}};
    for (const auto& c : cases) {
        THTMLPicture p;
        int changes = 0;
        p.OnChange = [&](TObject*) { ++changes; };
        p.LoadFromBytes(c.bytes);
        EXPECT_FALSE(p.Empty()) << c.what;
        EXPECT_EQ(p.Width(), 2) << c.what;
        EXPECT_EQ(p.Height(), 2) << c.what;
        EXPECT_EQ(p.MaxWidth(), 2) << c.what;
        EXPECT_EQ(p.MaxHeight(), 2) << c.what;
        EXPECT_EQ(p.FrameCount(), -1) << c.what;
        EXPECT_FALSE(p.IsGIF()) << c.what;
        EXPECT_EQ(pixelOf(p, 0, 0), TopLeft) << c.what;
        EXPECT_EQ(pixelOf(p, 1, 1), BottomRight) << c.what;
        EXPECT_EQ(p.Data(), c.bytes) << c.what;
        EXPECT_EQ(changes, 1) << c.what;
    }
}

TEST(HtmlPicture, PicturesDeclaringTooManyPixelsStayEmpty)
{
    QImage grey(16, 8, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128));
    const QByteArray jpeg = SaveJpeg(grey, 90);
    THTMLPicture p;
    p.LoadFromBytes(jpeg);
    EXPECT_EQ(p.Width(), 16);
    EXPECT_EQ(p.Height(), 8);

    // The same file claiming 9000 x 9000 pixels: more than Qt's readers
    // allow any image, so it is not decoded (the rest of the data would not
    // fill it anyway).
    QByteArray huge = jpeg;
    const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    for (qsizetype at : {sof + 5, sof + 7}) {
        huge[at] = char(9000 >> 8);
        huge[at + 1] = char(9000 & 0xFF);
    }
    EXPECT_THROW(p.LoadFromBytes(huge), Exception);
    EXPECT_TRUE(p.Empty());
    EXPECT_EQ(p.Width(), 0);
}

TEST(HtmlPicture, DrawsAtNaturalSizeOrStretched)
{
    THTMLPicture p;
    p.LoadFromBytes(pngBytes());
    TBitmap surface(8, 8);
    surface.Canvas().Brush().SetColor(clBlack);
    surface.Canvas().FillRect(TRect{0, 0, 8, 8});
    p.Draw(surface.Canvas(), TRect{1, 1, 8, 8});
    EXPECT_EQ(FromQColor(QColor(TopLeft)), surface.Canvas().Pixels(1, 1));
    EXPECT_EQ(FromQColor(QColor(BottomRight)), surface.Canvas().Pixels(2, 2));
    EXPECT_EQ(clBlack, surface.Canvas().Pixels(3, 3));  // natural size, not the rectangle

    p.SetStretch(true);
    p.Draw(surface.Canvas(), TRect{0, 4, 4, 8});
    EXPECT_EQ(FromQColor(QColor(TopLeft)), surface.Canvas().Pixels(1, 5));
    EXPECT_EQ(FromQColor(QColor(BottomRight)), surface.Canvas().Pixels(3, 7));

    THTMLPicture empty;
    empty.SetStretch(true);
    empty.Draw(surface.Canvas(), TRect{0, 0, 8, 8});  // nothing
    EXPECT_EQ(FromQColor(QColor(TopLeft)), surface.Canvas().Pixels(1, 1));
}

TEST(HtmlPicture, UndecodableBytesLeaveItEmpty)
{
    // Loading raises to the direct caller, after the picture became empty.
    THTMLPicture p;
    p.LoadFromBytes(pngBytes());
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    try {
        p.LoadFromBytes(QByteArray("not a picture at all"));
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Could not load image. Invalid format"));
    }
    EXPECT_TRUE(p.Empty());
    EXPECT_EQ(p.Width(), 0);
    EXPECT_EQ(p.Height(), 0);
    EXPECT_TRUE(p.DrawImage().isNull());
    EXPECT_EQ(changes, 1);
    // A cut PNG does not decode either.
    EXPECT_THROW(p.LoadFromBytes(pngBytes().left(30)), Exception);
    EXPECT_TRUE(p.Empty());

    // Metafiles are kept but not drawn, without an error.
    QByteArray wmf("\xD7\xCD\xC6\x9A", 4);
    wmf.append(QByteArray(18, '\0'));
    QByteArray emf("\x01\x00\x00\x00", 4);
    emf.append(QByteArray(36, '\0')).append(" EMF").append(QByteArray(40, '\0'));
    for (const QByteArray& meta : {wmf, emf}) {
        THTMLPicture m;
        EXPECT_NO_THROW(m.LoadFromBytes(meta));
        EXPECT_TRUE(m.Empty());
        EXPECT_EQ(m.Width(), 0);
        EXPECT_EQ(m.Data(), meta);
    }

    // Stream loading reads the whole stream from its start.
    QByteArray png = pngBytes();
    QBuffer stream(&png);
    stream.open(QIODevice::ReadOnly);
    stream.seek(10);
    THTMLPicture s;
    s.LoadFromStream(&stream);
    EXPECT_EQ(s.Width(), 2);
    s.LoadFromStream(nullptr);  // nothing
    EXPECT_EQ(s.Width(), 2);
    QByteArray saved;
    QBuffer out(&saved);
    out.open(QIODevice::WriteOnly);
    s.SaveToStream(out);
    EXPECT_EQ(saved, png);
}

TEST(HtmlPicture, FourBytesOfGif8AreNoGif)
{
    const struct {
        QByteArray data;
        bool isGif;
    } cases[] = {{QByteArray("GIF8"), false}, {QByteArray("GIF89"), true}, {QByteArray("GIF7a1"), false}};
    for (const auto& c : cases) {
        THTMLPicture p;
        try {
            p.LoadFromBytes(c.data);
        } catch (const Exception&) {
        }
        EXPECT_EQ(p.IsGIF(), c.isGif) << c.data.constData();
        EXPECT_EQ(p.FrameCount(), c.isGif ? 0 : -1) << c.data.constData();
        EXPECT_EQ(p.GetFrameTime(1), -1) << c.data.constData();
        EXPECT_TRUE(p.Empty());
    }
}

// ---- GIF frames --------------------------------------------------------------------------------

TEST(HtmlPicture, SelectingAFrameDrawsItAtItsOffset)
{
    THTMLPicture p;
    p.LoadFromBytes(gifBytes());
    ASSERT_TRUE(p.IsGIF());
    ASSERT_EQ(p.FrameCount(), 5);
    EXPECT_EQ(p.Frame(), 1);
    EXPECT_EQ(p.MaxWidth(), 12);
    EXPECT_EQ(p.MaxHeight(), 10);
    int frameChanges = 0;
    p.OnFrameChange = [&](TObject*) { ++frameChanges; };
    for (int k = 5; k >= 1; --k) {
        const FrameSpec& f = Frames[size_t(k - 1)];
        p.SetFrame(k);
        ASSERT_FALSE(p.Empty()) << k;
        EXPECT_EQ(p.FrameXPos(), f.left) << k;
        EXPECT_EQ(p.FrameYPos(), f.top) << k;
        EXPECT_EQ(p.Width(), f.width) << k;
        EXPECT_EQ(p.Height(), f.height) << k;
        EXPECT_EQ(p.MaxWidth(), 12) << k;
        EXPECT_EQ(pixelOf(p, 0, 0), Palette[f.colour]) << k;
        EXPECT_EQ(pixelOf(p, f.width - 1, f.height - 1), Palette[f.colour]) << k;
        EXPECT_EQ(p.GetFrameTime(k), f.delay) << k;
        EXPECT_EQ(p.FrameTransp(), f.transparent) << k;
        EXPECT_EQ(p.FrameDisposal(), f.disposal) << k;
    }
    EXPECT_EQ(frameChanges, 5);
    EXPECT_EQ(p.GetFrameTime(0), -1);
    EXPECT_EQ(p.GetFrameTime(6), -1);

    // A frame the file does not have shows nothing; a real one again shows it.
    p.SetFrame(6);
    EXPECT_TRUE(p.Empty());
    EXPECT_EQ(p.Width(), 0);
    EXPECT_EQ(p.MaxWidth(), 0);
    p.SetFrame(3);
    EXPECT_EQ(p.Width(), 3);
    EXPECT_EQ(pixelOf(p, 0, 0), Palette[1]);
}

TEST(HtmlPicture, FramesReachingOutOfTheScreenAreCut)
{
    THTMLPicture p;
    p.LoadFromBytes(gifBytes({{0, 0, 12, 10, 5, false, 0, 3}, {10, 8, 5, 5, 5, false, 1, 2},
                              {60000, 60000, 300, 2, 5, true, 2, 0}}));
    ASSERT_EQ(p.FrameCount(), 3);
    p.SetFrame(2);
    EXPECT_EQ(p.Width(), 2);
    EXPECT_EQ(p.Height(), 2);
    EXPECT_EQ(pixelOf(p, 1, 1), Palette[2]);
    EXPECT_NO_THROW(p.SetFrame(3));
    EXPECT_TRUE(p.Empty());
    EXPECT_EQ(p.FrameXPos(), 60000);
    EXPECT_EQ(p.Width(), 0);
}

TEST(HtmlPicture, FrameNextAndPrevWrap)
{
    THTMLPicture p;
    p.LoadFromBytes(gifBytes());
    std::vector<int> seen;
    for (int i = 0; i < 6; ++i) {
        p.FrameNext();
        seen.push_back(p.Frame());
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 4, 5, 1, 2}));
    seen.clear();
    for (int i = 0; i < 3; ++i) {
        p.FramePrev();
        seen.push_back(p.Frame());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 5, 4}));
    EXPECT_EQ(p.FrameXPos(), Frames[3].left);
}

TEST(HtmlPicture, StepFollowsTheDelaysAndNeverMovesABitmap)
{
    THTMLPicture gif;
    gif.LoadFromBytes(gifBytes());
    // One step is a tenth of a second: frame 1 (10) shows for the first
    // steps, frame 2 (20) for two more, frame 3 (30) for three.
    std::vector<int> frames;
    std::vector<bool> changed;
    for (int i = 0; i < 9; ++i) {
        changed.push_back(gif.Step());
        frames.push_back(gif.Frame());
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 1, 2, 2, 3, 3, 3, 4, 4}));
    EXPECT_EQ(changed, (std::vector<bool>{false, false, true, false, true, false, false, true, false}));

    THTMLPicture bmp;
    bmp.LoadFromBytes(bmpBytes());
    for (int i = 0; i < 20; ++i)
        EXPECT_FALSE(bmp.Step());
    EXPECT_EQ(bmp.Frame(), 1);
    EXPECT_EQ(bmp.FrameCount(), -1);

    THTMLPicture single;
    single.LoadFromBytes(gifBytes({Frames[0]}));
    EXPECT_EQ(single.FrameCount(), 1);
    EXPECT_FALSE(single.Step());
    EXPECT_FALSE(THTMLPicture().Step());
}

// ---- loading by URL ----------------------------------------------------------------------------

TEST(HtmlPicture, FileUrlsReadOnlyRegularFilesUpTo64MiB)
{
    TempDir dir;
    const QString png = dir.write(QStringLiteral("dot.png"), pngBytes());
    const QString garbage = dir.write(QStringLiteral("bad.png"), QByteArray("garbage"));
    const QString big = dir.write(QStringLiteral("big.png"), pngBytes());
    {
        QFile f(big);
        ASSERT_TRUE(f.resize(THTMLPicture::MaxPictureFileSize + 1));  // sparse
    }
    const QString limit = dir.write(QStringLiteral("limit.png"), pngBytes());
    {
        QFile f(limit);
        ASSERT_TRUE(f.resize(THTMLPicture::MaxPictureFileSize));  // the PNG ends at IEND, zeros follow
    }
    const QString fifo = dir.file(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    const struct {
        const char* what;
        QString url;
        int width;
    } cases[] = {
        {"a PNG", QStringLiteral("FILE://") + png, 2},
        {"the scheme in any case", QStringLiteral("file://") + png, 2},
        {"exactly 64 MiB", QStringLiteral("FILE://") + limit, 2},
        {"missing", QStringLiteral("FILE://") + dir.file(QStringLiteral("none.png")), 0},
        {"undecodable", QStringLiteral("FILE://") + garbage, 0},
        {"over 64 MiB", QStringLiteral("FILE://") + big, 0},
        {"a device", QStringLiteral("FILE:///dev/zero"), 0},
        {"a FIFO", QStringLiteral("FILE://") + fifo, 0},
        {"a directory", QStringLiteral("FILE://") + dir.path(), 0},
        {"no path: nothing loaded", QStringLiteral("FILE://"), 2},
    };
    for (const auto& c : cases) {
        THTMLPicture p;
        p.LoadFromBytes(bmpBytes());  // something that a failed load must not leave
        EXPECT_NO_THROW(p.LoadFromURL(c.url)) << c.what;
        EXPECT_EQ(p.ID(), c.url) << c.what;
        EXPECT_EQ(p.Width(), c.width) << c.what;
        EXPECT_EQ(p.Empty(), c.width == 0) << c.what;
    }

    // LoadFromFile itself keeps quiet about every failure.
    THTMLPicture p;
    EXPECT_NO_THROW(p.LoadFromFile(garbage));
    EXPECT_TRUE(p.Empty());
    EXPECT_NO_THROW(p.LoadFromFile(QStringLiteral("/dev/zero")));
    EXPECT_TRUE(p.Empty());
    p.LoadFromFile(png);
    EXPECT_EQ(p.Width(), 2);
}

TEST(HtmlPicture, ResUrlsReadTheProgramsResources)
{
    const struct {
        const char* what;
        QString url;
        int width;
    } cases[] = {
        {"by name", QStringLiteral("RES://html_test_dot.png"), 3},
        {"scheme and name in any case", QStringLiteral("res://HTML_Test_Dot.PNG"), 3},
        {"missing", QStringLiteral("RES://nothing.png"), 0},
        {"outside the folder", QStringLiteral("RES://../res/html_test_dot.png"), 0},
        {"no name", QStringLiteral("RES://"), 0},
    };
    for (const auto& c : cases) {
        THTMLPicture p;
        EXPECT_NO_THROW(p.LoadFromURL(c.url)) << c.what;
        EXPECT_EQ(p.ID(), c.url) << c.what;
        EXPECT_EQ(p.Width(), c.width) << c.what;
        if (c.width) {
            EXPECT_EQ(pixelOf(p, 2, 1), qRgb(0, 128, 255)) << c.what;
        }
    }
    THTMLPicture p;
    try {
        p.LoadFromResourceID(4711);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Resource 4711 not found"));
    }
}

TEST(HtmlPicture, OtherUrlsAreRecordedAndCachedEmpty)
{
    // The way formatted text asks: look the URL up, else add a picture with
    // asynchronous loading off and load it.
    THTMLPictureCache cache;
    const QString url = QStringLiteral("http://127.0.0.1:9/logo.png");
    for (int pass = 0; pass < 2; ++pass) {
        THTMLPicture* p = cache.FindPicture(url);
        if (!p) {
            p = cache.AddPicture();
            p->SetAsynch(false);
            p->LoadFromURL(url);
        }
        EXPECT_EQ(p->ID(), url);
        EXPECT_EQ(p->URL(), url);
        EXPECT_TRUE(p->Empty());
        EXPECT_EQ(p->Width(), 0);
        EXPECT_EQ(p->Height(), 0);
        EXPECT_EQ(p->MaxWidth(), 0);
        EXPECT_FALSE(p->Busy());
    }
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_EQ(cache.FindPicture(url.toUpper()), nullptr);  // IDs compare exactly

    // With asynchronous loading on the URL is recorded, the ID kept, and
    // still nothing is fetched.
    THTMLPicture a;
    a.SetID(QStringLiteral("before"));
    a.LoadFromURL(url);
    EXPECT_EQ(a.URL(), url);
    EXPECT_EQ(a.ID(), QStringLiteral("before"));
    EXPECT_FALSE(a.Busy());
    EXPECT_TRUE(a.Empty());
}

// ---- copies ------------------------------------------------------------------------------------

TEST(HtmlPicture, AssignCopiesIndependentBytes)
{
    THTMLPicture source;
    source.LoadFromBytes(gifBytes());
    source.SetFrame(3);
    THTMLPicture copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Data(), source.Data());
    EXPECT_NE(copy.Data().constData(), source.Data().constData());
    EXPECT_EQ(copy.Frame(), 1);
    EXPECT_EQ(copy.FrameCount(), 5);
    EXPECT_EQ(copy.Width(), 12);

    // Changing the source leaves the copy as it was.
    const QByteArray before = copy.Data();
    source.LoadFromBytes(pngBytes());
    EXPECT_EQ(copy.Data(), before);
    EXPECT_EQ(copy.Width(), 12);

    // Another graphic empties the picture; nothing at all also drops the bytes.
    TBitmap bitmap(4, 4);
    copy.Assign(bitmap);
    EXPECT_TRUE(copy.Empty());
    copy.Assign(static_cast<const TPersistent*>(nullptr));
    EXPECT_TRUE(copy.Empty());
    EXPECT_TRUE(copy.Data().isEmpty());

    // The clone a picture holder makes is a picture of this kind.
    std::unique_ptr<TGraphic> clone = source.Clone();
    auto* picture = dynamic_cast<THTMLPicture*>(clone.get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 2);
    EXPECT_EQ(picture->Data(), source.Data());
}

// ---- the cache and the named pictures ------------------------------------------------------------

TEST(HtmlPictureCache, ListOperations)
{
    THTMLPictureCache cache;
    THTMLPicture* a = cache.AddPicture();
    a->SetID(QStringLiteral("FILE://a.png"));
    THTMLPicture* b = cache.AddPicture();
    b->SetID(QStringLiteral("FILE://a.png"));
    b->LoadFromBytes(gifBytes());
    EXPECT_EQ(cache.FindPicture(QStringLiteral("FILE://a.png")), a);  // the first
    EXPECT_EQ(cache.FindPicture(QStringLiteral("file://a.png")), nullptr);
    EXPECT_EQ(cache.GetPicture(1), b);
    EXPECT_THROW(cache.GetPicture(2), Exception);
    EXPECT_THROW(cache.GetPicture(-1), Exception);

    // Animate steps every picture: the GIF moves after its first delay.
    bool moved = false;
    for (int i = 0; i < 3; ++i)
        moved = cache.Animate() || moved;
    EXPECT_TRUE(moved);
    EXPECT_EQ(b->Frame(), 2);

    auto replacement = std::make_unique<THTMLPicture>();
    replacement->SetID(QStringLiteral("new"));
    cache.SetPicture(0, std::move(replacement));
    EXPECT_EQ(cache.FindPicture(QStringLiteral("new")), cache.GetPicture(0));
    EXPECT_THROW(cache.SetPicture(2, std::make_unique<THTMLPicture>()), Exception);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
    EXPECT_EQ(cache.FindPicture(QStringLiteral("new")), nullptr);
}

TEST(PictureContainer, FindsNamesRegardlessOfCaseOfAtoZ)
{
    TPictureContainer container;
    const struct {
        const char* name;
        QByteArray bytes;
    } items[] = {{"logo", pngBytes()}, {"Arrow", gifBytes()}, {"\u00e9t\u00e9", bmpBytes()}, {"LOGO", bmpBytes()}};
    for (const auto& i : items) {
        TPictureItem* item = container.Items()->Add();
        item->SetName(QString::fromUtf8(i.name));
        item->Picture()->LoadFromBytes(i.bytes);
    }
    const struct {
        const char* ask;
        int item;  // -1: none
    } cases[] = {{"LOGO", 0}, {"logo", 0}, {"arrow", 1}, {"ARROW", 1},
                 {"\u00e9t\u00e9", 2}, {"\u00c9T\u00c9", -1}, {"missing", -1}, {"", -1}};
    for (const auto& c : cases) {
        THTMLPicture* found = container.FindPicture(QString::fromUtf8(c.ask));
        EXPECT_EQ(found, c.item < 0 ? nullptr : container.Items()->Items(c.item)->Picture()) << c.ask;
    }

    // Items hold copies: of a picture given to them, and across containers.
    THTMLPicture given;
    given.LoadFromBytes(pngBytes());
    TPictureItem* item = container.Items()->Insert(0);
    item->SetPicture(&given);
    item->SetTag(7);
    item->SetName(QStringLiteral("given"));
    given.LoadFromBytes(bmpBytes());
    EXPECT_EQ(item->Picture()->Data(), pngBytes());

    TPictureContainer other;
    other.SetItems(container.Items());
    ASSERT_EQ(other.Items()->Count(), 5);
    EXPECT_EQ(other.Items()->Items(0)->Tag(), 7);
    THTMLPicture* copied = other.FindPicture(QStringLiteral("GIVEN"));
    ASSERT_NE(copied, nullptr);
    EXPECT_NE(copied, item->Picture());
    EXPECT_EQ(copied->Width(), 2);
    container.Items()->Clear();
    EXPECT_EQ(other.FindPicture(QStringLiteral("arrow"))->FrameCount(), 5);
    EXPECT_EQ(container.FindPicture(QStringLiteral("arrow")), nullptr);
}

// ---- system icons ------------------------------------------------------------------------------

// Red small icons, blue large ones; the path "/no/icon" has none.
class FixedIcons : public TSystemIconProvider {
public:
    TSize IconSize(bool Large) const override { return Large ? TSize{32, 32} : TSize{16, 16}; }
    QImage IconOf(const String& Path, bool Large) override
    {
        asked.push_back(Path);
        if (Path == u"/no/icon")
            return QImage();
        const TSize s = IconSize(Large);
        QImage img(s.cx, s.cy, QImage::Format_ARGB32_Premultiplied);
        img.fill(Large ? QColor(0, 0, 255) : QColor(255, 0, 0));
        return img;
    }
    std::vector<String> asked;
};

class SystemIconTest : public ::testing::Test {
protected:
    void SetUp() override { SetSystemIcons(&icons); }
    void TearDown() override { SetSystemIcons(nullptr); }
    FixedIcons icons;
};

TEST_F(SystemIconTest, PathsHaveIconsNumbersNone)
{
    const struct {
        const char* what;
        QString source;
        bool large, draw, stretch;
        double scale;
        TSize size;
        TRect drawn;  // empty: nothing drawn
    } cases[] = {
        {"small", QStringLiteral("/tmp/report.txt"), false, true, false, 1.0, {16, 16}, {2, 3, 18, 19}},
        {"large", QStringLiteral("C:/file.pdf"), true, true, false, 1.0, {32, 32}, {2, 3, 34, 35}},
        {"stretched", QStringLiteral("/tmp"), true, true, true, 0.5, {32, 32}, {2, 3, 18, 19}},
        {"stretched, rounded half to even", QStringLiteral("/tmp"), false, true, true, 1.53125, {16, 16}, {2, 3, 26, 27}},
        {"measured only", QStringLiteral("/tmp/a.txt"), false, false, false, 1.0, {16, 16}, {}},
        {"an index", QStringLiteral("12"), false, true, false, 1.0, {0, 0}, {}},
        {"a path without icon", QStringLiteral("/no/icon"), true, true, false, 1.0, {0, 0}, {}},
        {"a bad scale", QStringLiteral("/tmp"), false, true, true, -1.0, {16, 16}, {}},
    };
    for (const auto& c : cases) {
        TBitmap surface(40, 40);
        surface.Canvas().Brush().SetColor(clBlack);
        surface.Canvas().FillRect(TRect{0, 0, 40, 40});
        const TSize size = DrawSystemIcon(surface.Canvas(), 2, 3, c.source, c.large, c.draw, c.stretch, c.scale);
        EXPECT_EQ(size, c.size) << c.what;
        const TColor ink = c.large ? clBlue : clRed;
        int inked = 0;
        TRect box{40, 40, 0, 0};
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                if (surface.Canvas().Pixels(x, y) == ink) {
                    ++inked;
                    box = TRect{std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                                std::max(box.Bottom, y + 1)};
                }
        if (c.drawn.IsEmpty()) {
            EXPECT_EQ(inked, 0) << c.what;
        } else {
            EXPECT_EQ(box, c.drawn) << c.what;
            EXPECT_EQ(inked, c.drawn.Width() * c.drawn.Height()) << c.what;
        }
    }
    // An index never reaches the provider.
    EXPECT_EQ(std::count(icons.asked.begin(), icons.asked.end(), QStringLiteral("12")), 0);
}

TEST(SystemIcons, TheProgramsProviderAsksQt)
{
    SetSystemIcons(nullptr);
    auto* provider = dynamic_cast<TQtSystemIconProvider*>(&SystemIcons());
    ASSERT_NE(provider, nullptr);
    EXPECT_EQ(provider->IconSize(false), (TSize{16, 16}));
    EXPECT_EQ(provider->IconSize(true), (TSize{32, 32}));
    EXPECT_TRUE(provider->IconOf(QString(), false).isNull());
    TempDir dir;
    for (bool large : {false, true}) {
        const QImage icon = provider->IconOf(dir.path(), large);
        if (!icon.isNull()) {
            EXPECT_EQ(icon.width(), large ? 32 : 16);
            EXPECT_EQ(icon.height(), large ? 32 : 16);
        }
    }
}

}  // namespace
