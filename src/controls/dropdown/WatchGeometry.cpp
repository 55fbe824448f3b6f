#include "controls/dropdown/WatchGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>


int WatchRound(double X) { return int(std::nearbyint(X)); }

TRect WatchFaceRect(const TRect& Client, int Size)
{
    const int w = Client.Right - Client.Left, h = Client.Bottom - Client.Top;
    int s = Size;
    if (s <= 0)
        s = std::min(w, h) - 20;
    else
        s = std::min({s, w, h});
    const int left = Client.Left + (w - s) / 2, top = Client.Top + (h - s) / 2;
    return TRect{left, top, left + s, top + s};
}

TWatchGeometry MakeWatchGeometry(const TRect& Client, int Size, int BorderWidth)
{
    TWatchGeometry g;
    g.Face = WatchFaceRect(Client, Size);
    const int fw = g.Face.Right - g.Face.Left, fh = g.Face.Bottom - g.Face.Top;
    g.CX = g.Face.Left + fw / 2;
    g.CY = g.Face.Top + fh / 2;
    g.R = fw / 2;
    g.R0 = g.R - BorderWidth / 2;
    return g;
}

TPoint WatchPolar(int CX, int CY, double Angle, double Distance)
{
    const double a = Angle * std::numbers::pi / 180.0;
    return TPoint{WatchRound(CX + std::sin(a) * Distance), WatchRound(CY - std::cos(a) * Distance)};
}

int MinuteFromPoint(int CX, int CY, int X, int Y)
{
    int dy = std::abs(CY - Y), dx = std::abs(CX - X);
    if (dy == 0)
        dy = 1;
    if (dx == 0)
        dx = 1;
    const int f = WatchRound(std::atan(double(dy) / dx) * 180.0 / std::numbers::pi / 6.0);
    int r;
    if (X >= CX && Y >= CY)
        r = f + 15;
    else if (X <= CX && Y >= CY)
        r = 45 - f;
    else if (X <= CX && Y <= CY)
        r = f + 45;
    else
        r = 15 - f;
    return r < 0 || r > 59 ? 0 : r;
}

int HourFromPoint(int CX, int CY, int X, int Y, bool AM)
{
    const int h = WatchRound(MinuteFromPoint(CX, CY, X, Y) / 5.0);
    if (h == 0 || h == 12)
        return AM ? 0 : 12;
    return AM ? h : h + 12;
}

TRect WatchAMPMRect(int CX, int CY, double R, int TextW, int TextH)
{
    const int w = TextW + 8, h = TextH;
    const int left = CX - w / 2, top = CY + WatchRound((R - h) / 3);
    return TRect{left, top, left + w, top + h};
}

int WatchAnimationStep(int Distance, int Factor)
{
    const int f = Factor <= 0 ? 1 : Factor;
    return std::max(1, WatchRound(double(Distance) / f));
}

int MinuteDistance(int M, int Target) { return Target == 0 && M > 30 ? 60 - M : std::abs(Target - M); }

int NextHourTowards(int H, int Target, int Factor)
{
    if (H == Target)
        return H;
    const int step = std::min(WatchAnimationStep(std::abs(Target - H), Factor), std::abs(Target - H));
    return H < Target ? H + step : H - step;
}

int NextMinuteTowards(int M, int Target, int Factor)
{
    if (M == Target)
        return M;
    const int dist = MinuteDistance(M, Target);
    const int step = std::min(WatchAnimationStep(dist, Factor), dist);
    int r = M < Target || (Target == 0 && M > 30) ? M + step : M - step;
    if (r >= 60)
        r = 0;
    return r;
}

THourMinute ApplyMinute(THourMinute Now, int Value, int From)
{
    if (Value == 0 && From > 30)
        Now.Hour = Now.Hour >= 23 ? 0 : Now.Hour + 1;
    Now.Minute = Value;
    return Now;
}
