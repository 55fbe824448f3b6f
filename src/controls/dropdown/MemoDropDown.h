#pragma once
// TVynMemoDropDown: an edit whose popup holds a multi-line memo. MemoText
// holds the lines; the edit shows a summary of them (with the editor
// disabled: the first line, followed by "..." when there are more, or cut
// to the edit's width with "..."; otherwise all lines), and the popup edits
// them.
//
// - Typing into the enabled edit replaces all lines by the edit's text.
// - Closing accepted keeps the memo's edits; closing cancelled discards
//   them (MemoText and the summary stay as they were).
// - Keys inside the open memo stay there, except Esc, F4 and keys with Alt,
//   which go to the edit; Ctrl+A selects the whole memo text.
// - AutoDrop opens the popup when the edit receives the focus, but not
//   when the focus comes back after a close.
#include <memory>

#include "controls/dropdown/VynDropDown.h"
#include "platform/gui/menus.h"
#include "platform/gui/stdctrls.h"
#include "platform/rtl/stringlist.h"

class TVynMemoDropDown : public TVynCustomDropDown {
public:
    explicit TVynMemoDropDown(TComponent* AOwner);
    ~TVynMemoDropDown() override;

    const TStringList& MemoText() const { return *fMemoText_; }
    void SetMemoText(const TStringList& Value);
    // The lines from one text (split at line breaks).
    void SetMemoText(const String& Value);
    TPopupMenu* MemoPopup() const { return fMemoPopup_.Get(); }
    void SetMemoPopup(TPopupMenu* Value) { fMemoPopup_ = TWeakRef<TPopupMenu>(Value); }
    TScrollStyle MemoScrollBars() const { return fMemoScrollBars_; }
    void SetMemoScrollBars(TScrollStyle Value) { fMemoScrollBars_ = Value; }
    bool MemoReadOnly() const { return fMemoReadOnly_; }
    void SetMemoReadOnly(bool Value);
    bool AutoDrop() const { return fAutoDrop_; }
    void SetAutoDrop(bool Value) { fAutoDrop_ = Value; }
    TMemo* Memo() const { return fMemo_; }

    void DoHideDropDown(bool Cancel) override;

    TNotifyEvent OnMemoChange;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void AfterDropUp() override;
    void ControlKeyDown(Word& Key, TShiftState Shift) override;
    void ControlKeyUp(Word& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void Change() override;
    void DoEnter() override;

private:
    // Writes the summary of MemoText into the edit.
    void MemoTextChanged();
    // The lines joined by line breaks, without a break after the last.
    String joined() const;

    TWeakRef<TPopupMenu> fMemoPopup_;
    std::unique_ptr<TStringList> fMemoText_;
    TMemo* fMemo_ = nullptr;
    TScrollStyle fMemoScrollBars_ = TScrollStyle::ssNone;
    bool fMemoReadOnly_ = false;
    bool fInternalUpdate_ = false;
    bool fAutoDrop_ = false;
};
