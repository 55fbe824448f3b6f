#include "grid/render/vyn_style_if.h"

#include <algorithm>

#include "platform/gui/application.h"
#include "platform/gui/controls.h"

namespace {

// No Office settings, no colour scheme, no changes.
class TNoOfficeSource : public TOfficeThemeSource {
public:
    bool HasOfficeSettings(int) override { return false; }
    bool ReadTheme(int, int&) override { return false; }
    int ColorScheme() override { return 0; }
    void SetOnChange(std::function<void()>) override {}
};

std::unique_ptr<TOfficeThemeSource>& sourceSlot()
{
    static std::unique_ptr<TOfficeThemeSource> source = std::make_unique<TNoOfficeSource>();
    return source;
}

TThemeNotifier* g_notifier = nullptr;
// The notifier when the module owns it.
std::unique_ptr<TThemeNotifier>& ownedNotifier()
{
    static std::unique_ptr<TThemeNotifier> owned;
    return owned;
}

void dropNotifier()
{
    if (ownedNotifier())
        ownedNotifier().reset();
    else
        delete g_notifier;
    g_notifier = nullptr;
}

}  // namespace

TOfficeThemeSource& OfficeThemeSource() { return *sourceSlot(); }

void SetOfficeThemeSource(std::unique_ptr<TOfficeThemeSource> Source)
{
    dropNotifier();
    sourceSlot()->SetOnChange({});
    sourceSlot() = Source ? std::move(Source) : std::make_unique<TNoOfficeSource>();
}

int GetOfficeVersion()
{
    TOfficeThemeSource& s = OfficeThemeSource();
    if (s.HasOfficeSettings(14))
        return 2;
    if (s.HasOfficeSettings(12))
        return 1;
    return 0;
}

TOfficeTheme GetOfficeTheme()
{
    TOfficeThemeSource& s = OfficeThemeSource();
    int value = 0;
    if (s.ReadTheme(14, value)) {
        switch (value) {
        case 1: return TOfficeTheme::ot2010Blue;
        case 2: return TOfficeTheme::ot2010Silver;
        case 3: return TOfficeTheme::ot2010Black;
        default: return TOfficeTheme::ot2003Blue;
        }
    }
    if (s.ReadTheme(12, value)) {
        switch (value) {
        case 1: return TOfficeTheme::ot2007Blue;
        case 2: return TOfficeTheme::ot2007Silver;
        case 3: return TOfficeTheme::ot2007Black;
        default: return TOfficeTheme::ot2003Blue;
        }
    }
    switch (GetXPColorScheme()) {
    case 1: return TOfficeTheme::ot2003Blue;
    case 2: return TOfficeTheme::ot2003Olive;
    case 3: return TOfficeTheme::ot2003Silver;
    default: return TOfficeTheme::ot2003Classic;
    }
}

int GetXPColorScheme()
{
    const int scheme = OfficeThemeSource().ColorScheme();
    return scheme >= 0 && scheme <= 3 ? scheme : 0;
}

bool IsWinVistaOrLater() { return true; }

String GetDefaultUIFontName() { return QStringLiteral("DejaVu Sans"); }

// ---- the notifier ------------------------------------------------------------------------------

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner)
{
    if (GetOfficeVersion() < 1)
        return;
    monitoring_ = true;
    OfficeThemeSource().SetOnChange([this] { SourceChanged(); });
}

TThemeNotifier::~TThemeNotifier()
{
    if (monitoring_)
        OfficeThemeSource().SetOnChange({});
    if (g_notifier == this) {
        g_notifier = nullptr;
        if (ownedNotifier().get() == this)
            (void)ownedNotifier().release();
    }
}

void TThemeNotifier::RegisterWindow(TWinControl* Window)
{
    if (!monitoring_ || !Window)
        return;
    for (const auto& w : windows_)
        if (w.Get() == Window)
            return;
    windows_.emplace_back(Window);
}

void TThemeNotifier::UnRegisterWindow(TWinControl* Window)
{
    if (!monitoring_)
        return;
    const auto it = std::find_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w.Get() == Window; });
    if (it != windows_.end())
        windows_.erase(it);
}

void TThemeNotifier::SourceChanged()
{
    // Windows freed since they registered leave the list; the others are
    // told through their queue, never by a direct call.
    windows_.erase(std::remove_if(windows_.begin(), windows_.end(), [](const auto& w) { return !w.Get(); }),
                   windows_.end());
    if (OnOfficeThemeChange)
        OnOfficeThemeChange(this);
    for (const auto& w : windows_)
        PostMessage(w.Get(), WM_OFFICETHEMECHANGE);
}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner)
{
    if (g_notifier)
        return g_notifier;
    if (AOwner) {
        g_notifier = new TThemeNotifier(AOwner);
    } else {
        ownedNotifier() = std::make_unique<TThemeNotifier>(nullptr);
        g_notifier = ownedNotifier().get();
    }
    return g_notifier;
}
