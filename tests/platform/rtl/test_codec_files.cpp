#include <gtest/gtest.h>

#include <QFile>

#include "platform/rtl/rtl.h"
#include "support/temp_dir.h"

namespace {

TEST(Codec, DecodeFollowsTheMarkOrTheBytes)
{
    const QString pilcrowA = QString(QChar(0x00B6)) + "A";
    struct {
        QByteArray bytes;
        QString text;
        TextEncoding enc;
    } cases[] = {
        {QByteArray("\xEF\xBB\xBF\xC2\xB6" "A"), pilcrowA, TextEncoding::Utf8Bom},
        {QByteArray("\xFF\xFE\xB6\x00\x41\x00", 6), pilcrowA, TextEncoding::Utf16LE},
        {QByteArray("\xFE\xFF\x00\xB6\x00\x41", 6), pilcrowA, TextEncoding::Utf16BE},
        {QByteArray("\xB6" "A"), pilcrowA, TextEncoding::Windows1252},           // not valid UTF-8
        {QByteArray("\xC2\xB6" "A"), pilcrowA, TextEncoding::Utf8},              // valid UTF-8, no mark
        {QByteArray("\x80\x9F"), QString(QChar(0x20AC)) + QChar(0x0178), TextEncoding::Windows1252},
        {QByteArray("\xC0\xB6"), QString(QChar(0x00C0)) + QChar(0x00B6), TextEncoding::Windows1252},  // overlong
        {QByteArray("plain"), "plain", TextEncoding::Utf8},
        {QByteArray(), "", TextEncoding::Utf8},
    };
    for (const auto& c : cases) {
        TextEncoding enc;
        EXPECT_EQ(DecodeText(c.bytes, &enc), c.text) << c.bytes.toHex().toStdString();
        EXPECT_EQ(enc, c.enc) << c.bytes.toHex().toStdString();
    }
}

TEST(Codec, Windows1252RoundTripsEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    bool lossless = false;
    EXPECT_EQ(StringToWindows1252(Windows1252ToString(all), &lossless), all);
    EXPECT_TRUE(lossless);
    StringToWindows1252(QString(QChar(0x4E2D)), &lossless);
    EXPECT_FALSE(lossless);
}

TEST(Files, AtomicWriteReplacesWholeOrNothing)
{
    TempDir dir;
    const QString path = dir.file("data.bin");
    WriteFileAtomic(path, "first");
    WriteFileAtomic(path, "second");
    EXPECT_EQ(ReadFileBytes(path), "second");
    // A directory in the way of the target: the write fails and leaves no
    // temporary file behind.
    const QString blocked = dir.file("sub");
    QDir().mkpath(blocked + "/x");
    EXPECT_THROW(WriteFileAtomic(blocked, "data"), EFileError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"data.bin"});
    EXPECT_THROW(WriteFileAtomic("", "data"), EFileError);
    EXPECT_THROW(ReadFileBytes(dir.file("missing")), EFileError);
}

}  // namespace
