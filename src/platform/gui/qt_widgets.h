#pragma once
// The stock Qt widgets the standard controls wrap, and how key messages
// reach them.
//
// A wrapped widget never sees a Qt key event of its own: the adapter turns
// every key event into messages (so OnKeyDown/OnKeyPress can change or
// swallow the key), and the control's default handling of WM_KEYDOWN and
// WM_CHAR then feeds the key to the widget through HandleKey, which calls the
// widget's own key handler directly (no event propagation to the parents).
// Painting and mouse input go to Qt as usual.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

#include <functional>
#include <memory>

#include "platform/gui/canvas.h"
#include "platform/gui/classes.h"
#include "platform/gui/messages.h"

class TWinControl;
class TFont;

class TQtLineEdit : public QLineEdit {
public:
    explicit TQtLineEdit(QWidget* Parent = nullptr);
    void HandleKey(QKeyEvent* Event) { QLineEdit::keyPressEvent(Event); }
    // Drawn over what Qt painted (the control's border).
    std::function<void(QPainter&)> AfterPaint;

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool focusNextPrevChild(bool) override { return false; }
};

class TQtPlainTextEdit : public QPlainTextEdit {
public:
    explicit TQtPlainTextEdit(QWidget* Parent = nullptr);
    void HandleKey(QKeyEvent* Event) { QPlainTextEdit::keyPressEvent(Event); }

protected:
    bool focusNextPrevChild(bool) override { return false; }
};

class TQtComboBox : public QComboBox {
public:
    explicit TQtComboBox(QWidget* Parent = nullptr);
    // The closed combo box is painted by the control.
    std::function<void(QPainter&)> PaintClosed;
    std::function<void()> BeforePopup;
    std::function<void()> AfterPopup;
    // Puts the edit field where the control's look wants it.
    std::function<void()> PlaceEditor;
    void showPopup() override;
    void hidePopup() override;

protected:
    bool event(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    bool focusNextPrevChild(bool) override { return false; }
};

// The Qt key event an editor gets for a WM_KEYDOWN: navigation and editing
// keys and Ctrl shortcuts; nullptr for keys an editor leaves to WM_CHAR.
std::unique_ptr<QKeyEvent> EditorKeyDownEvent(Word VK, TShiftState Shift);
// The Qt key event for a typed character (Backspace, Return and Tab
// included); nullptr for other control characters.
std::unique_ptr<QKeyEvent> EditorCharEvent(QChar Char);

// Font and colours of a wrapped widget: Color as the field, the font's colour
// as the text, the system highlight colours, grey text while disabled.
void ApplyWidgetLook(QWidget* Widget, TColor Color, const TFont& Font);

// Passes a mouse or wheel event of a child widget (an editor's viewport, a
// combo box's edit field) on to the control as messages, with the position
// mapped to the control's widget; a press also focuses the control.
// Installed as the child's event filter; the child still gets the event
// (wheel events excepted: the control scrolls on WM_MOUSEWHEEL).
class TChildInputForwarder : public QObject {
public:
    TChildInputForwarder(TWinControl* Control, QWidget* Child);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    TWeakRef<TWinControl> control_;
    QWidget* child_;
};

// Paints the classic sunken 3-D border of a field on a painter.
void PaintSunkenBorder(QPainter& Painter, const QRect& R);
