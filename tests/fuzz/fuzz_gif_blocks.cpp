// The GIF block walk of the picture store on any bytes, as they are and
// behind a valid header, and the picture decoded frame by frame from them.
#include <algorithm>

#include "fuzz_support.h"
#include "grid/render/html/html_picture.h"
#include "platform/rtl/exceptions.h"

namespace {

void checkWalk(const QByteArray& Bytes)
{
    const TGifInfo info = WalkGifBlocks(Bytes);
    if (!info.IsGif && !info.Frames.empty())
        __builtin_trap();
    // A frame takes at least 12 bytes (descriptor 10, code size, terminator)
    // after the 13 of header and screen.
    if (!info.Frames.empty() && size_t(Bytes.size()) < 13 + 12 * info.Frames.size())
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray bytes = fuzz::Bytes(Data, Size);
    checkWalk(bytes);
    const QByteArray gif = QByteArray("GIF89a\x08\x00\x06\x00\x00\x00\x00", 13) + bytes;
    checkWalk(gif);

    THTMLPicture picture;
    try {
        picture.LoadFromBytes(gif);
    } catch (const Exception&) {
    }
    const int frames = picture.FrameCount();
    if (frames < 0 || frames != int(WalkGifBlocks(gif).Frames.size()))
        __builtin_trap();
    for (int k = 1; k <= std::min(frames, 3); ++k) {
        picture.SetFrame(k);
        if (picture.Empty() != (picture.Width() == 0) || picture.Width() > picture.MaxWidth())
            __builtin_trap();
        (void)picture.GetFrameTime(k);
        (void)picture.Step();
    }
    return 0;
}
