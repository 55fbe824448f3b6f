#include "popup_display_check.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QWindow>
#include <gtest/gtest.h>

#include "platform/gui/application.h"
#include "platform/gui/overlay_window.h"
#include "platform/gui/popupform.h"

namespace DisplayCheck {

bool waitFor(const std::function<bool()>& Done, int Ms)
{
    QElapsedTimer t;
    t.start();
    while (!Done()) {
        if (t.elapsed() > Ms)
            return false;
        Application.ProcessMessages();
        QThread::msleep(10);
    }
    return true;
}

void settle(int Ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < Ms) {
        Application.ProcessMessages();
        QThread::msleep(10);
    }
}

namespace {

// A plain coloured control that logs its presses and keeps what is typed.
class TPad : public TCustomControl {
public:
    TPad(TComponent* AOwner, TColor AColor) : TCustomControl(AOwner)
    {
        SetColor(AColor);
        SetTabStop(true);
    }
    std::string Typed;
    int Presses = 0;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        ++Presses;
        TCustomControl::MouseDown(Button, Shift, X, Y);
    }
    void WMGetDlgCode(TMessage& M) override { M.Result = DLGC_WANTCHARS; }
    void DefaultHandler(TMessage& M) override
    {
        if (M.Msg == WM_CHAR)
            Typed += char(M.WParam);
        TCustomControl::DefaultHandler(M);
    }
};

class TCheckedPopup : public TPopupForm {
public:
    using TPopupForm::TPopupForm;
    std::vector<std::string> Deactivations;

    void PopupDeactivate(TWinControl* NewWindow) override
    {
        Deactivations.push_back(NewWindow ? NewWindow->Name().toStdString() : "(none)");
        TPopupForm::PopupDeactivate(NewWindow);
    }
};

bool exposed(TWinControl* C)
{
    QWidget* w = C->Widget();
    return w && w->windowHandle() && w->windowHandle()->isExposed();
}

// What the X server shows: the root window's pixels.
QImage grabRoot() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

QColor rootPixel(const QImage& Root, QPoint P) { return Root.pixelColor(P); }

QColor qtColor(TColor C)
{
    const TColor rgb = ColorToRGB(C);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

QPoint centreOnScreen(TWinControl* C)
{
    return C->Widget()->mapToGlobal(QPoint(C->Width() / 2, C->Height() / 2));
}

void save(const QImage& Image, const std::string& Dir, const char* Name)
{
    if (Dir.empty())
        return;
    QDir().mkpath(QString::fromStdString(Dir));
    Image.save(QDir(QString::fromStdString(Dir)).filePath(QString::fromLatin1(Name)));
}

bool runXdotool(const QStringList& Args)
{
    return QProcess::execute(QStringLiteral("xdotool"), Args) == 0;
}

}  // namespace

TRealInput XdotoolInput()
{
    TRealInput in;
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        return in;
    in.ClickAt = [](int X, int Y) {
        return runXdotool({"mousemove", "--sync", QString::number(X), QString::number(Y)}) &&
               runXdotool({"click", "1"});
    };
    in.TypeLetter = [](char Letter) { return runXdotool({"key", QString(QChar(Letter))}); };
    in.MoveTo = [](int X, int Y) { return runXdotool({"mousemove", "--sync", QString::number(X), QString::number(Y)}); };
    return in;
}

void CheckPopupOnDisplay(const TRealInput& Input, const std::string& ShotDir)
{
    TForm* form = new TForm(nullptr);
    form->SetName("Form");
    form->SetCaption("Popup check");
    form->SetBounds(200, 150, 400, 300);
    auto* edit = new TPad(form, clWhite);
    edit->SetName("Edit");
    edit->SetBounds(20, 20, 200, 24);
    edit->SetParent(form);
    auto* target = new TPad(form, clLime);
    target->SetName("Target");
    target->SetBounds(20, 200, 200, 60);
    target->SetParent(form);
    auto* popup = new TCheckedPopup(edit);
    popup->SetName("Popup");
    popup->SetColor(clBlue);
    popup->SetMinSize(80, 50);
    auto* list = new TPad(popup, clRed);
    list->SetName("List");
    list->SetBounds(10, 10, 100, 40);
    list->SetParent(popup);

    form->Show();
    ASSERT_TRUE(waitFor([&] { return exposed(form); })) << "the form never showed";
    settle();

    // The popup just below the edit, where the X server puts the form.
    const QPoint below = edit->Widget()->mapToGlobal(QPoint(0, edit->Height()));
    auto open = [&] {
        popup->ShowAt(Bounds(below.x(), below.y(), 150, 120));
        EXPECT_TRUE(waitFor([&] { return exposed(popup); })) << "the popup never showed";
        settle();
        popup->Deactivations.clear();
    };

    open();
    QImage shot = grabRoot();
    save(shot, ShotDir, "popup-open.png");
    const QPoint popupCentre(below.x() + 130, below.y() + 90);  // the popup's own colour, off the list
    EXPECT_EQ(rootPixel(shot, popupCentre), qtColor(clBlue)) << "the popup is not on the screen";
    EXPECT_EQ(rootPixel(shot, centreOnScreen(list)), qtColor(clRed));

    // Keys go to the popup's focused control while the keyboard is grabbed.
    ASSERT_TRUE(Input.TypeLetter('k'));
    EXPECT_TRUE(waitFor([&] { return list->Typed == "k"; })) << "typed: '" << list->Typed << "'";
    EXPECT_EQ(edit->Typed, "");

    // A press on the form outside the popup: it closes, the press goes on.
    const QPoint t = centreOnScreen(target);
    ASSERT_TRUE(Input.ClickAt(t.x(), t.y()));
    EXPECT_TRUE(waitFor([&] { return !popup->Visible() && target->Presses == 1; }));
    EXPECT_EQ(popup->Deactivations, std::vector<std::string>{"Target"});
    settle();
    shot = grabRoot();
    save(shot, ShotDir, "popup-closed.png");
    EXPECT_NE(rootPixel(shot, popupCentre), qtColor(clBlue)) << "the popup is still on the screen";
    // The form has the keys again.
    auto* focused = dynamic_cast<TPad*>(GetFocusedControl());
    ASSERT_TRUE(focused == edit || focused == target);
    ASSERT_TRUE(Input.TypeLetter('e'));
    EXPECT_TRUE(waitFor([&] { return focused->Typed == "e"; })) << "typed: '" << focused->Typed << "'";

    // A press on the bare desktop (no window of ours): it closes.
    open();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint desk(screen.right() - 5, screen.bottom() - 5);
    ASSERT_FALSE(form->Widget()->frameGeometry().contains(desk));
    ASSERT_TRUE(Input.ClickAt(desk.x(), desk.y()));
    EXPECT_TRUE(waitFor([&] { return !popup->Visible(); })) << "a press on the desktop left the popup open";
    EXPECT_EQ(popup->Deactivations, std::vector<std::string>{"(none)"});
    EXPECT_EQ(target->Presses, 1);

    form->Free();
}

void CheckOverlayOnDisplay(const TRealInput& Input, const std::string& ShotDir)
{
    TForm* form = new TForm(nullptr);
    form->SetName("Form");
    form->SetCaption("Overlay check");
    form->SetBounds(200, 150, 400, 300);
    auto* target = new TPad(form, clLime);
    target->SetName("Target");
    target->SetBounds(20, 20, 300, 200);
    target->SetParent(form);
    form->Show();
    ASSERT_TRUE(waitFor([&] { return exposed(form); })) << "the form never showed";
    target->SetFocus();
    settle();

    // A blue triangle (the upper-left half of its square) over the target.
    auto* overlay = new TOverlayWindow(form);
    overlay->SetColor(clBlue);
    const QPoint at = centreOnScreen(target) - QPoint(30, 30);
    overlay->SetBounds(at.x(), at.y(), 60, 60);
    overlay->SetWindowRegion(TRegion::FromPolygon({{0, 0}, {60, 0}, {0, 60}}));
    overlay->Show();
    ASSERT_TRUE(waitFor([&] { return exposed(overlay); })) << "the overlay never showed";
    settle();
    QImage shot = grabRoot();
    save(shot, ShotDir, "overlay-shown.png");
    const QPoint inRegion = at + QPoint(10, 10), outOfRegion = at + QPoint(50, 50);
    EXPECT_EQ(rootPixel(shot, inRegion), qtColor(clBlue)) << "the overlay is not on the screen";
    EXPECT_EQ(rootPixel(shot, outOfRegion), qtColor(clLime)) << "the region does not shape the window";
    EXPECT_EQ(GetActiveForm(), form);
    EXPECT_EQ(GetFocusedControl(), target);

    // The mouse goes through it; the keys still reach the form.
    ASSERT_TRUE(Input.ClickAt(inRegion.x(), inRegion.y()));
    EXPECT_TRUE(waitFor([&] { return target->Presses == 1; })) << "the press did not reach the form below";
    ASSERT_TRUE(Input.TypeLetter('o'));
    EXPECT_TRUE(waitFor([&] { return target->Typed == "o"; })) << "typed: '" << target->Typed << "'";
    EXPECT_EQ(GetActiveForm(), form);

    overlay->Hide();
    settle();
    EXPECT_EQ(rootPixel(grabRoot(), inRegion), qtColor(clLime)) << "the overlay is still on the screen";
    form->Free();
}

}  // namespace DisplayCheck
