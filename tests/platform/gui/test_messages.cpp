// Message packing, virtual keys, Perform/WndProc/Dispatch and the posted queue.
#include <QCoreApplication>
#include <QKeyEvent>

#include "gui_fixture.h"
#include "platform/gui/qt_backend.h"

// ---- packing and keys ---------------------------------------------------------------------------

TEST(Messages, MousePositionsAreSigned16BitPairs)
{
    TMessage m{WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 300), 0};
    EXPECT_EQ(m.XPos(), -5);
    EXPECT_EQ(m.YPos(), 300);
    EXPECT_EQ(SmallPointToPoint(PointToSmallPoint({-32768, 32767})), (TPoint{-32768, 32767}));
    TMessage wheel{WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -240), 0, 0};
    EXPECT_EQ(wheel.WheelDelta(), -240);
    EXPECT_EQ(wheel.WParamLo(), MK_CONTROL);
}

TEST(Messages, NavigationKeysKeepThePlatformOrder)
{
    const Word order[] = {VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(order[i], 0x21 + i);
    EXPECT_EQ(CM_MOUSEWHEEL, 0xB043u);
    EXPECT_EQ(CM_UIACTIVATE, 0xB029u);
    EXPECT_EQ(CM_STYLECHANGED, 0xB051u);
    EXPECT_EQ(CN_KEYDOWN, 0xBD00u);
}

TEST(Messages, RegisteredMessagesAreStableAndDistinct)
{
    const unsigned a = RegisterWindowMessage("GridEditDone");
    const unsigned b = RegisterWindowMessage("DTPShiftFocus");
    EXPECT_GE(a, 0xC000u);
    EXPECT_GE(b, 0xC000u);
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterWindowMessage("griDEDitdone"), a);
}

TEST(Messages, KeyDataCarriesScanCodeAndFlags)
{
    // The keypad '.' is told from the main '.' by bit 22 (scan code 0x53).
    EXPECT_NE(MakeKeyData(VK_DECIMAL, true, false, false, false) & KEYDATA_SCANBIT6, 0);
    EXPECT_EQ(MakeKeyData(VK_OEM_PERIOD, false, false, false, false) & KEYDATA_SCANBIT6, 0);
    EXPECT_EQ((MakeKeyData('A', false, false, false, false) >> 16) & 0xFF, 0x1E);
    // Arrows of the navigation block are extended; keypad ones are not.
    EXPECT_NE(MakeKeyData(VK_LEFT, false, false, false, false) & KEYDATA_EXTENDED, 0);
    EXPECT_EQ(MakeKeyData(VK_LEFT, true, false, false, false) & KEYDATA_EXTENDED, 0);
    const intptr_t up = MakeKeyData(VK_RETURN, false, true, false, true);
    EXPECT_NE(up & KEYDATA_ALTDOWN, 0);
    EXPECT_NE(up & KEYDATA_PREVDOWN, 0);
    EXPECT_NE(up & KEYDATA_UP, 0);
    EXPECT_EQ(up & 0xFFFF, 1);
}

TEST(Messages, CharactersTypedByKeys)
{
    struct Case {
        Word vk;
        TShiftState shift;
        int ch;  // 0: types nothing
    };
    const Case cases[] = {
        {'A', {}, 'a'},           {'A', {ssShift}, 'A'},      {'C', {ssCtrl}, 3},       {'V', {ssCtrl}, 22},
        {'X', {ssCtrl}, 24},      {'1', {}, '1'},             {'1', {ssShift}, '!'},    {'1', {ssCtrl}, 0},
        {VK_BACK, {}, 8},         {VK_TAB, {}, 9},            {VK_RETURN, {}, 13},      {VK_RETURN, {ssCtrl}, 10},
        {VK_ESCAPE, {}, 27},      {VK_SPACE, {}, ' '},        {VK_DECIMAL, {}, '.'},    {VK_NUMPAD7, {}, '7'},
        {VK_OEM_PERIOD, {}, '.'}, {VK_OEM_1, {ssShift}, ':'}, {VK_LEFT, {}, 0},         {VK_F2, {}, 0},
        {VK_SHIFT, {ssShift}, 0}, {'A', {ssCtrl, ssAlt}, 0},  {VK_OEM_4, {ssCtrl}, 27},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CharFromVirtualKey(c.vk, c.shift).unicode(), c.ch) << "vk " << c.vk << " " << ShiftText(c.shift);
}

TEST(Messages, QtKeysMapToVirtualKeys)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        Word vk;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, 'A'},          {Qt::Key_5, Qt::NoModifier, '5'},
        {Qt::Key_5, Qt::KeypadModifier, VK_NUMPAD5}, {Qt::Key_Period, Qt::KeypadModifier, VK_DECIMAL},
        {Qt::Key_Comma, Qt::KeypadModifier, VK_DECIMAL}, {Qt::Key_Period, Qt::NoModifier, VK_OEM_PERIOD},
        {Qt::Key_Backtab, Qt::ShiftModifier, VK_TAB}, {Qt::Key_Enter, Qt::KeypadModifier, VK_RETURN},
        {Qt::Key_PageUp, Qt::NoModifier, VK_PRIOR},  {Qt::Key_F2, Qt::NoModifier, VK_F2},
        {Qt::Key_Exclam, Qt::ShiftModifier, '1'},    {Qt::Key_Alt, Qt::AltModifier, VK_MENU},
        {Qt::Key_Plus, Qt::KeypadModifier, VK_ADD},  {Qt::Key_Plus, Qt::ShiftModifier, VK_OEM_PLUS},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VirtualKeyFromQt(c.key, c.mods), c.vk) << "Qt key " << std::hex << c.key;
}

// ---- Perform, WndProc, Dispatch -----------------------------------------------------------------

namespace {

// Sees every message first; may keep one from the default handling.
class TSpy : public TCustomControl {
public:
    explicit TSpy(TComponent* AOwner) : TCustomControl(AOwner) {}
    EventLog* log = nullptr;
    unsigned swallow = 0;
    unsigned custom = 0;  // a message this class handles itself
    std::vector<intptr_t> customSeen;

    void WndProc(TMessage& Message) override
    {
        if (Message.Msg == WM_LBUTTONDOWN)
            log->Add("WndProc WM_LBUTTONDOWN");
        if (Message.Msg == swallow)
            return;
        if (custom && Message.Msg == custom) {
            customSeen.push_back(Message.WParam);
            Message.Result = 42;
            return;
        }
        TCustomControl::WndProc(Message);
    }

protected:
    // A handler of one message, inheriting the base handling.
    void WMLButtonDown(TMessage& Message) override
    {
        log->Add("WMLButtonDown " + std::to_string(Message.XPos()));
        TCustomControl::WMLButtonDown(Message);
        log->Add("WMLButtonDown done");
    }
};

}  // namespace

TEST(Messages, WndProcSeesAMessageBeforeTheDefaultHandling)
{
    TestKit::InputStateScope input;
    EventLog log;
    TSpy spy(nullptr);
    spy.SetName("Spy");
    spy.SetBounds(0, 0, 50, 50);
    spy.log = &log;
    Watch(&spy, log);

    spy.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 8));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"WndProc WM_LBUTTONDOWN", "WMLButtonDown 7",
                                                    "Spy.MouseDown L 7,8 [Left]", "WMLButtonDown done"}));
    EXPECT_TRUE(spy.MouseCapture());  // the base handling took the capture
    spy.Perform(WM_LBUTTONUP, 0, MAKELPARAM(7, 8));

    // Kept from the default handling: no handler, no event.
    log.Clear();
    spy.swallow = WM_LBUTTONDOWN;
    spy.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 8));
    EXPECT_EQ(log.lines, std::vector<std::string>{"WndProc WM_LBUTTONDOWN"});

    // A message of the program's own, answered with a result.
    spy.custom = RegisterWindowMessage("GridEditDone");
    EXPECT_EQ(spy.Perform(spy.custom, 3, 4), 42);
    EXPECT_EQ(spy.customSeen, std::vector<intptr_t>{3});
}

TEST(Messages, UnhandledMessagesReachDefaultHandlerWithResultZero)
{
    TBox box(nullptr);
    EXPECT_EQ(box.Perform(WM_USER + 77, 1, 2), 0);
    EXPECT_EQ(box.Perform(WM_GETDLGCODE), 0);
    EXPECT_EQ(box.Perform(CM_HITTEST), HTCLIENT);
}

// ---- the posted queue -----------------------------------------------------------------------------

namespace {

class TCollector : public TCustomControl {
public:
    explicit TCollector(TComponent* AOwner, std::vector<std::string>* Sink) : TCustomControl(AOwner), sink_(Sink) {}
    TCollector* repostTo = nullptr;

    void WndProc(TMessage& Message) override
    {
        if (Message.Msg >= WM_USER && Message.Msg < WM_USER + 100) {
            sink_->push_back(Name().toStdString() + ":" + std::to_string(Message.Msg - WM_USER) + "/" +
                             std::to_string(Message.WParam));
            // Posting while the queue is delivered: goes after what waits.
            if (repostTo && Message.Msg == WM_USER + 1)
                PostMessage(repostTo, WM_USER + 9, 0);
            return;
        }
        TCustomControl::WndProc(Message);
    }

private:
    std::vector<std::string>* sink_;
};

}  // namespace

TEST(Messages, PostedMessagesArriveInOrderAndSkipDestroyedControls)
{
    std::vector<std::string> seen;
    TCollector a(nullptr, &seen);
    a.SetName("A");
    auto* b = new TCollector(nullptr, &seen);
    b->SetName("B");
    a.repostTo = &a;

    ASSERT_TRUE(PostMessage(&a, WM_USER + 1, 10));
    ASSERT_TRUE(PostMessage(b, WM_USER + 2, 20));
    ASSERT_TRUE(PostMessage(&a, WM_USER + 3, 30));
    ASSERT_TRUE(PostMessage(b, WM_USER + 4, 40));
    ASSERT_TRUE(PostMessage(&a, WM_USER + 5, 50));
    EXPECT_FALSE(PostMessage(nullptr, WM_USER + 6, 0));
    EXPECT_TRUE(seen.empty());  // nothing before the loop runs
    delete b;

    EXPECT_EQ(TestKit::PumpPostedMessages(), 4);  // three of A's, one posted while delivering
    EXPECT_EQ(seen, (std::vector<std::string>{"A:1/10", "A:3/30", "A:5/50", "A:9/0"}));
    EXPECT_EQ(PostedMessageCount(), 0);
}

TEST(Messages, PostedMessagesAreDeliveredByTheEventLoop)
{
    std::vector<std::string> seen;
    TCollector a(nullptr, &seen);
    a.SetName("A");
    PostMessage(&a, WM_USER + 1, 1);
    PostMessage(&a, WM_USER + 2, 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(seen, (std::vector<std::string>{"A:1/1", "A:2/2"}));
}
