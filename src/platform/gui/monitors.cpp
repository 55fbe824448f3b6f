// The displays: Qt's screens, or a layout set for tests.
#include <QGuiApplication>
#include <QScreen>

#include <deque>

#include "platform/gui/application.h"

namespace {

std::vector<TMonitorSpec>& layout()
{
    static std::vector<TMonitorSpec> l;
    return l;
}

// The monitor objects live as long as the program; only the first `count`
// describe displays that exist now.
std::deque<TMonitor>& store()
{
    static std::deque<TMonitor> m;
    return m;
}

std::vector<TMonitorSpec> currentDisplays()
{
    if (!layout().empty()) {
        std::vector<TMonitorSpec> l = layout();
        bool primary = false;
        for (TMonitorSpec& s : l) {
            s.Primary = s.Primary && !primary;  // one primary, the first marked
            primary = primary || s.Primary;
        }
        if (!primary)
            l.front().Primary = true;
        return l;
    }
    std::vector<TMonitorSpec> l;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return l;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* s : QGuiApplication::screens())
        l.push_back({TRect::FromQt(s->geometry()), TRect::FromQt(s->availableGeometry()), s == primary});
    return l;
}

// Squared distance from P to the nearest pixel of R.
long long distance2(const TRect& R, TPoint P)
{
    const long long dx = P.X < R.Left ? R.Left - P.X : P.X >= R.Right ? P.X - (R.Right - 1) : 0;
    const long long dy = P.Y < R.Top ? R.Top - P.Y : P.Y >= R.Bottom ? P.Y - (R.Bottom - 1) : 0;
    return dx * dx + dy * dy;
}

}  // namespace

void SetMonitorLayout(std::vector<TMonitorSpec> Layout) { layout() = std::move(Layout); }

int TScreen::RefreshMonitors()
{
    const std::vector<TMonitorSpec> displays = currentDisplays();
    std::deque<TMonitor>& m = store();
    while (m.size() < displays.size())
        m.emplace_back();
    for (size_t i = 0; i < displays.size(); ++i) {
        m[i].num_ = int(i);
        m[i].primary_ = displays[i].Primary;
        m[i].bounds_ = displays[i].Bounds;
        m[i].workarea_ = displays[i].Workarea;
    }
    return int(displays.size());
}

int TScreen::MonitorCount() const { return RefreshMonitors(); }

TMonitor* TScreen::Monitors(int Index) const
{
    const int n = RefreshMonitors();
    return Index >= 0 && Index < n ? &store()[size_t(Index)] : nullptr;
}

TMonitor* TScreen::PrimaryMonitor() const
{
    const int n = RefreshMonitors();
    for (int i = 0; i < n; ++i)
        if (store()[size_t(i)].Primary())
            return &store()[size_t(i)];
    return nullptr;
}

TMonitor* TScreen::MonitorFromPoint(TPoint P, TMonitorDefaultTo Default) const
{
    const int n = RefreshMonitors();
    TMonitor* nearest = nullptr;
    long long best = 0;
    for (int i = 0; i < n; ++i) {
        TMonitor* m = &store()[size_t(i)];
        const long long d = distance2(m->BoundsRect(), P);
        if (d == 0)
            return m;
        if (!nearest || d < best) {
            nearest = m;
            best = d;
        }
    }
    switch (Default) {
    case mdNull: return nullptr;
    case mdPrimary: return PrimaryMonitor();
    default: return nearest;
    }
}
