#include "platform/gui/menus.h"

#include <QApplication>
#include <QMenu>

namespace {

TPopupMenuChooser& chooser()
{
    static TPopupMenuChooser c;
    return c;
}

int& beeps()
{
    static int n = 0;
    return n;
}

}  // namespace

int TrackPopupMenu(const QStringList& Items, TPoint ScreenPos, TWinControl* Owner)
{
    if (Items.isEmpty())
        return 0;
    if (chooser()) {
        const int n = chooser()(Items, ScreenPos);
        return n >= 1 && n <= Items.size() ? n : 0;
    }
    QMenu menu(Owner ? Owner->Widget() : nullptr);
    for (int i = 0; i < Items.size(); ++i)
        menu.addAction(Items[i])->setData(i + 1);
    QAction* chosen = menu.exec(QPoint(ScreenPos.X, ScreenPos.Y));
    return chosen ? chosen->data().toInt() : 0;
}

TPopupMenuChooser SetPopupMenuChooser(TPopupMenuChooser Chooser)
{
    TPopupMenuChooser previous = std::move(chooser());
    chooser() = std::move(Chooser);
    return previous;
}

void TPopupMenu::Popup(int X, int Y)
{
    if (OnPopup)
        OnPopup(this);
    const int n = TrackPopupMenu(items_, TPoint{X, Y}, dynamic_cast<TWinControl*>(Owner()));
    if (n > 0 && OnItemClick)
        OnItemClick(this, n);
}

void MessageBeep(unsigned)
{
    ++beeps();
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}

int BeepCount() { return beeps(); }
