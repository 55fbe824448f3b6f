#pragma once
// The clipboard, through QClipboard: plain text, HTML, rich text (RTF) and
// the program's private formats, by format number as on the platform.
//
// Setting one format replaces what the clipboard held, unless the clipboard
// is open (Open .. Close): then every format set meanwhile goes onto the
// clipboard together, when the outermost Close comes. A private format is
// registered by name (RegisterClipboardFormat) and travels as the MIME type
// application/x-qt-windows-mime;value="<name>", which Qt maps to the
// registered format of that name on Windows; other programs see the text
// and HTML forms as text/plain and text/html.
#include <QByteArray>

#include <memory>

#include "platform/rtl/strings.h"

class QMimeData;

constexpr unsigned CF_TEXT = 1;
constexpr unsigned CF_BITMAP = 2;
constexpr unsigned CF_UNICODETEXT = 13;

// A number (0xC000 and above) for a format name; the same name
// (case-insensitive) always gives the same number. "HTML Format" and
// "Rich Text Format" are the HTML and RTF formats of this class.
unsigned RegisterClipboardFormat(const String& Name);
// The name of a registered format (empty when none).
String ClipboardFormatName(unsigned Format);
// The MIME type a format travels as.
String ClipboardFormatMime(unsigned Format);

class TClipboard {
public:
    // The HTML and rich text formats.
    static unsigned CF_HTML();
    static unsigned CF_RTF();

    void Open();
    void Close();
    bool IsOpen() const { return openCount_ > 0; }
    // Empties the clipboard.
    void Clear();

    bool HasFormat(unsigned Format) const;
    String AsText() const;
    void SetAsText(const String& Value);
    // HTML (text/html); PlainText, when given, goes along as the text form.
    String AsHtml() const;
    void SetAsHtml(const String& Html, const String& PlainText = String());
    // Rich text (text/rtf).
    QByteArray AsRichText() const;
    void SetAsRichText(const QByteArray& Rtf, const String& PlainText = String());
    // Any format by number (CF_UNICODETEXT/CF_TEXT as UTF-8 text).
    QByteArray GetFormatData(unsigned Format) const;
    void SetFormatData(unsigned Format, const QByteArray& Data);

private:
    // The data being built while open (or for one Set* call).
    QMimeData& Pending();
    void Commit();
    const QMimeData* Current() const;

    int openCount_ = 0;
    std::unique_ptr<QMimeData> pending_;
};

// The program's clipboard.
TClipboard& Clipboard();
