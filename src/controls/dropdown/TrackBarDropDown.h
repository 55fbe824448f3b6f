#pragma once
// TVynTrackBarDropDown: a numeric edit (editor disabled) whose popup holds a
// track bar. The edit shows Position as an integer; Position changes by the
// track bar, by Up and Down (Up lowers it by Frequency, Down raises it,
// never past Min or Max) and by dragging the mouse sideways over the edit
// ((X - last X) div PageSize per move; a PageSize of 0 moves nothing).
//
// - A text typed into the edit (EditorEnabled on) that is a whole number
//   becomes Position; any other text leaves Position as it is.
// - Activating another window closes the popup as accepted; a cancelled
//   close puts back the position (and the text) of the moment of opening.
#include "controls/dropdown/VynDropDown.h"

class TTrackBar;

class TVynTrackBarDropDown : public TVynCustomDropDown {
public:
    explicit TVynTrackBarDropDown(TComponent* AOwner);

    int Min() const { return fMin_; }
    void SetMin(int Value);
    int Max() const { return fMax_; }
    void SetMax(int Value);
    int Position() const { return fPosition_; }
    void SetPosition(int Value);
    int Frequency() const { return fFrequency_; }
    void SetFrequency(int Value);
    int PageSize() const { return fPageSize_; }
    void SetPageSize(int Value);
    TTrackBar* TrackBar() const { return fTrackBar_; }

    void DoHideDropDown(bool Cancel) override;

    TNotifyEvent OnTrackChange;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void WMKeyDown(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Change() override;

private:
    void TrackBarChange();
    bool dragAllowed() const { return DropDownEnabled() && !EditorEnabled(); }

    TTrackBar* fTrackBar_ = nullptr;
    int fMin_ = 0;
    int fFrequency_ = 1;
    int fPageSize_ = 2;
    int fMax_ = 10;
    int fPosition_ = 0;
    bool fMouseDraging_ = false;
    int fMouseX_ = 0;
    int fPositionAtOpen_ = 0;
};
