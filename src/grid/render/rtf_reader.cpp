#include "grid/render/rtf_reader.h"

#include <QByteArray>

#include <algorithm>
#include <cctype>
#include <vector>

#include "grid/render/html/html_text.h"
#include "platform/rtl/codec.h"

namespace {

struct TState {
    TRTFRun Look;
    int FontIndex = -1;
    int SkipAfterUnicode = 1;  // \ucN
    bool Skip = false;         // inside a destination that is not read
    TRTFAlign Align = TRTFAlign::Left;
};

class TReader {
public:
    explicit TReader(const String& Text) : s_(Text) {}

    TRTFDocument Read()
    {
        doc_.Paragraphs.emplace_back();
        stack_.push_back(TState{});
        const qsizetype n = s_.size();
        while (i_ < n) {
            const QChar c = s_.at(i_);
            if (c == u'{') {
                ++i_;
                stack_.push_back(stack_.back());
                groupStart_ = true;
                continue;
            }
            if (c == u'}') {
                ++i_;
                LeaveGroup();
                continue;
            }
            if (c == u'\\') {
                ControlWord();
                groupStart_ = false;
                continue;
            }
            groupStart_ = false;
            ++i_;
            if (c == u'\r' || c == u'\n')
                continue;  // line ends of the source are not text
            Emit(String(c));
        }
        Flush();
        // A trailing empty paragraph (after the last \par) is not a line.
        if (doc_.Paragraphs.size() > 1 && doc_.Paragraphs.back().Runs.empty())
            doc_.Paragraphs.pop_back();
        for (size_t p = 0; p < doc_.Paragraphs.size(); ++p) {
            if (p > 0)
                doc_.PlainText += QStringLiteral("\r\n");
            for (const TRTFRun& r : doc_.Paragraphs[p].Runs)
                doc_.PlainText += r.Text == QStringLiteral("\n") ? QStringLiteral("\r\n") : r.Text;
        }
        return std::move(doc_);
    }

private:
    TState& St() { return stack_.back(); }

    void LeaveGroup()
    {
        Flush();
        if (stack_.size() > 1)
            stack_.pop_back();
        // The font table: one name per entry, ";" ends it.
        if (inFontTable_ && stack_.size() < fontTableDepth_)
            inFontTable_ = false;
        if (inColorTable_ && stack_.size() < colorTableDepth_)
            inColorTable_ = false;
    }

    // Reads one control word or symbol at i_ (on the backslash).
    void ControlWord()
    {
        const qsizetype n = s_.size();
        ++i_;
        if (i_ >= n)
            return;
        const QChar c = s_.at(i_);
        if (!c.isLetter()) {
            ++i_;
            Symbol(c);
            return;
        }
        const qsizetype start = i_;
        while (i_ < n && s_.at(i_).isLetter() && s_.at(i_).unicode() < 128)
            ++i_;
        const String word = s_.mid(start, i_ - start);
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (i_ < n && s_.at(i_) == u'-') {
            negative = true;
            ++i_;
        }
        while (i_ < n && s_.at(i_).isDigit() && s_.at(i_).unicode() < 128) {
            hasParam = true;
            if (param < 100000000)
                param = param * 10 + (s_.at(i_).unicode() - u'0');
            ++i_;
        }
        if (negative)
            param = -param;
        if (i_ < n && s_.at(i_) == u' ')
            ++i_;  // the delimiter belongs to the word
        Word(word, hasParam, int(param));
    }

    void Symbol(QChar C)
    {
        switch (C.unicode()) {
        case u'\\':
        case u'{':
        case u'}': Emit(String(C)); break;
        case u'~': Emit(String(QChar(0xA0))); break;
        case u'_': Emit(String(QChar(0x2011))); break;
        case u'*':
            St().Skip = true;
            break;
        case u'\'': {
            // Two hex digits: one Windows-1252 character.
            bool ok = false;
            const String hex = s_.mid(i_, 2);
            const int v = hex.toInt(&ok, 16);
            auto isHex = [](QChar c) { return c.unicode() < 128 && std::isxdigit(c.unicode()); };
            if (ok && hex.size() == 2 && isHex(hex[0]) && isHex(hex[1])) {
                i_ += 2;
                if (pendingSkip_ > 0) {
                    --pendingSkip_;
                    break;
                }
                Emit(Windows1252ToString(QByteArray(1, char(v))));
            }
            break;
        }
        case u'\r':
        case u'\n': Paragraph(); break;  // "\" at a line end is \par
        default: break;  // \- (optional hyphen), \| ... give nothing
        }
    }

    void Word(const String& W, bool HasParam, int Param)
    {
        const std::string w = W.toStdString();
        TState& st = St();
        auto on = [&] { return !HasParam || Param != 0; };
        // Destinations whose text is not shown.
        if (w == "fonttbl") {
            inFontTable_ = true;
            fontTableDepth_ = stack_.size();
            return;
        }
        if (w == "colortbl") {
            inColorTable_ = true;
            colorTableDepth_ = stack_.size();
            colorTable_.clear();
            nextColor_ = 0;
            st.Skip = true;
            return;
        }
        if (w == "pict" || w == "stylesheet" || w == "info" || w == "header" || w == "footer" ||
            w == "object" || w == "themedata" || w == "listtable" || w == "listoverridetable" ||
            w == "generator" || w == "xmlnstbl" || w == "latentstyles" || w == "rsidtbl" || w == "mmathPr") {
            st.Skip = true;
            return;
        }
        if (inColorTable_ && stack_.size() >= colorTableDepth_) {
            colorSeen_ = true;
            if (w == "red")
                nextColor_ = (nextColor_ & ~0xFF) | (Param & 0xFF);
            else if (w == "green")
                nextColor_ = (nextColor_ & ~0xFF00) | ((Param & 0xFF) << 8);
            else if (w == "blue")
                nextColor_ = (nextColor_ & ~0xFF0000) | ((Param & 0xFF) << 16);
            return;
        }
        if (w == "par") {
            Paragraph();
        } else if (w == "line") {
            Flush();
            if (!St().Skip)
                doc_.Paragraphs.back().Runs.push_back(LineBreak());
        } else if (w == "tab") {
            Emit(QStringLiteral("\t"));
        } else if (w == "u" && HasParam) {
            int code = Param < 0 ? Param + 65536 : Param;
            Emit(String(QChar(char16_t(code))));
            pendingSkip_ = st.SkipAfterUnicode;
            return;
        } else if (w == "uc") {
            st.SkipAfterUnicode = std::max(0, Param);
        } else if (w == "plain") {
            Flush();
            st.Look = TRTFRun{};
            st.FontIndex = -1;
        } else if (w == "pard") {
            st.Align = TRTFAlign::Left;
            doc_.Paragraphs.back().Align = TRTFAlign::Left;
        } else if (w == "ql" || w == "qc" || w == "qr") {
            st.Align = w == "qc" ? TRTFAlign::Center : w == "qr" ? TRTFAlign::Right : TRTFAlign::Left;
            doc_.Paragraphs.back().Align = st.Align;
        } else if (w == "b") {
            Flush();
            st.Look.Bold = on();
        } else if (w == "i") {
            Flush();
            st.Look.Italic = on();
        } else if (w == "ul") {
            Flush();
            st.Look.Underline = on();
        } else if (w == "ulnone") {
            Flush();
            st.Look.Underline = false;
        } else if (w == "strike") {
            Flush();
            st.Look.StrikeOut = on();
        } else if (w == "fs" && HasParam) {
            Flush();
            st.Look.HalfPoints = std::clamp(Param, 0, 800);
        } else if (w == "f" && HasParam) {
            if (inFontTable_) {
                currentFont_ = Param;
                return;
            }
            Flush();
            st.FontIndex = Param;
            st.Look.FontName = FontName(Param);
        } else if (w == "cf" && HasParam) {
            Flush();
            st.Look.Color = ColorAt(Param);
        } else if (w == "highlight" || w == "cb") {
            Flush();
            st.Look.Highlight = HasParam ? ColorAt(Param) : clNone;
        }
        // \rtf1, \ansi, \ansicpg1252, \deff and every other word: nothing.
    }

    TRTFRun LineBreak() const
    {
        TRTFRun r = stack_.back().Look;
        r.Text = QStringLiteral("\n");
        return r;
    }

    TColor ColorAt(int Index) const
    {
        // Entry 0 (and any entry missing) is the default colour.
        if (Index <= 0 || Index >= int(colorTable_.size()))
            return clNone;
        return colorTable_[size_t(Index)];
    }

    String FontName(int Index) const
    {
        for (const auto& f : fonts_)
            if (f.first == Index)
                return f.second;
        return String();
    }

    void Emit(const String& Text)
    {
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        if (inColorTable_ && stack_.size() >= colorTableDepth_) {
            if (Text == QStringLiteral(";")) {
                colorTable_.push_back(colorSeen_ ? TColor(nextColor_) : clNone);
                nextColor_ = 0;
                colorSeen_ = false;
            }
            return;
        }
        if (inFontTable_) {
            // Every font name ends with ";".
            if (Text == QStringLiteral(";")) {
                fonts_.emplace_back(currentFont_, fontName_.trimmed());
                fontName_.clear();
            } else if (!St().Skip) {
                fontName_ += Text;
            }
            return;
        }
        if (St().Skip)
            return;
        if (pending_.Text.isEmpty() || !SameLook(pending_, St().Look)) {
            Flush();
            pending_ = St().Look;
        }
        pending_.Text += Text;
    }

    static bool SameLook(const TRTFRun& A, const TRTFRun& B)
    {
        TRTFRun a = A, b = B;
        a.Text.clear();
        b.Text.clear();
        return a == b;
    }

    void Flush()
    {
        if (!pending_.Text.isEmpty())
            doc_.Paragraphs.back().Runs.push_back(pending_);
        pending_ = TRTFRun{};
    }

    void Paragraph()
    {
        Flush();
        if (St().Skip || inFontTable_)
            return;
        doc_.Paragraphs.emplace_back();
        doc_.Paragraphs.back().Align = St().Align;
    }

    const String& s_;
    qsizetype i_ = 0;
    std::vector<TState> stack_;
    TRTFDocument doc_;
    TRTFRun pending_;
    int pendingSkip_ = 0;
    bool groupStart_ = false;
    bool inFontTable_ = false;
    size_t fontTableDepth_ = 0;
    int currentFont_ = 0;
    String fontName_;
    std::vector<std::pair<int, String>> fonts_;
    bool inColorTable_ = false;
    size_t colorTableDepth_ = 0;
    std::vector<TColor> colorTable_;
    int nextColor_ = 0;
    bool colorSeen_ = false;
};

String HexColor(TColor C)
{
    const unsigned v = unsigned(C);
    return QStringLiteral("#%1%2%3")
        .arg(v & 0xFF, 2, 16, QChar(u'0'))
        .arg((v >> 8) & 0xFF, 2, 16, QChar(u'0'))
        .arg((v >> 16) & 0xFF, 2, 16, QChar(u'0'))
        .toUpper();
}

}  // namespace

TRTFDocument ParseRTF(const String& Rtf) { return TReader(Rtf).Read(); }

String RTFToPlainText(const String& Rtf) { return ParseRTF(Rtf).PlainText; }

String RTFToHTML(const TRTFDocument& Doc, const TFont&)
{
    String html;
    for (const TRTFParagraph& p : Doc.Paragraphs) {
        html += p.Align == TRTFAlign::Center  ? QStringLiteral("<P ALIGN=\"CENTER\">")
                : p.Align == TRTFAlign::Right ? QStringLiteral("<P ALIGN=\"RIGHT\">")
                                              : QStringLiteral("<P ALIGN=\"LEFT\">");
        for (const TRTFRun& r : p.Runs) {
            if (r.Text == QStringLiteral("\n")) {
                html += QStringLiteral("<BR>");
                continue;
            }
            String open, close;
            String font;
            if (!r.FontName.isEmpty())
                font += QStringLiteral(" FACE=\"%1\"").arg(HTMLEncodeText(r.FontName, false));
            if (r.HalfPoints > 0)
                font += QStringLiteral(" SIZE=\"%1\"").arg(std::max(6, (r.HalfPoints + 1) / 2));
            if (r.Color != clNone)
                font += QStringLiteral(" COLOR=\"%1\"").arg(HexColor(r.Color));
            if (r.Highlight != clNone)
                font += QStringLiteral(" BGCOLOR=\"%1\"").arg(HexColor(r.Highlight));
            if (!font.isEmpty()) {
                open += QStringLiteral("<FONT") + font + QStringLiteral(">");
                close.prepend(QStringLiteral("</FONT>"));
            }
            auto tag = [&](bool On, const char* T) {
                if (On) {
                    open += QStringLiteral("<%1>").arg(QLatin1String(T));
                    close.prepend(QStringLiteral("</%1>").arg(QLatin1String(T)));
                }
            };
            tag(r.Bold, "B");
            tag(r.Italic, "I");
            tag(r.Underline, "U");
            tag(r.StrikeOut, "S");
            String text = r.Text;
            text.replace(u'\t', QStringLiteral("    "));
            html += open + HTMLEncodeText(text, true) + close;
        }
        html += QStringLiteral("</P>");
    }
    return html;
}
