#pragma once
// Pictures: bitmaps with a canvas and row access, icons, JPEG/PNG/GIF images,
// the picture holder and the image list.
#include <QByteArray>
#include <QImage>

#include <memory>
#include <vector>

#include "platform/gui/canvas.h"

// Something that can be drawn on a canvas and stored in a file.
class TGraphic : public TPersistent {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }
    // Drawn with colour-keyed (or alpha) transparency when set.
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool Value);

    // Draws the picture stretched onto R.
    virtual void Draw(TCanvas& Canvas, const TRect& R) const;
    // The pixels as drawn: transparency applied (alpha 0 where transparent).
    virtual QImage DrawImage() const = 0;
    // A copy of the same class (the base gives a bitmap of DrawImage).
    virtual std::unique_ptr<TGraphic> Clone() const;

    // Raise Exception (EFileError for files) on unreadable or corrupt data.
    void LoadFromFile(const String& FileName);
    virtual void LoadFromBytes(const QByteArray& Bytes) = 0;
    // Written through WriteFileAtomic.
    void SaveToFile(const String& FileName) const;
    virtual QByteArray SaveToBytes() const = 0;

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    bool transparent_ = false;
};

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
using TPixelFormat::pfDevice, TPixelFormat::pf24bit, TPixelFormat::pf32bit;
// tmAuto: the key is the bottom-left pixel; tmFixed: TransparentColor;
// tmTopLeft: the key is the top-left pixel.
enum class TTransparentMode { tmAuto, tmFixed, tmTopLeft };
// How a 32-bit bitmap's fourth byte is used when drawn.
enum class TAlphaFormat { afIgnored, afDefined, afPremultiplied };

// A bitmap in memory. Row layout of ScanLine (as the classic formats):
// pfDevice and pf32bit 4 bytes per pixel B, G, R, X/A (pf32bit premultiplied);
// pf24bit 3 bytes per pixel B, G, R.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int Width, int Height, TPixelFormat Format = pfDevice);
    ~TBitmap() override;

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    // New pixels are white; kept pixels stay.
    void SetWidth(int Value) { SetSize(Value, Height()); }
    void SetHeight(int Value) { SetSize(Width(), Value); }
    void SetSize(int Width, int Height);
    TPixelFormat PixelFormat() const { return format_; }
    // pfDevice, pf24bit or pf32bit (others raise); converts the pixels.
    void SetPixelFormat(TPixelFormat Value);
    TAlphaFormat AlphaFormat() const { return alphaFormat_; }
    void SetAlphaFormat(TAlphaFormat Value);

    // Draws into the image.
    TCanvas& Canvas();
    // Row access (ends the canvas's painting first).
    uint8_t* ScanLine(int Row);
    const uint8_t* ScanLine(int Row) const;

    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode Value);
    // The key colour for the transparent mode (setting it selects tmFixed).
    TColor TransparentColor() const;
    void SetTransparentColor(TColor Value);
    TColor TopLeftColor() const;
    TColor BottomLeftColor() const;

    // The pixels (ends the canvas's painting first).
    const QImage& Image() const;
    // Takes over the pixels, converted to this bitmap's pixel format.
    void SetImage(const QImage& Image);

    QImage DrawImage() const override;
    std::unique_ptr<TGraphic> Clone() const override;
    // BMP (any format Qt reads is accepted); writes BMP.
    void LoadFromBytes(const QByteArray& Bytes) override;
    QByteArray SaveToBytes() const override;
    void Assign(const TPersistent& Source) override;

private:
    void EndPainting() const;
    class BitmapCanvas;
    QImage image_;
    TPixelFormat format_ = pfDevice;
    TAlphaFormat alphaFormat_ = TAlphaFormat::afIgnored;
    TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
    TColor transparentColor_ = clNone;
    std::unique_ptr<BitmapCanvas> canvas_;
};

// A picture read through an image codec and kept as pixels (with alpha).
class TRasterGraphic : public TGraphic {
public:
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    const QImage& Image() const { return image_; }
    void SetImage(const QImage& Image);
    QImage DrawImage() const override;
    void Assign(const TPersistent& Source) override;

protected:
    QImage image_;  // ARGB32 premultiplied
};

// PNG through Qt.
class TPngImage : public TRasterGraphic {
public:
    void LoadFromBytes(const QByteArray& Bytes) override;
    QByteArray SaveToBytes() const override;
    std::unique_ptr<TGraphic> Clone() const override;
};

// GIF through Qt: the first frame; cannot be saved (raises).
class TGIFImage : public TRasterGraphic {
public:
    void LoadFromBytes(const QByteArray& Bytes) override;
    QByteArray SaveToBytes() const override;
    std::unique_ptr<TGraphic> Clone() const override;
    int FrameCount() const { return frameCount_; }

private:
    int frameCount_ = 0;
};

// ICO through Qt (the largest image of the file); always drawn transparent.
class TIcon : public TRasterGraphic {
public:
    TIcon();
    void LoadFromBytes(const QByteArray& Bytes) override;
    QByteArray SaveToBytes() const override;
    std::unique_ptr<TGraphic> Clone() const override;
};

// JPEG through libjpeg.
class TJPEGImage : public TRasterGraphic {
public:
    int CompressionQuality() const { return quality_; }
    void SetCompressionQuality(int Value) { quality_ = Value; }
    void LoadFromBytes(const QByteArray& Bytes) override;
    QByteArray SaveToBytes() const override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    int quality_ = 90;
};

// The image (as ARGB32) with every pixel of colour Key made transparent.
QImage KeyColorOut(const QImage& Source, TColor Key);

// Decodes a baseline or progressive JPEG (grey, RGB or CMYK) to RGB32;
// raises Exception on corrupt data.
QImage LoadJpeg(const QByteArray& Bytes);
// Encodes as a baseline JPEG, Quality 1..100.
QByteArray SaveJpeg(const QImage& Image, int Quality = 90);

// Holds one graphic of any class; the class follows the file.
class TPicture : public TPersistent {
public:
    TPicture();
    ~TPicture() override;

    TGraphic* Graphic() const { return graphic_.get(); }
    // Holds a copy of Value (nullptr empties the picture).
    void SetGraphic(const TGraphic* Value);
    // The graphic as a bitmap: a non-bitmap graphic is replaced by a bitmap
    // of its pixels.
    TBitmap& Bitmap();
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

    // The class is chosen by the content (BMP, PNG, GIF, ICO, JPEG), then by
    // the extension; raises EFileError / Exception when unreadable.
    void LoadFromFile(const String& FileName);
    void LoadFromBytes(const QByteArray& Bytes, const String& Extension = String());
    void SaveToFile(const String& FileName) const;
    void Assign(const TPersistent& Source) override;

    TNotifyEvent OnChange;

private:
    void Changed();
    std::unique_ptr<TGraphic> graphic_;
};

// Images of one size, drawn by index.
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner = nullptr, int Width = 16, int Height = 16);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size clears the list.
    void SetSize(int Width, int Height);
    int Count() const { return int(images_.size()); }

    // A bitmap wider than Width adds one image per Width-wide slice. Mask
    // (optional): white pixels transparent, black opaque. Returns the index
    // of the first image added.
    int Add(const TBitmap& Image, const TBitmap* Mask = nullptr);
    // Pixels of MaskColor (clDefault: the bottom-left pixel) are transparent.
    int AddMasked(const TBitmap& Image, TColor MaskColor);
    int AddIcon(const TIcon& Icon);
    void Delete(int Index);
    void Clear();
    // Disabled images are drawn as a grey silhouette.
    void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;
    // The image (transparent pixels with alpha 0).
    const QImage& Image(int Index) const;

    TNotifyEvent OnChange;

private:
    void CheckIndex(int Index) const;
    int width_;
    int height_;
    std::vector<QImage> images_;
};
