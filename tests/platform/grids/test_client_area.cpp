// The client area of controls with a non-client frame (a border, their own
// scroll bars): where a child's widget lies, where a press arrives, what is
// painted where. Grids, a scroll box and a control of the test's own.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <functional>

#include "../gui/gui_fixture.h"
#include "grid_fixture.h"
#include "platform/gui/extctrls.h"

namespace {

// A control with a 3-pixel red frame around a lime client area; a blue
// pixel marks its client (ClientWidth - 1, 0).
class TFramedControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    using TWinControl::ClientAreaChanged;

protected:
    TRect ClientAreaInWindow() const override { return Rect(3, 3, Width() - 3, Height() - 3); }
    void WMNCPaint(TMessage& Message) override
    {
        auto* p = reinterpret_cast<QPainter*>(Message.WParam);
        p->fillRect(QRect(0, 0, Width(), Height()), Qt::red);
    }
    void Paint() override
    {
        // Filling far past the client area shows the clip: the frame stays red.
        Canvas().Brush().SetColor(clLime);
        Canvas().FillRect(Rect(-10, -10, 1000, 1000));
        Canvas().SetPixels(ClientWidth() - 1, 0, clBlue);
    }
};

struct ClientAreaTest : ::testing::Test {
    TestKit::InputStateScope input;
    TForm form{nullptr};
    EventLog log;

    ClientAreaTest()
    {
        form.SetBounds(30, 40, 400, 300);
        form.Show();
    }

    // Sends a Qt press and release at a point of the form's widget to the
    // widget Qt finds there.
    void QtClick(QPoint InForm)
    {
        QWidget* target = form.Widget()->childAt(InForm);
        if (!target)
            target = form.Widget();
        const QPoint local = target->mapFrom(form.Widget(), InForm);
        QMouseEvent press(QEvent::MouseButtonPress, local, target->mapToGlobal(local), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, local, target->mapToGlobal(local), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
    }
    QPoint InForm(const TControl* C, TPoint Client) const
    {
        const TPoint p = form.ScreenToClient(C->ClientToScreen(Client));
        return {p.X, p.Y};
    }
};

std::vector<std::string> MouseDowns(const EventLog& Log)
{
    std::vector<std::string> r;
    for (const auto& l : Log.lines)
        if (l.find(".MouseDown") != std::string::npos)
            r.push_back(l.substr(0, l.find(" [")));
    return r;
}

}  // namespace

TEST_F(ClientAreaTest, AChildAtClientOriginSitsThereAndGetsPressesThere)
{
    struct Case {
        const char* what;
        std::function<TWinControl*(TComponent*)> make;
        TPoint offset;  // client (0, 0) in the window
    };
    const Case cases[] = {
        {"grid without border",
         [](TComponent* O) {
             auto* g = new TStringGrid(O);
             g->SetBorderStyle(bsNone);
             return g;
         },
         {0, 0}},
        {"grid with border", [](TComponent* O) { return new TStringGrid(O); }, {2, 2}},
        {"scroll box with border and a bar",
         [](TComponent* O) {
             auto* b = new TScrollBox(O);
             auto* far = new TPanel(O);
             far->SetBounds(0, 400, 20, 20);
             far->SetParent(b);
             return b;
         },
         {2, 2}},
        {"control with a 3-pixel frame",
         [](TComponent* O) {
             auto* c = new TFramedControl(O);
             c->ClientAreaChanged();
             return c;
         },
         {3, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        log.Clear();
        TWinControl* host = c.make(&form);
        host->SetName("Host");
        host->SetBounds(10, 20, 200, 150);
        host->SetParent(&form);
        auto* child = new TCustomControl(host);
        child->SetName("Child");
        child->SetBounds(0, 0, 40, 30);
        child->SetParent(host);
        Watch(host, log);
        Watch(child, log);

        // The model: client (0, 0) lies inside the frame.
        const TPoint window = host->WindowOrigin(), client = host->ClientToScreen({0, 0});
        EXPECT_EQ(client.X - window.X, c.offset.X);
        EXPECT_EQ(client.Y - window.Y, c.offset.Y);
        EXPECT_EQ(child->ClientOrigin(), client);
        // The child's widget sits at ClientToScreen(0, 0).
        EXPECT_EQ(child->Widget()->mapTo(form.Widget(), QPoint(0, 0)), InForm(host, {0, 0}));

        // A press there reaches the child as (0, 0): by the input driver and
        // by Qt; a press on the host's client area arrives in client
        // coordinates; a press on the frame is no client input.
        const TPoint last{host->ClientWidth() - 1, host->ClientHeight() - 1};
        TestKit::Click(host, 0, 0);
        QtClick(InForm(host, {0, 0}));
        TestKit::Click(host, last.X, last.Y);
        QtClick(InForm(host, last));
        if (c.offset.X > 0) {
            TestKit::Click(host, -1, -1);
            QtClick(InForm(host, {-1, -1}));
        }
        const std::string corner = "Host.MouseDown L " + std::to_string(last.X) + "," + std::to_string(last.Y);
        EXPECT_EQ(MouseDowns(log), (std::vector<std::string>{"Child.MouseDown L 0,0", "Child.MouseDown L 0,0",
                                                             corner, corner}));
        host->Free();
    }
}

TEST_F(ClientAreaTest, TheFrameIsPaintedThenTheClientAreaMovedAndClipped)
{
    auto* c = new TFramedControl(&form);
    c->SetBounds(10, 10, 60, 40);
    c->SetParent(&form);
    c->ClientAreaChanged();
    EXPECT_EQ(c->ClientRect(), Rect(0, 0, 54, 34));
    const QImage image = TestKit::RenderToImage(c);
    ASSERT_EQ(image.size(), QSize(60, 40));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(2, 20), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(59, 39), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(3, 3), ToQColor(clLime));
    EXPECT_EQ(image.pixelColor(56, 36), ToQColor(clLime));
    // Client (ClientWidth - 1, 0) is window (3 + 53, 3).
    EXPECT_EQ(image.pixelColor(56, 3), ToQColor(clBlue));
}

TEST_F(ClientAreaTest, ABorderedGridPaintsItsFrameBarsAndCells)
{
    auto* grid = new TStringGrid(&form);
    grid->SetBounds(10, 10, 200, 120);
    grid->SetParent(&form);
    grid->SetCells(1, 1, "X");
    ASSERT_TRUE(grid->VertScrollBarVisible());
    ASSERT_TRUE(grid->HorzScrollBarVisible());
    const QImage image = TestKit::RenderToImage(grid);
    // The sunken frame: shadow outside, dark shadow inside (top-left).
    EXPECT_EQ(image.pixelColor(0, 0), ToQColor(clBtnShadow));
    EXPECT_EQ(image.pixelColor(1, 1), ToQColor(cl3DDkShadow));
    // The fixed cell (0, 0) starts at window (2, 2) with its raised edge.
    EXPECT_EQ(image.pixelColor(2, 2), ToQColor(clBtnHighlight));
    // A normal cell's background, then the bars' track beside the client area.
    const TRect cell = grid->CellRect(2, 2);
    EXPECT_EQ(image.pixelColor(cell.Left + 2 + 40, cell.Top + 2 + 12), ToQColor(clWindow));
    const TScrollBar* v = grid->VertScrollBar();
    EXPECT_EQ(v->Left(), 2 + grid->ClientWidth());
    EXPECT_EQ(v->Top(), 2);
    EXPECT_EQ(image.pixelColor(v->Left() + 8, v->Top() + v->Height() / 2 + 20), ToQColor(clScrollBar));
    // PaintToImage draws the same picture.
    EXPECT_EQ(grid->PaintToImage(), image);
}
