#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QObject>
#include <QUrl>

#include "platform/os/recording_shell_opener.h"
#include "platform/os/shell.h"
#include "support/temp_dir.h"

// Receives what QDesktopServices would hand to the desktop.
class UrlSink : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

namespace {

// Sends http, https and file URLs to a sink for the life of the object.
class UrlHandlers {
public:
    explicit UrlHandlers(UrlSink* Sink)
    {
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(scheme, Sink, "open");
    }
    ~UrlHandlers()
    {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    UrlHandlers(const UrlHandlers&) = delete;
    UrlHandlers& operator=(const UrlHandlers&) = delete;

private:
    static constexpr const char* kSchemes[] = {"http", "https", "file"};
};

// Makes Dir the current directory for the life of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const String& Dir) : old_(QDir::currentPath()) { EXPECT_TRUE(QDir::setCurrent(Dir)); }
    ~CurrentDirectory() { QDir::setCurrent(old_); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    String old_;
};

TEST(ShellOpen, GoesThroughTheInstalledOpener)
{
    auto owned = std::make_unique<Recording_Shell_Opener>(false);
    Recording_Shell_Opener* recorder = owned.get();
    Set_Shell_Opener(std::move(owned));
    EXPECT_EQ(&Shell(), recorder);

    EXPECT_FALSE(Shell_Open("https://example.com/a"));
    recorder->result = true;
    EXPECT_TRUE(Shell_Open("/tmp/manual.pdf"));
    EXPECT_EQ(recorder->targets, QStringList({"https://example.com/a", "/tmp/manual.pdf"}));

    Set_Shell_Opener(nullptr);  // back to the desktop
    EXPECT_NE(dynamic_cast<Desktop_Shell_Opener*>(&Shell()), nullptr);
}

// The default opener turns each kind of target into the right URL; URL
// handlers catch them before anything is launched.
TEST(ShellOpen, DesktopOpenerPassesUrlsAndFiles)
{
    TempDir dir;
    dir.write("manual.pdf", "x");
    UrlSink sink;
    {
        // Both are undone however the block is left.
        const UrlHandlers handlers(&sink);
        const CurrentDirectory cwd(dir.path());

        Desktop_Shell_Opener opener;
        EXPECT_TRUE(opener.Open("https://example.com/page?x=1"));
        EXPECT_TRUE(opener.Open("www.example.com"));
        EXPECT_TRUE(opener.Open(dir.file("a b.pdf")));
        EXPECT_TRUE(opener.Open("manual.pdf"));  // relative to the current directory
        EXPECT_FALSE(opener.Open(""));
    }
    EXPECT_NE(QDir::currentPath(), dir.path());

    ASSERT_EQ(sink.urls.size(), 4);
    EXPECT_EQ(sink.urls[0], QUrl("https://example.com/page?x=1"));
    EXPECT_EQ(sink.urls[1].host(), "www.example.com");
    EXPECT_TRUE(sink.urls[2].isLocalFile());
    EXPECT_EQ(sink.urls[2].toLocalFile(), dir.file("a b.pdf"));
    EXPECT_EQ(sink.urls[3].toLocalFile(), dir.file("manual.pdf"));
}

}  // namespace

#include "test_shell.moc"
