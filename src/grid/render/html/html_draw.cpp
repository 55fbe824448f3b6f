// The formatted-text renderer: per line a measuring pass (what fits, how wide
// and high) and a drawing pass over what the first one took (aligned,
// painted), both through DrawHTMLLine.
#include "grid/render/html/html_draw.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "grid/render/html/html_icons.h"
#include "grid/render/html/html_picture.h"
#include "grid/render/html/html_text.h"
#include "platform/gui/bitmap.h"
#include "platform/rtl/strings.h"

using namespace html_detail;

namespace {

constexpr int BulletStep = 12;
constexpr TColor ErrorWaveColor = 0x0000FF;
constexpr TColor EditFaceColor = clWhite;

// The text after NAME in an upper-cased tag: the value between the first two
// double quotes after it, or empty.
String quotedAfter(const String& Tag, qsizetype From)
{
    const qsizetype q1 = Tag.indexOf(u'"', From);
    if (q1 < 0)
        return {};
    const qsizetype q2 = Tag.indexOf(u'"', q1 + 1);
    if (q2 < 0)
        return {};
    return Tag.mid(q1 + 1, q2 - q1 - 1);
}

// Attribute Name ("HREF") of a tag: searched in the upper-cased text (first
// occurrence), the value taken from Source (the same text, upper-cased or
// not); Found tells whether the name occurs.
String attribute(const String& Upper, const String& Source, const char* Name, bool* Found = nullptr)
{
    const qsizetype at = Upper.indexOf(QLatin1String(Name));
    if (Found)
        *Found = at >= 0;
    if (at < 0)
        return {};
    return quotedAfter(Source, at + qsizetype(qstrlen(Name)));
}

TColor colorValue(const String& Value, bool Body)
{
    if (Body) {
        const qsizetype hash = Value.indexOf(u'#');
        if (hash >= 0)
            return HTMLColorByHex(Value.mid(hash));
        if (Value.contains(QLatin1String("CL")))
            return HTMLColorByName(Value.toLower());
        return clNone;
    }
    if (Value.startsWith(u'#'))
        return HTMLColorByHex(Value);
    return HTMLColorByName(Value.toLower());
}

int roundHalfEven(double V) { return int(Round(V)); }

// Whether two rectangles share a pixel.
bool meets(const TRect& A, const TRect& B)
{
    return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

// Fonts by shape, shared by every call on the GUI thread: a tag that switches
// bold on and off again gets the font (and its remembered text widths) it
// had before instead of building a new one.
bool sameShape(const TFont& A, const TFont& B)
{
    return A.Name() == B.Name() && A.Height() == B.Height() && A.Style() == B.Style() &&
           A.Orientation() == B.Orientation() && A.Pitch() == B.Pitch() && A.Quality() == B.Quality();
}

const TFont& pooledFont(const TFont& Want)
{
    // Never destroyed: the fonts must not outlive the application object.
    static auto* pool = new std::vector<std::unique_ptr<TFont>>();
    for (const auto& f : *pool)
        if (sameShape(*f, Want))
            return *f;
    if (pool->size() >= 64)
        pool->clear();
    pool->push_back(std::make_unique<TFont>());
    pool->back()->Assign(Want);
    pool->back()->Measure();
    return *pool->back();
}

// Changes the shape of the canvas font through the pool, keeping its colour.
template <typename Change>
void reshape(TFont& Font, Change&& Apply)
{
    TFont want;
    want.Assign(Font);
    Apply(want);
    if (sameShape(want, Font))
        return;
    const TColor color = Font.Color();
    Font.Assign(pooledFont(want));
    Font.SetColor(color);
}

struct LinePass {
    // Filled by the measuring pass, used by both.
    int Width = 0;
    int Height = 0;
    int SupRoom = 0;
    int SubRoom = 0;
    int Raise = 0;
    int GhHeight = 0;
};

class Renderer {
public:
    Renderer(TCanvas& Canvas, const TRect& TextRect, const THTMLDrawOptions& O, THTMLDrawResult& R)
        : c_(Canvas), textRect_(TextRect), o_(O), r_(R)
    {
    }

    void Run(const String& Html);

private:
    enum class Mode { Measure, Draw };

    // One pass over one line; returns the text it took.
    String Line(String& Text, qsizetype& Pos, const TRect& LineRect, Mode M, bool FirstPass);
    void Tag(const String& TagText, Mode M, bool FirstPass);
    void DrawRun(const String& Run, int Width);
    int ReplayWidth(qsizetype SourceLength, const String& Run);
    String Visible(const String& Run);
    void LinkHitTest(int Before, int After);
    void Picture(const String& TagText, const String& Upper, Mode M);
    void Control(const String& TagText, Mode M);
    THTMLPicture* FindPicture(const String& Source);
    void Bullet(Mode M);

    TColor Background() const { return c_.Brush().Style() == bsClear ? clNone : c_.Brush().Color(); }
    void SetBackground(TColor Color)
    {
        if (Color == clNone) {
            c_.Brush().SetStyle(bsClear);
        } else {
            c_.Brush().SetColor(Color);
            c_.Brush().SetStyle(bsSolid);
        }
    }
    void SetStyle(TFontStyle S, bool On)
    {
        reshape(c_.Font(), [&](TFont& F) {
            TFontStyles st = F.Style();
            if (On)
                st.Include(S);
            else
                st.Exclude(S);
            F.SetStyle(st);
        });
    }
    int Gh() { return c_.TextHeight("gh"); }
    // The device scale of pictures and icons (resolution / 96).
    int ScaleX(int V) const { return MulDiv(V, c_.PixelsPerInch(), 96); }
    bool Styled(int Counter) const { return !o_.UnderlineHotOnly || o_.HotAnchorIndex == Counter; }

    TCanvas& c_;
    const TRect textRect_;
    const THTMLDrawOptions& o_;
    THTMLDrawResult& r_;

    unsigned flags_ = 0;
    bool rtl_ = false;
    bool themed_ = false;
    TFont baseFont_;
    TColor entryBackground_ = clNone;

    // Layout state of the call.
    bool inAnchor_ = false;
    String href_, title_;
    int anchorCount_ = 0;
    int imageCount_ = 0;
    int hitImage_ = -1;
    int listLevel_ = 0;
    int align_ = 0;
    int indent_ = 0;
    bool hidden_ = false, shadow_ = false, errorMark_ = false, parBackground_ = false;
    bool sup_ = false, sub_ = false;
    TColor fontSavedBg_ = clNone, parSavedBg_ = clNone, hiSavedBg_ = clNone, hiSavedText_ = clNone;
    TColor linkSavedBg_ = clNone, linkSavedText_ = clNone;
    bool hiOpen_ = false, linkStyled_ = false;
    bool pendingAnchorBox_ = false;
    int linkStartWidth_ = 0, linkStartTop_ = 0, linkStartLine_ = -1;
    TRect focusRect_;
    bool focusContinues_ = false;
    std::vector<int> rotations_[2];  // orientation before each <R>, per pass

    // The runs the first pass of the line took, in order: their length in
    // the source and their width. The second pass takes the widths from
    // here (its runs are these, or several of them joined up to a tag).
    struct PlacedRun {
        qsizetype Length;
        int Width;
    };
    std::vector<PlacedRun> firstPassRuns_;
    size_t replayAt_ = 0;
    bool replaying_ = false;
    // The bounds of what the canvas shows: runs outside are not drawn.
    TRect visible_;

    // The line being laid out.
    LinePass line_;
    int lineIndex_ = 0;
    TRect lineRect_;  // the rectangle the current pass was given
    TRect work_;      // the working rectangle; Left is the position
    int lineWidth_ = 0;
    int trailingBlank_ = 0;
    bool lineEnd_ = false, lineFull_ = false, hasBullet_ = false;
    bool linkTextHit_ = false, pictureHit_ = false;
    bool firstPass_ = true;
    // Whether this pass reports what lies under the hit point. When hit
    // testing, the second pass measures the line again where it is aligned
    // and indented: only that one reports, so that a point beside a right-
    // aligned link never names it.
    bool reportHits_ = true;
};

void Renderer::Run(const String& Html)
{
    // Preparation.
    entryBackground_ = c_.Brush().Color();
    baseFont_.Assign(c_.Font());
    TFont measureFont, drawFont;
    measureFont.Assign(c_.Font());
    drawFont.Assign(c_.Font());
    c_.Brush().SetStyle(bsClear);
    c_.SetBkMode(TRANSPARENT);
    themed_ = IsWinXPOrLater() && Themes().IsActive();
    visible_ = c_.ClipRect();

    flags_ = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING | DT_NOPREFIX;
    if (!o_.WrapWords)
        flags_ |= DT_END_ELLIPSIS;
    if (IsRightToLeftLocale()) {
        if (o_.ReadingOrder == 1)
            flags_ |= DT_RIGHT;
        if (o_.ReadingOrder != 0) {
            flags_ |= DT_RTLREADING;
            rtl_ = true;
        }
    }
    if (!o_.HitTestOnly)
        r_.HitControlId.clear();
    else
        r_.HitControlId = o_.HitControlId;

    String text = ConvertLineBreaks(RemoveHashTags(Html));
    qsizetype pos = 0;

    TRect lineRect = textRect_;
    lineRect.Left += 1;
    while (pos < text.size()) {
        // 1. The line starts in the measuring font.
        c_.Font().Assign(measureFont);
        const bool inAnchor = inAnchor_;
        const String href = href_, title = title_;
        const int anchors = anchorCount_, images = imageCount_, level = listLevel_;
        const bool hidden = hidden_, shadow = shadow_;
        line_ = LinePass{};
        sup_ = sub_ = false;
        line_.Height = line_.GhHeight = Gh();

        // 2. Measuring pass.
        firstPassRuns_.clear();
        const qsizetype before = pos;
        String consumed = Line(text, pos, lineRect, Mode::Measure, true);
        if (pos == before && consumed.isEmpty()) {
            // Nothing fitted and nothing was taken: take the next character
            // (or tag) so that every line makes progress.
            const qsizetype gt = text[pos] == u'<' ? text.indexOf(u'>', pos) : pos;
            pos = gt < 0 ? text.size() : gt + 1;
        }

        // 3. The drawing pass starts in the same link state.
        inAnchor_ = inAnchor;
        href_ = href;
        title_ = title;
        measureFont.Assign(c_.Font());

        // 4. The drawing rectangle: aligned, indented.
        TRect drawRect = lineRect;
        if (align_ == 1 && lineRect.Right - line_.Width > drawRect.Left)
            drawRect.Left = lineRect.Right - line_.Width;
        else if (align_ == 2 && lineRect.Right - lineRect.Left - line_.Width > 0)
            drawRect.Left += (lineRect.Right - lineRect.Left - line_.Width) / 2;
        drawRect.Left += indent_;
        drawRect.Bottom = drawRect.Top + line_.Height + line_.SubRoom + line_.SupRoom;

        // 5. Drawing pass (a second measuring pass when hit testing).
        if (!o_.MeasureOnly) {
            c_.Font().Assign(drawFont);
            anchorCount_ = anchors;
            listLevel_ = level;
            imageCount_ = images;
            hidden_ = hidden;
            shadow_ = shadow;
            // A <SUP> or <SUB> the line leaves open raises or lowers only
            // what follows it.
            sup_ = sub_ = false;
            replayAt_ = 0;
            replaying_ = true;
            qsizetype p = 0;
            Line(consumed, p, drawRect, o_.HitTestOnly ? Mode::Measure : Mode::Draw, false);
            const int raise = line_.Raise;
            if ((linkTextHit_ && o_.HitY > drawRect.Bottom - raise - line_.GhHeight &&
                 o_.HitY < drawRect.Bottom - raise) ||
                pictureHit_)
                r_.Hit = true;
            drawFont.Assign(c_.Font());
        }

        // 6. Advance.
        const int advance = line_.Height + line_.SubRoom + line_.SupRoom;
        lineRect.Top += advance;
        r_.LaidOutHeight += advance;
        ++lineIndex_;

        // 7. Lines that would not fit are left out when painting.
        if (!o_.MeasureOnly && textRect_.Bottom < lineRect.Top + line_.GhHeight)
            break;
    }
    if (r_.LaidOutHeight == 0)
        r_.LaidOutHeight = Gh();
    if (o_.MeasureOnly)
        r_.Hit = false;
}

String Renderer::Line(String& Text, qsizetype& Pos, const TRect& LineRect, Mode M, bool FirstPass)
{
    firstPass_ = FirstPass;
    reportHits_ = !(o_.HitTestOnly && FirstPass);
    lineRect_ = LineRect;
    work_ = LineRect;
    work_.Bottom -= line_.SubRoom;
    lineWidth_ = 0;
    trailingBlank_ = 0;
    lineEnd_ = lineFull_ = hasBullet_ = false;
    linkTextHit_ = pictureHit_ = false;
    String consumed;
    int runsPlaced = 0;
    bool placedEndsWithBlank = false;
    const bool draw = M == Mode::Draw;

    if (draw && focusContinues_) {
        focusRect_.Left = work_.Left + 1;
        focusRect_.Top = work_.Top;
        focusContinues_ = false;
    }
    if (parBackground_ && draw) {
        const TColor saved = c_.Pen().Color();
        c_.Pen().SetColor(Background() == clNone ? saved : Background());
        if (Background() != clNone)
            c_.FillRect(Rect(textRect_.Left, work_.Top, textRect_.Right, work_.Top + line_.Height));
        c_.Pen().SetColor(saved);
    }

    const qsizetype size = Text.size();
    // The next "<" and blank at or after Pos, found once each (a long text
    // without tags is not searched again for every run).
    qsizetype lt = -2, blank = -2;
    while (Pos < size && !lineEnd_ && !lineFull_) {
        // 1. The next run.
        if (lt != -1 && lt < Pos)
            lt = Text.indexOf(u'<', Pos);
        qsizetype runEnd = lt < 0 ? size : lt;
        // Lines break at blanks only while measuring: the drawing pass takes
        // the words of a line up to the next tag as one run.
        if (o_.WrapWords && M == Mode::Measure) {
            if (blank != -1 && blank < Pos)
                blank = Text.indexOf(u' ', Pos);
            if (blank >= 0 && blank < runEnd)
                runEnd = blank + 1;
        }
        const QStringView source = QStringView(Text).mid(Pos, runEnd - Pos);
        // 2. Entities, once.
        const String run = DecodeRunEntities(source.toString());

        // 3. Measure or draw it.
        int w = 0;
        bool fits = true, accepted = true;
        if (!run.isEmpty()) {
            const int h = c_.TextHeight(run);
            if (sub_ && line_.SubRoom < h / 4)
                line_.SubRoom = h / 4;
            if (sup_ && line_.SupRoom < h / 4)
                line_.SupRoom = h / 4;
            line_.Height = std::max(line_.Height, h);
            if (hidden_) {
                if (FirstPass)
                    r_.PlainText += run;
                Pos = runEnd;
                goto afterRun;
            }
            w = FirstPass ? c_.TextWidth(run) : ReplayWidth(source.size(), run);
            if (M == Mode::Measure) {
                const int before = lineWidth_;
                lineWidth_ += w;
                LinkHitTest(before, lineWidth_);
                // 4. Fit: decided by the first pass; the second one places
                // what the first took (its rectangle may be narrower by the
                // alignment or the indent).
                if (FirstPass) {
                    fits = lineWidth_ < LineRect.Width() || w >= LineRect.Width();
                    // A run that continues a word a tag interrupted stays.
                    accepted = fits || (runsPlaced > 0 && !placedEndsWithBlank);
                }
            } else {
                DrawRun(run, w);
            }
        }
        // 5. Take it, or leave it for the next line.
        if (accepted || !o_.WrapWords) {
            consumed += source;
            if (FirstPass && !run.isEmpty())
                firstPassRuns_.push_back({source.size(), w});
            Pos = runEnd;
            if (!run.isEmpty()) {
                if (FirstPass)
                    r_.PlainText += run;
                const bool blankEnd = source.endsWith(u' ') && run.size() == source.size();
                trailingBlank_ = blankEnd ? c_.TextWidth(" ") : 0;
                placedEndsWithBlank = run.endsWith(u' ');
                if (!fits && M == Mode::Measure && runsPlaced > 0) {
                    // Without word wrapping an overflowing run is the last
                    // thing laid out.
                    Pos = size;
                    break;
                }
                ++runsPlaced;
            }
        } else {
            lineEnd_ = true;
            lineWidth_ -= w;
        }
    afterRun:
        // 6. A tag follows?
        if (Pos < size && Text[Pos] == u'<' && size - Pos <= 2) {
            Pos = size;
            break;
        }
        if (lineEnd_ || Pos >= size || Text[Pos] != u'<' || size - Pos < 3)
            continue;
        // 7. The tag.
        const qsizetype gt = Text.indexOf(u'>', Pos);
        const String tag = gt < 0 ? Text.mid(Pos) : Text.mid(Pos, gt - Pos + 1);
        Tag(tag, M, FirstPass);
        if (!lineFull_) {
            if (gt < 0) {
                Pos = size;
            } else {
                consumed += tag;
                Pos = gt + 1;
            }
        }
    }

    // 3. End of the line.
    lineWidth_ -= trailingBlank_;
    if (M == Mode::Measure && FirstPass)
        line_.Width = lineWidth_;
    r_.LaidOutWidth = std::max(r_.LaidOutWidth, lineWidth_);
    if (draw && inAnchor_ && anchorCount_ == o_.FocusAnchorIndex + 1) {
        focusRect_.Right = work_.Left;
        focusRect_.Bottom = work_.Bottom - line_.Raise;
        focusRect_.Top = focusRect_.Bottom - line_.GhHeight;
        TRect f = focusRect_;
        f.Left -= 1;
        f.Right += 1;
        c_.DrawFocusRect(f);
        focusContinues_ = true;
    }
    return consumed;
}

void Renderer::LinkHitTest(int Before, int After)
{
    const int x = o_.HitX - lineRect_.Left;
    const bool second = rtl_ ? After >= lineRect_.Right - o_.HitX - lineRect_.Left : After >= x;
    if (!reportHits_ || !(x >= Before && second) || !inAnchor_ || href_.isEmpty())
        return;
    linkTextHit_ = true;
    if (o_.HitY > lineRect_.Top) {
        r_.HitHref = href_;
        r_.HitTitle = title_;
        pendingAnchorBox_ = true;
    }
}

int Renderer::ReplayWidth(qsizetype SourceLength, const String& Run)
{
    int width = 0;
    qsizetype left = SourceLength;
    while (replaying_ && left > 0 && replayAt_ < firstPassRuns_.size() &&
           firstPassRuns_[replayAt_].Length <= left) {
        left -= firstPassRuns_[replayAt_].Length;
        width += firstPassRuns_[replayAt_].Width;
        ++replayAt_;
    }
    if (left == 0)
        return width;
    // The runs do not match what the first pass took: measured from here on.
    replaying_ = false;
    return c_.TextWidth(Run);
}

String Renderer::Visible(const String& Run)
{
    // The part of a long run that reaches past the working rectangle draws
    // the same pixels as the whole run (clipped, or cut with its ellipsis
    // inside that part): only that part is handed to DrawText.
    const int room = work_.Right - work_.Left;
    if (rtl_ || room < 0 || Run.size() <= qsizetype(room) + 2)
        return Run;
    const String part = Run.left(room + 2);
    return c_.TextWidth(part) > room ? part : Run;
}

void Renderer::DrawRun(const String& Run, int Width)
{
    const TRect saved = work_;
    if (sup_)
        work_.Bottom -= line_.SupRoom;
    if (sub_)
        work_.Bottom += line_.SubRoom;
    work_.Bottom -= line_.Raise;
    if (shadow_) {
        const TColor color = c_.Font().Color();
        c_.Font().SetColor(o_.ShadowColor);
        TRect s = work_;
        OffsetRect(s, o_.ShadowDistance, o_.ShadowDistance);
        if (meets(s, visible_))
            c_.DrawText(s, Visible(Run), flags_);
        c_.Font().SetColor(color);
    }
    // DrawText draws inside its rectangle only: a run whose rectangle the
    // canvas does not show is not handed to it.
    if (meets(work_, visible_))
        c_.DrawText(work_, Visible(Run), flags_);
    if (inAnchor_ && anchorCount_ == o_.FocusAnchorIndex + 1)
        r_.FocusHref = href_;
    const int left = rtl_ ? work_.Right - Width : work_.Left;
    if (errorMark_) {
        c_.Pen().SetColor(ErrorWaveColor);
        c_.Pen().SetWidth(1);
        int x = left / 2 * 2;
        const int bottom = saved.Bottom;
        bool down = x % 4 == 0;
        std::vector<TPoint> wave;
        for (; x <= left + Width; x += 2) {
            wave.push_back(Point(x, down ? bottom + 1 : bottom - 1));
            down = !down;
        }
        if (wave.size() > 1)
            c_.Polyline(wave);
    }
    const int l = work_.Left, r = work_.Right;
    work_ = saved;
    if (rtl_)
        work_.Right = r - Width;
    else
        work_.Left = l + Width;
}

void Renderer::Bullet(Mode M)
{
    if (hasBullet_) {
        lineFull_ = true;
        return;
    }
    hasBullet_ = true;
    lineWidth_ += listLevel_ * BulletStep;
    work_.Left += listLevel_ * BulletStep - BulletStep;
    if (M == Mode::Draw) {
        const String bullet = listLevel_ % 2 != 0 ? String(QChar(0x2022)) : String("o");
        TRect r = work_;
        c_.DrawText(r, bullet, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    work_.Left += BulletStep;
}

void Renderer::Tag(const String& TagText, Mode M, bool FirstPass)
{
    const bool draw = M == Mode::Draw;
    const String upper = FoldAscii(TagText);
    const bool closing = upper.startsWith(QLatin1String("</")) && upper.size() > 3;
    const qsizetype n = closing ? 2 : 1;
    const QChar c1 = n < upper.size() ? upper[n] : QChar();
    const QChar c2 = n + 1 < upper.size() ? upper[n + 1] : QChar();
    TFont& font = c_.Font();

    if (closing) {
        switch (c1.unicode()) {
        case u'A': {
            // Only a styled link that is open has colours to give back.
            if (draw && linkStyled_) {
                SetStyle(fsUnderline, false);
                if (o_.HotLinkBackColor != clNone)
                    SetBackground(linkSavedBg_);
                if (o_.HotLinkTextColor != clNone)
                    font.SetColor(linkSavedText_);
                linkStyled_ = false;
            }
            if (!o_.KeepColors)
                font.SetColor(baseFont_.Color());
            inAnchor_ = false;
            if (pendingAnchorBox_ && M == Mode::Measure) {
                const bool sameLine = linkStartLine_ == lineIndex_;
                r_.HitAnchorRect = Rect(lineRect_.Left + (sameLine ? linkStartWidth_ : 0),
                                        sameLine ? linkStartTop_ : lineRect_.Top, lineRect_.Left + lineWidth_,
                                        lineRect_.Bottom);
                r_.HitAnchorIndex = anchorCount_;
                pendingAnchorBox_ = false;
            }
            if (anchorCount_ == o_.FocusAnchorIndex + 1 && draw) {
                focusRect_.Right = work_.Left;
                focusRect_.Bottom = work_.Bottom - line_.Raise;
                focusRect_.Top = focusRect_.Bottom - line_.GhHeight;
                TRect f = focusRect_;
                f.Left -= 1;
                f.Right += 1;
                c_.DrawFocusRect(f);
            }
            break;
        }
        case u'B':
            if (upper == QLatin1String("</B>"))
                SetStyle(fsBold, false);
            else
                font.SetColor(baseFont_.Color());
            break;
        case u'E':
            if (draw)
                errorMark_ = false;
            break;
        case u'F':
            reshape(font, [&](TFont& F) {
                F.SetName(baseFont_.Name());
                F.SetHeight(baseFont_.Height());
            });
            if (draw && !o_.KeepColors) {
                font.SetColor(baseFont_.Color());
                SetBackground(fontSavedBg_);
            }
            break;
        case u'H':
            // Only an open <HI> has colours to give back.
            if (draw && hiOpen_) {
                font.SetColor(hiSavedText_);
                SetBackground(hiSavedBg_);
                hiOpen_ = false;
            }
            break;
        case u'I':
            SetStyle(fsItalic, false);
            break;
        case u'L':
            lineEnd_ = true;
            break;
        case u'P':
            lineEnd_ = true;
            if (draw) {
                SetBackground(parSavedBg_);
                parBackground_ = false;
            }
            break;
        case u'R': {
            auto& stack = rotations_[draw ? 1 : 0];
            if (!stack.empty()) {
                const int o = stack.back();
                reshape(font, [&](TFont& F) { F.SetOrientation(o); });
                stack.pop_back();
            }
            break;
        }
        case u'S':
            if (c2 == u'U')
                sub_ = sup_ = false;
            else if (c2 == u'H')
                shadow_ = false;
            else
                SetStyle(fsStrikeOut, false);
            break;
        case u'U':
            if (upper == QLatin1String("</U>") || listLevel_ < 1)
                SetStyle(fsUnderline, false);
            else
                --listLevel_;
            break;
        case u'Z':
            hidden_ = false;
            break;
        default:
            break;
        }
        return;
    }

    switch (c1.unicode()) {
    case u'A': {
        if (draw && o_.FocusAnchorIndex == anchorCount_) {
            focusRect_.Left = work_.Left;
            focusRect_.Top = lineRect_.Top;
        }
        ++anchorCount_;
        if (FirstPass || M == Mode::Measure)
            r_.AnchorCount = std::max(r_.AnchorCount, anchorCount_);
        const bool styled = Styled(anchorCount_);
        if (draw && styled) {
            linkStyled_ = true;
            SetStyle(fsUnderline, true);
            if (o_.HotLinkBackColor != clNone) {
                linkSavedBg_ = Background();
                SetBackground(o_.HotLinkBackColor);
            }
            if (o_.HotLinkTextColor != clNone) {
                linkSavedText_ = font.Color();
                font.SetColor(o_.HotLinkTextColor);
            }
        }
        if (!o_.KeepColors && !(styled && o_.HotLinkTextColor != clNone && o_.UnderlineHotOnly))
            font.SetColor(o_.LinkColor);
        bool hasHref = false;
        const String href = attribute(upper, TagText, "HREF", &hasHref);
        if (hasHref) {
            href_ = HTMLDecodeText(href, false);
            inAnchor_ = true;
        }
        bool hasTitle = false;
        const String title = attribute(upper, TagText, "TITLE", &hasTitle);
        if (hasTitle)
            title_ = HTMLDecodeText(title, false);
        linkStartWidth_ = lineWidth_;
        linkStartTop_ = lineRect_.Top;
        linkStartLine_ = lineIndex_;
        break;
    }
    case u'B':
        if (c2 == u'R') {
            lineEnd_ = true;
            if (FirstPass)
                r_.PlainText += u'\r';
        } else if (c2 == u'L') {
            if (!o_.BlinkVisible)
                font.SetColor(entryBackground_);
        } else if (c2 == u'O') {
            if (!draw)
                break;
            const String bg = attribute(upper, upper, "BACKGROUND");
            if (!bg.isEmpty())
                if (THTMLPicture* p = FindPicture(bg); p && !p->Empty() && p->Width() > 0 && p->Height() > 0) {
                    auto state = c_.SaveState();
                    c_.IntersectClipRect(textRect_);
                    for (int y = textRect_.Top; y < textRect_.Bottom; y += p->Height())
                        for (int x = textRect_.Left; x < textRect_.Right; x += p->Width())
                            p->Draw(c_, Bounds(x, y, p->Width(), p->Height()));
                }
            bool hasColor = false;
            const String color = attribute(upper, upper, "BGCOLOR", &hasColor);
            if (hasColor) {
                const TColor col = colorValue(color, true);
                if (col != clNone) {
                    const TColor pen = c_.Pen().Color();
                    c_.Pen().SetColor(col);
                    SetBackground(col);
                    c_.FillRect(textRect_);
                    c_.Pen().SetColor(pen);
                    fontSavedBg_ = col;
                }
            }
        } else {
            SetStyle(fsBold, true);
        }
        break;
    case u'C':
        Control(TagText, M);
        break;
    case u'E':
        if (draw)
            errorMark_ = true;
        break;
    case u'F': {
        bool has = false;
        const String face = attribute(upper, upper, "FACE", &has);
        if (has && !face.isEmpty())
            reshape(font, [&](TFont& F) { F.SetName(face); });
        const String color = attribute(upper, upper, " COLOR", &has);
        if (has && !o_.KeepColors)
            font.SetColor(colorValue(color, false));
        const String bg = attribute(upper, upper, "BGCOLOR", &has);
        if (has && draw && !o_.KeepColors) {
            fontSavedBg_ = Background();
            SetBackground(colorValue(bg, false));
        }
        const String size = attribute(upper, upper, "SIZE", &has);
        if (has) {
            static const int sizes[] = {0, 8, 10, 12, 14, 16};
            int s = ClampedNumber(size, MaxHTMLFontSize);
            if (s >= 1 && s <= 5)
                s = sizes[s];
            if (s > 0)
                reshape(font, [&](TFont& F) { F.SetSize(s); });
        }
        break;
    }
    case u'H':
        if (c2 == u'I') {
            if (draw) {
                hiOpen_ = true;
                hiSavedText_ = font.Color();
                hiSavedBg_ = Background();
                SetBackground(HTMLHighlightBackground());
                font.SetColor(HTMLHighlightTextColor());
            }
        } else if (c2 == u'R') {
            lineEnd_ = true;
            if (draw) {
                const TColor pen = c_.Pen().Color();
                c_.Pen().SetColor(clBlack);
                c_.MoveTo(lineRect_.Left, work_.Bottom + 1);
                c_.LineTo(lineRect_.Right, work_.Bottom + 1);
                c_.Pen().SetColor(pen);
            }
        }
        break;
    case u'I':
        if (c2 == u'N') {
            const String value = quotedAfter(upper, 0);
            if (!value.isEmpty() && value[0].isDigit()) {
                const int v = ClampedNumber(value, MaxHTMLBoxSize);
                if (v > lineWidth_) {
                    lineWidth_ = v;
                    work_.Left = textRect_.Left + v;
                }
            }
        } else if (c2 == u'M') {
            Picture(TagText, upper, M);
        } else {
            SetStyle(fsItalic, true);
        }
        break;
    case u'L':
        if (c2 == u'I')
            Bullet(M);
        break;
    case u'P': {
        bool has = false;
        const String align = attribute(upper, upper, "ALIGN", &has);
        if (has) {
            if (align.contains(QLatin1String("RIGHT")))
                align_ = 1;
            else if (align.contains(QLatin1String("LEFT")))
                align_ = 0;
            else if (align.contains(QLatin1String("CENTER")))
                align_ = 2;
        }
        const String ind = attribute(upper, upper, "INDENT", &has);
        if (has)
            indent_ = ClampedNumber(ind, MaxHTMLBoxSize);
        const String bg = attribute(upper, upper, "BGCOLOR", &has);
        if (has && draw) {
            parBackground_ = true;
            parSavedBg_ = Background();
            const TColor col = bg.isEmpty() ? clNone : colorValue(bg, false);
            SetBackground(col);
            if (col != clNone) {
                c_.Pen().SetColor(col);
                // The band goes behind what follows; what this line has
                // drawn already stays visible.
                const int left = work_.Left > lineRect_.Left ? work_.Left : textRect_.Left;
                c_.FillRect(Rect(left, lineRect_.Top, textRect_.Right, work_.Bottom));
            }
        }
        break;
    }
    case u'R': {
        const String value = quotedAfter(upper, 0);
        if (!value.isEmpty() && value[0].isDigit()) {
            rotations_[draw ? 1 : 0].push_back(font.Orientation());
            const int o = (NumberAtStart(value) % 360) * 10;
            reshape(font, [&](TFont& F) { F.SetOrientation(o); });
        }
        break;
    }
    case u'S':
        if (c2 == u'H')
            shadow_ = true;
        else if (upper.startsWith(QLatin1String("<SUB>")))
            sub_ = true;
        else if (upper.startsWith(QLatin1String("<SUP>")))
            sup_ = true;
        else
            SetStyle(fsStrikeOut, true);
        break;
    case u'U':
        if (upper == QLatin1String("<U>")) {
            SetStyle(fsUnderline, true);
        } else {
            ++listLevel_;
            lineEnd_ = true;
        }
        break;
    case u'Z':
        hidden_ = true;
        break;
    default:
        break;
    }
}

THTMLPicture* Renderer::FindPicture(const String& Source)
{
    if (!Source.contains(u':'))
        return o_.PictureStore ? o_.PictureStore->FindPicture(Source) : nullptr;
    if (!Source.contains(QLatin1String("://")) || !o_.PictureCache)
        return nullptr;
    THTMLPicture* p = o_.PictureCache->FindPicture(Source);
    if (!p) {
        p = o_.PictureCache->AddPicture();
        p->SetAsynch(false);
        p->LoadFromURL(Source);
        p->SetID(Source);
    }
    return p;
}

void Renderer::Picture(const String& TagText, const String& Upper, Mode M)
{
    const bool draw = M == Mode::Draw;
    ++imageCount_;
    bool hasAlt = false;
    String source = attribute(Upper, TagText, "SRC");
    const String alt = attribute(Upper, TagText, "ALT", &hasAlt);
    if (hasAlt && imageCount_ == hitImage_)
        source = alt;
    const int width = ClampedNumber(attribute(Upper, Upper, "WIDTH"), MaxHTMLBoxSize);
    const int height = ClampedNumber(attribute(Upper, Upper, "HEIGHT"), MaxHTMLBoxSize);
    const String usrc = FoldAscii(source);
    const int x = work_.Left, top = lineRect_.Top;
    int bw = 0, bh = 0;

    if (usrc.startsWith(QLatin1String("IDX:"))) {
        const String digits = source.mid(4);
        const int idx = NumberAtStart(digits);
        if (o_.ImageList && !digits.isEmpty() && digits[0].isDigit() && idx < o_.ImageList->Count()) {
            bw = ScaleX(o_.ImageList->Width());
            bh = ScaleX(o_.ImageList->Height());
            if (draw) {
                if (o_.ScaledOutput)
                    c_.StretchDrawImage(Bounds(x, top, roundHalfEven(o_.ImageList->Width() * o_.ImageScale),
                                               roundHalfEven(o_.ImageList->Height() * o_.ImageScale)),
                                        o_.ImageList->Image(idx));
                else
                    o_.ImageList->Draw(c_, x, top, idx, true);
            }
        }
    } else if (usrc.startsWith(QLatin1String("SSYS:")) || usrc.startsWith(QLatin1String("LSYS:"))) {
        const bool large = usrc[0] == u'L';
        const TSize s = DrawSystemIcon(c_, x, top, source.mid(5), large, draw, o_.ScaledOutput, o_.ImageScale);
        bw = ScaleX(s.cx);
        bh = ScaleX(s.cy);
    } else if (THTMLPicture* p = FindPicture(source); p && !p->Empty()) {
        int w = 0, h = 0;
        const bool sized = width > 0 || height > 0;
        if (width > 0 && height > 0) {
            w = width;
            h = height;
        } else if (width > 0) {
            w = width;
            h = p->Width() > 0 ? roundHalfEven(double(p->Height()) * width / p->Width()) : 0;
        } else if (height > 0) {
            h = height;
            w = p->Height() > 0 ? roundHalfEven(double(p->Width()) * height / p->Height()) : 0;
        }
        if (draw) {
            if (sized) {
                p->SetStretch(true);
                p->Draw(c_, Bounds(x, top, w, h));
            } else {
                if (p->FrameCount() > 1) {
                    const TColor pen = c_.Pen().Color();
                    const TColor bg = Background();
                    c_.Pen().SetColor(entryBackground_);
                    SetBackground(entryBackground_);
                    c_.FillRect(Bounds(x, top, p->MaxWidth(), p->MaxHeight()));
                    c_.Pen().SetColor(pen);
                    SetBackground(bg);
                }
                const int fx = x + (p->FrameCount() > 1 ? p->FrameXPos() : 0);
                const int fy = top + (p->FrameCount() > 1 ? p->FrameYPos() : 0);
                const bool stretched = p->Stretch();
                p->SetStretch(false);
                p->Draw(c_, Bounds(fx, fy, p->Width(), p->Height()));
                p->SetStretch(stretched);
            }
        }
        if (sized) {
            bw = w;
            bh = h;
        } else {
            bw = ScaleX(p->MaxWidth());
            bh = ScaleX(p->MaxHeight());
        }
    }

    // Hit: a picture inside a link.
    const int hx = o_.HitX - lineRect_.Left;
    const int at = draw ? work_.Left - lineRect_.Left : lineWidth_;
    if (reportHits_ && bw > 0 && hx > at && hx < at + bw && o_.HitY > top && o_.HitY < top + bh && inAnchor_) {
        pictureHit_ = true;
        r_.HitHref = href_;
        r_.HitTitle = title_;
        hitImage_ = imageCount_;
    }
    // Fit.
    if (bw < lineRect_.Width() && lineWidth_ + bw > lineRect_.Width() && lineWidth_ > 0) {
        lineFull_ = true;
        --imageCount_;
        return;
    }
    lineWidth_ += bw;
    work_.Left += bw;
    line_.Height = std::max(line_.Height, bh);
    // ALIGN: text raised against the picture.
    if (Upper.contains(QLatin1String("\"TOP")))
        line_.Raise = line_.Height - line_.GhHeight;
    else if (Upper.contains(QLatin1String("\"MIDDLE")))
        line_.Raise = (line_.Height - line_.GhHeight) / 2;
}

void Renderer::Control(const String& TagText, Mode M)
{
    const bool draw = M == Mode::Draw;
    const THTMLControlTag t = HTMLParseControlTag(TagText.mid(1));
    const int w = ClampedNumber(t.Width, MaxHTMLBoxSize);
    if (w <= 0)
        return;  // no WIDTH (or none that starts with a number): ignored
    int c = ClampedNumber(t.Height, MaxHTMLBoxSize);
    if (c <= 0)
        c = 25;
    const int gh = line_.GhHeight;
    int bw = w, bh = gh + 10;
    const bool checkLike = t.Type == "CHECK" || t.Type == "RADIO";
    line_.Height = checkLike ? 16 : 23;
    if (c > 25)
        line_.Height = c - 2;

    const int left = work_.Left;
    const int b = work_.Bottom;
    const int lh = line_.Height;
    const bool checked = t.Value.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
    if (t.Type == "COMBO" || t.Type == "BUTTON")
        bh = 25;
    else if (checkLike)
        bw = bh = 16;
    if (draw) {
        const TColor frame = themed_ ? TColor(0xB99D7F) : TColor(0x808080);
        const int k = t.Type == "COMBO" ? gh + 10 : 24;
        const bool hot = o_.HitX > left - 2 && o_.HitX < left + bw - 2 && o_.HitY > b - k - 2 && o_.HitY < b - 2;
        const TColor pen = c_.Pen().Color();
        const TColor bg = Background();
        const unsigned textFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
        if (t.Type == "EDIT" || t.Type == "PASSWORD" || t.Type == "MASK" || t.Type == "COMBO") {
            c_.Pen().SetColor(frame);
            SetBackground(EditFaceColor);
            c_.Rectangle(left, b - lh + 4, left + w, b + 2);
            const String shown = t.Type == "PASSWORD" ? PasswordMask(t.Value) : t.Value;
            if (t.Type == "COMBO") {
                c_.DrawText(Rect(left + 4, b - lh + 4, left + w - 18, b), shown, textFlags);
                const TRect button = Rect(left + w - 18, b - lh + 5, left + w - 1, b + 1);
                if (!(themed_ && Themes().DrawPart(c_, "combobox", CP_DROPDOWNBUTTON, hot ? CBXS_HOT : CBXS_NORMAL,
                                                   button)))
                    DrawFrameControl(c_, button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
            } else {
                c_.DrawText(Rect(left + 2, b - lh + 4, left + w, b), shown, textFlags);
            }
        } else if (t.Type == "CHECK") {
            SetBackground(clNone);
            const TRect box = Rect(left + 2, b - 15, left + 15, b);
            if (!(themed_ && Themes().DrawPart(c_, "button", BP_CHECKBOX,
                                               checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, box)))
                DrawFrameControl(c_, box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
        } else if (t.Type == "RADIO") {
            SetBackground(clNone);
            const TRect box = Rect(left + 2, b - 14, left + 14, b);
            if (!(themed_ && Themes().DrawPart(c_, "button", BP_RADIOBUTTON,
                                               checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL, box)))
                DrawFrameControl(c_, box, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
        } else if (t.Type == "BUTTON") {
            SetBackground(clNone);
            const TRect box = Rect(left + 2, b - c, left + w - 2, b);
            const bool pressed = hot && o_.PointerDown;
            if (!(themed_ && Themes().DrawPart(c_, "button", BP_PUSHBUTTON,
                                               pressed ? PBS_PRESSED : hot ? PBS_HOT : PBS_NORMAL, box)))
                DrawFrameControl(c_, box, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
            c_.DrawText(Rect(box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2), t.Value,
                        textFlags | DT_CENTER);
        }
        c_.Pen().SetColor(pen);
        SetBackground(bg);
    }

    // Hit.
    const int hx = o_.HitX - lineRect_.Left;
    const int at = draw ? work_.Left - lineRect_.Left : lineWidth_;
    const bool byPoint = hx > at && hx < at + bw && o_.HitY > lineRect_.Top && o_.HitY < lineRect_.Top + bh;
    const bool byId = o_.HitTestOnly && !o_.HitControlId.isEmpty() && t.ID == o_.HitControlId;
    if (reportHits_ && (byPoint || byId)) {
        pictureHit_ = true;
        r_.HitHref = "ctrl";
        hitImage_ = imageCount_;
        r_.HitControlRect = Bounds(lineRect_.Left + at, lineRect_.Top, bw, bh);
        r_.HitControlValue = t.Value;
        r_.HitControlId = t.ID;
        r_.HitControlType = t.Type;
    }
    // Fit.
    if (bw < lineRect_.Width() && lineWidth_ + bw > lineRect_.Width() && lineWidth_ > 0) {
        lineFull_ = true;
        return;
    }
    lineWidth_ += bw;
    work_.Left += bw;
    line_.Height = std::max(line_.Height, bh);
}

}  // namespace

THTMLDrawResult DrawHTMLText(TCanvas& Canvas, const String& Html, const TRect& TextRect,
                             const THTMLDrawOptions& Options)
{
    THTMLDrawResult result;
    auto state = Canvas.SaveState();
    try {
        Renderer(Canvas, TextRect, Options, result).Run(Html);
    } catch (...) {
        // Painting raises nothing: what was laid out so far stands.
    }
    if (result.LaidOutHeight == 0) {
        try {
            result.LaidOutHeight = Canvas.TextHeight("gh");
        } catch (...) {
        }
    }
    return result;
}

bool DrawHTMLText(TCanvas& Canvas, const String& Html, const TRect& TextRect, TImageList* ImageList, int HitX,
                  int HitY, int FocusAnchorIndex, int HotAnchorIndex, int ShadowDistance, bool HitTestOnly,
                  bool MeasureOnly, bool ScaledOutput, bool KeepColors, bool BlinkVisible, bool UnderlineHotOnly,
                  bool WrapWords, bool PointerDown, double ImageScale, TColor LinkColor, TColor HotLinkBackColor,
                  TColor HotLinkTextColor, TColor ShadowColor, String& HitHref, String& PlainText, String& FocusHref,
                  String& HitTitle, int& LaidOutWidth, int& LaidOutHeight, int& AnchorCount, int& HitAnchorIndex,
                  TRect& HitAnchorRect, TRect& HitControlRect, String& HitControlId, String& HitControlValue,
                  String& HitControlType, THTMLPictureCache* PictureCache, TPictureContainer* PictureStore,
                  TWinControl* ThemeWindow, int ReadingOrder)
{
    THTMLDrawOptions o;
    o.ImageList = ImageList;
    o.HitX = HitX;
    o.HitY = HitY;
    o.FocusAnchorIndex = FocusAnchorIndex;
    o.HotAnchorIndex = HotAnchorIndex;
    o.ShadowDistance = ShadowDistance;
    o.HitTestOnly = HitTestOnly;
    o.MeasureOnly = MeasureOnly;
    o.ScaledOutput = ScaledOutput;
    o.KeepColors = KeepColors;
    o.BlinkVisible = BlinkVisible;
    o.UnderlineHotOnly = UnderlineHotOnly;
    o.WrapWords = WrapWords;
    o.PointerDown = PointerDown;
    o.ImageScale = ImageScale;
    o.LinkColor = LinkColor;
    o.HotLinkBackColor = HotLinkBackColor;
    o.HotLinkTextColor = HotLinkTextColor;
    o.ShadowColor = ShadowColor;
    o.HitControlId = HitControlId;
    o.PictureCache = PictureCache;
    o.PictureStore = PictureStore;
    o.ThemeWindow = ThemeWindow;
    o.ReadingOrder = ReadingOrder;
    THTMLDrawResult r = DrawHTMLText(Canvas, Html, TextRect, o);
    HitHref = r.HitHref;
    PlainText = r.PlainText;
    FocusHref = r.FocusHref;
    HitTitle = r.HitTitle;
    LaidOutWidth = r.LaidOutWidth;
    LaidOutHeight = r.LaidOutHeight;
    AnchorCount = r.AnchorCount;
    HitAnchorIndex = r.HitAnchorIndex;
    HitAnchorRect = r.HitAnchorRect;
    HitControlRect = r.HitControlRect;
    HitControlId = r.HitControlId;
    HitControlValue = r.HitControlValue;
    HitControlType = r.HitControlType;
    return r.Hit;
}
