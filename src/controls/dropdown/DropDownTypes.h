#pragma once
// The enumerations and event types of the drop-down controls.
#include <functional>

#include "platform/gui/canvas.h"
#include "platform/gui/classes.h"

class TCanvas;

enum class TDropPosition { dpAuto, dpDown, dpUp };
using TDropPosition::dpAuto, TDropPosition::dpDown, TDropPosition::dpUp;

enum class TDropDownEditType {
    etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange, etHex,
    etAlphaNumeric, etValidChars
};
using TDropDownEditType::etString, TDropDownEditType::etNumeric, TDropDownEditType::etFloat,
    TDropDownEditType::etUppercase, TDropDownEditType::etMixedCase, TDropDownEditType::etLowerCase,
    TDropDownEditType::etPassword, TDropDownEditType::etMoney, TDropDownEditType::etRange, TDropDownEditType::etHex,
    TDropDownEditType::etAlphaNumeric, TDropDownEditType::etValidChars;

enum class TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };
using TSelectionColorStyle::scCustom, TSelectionColorStyle::scOffice2007, TSelectionColorStyle::scWindowsVista,
    TSelectionColorStyle::scWindows7;

enum class TGradientDirection { gdHorizontal, gdVertical };
using TGradientDirection::gdHorizontal, TGradientDirection::gdVertical;

enum class TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
    lpBottomRight
};
using TLabelPosition::lpLeftTop, TLabelPosition::lpLeftCenter, TLabelPosition::lpLeftBottom,
    TLabelPosition::lpTopLeft, TLabelPosition::lpBottomLeft, TLabelPosition::lpLeftTopLeft,
    TLabelPosition::lpLeftCenterLeft, TLabelPosition::lpLeftBottomLeft, TLabelPosition::lpTopCenter,
    TLabelPosition::lpBottomCenter, TLabelPosition::lpRightTop, TLabelPosition::lpRightCenter,
    TLabelPosition::lpRighBottom, TLabelPosition::lpTopRight, TLabelPosition::lpBottomRight;

// The side on which a bar's buttons line up.
enum class TButtonAlignment { baLeft, baRight };
using TButtonAlignment::baLeft, TButtonAlignment::baRight;

// The component styles (shared with the grid's look).
enum class TVynStyle {
    tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
    tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista, tsWindows7,
    tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black
};
using TVynStyle::tsOffice2003Blue, TVynStyle::tsOffice2003Silver, TVynStyle::tsOffice2003Olive,
    TVynStyle::tsOffice2003Classic, TVynStyle::tsOffice2007Luna, TVynStyle::tsOffice2007Obsidian,
    TVynStyle::tsWindowsXP, TVynStyle::tsWhidbey, TVynStyle::tsCustom, TVynStyle::tsOffice2007Silver,
    TVynStyle::tsWindowsVista, TVynStyle::tsWindows7, TVynStyle::tsTerminal, TVynStyle::tsOffice2010Blue,
    TVynStyle::tsOffice2010Silver, TVynStyle::tsOffice2010Black;

// How the drop button's speed button draws itself.
enum class TButtonStyle { bsButton, bsDropDown };
using TButtonStyle::bsButton, TButtonStyle::bsDropDown;

// ---- events

// The popup is about to open; clearing acceptdrop keeps it closed.
using TDropDown = std::function<void(TObject* Sender, bool& acceptdrop)>;
using TDropUp = std::function<void(TObject* Sender, bool Cancelled)>;
using TClipboardEvent = std::function<void(TObject* Sender, const String& value, bool& allow)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;
using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, const TRect& ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, String& Text)>;
