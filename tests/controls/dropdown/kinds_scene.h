#pragma once
// The open popups of the calculator, the time picker (its watch at a fixed
// time, no clock running) and the track bar drop-down, for pictures.
#include "controls/dropdown/CalculatorDropDown.h"
#include "controls/dropdown/TimePickerDropDown.h"
#include "controls/dropdown/TrackBarDropDown.h"

namespace KindsScene {

// 10:10:30, the watch in the time-setter mode without gliding.
inline void DressTimePicker(TVynTimePickerDropDown* Picker)
{
    Picker->SetAnimation(false);
    Picker->WatchSettings().SetAuto(false);
    Picker->SetTime(EncodeTime(10, 10, 30, 0));
}

inline void DressCalculator(TVynCalculatorDropdown* Calc) { Calc->SetValue(1234.5); }

inline void DressTrackBar(TVynTrackBarDropDown* Bar)
{
    Bar->SetMax(20);
    Bar->SetFrequency(2);
    Bar->SetPosition(6);
}

}  // namespace KindsScene
