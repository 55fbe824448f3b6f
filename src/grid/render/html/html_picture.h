#pragma once
// The pictures of formatted text: THTMLPicture keeps the encoded bytes of a
// picture (BMP, PNG, ICO, JPEG, GIF; metafiles are kept but not drawn) and
// draws the decoded image, one frame at a time for an animated GIF. Named
// pictures live in a TPictureContainer, pictures fetched by URL in a
// THTMLPictureCache.
//
// Rules:
// - A picture is empty until its bytes decode; bytes that do not decode
//   (garbage, a metafile, a GIF frame that cannot be read) leave it empty:
//   size 0 x 0, nothing drawn. The bytes are kept all the same.
// - Sizes are pixels at 96 dpi.
// - The frames of a GIF, their offsets inside the logical screen, delays,
//   transparency and disposal come from a walk over the GIF's blocks
//   (WalkGifBlocks); the image of frame n is Qt's rendering of the animation
//   at frame n, cut to that frame's rectangle.
// - LoadFromURL: "RES://name" reads the program's Qt resource
//   ":/res/<name>" (ResourcePrefix); "FILE://path" reads a regular file of
//   at most 64 MiB (MaxPictureFileSize); every other URL is recorded and the
//   picture stays empty: nothing is downloaded.
#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/gui/bitmap.h"
#include "platform/gui/classes.h"

class QIODevice;

// ---- GIF block walk -----------------------------------------------------------------------

// One image of a GIF: its image descriptor and the graphic-control
// extension in front of it (all zero when it has none).
struct TGifFrameInfo {
    uint16_t Left = 0;
    uint16_t Top = 0;
    uint16_t Width = 0;
    uint16_t Height = 0;
    // Delay before the next frame, hundredths of a second.
    uint16_t Delay = 0;
    bool Transparent = false;
    // Disposal method: bits 2-4 of the graphic-control flags (0..7).
    uint16_t Disposal = 0;
    bool operator==(const TGifFrameInfo&) const = default;
};

struct TGifInfo {
    // The data begin with a GIF header ("GIF87a" or "GIF89a") and a logical
    // screen descriptor.
    bool IsGif = false;
    uint16_t ScreenWidth = 0;
    uint16_t ScreenHeight = 0;
    // Every image whose descriptor and image data are complete, in file
    // order. The walk stops at the trailer, at an unknown block or at the
    // end of the data.
    std::vector<TGifFrameInfo> Frames;
};

// Walks the blocks of a GIF (header, logical screen, global colour table,
// extensions, image descriptors with their local colour tables and data
// sub-blocks). Any byte string is safe; nothing is read past its end.
TGifInfo WalkGifBlocks(const QByteArray& Data);

// ---- the picture ----------------------------------------------------------------------------

using TDownloadProgressEvent = std::function<void(TObject* Sender, uint32_t dwSize, uint32_t dwTotSize)>;
using TDownloadCancelEvent = std::function<void(TObject* Sender, bool& Cancel)>;
using TDownloadCompleteEvent = std::function<void(TObject* Sender)>;
using TDownloadErrorEvent = std::function<void(TObject* Sender, const String& err)>;

class THTMLPicture : public TGraphic {
public:
    // The Qt resource folder "RES://name" reads from.
    static constexpr const char* ResourcePrefix = ":/res/";
    // The largest file LoadFromFile and "FILE://" read.
    static constexpr int64_t MaxPictureFileSize = int64_t(64) * 1024 * 1024;

    THTMLPicture();
    ~THTMLPicture() override;

    // ---- loading
    // The whole content of Stream (from its start when it can seek); then the
    // picture is decoded and OnChange raised. Bytes that do not decode leave
    // the picture empty and raise Exception("Could not load image. Invalid
    // format") after OnChange (a metafile loads empty without an error).
    // nullptr does nothing.
    void LoadFromStream(QIODevice* Stream);
    void LoadFromBytes(const QByteArray& Bytes) override;
    // A regular file of at most MaxPictureFileSize bytes; anything else (no
    // such file, a device, a directory, a larger file, bytes that do not
    // decode) leaves the picture empty without an error.
    void LoadFromFile(const String& FileName);
    // The resource ResourcePrefix + Name (an exact name first, then one that
    // differs in the case of letters); nothing when there is none.
    void LoadFromResourceName(const String& Name);
    // The resource ResourcePrefix + the number; a missing one raises
    // Exception("Resource <n> not found").
    void LoadFromResourceID(int ResID);
    // "RES://", "FILE://" (prefixes in any case) or any other URL (recorded,
    // nothing loaded). Never raises: a picture that does not decode is empty.
    void LoadFromURL(const String& URL);
    // The storage pair: ReadData is LoadFromStream without OnChange;
    // WriteData and SaveToStream write the bytes as loaded.
    void ReadData(QIODevice& Stream);
    void WriteData(QIODevice& Stream) const;
    void SaveToStream(QIODevice& Stream) const;
    QByteArray SaveToBytes() const override;
    // The bytes as loaded.
    const QByteArray& Data() const { return data_; }

    // A THTMLPicture: a copy of its bytes (independent of the source's),
    // decoded afresh, then OnChange. Any other source, or nullptr, empties
    // the picture (nullptr also drops the bytes). Frame returns to 1.
    void Assign(const TPersistent& Source) override;
    void Assign(const TPersistent* Source);
    std::unique_ptr<TGraphic> Clone() const override;

    // ---- drawing
    // Nothing when empty. Stretched: into R; else at R's top-left in its
    // natural size for the canvas's resolution.
    void Draw(TCanvas& Canvas, const TRect& R) const override;
    // The decoded image (null when empty).
    QImage DrawImage() const override;
    bool Empty() const override { return empty_; }
    // Pixels at 96 dpi of the decoded image (for a GIF: of the current
    // frame); 0 when empty.
    int Width() const override;
    int Height() const override;
    // The GIF's logical screen when it is not 0 x 0, else Width/Height; 0
    // when empty.
    int MaxWidth() const;
    int MaxHeight() const;
    bool Stretch() const { return stretched_; }
    void SetStretch(bool Value) { stretched_ = Value; }

    // ---- GIF frames
    // At least 5 bytes that begin with "GIF8".
    bool IsGIF() const;
    // The number of frames of a GIF; -1 when the picture is not a GIF.
    int FrameCount() const;
    // One-based; setting it decodes that frame (a number outside
    // 1..FrameCount leaves the picture empty) and raises OnFrameChange.
    int Frame() const { return frame_; }
    void SetFrame(int Value);
    // The next frame, from the last one to 1; the previous one, from 1 to the
    // last.
    void FrameNext();
    void FramePrev();
    // The delay of frame i (one-based) in hundredths of a second, and
    // FrameTransp/FrameDisposal become that frame's; -1 when the picture is
    // not a GIF or has no frame i.
    int GetFrameTime(int i);
    int FrameTime(int i) { return GetFrameTime(i); }
    bool FrameTransp() const { return frameTransp_; }
    uint16_t FrameDisposal() const { return frameDisposal_; }
    // The current frame's offset inside the logical screen.
    uint16_t FrameXPos() const { return frameXPos_; }
    uint16_t FrameYPos() const { return frameYPos_; }
    // One animation step of a tenth of a second: true when the frame changed.
    bool Step();

    // ---- identity and loading options
    // The URL the picture was loaded from (the cache's key).
    const String& ID() const { return id_; }
    void SetID(const String& Value) { id_ = Value; }
    // The URL given to LoadFromURL for a network load.
    const String& URL() const { return url_; }
    bool IsDB() const { return isDB_; }
    void SetIsDB(bool Value) { isDB_ = Value; }
    // Network URLs are never fetched, with or without Asynch: the URL is
    // recorded (with Asynch off also as ID) and Busy stays false.
    bool Asynch() const { return asynch_; }
    void SetAsynch(bool Value) { asynch_ = Value; }
    bool Busy() const { return false; }

    TNotifyEvent OnFrameChange;
    // Declared for users of the picture; never raised (nothing is downloaded).
    TDownloadProgressEvent OnDownLoadProgress;
    TDownloadCancelEvent OnDownLoadCancel;
    TDownloadCompleteEvent OnDownLoadComplete;
    TDownloadErrorEvent OnDownLoadError;

private:
    // Takes new bytes: walks them and decodes; false when they do not decode
    // (and are not a metafile).
    bool SetData(const QByteArray& Bytes);
    // Decodes the current bytes at the current frame; false when they do not
    // decode. Never raises.
    bool Rebuild();

    QByteArray data_;
    bool empty_ = true;
    bool stretched_ = false;
    QImage image_;  // the decoded picture (the current frame's rectangle of a GIF)
    String url_;
    String id_;
    bool isDB_ = false;
    bool asynch_ = true;
    int frame_ = 1;
    TGifInfo gif_;
    uint16_t frameXPos_ = 0;
    uint16_t frameYPos_ = 0;
    uint16_t frameXSize_ = 0;
    uint16_t frameYSize_ = 0;
    bool frameTransp_ = false;
    uint16_t frameDisposal_ = 0;
    uint16_t animMaxX_ = 0;
    uint16_t animMaxY_ = 0;
    int64_t nextCount_ = -1;
    int64_t timerCount_ = -1;
};

// ---- the URL cache ------------------------------------------------------------------------

// Pictures fetched by URL, owned by the cache (each grid keeps one).
class THTMLPictureCache : public TObject {
public:
    THTMLPictureCache();
    ~THTMLPictureCache() override;

    int Count() const { return int(items_.size()); }
    // A new empty picture at the end.
    THTMLPicture* AddPicture();
    // The first picture whose ID equals ID exactly; nullptr when none.
    THTMLPicture* FindPicture(const String& ID) const;
    // Frees every picture.
    void ClearPictures();
    // Step on every picture; true when any frame changed.
    bool Animate();
    // A bad index raises Exception "List index out of bounds (n)".
    THTMLPicture* GetPicture(int Index) const;
    // Replaces (and frees) the picture at Index.
    void SetPicture(int Index, std::unique_ptr<THTMLPicture> Value);

private:
    std::vector<std::unique_ptr<THTMLPicture>> items_;
};

// ---- the named pictures -----------------------------------------------------------------------

class TPictureItem : public TCollectionItem {
public:
    explicit TPictureItem(TCollection* Collection);
    ~TPictureItem() override;

    THTMLPicture* Picture() const { return picture_.get(); }
    // Copies Value's bytes (nullptr empties the picture).
    void SetPicture(const THTMLPicture* Value);
    const String& Name() const { return name_; }
    void SetName(const String& Value) { name_ = Value; }
    int Tag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }
    // Another TPictureItem: its picture, name and tag.
    void Assign(const TPersistent& Source) override;

private:
    std::unique_ptr<THTMLPicture> picture_;
    String name_;
    int tag_ = 0;
};

class TPictureCollection : public TCollection {
public:
    explicit TPictureCollection(TPersistent* AOwner);

    TPictureItem* Add();
    TPictureItem* Insert(int Index);
    TPictureItem* Items(int Index) const;
    // Step on every item's picture; true when any frame changed.
    bool Animate();
};

// Named pictures for formatted text (the grid's PictureContainer).
class TPictureContainer : public TComponent {
public:
    explicit TPictureContainer(TComponent* AOwner = nullptr);
    ~TPictureContainer() override;

    TPictureCollection* Items() const { return items_.get(); }
    // Replaces the items by copies of Value's.
    void SetItems(const TPictureCollection* Value);
    // The picture of the first item whose Name equals Name regardless of the
    // case of a..z; nullptr when none.
    virtual THTMLPicture* FindPicture(const String& Name) const;

private:
    std::unique_ptr<TPictureCollection> items_;
};
