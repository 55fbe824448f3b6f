#pragma once
// What the grid, the editor controls and the drop-down controls share about
// looks: the component styles (TVynStyle, grid_types.h), the colour tones
// (TColorTone(s), grid_draw.h), the Office colour themes (TOfficeTheme,
// vyn_string_grid.h), the two interfaces through which a form sets the look
// of any control that supports it, the Office theme queries and the theme
// notifier, and the default user-interface font.
//
// There is no Office registry and no visual-style colour scheme on this
// platform: the queries read a replaceable theme source. The default source
// reports no Office settings and no colour scheme (version 0, theme
// ot2003Classic) and never changes. The notifier owns no thread: it follows
// a source that has Office 2007 or 2010 settings through the source's change
// callback (called on the GUI thread) and posts the theme-change message to
// every registered window that still exists.
#include <functional>
#include <memory>
#include <vector>

#include "grid/core/grid_draw.h"
#include "grid/core/grid_types.h"
#include "grid/core/vyn_string_grid.h"
#include "platform/gui/classes.h"

class TWinControl;

// Sets a control's component style (same order as the grid's styles).
class IVynStyle {
public:
    virtual ~IVynStyle() = default;
    virtual void SetComponentStyle(TVynStyle AStyle) = 0;
};

// Gives a control the five colour tones of a flat look.
class IVynTones {
public:
    virtual ~IVynTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};

// The message the notifier posts to registered windows when the Office
// theme changes (the platform's first user message + 1969).
constexpr unsigned WM_OFFICETHEMECHANGE = 0x0400 + 1969;

// Where the Office settings and the colour scheme come from.
class TOfficeThemeSource {
public:
    virtual ~TOfficeThemeSource() = default;
    // Whether the user's settings of the Office version (11, 12 or 14) exist.
    virtual bool HasOfficeSettings(int Major) = 0;
    // The "Theme" value of the version's common settings; false when the
    // settings or the value are missing.
    virtual bool ReadTheme(int Major, int& Value) = 0;
    // The desktop's colour scheme: 0 none, 1 "NormalColor", 2 "HomeStead",
    // 3 "Metallic".
    virtual int ColorScheme() = 0;
    // Installs the function to call (on the GUI thread) when the theme
    // settings change; an empty function removes it.
    virtual void SetOnChange(std::function<void()> OnChange) = 0;
};

// The source the queries and the notifier read (never null). Setting a new
// source (nullptr: the default one) drops the notifier, so the next
// GetThemeNotifier starts again from the new source; the old source is
// freed.
TOfficeThemeSource& OfficeThemeSource();
void SetOfficeThemeSource(std::unique_ptr<TOfficeThemeSource> Source);

// 0 (no settings or Office 2003), 1 (Office 2007) or 2 (Office 2010); the
// highest version with settings wins.
int GetOfficeVersion();
// The Office 2010 theme, else the Office 2007 one, else by the colour
// scheme (none: ot2003Classic); any other theme value gives ot2003Blue.
TOfficeTheme GetOfficeTheme();
int GetXPColorScheme();
bool IsWinVistaOrLater();
// The family the program ships and its tests pin.
String GetDefaultUIFontName();

// Tells windows that the Office theme changed. One instance per process,
// made by GetThemeNotifier; it follows the source only when the source has
// Office 2007 or 2010 settings, otherwise RegisterWindow does nothing.
class TThemeNotifier : public TComponent {
public:
    explicit TThemeNotifier(TComponent* AOwner);
    ~TThemeNotifier() override;

    // Adds a window once (nothing while the notifier follows no source).
    void RegisterWindow(TWinControl* Window);
    // Removes the window when it is registered.
    void UnRegisterWindow(TWinControl* Window);
    // Whether the notifier follows the source's changes.
    bool Monitoring() const { return monitoring_; }
    int WindowCount() const { return int(windows_.size()); }

    TNotifyEvent OnOfficeThemeChange;

private:
    void SourceChanged();
    bool monitoring_ = false;
    std::vector<TWeakRef<TWinControl>> windows_;
};

// The notifier, made on first use (owned by the module, or by AOwner when
// given the first time).
TThemeNotifier* GetThemeNotifier(TComponent* AOwner = nullptr);
