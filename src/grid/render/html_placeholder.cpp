// The plain text of an HTML cell text until the HTML renderer exists: the
// tags are dropped and the four entities decoded.
#include "platform/rtl/strings.h"

String HTMLToPlainText(const String& HTML)
{
    String out;
    out.reserve(HTML.size());
    bool inTag = false;
    for (QChar ch : HTML) {
        if (inTag) {
            if (ch == u'>')
                inTag = false;
        } else if (ch == u'<') {
            inTag = true;
        } else {
            out += ch;
        }
    }
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    out.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    out.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return out;
}
