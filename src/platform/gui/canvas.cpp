#include "platform/gui/canvas.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainterPath>

#include <atomic>
#include <cmath>
#include <numbers>

#include "platform/gui/bitmap.h"

// ---- font, pen, brush -------------------------------------------------------------------

uint64_t TFont::NewKey()
{
    static std::atomic<uint64_t> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

bool TFont::SameAs(const TFont& Other) const
{
    if (!(d_ == Other.d_))
        return false;
    key_ = Other.key_ = std::min(key_, Other.key_);
    return true;
}

void TFont::Changed(bool ShapeChanged)
{
    key_ = NewKey();
    if (ShapeChanged)
        measure_.reset();
    if (OnChange)
        OnChange(this);
}

#define VYN_SETTER(Class, Field, Type)        \
    void Class::Set##Field(Type Value)        \
    {                                         \
        if (d_.Field == Value)                \
            return;                           \
        d_.Field = Value;                     \
        Changed();                            \
    }

VYN_SETTER(TFont, Name, const String&)
VYN_SETTER(TFont, Height, int)
VYN_SETTER(TFont, Style, TFontStyles)
VYN_SETTER(TFont, Orientation, int)
VYN_SETTER(TFont, Pitch, TFontPitch)
VYN_SETTER(TFont, Quality, TFontQuality)
VYN_SETTER(TPen, Color, TColor)
VYN_SETTER(TPen, Style, TPenStyle)
VYN_SETTER(TPen, Mode, TPenMode)
VYN_SETTER(TBrush, Color, TColor)
VYN_SETTER(TBrush, Style, TBrushStyle)
#undef VYN_SETTER

void TFont::SetColor(TColor Value)
{
    if (d_.Color == Value)
        return;
    d_.Color = Value;
    Changed(false);
}

int TFont::Size() const { return -MulDiv(d_.Height, 72, ScreenPixelsPerInch); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, ScreenPixelsPerInch, 72)); }

void TFont::Assign(const TPersistent& Source)
{
    if (auto* f = dynamic_cast<const TFont*>(&Source)) {
        if (*this == *f)
            return;
        const bool shape = !d_.SameShape(f->d_);
        d_ = f->d_;
        if (shape)
            measure_ = f->measure_;
        // The source's key goes with its properties (before OnChange, which
        // may change the font again).
        key_ = f->key_;
        if (OnChange)
            OnChange(this);
        return;
    }
    TPersistent::Assign(Source);
}

QFont TFont::ToQFont() const { return Measure().Font(); }

const TFontMeasure& TFont::Measure() const
{
    if (!measure_ || measure_->Generation() != FontMapGeneration()) {
        QFont f = MakeQFont(d_.Name, d_.Height, d_.Style.Contains(fsBold), d_.Style.Contains(fsItalic),
                            d_.Style.Contains(fsUnderline), d_.Style.Contains(fsStrikeOut), d_.Quality);
        if (d_.Pitch == TFontPitch::fpFixed && !QFontInfo(f).fixedPitch())
            f.setFamily(QString::fromLatin1(DefaultMonoFamily));
        measure_ = std::make_shared<const TFontMeasure>(f);
    }
    return *measure_;
}

void TPen::SetWidth(int Value)
{
    Value = std::max(Value, 0);
    if (d_.Width == Value)
        return;
    d_.Width = Value;
    Changed();
}

void TPen::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TPen::Assign(const TPersistent& Source)
{
    if (auto* p = dynamic_cast<const TPen*>(&Source)) {
        if (!(d_ == p->d_)) {
            d_ = p->d_;
            Changed();
        }
        return;
    }
    TPersistent::Assign(Source);
}

void TBrush::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TBrush::Assign(const TPersistent& Source)
{
    if (auto* b = dynamic_cast<const TBrush*>(&Source)) {
        if (!(d_ == b->d_)) {
            d_ = b->d_;
            Changed();
        }
        return;
    }
    TPersistent::Assign(Source);
}

// ---- regions --------------------------------------------------------------------------------

namespace {

// The rows of a rectangle with elliptic corners CornerW x CornerH in Box
// (inclusive): per row from Box.top() the first and last pixel whose centre
// lies inside the shape (empty when first > second).
std::vector<std::pair<int, int>> roundedSpans(const QRect& Box, int CornerW, int CornerH)
{
    const double rx = std::min(CornerW, Box.width()) / 2.0, ry = std::min(CornerH, Box.height()) / 2.0;
    const double left = Box.left(), right = Box.left() + Box.width();
    const double top = Box.top(), bottom = Box.top() + Box.height();
    std::vector<std::pair<int, int>> spans;
    for (int y = Box.top(); y <= Box.bottom(); ++y) {
        const double py = y + 0.5;
        const double dy = std::max({0.0, top + ry - py, py - (bottom - ry)});
        const double dx = ry > 0 && rx > 0 ? rx * std::sqrt(std::max(0.0, 1.0 - (dy / ry) * (dy / ry))) : rx;
        spans.emplace_back(int(std::ceil(left + rx - dx - 0.5)), int(std::floor(right - rx + dx - 0.5)));
    }
    return spans;
}

}  // namespace

TRegion::TRegion(const TRect& R) : r_(R.IsEmpty() ? QRegion() : QRegion(R.ToQt())) {}

TRegion TRegion::FromRoundRect(const TRect& R, int CornerW, int CornerH)
{
    const QRect box(QPoint(std::min(R.Left, R.Right), std::min(R.Top, R.Bottom)),
                    QPoint(std::max(R.Left, R.Right) - 1, std::max(R.Top, R.Bottom) - 1));
    QRegion out;
    if (box.isEmpty())
        return FromQt(out);
    const auto spans = roundedSpans(box, CornerW, CornerH);
    for (size_t i = 0; i < spans.size(); ++i)
        if (spans[i].second >= spans[i].first)
            out += QRect(spans[i].first, box.top() + int(i), spans[i].second - spans[i].first + 1, 1);
    return FromQt(out);
}

TRegion TRegion::FromEllipse(const TRect& R)
{
    return FromRoundRect(R, std::abs(R.Right - R.Left), std::abs(R.Bottom - R.Top));
}

TRegion TRegion::FromPolygon(const std::vector<TPoint>& Points, bool Winding)
{
    QPolygon poly;
    for (const TPoint& p : Points)
        poly << p.ToQt();
    return FromQt(QRegion(poly, Winding ? Qt::WindingFill : Qt::OddEvenFill));
}

TRegion TRegion::FromQt(const QRegion& R)
{
    TRegion r;
    r.r_ = R;
    return r;
}

TRegion& TRegion::Union(const TRect& R) { return Union(TRegion(R)); }
TRegion& TRegion::Union(const TRegion& R) { r_ = r_.united(R.r_); return *this; }
TRegion& TRegion::Subtract(const TRect& R) { return Subtract(TRegion(R)); }
TRegion& TRegion::Subtract(const TRegion& R) { r_ = r_.subtracted(R.r_); return *this; }
TRegion& TRegion::Intersect(const TRect& R) { return Intersect(TRegion(R)); }
TRegion& TRegion::Intersect(const TRegion& R) { r_ = r_.intersected(R.r_); return *this; }
TRegion& TRegion::Offset(int Dx, int Dy) { r_.translate(Dx, Dy); return *this; }

TRect TRegion::BoundsRect() const { return r_.isEmpty() ? TRect{} : TRect::FromQt(r_.boundingRect()); }

std::vector<TRect> TRegion::Rects() const
{
    std::vector<TRect> out;
    for (const QRect& r : r_)
        out.push_back(TRect::FromQt(r));
    return out;
}

// ---- canvas state -------------------------------------------------------------------------

struct TCanvasStateGuard::Saved {
    TFont Font;
    TPen Pen;
    TBrush Brush;
    TPoint PenPos, Origin;
    TPolyFillMode PolyFillMode;
    TCopyMode CopyMode;
    int BkMode;
    TColor BkColor;
    bool Clipped;
    QRegion Clip;
};

TCanvasStateGuard::TCanvasStateGuard(TCanvas& Canvas) : canvas_(&Canvas), saved_(std::make_unique<Saved>())
{
    Saved& s = *saved_;
    s.Font.Assign(Canvas.font_);
    s.Pen.Assign(Canvas.pen_);
    s.Brush.Assign(Canvas.brush_);
    s.PenPos = Canvas.penPos_;
    s.Origin = Canvas.origin_;
    s.PolyFillMode = Canvas.polyFillMode_;
    s.CopyMode = Canvas.copyMode_;
    s.BkMode = Canvas.bkMode_;
    s.BkColor = Canvas.bkColor_;
    s.Clipped = Canvas.clipped_;
    s.Clip = Canvas.clip_;
}

TCanvasStateGuard::TCanvasStateGuard(TCanvasStateGuard&& Other) noexcept
    : canvas_(Other.canvas_), saved_(std::move(Other.saved_))
{
    Other.canvas_ = nullptr;
}

TCanvasStateGuard::~TCanvasStateGuard()
{
    if (!canvas_ || !saved_)
        return;
    TCanvas& c = *canvas_;
    const Saved& s = *saved_;
    c.font_.Assign(s.Font);
    c.pen_.Assign(s.Pen);
    c.brush_.Assign(s.Brush);  // resets the background mode; set it back below
    c.penPos_ = s.PenPos;
    c.origin_ = s.Origin;
    c.polyFillMode_ = s.PolyFillMode;
    c.copyMode_ = s.CopyMode;
    c.bkMode_ = s.BkMode;
    c.bkColor_ = s.BkColor;
    c.clipped_ = s.Clipped;
    c.clip_ = s.Clip;
    c.ApplyDeviceState();
}

// ---- canvas ---------------------------------------------------------------------------------

TCanvas::TCanvas()
{
    brush_.OnChange = [this](TObject*) {
        bkMode_ = 0;
        bkColor_ = clNone;
    };
}

TCanvas::~TCanvas() { AttachPainter(nullptr); }

void TCanvas::SetPainter(QPainter* Painter)
{
    if (painter_ == Painter)
        return;
    if (painter_) {
        // A new device context: the state that lived in the old one goes.
        penPos_ = {};
        origin_ = {};
        bkMode_ = 0;
        bkColor_ = clNone;
        clipped_ = false;
        clip_ = QRegion();
    }
    AttachPainter(Painter);
}

void TCanvas::AttachPainter(QPainter* Painter)
{
    if (painter_)
        painter_->restore();
    painter_ = Painter;
    if (!painter_)
        return;
    painter_->save();
    baseTransform_ = painter_->worldTransform();
    baseDeviceTransform_ = painter_->deviceTransform();
    baseClipped_ = painter_->hasClipping();
    baseClip_ = baseClipped_ ? painter_->clipRegion() : QRegion();
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    ApplyDeviceState();
}

void TCanvas::ApplyDeviceState()
{
    if (!painter_)
        return;
    QPainter& p = *painter_;
    p.setWorldTransform(baseTransform_);
    if (clipped_)
        p.setClipRegion(baseClipped_ ? clip_.intersected(baseClip_) : clip_);
    else if (baseClipped_)
        p.setClipRegion(baseClip_);
    else
        p.setClipping(false);
    p.translate(origin_.X, origin_.Y);
}

QPainter* TCanvas::RequirePainter()
{
    if (!painter_)
        CreateHandle();
    return painter_;
}

// As the brush selects them: a solid brush makes text and styled lines opaque
// on the brush colour; any other brush transparent (on the inverted colour).
int TCanvas::BkMode() const { return bkMode_ ? bkMode_ : (brush_.Style() == bsSolid ? OPAQUE : TRANSPARENT); }

void TCanvas::SetBkMode(int Mode) { bkMode_ = Mode == TRANSPARENT ? TRANSPARENT : OPAQUE; }

TColor TCanvas::BkColor() const
{
    if (bkColor_ != clNone)
        return bkColor_;
    return brush_.Style() == bsSolid ? brush_.Color() : ~ColorToRGB(brush_.Color()) & 0xFFFFFF;
}

void TCanvas::SetBkColor(TColor Color) { bkColor_ = Color; }

void TCanvas::SetOrigin(TPoint Value)
{
    origin_ = Value;
    ApplyDeviceState();
}

QRect TCanvas::DeviceBounds() const
{
    if (!painter_ || !painter_->device())
        return QRect();
    const QPaintDevice* d = painter_->device();
    QRect r = baseTransform_.inverted().mapRect(QRect(0, 0, d->width(), d->height()));
    // The system clip is in the paint engine's device coordinates.
    if (QPaintEngine* e = painter_->paintEngine(); e && !e->systemClip().isEmpty())
        r = r.intersected(baseDeviceTransform_.inverted().map(e->systemClip()).boundingRect());
    return r;
}

// ---- clipping

TRect TCanvas::ClipRect() const
{
    QRect r = const_cast<TCanvas*>(this)->RequirePainter() ? DeviceBounds() : QRect();
    if (clipped_)
        r = r.isNull() ? clip_.boundingRect() : r.intersected(clip_.boundingRect());
    if (baseClipped_ && painter_)
        r = r.intersected(baseClip_.boundingRect());
    if (r.isEmpty())
        return {};
    r.translate(-origin_.X, -origin_.Y);
    return TRect::FromQt(r);
}

TRegion TCanvas::ClipRegion() const
{
    QRegion r = clipped_ ? clip_ : QRegion(const_cast<TCanvas*>(this)->RequirePainter() ? DeviceBounds() : QRect());
    return TRegion::FromQt(r.translated(-origin_.X, -origin_.Y));
}

void TCanvas::SetClipRect(const TRect& R) { SetClipRegion(TRegion(R)); }

void TCanvas::SetClipRegion(const TRegion& R)
{
    clip_ = R.ToQt().translated(origin_.X, origin_.Y);
    clipped_ = true;
    ApplyDeviceState();
}

void TCanvas::IntersectClipRect(const TRect& R)
{
    const QRegion r = TRegion(R).ToQt().translated(origin_.X, origin_.Y);
    clip_ = clipped_ ? clip_.intersected(r) : r;
    clipped_ = true;
    ApplyDeviceState();
}

void TCanvas::ExcludeClipRect(const TRect& R)
{
    if (!clipped_) {
        RequirePainter();
        clip_ = QRegion(DeviceBounds());
        clipped_ = true;
    }
    clip_ = clip_.subtracted(TRegion(R).ToQt().translated(origin_.X, origin_.Y));
    ApplyDeviceState();
}

void TCanvas::RemoveClip()
{
    clipped_ = false;
    clip_ = QRegion();
    ApplyDeviceState();
}

// ---- pen drawing

bool TCanvas::ApplyPenMode(QPainter& P, QColor& Color) const
{
    QPainter::CompositionMode m = QPainter::CompositionMode_SourceOver;
    switch (pen_.Mode()) {
    case pmNop: return false;
    case pmBlack: Color = Qt::black; break;
    case pmWhite: Color = Qt::white; break;
    case pmCopy: break;
    case pmNot: m = QPainter::RasterOp_NotDestination; break;
    case pmNotCopy: m = QPainter::RasterOp_NotSource; break;
    case pmMergePenNot: m = QPainter::RasterOp_SourceOrNotDestination; break;
    case pmMaskPenNot: m = QPainter::RasterOp_SourceAndNotDestination; break;
    case pmMergeNotPen: m = QPainter::RasterOp_NotSourceOrDestination; break;
    case pmMaskNotPen: m = QPainter::RasterOp_NotSourceAndDestination; break;
    case pmMerge: m = QPainter::RasterOp_SourceOrDestination; break;
    case pmNotMerge: m = QPainter::RasterOp_NotSourceAndNotDestination; break;
    case pmMask: m = QPainter::RasterOp_SourceAndDestination; break;
    case pmNotMask: m = QPainter::RasterOp_NotSourceOrNotDestination; break;
    case pmXor: m = QPainter::RasterOp_SourceXorDestination; break;
    case pmNotXor: m = QPainter::RasterOp_NotSourceXorDestination; break;
    }
    P.setCompositionMode(m);
    return true;
}

namespace {

// On/off runs of the cosmetic pen styles, in pixels.
std::vector<int> dashPattern(TPenStyle Style)
{
    switch (Style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

// The pixels of a line from A to B (B excluded unless IncludeEnd), Bresenham.
std::vector<QPoint> linePixels(TPoint A, TPoint B, bool IncludeEnd)
{
    std::vector<QPoint> pts;
    int x = A.X, y = A.Y;
    const int dx = std::abs(B.X - A.X), dy = -std::abs(B.Y - A.Y);
    const int sx = A.X < B.X ? 1 : -1, sy = A.Y < B.Y ? 1 : -1;
    int err = dx + dy;
    pts.reserve(size_t(std::max(dx, -dy)) + 1);
    while (true) {
        const bool atEnd = x == B.X && y == B.Y;
        if (atEnd && !IncludeEnd)
            break;
        pts.emplace_back(x, y);
        if (atEnd)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    return pts;
}

}  // namespace

void TCanvas::StrokeLine(QPainter& P, TPoint A, TPoint B, bool IncludeEnd)
{
    QColor color = ToQColor(pen_.Color());
    if (!ApplyPenMode(P, color))
        return;
    const int w = pen_.Width();
    if (w > 1) {
        QPen pen(color, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        P.setPen(pen);
        P.setBrush(Qt::NoBrush);
        P.drawLine(A.ToQt(), B.ToQt());
        return;
    }
    const std::vector<int> pattern = dashPattern(pen_.Style());
    if (pattern.empty() && (A.X == B.X || A.Y == B.Y)) {
        // Straight solid lines as rectangles (the common case, and fast).
        if (A == B && !IncludeEnd)
            return;
        int x1 = A.X, y1 = A.Y, x2 = B.X, y2 = B.Y;
        if (!IncludeEnd) {
            if (A.X == B.X)
                y2 += (y2 > y1 ? -1 : 1);
            else
                x2 += (x2 > x1 ? -1 : 1);
        }
        P.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
                   color);
        return;
    }
    const std::vector<QPoint> pixels = linePixels(A, B, IncludeEnd);
    QPolygon on, off;
    if (pattern.empty()) {
        on = QPolygon(int(pixels.size()), reinterpret_cast<const int*>(pixels.data()));
    } else {
        int period = 0;
        for (int n : pattern)
            period += n;
        for (const QPoint& pt : pixels) {
            int pos = dotPhase_ % period, run = 0;
            while (pos >= pattern[size_t(run)])
                pos -= pattern[size_t(run++)];
            (run % 2 == 0 ? on : off) << pt;
            ++dotPhase_;
        }
    }
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(color, 1));
    P.drawPoints(on);
    // Styled lines fill their gaps with the background colour when it is opaque.
    if (!off.isEmpty() && BkMode() == OPAQUE) {
        P.setCompositionMode(QPainter::CompositionMode_SourceOver);
        P.setPen(QPen(ToQColor(BkColor()), 1));
        P.drawPoints(off);
    }
}

void TCanvas::StrokeOutline(QPainter& P, const std::vector<TPoint>& Closed)
{
    for (size_t i = 0; i < Closed.size(); ++i)
        StrokeLine(P, Closed[i], Closed[(i + 1) % Closed.size()], Closed.size() == 1);
}

QBrush TCanvas::QtBrush(QPainter& P) const
{
    // Hatched brushes fill between their lines when the background is opaque.
    P.setBackgroundMode(BkMode() == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    P.setBackground(ToQColor(BkColor()));
    const QColor c = ToQColor(brush_.Color());
    switch (brush_.Style()) {
    case bsClear: return Qt::NoBrush;
    case bsSolid: return c;
    case bsHorizontal: return QBrush(c, Qt::HorPattern);
    case bsVertical: return QBrush(c, Qt::VerPattern);
    case bsFDiagonal: return QBrush(c, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(c, Qt::BDiagPattern);
    case bsCross: return QBrush(c, Qt::CrossPattern);
    case bsDiagCross: return QBrush(c, Qt::DiagCrossPattern);
    }
    return c;
}

// ---- lines and shapes

void TCanvas::MoveTo(int X, int Y)
{
    penPos_ = {X, Y};
    dotPhase_ = 0;
}

void TCanvas::LineTo(int X, int Y)
{
    if (QPainter* p = RequirePainter(); p && PenVisible())
        StrokeLine(*p, penPos_, {X, Y}, false);
    penPos_ = {X, Y};
}

void TCanvas::Polyline(const std::vector<TPoint>& Points)
{
    QPainter* p = RequirePainter();
    if (!p || !PenVisible() || Points.empty())
        return;
    dotPhase_ = 0;
    for (size_t i = 1; i < Points.size(); ++i)
        StrokeLine(*p, Points[i - 1], Points[i], false);
}

void TCanvas::Polygon(const std::vector<TPoint>& Points)
{
    QPainter* p = RequirePainter();
    if (!p || Points.empty())
        return;
    if (BrushVisible()) {
        QPolygon poly;
        for (const TPoint& pt : Points)
            poly << pt.ToQt();
        QPainterPath path;
        path.addPolygon(poly);
        path.closeSubpath();
        path.setFillRule(polyFillMode_ == TPolyFillMode::pfWinding ? Qt::WindingFill : Qt::OddEvenFill);
        QColor dummy;
        if (ApplyPenMode(*p, dummy)) {
            p->setPen(Qt::NoPen);
            p->setBrush(QtBrush(*p));
            p->drawPath(path);
        }
    }
    if (PenVisible()) {
        dotPhase_ = 0;
        StrokeOutline(*p, Points);
    }
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    QPainter* p = RequirePainter();
    if (!p)
        return;
    QRect r(QPoint(std::min(X1, X2), std::min(Y1, Y2)), QPoint(std::max(X1, X2) - 1, std::max(Y1, Y2) - 1));
    if (r.isEmpty())
        return;
    QColor penColor = ToQColor(pen_.Color());
    if (!PenVisible()) {
        // Without an outline the fill stops one pixel short right and bottom.
        r.adjust(0, 0, -1, -1);
        if (BrushVisible() && !r.isEmpty() && ApplyPenMode(*p, penColor))
            p->fillRect(r, QtBrush(*p));
        return;
    }
    const int w = std::max(pen_.Width(), 1);
    // The outer edge of the outline: a wide pen is centred on the border
    // pixels (psInsideFrame keeps it inside).
    const int lo = pen_.Style() == psInsideFrame ? 0 : (w - 1) / 2;
    const QRect band = r.adjusted(-lo, -lo, lo, lo);
    const QRect inner = band.adjusted(w, w, -w, -w);
    if (BrushVisible() && inner.isValid() && ApplyPenMode(*p, penColor))
        p->fillRect(inner, QtBrush(*p));
    penColor = ToQColor(pen_.Color());
    if (w == 1 && !dashPattern(pen_.Style()).empty()) {
        dotPhase_ = 0;
        StrokeOutline(*p, {{r.left(), r.top()}, {r.right(), r.top()}, {r.right(), r.bottom()}, {r.left(), r.bottom()}});
        return;
    }
    if (!ApplyPenMode(*p, penColor))
        return;
    // Four bands that do not overlap (so the XOR modes work).
    const int h = band.height(), wd = band.width();
    const int topRows = std::min(w, h), bottomRows = std::min(w, h - topRows);
    p->fillRect(QRect(band.left(), band.top(), wd, topRows), penColor);
    if (bottomRows > 0)
        p->fillRect(QRect(band.left(), band.bottom() - bottomRows + 1, wd, bottomRows), penColor);
    const int sideRows = h - topRows - bottomRows;
    if (sideRows > 0) {
        const int leftCols = std::min(w, wd), rightCols = std::min(w, wd - leftCols);
        p->fillRect(QRect(band.left(), band.top() + topRows, leftCols, sideRows), penColor);
        if (rightCols > 0)
            p->fillRect(QRect(band.right() - rightCols + 1, band.top() + topRows, rightCols, sideRows), penColor);
    }
}

void TCanvas::FillRect(const TRect& R)
{
    QPainter* p = RequirePainter();
    if (!p || R.IsEmpty() || !BrushVisible())
        return;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->fillRect(R.ToQt(), QtBrush(*p));
}

void TCanvas::FrameRect(const TRect& R)
{
    QPainter* p = RequirePainter();
    if (!p || R.IsEmpty())
        return;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QColor c = ToQColor(brush_.Color());
    const QRect r = R.ToQt();
    p->fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    if (r.height() > 1)
        p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    if (r.height() > 2) {
        p->fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), c);
        if (r.width() > 1)
            p->fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), c);
    }
}

namespace {

// The rectangle Qt's aliased drawing needs so that a cosmetic outline covers
// L..R-1 and the fill covers the inside.
QRectF shapeRect(int X1, int Y1, int X2, int Y2)
{
    const int l = std::min(X1, X2), t = std::min(Y1, Y2), r = std::max(X1, X2), b = std::max(Y1, Y2);
    return QRectF(l, t, r - l - 1, b - t - 1);
}

}  // namespace

// Shared by the curved shapes: fill and outline through Qt's aliased
// rasteriser (their exact pixels are not pinned), pen mode applied.
template <typename F>
static void drawCurved(QPainter& P, bool PenVisible, QPen Pen, const QBrush& Brush, F&& Draw)
{
    if (Pen.width() <= 1)
        Pen.setCosmetic(true);
    P.setPen(PenVisible ? Pen : QPen(Qt::NoPen));
    P.setBrush(Brush);
    Draw();
}

void TCanvas::DrawRounded(int X1, int Y1, int X2, int Y2, int CornerW, int CornerH)
{
    QPainter* p = RequirePainter();
    if (!p)
        return;
    QRect box(QPoint(std::min(X1, X2), std::min(Y1, Y2)), QPoint(std::max(X1, X2) - 1, std::max(Y1, Y2) - 1));
    const bool pen = PenVisible(), brush = BrushVisible();
    if (!pen)
        box.adjust(0, 0, -1, -1);  // as Rectangle: no outline, one pixel less
    if (box.isEmpty() || (!pen && !brush))
        return;
    QColor penColor = ToQColor(pen_.Color());
    if (pen && pen_.Width() > 1) {
        // Wide outlines through Qt's rasteriser (their pixels are not pinned).
        if (!ApplyPenMode(*p, penColor))
            return;
        p->setPen(QPen(penColor, pen_.Width()));
        p->setBrush(QtBrush(*p));
        const QRectF r(box.left(), box.top(), box.width() - 1, box.height() - 1);
        if (CornerW >= box.width() && CornerH >= box.height())
            p->drawEllipse(r);
        else
            p->drawRoundedRect(r, CornerW / 2.0, CornerH / 2.0);
        return;
    }
    // The pixels whose centres lie inside the shape, row by row; the outline
    // is the shape's pixels that touch the outside (a thin 8-connected line).
    const std::vector<std::pair<int, int>> spans = roundedSpans(box, CornerW, CornerH);
    auto run = [&](int y, int x0, int x1, const QBrush& b) {
        if (x1 >= x0)
            p->fillRect(QRect(x0, y, x1 - x0 + 1, 1), b);
    };
    const QBrush fillBrush = QtBrush(*p);
    for (size_t i = 0; i < spans.size(); ++i) {
        const int y = box.top() + int(i);
        auto [x0, x1] = spans[i];
        if (!pen) {
            if (ApplyPenMode(*p, penColor))
                run(y, x0, x1, fillBrush);
            continue;
        }
        int in0 = x0 + 1, in1 = x1 - 1;
        if (i == 0 || i + 1 == spans.size()) {
            in0 = x1 + 1;
            in1 = x1;
        } else {
            in0 = std::max({in0, spans[i - 1].first, spans[i + 1].first});
            in1 = std::min({in1, spans[i - 1].second, spans[i + 1].second});
        }
        QColor c = penColor;
        if (!ApplyPenMode(*p, c))
            return;
        if (in1 < in0) {
            run(y, x0, x1, c);
            continue;
        }
        run(y, x0, in0 - 1, c);
        run(y, in1 + 1, x1, c);
        if (brush)
            run(y, in0, in1, fillBrush);
    }
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) { DrawRounded(X1, Y1, X2, Y2, X3, Y3); }

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    DrawRounded(X1, Y1, X2, Y2, std::abs(X2 - X1), std::abs(Y2 - Y1));
}

namespace {

double radialAngle(const QRectF& R, int X, int Y)
{
    const QPointF c = R.center();
    // Qt's angles run counter-clockwise with y growing downwards on screen.
    double a = std::atan2(-(Y - c.y()) * R.width(), (X - c.x()) * R.height()) * 180.0 / std::numbers::pi;
    return a < 0 ? a + 360.0 : a;
}

}  // namespace

void TCanvas::Sector(const TRect& R, double StartAngle, double SweepAngle)
{
    QPainter* p = RequirePainter();
    QColor c = ToQColor(pen_.Color());
    if (!p || !ApplyPenMode(*p, c))
        return;
    const QRectF r = shapeRect(R.Left, R.Top, R.Right, R.Bottom);
    drawCurved(*p, PenVisible(), QPen(c, pen_.Width() <= 1 ? 1 : pen_.Width()), QtBrush(*p), [&] {
        p->drawPie(r, int(std::lround(StartAngle * 16)), int(std::lround(SweepAngle * 16)));
    });
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    const QRectF r = shapeRect(X1, Y1, X2, Y2);
    const double a1 = radialAngle(r, X3, Y3), a2 = radialAngle(r, X4, Y4);
    double sweep = a2 - a1;
    if (sweep <= 0)
        sweep += 360.0;
    Sector(Rect(X1, Y1, X2, Y2), a1, sweep);
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    QPainter* p = RequirePainter();
    QColor c = ToQColor(pen_.Color());
    if (!p || !PenVisible() || !ApplyPenMode(*p, c))
        return;
    const QRectF r = shapeRect(X1, Y1, X2, Y2);
    const double a1 = radialAngle(r, X3, Y3), a2 = radialAngle(r, X4, Y4);
    double sweep = a2 - a1;
    if (sweep <= 0)
        sweep += 360.0;
    drawCurved(*p, true, QPen(c, pen_.Width() <= 1 ? 1 : pen_.Width()), Qt::NoBrush,
               [&] { p->drawArc(r, int(std::lround(a1 * 16)), int(std::lround(sweep * 16))); });
}

const QImage* TCanvas::Image()
{
    QPainter* p = RequirePainter();
    if (!p || !p->device() || p->device()->devType() != QInternal::Image)
        return nullptr;
    return static_cast<const QImage*>(p->device());
}

TColor TCanvas::Pixels(int X, int Y) const
{
    auto* self = const_cast<TCanvas*>(this);
    const QImage* img = self->Image();
    if (!img)
        return clNone;
    const QPoint d = painter_->worldTransform().map(QPoint(X, Y));
    if (!img->valid(d))
        return clNone;
    return FromQColor(img->pixelColor(d));
}

void TCanvas::SetPixels(int X, int Y, TColor Color)
{
    if (QPainter* p = RequirePainter()) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->fillRect(QRect(X, Y, 1, 1), ToQColor(Color));
    }
}

// ---- text

void TCanvas::DrawTextCell(QPainter& P, int X, int Y, const String& Text, bool Opaque)
{
    const TFontMeasure& m = font_.Measure();
    P.setCompositionMode(QPainter::CompositionMode_SourceOver);
    P.setBackgroundMode(Qt::TransparentMode);  // the cell is filled here, not by Qt
    P.setFont(m.Font());
    const bool rotated = font_.Orientation() % 3600 != 0;
    if (rotated) {
        P.save();
        P.translate(X, Y);
        P.rotate(-font_.Orientation() / 10.0);
        X = Y = 0;
    }
    if (Opaque)
        P.fillRect(QRect(X, Y, m.Width(Text), m.Height()), ToQColor(BkColor()));
    P.setPen(ToQColor(font_.Color()));
    P.drawText(QPoint(X, Y + m.Ascent()), Text);
    if (rotated)
        P.restore();
}

void TCanvas::TextOut(int X, int Y, const String& Text)
{
    if (QPainter* p = RequirePainter())
        DrawTextCell(*p, X, Y, Text, BkMode() == OPAQUE);
    penPos_ = {X + TextWidth(Text), Y};
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const String& Text)
{
    QPainter* p = RequirePainter();
    if (!p)
        return;
    p->save();
    p->setClipRect(R.ToQt(), Qt::IntersectClip);
    if (BrushVisible()) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->fillRect(R.ToQt(), ToQColor(BkColor()));
    }
    DrawTextCell(*p, X, Y, Text, BkMode() == OPAQUE);
    p->restore();
}

int TCanvas::TextWidth(const String& Text) { return font_.Measure().Width(Text); }

int TCanvas::TextHeight(const String&) { return font_.Measure().Height(); }

TSize TCanvas::TextExtent(const String& Text) { return {TextWidth(Text), TextHeight(Text)}; }

int TCanvas::AveCharWidth() { return font_.Measure().AverageCharWidth(); }

// ---- pictures

void TCanvas::StretchDrawImage(const TRect& R, const QImage& Image)
{
    QPainter* p = RequirePainter();
    if (!p || R.IsEmpty() || Image.isNull())
        return;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (R.Width() == Image.width() && R.Height() == Image.height())
        p->drawImage(QPoint(R.Left, R.Top), Image);
    else
        p->drawImage(R.ToQt(), Image);
}

void TCanvas::Draw(int X, int Y, const TGraphic& Graphic)
{
    if (!Graphic.Empty())
        Graphic.Draw(*this, Bounds(X, Y, Graphic.Width(), Graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& R, const TGraphic& Graphic)
{
    if (!Graphic.Empty())
        Graphic.Draw(*this, R);
}

void TCanvas::DrawTransparent(int X, int Y, const TBitmap& Bitmap, TColor Key)
{
    StretchDrawImage(Bounds(X, Y, Bitmap.Width(), Bitmap.Height()), KeyColorOut(Bitmap.Image(), Key));
}

void TCanvas::BrushCopy(const TRect& Dest, const TBitmap& Bitmap, const TRect& Source, TColor Color)
{
    QImage part = Bitmap.Image().copy(Source.ToQt()).convertToFormat(QImage::Format_RGB32);
    const QRgb key = ToQColor(Color).rgb() & 0xFFFFFF, brush = ToQColor(brush_.Color()).rgb();
    for (int y = 0; y < part.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x)
            if ((row[x] & 0xFFFFFF) == key)
                row[x] = brush;
    }
    StretchDrawImage(Dest, part);
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Canvas, const TRect& Source)
{
    QPainter* p = RequirePainter();
    if (!p || Dest.IsEmpty())
        return;
    QRect target = Dest.ToQt();
    QPainter::CompositionMode mode = QPainter::CompositionMode_Source;
    switch (copyMode_) {
    case TCopyMode::cmBlackness:
    case TCopyMode::cmWhiteness:
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->fillRect(target, copyMode_ == TCopyMode::cmBlackness ? Qt::black : Qt::white);
        return;
    case TCopyMode::cmDstInvert:
        p->setCompositionMode(QPainter::RasterOp_NotDestination);
        p->fillRect(target, Qt::black);
        return;
    case TCopyMode::cmSrcCopy: break;
    case TCopyMode::cmSrcPaint: mode = QPainter::RasterOp_SourceOrDestination; break;
    case TCopyMode::cmSrcAnd: mode = QPainter::RasterOp_SourceAndDestination; break;
    case TCopyMode::cmSrcInvert: mode = QPainter::RasterOp_SourceXorDestination; break;
    }
    const QImage* src = Canvas.Image();
    if (!src)
        return;
    const QRect s = Canvas.painter_->worldTransform().mapRect(Source.ToQt());
    const QImage part = src->copy(s).convertToFormat(QImage::Format_RGB32);
    p->setCompositionMode(mode);
    if (target.size() == part.size())
        p->drawImage(target.topLeft(), part);
    else
        p->drawImage(target, part);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::DrawFocusRect(const TRect& R)
{
    QPainter* p = RequirePainter();
    if (!p || R.IsEmpty())
        return;
    // Every other pixel of the outline, on the device's checkerboard, inverted.
    const QPoint d = p->worldTransform().map(QPoint(0, 0));
    QPolygon pts;
    auto add = [&](int x, int y) {
        if (((x + d.x() + y + d.y()) & 1) == 0)
            pts << QPoint(x, y);
    };
    for (int x = R.Left; x < R.Right; ++x) {
        add(x, R.Top);
        if (R.Bottom - 1 > R.Top)
            add(x, R.Bottom - 1);
    }
    for (int y = R.Top + 1; y < R.Bottom - 1; ++y) {
        add(R.Left, y);
        if (R.Right - 1 > R.Left)
            add(R.Right - 1, y);
    }
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p->setPen(QPen(QColor(255, 255, 255), 1));
    p->drawPoints(pts);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}
