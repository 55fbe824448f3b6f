// The XML DOM on any text: reading, walking, the text of every element,
// saving, and reading the saved text back.
#include <cstdlib>

#include "fuzz_support.h"
#include "platform/rtl/codec.h"
#include "platform/rtl/exceptions.h"
#include "platform/xml/xml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    XmlDocument doc;
    String error;
    if (!doc.LoadFromString(DecodeText(fuzz::Bytes(Data, Size)), &error))
        return 0;
    // Every node, without recursion: down, along, back up; the text of the
    // root (all of it) and of every text node.
    size_t texts = size_t(doc.DocumentElement().Text().size());
    XmlNode n = doc.FirstNode();
    while (n) {
        texts += size_t(n.IsElement() ? n.AttributeNames().size() : n.Text().size());
        XmlNode next = n.FirstChild();
        while (!next && n) {
            next = n.NextSibling();
            if (!next)
                n = n.Parent();
        }
        n = next;
    }
    (void)texts;
    String saved;
    try {
        saved = doc.SaveToString();
    } catch (const EConvertError&) {
        return 0;
    }
    XmlDocument again;
    if (!again.LoadFromString(saved, &error) || again.SaveToString() != saved)
        std::abort();  // what was saved must read back as the same document
    return 0;
}
