#include "platform/gui/bitmap.h"

#include <QBuffer>

#include "platform/rtl/files.h"

// ---- graphic ------------------------------------------------------------------------------

void TGraphic::SetTransparent(bool Value)
{
    if (transparent_ == Value)
        return;
    transparent_ = Value;
    Changed();
}

void TGraphic::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TGraphic::Draw(TCanvas& Canvas, const TRect& R) const { Canvas.StretchDrawImage(R, DrawImage()); }

std::unique_ptr<TGraphic> TGraphic::Clone() const
{
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf32bit);
    b->SetAlphaFormat(TAlphaFormat::afPremultiplied);
    b->SetImage(DrawImage());
    return b;
}

void TGraphic::LoadFromFile(const String& FileName) { LoadFromBytes(ReadFileBytes(FileName)); }

void TGraphic::SaveToFile(const String& FileName) const { WriteFileAtomic(FileName, SaveToBytes()); }

QImage KeyColorOut(const QImage& Source, TColor Key)
{
    QImage img = Source.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(Key).rgb() & 0xFFFFFF;
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((row[x] & 0xFFFFFF) == key)
                row[x] = 0;
    }
    return img;
}

// ---- bitmap -------------------------------------------------------------------------------

// Paints into the bitmap's image; the painter lives from the first drawing
// call until the pixels are read or resized.
class TBitmap::BitmapCanvas : public TCanvas {
public:
    explicit BitmapCanvas(TBitmap& Owner) : owner_(Owner) {}
    ~BitmapCanvas() override { End(); }

    void End()
    {
        if (!painter_.isActive())
            return;
        AttachPainter(nullptr);
        painter_.end();
    }

protected:
    void CreateHandle() override
    {
        if (owner_.image_.isNull() || painter_.isActive())
            return;
        painter_.begin(&owner_.image_);
        AttachPainter(&painter_);
    }

private:
    TBitmap& owner_;
    QPainter painter_;
};

namespace {

QImage::Format qtFormat(TPixelFormat F)
{
    switch (F) {
    case pf24bit: return QImage::Format_BGR888;
    case pf32bit: return QImage::Format_ARGB32_Premultiplied;
    default: return QImage::Format_RGB32;
    }
}

}  // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<BitmapCanvas>(*this)) {}

TBitmap::TBitmap(int Width, int Height, TPixelFormat Format) : TBitmap()
{
    SetPixelFormat(Format);
    SetSize(Width, Height);
}

TBitmap::~TBitmap() { canvas_->End(); }

void TBitmap::EndPainting() const { canvas_->End(); }

TCanvas& TBitmap::Canvas() { return *canvas_; }

void TBitmap::SetSize(int Width, int Height)
{
    Width = std::max(Width, 0);
    Height = std::max(Height, 0);
    if (Width == image_.width() && Height == image_.height())
        return;
    EndPainting();
    QImage n;
    if (Width > 0 && Height > 0) {
        n = QImage(Width, Height, qtFormat(format_));
        n.fill(Qt::white);
        if (!image_.isNull()) {
            QPainter p(&n);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, image_);
        }
    }
    image_ = n;
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (Value != pfDevice && Value != pf24bit && Value != pf32bit)
        throw Exception(QStringLiteral("Unsupported pixel format"));
    if (Value == format_)
        return;
    EndPainting();
    format_ = Value;
    if (!image_.isNull())
        image_ = image_.convertToFormat(qtFormat(Value));
    Changed();
}

void TBitmap::SetAlphaFormat(TAlphaFormat Value)
{
    if (alphaFormat_ == Value)
        return;
    alphaFormat_ = Value;
    Changed();
}

uint8_t* TBitmap::ScanLine(int Row)
{
    if (Row < 0 || Row >= image_.height())
        throw Exception(QStringLiteral("Scan line index out of range"));
    EndPainting();
    return image_.scanLine(Row);
}

const uint8_t* TBitmap::ScanLine(int Row) const
{
    if (Row < 0 || Row >= image_.height())
        throw Exception(QStringLiteral("Scan line index out of range"));
    EndPainting();
    return image_.constScanLine(Row);
}

void TBitmap::SetTransparentMode(TTransparentMode Value)
{
    if (transparentMode_ == Value)
        return;
    transparentMode_ = Value;
    Changed();
}

TColor TBitmap::TransparentColor() const
{
    switch (transparentMode_) {
    case TTransparentMode::tmFixed: return transparentColor_;
    case TTransparentMode::tmTopLeft: return TopLeftColor();
    case TTransparentMode::tmAuto: break;
    }
    return BottomLeftColor();
}

void TBitmap::SetTransparentColor(TColor Value)
{
    transparentColor_ = Value;
    transparentMode_ = Value == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
    Changed();
}

TColor TBitmap::TopLeftColor() const
{
    const QImage& img = Image();
    return img.isNull() ? clNone : FromQColor(img.pixelColor(0, 0));
}

TColor TBitmap::BottomLeftColor() const
{
    const QImage& img = Image();
    return img.isNull() ? clNone : FromQColor(img.pixelColor(0, img.height() - 1));
}

const QImage& TBitmap::Image() const
{
    EndPainting();
    return image_;
}

void TBitmap::SetImage(const QImage& Image)
{
    EndPainting();
    image_ = Image.convertToFormat(qtFormat(format_));
    Changed();
}

QImage TBitmap::DrawImage() const
{
    const QImage& img = Image();
    if (img.isNull())
        return img;
    if (Transparent())
        return KeyColorOut(img, TransparentColor());
    if (format_ != pf32bit)
        return img;
    // The fourth byte: ignored, straight alpha or premultiplied alpha.
    const QImage::Format f = alphaFormat_ == TAlphaFormat::afIgnored  ? QImage::Format_RGB32
                             : alphaFormat_ == TAlphaFormat::afDefined ? QImage::Format_ARGB32
                                                                       : QImage::Format_ARGB32_Premultiplied;
    return QImage(img.constBits(), img.width(), img.height(), img.bytesPerLine(), f).copy();
}

std::unique_ptr<TGraphic> TBitmap::Clone() const
{
    auto b = std::make_unique<TBitmap>();
    b->Assign(*this);
    return b;
}

void TBitmap::LoadFromBytes(const QByteArray& Bytes)
{
    QImage img;
    if (!img.loadFromData(Bytes))
        throw Exception(QStringLiteral("Bitmap image is not valid"));
    EndPainting();
    format_ = img.hasAlphaChannel() ? pf32bit : pf24bit;
    image_ = img.convertToFormat(qtFormat(format_));
    Changed();
}

QByteArray TBitmap::SaveToBytes() const
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    const QImage& img = Image();
    if (img.isNull() || !img.convertToFormat(format_ == pf32bit ? QImage::Format_ARGB32 : QImage::Format_RGB32)
                              .save(&buf, "BMP"))
        throw Exception(QStringLiteral("Cannot write the bitmap"));
    return out;
}

void TBitmap::Assign(const TPersistent& Source)
{
    if (auto* b = dynamic_cast<const TBitmap*>(&Source)) {
        if (b == this)
            return;
        EndPainting();
        image_ = b->Image();
        image_.detach();
        format_ = b->format_;
        alphaFormat_ = b->alphaFormat_;
        transparentMode_ = b->transparentMode_;
        transparentColor_ = b->transparentColor_;
        SetTransparent(b->Transparent());
        Changed();
        return;
    }
    if (auto* g = dynamic_cast<const TGraphic*>(&Source)) {
        EndPainting();
        format_ = pf32bit;
        alphaFormat_ = TAlphaFormat::afPremultiplied;
        image_ = g->DrawImage().convertToFormat(qtFormat(format_));
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}
