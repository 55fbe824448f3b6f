// Codec-backed graphics (PNG, GIF, ICO, JPEG), the picture holder and the
// image list.
#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include "platform/gui/bitmap.h"
#include "platform/rtl/files.h"

// ---- raster graphics ------------------------------------------------------------------------

void TRasterGraphic::SetImage(const QImage& Image)
{
    image_ = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Changed();
}

QImage TRasterGraphic::DrawImage() const { return image_; }

void TRasterGraphic::Assign(const TPersistent& Source)
{
    if (auto* g = dynamic_cast<const TGraphic*>(&Source)) {
        if (g != this)
            SetImage(g->DrawImage());
        return;
    }
    TGraphic::Assign(Source);
}

namespace {

// Reads the first image of a Qt-supported format (Largest: the largest of
// all the images in the file); Frames receives the image count.
QImage readImage(const QByteArray& Bytes, const char* Format, const char* What, int* Frames = nullptr,
                 bool Largest = false)
{
    QBuffer buf;
    buf.setData(Bytes);
    buf.open(QIODevice::ReadOnly);
    QImageReader reader(&buf, Format);
    const int count = reader.imageCount();
    QImage best = reader.read();
    for (int i = 1; Largest && i < count && reader.jumpToImage(i); ++i) {
        const QImage img = reader.read();
        if (!img.isNull() && img.width() * img.height() > best.width() * best.height())
            best = img;
    }
    if (best.isNull())
        throw Exception(QStringLiteral("%1 image is not valid").arg(QString::fromLatin1(What)));
    if (Frames)
        *Frames = std::max(count, 1);
    return best;
}

QByteArray writeImage(const QImage& Image, const char* Format)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    if (Image.isNull() || !Image.save(&buf, Format))
        throw Exception(QStringLiteral("Cannot write the %1 image").arg(QString::fromLatin1(Format)));
    return out;
}

template <typename T>
std::unique_ptr<TGraphic> cloneOf(const T& Source)
{
    auto g = std::make_unique<T>();
    g->Assign(Source);
    return g;
}

}  // namespace

void TPngImage::LoadFromBytes(const QByteArray& Bytes) { SetImage(readImage(Bytes, "png", "PNG")); }
QByteArray TPngImage::SaveToBytes() const { return writeImage(image_, "png"); }
std::unique_ptr<TGraphic> TPngImage::Clone() const { return cloneOf(*this); }

void TGIFImage::LoadFromBytes(const QByteArray& Bytes) { SetImage(readImage(Bytes, "gif", "GIF", &frameCount_)); }
QByteArray TGIFImage::SaveToBytes() const { throw Exception(QStringLiteral("GIF images cannot be saved")); }
std::unique_ptr<TGraphic> TGIFImage::Clone() const { return cloneOf(*this); }

TIcon::TIcon() { SetTransparent(true); }
void TIcon::LoadFromBytes(const QByteArray& Bytes) { SetImage(readImage(Bytes, "ico", "Icon", nullptr, true)); }
QByteArray TIcon::SaveToBytes() const { return writeImage(image_, "ico"); }
std::unique_ptr<TGraphic> TIcon::Clone() const { return cloneOf(*this); }

void TJPEGImage::LoadFromBytes(const QByteArray& Bytes) { SetImage(LoadJpeg(Bytes)); }
QByteArray TJPEGImage::SaveToBytes() const { return SaveJpeg(image_, quality_); }
std::unique_ptr<TGraphic> TJPEGImage::Clone() const
{
    auto g = std::make_unique<TJPEGImage>();
    g->Assign(*this);
    g->quality_ = quality_;
    return g;
}

// ---- picture --------------------------------------------------------------------------------

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed()
{
    if (OnChange)
        OnChange(this);
}

namespace {

std::unique_ptr<TGraphic> graphicFor(const QByteArray& Bytes, const String& Extension)
{
    if (Bytes.startsWith("BM"))
        return std::make_unique<TBitmap>();
    if (Bytes.startsWith("\x89PNG"))
        return std::make_unique<TPngImage>();
    if (Bytes.startsWith("GIF8"))
        return std::make_unique<TGIFImage>();
    if (Bytes.startsWith(QByteArray("\0\0\1\0", 4)))
        return std::make_unique<TIcon>();
    if (Bytes.startsWith("\xFF\xD8\xFF"))
        return std::make_unique<TJPEGImage>();
    const QString ext = Extension.toLower().remove(u'.');
    if (ext == u"bmp" || ext == u"dib")
        return std::make_unique<TBitmap>();
    if (ext == u"png")
        return std::make_unique<TPngImage>();
    if (ext == u"gif")
        return std::make_unique<TGIFImage>();
    if (ext == u"ico")
        return std::make_unique<TIcon>();
    if (ext == u"jpg" || ext == u"jpeg" || ext == u"jpe" || ext == u"jfif")
        return std::make_unique<TJPEGImage>();
    throw Exception(QStringLiteral("Unknown picture file extension (.%1)").arg(ext));
}

}  // namespace

void TPicture::SetGraphic(const TGraphic* Value)
{
    graphic_ = Value ? Value->Clone() : nullptr;
    if (graphic_)
        graphic_->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

TBitmap& TPicture::Bitmap()
{
    if (auto* b = dynamic_cast<TBitmap*>(graphic_.get()))
        return *b;
    auto b = std::make_unique<TBitmap>();
    if (graphic_)
        b->Assign(*graphic_);
    graphic_ = std::move(b);
    graphic_->OnChange = [this](TObject*) { Changed(); };
    Changed();
    return static_cast<TBitmap&>(*graphic_);
}

void TPicture::LoadFromBytes(const QByteArray& Bytes, const String& Extension)
{
    std::unique_ptr<TGraphic> g = graphicFor(Bytes, Extension);
    g->LoadFromBytes(Bytes);
    graphic_ = std::move(g);
    graphic_->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::LoadFromFile(const String& FileName)
{
    LoadFromBytes(ReadFileBytes(FileName), QFileInfo(FileName).suffix());
}

void TPicture::SaveToFile(const String& FileName) const
{
    if (graphic_)
        graphic_->SaveToFile(FileName);
}

void TPicture::Assign(const TPersistent& Source)
{
    if (auto* p = dynamic_cast<const TPicture*>(&Source)) {
        if (p != this)
            SetGraphic(p->Graphic());
        return;
    }
    if (auto* g = dynamic_cast<const TGraphic*>(&Source)) {
        SetGraphic(g);
        return;
    }
    TPersistent::Assign(Source);
}

// ---- image list -----------------------------------------------------------------------------

TImageList::TImageList(TComponent* AOwner, int Width, int Height)
    : TComponent(AOwner), width_(std::max(Width, 1)), height_(std::max(Height, 1))
{
}

void TImageList::SetSize(int Width, int Height)
{
    Width = std::max(Width, 1);
    Height = std::max(Height, 1);
    if (Width == width_ && Height == height_)
        return;
    width_ = Width;
    height_ = Height;
    Clear();
}

namespace {

// Adds the Width-wide slices of Image (ARGB32) to Out.
int addSlices(std::vector<QImage>& Out, const QImage& Image, int Width, int Height)
{
    const int first = int(Out.size());
    const int count = std::max(1, Image.width() / Width);
    for (int i = 0; i < count; ++i)
        Out.push_back(Image.copy(i * Width, 0, Width, Height).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return first;
}

}  // namespace

int TImageList::Add(const TBitmap& Image, const TBitmap* Mask)
{
    QImage img = Image.Image().convertToFormat(QImage::Format_ARGB32);
    if (Mask) {
        const QImage mask = Mask->Image().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < img.height() && y < mask.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
            for (int x = 0; x < img.width() && x < mask.width(); ++x)
                if (qGray(m[x]) >= 128)
                    row[x] = 0;
        }
    }
    const int index = addSlices(images_, img, width_, height_);
    if (OnChange)
        OnChange(this);
    return index;
}

int TImageList::AddMasked(const TBitmap& Image, TColor MaskColor)
{
    const TColor key = MaskColor == clDefault ? Image.BottomLeftColor() : MaskColor;
    const int index = addSlices(images_, KeyColorOut(Image.Image(), key), width_, height_);
    if (OnChange)
        OnChange(this);
    return index;
}

int TImageList::AddIcon(const TIcon& Icon)
{
    QImage img = Icon.Image();
    if (img.width() != width_ || img.height() != height_)
        img = img.scaled(width_, height_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    images_.push_back(img.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    if (OnChange)
        OnChange(this);
    return Count() - 1;
}

void TImageList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw Exception(QStringLiteral("Image list index (%1) out of bounds").arg(Index));
}

void TImageList::Delete(int Index)
{
    CheckIndex(Index);
    images_.erase(images_.begin() + Index);
    if (OnChange)
        OnChange(this);
}

void TImageList::Clear()
{
    images_.clear();
    if (OnChange)
        OnChange(this);
}

const QImage& TImageList::Image(int Index) const
{
    CheckIndex(Index);
    return images_[size_t(Index)];
}

namespace {

// The opaque pixels of Image in one colour.
QImage silhouette(const QImage& Image, TColor Color)
{
    QImage out(Image.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const QRgb c = ToQColor(Color).rgb();
    for (int y = 0; y < Image.height(); ++y) {
        auto* src = reinterpret_cast<const QRgb*>(Image.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < Image.width(); ++x)
            if (qAlpha(src[x]) >= 128)
                dst[x] = c;
    }
    return out;
}

}  // namespace

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const
{
    const QImage& img = Image(Index);
    if (Enabled) {
        Canvas.StretchDrawImage(Bounds(X, Y, width_, height_), img);
        return;
    }
    // Disabled: embossed, a highlight silhouette one pixel down-right under a shadow one.
    Canvas.StretchDrawImage(Bounds(X + 1, Y + 1, width_, height_), silhouette(img, clBtnHighlight));
    Canvas.StretchDrawImage(Bounds(X, Y, width_, height_), silhouette(img, clBtnShadow));
}
