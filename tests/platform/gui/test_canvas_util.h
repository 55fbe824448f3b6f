#pragma once
// Helpers of the canvas tests: bitmaps as character art, and PNG output for
// looking at a drawing.
#include <QDir>
#include <QString>
#include <QStringList>

#include <map>
#include <string>
#include <vector>

#include "platform/gui/bitmap.h"

// A white bitmap of the given size (pfDevice).
inline std::unique_ptr<TBitmap> WhiteBitmap(int W, int H, TPixelFormat Format = pfDevice)
{
    auto b = std::make_unique<TBitmap>(W, H, Format);
    b->Canvas().Brush().SetColor(clWhite);
    b->Canvas().FillRect(Rect(0, 0, W, H));
    return b;
}

// The pixels as rows of characters: '.' white, then the legend; '?' for any
// other colour.
inline std::vector<std::string> Art(const TBitmap& B, const std::map<TColor, char>& Legend)
{
    std::vector<std::string> rows;
    const QImage& img = B.Image();
    for (int y = 0; y < img.height(); ++y) {
        std::string row;
        for (int x = 0; x < img.width(); ++x) {
            const TColor c = FromQColor(img.pixelColor(x, y));
            if (c == clWhite) {
                row += '.';
                continue;
            }
            auto it = Legend.find(c);
            row += it == Legend.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

// Number of pixels in R whose colour is (or, with Not, is not) C.
inline int CountColor(const TBitmap& B, TColor C, TRect R = {}, bool Not = false)
{
    const QImage& img = B.Image();
    if (R.IsEmpty())
        R = Rect(0, 0, img.width(), img.height());
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            n += (FromQColor(img.pixelColor(x, y)) == C) != Not;
    return n;
}

// Number of dark pixels (grey level below 128) in R: the body of black text
// whatever its smoothing.
inline int CountDark(const TBitmap& B, TRect R = {})
{
    const QImage& img = B.Image();
    if (R.IsEmpty())
        R = Rect(0, 0, img.width(), img.height());
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            n += qGray(img.pixel(x, y)) < 128;
    return n;
}

// The smallest rectangle holding every pixel that is not Background.
inline TRect InkBounds(const TBitmap& B, TColor Background = clWhite)
{
    const QImage& img = B.Image();
    TRect r{img.width(), img.height(), 0, 0};
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (FromQColor(img.pixelColor(x, y)) != Background) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r.IsEmpty() ? TRect{} : r;
}

// Saves the bitmap as a PNG in Dir (and, for a developer who sets
// VYN_RENDER_DIR, there too) and returns the path in Dir.
inline QString RenderImage(const TBitmap& B, const QString& Dir, const QString& Name)
{
    const QString path = Dir + "/" + Name + ".png";
    B.Image().save(path, "PNG");
    const QByteArray keep = qgetenv("VYN_RENDER_DIR");
    if (!keep.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(keep));
        B.Image().save(QString::fromLocal8Bit(keep) + "/" + Name + ".png", "PNG");
    }
    return path;
}
