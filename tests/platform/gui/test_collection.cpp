// TCollection and TCollectionItem: membership, order, freeing and the
// Update notifications.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/classes.h"

namespace {

class TNamedItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    String Name;
    void SetName(const String& Value)
    {
        Name = Value;
        Changed(false);
    }
    void Assign(const TPersistent& Source) override
    {
        if (const auto* s = dynamic_cast<const TNamedItem*>(&Source))
            Name = s->Name;
        else
            TCollectionItem::Assign(Source);
    }
};

class TLoggingCollection : public TCollection {
public:
    TLoggingCollection() : TCollection([](TCollection* C) -> TCollectionItem* { return new TNamedItem(C); }) {}
    std::vector<std::string> Log;
    TNamedItem* Item(int I) const { return static_cast<TNamedItem*>(Items(I)); }
    std::string Names() const
    {
        std::string s;
        for (int i = 0; i < Count(); ++i)
            s += Item(i)->Name.toStdString() + (i + 1 < Count() ? "," : "");
        return s;
    }

protected:
    void Update(TCollectionItem* Item) override
    {
        Log.push_back(Item ? "item " + static_cast<TNamedItem*>(Item)->Name.toStdString() : "all");
    }
};

TEST(Collection, AddInsertDeleteKeepOrderAndIndexes)
{
    TLoggingCollection c;
    for (const char* n : {"a", "b", "c"})
        static_cast<TNamedItem*>(c.Add())->Name = n;
    static_cast<TNamedItem*>(c.Insert(1))->Name = "x";
    EXPECT_EQ(c.Names(), "a,x,b,c");
    for (int i = 0; i < c.Count(); ++i)
        EXPECT_EQ(c.Items(i)->Index(), i);
    c.Delete(0);
    EXPECT_EQ(c.Names(), "x,b,c");
    c.Item(2)->SetIndex(0);
    EXPECT_EQ(c.Names(), "c,x,b");
    EXPECT_EQ(c.Items(0)->Collection(), &c);
    EXPECT_THROW(c.Items(3), Exception);
    EXPECT_THROW(c.Delete(-1), Exception);
    EXPECT_THROW(c.Insert(4), Exception);
}

TEST(Collection, UpdateAfterEveryChangeOnceAfterEndUpdate)
{
    TLoggingCollection c;
    c.Add();                       // all
    c.Item(0)->SetName("a");       // item a
    c.Insert(0);                   // all (once: the move is inside)
    c.Delete(0);                   // all
    EXPECT_EQ(c.Log, (std::vector<std::string>{"all", "item a", "all", "all"}));
    c.Log.clear();
    c.BeginUpdate();
    c.Add();
    c.Item(0)->SetName("b");
    c.Delete(1);
    EXPECT_TRUE(c.Log.empty());
    c.EndUpdate();
    EXPECT_EQ(c.Log, (std::vector<std::string>{"all"}));
}

TEST(Collection, FreeingAnItemRemovesItAndNotifies)
{
    TLoggingCollection c;
    c.Add();
    TNamedItem* b = static_cast<TNamedItem*>(c.Add());
    b->Name = "b";
    c.Log.clear();
    delete b;
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Log, (std::vector<std::string>{"all"}));
    // An item moved to another collection leaves the first.
    TLoggingCollection d;
    c.Items(0)->SetCollection(&d);
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(d.Count(), 1);
    // An item without collection.
    TNamedItem loose(nullptr);
    EXPECT_EQ(loose.Index(), -1);
}

TEST(Collection, AssignCopiesItemsAndOwnerIsKept)
{
    TPersistent owner;
    TCollection plain([](TCollection* C) -> TCollectionItem* { return new TNamedItem(C); }, &owner);
    EXPECT_EQ(plain.Owner(), &owner);
    TLoggingCollection src, dst;
    for (const char* n : {"p", "q"})
        static_cast<TNamedItem*>(src.Add())->Name = n;
    dst.Add();
    dst.Log.clear();
    dst.Assign(src);
    EXPECT_EQ(dst.Names(), "p,q");
    EXPECT_EQ(dst.Log, (std::vector<std::string>{"all"}));
    dst.Clear();
    EXPECT_EQ(dst.Count(), 0);
}

}  // namespace
