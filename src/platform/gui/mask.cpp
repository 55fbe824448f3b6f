#include "platform/gui/mask.h"

#include "platform/gui/qt_widgets.h"

namespace {

// The fields of a mask: "pattern;save literals;blank", split at the
// semicolons that are not escaped.
QStringList MaskFields(const String& Mask)
{
    QStringList fields;
    String cur;
    for (int i = 0; i < Mask.size(); ++i) {
        const QChar ch = Mask[i];
        if (ch == u'\\' && i + 1 < Mask.size()) {
            cur += ch;
            cur += Mask[++i];
        } else if (ch == u';') {
            fields.append(cur);
            cur.clear();
        } else {
            cur += ch;
        }
    }
    fields.append(cur);
    return fields;
}

// The platform's mask characters as Qt's input mask characters; case
// switches take no position; every other character is a literal.
String TranslatePattern(const String& Pattern, QChar Blank, std::vector<bool>& IsLiteral)
{
    static const QString qtMeta = QStringLiteral("AaNnXx90Dd#HhBb<>!{}[];\\");
    String out;
    IsLiteral.clear();
    auto literal = [&](QChar Ch) {
        if (qtMeta.contains(Ch))
            out += u'\\';
        out += Ch;
        IsLiteral.push_back(true);
    };
    auto slot = [&](char16_t QtCh) {
        out += QChar(QtCh);
        IsLiteral.push_back(false);
    };
    for (int i = 0; i < Pattern.size(); ++i) {
        const QChar ch = Pattern[i];
        switch (ch.unicode()) {
        case u'\\':
            if (i + 1 < Pattern.size())
                literal(Pattern[++i]);
            break;
        case u'<':
            if (i + 1 < Pattern.size() && Pattern[i + 1] == u'>') {
                out += u'!';
                ++i;
            } else {
                out += u'<';
            }
            break;
        case u'>': out += u'>'; break;
        case u'!': break;
        case u'0': slot(u'9'); break;
        case u'9': slot(u'0'); break;
        case u'#': slot(u'#'); break;
        case u'L': slot(u'A'); break;
        case u'l': slot(u'a'); break;
        case u'A': slot(u'N'); break;
        case u'a': slot(u'n'); break;
        case u'C': slot(u'X'); break;
        case u'c': slot(u'x'); break;
        default: literal(ch); break;
        }
    }
    out += u';';
    out += Blank;
    return out;
}

}  // namespace

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

TCustomMaskEdit::~TCustomMaskEdit() = default;

void TCustomMaskEdit::SetEditMask(const String& Value)
{
    if (Value == editMask_)
        return;
    editMask_ = Value;
    if (Value.isEmpty()) {
        isLiteral_.clear();
        saveLiterals_ = true;
        Editor()->setInputMask(QString());
        return;
    }
    const QStringList fields = MaskFields(Value);
    saveLiterals_ = fields.size() < 2 || fields[1] != QStringLiteral("0");
    blank_ = fields.size() > 2 && !fields[2].isEmpty() ? fields[2][0] : QChar(u'_');
    Editor()->setInputMask(TranslatePattern(fields[0], blank_, isLiteral_));
}

String TCustomMaskEdit::EditValue() const
{
    if (!IsMasked())
        return Text();
    const QString shown = Editor()->displayText();
    String out;
    for (int i = 0; i < shown.size(); ++i) {
        const bool literal = size_t(i) < isLiteral_.size() && isLiteral_[size_t(i)];
        if (literal && !saveLiterals_)
            continue;
        out += !literal && shown[i] == blank_ ? QChar(u' ') : shown[i];
    }
    return out;
}

