#include "platform/grids/inplace_edit.h"

#include "platform/grids/grids.h"
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

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomEdit(AOwner)
{
    SetVisible(false);
    SetTabStop(false);
    SetBorderStyle(bsNone);
    SetAutoSelect(false);
    Editor()->setTextMargins(2, 0, 2, 0);
}

TInplaceEdit::~TInplaceEdit() = default;

void TInplaceEdit::SetEditMask(const String& Value)
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

String TInplaceEdit::EditValue() const
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

void TInplaceEdit::Move(const TRect& Loc)
{
    SetBoundsRect(Loc);
    if (!Visible())
        Show();
    BoundsChanged();
}

void TInplaceEdit::Deselect() { Editor()->end(false); }

void TInplaceEdit::UpdateContents()
{
    TCustomGrid* g = Grid();
    if (!g)
        return;
    TWeakRef<TInplaceEdit> self(this);
    loading_ = true;
    struct Done {
        TWeakRef<TInplaceEdit> e;
        ~Done()
        {
            if (TInplaceEdit* p = e.Get())
                p->loading_ = false;
        }
    } done{self};
    const int col = g->Col(), row = g->Row();
    const String mask = g->GetEditMask(col, row);
    const String text = g->GetEditText(col, row);
    const int limit = g->GetEditLimit();
    if (!self)
        return;
    SetEditMask(mask);
    SetText(text);
    SetMaxLength(limit);
    SetReadOnly(!g->CanEditModify());
    original_ = text;
}

void TInplaceEdit::RestoreOriginal()
{
    loading_ = true;
    SetText(original_);
    loading_ = false;
    SelectAll();
}

void TInplaceEdit::Change()
{
    TWeakRef<TInplaceEdit> self(this);
    TCustomEdit::Change();
    if (self && !loading_)
        if (TCustomGrid* g = Grid())
            g->UpdateText();
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift)
{
    TWeakRef<TInplaceEdit> self(this);
    if (TCustomGrid* g = Grid()) {
        const bool plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
        const bool forward = plain && g->Options().Contains(goAlwaysShowEditor) && SelLength() == 0;
        const int caret = Editor()->cursorPosition();
        bool send = false;
        switch (Key) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_ESCAPE: send = true; break;
        case VK_TAB: send = !Shift.Contains(ssAlt); break;
        case VK_LEFT:
        case VK_HOME: send = forward && caret == 0; break;
        case VK_RIGHT:
        case VK_END: send = forward && caret >= int(Editor()->displayText().size()); break;
        default: break;
        }
        if (send) {
            g->KeyDown(Key, Shift);
            Key = 0;
            return;
        }
    }
    if (self && Key != 0)
        TCustomEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(QChar& Key)
{
    TWeakRef<TInplaceEdit> self(this);
    if (TCustomGrid* g = Grid()) {
        g->KeyPress(Key);
        if (!self)
            return;
        const char16_t ch = Key.unicode();
        if (ch >= 32 && !g->CanEditAcceptKey(Key))
            Key = QChar();
        switch (Key.unicode()) {
        case 9:
        case 13:
        case 27: Key = QChar(); break;
        case 0: break;
        default:
            if ((ch == 8 || ch == 22 || ch == 24 || ch >= 32) && !g->CanEditModify())
                Key = QChar();
            break;
        }
    }
    if (self && !Key.isNull())
        TCustomEdit::KeyPress(Key);
}

void TInplaceEdit::DblClick()
{
    if (TCustomGrid* g = Grid())
        g->DblClick();
    else
        TCustomEdit::DblClick();
}

void TInplaceEdit::WMGetDlgCode(TMessage& Message)
{
    TCustomEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
    if (TCustomGrid* g = Grid(); g && g->Options().Contains(goTabs))
        Message.Result |= DLGC_WANTTAB;
}
