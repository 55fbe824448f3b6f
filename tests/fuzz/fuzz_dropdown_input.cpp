// The drop-down's typed input: the first byte picks the edit type, precision,
// sign, prefix and suffix, the decimal separator and the length limits; the
// rest is typed character by character (with keys for a few control bytes)
// and then pasted whole. Nothing may raise; the caret stays in the text.
#include <cstdlib>

#include "controls/dropdown/DropDownEditModel.h"
#include "fuzz_support.h"
#include "platform/rtl/datetime.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size == 0)
        return 0;
    const uint8_t set = Data[0];
    FormatSettings().DecimalSeparator = (set & 0x80) ? u',' : u'.';
    SetGridThousandSeparator(QChar());
    TDropDownEditModel m;
    m.EditType = TDropDownEditType(set % 12);
    m.Precision = int((set >> 4) & 3) - 1;
    m.Signed = set & 0x40;
    if (set & 0x20) {
        m.Prefix = "$";
        m.Suffix = " u";
    }
    m.LengthLimit = (set & 0x08) ? 4 : 0;
    m.MaxLength = (set & 0x04) ? 12 : 0;
    m.ValidChars = "0a-";
    m.SetText(QString());
    const QString text = fuzz::Utf8(Data + 1, Size - 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case 1: m.KeyDown(VK_HOME, {ssShift}); break;
        case 2: m.KeyDown(VK_END); break;
        case 3: m.KeyDown(VK_LEFT); break;
        case 4: m.KeyDown(VK_RIGHT, {ssShift}); break;
        case 5: m.KeyDown(VK_DELETE); break;
        case 6: m.SelectAll(); break;
        case 7: m.MouseUp(); break;
        default: m.TypeChar(c, i % 3 == 0, i % 7 == 0); break;
        }
        if (m.Caret < 0 || m.Caret > m.EditText.size() || m.Anchor < 0 || m.Anchor > m.EditText.size())
            std::abort();
    }
    m.SelectAll();
    m.Paste(text);
    m.KillFocus();
    (void)m.GetFloatValue();
    (void)TDropDownEditModel::ClassifyNumberText(text);
    FormatSettings().DecimalSeparator = u'.';
    return 0;
}
