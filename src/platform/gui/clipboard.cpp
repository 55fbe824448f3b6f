#include "platform/gui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QMimeData>

#include <vector>

namespace {

constexpr unsigned kFirstRegistered = 0xC000;

std::vector<String>& registeredNames()
{
    static std::vector<String> names;
    return names;
}

const char* const kHtmlMime = "text/html";
const char* const kRtfMime = "text/rtf";
const char* const kTextMime = "text/plain";

QClipboard* qtClipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

}  // namespace

unsigned RegisterClipboardFormat(const String& Name)
{
    auto& names = registeredNames();
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i].compare(Name, Qt::CaseInsensitive) == 0)
            return kFirstRegistered + unsigned(i);
    names.push_back(Name);
    return kFirstRegistered + unsigned(names.size() - 1);
}

String ClipboardFormatName(unsigned Format)
{
    const auto& names = registeredNames();
    if (Format < kFirstRegistered || Format - kFirstRegistered >= names.size())
        return String();
    return names[Format - kFirstRegistered];
}

String ClipboardFormatMime(unsigned Format)
{
    if (Format == CF_TEXT || Format == CF_UNICODETEXT)
        return QString::fromLatin1(kTextMime);
    if (Format == TClipboard::CF_HTML())
        return QString::fromLatin1(kHtmlMime);
    if (Format == TClipboard::CF_RTF())
        return QString::fromLatin1(kRtfMime);
    const String name = ClipboardFormatName(Format);
    if (name.isEmpty())
        return String();
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(name);
}

unsigned TClipboard::CF_HTML()
{
    static const unsigned f = RegisterClipboardFormat(QStringLiteral("HTML Format"));
    return f;
}

unsigned TClipboard::CF_RTF()
{
    static const unsigned f = RegisterClipboardFormat(QStringLiteral("Rich Text Format"));
    return f;
}

QMimeData& TClipboard::Pending()
{
    if (!pending_)
        pending_ = std::make_unique<QMimeData>();
    return *pending_;
}

void TClipboard::Commit()
{
    if (openCount_ > 0 || !pending_)
        return;
    if (QClipboard* cb = qtClipboard())
        cb->setMimeData(pending_.release());  // the clipboard takes it
    pending_.reset();
}

const QMimeData* TClipboard::Current() const
{
    if (pending_ && openCount_ > 0)
        return pending_.get();
    const QClipboard* cb = qtClipboard();
    return cb ? cb->mimeData() : nullptr;
}

void TClipboard::Open() { ++openCount_; }

void TClipboard::Close()
{
    if (openCount_ == 0)
        return;
    --openCount_;
    Commit();
}

void TClipboard::Clear()
{
    pending_.reset();
    if (openCount_ > 0) {
        Pending();
        return;
    }
    if (QClipboard* cb = qtClipboard())
        cb->clear();
}

bool TClipboard::HasFormat(unsigned Format) const
{
    const QMimeData* d = Current();
    if (!d)
        return false;
    if (Format == CF_TEXT || Format == CF_UNICODETEXT)
        return d->hasText();
    if (Format == CF_HTML())
        return d->hasHtml();
    const String mime = ClipboardFormatMime(Format);
    return !mime.isEmpty() && d->hasFormat(mime);
}

String TClipboard::AsText() const
{
    const QMimeData* d = Current();
    return d && d->hasText() ? d->text() : String();
}

void TClipboard::SetAsText(const String& Value)
{
    if (openCount_ == 0)
        pending_.reset();
    Pending().setText(Value);
    Commit();
}

String TClipboard::AsHtml() const
{
    const QMimeData* d = Current();
    return d && d->hasHtml() ? d->html() : String();
}

void TClipboard::SetAsHtml(const String& Html, const String& PlainText)
{
    if (openCount_ == 0)
        pending_.reset();
    Pending().setHtml(Html);
    if (!PlainText.isEmpty())
        Pending().setText(PlainText);
    Commit();
}

QByteArray TClipboard::AsRichText() const
{
    const QMimeData* d = Current();
    if (!d)
        return QByteArray();
    if (d->hasFormat(QString::fromLatin1(kRtfMime)))
        return d->data(QString::fromLatin1(kRtfMime));
    return d->data(QStringLiteral("application/rtf"));
}

void TClipboard::SetAsRichText(const QByteArray& Rtf, const String& PlainText)
{
    if (openCount_ == 0)
        pending_.reset();
    Pending().setData(QString::fromLatin1(kRtfMime), Rtf);
    Pending().setData(QStringLiteral("application/rtf"), Rtf);
    if (!PlainText.isEmpty())
        Pending().setText(PlainText);
    Commit();
}

QByteArray TClipboard::GetFormatData(unsigned Format) const
{
    const QMimeData* d = Current();
    if (!d)
        return QByteArray();
    if (Format == CF_TEXT || Format == CF_UNICODETEXT)
        return d->text().toUtf8();
    if (Format == CF_RTF())
        return AsRichText();
    const String mime = ClipboardFormatMime(Format);
    return mime.isEmpty() ? QByteArray() : d->data(mime);
}

void TClipboard::SetFormatData(unsigned Format, const QByteArray& Data)
{
    if (openCount_ == 0)
        pending_.reset();
    if (Format == CF_TEXT || Format == CF_UNICODETEXT) {
        Pending().setText(QString::fromUtf8(Data));
    } else if (Format == CF_RTF()) {
        Pending().setData(QString::fromLatin1(kRtfMime), Data);
        Pending().setData(QStringLiteral("application/rtf"), Data);
    } else {
        const String mime = ClipboardFormatMime(Format);
        if (!mime.isEmpty())
            Pending().setData(mime, Data);
    }
    Commit();
}

TClipboard& Clipboard()
{
    static TClipboard* clipboard = new TClipboard();
    return *clipboard;
}
