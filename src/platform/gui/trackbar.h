#pragma once
// TTrackBar: the platform's track bar, painted by the layer: a sunken
// channel, tick marks every Frequency positions below (or right of) it and
// a raised thumb at Position.
//
// - Position stays within Min..Max; Min above Max (or Max below Min) is
//   refused and the range stays as it was.
// - OnChange fires whenever Position changes, by the program, the mouse or
//   the keys, as the platform's track bar reports its changes.
// - Mouse: a press on the thumb drags it (the position follows the
//   pointer); a press on the channel beside it moves by PageSize towards
//   the press.
// - Keys: Left/Up one position back, Right/Down one forward, PageUp and
//   PageDown by PageSize, Home and End to Min and Max.
#include "platform/gui/controls.h"

enum class TTrackBarOrientation { trHorizontal, trVertical };
using TTrackBarOrientation::trHorizontal, TTrackBarOrientation::trVertical;

class TTrackBar : public TCustomControl {
public:
    explicit TTrackBar(TComponent* AOwner);

    int Min() const { return min_; }
    void SetMin(int Value);
    int Max() const { return max_; }
    void SetMax(int Value);
    int Position() const { return position_; }
    void SetPosition(int Value);
    int Frequency() const { return frequency_; }
    void SetFrequency(int Value);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int Value) { pageSize_ = Value; }
    int LineSize() const { return lineSize_; }
    void SetLineSize(int Value) { lineSize_ = Value; }
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation Value);

    // The thumb's rectangle and the channel's, in client coordinates.
    TRect ThumbRect() const;
    TRect ChannelRect() const;
    // The position a point along the channel stands for.
    int PositionAt(TPoint P) const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    // Pixels along the channel: the thumb's centre at Min and at Max.
    int first() const;
    int last() const;
    int along(TPoint P) const { return orientation_ == trHorizontal ? P.X : P.Y; }
    int offsetOf(int Position) const;

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    int pageSize_ = 2;
    int lineSize_ = 1;
    TTrackBarOrientation orientation_ = trHorizontal;
    bool dragging_ = false;
};
