#include "platform/gui/qt_widgets.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPalette>
#include <QWheelEvent>

#include "platform/gui/controls.h"
#include "platform/gui/qt_backend.h"

// ---- widgets ----------------------------------------------------------------------------------

TQtLineEdit::TQtLineEdit(QWidget* Parent) : QLineEdit(Parent) {}

void TQtLineEdit::paintEvent(QPaintEvent* Event)
{
    QLineEdit::paintEvent(Event);
    if (AfterPaint) {
        QPainter p(this);
        AfterPaint(p);
    }
}

TQtPlainTextEdit::TQtPlainTextEdit(QWidget* Parent) : QPlainTextEdit(Parent) {}

TQtComboBox::TQtComboBox(QWidget* Parent) : QComboBox(Parent) {}

void TQtComboBox::showPopup()
{
    if (BeforePopup)
        BeforePopup();
    QComboBox::showPopup();
}

void TQtComboBox::hidePopup()
{
    const bool shown = view() && view()->isVisible();
    QComboBox::hidePopup();
    if (shown && AfterPopup)
        AfterPopup();
}

bool TQtComboBox::event(QEvent* Event)
{
    const bool result = QComboBox::event(Event);
    switch (Event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutRequest:
        if (PlaceEditor)
            PlaceEditor();
        break;
    default:
        break;
    }
    return result;
}

void TQtComboBox::paintEvent(QPaintEvent* Event)
{
    if (!PaintClosed) {
        QComboBox::paintEvent(Event);
        return;
    }
    QPainter p(this);
    PaintClosed(p);
}

// ---- keys ---------------------------------------------------------------------------------------

namespace {

int qtKeyOf(Word VK)
{
    if (VK >= 'A' && VK <= 'Z')
        return Qt::Key_A + (VK - 'A');
    switch (VK) {
    case VK_LEFT: return Qt::Key_Left;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_UP: return Qt::Key_Up;
    case VK_DOWN: return Qt::Key_Down;
    case VK_HOME: return Qt::Key_Home;
    case VK_END: return Qt::Key_End;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_DELETE: return Qt::Key_Delete;
    case VK_INSERT: return Qt::Key_Insert;
    default: return 0;
    }
}

Qt::KeyboardModifiers qtModifiers(TShiftState Shift)
{
    Qt::KeyboardModifiers m;
    if (Shift.Contains(ssShift))
        m |= Qt::ShiftModifier;
    if (Shift.Contains(ssCtrl))
        m |= Qt::ControlModifier;
    if (Shift.Contains(ssAlt))
        m |= Qt::AltModifier;
    return m;
}

}  // namespace

std::unique_ptr<QKeyEvent> EditorKeyDownEvent(Word VK, TShiftState Shift)
{
    const int key = qtKeyOf(VK);
    if (key == 0)
        return nullptr;
    // Letters only as Ctrl shortcuts (select all, copy, cut, undo, redo);
    // typing them comes as WM_CHAR.
    const bool letter = VK >= 'A' && VK <= 'Z';
    if (letter && !(Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)))
        return nullptr;
    return std::make_unique<QKeyEvent>(QEvent::KeyPress, key, qtModifiers(Shift), QString());
}

std::unique_ptr<QKeyEvent> EditorCharEvent(QChar Char)
{
    switch (Char.unicode()) {
    case 8: return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QString(Char));
    case 9: return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QString(Char));
    case 13: return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(Char));
    default: break;
    }
    if (Char.unicode() < 32 || Char.unicode() == 127)
        return nullptr;
    return std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(Char));
}

// ---- looks --------------------------------------------------------------------------------------

void ApplyWidgetLook(QWidget* Widget, TColor Color, const TFont& Font)
{
    if (!Widget)
        return;
    QPalette p = Widget->palette();
    const QColor field = ToQColor(Color == clNone ? clWindow : Color);
    const QColor text = ToQColor(Font.Color());
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Base, field);
        p.setColor(g, QPalette::Window, field);
        p.setColor(g, QPalette::Button, ToQColor(clBtnFace));
        p.setColor(g, QPalette::Highlight, ToQColor(clHighlight));
        p.setColor(g, QPalette::HighlightedText, ToQColor(clHighlightText));
        p.setColor(g, QPalette::Dark, ToQColor(clBtnShadow));
        p.setColor(g, QPalette::Light, ToQColor(clBtnHighlight));
        p.setColor(g, QPalette::Shadow, ToQColor(cl3DDkShadow));
        p.setColor(g, QPalette::Midlight, ToQColor(cl3DLight));
        const QColor t = g == QPalette::Disabled ? ToQColor(clGrayText) : text;
        p.setColor(g, QPalette::Text, t);
        p.setColor(g, QPalette::WindowText, t);
        p.setColor(g, QPalette::ButtonText, t);
    }
    Widget->setPalette(p);
    Widget->setFont(Font.ToQFont());
}

void PaintSunkenBorder(QPainter& Painter, const QRect& R)
{
    TCanvas c;
    c.SetPainter(&Painter);
    TRect r = TRect::FromQt(R);
    DrawEdge(c, r, EDGE_SUNKEN, BF_RECT);
    c.SetPainter(nullptr);
}

// ---- child input --------------------------------------------------------------------------------

TChildInputForwarder::TChildInputForwarder(TWinControl* Control, QWidget* Child)
    : QObject(Child), control_(Control), child_(Child)
{
    Child->installEventFilter(this);
}

bool TChildInputForwarder::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched != child_)
        return false;
    TWinControl* control = control_.Get();
    if (!control || !control->Widget())
        return false;
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(Event);
        const QPointF pos = child_->mapTo(control->Widget(), e->position());
        QMouseEvent mapped(e->type(), pos, e->scenePosition(), e->globalPosition(), e->button(), e->buttons(),
                           e->modifiers());
        TranslateQtEvent(control, &mapped);
        return false;
    }
    case QEvent::Wheel: {
        auto* e = static_cast<QWheelEvent*>(Event);
        const QPointF pos = child_->mapTo(control->Widget(), e->position());
        QWheelEvent mapped(pos, e->globalPosition(), e->pixelDelta(), e->angleDelta(), e->buttons(), e->modifiers(),
                           e->phase(), e->inverted());
        TranslateQtEvent(control, &mapped);
        return true;
    }
    default:
        return false;
    }
}
