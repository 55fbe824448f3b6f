#include "platform/gui/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>

#include <cmath>

namespace {

QHash<QString, QString>& substitutes()
{
    static QHash<QString, QString> map = [] {
        QHash<QString, QString> m;
        for (const char* name : {"Tahoma", "Verdana", "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "Segoe UI",
                                 "Arial", "Microsoft Sans Serif", "Helvetica", "System", "Default"})
            m.insert(QString::fromLatin1(name).toLower(), QString::fromLatin1(DefaultSansFamily));
        for (const char* name : {"Courier New", "Courier", "Consolas", "Lucida Console", "Fixedsys", "Terminal"})
            m.insert(QString::fromLatin1(name).toLower(), QString::fromLatin1(DefaultMonoFamily));
        return m;
    }();
    return map;
}

bool installed(const QString& family)
{
    static QHash<QString, bool> cache;
    const QString key = family.toLower();
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, QFontDatabase::hasFamily(family));
    return *it;
}

int& generation()
{
    static int value = 0;
    return value;
}

}  // namespace

int FontMapGeneration() { return generation(); }

String MapFontFamily(const String& Name)
{
    const QString key = Name.trimmed().toLower();
    if (auto it = substitutes().constFind(key); it != substitutes().constEnd())
        return *it;
    if (!key.isEmpty() && installed(Name.trimmed()))
        return Name.trimmed();
    return QString::fromLatin1(DefaultSansFamily);
}

void SetFontSubstitute(const String& From, const String& To)
{
    ++generation();
    if (To.isEmpty())
        substitutes().remove(From.toLower());
    else
        substitutes().insert(From.toLower(), To);
}

QFont MakeQFont(const String& Name, int Height, bool Bold, bool Italic, bool Underline, bool StrikeOut,
                TFontQuality Quality)
{
    QFont f(MapFontFamily(Name));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    const bool smooth = Quality != TFontQuality::fqNonAntialiased && Quality != TFontQuality::fqDraft;
    // Subpixel (coloured) smoothing depends on the screen; plain grey smoothing does not.
    f.setStyleStrategy(QFont::StyleStrategy((smooth ? QFont::PreferAntialias : QFont::NoAntialias) |
                                            QFont::NoSubpixelAntialias));
    f.setBold(Bold);
    f.setItalic(Italic);
    f.setUnderline(Underline);
    f.setStrikeOut(StrikeOut);
    if (Height == 0)
        Height = -11;
    if (Height < 0) {
        f.setPixelSize(-Height);
    } else {
        // A positive height is the cell height (ascent + descent): find the
        // character height that gives it, from the family's proportions.
        f.setPixelSize(100);
        const QFontMetricsF m(f);
        const double cell = m.ascent() + m.descent();
        f.setPixelSize(std::max(1, int(std::lround(Height * 100.0 / (cell > 0 ? cell : 100.0)))));
    }
    return f;
}

TFontMeasure::TFontMeasure(const QFont& Font)
    : font_(Font), metrics_(Font), generation_(FontMapGeneration()), ascent_(metrics_.ascent()),
      height_(metrics_.height()), leading_(metrics_.leading()), averageCharWidth_(metrics_.averageCharWidth()),
      underlinePos_(metrics_.underlinePos()), lineWidth_(metrics_.lineWidth())
{
}

int TFontMeasure::Width(const QString& Text) const
{
    if (Text.isEmpty())
        return 0;
    if (auto it = widths_.constFind(Text); it != widths_.constEnd())
        return *it;
    if (widths_.size() >= MaxCachedWidths)
        widths_.clear();
    const int w = metrics_.horizontalAdvance(Text);
    widths_.insert(Text, w);
    return w;
}

int TFontMeasure::FindEllipsisCut(const QString& Text, int MaxWidth) const
{
    return cuts_.value(std::pair(Text, MaxWidth), -1);
}

void TFontMeasure::StoreEllipsisCut(const QString& Text, int MaxWidth, int Kept) const
{
    if (cuts_.size() >= MaxCachedWidths)
        cuts_.clear();
    cuts_.insert(std::pair(Text, MaxWidth), Kept);
}
