// Helpers shared by the standard controls' source files.
#pragma once

#include <QEvent>

#include "platform/gui/controls.h"
#include "platform/gui/qt_backend.h"
#include "platform/rtl/stringlist.h"

namespace StdCtrlsDetail {

inline bool isLoading(const TComponent* C) { return C->ComponentState().Contains(TComponentStateItem::csLoading); }

// SetFocus for a click: quietly nothing when the form cannot take it.
inline void focusOnClick(TWinControl* C)
{
    if (C->Focused() || !C->CanFocus())
        return;
    try {
        C->SetFocus();
    } catch (const EInvalidOperation&) {
    }
}

// Event filter of a control that wraps a stock Qt widget: Qt paints it, and
// mouse input becomes messages first (focus, OnMouseDown ...) and then
// reaches the widget (caret, drop-down list); everything else only as
// messages.
inline bool wrappedWidgetEvent(TWinControl* C, QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::Paint:
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        TranslateQtEvent(C, Event);
        return false;
    default:
        return TranslateQtEvent(C, Event);
    }
}

// CR LF, CR or LF -> LF.
inline String toLF(String S)
{
    S.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    S.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return S;
}

inline String joinCRLF(const QStringList& Lines) { return Lines.join(QStringLiteral("\r\n")); }

inline QStringList splitLines(const String& Text)
{
    TStringList l;
    l.SetText(Text);
    return l.ToQStringList();
}

inline TShiftState keyShift(const TMessage& M) { return KeyDataToShiftState(M.KeyData()); }

inline bool isPasteKey(Word VK, TShiftState S)
{
    return (VK == 'V' && S == TShiftState{ssCtrl}) || (VK == VK_INSERT && S == TShiftState{ssShift});
}

inline bool isCutKey(Word VK, TShiftState S)
{
    return (VK == 'X' && S == TShiftState{ssCtrl}) || (VK == VK_DELETE && S == TShiftState{ssShift});
}


}  // namespace StdCtrlsDetail
