#pragma once
// The enumerations and event types of the drop-down controls.
#include <functional>

#include "grid/core/grid_types.h"  // TVynStyle, TLabelPosition
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

// The side on which a bar's buttons line up.
enum class TButtonAlignment { baLeft, baRight };
using TButtonAlignment::baLeft, TButtonAlignment::baRight;

// How the drop button's speed button draws itself.
enum class TButtonStyle { bsButton, bsDropDown };
using TButtonStyle::bsButton, TButtonStyle::bsDropDown;

// Where an item's (or a calculator button's) caption sits beside its picture.
enum class TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };
using TItemLayout::ilCaptionLeft, TItemLayout::ilCaptionRight, TItemLayout::ilCaptionTop,
    TItemLayout::ilCaptionBottom;

// ---- events

// The popup is about to open; clearing acceptdrop keeps it closed.
using TDropDown = std::function<void(TObject* Sender, bool& acceptdrop)>;
using TDropUp = std::function<void(TObject* Sender, bool Cancelled)>;
using TClipboardEvent = std::function<void(TObject* Sender, const String& value, bool& allow)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;
using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, const TRect& ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, String& Text)>;
