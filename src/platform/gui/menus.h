#pragma once
// Popup menus: TrackPopupMenu shows a list of texts at a screen point and
// returns the number (1, 2, ...) of the item chosen, 0 when none was.
// Tests replace the menu with a chooser of their own (SetPopupMenuChooser).
#include <QStringList>

#include <functional>

#include "platform/gui/controls.h"

// Items: the texts in order (an empty list shows nothing and returns 0).
// Owner: the control the menu belongs to (its window is the menu's parent).
int TrackPopupMenu(const QStringList& Items, TPoint ScreenPos, TWinControl* Owner);

// Answers TrackPopupMenu instead of a real menu (nullptr: the real menu
// again); returns the previous chooser.
using TPopupMenuChooser = std::function<int(const QStringList& Items, TPoint ScreenPos)>;
TPopupMenuChooser SetPopupMenuChooser(TPopupMenuChooser Chooser);

// A popup menu component: item texts shown at a screen point by Popup
// (through TrackPopupMenu, so a test's chooser answers it); OnItemClick gets
// the number (1, 2, ...) of the item chosen.
class TPopupMenu : public TComponent {
public:
    using TComponent::TComponent;
    QStringList& Items() { return items_; }
    const QStringList& Items() const { return items_; }
    // OnPopup, then the menu; its owner's window is the menu's parent.
    void Popup(int X, int Y);
    TNotifyEvent OnPopup;
    std::function<void(TObject* Sender, int Item)> OnItemClick;

private:
    QStringList items_;
};

// The platform's message beep; BeepCount tells how many sounded (tests).
void MessageBeep(unsigned Type = 0);
int BeepCount();
