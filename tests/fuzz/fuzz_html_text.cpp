// The text routines of formatted text on any text: entity coding round trips,
// plain text, highlighting, and the CONTROL tags (a value set is the value
// read back).
#include "fuzz_support.h"
#include "grid/render/html/html_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString text = fuzz::Utf8(Data, Size);
    for (bool entities : {false, true})
        if (HTMLDecodeText(HTMLEncodeText(text, entities), entities) != text)
            __builtin_trap();
    (void)HTMLToPlainText(text);
    (void)HTMLDecodeText(text, true);
    (void)html_detail::DecodeRunEntities(text);
    (void)html_detail::RemoveHashTags(text);
    const QString search = text.left(2);
    (void)HTMLUnhighlightText(HTMLHighlightText(text, search, "HI", false), "HI");
    String form = QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"x\" WIDTH=\"10\">") + text;
    if (!HTMLSetControlValue(form, "e", text))
        __builtin_trap();
    String value;
    if (!HTMLGetControlValue(form, "e", value) || value != text)
        __builtin_trap();
    (void)HTMLNextEditControlID(text, QString());
    (void)HTMLUncheckRadios(text);
    (void)HTMLGetControlMaxLen(text, "e");
    return 0;
}
