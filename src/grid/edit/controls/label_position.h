#pragma once
// Where an editor control places its attached label.
enum class TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom
};
using TLabelPosition::lpLeftTop, TLabelPosition::lpLeftCenter, TLabelPosition::lpLeftBottom,
    TLabelPosition::lpTopLeft, TLabelPosition::lpBottomLeft, TLabelPosition::lpLeftTopLeft,
    TLabelPosition::lpLeftCenterLeft, TLabelPosition::lpLeftBottomLeft, TLabelPosition::lpTopCenter,
    TLabelPosition::lpBottomCenter, TLabelPosition::lpRightTop, TLabelPosition::lpRightCenter,
    TLabelPosition::lpRighBottom;
