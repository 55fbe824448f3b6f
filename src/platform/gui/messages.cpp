#include "platform/gui/messages.h"

#include <QHash>

#include "platform/gui/input_state.h"

unsigned RegisterWindowMessage(const String& Name)
{
    static QHash<QString, unsigned> registered;
    const QString key = Name.toLower();
    auto it = registered.constFind(key);
    if (it != registered.constEnd())
        return *it;
    const unsigned id = REGISTERED_MESSAGE_FIRST + unsigned(registered.size());
    registered.insert(key, id);
    return id;
}

int ScanCodeOf(Word VK, bool Keypad, bool* Extended)
{
    bool ext = false;
    int scan = 0;
    // Letters in keyboard order, per row.
    static const char* const kRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    static const int kRowStart[] = {0x10, 0x1E, 0x2C};
    if (VK >= 'A' && VK <= 'Z') {
        for (int r = 0; r < 3; ++r)
            for (int i = 0; kRows[r][i]; ++i)
                if (kRows[r][i] == char(VK))
                    scan = kRowStart[r] + i;
    } else if (VK >= '1' && VK <= '9') {
        scan = 0x02 + (VK - '1');
    } else if (VK >= VK_F1 && VK <= VK_F1 + 9) {
        scan = 0x3B + (VK - VK_F1);
    } else {
        // Keys that exist on the keypad and in the navigation block: the
        // keypad ones are plain, the others extended.
        auto nav = [&](int code) {
            scan = code;
            ext = !Keypad;
        };
        switch (VK) {
        case '0': scan = 0x0B; break;
        case VK_ESCAPE: scan = 0x01; break;
        case VK_OEM_MINUS: scan = 0x0C; break;
        case VK_OEM_PLUS: scan = 0x0D; break;
        case VK_BACK: scan = 0x0E; break;
        case VK_TAB: scan = 0x0F; break;
        case VK_OEM_4: scan = 0x1A; break;
        case VK_OEM_6: scan = 0x1B; break;
        case VK_RETURN: scan = 0x1C; ext = Keypad; break;
        case VK_CONTROL: case VK_LCONTROL: scan = 0x1D; break;
        case VK_RCONTROL: scan = 0x1D; ext = true; break;
        case VK_OEM_1: scan = 0x27; break;
        case VK_OEM_7: scan = 0x28; break;
        case VK_OEM_3: scan = 0x29; break;
        case VK_SHIFT: case VK_LSHIFT: scan = 0x2A; break;
        case VK_OEM_5: scan = 0x2B; break;
        case VK_OEM_COMMA: scan = 0x33; break;
        case VK_OEM_PERIOD: scan = 0x34; break;
        case VK_OEM_2: scan = 0x35; break;
        case VK_RSHIFT: scan = 0x36; break;
        case VK_MULTIPLY: scan = 0x37; break;
        case VK_MENU: case VK_LMENU: scan = 0x38; break;
        case VK_RMENU: scan = 0x38; ext = true; break;
        case VK_SPACE: scan = 0x39; break;
        case VK_CAPITAL: scan = 0x3A; break;
        case VK_NUMLOCK: scan = 0x45; break;
        case VK_SCROLL: scan = 0x46; break;
        case VK_NUMPAD7: scan = 0x47; break;
        case VK_NUMPAD8: scan = 0x48; break;
        case VK_NUMPAD9: scan = 0x49; break;
        case VK_SUBTRACT: scan = 0x4A; break;
        case VK_NUMPAD4: scan = 0x4B; break;
        case VK_NUMPAD5: case VK_CLEAR: scan = 0x4C; break;
        case VK_NUMPAD6: scan = 0x4D; break;
        case VK_ADD: scan = 0x4E; break;
        case VK_NUMPAD1: scan = 0x4F; break;
        case VK_NUMPAD2: scan = 0x50; break;
        case VK_NUMPAD3: scan = 0x51; break;
        case VK_NUMPAD0: scan = 0x52; break;
        case VK_DECIMAL: scan = 0x53; break;
        case VK_DIVIDE: scan = 0x35; ext = true; break;
        case VK_HOME: nav(0x47); break;
        case VK_UP: nav(0x48); break;
        case VK_PRIOR: nav(0x49); break;
        case VK_LEFT: nav(0x4B); break;
        case VK_RIGHT: nav(0x4D); break;
        case VK_END: nav(0x4F); break;
        case VK_DOWN: nav(0x50); break;
        case VK_NEXT: nav(0x51); break;
        case VK_INSERT: nav(0x52); break;
        case VK_DELETE: nav(0x53); break;
        case VK_OEM_102: scan = 0x56; break;
        case VK_F11: scan = 0x57; break;
        case VK_F12: scan = 0x58; break;
        case VK_LWIN: scan = 0x5B; ext = true; break;
        case VK_RWIN: scan = 0x5C; ext = true; break;
        case VK_APPS: scan = 0x5D; ext = true; break;
        default: break;
        }
    }
    if (Extended)
        *Extended = ext;
    return scan;
}

intptr_t MakeKeyData(Word VK, bool Keypad, bool AltDown, bool PreviouslyDown, bool Releasing)
{
    bool ext = false;
    const int scan = ScanCodeOf(VK, Keypad, &ext);
    intptr_t data = 1 | (intptr_t(scan & 0xFF) << 16);
    if (ext)
        data |= KEYDATA_EXTENDED;
    if (AltDown)
        data |= KEYDATA_ALTDOWN;
    if (PreviouslyDown || Releasing)
        data |= KEYDATA_PREVDOWN;
    if (Releasing)
        data |= KEYDATA_UP;
    return data;
}

TShiftState KeysToShiftState(unsigned Keys)
{
    TShiftState s;
    if (Keys & MK_SHIFT)
        s.Include(ssShift);
    if (Keys & MK_CONTROL)
        s.Include(ssCtrl);
    if (Keys & MK_LBUTTON)
        s.Include(ssLeft);
    if (Keys & MK_RBUTTON)
        s.Include(ssRight);
    if (Keys & MK_MBUTTON)
        s.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0)
        s.Include(ssAlt);
    return s;
}

TShiftState KeyDataToShiftState(intptr_t KeyData)
{
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0)
        s.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0)
        s.Include(ssCtrl);
    if (KeyData & KEYDATA_ALTDOWN)
        s.Include(ssAlt);
    return s;
}

unsigned ShiftStateToKeys(TShiftState Shift)
{
    unsigned k = 0;
    if (Shift.Contains(ssShift))
        k |= MK_SHIFT;
    if (Shift.Contains(ssCtrl))
        k |= MK_CONTROL;
    if (Shift.Contains(ssLeft))
        k |= MK_LBUTTON;
    if (Shift.Contains(ssRight))
        k |= MK_RBUTTON;
    if (Shift.Contains(ssMiddle))
        k |= MK_MBUTTON;
    return k;
}

QChar CharFromVirtualKey(Word VK, TShiftState Shift)
{
    const bool shift = Shift.Contains(ssShift);
    const bool ctrl = Shift.Contains(ssCtrl);
    if (ctrl && Shift.Contains(ssAlt))
        return QChar();  // AltGr on a US layout types nothing
    if (ctrl) {
        if (VK >= 'A' && VK <= 'Z')
            return QChar(char16_t(VK - 'A' + 1));
        switch (VK) {
        case VK_OEM_4: return QChar(char16_t(27));
        case VK_OEM_5: return QChar(char16_t(28));
        case VK_OEM_6: return QChar(char16_t(29));
        case VK_RETURN: return QChar(char16_t(10));
        case VK_BACK: return QChar(char16_t(127));
        case VK_SPACE: return QChar(u' ');
        case VK_CANCEL: return QChar(char16_t(3));
        case '6': return shift ? QChar(char16_t(30)) : QChar();
        case VK_OEM_MINUS: return shift ? QChar(char16_t(31)) : QChar();
        default: return QChar();
        }
    }
    if (VK >= 'A' && VK <= 'Z')
        return QChar(char16_t(shift ? VK : VK - 'A' + 'a'));
    if (VK >= '0' && VK <= '9')
        return QChar(char16_t(shift ? u")!@#$%^&*("[VK - '0'] : VK));
    if (VK >= VK_NUMPAD0 && VK <= VK_NUMPAD9)
        return QChar(char16_t('0' + (VK - VK_NUMPAD0)));
    struct Oem {
        Word vk;
        char16_t plain, shifted;
    };
    static constexpr Oem kOem[] = {
        {VK_OEM_1, u';', u':'},      {VK_OEM_PLUS, u'=', u'+'}, {VK_OEM_COMMA, u',', u'<'},
        {VK_OEM_MINUS, u'-', u'_'},  {VK_OEM_PERIOD, u'.', u'>'}, {VK_OEM_2, u'/', u'?'},
        {VK_OEM_3, u'`', u'~'},      {VK_OEM_4, u'[', u'{'},    {VK_OEM_5, u'\\', u'|'},
        {VK_OEM_6, u']', u'}'},      {VK_OEM_7, u'\'', u'"'},   {VK_OEM_102, u'\\', u'|'},
    };
    for (const Oem& o : kOem)
        if (o.vk == VK)
            return QChar(shift ? o.shifted : o.plain);
    switch (VK) {
    case VK_SPACE: return QChar(u' ');
    case VK_BACK: return QChar(char16_t(8));
    case VK_TAB: return QChar(char16_t(9));
    case VK_RETURN: return QChar(char16_t(13));
    case VK_ESCAPE: return QChar(char16_t(27));
    case VK_MULTIPLY: return QChar(u'*');
    case VK_ADD: return QChar(u'+');
    case VK_SUBTRACT: return QChar(u'-');
    case VK_DIVIDE: return QChar(u'/');
    case VK_DECIMAL: return QChar(u'.');
    default: return QChar();
    }
}
