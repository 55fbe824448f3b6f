// The rich-text reader on any text: it reads every text whole, its runs
// turn into formatted text, and a text without control characters is its
// own plain text (line ends of the source dropped).
#include "fuzz_support.h"
#include "grid/render/html/html_text.h"
#include "grid/render/rtf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString text = fuzz::Utf8(Data, Size);
    const TRTFDocument doc = ParseRTF(text);
    TFont font;
    (void)HTMLToPlainText(RTFToHTML(doc, font));
    if (!text.contains(u'\\') && !text.contains(u'{') && !text.contains(u'}')) {
        QString plain = text;
        plain.remove(u'\r');
        plain.remove(u'\n');
        if (doc.PlainText != plain)
            __builtin_trap();
    }
    return 0;
}
