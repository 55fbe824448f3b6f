// The pictures of formatted text, the URL cache and the named pictures.
#include "grid/render/html/html_picture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/strings.h"

// ---- GIF block walk -----------------------------------------------------------------------

namespace {

uint16_t le16(const QByteArray& D, qsizetype P)
{
    return uint16_t(uint8_t(D[P]) | (uint8_t(D[P + 1]) << 8));
}

// Skips a chain of data sub-blocks from P (a size byte, that many bytes, ...
// up to a size byte of 0). False when the data end first.
bool skipSubBlocks(const QByteArray& D, qsizetype& P)
{
    const qsizetype n = D.size();
    while (P < n) {
        const int len = uint8_t(D[P]);
        ++P;
        if (len == 0)
            return true;
        P += len;
    }
    return false;
}

}  // namespace

TGifInfo WalkGifBlocks(const QByteArray& D)
{
    TGifInfo info;
    const qsizetype n = D.size();
    // Header (6) and logical screen descriptor (7).
    if (n < 13 || !D.startsWith("GIF8") || (D[4] != '7' && D[4] != '9') || D[5] != 'a')
        return info;
    info.IsGif = true;
    info.ScreenWidth = le16(D, 6);
    info.ScreenHeight = le16(D, 8);
    qsizetype p = 13;
    const uint8_t screenFlags = uint8_t(D[10]);
    if (screenFlags & 0x80)
        p += 3 * (qsizetype(2) << (screenFlags & 7));

    // The graphic-control extension waiting for the graphic it applies to.
    bool haveControl = false;
    TGifFrameInfo control;
    while (p < n) {
        const uint8_t introducer = uint8_t(D[p]);
        if (introducer == 0x3B)  // trailer
            break;
        if (introducer == 0x21) {  // extension
            if (p + 2 > n)
                break;
            const uint8_t label = uint8_t(D[p + 1]);
            p += 2;
            if (label == 0xF9) {
                // Its first sub-block: flags, delay (2), transparent index.
                if (p < n && uint8_t(D[p]) >= 4 && p + 5 <= n) {
                    const uint8_t flags = uint8_t(D[p + 1]);
                    control = TGifFrameInfo{};
                    control.Transparent = (flags & 0x01) != 0;
                    control.Disposal = uint16_t((flags >> 2) & 0x07);
                    control.Delay = le16(D, p + 2);
                    haveControl = true;
                }
            } else if (label == 0x01) {
                // A plain-text extension is a graphic of its own: a waiting
                // control block applies to it.
                haveControl = false;
            }
            if (!skipSubBlocks(D, p))
                break;
            continue;
        }
        if (introducer == 0x2C) {  // image descriptor
            if (p + 10 > n)
                break;
            TGifFrameInfo frame = haveControl ? control : TGifFrameInfo{};
            frame.Left = le16(D, p + 1);
            frame.Top = le16(D, p + 3);
            frame.Width = le16(D, p + 5);
            frame.Height = le16(D, p + 7);
            const uint8_t flags = uint8_t(D[p + 9]);
            p += 10;
            if (flags & 0x80)
                p += 3 * (qsizetype(2) << (flags & 7));
            // LZW minimum code size, then the image data.
            if (p >= n)
                break;
            ++p;
            if (!skipSubBlocks(D, p))
                break;
            info.Frames.push_back(frame);
            haveControl = false;
            continue;
        }
        break;  // not a GIF block: the rest is not read
    }
    return info;
}

// ---- the picture ----------------------------------------------------------------------------

namespace {

const char* const InvalidFormat = "Could not load image. Invalid format";

// Windows metafiles (placeable or plain) and enhanced metafiles: kept, not
// drawn.
bool isMetafile(const QByteArray& D)
{
    if (D.startsWith(QByteArray("\xD7\xCD\xC6\x9A", 4)))
        return true;
    if (D.size() >= 18 && (D[0] == 1 || D[0] == 2) && D[1] == 0 && D[2] == 9 && D[3] == 0 && D[4] == 0 &&
        (D[5] == 1 || D[5] == 3))
        return true;
    return D.size() >= 44 && D.startsWith(QByteArray("\x01\x00\x00\x00", 4)) && D.mid(40, 4) == " EMF";
}

// Qt's rendering of the animation at frame Index (zero-based): the logical
// screen with the frames before it disposed of as they ask.
QImage readGifFrame(const QByteArray& Data, int Index)
{
    QBuffer buf;
    buf.setData(Data);
    buf.open(QIODevice::ReadOnly);
    QImageReader reader(&buf, "gif");
    if (Index > 0 && reader.jumpToImage(Index))
        return reader.read();
    // A reader that cannot jump (Qt's GIF reader) reads the frames one
    // after the other.
    QImage img;
    for (int i = 0; i <= Index; ++i) {
        img = reader.read();
        if (img.isNull())
            return QImage();
    }
    return img;
}

// The size the picture declares asks for more memory than Qt's image
// readers allow any image (the JPEG decoder of the platform has no limit of
// its own).
bool tooLarge(const QByteArray& Data)
{
    const int limitMb = QImageReader::allocationLimit();
    if (limitMb <= 0)
        return false;
    QBuffer buf;
    buf.setData(Data);
    buf.open(QIODevice::ReadOnly);
    const QSize declared = QImageReader(&buf).size();
    return declared.isValid() && int64_t(declared.width()) * declared.height() * 4 > int64_t(limitMb) * 1024 * 1024;
}

// Reads a regular file of at most MaxPictureFileSize bytes; false for
// anything else. The file is opened without waiting (a FIFO or device is
// refused, not read).
bool readPictureFile(const String& FileName, QByteArray& Out)
{
    if (FileName.isEmpty())
        return false;
    const QByteArray path = QFile::encodeName(FileName);
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    bool ok = false;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= THTMLPicture::MaxPictureFileSize) {
        // The file may grow while it is read: one byte more than the limit
        // is asked for, and a longer file is refused.
        QByteArray bytes;
        bytes.resize(qsizetype(st.st_size) + 1);
        qsizetype got = 0;
        ok = true;
        while (got < bytes.size()) {
            const ssize_t r = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (r < 0) {
                if (errno == EINTR)
                    continue;
                ok = false;
                break;
            }
            if (r == 0)
                break;
            got += r;
            if (got == bytes.size() && got <= THTMLPicture::MaxPictureFileSize)
                bytes.resize(std::min<qsizetype>(got * 2, THTMLPicture::MaxPictureFileSize + 1));
        }
        if (ok && got > THTMLPicture::MaxPictureFileSize)
            ok = false;
        if (ok) {
            bytes.truncate(got);
            Out = std::move(bytes);
        }
    }
    ::close(fd);
    return ok;
}

}  // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

bool THTMLPicture::IsGIF() const { return data_.size() >= 5 && data_.startsWith("GIF8"); }

int THTMLPicture::FrameCount() const
{
    if (!IsGIF())
        return -1;
    return int(gif_.Frames.size());
}

bool THTMLPicture::Rebuild()
{
    image_ = QImage();
    empty_ = true;
    frameXPos_ = frameYPos_ = frameXSize_ = frameYSize_ = 0;
    animMaxX_ = animMaxY_ = 0;
    if (data_.isEmpty())
        return false;
    if (IsGIF() && !gif_.Frames.empty()) {
        animMaxX_ = gif_.ScreenWidth;
        animMaxY_ = gif_.ScreenHeight;
        if (frame_ < 1 || frame_ > int(gif_.Frames.size()))
            return false;
        const TGifFrameInfo& f = gif_.Frames[size_t(frame_ - 1)];
        frameXPos_ = f.Left;
        frameYPos_ = f.Top;
        frameXSize_ = f.Width;
        frameYSize_ = f.Height;
        const QImage screen = readGifFrame(data_, frame_ - 1);
        if (screen.isNull())
            return false;
        // The frame's own rectangle, inside the logical screen.
        QRect r = QRect(f.Left, f.Top, f.Width, f.Height).intersected(screen.rect());
        if (animMaxX_ != 0 && animMaxY_ != 0)
            r = r.intersected(QRect(0, 0, animMaxX_, animMaxY_));
        if (r.isEmpty())
            return false;
        image_ = screen.copy(r).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    } else {
        if (isMetafile(data_) || tooLarge(data_))
            return false;
        try {
            TPicture picture;
            picture.LoadFromBytes(data_);
            if (picture.Graphic())
                image_ = picture.Graphic()->DrawImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        } catch (const std::exception&) {
            image_ = QImage();
        }
    }
    if (image_.isNull() || image_.width() == 0 || image_.height() == 0) {
        image_ = QImage();
        return false;
    }
    empty_ = false;
    return true;
}

bool THTMLPicture::SetData(const QByteArray& Bytes)
{
    data_ = Bytes;
    gif_ = IsGIF() ? WalkGifBlocks(data_) : TGifInfo{};
    return Rebuild() || isMetafile(data_);
}

void THTMLPicture::LoadFromBytes(const QByteArray& Bytes)
{
    const bool ok = SetData(Bytes);
    Changed();
    if (!ok)
        throw Exception(QString::fromLatin1(InvalidFormat));
}

void THTMLPicture::LoadFromStream(QIODevice* Stream)
{
    if (!Stream)
        return;
    if (!Stream->isSequential())
        Stream->seek(0);
    LoadFromBytes(Stream->readAll());
}

void THTMLPicture::ReadData(QIODevice& Stream)
{
    if (!Stream.isSequential())
        Stream.seek(0);
    if (!SetData(Stream.readAll()))
        throw Exception(QString::fromLatin1(InvalidFormat));
}

void THTMLPicture::WriteData(QIODevice& Stream) const { Stream.write(data_); }
void THTMLPicture::SaveToStream(QIODevice& Stream) const { Stream.write(data_); }
QByteArray THTMLPicture::SaveToBytes() const { return data_; }

void THTMLPicture::LoadFromFile(const String& FileName)
{
    QByteArray bytes;
    if (!readPictureFile(FileName, bytes))
        bytes.clear();
    SetData(bytes);
    Changed();
}

void THTMLPicture::LoadFromResourceName(const String& Name)
{
    // The name stays inside the one resource folder.
    if (Name.isEmpty() || Name.contains(u'/') || Name.contains(u'\\'))
        return;
    const QString prefix = QString::fromLatin1(ResourcePrefix);
    QString path = prefix + Name;
    if (!QFile::exists(path)) {
        path.clear();
        const QStringList names = QDir(prefix).entryList(QDir::Files, QDir::Name);
        for (const QString& candidate : names)
            if (SameText(candidate, Name)) {
                path = prefix + candidate;
                break;
            }
        if (path.isEmpty())
            return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    LoadFromBytes(file.readAll());
}

void THTMLPicture::LoadFromResourceID(int ResID)
{
    QFile file(QString::fromLatin1(ResourcePrefix) + QString::number(ResID));
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Resource %1 not found").arg(ResID));
    LoadFromBytes(file.readAll());
}

void THTMLPicture::LoadFromURL(const String& URL)
{
    const String upper = UpperCase(URL);
    try {
        if (upper.startsWith(u"RES://")) {
            id_ = URL;
            const String name = URL.mid(6);
            if (!name.isEmpty())
                LoadFromResourceName(name);
            return;
        }
        if (upper.startsWith(u"FILE://")) {
            id_ = URL;
            const String name = URL.mid(7);
            if (!name.isEmpty())
                LoadFromFile(name);
            return;
        }
    } catch (const std::exception&) {
        // The picture is empty; a picture that does not decode is drawn as
        // nothing.
        return;
    }
    // Nothing is fetched from the network.
    url_ = URL;
    if (!asynch_)
        id_ = URL;
}

void THTMLPicture::Assign(const TPersistent& Source)
{
    if (auto* p = dynamic_cast<const THTMLPicture*>(&Source)) {
        // A copy of its own, not shared with the source.
        const QByteArray bytes(p->data_.constData(), p->data_.size());
        frame_ = 1;
        nextCount_ = -1;
        timerCount_ = -1;
        SetData(bytes);
        Changed();
        return;
    }
    // Any other graphic is not a picture of this kind: the picture is empty.
    frame_ = 1;
    nextCount_ = -1;
    timerCount_ = -1;
    image_ = QImage();
    empty_ = true;
    frameXPos_ = frameYPos_ = frameXSize_ = frameYSize_ = 0;
    animMaxX_ = animMaxY_ = 0;
}

void THTMLPicture::Assign(const TPersistent* Source)
{
    if (Source) {
        Assign(*Source);
        return;
    }
    Assign(TPersistent());
    data_.clear();
    gif_ = TGifInfo{};
}

std::unique_ptr<TGraphic> THTMLPicture::Clone() const
{
    auto copy = std::make_unique<THTMLPicture>();
    copy->stretched_ = stretched_;
    copy->url_ = url_;
    copy->id_ = id_;
    copy->isDB_ = isDB_;
    copy->asynch_ = asynch_;
    copy->frame_ = frame_;
    copy->SetData(QByteArray(data_.constData(), data_.size()));
    return copy;
}

void THTMLPicture::Draw(TCanvas& Canvas, const TRect& R) const
{
    if (empty_ || image_.isNull())
        return;
    if (stretched_) {
        Canvas.StretchDrawImage(R, image_);
        return;
    }
    const int ppi = Canvas.PixelsPerInch();
    Canvas.StretchDrawImage(Bounds(R.Left, R.Top, MulDiv(image_.width(), ppi, 96), MulDiv(image_.height(), ppi, 96)),
                            image_);
}

QImage THTMLPicture::DrawImage() const { return image_; }

int THTMLPicture::Width() const { return empty_ ? 0 : image_.width(); }
int THTMLPicture::Height() const { return empty_ ? 0 : image_.height(); }

int THTMLPicture::MaxWidth() const
{
    if (empty_)
        return 0;
    return animMaxX_ != 0 ? int(animMaxX_) : Width();
}

int THTMLPicture::MaxHeight() const
{
    if (empty_)
        return 0;
    return animMaxY_ != 0 ? int(animMaxY_) : Height();
}

void THTMLPicture::SetFrame(int Value)
{
    frame_ = Value;
    if (data_.isEmpty())
        return;
    Rebuild();
    if (OnFrameChange)
        OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    const int count = FrameCount();
    SetFrame(frame_ >= 1 && frame_ < count ? frame_ + 1 : 1);
}

void THTMLPicture::FramePrev()
{
    const int count = FrameCount();
    if (count < 1)
        SetFrame(1);
    else
        SetFrame(frame_ > 1 && frame_ <= count ? frame_ - 1 : count);
}

int THTMLPicture::GetFrameTime(int i)
{
    if (!IsGIF() || i < 1 || i > int(gif_.Frames.size()))
        return -1;
    const TGifFrameInfo& f = gif_.Frames[size_t(i - 1)];
    frameTransp_ = f.Transparent;
    frameDisposal_ = f.Disposal;
    return f.Delay;
}

bool THTMLPicture::Step()
{
    if (FrameCount() < 2 || empty_)
        return false;
    if (nextCount_ == -1)
        nextCount_ = std::max(GetFrameTime(frame_), 0);
    bool changed = false;
    if (timerCount_ * 10 >= nextCount_) {
        FrameNext();
        nextCount_ += std::max(GetFrameTime(frame_), 0);
        changed = true;
    }
    ++timerCount_;
    return changed;
}

// ---- the URL cache ------------------------------------------------------------------------

THTMLPictureCache::THTMLPictureCache() = default;
THTMLPictureCache::~THTMLPictureCache() = default;

THTMLPicture* THTMLPictureCache::AddPicture()
{
    items_.push_back(std::make_unique<THTMLPicture>());
    return items_.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const String& ID) const
{
    for (const auto& p : items_)
        if (p->ID() == ID)
            return p.get();
    return nullptr;
}

void THTMLPictureCache::ClearPictures() { items_.clear(); }

bool THTMLPictureCache::Animate()
{
    bool changed = false;
    for (const auto& p : items_)
        if (p->Step())
            changed = true;
    return changed;
}

THTMLPicture* THTMLPictureCache::GetPicture(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return items_[size_t(Index)].get();
}

void THTMLPictureCache::SetPicture(int Index, std::unique_ptr<THTMLPicture> Value)
{
    if (Index < 0 || Index >= Count())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    items_[size_t(Index)] = std::move(Value);
}

// ---- the named pictures -----------------------------------------------------------------------

TPictureItem::TPictureItem(TCollection* Collection)
    : TCollectionItem(Collection), picture_(std::make_unique<THTMLPicture>())
{
}

TPictureItem::~TPictureItem() = default;

void TPictureItem::SetPicture(const THTMLPicture* Value) { picture_->Assign(Value); }

void TPictureItem::Assign(const TPersistent& Source)
{
    if (auto* item = dynamic_cast<const TPictureItem*>(&Source)) {
        if (item == this)
            return;
        SetPicture(item->Picture());
        name_ = item->name_;
        tag_ = item->tag_;
        return;
    }
    TCollectionItem::Assign(Source);
}

TPictureCollection::TPictureCollection(TPersistent* AOwner)
    : TCollection([](TCollection* C) -> TCollectionItem* { return new TPictureItem(C); }, AOwner)
{
}

TPictureItem* TPictureCollection::Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
TPictureItem* TPictureCollection::Insert(int Index) { return static_cast<TPictureItem*>(TCollection::Insert(Index)); }
TPictureItem* TPictureCollection::Items(int Index) const
{
    return static_cast<TPictureItem*>(TCollection::Items(Index));
}

bool TPictureCollection::Animate()
{
    bool changed = false;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Picture()->Step())
            changed = true;
    return changed;
}

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), items_(std::make_unique<TPictureCollection>(this))
{
}

TPictureContainer::~TPictureContainer() = default;

void TPictureContainer::SetItems(const TPictureCollection* Value)
{
    if (Value == items_.get())
        return;
    if (Value)
        items_->Assign(*Value);
    else
        items_->Clear();
}

THTMLPicture* TPictureContainer::FindPicture(const String& Name) const
{
    for (int i = 0; i < items_->Count(); ++i) {
        TPictureItem* item = items_->Items(i);
        if (SameText(item->Name(), Name))
            return item->Picture();
    }
    return nullptr;
}
