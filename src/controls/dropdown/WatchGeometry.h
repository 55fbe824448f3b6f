#pragma once
// The geometry and time arithmetic of the analog watch, without a window.
// Angles are degrees clockwise from 12 o'clock; real numbers become pixels
// by WatchRound (the nearest integer, a half to the even neighbour).
#include "platform/gui/graphics.h"

int WatchRound(double X);

struct TWatchGeometry {
    TRect Face;     // the face square
    int CX = 0, CY = 0;
    double R = 0;   // face width div 2
    double R0 = 0;  // R - BorderWidth div 2
};

// Size <= 0: the smaller of the client's width and height less 20; else Size
// cut to the client's width and height; the square is centred in Client.
TRect WatchFaceRect(const TRect& Client, int Size);
TWatchGeometry MakeWatchGeometry(const TRect& Client, int Size, int BorderWidth);
// The point at Angle and Distance from (CX, CY).
TPoint WatchPolar(int CX, int CY, double Angle, double Distance);

// The minute a point points at (0..59; straight up 0).
int MinuteFromPoint(int CX, int CY, int X, int Y);
// The hour a point points at: 0..11 in the morning half (AM), 12..23 in
// the afternoon half; the 12 o'clock position gives 0 or 12.
int HourFromPoint(int CX, int CY, int X, int Y, bool AM);

// The box of the AM/PM text ("AM" measured TextW x TextH) below the centre.
TRect WatchAMPMRect(int CX, int CY, double R, int TextW, int TextH);

// ---- animation
// One glide step over Distance with Factor (0 counts as 1): the nearest of
// Distance / Factor, at least 1.
int WatchAnimationStep(int Distance, int Factor);
// The way from minute M to Target: forward over 59 -> 0 when the target is
// 0 and M lies above 30.
int MinuteDistance(int M, int Target);
// The next hour or minute of a glide towards Target with Factor.
int NextHourTowards(int H, int Target, int Factor);
int NextMinuteTowards(int M, int Target, int Factor);

// ---- time sets
struct THourMinute {
    int Hour = 0, Minute = 0;
    bool operator==(const THourMinute&) const = default;
};
// A minute set without a glide: minute 0 from a minute above 30 (From)
// advances the hour (23 to 0).
THourMinute ApplyMinute(THourMinute Now, int Value, int From);
