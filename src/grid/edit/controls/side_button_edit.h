#pragma once
// A one-line edit with controls of its own at its right edge (the spin
// arrows, the edit button): whenever the edit's size, font or border style
// changes, the derived class lays its controls and the text area out again.
#include "platform/gui/buttons.h"
#include "platform/gui/mask.h"

class TSideButtonMaskEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;

protected:
    // Places the side controls and the text margins.
    virtual void UpdateLayout() {}

    // While the text cannot be edited (Editable false) the paste and cut
    // keys do nothing; paste and cut messages go through the edit's own
    // clipboard operations, and nowhere while not editable. True when the
    // message was handled here.
    bool HandleClipboardMessage(TMessage& Message, bool Editable)
    {
        if (Message.Msg == WM_KEYDOWN && !Editable) {
            const Word vk = Word(Message.CharCode());
            const TShiftState s = KeyDataToShiftState(Message.KeyData());
            if (((vk == 'V' || vk == 'X') && s == TShiftState{ssCtrl}) ||
                ((vk == VK_INSERT || vk == VK_DELETE) && s == TShiftState{ssShift}))
                return true;
        }
        if (Message.Msg == WM_PASTE || Message.Msg == WM_CUT) {
            if (Editable)
                Message.Msg == WM_PASTE ? PasteFromClipboard() : CutToClipboard();
            return true;
        }
        return false;
    }

    void WMSize(TMessage& Message) override
    {
        TCustomMaskEdit::WMSize(Message);
        UpdateLayout();
    }
    void WndProc(TMessage& Message) override
    {
        TCustomMaskEdit::WndProc(Message);
        if (Message.Msg == CM_BORDERCHANGED)
            UpdateLayout();
    }
    void CMFontChanged(TMessage& Message) override
    {
        TCustomMaskEdit::CMFontChanged(Message);
        UpdateLayout();
    }
};

// The speed buttons of those side controls: the themed look only with
// IsWinXP, and a hot state while the pointer is over the button; each
// change repaints.
class THotSpeedButton : public TSpeedButton {
public:
    using TSpeedButton::TSpeedButton;

    bool IsWinXP() const { return isWinXP_; }
    void SetIsWinXP(bool Value)
    {
        if (Value == isWinXP_)
            return;
        isWinXP_ = Value;
        Invalidate();
    }
    bool Hot() const { return hot_; }

protected:
    void CMMouseEnter(TMessage& Message) override
    {
        TSpeedButton::CMMouseEnter(Message);
        SetHot(true);
    }
    void CMMouseLeave(TMessage& Message) override
    {
        TSpeedButton::CMMouseLeave(Message);
        SetHot(false);
    }

private:
    void SetHot(bool Value)
    {
        if (Value == hot_)
            return;
        hot_ = Value;
        Invalidate();
    }

    bool isWinXP_ = false;
    bool hot_ = false;
};
