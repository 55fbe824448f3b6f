#pragma once
// System icons of formatted text ("SSYS:" small, "LSYS:" large): the icon of
// a file or directory, or of its file type when it does not exist, from a
// replaceable provider. The program's provider asks QFileIconProvider; tests
// install one with fixed icons. A bare icon number names an entry of a
// system image list the desktop does not have here: it has no icon.
#include <QImage>

#include "platform/gui/canvas.h"

class TSystemIconProvider {
public:
    virtual ~TSystemIconProvider() = default;
    // The size of the small (16 x 16) or large (32 x 32) icons.
    virtual TSize IconSize(bool Large) const = 0;
    // The icon of the file or directory at Path when it exists, else of its
    // file type (by its name), IconSize(Large) big; a null image when there
    // is none.
    virtual QImage IconOf(const String& Path, bool Large) = 0;
};

// Icons through QFileIconProvider, at 16 and 32 pixels.
class TQtSystemIconProvider : public TSystemIconProvider {
public:
    TSize IconSize(bool Large) const override;
    QImage IconOf(const String& Path, bool Large) override;
};

// The program-wide provider (a TQtSystemIconProvider until replaced).
TSystemIconProvider& SystemIcons();
// Installs Provider (not owned; nullptr restores the program's own).
void SetSystemIcons(TSystemIconProvider* Provider);

// The icon of Source (a path; a number has no icon), small or large.
// Returns the provider's icon size (0 x 0 when there is no icon). With Draw it is drawn with
// its transparency at (X, Y), or with Stretch into a rectangle of its size x
// Scale (rounded half to even) at (X, Y).
TSize DrawSystemIcon(TCanvas& Canvas, int X, int Y, const String& Source, bool Large, bool Draw, bool Stretch,
                     double Scale);
