#pragma once
// Window messages, virtual keys and the small helpers that read them.
//
// Every input and notification a control receives is a TMessage with the
// classic identifier and the classic packing of WParam and LParam, so that a
// message handler reads its arguments as it would on the platform the dialogs
// were designed for. The identifiers keep their platform values.
//
// Packing used by the layer:
// - mouse button and move messages: WParam = MK_* flags (the buttons held and
//   Shift/Ctrl after the event), LParam = MAKELPARAM(x, y) in the receiving
//   control's client coordinates (signed 16 bits each, so a captured mouse
//   left of or above the control gives negative values). Alt is not an MK_*
//   flag: KeysToShiftState reads it from the input state, as the platform does.
// - WM_MOUSEWHEEL: WParam = MAKEWPARAM(MK_* flags, delta) with the delta in
//   WHEEL_DELTA (120) units per notch, positive away from the user; LParam =
//   MAKELPARAM(x, y) in SCREEN coordinates.
// - key messages: WParam = the virtual key (VK_*) or, for WM_CHAR, the UTF-16
//   character; LParam = the key data (see MakeKeyData).
// - WM_SETFOCUS / WM_KILLFOCUS: WParam = the QWidget* (window handle) of the
//   control losing / receiving the focus, 0 for none (FindControl maps it
//   back to the control).
// - WM_PAINT / WM_ERASEBKGND: WParam = the QPainter* to draw with (the
//   "device context"); it is already clipped to the area being repainted.
// - WM_SIZE: WParam = SIZE_RESTORED, LParam = MAKELPARAM(ClientWidth, ClientHeight).
// - WM_TIMER: WParam = the timer id given to SetTimer.
// - WM_COMMAND / WM_NOTIFY: LParam = the QWidget* of the source control; the
//   parent reflects them to that control as CN_COMMAND / CN_NOTIFY.
#include <QChar>

#include <cstdint>

#include "platform/gui/graphics.h"
#include "platform/rtl/set.h"
#include "platform/rtl/strings.h"

class TControl;

using Word = uint16_t;

// ---- the message --------------------------------------------------------------------------

struct TMessage {
    unsigned Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;

    // Typed readers of the common packings (see the file comment).
    Word WParamLo() const { return Word(WParam & 0xFFFF); }
    Word WParamHi() const { return Word((uintptr_t(WParam) >> 16) & 0xFFFF); }
    Word LParamLo() const { return Word(LParam & 0xFFFF); }
    Word LParamHi() const { return Word((uintptr_t(LParam) >> 16) & 0xFFFF); }
    // Mouse messages.
    unsigned Keys() const { return unsigned(WParam); }
    int XPos() const { return int16_t(LParam & 0xFFFF); }
    int YPos() const { return int16_t((uintptr_t(LParam) >> 16) & 0xFFFF); }
    TPoint Pos() const { return {XPos(), YPos()}; }
    // Key and character messages.
    Word CharCode() const { return Word(WParam); }
    void SetCharCode(Word Value) { WParam = Value; }
    intptr_t KeyData() const { return LParam; }
    // WM_MOUSEWHEEL.
    int WheelDelta() const { return int16_t(WParamHi()); }
    // WM_TIMER.
    uintptr_t TimerID() const { return uintptr_t(WParam); }
};

constexpr intptr_t MAKELPARAM(int Lo, int Hi) { return intptr_t(uint32_t(uint16_t(Lo)) | (uint32_t(uint16_t(Hi)) << 16)); }
constexpr intptr_t MAKEWPARAM(int Lo, int Hi) { return MAKELPARAM(Lo, Hi); }
constexpr Word LOWORD(intptr_t V) { return Word(V & 0xFFFF); }
constexpr Word HIWORD(intptr_t V) { return Word((uintptr_t(V) >> 16) & 0xFFFF); }
constexpr int GET_X_LPARAM(intptr_t L) { return int16_t(L & 0xFFFF); }
constexpr int GET_Y_LPARAM(intptr_t L) { return int16_t((uintptr_t(L) >> 16) & 0xFFFF); }
constexpr intptr_t PointToSmallPoint(TPoint P) { return MAKELPARAM(P.X, P.Y); }
constexpr TPoint SmallPointToPoint(intptr_t L) { return {GET_X_LPARAM(L), GET_Y_LPARAM(L)}; }

// Registers a message name (case-insensitive) and returns its number: the
// same name always gives the same number, starting at 0xC000.
unsigned RegisterWindowMessage(const String& Name);

// ---- window messages ------------------------------------------------------------------------

constexpr unsigned WM_NULL = 0x0000;
constexpr unsigned WM_CREATE = 0x0001;
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_MOVE = 0x0003;
constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_SETFOCUS = 0x0007;
constexpr unsigned WM_KILLFOCUS = 0x0008;
constexpr unsigned WM_ENABLE = 0x000A;
constexpr unsigned WM_SETREDRAW = 0x000B;
constexpr unsigned WM_SETTEXT = 0x000C;
constexpr unsigned WM_GETTEXT = 0x000D;
constexpr unsigned WM_GETTEXTLENGTH = 0x000E;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_ERASEBKGND = 0x0014;
constexpr unsigned WM_SHOWWINDOW = 0x0018;
constexpr unsigned WM_CANCELMODE = 0x001F;
constexpr unsigned WM_SETCURSOR = 0x0020;
constexpr unsigned WM_MOUSEACTIVATE = 0x0021;
constexpr unsigned WM_SETFONT = 0x0030;
constexpr unsigned WM_GETFONT = 0x0031;
constexpr unsigned WM_WINDOWPOSCHANGED = 0x0047;
constexpr unsigned WM_NOTIFY = 0x004E;
constexpr unsigned WM_CONTEXTMENU = 0x007B;
constexpr unsigned WM_NCHITTEST = 0x0084;
constexpr unsigned WM_NCPAINT = 0x0085;
constexpr unsigned WM_GETDLGCODE = 0x0087;
constexpr unsigned WM_KEYFIRST = 0x0100;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned WM_CHAR = 0x0102;
constexpr unsigned WM_DEADCHAR = 0x0103;
constexpr unsigned WM_SYSKEYDOWN = 0x0104;
constexpr unsigned WM_SYSKEYUP = 0x0105;
constexpr unsigned WM_SYSCHAR = 0x0106;
constexpr unsigned WM_SYSDEADCHAR = 0x0107;
constexpr unsigned WM_KEYLAST = 0x0108;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_SYSCOMMAND = 0x0112;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_HSCROLL = 0x0114;
constexpr unsigned WM_VSCROLL = 0x0115;
constexpr unsigned WM_MOUSEFIRST = 0x0200;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_RBUTTONUP = 0x0205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x0206;
constexpr unsigned WM_MBUTTONDOWN = 0x0207;
constexpr unsigned WM_MBUTTONUP = 0x0208;
constexpr unsigned WM_MBUTTONDBLCLK = 0x0209;
constexpr unsigned WM_MOUSEWHEEL = 0x020A;
constexpr unsigned WM_MOUSEHWHEEL = 0x020E;
constexpr unsigned WM_MOUSELAST = 0x020E;
constexpr unsigned WM_CAPTURECHANGED = 0x0215;
constexpr unsigned WM_MOUSEHOVER = 0x02A1;
constexpr unsigned WM_MOUSELEAVE = 0x02A3;
constexpr unsigned WM_CUT = 0x0300;
constexpr unsigned WM_COPY = 0x0301;
constexpr unsigned WM_PASTE = 0x0302;
constexpr unsigned WM_CLEAR = 0x0303;
constexpr unsigned WM_UNDO = 0x0304;
constexpr unsigned WM_THEMECHANGED = 0x031A;
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned WM_APP = 0x8000;

// WM_SIZE kinds.
constexpr intptr_t SIZE_RESTORED = 0;
constexpr intptr_t SIZE_MINIMIZED = 1;
constexpr intptr_t SIZE_MAXIMIZED = 2;

// WM_SETCURSOR / WM_NCHITTEST hit codes.
constexpr int HTERROR = -2;
constexpr int HTTRANSPARENT = -1;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;

// Mouse key flags (WParam of mouse messages).
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;
constexpr unsigned MK_MBUTTON = 0x0010;
constexpr unsigned MK_XBUTTON1 = 0x0020;
constexpr unsigned MK_XBUTTON2 = 0x0040;

constexpr int WHEEL_DELTA = 120;
// Lines per notch meaning "one page".
constexpr unsigned WHEEL_PAGESCROLL = 0xFFFFFFFFu;

// Scroll codes (LOWORD(WParam) of WM_HSCROLL / WM_VSCROLL; HIWORD = position
// for SB_THUMBPOSITION and SB_THUMBTRACK; LParam = the bar's QWidget* or 0
// for the window's own bar).
constexpr int SB_LINEUP = 0;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_LEFT = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_RIGHT = 7;
constexpr int SB_ENDSCROLL = 8;
// Bars.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

// WM_GETDLGCODE answers: which keys a control wants for itself instead of
// the dialog navigation.
constexpr intptr_t DLGC_WANTARROWS = 0x0001;
constexpr intptr_t DLGC_WANTTAB = 0x0002;
constexpr intptr_t DLGC_WANTALLKEYS = 0x0004;
constexpr intptr_t DLGC_WANTMESSAGE = 0x0004;
constexpr intptr_t DLGC_HASSETSEL = 0x0008;
constexpr intptr_t DLGC_DEFPUSHBUTTON = 0x0010;
constexpr intptr_t DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr intptr_t DLGC_RADIOBUTTON = 0x0040;
constexpr intptr_t DLGC_WANTCHARS = 0x0080;
constexpr intptr_t DLGC_STATIC = 0x0100;
constexpr intptr_t DLGC_BUTTON = 0x2000;

// WM_COMMAND notification codes (HIWORD(WParam)).
constexpr int BN_CLICKED = 0;
constexpr int EN_SETFOCUS = 0x0100;
constexpr int EN_KILLFOCUS = 0x0200;
constexpr int EN_CHANGE = 0x0300;
constexpr int EN_UPDATE = 0x0400;
constexpr int EN_MAXTEXT = 0x0501;
constexpr int CBN_SELCHANGE = 1;
constexpr int CBN_DBLCLK = 2;
constexpr int CBN_SETFOCUS = 3;
constexpr int CBN_KILLFOCUS = 4;
constexpr int CBN_EDITCHANGE = 5;
constexpr int CBN_EDITUPDATE = 6;
constexpr int CBN_DROPDOWN = 7;
constexpr int CBN_CLOSEUP = 8;
constexpr int CBN_SELENDOK = 9;
constexpr int CBN_SELENDCANCEL = 10;

// WM_NOTIFY: LParam points to an NMHDR (or a structure starting with one).
struct NMHDR {
    TControl* hwndFrom = nullptr;
    uintptr_t idFrom = 0;
    int code = 0;
};
constexpr int TTN_FIRST = -520;
constexpr int TTN_GETDISPINFOA = TTN_FIRST - 0;
constexpr int TTN_SHOW = TTN_FIRST - 1;
constexpr int TTN_POP = TTN_FIRST - 2;
constexpr int TTN_GETDISPINFOW = TTN_FIRST - 10;

// Edit control messages.
constexpr unsigned EM_GETSEL = 0x00B0;
constexpr unsigned EM_SETSEL = 0x00B1;
constexpr unsigned EM_GETRECT = 0x00B2;
constexpr unsigned EM_SETRECT = 0x00B3;
constexpr unsigned EM_SETRECTNP = 0x00B4;
constexpr unsigned EM_SCROLL = 0x00B5;
constexpr unsigned EM_LINESCROLL = 0x00B6;
constexpr unsigned EM_SCROLLCARET = 0x00B7;
constexpr unsigned EM_GETMODIFY = 0x00B8;
constexpr unsigned EM_SETMODIFY = 0x00B9;
constexpr unsigned EM_GETLINECOUNT = 0x00BA;
constexpr unsigned EM_LINEINDEX = 0x00BB;
constexpr unsigned EM_LINELENGTH = 0x00C1;
constexpr unsigned EM_REPLACESEL = 0x00C2;
constexpr unsigned EM_GETLINE = 0x00C4;
constexpr unsigned EM_LIMITTEXT = 0x00C5;
constexpr unsigned EM_SETLIMITTEXT = EM_LIMITTEXT;
constexpr unsigned EM_CANUNDO = 0x00C6;
constexpr unsigned EM_UNDO = 0x00C7;
constexpr unsigned EM_LINEFROMCHAR = 0x00C9;
constexpr unsigned EM_SETTABSTOPS = 0x00CB;
constexpr unsigned EM_SETPASSWORDCHAR = 0x00CC;
constexpr unsigned EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr unsigned EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr unsigned EM_SETREADONLY = 0x00CF;
constexpr unsigned EM_GETPASSWORDCHAR = 0x00D2;
constexpr unsigned EM_SETMARGINS = 0x00D3;
constexpr unsigned EM_GETMARGINS = 0x00D4;
constexpr unsigned EM_GETLIMITTEXT = 0x00D5;
constexpr unsigned EM_POSFROMCHAR = 0x00D6;
constexpr unsigned EM_CHARFROMPOS = 0x00D7;
constexpr intptr_t EC_LEFTMARGIN = 0x0001;
constexpr intptr_t EC_RIGHTMARGIN = 0x0002;

// ---- control messages (the component layer's own) -----------------------------------------

constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
constexpr unsigned CM_DEACTIVATE = CM_BASE + 1;
constexpr unsigned CM_GOTFOCUS = CM_BASE + 2;
constexpr unsigned CM_LOSTFOCUS = CM_BASE + 3;
constexpr unsigned CM_CANCELMODE = CM_BASE + 4;
constexpr unsigned CM_DIALOGKEY = CM_BASE + 5;
constexpr unsigned CM_DIALOGCHAR = CM_BASE + 6;
constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 7;
constexpr unsigned CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr unsigned CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr unsigned CM_HITTEST = CM_BASE + 10;
constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 11;
constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr unsigned CM_COLORCHANGED = CM_BASE + 13;
constexpr unsigned CM_FONTCHANGED = CM_BASE + 14;
constexpr unsigned CM_CURSORCHANGED = CM_BASE + 15;
constexpr unsigned CM_TEXTCHANGED = CM_BASE + 18;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;
// A button of a group went down (WParam: the group index, LParam: the
// button); its siblings of the same group go up.
constexpr unsigned CM_BUTTONPRESSED = CM_BASE + 24;
constexpr unsigned CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr unsigned CM_ENTER = CM_BASE + 26;
constexpr unsigned CM_EXIT = CM_BASE + 27;
constexpr unsigned CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr unsigned CM_RELEASE = CM_BASE + 33;
constexpr unsigned CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr unsigned CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr unsigned CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr unsigned CM_TABSTOPCHANGED = CM_BASE + 40;
// Sent to a control that has just received the focus.
constexpr unsigned CM_UIACTIVATE = CM_BASE + 41;
constexpr unsigned CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr unsigned CM_CHILDKEY = CM_BASE + 46;
// Drag and drop: WParam = TDragMessage, LParam = TDragRec* (dragdrop.h).
constexpr unsigned CM_DRAG = CM_BASE + 47;
constexpr unsigned CM_HINTSHOW = CM_BASE + 48;
constexpr unsigned CM_INVALIDATE = CM_BASE + 52;
constexpr unsigned CM_BORDERCHANGED = CM_BASE + 59;
// The wheel, offered to a control (WParam = shift state bits in the low word
// (TShiftState::Bits), delta in the high word; LParam = screen position);
// Result 1 = handled. Unhandled, it goes on to the parent.
constexpr unsigned CM_MOUSEWHEEL = CM_BASE + 67;
// The platform's look (style) changed.
constexpr unsigned CM_STYLECHANGED = CM_BASE + 81;

// Notifications reflected back to the control they are about.
constexpr unsigned CN_BASE = 0xBC00;
constexpr unsigned CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr unsigned CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr unsigned CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr unsigned CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr unsigned CN_CHAR = CN_BASE + WM_CHAR;
constexpr unsigned CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr unsigned CN_SYSKEYUP = CN_BASE + WM_SYSKEYUP;
constexpr unsigned CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr unsigned CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr unsigned CN_VSCROLL = CN_BASE + WM_VSCROLL;

// First number handed out by RegisterWindowMessage.
constexpr unsigned REGISTERED_MESSAGE_FIRST = 0xC000;

// ---- virtual keys ---------------------------------------------------------------------------
// Letters and digits are their upper-case ASCII codes ('A'..'Z', '0'..'9').

constexpr Word VK_LBUTTON = 0x01;
constexpr Word VK_RBUTTON = 0x02;
constexpr Word VK_CANCEL = 0x03;
constexpr Word VK_MBUTTON = 0x04;
constexpr Word VK_XBUTTON1 = 0x05;
constexpr Word VK_XBUTTON2 = 0x06;
constexpr Word VK_BACK = 0x08;
constexpr Word VK_TAB = 0x09;
constexpr Word VK_CLEAR = 0x0C;
constexpr Word VK_RETURN = 0x0D;
constexpr Word VK_SHIFT = 0x10;
constexpr Word VK_CONTROL = 0x11;
constexpr Word VK_MENU = 0x12;
constexpr Word VK_PAUSE = 0x13;
constexpr Word VK_CAPITAL = 0x14;
constexpr Word VK_ESCAPE = 0x1B;
constexpr Word VK_SPACE = 0x20;
// The navigation block keeps this order: range checks PRIOR..DOWN rely on it.
constexpr Word VK_PRIOR = 0x21;
constexpr Word VK_NEXT = 0x22;
constexpr Word VK_END = 0x23;
constexpr Word VK_HOME = 0x24;
constexpr Word VK_LEFT = 0x25;
constexpr Word VK_UP = 0x26;
constexpr Word VK_RIGHT = 0x27;
constexpr Word VK_DOWN = 0x28;
constexpr Word VK_SELECT = 0x29;
constexpr Word VK_PRINT = 0x2A;
constexpr Word VK_EXECUTE = 0x2B;
constexpr Word VK_SNAPSHOT = 0x2C;
constexpr Word VK_INSERT = 0x2D;
constexpr Word VK_DELETE = 0x2E;
constexpr Word VK_HELP = 0x2F;
constexpr Word VK_LWIN = 0x5B;
constexpr Word VK_RWIN = 0x5C;
constexpr Word VK_APPS = 0x5D;
constexpr Word VK_NUMPAD0 = 0x60;
constexpr Word VK_NUMPAD1 = 0x61;
constexpr Word VK_NUMPAD2 = 0x62;
constexpr Word VK_NUMPAD3 = 0x63;
constexpr Word VK_NUMPAD4 = 0x64;
constexpr Word VK_NUMPAD5 = 0x65;
constexpr Word VK_NUMPAD6 = 0x66;
constexpr Word VK_NUMPAD7 = 0x67;
constexpr Word VK_NUMPAD8 = 0x68;
constexpr Word VK_NUMPAD9 = 0x69;
constexpr Word VK_MULTIPLY = 0x6A;
constexpr Word VK_ADD = 0x6B;
constexpr Word VK_SEPARATOR = 0x6C;
constexpr Word VK_SUBTRACT = 0x6D;
constexpr Word VK_DECIMAL = 0x6E;
constexpr Word VK_DIVIDE = 0x6F;
constexpr Word VK_F1 = 0x70;
constexpr Word VK_F2 = 0x71;
constexpr Word VK_F3 = 0x72;
constexpr Word VK_F4 = 0x73;
constexpr Word VK_F5 = 0x74;
constexpr Word VK_F6 = 0x75;
constexpr Word VK_F7 = 0x76;
constexpr Word VK_F8 = 0x77;
constexpr Word VK_F9 = 0x78;
constexpr Word VK_F10 = 0x79;
constexpr Word VK_F11 = 0x7A;
constexpr Word VK_F12 = 0x7B;
constexpr Word VK_F24 = 0x87;
constexpr Word VK_NUMLOCK = 0x90;
constexpr Word VK_SCROLL = 0x91;
constexpr Word VK_LSHIFT = 0xA0;
constexpr Word VK_RSHIFT = 0xA1;
constexpr Word VK_LCONTROL = 0xA2;
constexpr Word VK_RCONTROL = 0xA3;
constexpr Word VK_LMENU = 0xA4;
constexpr Word VK_RMENU = 0xA5;
constexpr Word VK_OEM_1 = 0xBA;       // ;:
constexpr Word VK_OEM_PLUS = 0xBB;    // =+
constexpr Word VK_OEM_COMMA = 0xBC;   // ,<
constexpr Word VK_OEM_MINUS = 0xBD;   // -_
constexpr Word VK_OEM_PERIOD = 0xBE;  // .>
constexpr Word VK_OEM_2 = 0xBF;       // /?
constexpr Word VK_OEM_3 = 0xC0;       // `~
constexpr Word VK_OEM_4 = 0xDB;       // [{
constexpr Word VK_OEM_5 = 0xDC;       // \|
constexpr Word VK_OEM_6 = 0xDD;       // ]}
constexpr Word VK_OEM_7 = 0xDE;       // '"
constexpr Word VK_OEM_102 = 0xE2;

// ---- key data (LParam of key and character messages) ----------------------------------------
//
// bits 0-15 repeat count (always 1), bits 16-23 the key's scan code (PC set 1),
// bit 24 extended key, bit 29 Alt held, bit 30 key was already down (auto
// repeat; always set for key up), bit 31 key being released.
//
// Keys of the numeric keypad have scan codes 0x47..0x53, so bit 22 (bit 6 of
// the scan code, KEYDATA_SCANBIT6) is set for them: in WM_CHAR that bit tells
// the keypad '.' (scan 0x53) from the main '.' (scan 0x34). As on the
// platform, the navigation block shares those scan codes (with bit 24 set),
// and F7-F12 have the bit too.
constexpr intptr_t KEYDATA_EXTENDED = intptr_t(1) << 24;
constexpr intptr_t KEYDATA_SCANBIT6 = intptr_t(1) << 22;
constexpr intptr_t KEYDATA_ALTDOWN = intptr_t(1) << 29;
constexpr intptr_t KEYDATA_PREVDOWN = intptr_t(1) << 30;
constexpr intptr_t KEYDATA_UP = intptr_t(1) << 31;
// The same flags as seen in HIWORD(KeyData).
constexpr Word KF_EXTENDED = 0x0100;
constexpr Word KF_ALTDOWN = 0x2000;
constexpr Word KF_REPEAT = 0x4000;
constexpr Word KF_UP = 0x8000;

// The PC scan code of a virtual key (0 when it has none); Keypad selects the
// keypad key for the keys that exist twice (Return, navigation keys, digits
// with Num Lock off). Extended is set for the keys the platform flags so
// (navigation block, right Ctrl/Alt, keypad Enter and '/').
int ScanCodeOf(Word VK, bool Keypad, bool* Extended = nullptr);
// The key data of a key message: scan code and flags as described above.
intptr_t MakeKeyData(Word VK, bool Keypad, bool AltDown, bool PreviouslyDown, bool Releasing);


// ---- shift state and buttons ------------------------------------------------------------------

enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateItem>;
using TShiftStateItem::ssShift, TShiftStateItem::ssAlt, TShiftStateItem::ssCtrl, TShiftStateItem::ssLeft,
    TShiftStateItem::ssRight, TShiftStateItem::ssMiddle, TShiftStateItem::ssDouble;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TMouseButton::mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle;

// MK_* flags -> shift state; Alt comes from the input state (GetKeyState).
TShiftState KeysToShiftState(unsigned Keys);
// Key data -> shift state: Shift and Ctrl from the input state, Alt from bit 29.
TShiftState KeyDataToShiftState(intptr_t KeyData);
// Shift state -> MK_* flags (Alt and ssDouble have none).
unsigned ShiftStateToKeys(TShiftState Shift);

// The character a key stroke types on a US keyboard layout, as the platform's
// key translation produces it: letters (Shift for upper case), digits and
// punctuation with their shifted forms, keypad digits and operators, Space,
// Backspace 8, Tab 9, Return 13 (Ctrl+Return 10), Esc 27, Ctrl+letter 1..26,
// Ctrl+[ 27, Ctrl+\ 28, Ctrl+] 29, Ctrl+Backspace 127. Returns a null QChar
// for keys that type nothing (arrows, F-keys, modifiers, Ctrl+digit ...).
QChar CharFromVirtualKey(Word VK, TShiftState Shift);
