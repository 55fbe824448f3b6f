#include "platform/gui/layered_window.h"

#include <QBitmap>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "platform/gui/controls.h"

namespace {

constexpr const char* kPainterName = "vyn_layered_alpha_image";

// Paints the window's alpha picture in place of the window's own painting.
class TAlphaImagePainter : public QObject {
public:
    explicit TAlphaImagePainter(QWidget* W) : QObject(W) { setObjectName(QLatin1String(kPainterName)); }
    QImage image;

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() != QEvent::Paint || image.isNull())
            return false;
        auto* w = static_cast<QWidget*>(Watched);
        QPainter p(w);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(w->rect(), Qt::transparent);
        p.drawImage(0, 0, image);
        return true;
    }
};

QWidget* topLevel(TWinControl* Window)
{
    if (!Window)
        return nullptr;
    QWidget* w = Window->Handle();
    return w && w->isWindow() ? w : nullptr;
}

TAlphaImagePainter* painterOf(QWidget* W, bool Create)
{
    auto* p = W->findChild<TAlphaImagePainter*>(QLatin1String(kPainterName), Qt::FindDirectChildrenOnly);
    if (!p && Create) {
        p = new TAlphaImagePainter(W);
        W->installEventFilter(p);
    }
    return p;
}

}  // namespace

bool SetWindowOpacity(TWinControl* Window, uint8_t Alpha)
{
    QWidget* w = topLevel(Window);
    if (!w)
        return false;
    w->setWindowOpacity(Alpha / 255.0);
    return true;
}

uint8_t WindowOpacity(TWinControl* Window)
{
    QWidget* w = topLevel(Window);
    return w ? uint8_t(qRound(w->windowOpacity() * 255.0)) : uint8_t(255);
}

bool SetWindowAlphaImage(TWinControl* Window, const QImage& Image)
{
    QWidget* w = topLevel(Window);
    if (!w)
        return false;
    if (Image.isNull()) {
        if (TAlphaImagePainter* p = painterOf(w, false)) {
            w->removeEventFilter(p);
            delete p;
        }
        w->update();
        return true;
    }
    TAlphaImagePainter* p = painterOf(w, true);
    p->image = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    w->setAttribute(Qt::WA_TranslucentBackground);
    Window->SetBounds(Window->Left(), Window->Top(), Image.width(), Image.height());
    w->update();
    return true;
}

QImage WindowAlphaImage(TWinControl* Window)
{
    QWidget* w = topLevel(Window);
    if (!w)
        return {};
    TAlphaImagePainter* p = painterOf(w, false);
    return p ? p->image : QImage();
}

bool SetWindowShape(TWinControl* Window, const TRegion& Region)
{
    QWidget* w = topLevel(Window);
    if (!w)
        return false;
    if (Region.IsEmpty())
        w->clearMask();
    else
        w->setMask(Region.ToQt());
    return true;
}

TRegion WindowShape(TWinControl* Window)
{
    QWidget* w = topLevel(Window);
    return w ? TRegion::FromQt(w->mask()) : TRegion();
}

bool SetWindowColorKey(TWinControl* Window, TColor Key)
{
    QWidget* w = topLevel(Window);
    if (!w)
        return false;
    const QImage picture = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor key = ToQColor(Key);
    QRegion keep;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        int start = -1;
        for (int x = 0; x <= picture.width(); ++x) {
            const bool shown = x < picture.width() && (line[x] & 0xFFFFFF) != (key.rgb() & 0xFFFFFF);
            if (shown && start < 0)
                start = x;
            else if (!shown && start >= 0) {
                keep += QRect(start, y, x - start, 1);
                start = -1;
            }
        }
    }
    w->setMask(keep);
    return true;
}
