#include "platform/testing/render_png.h"

#include <QPainter>
#include <QWidget>

namespace TestKit {

QImage RenderToImage(TControl* Control)
{
    if (!Control || Control->Width() <= 0 || Control->Height() <= 0)
        return QImage();
    QImage image(Control->Width(), Control->Height(), QImage::Format_ARGB32);
    if (auto* w = dynamic_cast<TWinControl*>(Control); w && w->Widget()) {
        image.fill(Qt::white);
        // Qt puts the top-left of what it renders at the offset: a window
        // shaped by a region renders from the region's top-left, which
        // belongs at that place, not at (0, 0).
        const QRegion mask = w->Widget()->mask();
        w->Widget()->render(&image, mask.isEmpty() ? QPoint() : mask.boundingRect().topLeft());
        return image;
    }
    const TColor background = Control->Parent() ? Control->Parent()->Color() : clBtnFace;
    image.fill(ToQColor(background == clNone ? clBtnFace : background));
    QPainter painter(&image);
    Control->Perform(WM_PAINT, intptr_t(&painter));
    return image;
}

bool RenderToPng(TControl* Control, const String& Path)
{
    const QImage image = RenderToImage(Control);
    return !image.isNull() && !Path.isEmpty() && image.save(Path, "PNG");
}

}  // namespace TestKit
