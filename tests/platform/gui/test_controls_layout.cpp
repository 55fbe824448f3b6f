// Alignment, anchors, ownership, parenting and inherited properties.
#include "gui_fixture.h"

namespace {

std::string RectText(const TRect& R)
{
    return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
           std::to_string(R.Bottom);
}

struct ChildSpec {
    const char* name;
    TRect bounds;  // as placed (Left, Top, Right, Bottom)
    TAlign align;
    TAnchors anchors;
};

struct LayoutCase {
    const char* title;
    std::vector<ChildSpec> children;
    std::vector<std::string> before;  // in a 200 x 100 parent
    std::vector<std::string> after;   // once the parent is 300 x 150
};

const TAnchors kTL{akLeft, akTop};

}  // namespace

TEST(Layout, AlignAndAnchorsTable)
{
    const std::vector<LayoutCase> cases = {
        {"one top",
         {{"T", Rect(5, 5, 50, 25), alTop, kTL}},
         {"0,0,200,20"},
         {"0,0,300,20"}},
        {"one bottom",
         {{"B", Rect(0, 0, 10, 10), alBottom, kTL}},
         {"0,90,200,100"},
         {"0,140,300,150"}},
        {"all five sides, client takes the rest",
         {{"C", Rect(0, 0, 10, 10), alClient, kTL},
          {"R", Rect(0, 0, 40, 10), alRight, kTL},
          {"L", Rect(0, 0, 30, 10), alLeft, kTL},
          {"B", Rect(0, 0, 10, 10), alBottom, kTL},
          {"T", Rect(0, 0, 10, 20), alTop, kTL}},
         {"30,20,160,90", "160,20,200,90", "0,20,30,90", "0,90,200,100", "0,0,200,20"},
         {"30,20,260,140", "260,20,300,140", "0,20,30,140", "0,140,300,150", "0,0,300,20"}},
        {"two tops keep their order along the side",
         {{"Lower", Rect(0, 50, 10, 60), alTop, kTL}, {"Upper", Rect(0, 0, 10, 20), alTop, kTL}},
         {"0,20,200,30", "0,0,200,20"},
         {"0,20,300,30", "0,0,300,20"}},
        {"anchors",
         {{"TopLeft", Rect(10, 10, 40, 30), alNone, kTL},
          {"TopRight", Rect(150, 10, 180, 30), alNone, {akTop, akRight}},
          {"Stretch", Rect(10, 40, 190, 60), alNone, {akLeft, akTop, akRight}},
          {"BottomRight", Rect(150, 70, 190, 90), alNone, {akRight, akBottom}},
          {"All", Rect(20, 20, 180, 80), alNone, {akLeft, akTop, akRight, akBottom}},
          {"Floating", Rect(90, 40, 110, 60), alNone, {}}},
         {"10,10,40,30", "150,10,180,30", "10,40,190,60", "150,70,190,90", "20,20,180,80", "90,40,110,60"},
         {"10,10,40,30", "250,10,280,30", "10,40,290,60", "250,120,290,140", "20,20,280,130", "140,65,160,85"}},
        {"anchors measure from the whole client area, not what alignment left",
         {{"Top", Rect(0, 0, 10, 30), alTop, kTL}, {"Right", Rect(150, 50, 190, 70), alNone, {akTop, akRight}}},
         {"0,0,200,30", "150,50,190,70"},
         {"0,0,300,30", "250,50,290,70"}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.title);
        TBox parent(nullptr);
        parent.SetBounds(0, 0, 200, 100);
        std::vector<TControl*> children;
        for (const ChildSpec& s : c.children) {
            auto* child = new TBox(&parent);
            child->SetName(s.name);
            child->SetBoundsRect(s.bounds);
            child->SetAnchors(s.anchors);
            child->SetAlign(s.align);
            child->SetParent(&parent);
            children.push_back(child);
        }
        std::vector<std::string> before, after;
        for (TControl* ch : children)
            before.push_back(RectText(ch->BoundsRect()));
        parent.SetBounds(0, 0, 300, 150);
        for (TControl* ch : children)
            after.push_back(RectText(ch->BoundsRect()));
        EXPECT_EQ(before, c.before);
        EXPECT_EQ(after, c.after);
        // Back to the first size, everything is where it started.
        parent.SetBounds(0, 0, 200, 100);
        std::vector<std::string> again;
        for (TControl* ch : children)
            again.push_back(RectText(ch->BoundsRect()));
        EXPECT_EQ(again, c.before);
    }
}

TEST(Layout, ChangesOfAnAlignedControlRealignItsSiblings)
{
    TBox parent(nullptr);
    parent.SetBounds(0, 0, 200, 100);
    auto* top = MakeControl<TBox>(&parent, &parent, "Top", 0, 0, 10, 20);
    auto* client = MakeControl<TBox>(&parent, &parent, "Client", 0, 0, 10, 10);
    top->SetAlign(alTop);
    client->SetAlign(alClient);
    EXPECT_EQ(client->BoundsRect(), Rect(0, 20, 200, 100));
    top->SetHeight(35);
    EXPECT_EQ(client->BoundsRect(), Rect(0, 35, 200, 100));
    top->Hide();
    EXPECT_EQ(client->BoundsRect(), Rect(0, 0, 200, 100));
    top->Show();
    parent.DisableAlign();
    top->SetHeight(50);
    EXPECT_EQ(client->BoundsRect(), Rect(0, 35, 200, 100));  // held back ...
    parent.EnableAlign();
    EXPECT_EQ(client->BoundsRect(), Rect(0, 50, 200, 100));  // ... until enabled
}

TEST(Layout, ADialogBuiltWhileLoadingTakesItsDesignSizeAtLoaded)
{
    // The dialog pattern: controls from a table, the form's size set last,
    // then Loaded. Anchors measure from the design size; tab orders may name
    // controls not created yet.
    TCustomForm form(nullptr);
    form.BeginLoading();
    struct Row {
        const char* name;
        TRect bounds;
        TAnchors anchors;
        int tabOrder;
    };
    const Row table[] = {
        {"OK", Rect(200, 260, 275, 285), {akRight, akBottom}, 2},
        {"Name", Rect(10, 10, 290, 31), {akLeft, akTop, akRight}, 0},
        {"Cancel", Rect(10, 260, 85, 285), {akLeft, akBottom}, 1},
    };
    for (const Row& r : table) {
        auto* c = new TEditLike(&form);
        c->SetName(r.name);
        c->SetBoundsRect(r.bounds);
        c->SetAnchors(r.anchors);
        c->SetParent(&form);
        c->SetTabOrder(r.tabOrder);
    }
    form.SetClientWidth(300);
    form.SetClientHeight(300);
    form.Loaded();
    EXPECT_FALSE(form.ComponentState().Contains(TComponentStateItem::csLoading));
    EXPECT_FALSE(form.FindComponent("OK")->ComponentState().Contains(TComponentStateItem::csLoading));

    form.SetBounds(0, 0, 400, 350);
    auto bounds = [&](const char* n) { return static_cast<TControl*>(form.FindComponent(n))->BoundsRect(); };
    EXPECT_EQ(bounds("OK"), Rect(300, 310, 375, 335));
    EXPECT_EQ(bounds("Name"), Rect(10, 10, 390, 31));
    EXPECT_EQ(bounds("Cancel"), Rect(10, 310, 85, 335));
    std::vector<TWinControl*> tabs;
    form.GetTabOrderList(tabs);
    ASSERT_EQ(tabs.size(), 3u);
    EXPECT_EQ(tabs[0]->Name(), "Name");
    EXPECT_EQ(tabs[1]->Name(), "Cancel");
    EXPECT_EQ(tabs[2]->Name(), "OK");
}

// ---- ownership and parents ------------------------------------------------------------------------

namespace {

struct Counted : TComponent {
    Counted(TComponent* Owner, int* Alive) : TComponent(Owner), alive(Alive) { ++*alive; }
    ~Counted() override { --*alive; }
    int* alive;
};

struct Watcher : TComponent {
    using TComponent::TComponent;
    std::vector<TComponent*> removed;
    void Notification(TComponent* C, TOperation Op) override
    {
        TComponent::Notification(C, Op);
        if (Op == TOperation::opRemove)
            removed.push_back(C);
    }
};

struct CountedBox : TBox {
    CountedBox(TComponent* Owner, int* Alive) : TBox(Owner), alive(Alive) { ++*alive; }
    ~CountedBox() override { --*alive; }
    int* alive;
};

}  // namespace

TEST(Ownership, OwnerFreesOwnedComponentsAndTellsTheWatchers)
{
    int alive = 0;
    Watcher watcher(nullptr);
    auto* owner = new Counted(nullptr, &alive);
    auto* a = new Counted(owner, &alive);
    auto* b = new Counted(owner, &alive);
    new Counted(a, &alive);  // owned by an owned one
    watcher.FreeNotification(b);
    EXPECT_EQ(alive, 4);
    EXPECT_EQ(owner->ComponentCount(), 2);
    delete owner;
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(watcher.removed, std::vector<TComponent*>{b});
}

TEST(Ownership, ParentsFreeTheirControlsAndWeakReferencesExpire)
{
    int alive = 0;
    auto* parent = new CountedBox(nullptr, &alive);
    auto* child = new CountedBox(nullptr, &alive);  // no owner
    child->SetParent(parent);
    auto* grandchild = new CountedBox(parent, &alive);
    grandchild->SetParent(child);
    TWeakRef<TControl> ref(grandchild);
    EXPECT_EQ(ref.Get(), grandchild);
    EXPECT_THROW(parent->SetParent(grandchild), EInvalidOperation);
    delete parent;
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(ref.Get(), nullptr);
}

TEST(Ownership, ReparentingMovesTheWidget)
{
    TBox a(nullptr), b(nullptr);
    auto* c = MakeControl<TBox>(nullptr, &a, "C", 1, 2, 3, 4);
    EXPECT_EQ(c->Widget()->parentWidget(), a.Widget());
    c->SetParent(&b);
    EXPECT_EQ(c->Widget()->parentWidget(), b.Widget());
    EXPECT_EQ(a.ControlCount(), 0);
    EXPECT_EQ(b.ControlCount(), 1);
    EXPECT_EQ(c->Widget()->geometry(), QRect(1, 2, 3, 4));
}

// ---- inherited font, colour and hints -------------------------------------------------------------

TEST(Inheritance, ParentFontAndColourReachTheChildrenThatFollow)
{
    TCustomForm form(nullptr);
    auto* panel = MakeControl<TBox>(&form, &form, "Panel", 0, 0, 100, 100);
    auto* follows = MakeControl<TBox>(&form, panel, "Follows", 0, 0, 10, 10);
    auto* own = MakeControl<TBox>(&form, panel, "Own", 0, 0, 10, 10);
    own->Font().SetName("Courier New");
    EXPECT_FALSE(own->ParentFont());
    EXPECT_TRUE(follows->ParentFont());

    form.Font().SetName("Verdana");
    form.Font().SetHeight(-11);
    EXPECT_EQ(panel->Font().Name(), "Verdana");
    EXPECT_EQ(follows->Font().Name(), "Verdana");
    EXPECT_EQ(follows->Font().Height(), -11);
    EXPECT_TRUE(follows->ParentFont());
    EXPECT_EQ(own->Font().Name(), "Courier New");

    form.SetColor(clWhite);
    EXPECT_EQ(follows->Color(), clWhite);
    own->SetColor(clRed);
    form.SetColor(clYellow);
    EXPECT_EQ(follows->Color(), clYellow);
    EXPECT_EQ(own->Color(), clRed);
    own->SetParentColor(true);
    EXPECT_EQ(own->Color(), clYellow);

    form.SetShowHint(true);
    EXPECT_TRUE(follows->ShowHint());
    own->SetShowHint(false);
    form.SetShowHint(false);
    form.SetShowHint(true);
    EXPECT_FALSE(own->ShowHint());

    // A control placed later takes the parent's values.
    auto* late = MakeControl<TBox>(&form, panel, "Late", 0, 0, 10, 10);
    EXPECT_EQ(late->Font().Name(), "Verdana");
    EXPECT_EQ(late->Color(), clYellow);
}
