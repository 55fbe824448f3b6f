// System icons for formatted text.
#include "grid/render/html/html_icons.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/rtl/strings.h"

TSize TQtSystemIconProvider::IconSize(bool Large) const { return Large ? TSize{32, 32} : TSize{16, 16}; }

QImage TQtSystemIconProvider::IconOf(const String& Path, bool Large)
{
    if (Path.isEmpty())
        return QImage();
    const TSize size = IconSize(Large);
    // For a path that does not exist the provider goes by the name (its
    // file type), as it is given.
    const QIcon icon = QFileIconProvider().icon(QFileInfo(Path));
    if (icon.isNull())
        return QImage();
    QImage img = icon.pixmap(QSize(size.cx, size.cy)).toImage();
    if (img.isNull())
        return QImage();
    if (img.width() != size.cx || img.height() != size.cy)
        img = img.scaled(size.cx, size.cy, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

namespace {

TSystemIconProvider* installedProvider = nullptr;

}  // namespace

TSystemIconProvider& SystemIcons()
{
    if (installedProvider)
        return *installedProvider;
    static TQtSystemIconProvider programProvider;
    return programProvider;
}

void SetSystemIcons(TSystemIconProvider* Provider) { installedProvider = Provider; }

TSize DrawSystemIcon(TCanvas& Canvas, int X, int Y, const String& Source, bool Large, bool Draw, bool Stretch,
                     double Scale)
{
    // A number is an index into the desktop's system image list, which
    // does not exist here.
    int index = 0;
    if (TryStrToInt(Source, index))
        return TSize{};
    const QImage icon = SystemIcons().IconOf(Source, Large);
    if (icon.isNull())
        return TSize{};
    const TSize size = SystemIcons().IconSize(Large);
    if (!Draw)
        return size;
    TRect target = Bounds(X, Y, size.cx, size.cy);
    if (Stretch) {
        // A scale that is not a positive finite number draws nothing.
        if (!(Scale > 0) || !std::isfinite(Scale))
            return size;
        const auto scaled = [Scale](int V) {
            return int(std::min<double>(Round(std::min(V * Scale, 1e9)), std::numeric_limits<int>::max() / 2));
        };
        target = Bounds(X, Y, scaled(size.cx), scaled(size.cy));
    }
    if (!target.IsEmpty())
        Canvas.StretchDrawImage(target, icon);
    return size;
}
