#pragma once
// The persistent-object and component base classes.
#include <functional>
#include <memory>
#include <typeinfo>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/object.h"
#include "platform/rtl/set.h"
#include "platform/rtl/strings.h"

// Horizontal alignment of a text in its box.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using TAlignment::taLeftJustify, TAlignment::taRightJustify, TAlignment::taCenter;

using TNotifyEvent = std::function<void(TObject* Sender)>;

// An object whose state can be copied from another of a compatible class.
class TPersistent : public TObject {
public:
    // Copies Source's state; the base raises Exception("Cannot assign ...")
    // when neither side knows the other's class.
    virtual void Assign(const TPersistent& Source);

protected:
    // Called by Assign when this class cannot copy from Source: gives Source
    // the chance to copy itself into Dest. The base raises.
    virtual void AssignTo(TPersistent& Dest) const;
};

enum class TOperation { opInsert, opRemove };

enum class TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csUpdating };
using TComponentState = Set<TComponentStateItem>;

// A component is owned by another component, which frees it; components may
// be told about each other's removal through FreeNotification.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const String& Name() const { return name_; }
    void SetName(const String& Value);
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t Value) { tag_ = Value; }
    TComponentState ComponentState() const { return state_; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int Index) const;
    // The owned component of that name (case-insensitive), nullptr when none.
    TComponent* FindComponent(const String& Name) const;

    void InsertComponent(TComponent* Component);
    void RemoveComponent(TComponent* Component);

    // Asks to be told (Notification opRemove) when Component is destroyed.
    void FreeNotification(TComponent* Component);
    void RemoveFreeNotification(TComponent* Component);

    // Marks the component as loading (csLoading) until Loaded is called; a
    // dialog's constructor brackets the creation of its controls with these.
    // Components created with a loading owner start loading too.
    void BeginLoading();
    // Called once the component's properties are all set; clears csLoading
    // and calls Loaded on the owned components still loading.
    virtual void Loaded();

    // Called on a complete object just before it is deleted by its owner, by
    // its parent control or by Free (a destructor of a base class can no
    // longer reach the overrides of the derived ones). The base calls
    // Destroying.
    virtual void BeforeDestruction();
    // BeforeDestruction, then delete. For components on the heap only.
    void Free();
    // A token that expires when the component starts being destroyed; see
    // TWeakRef.
    std::weak_ptr<void> AliveToken() const { return alive_; }

protected:
    // Another component was inserted into or removed from this one's owned
    // list, or a component this one asked to watch is being destroyed.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    void SetComponentState(TComponentState S) { state_ = S; }
    // Marks the component csDestroying and expires its alive token, so weak
    // references read nullptr from here on. Idempotent.
    void Destroying();

private:
    TComponent* owner_ = nullptr;
    String name_;
    intptr_t tag_ = 0;
    TComponentState state_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::shared_ptr<void> alive_ = std::make_shared<char>(0);
};

// A reference to a component that reads nullptr once the component is being
// destroyed: for whoever keeps a pointer beyond the current call (posted
// messages, timers, the mouse capture, the focus).
template <typename T>
class TWeakRef {
public:
    TWeakRef() = default;
    TWeakRef(T* Ptr) : ptr_(Ptr), token_(Ptr ? Ptr->AliveToken() : std::weak_ptr<void>()) {}
    T* Get() const { return token_.expired() ? nullptr : ptr_; }
    operator T*() const { return Get(); }
    T* operator->() const { return Get(); }
    void Reset() { *this = TWeakRef(); }

private:
    T* ptr_ = nullptr;
    std::weak_ptr<void> token_;
};

// ---- collections --------------------------------------------------------------------------------

class TCollection;

// An item of a TCollection. Created with a collection it joins it at the
// end; deleting an item takes it out of its collection, which is told
// (Update(nullptr)).
class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    // Moves the item into another collection (nullptr: into none).
    void SetCollection(TCollection* Value);
    // Position in the collection; -1 without one.
    int Index() const;
    // Moves the item to Value (clamped into the collection).
    void SetIndex(int Value);

protected:
    // The item's state changed: Update(this), or Update(nullptr) when
    // AllItems, unless the collection is updating.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
};

// An ordered list of owned items of one class. Every change (an item added,
// inserted, deleted, moved, freed, or an item reporting Changed) calls the
// virtual Update(Item) (Item nullptr: the list itself changed) unless
// BeginUpdate is in force; the last EndUpdate calls Update(nullptr) once.
class TCollection : public TPersistent {
public:
    // Makes a new item of the collection's class for Add and Insert; the
    // item joins the collection through its constructor.
    using TItemFactory = std::function<TCollectionItem*(TCollection* Collection)>;

    explicit TCollection(TItemFactory Factory, TPersistent* AOwner = nullptr);
    ~TCollection() override;

    TPersistent* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // A bad index raises Exception "List index out of bounds (n)".
    TCollectionItem* Items(int Index) const
    {
        if (Index < 0 || Index >= Count())
            CheckIndex(Index);
        return items_[size_t(Index)];
    }
    TCollectionItem* Add();
    // A new item at Index (0 .. Count).
    TCollectionItem* Insert(int Index);
    // Frees the item at Index.
    void Delete(int Index);
    // Frees every item (one Update).
    void Clear();
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }
    // Empties the collection and adds one item per item of Source (a
    // TCollection), each assigned from its counterpart.
    void Assign(const TPersistent& Source) override;

protected:
    // After every change; Item is the changed item, nullptr when the list
    // itself changed. The base does nothing.
    virtual void Update(TCollectionItem* Item);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    void CheckIndex(int Index) const;

    TItemFactory factory_;
    TPersistent* owner_;
    std::vector<TCollectionItem*> items_;
    int updateCount_ = 0;
};

// ---- the class registry -------------------------------------------------------------------------

// Persistent classes found by name, for building objects from stored
// descriptions. A class comes with a maker when it can be made from an
// owner alone.
using TPersistentMaker = std::function<TPersistent*(TComponent* AOwner)>;

struct TPersistentClassInfo {
    String Name;
    const std::type_info* Type = nullptr;
    TPersistentMaker Create;
};

// Registers Type under Name. The same class under the same name again
// changes nothing; another class under a name already taken (names
// compared ignoring case) raises Exception "A class named X
// already exists".
void RegisterClass(const String& Name, const std::type_info& Type, TPersistentMaker Create = {});
void UnRegisterClass(const String& Name);
// The class registered under Name, nullptr when none (valid until it is
// unregistered).
const TPersistentClassInfo* GetClass(const String& Name);
// The same, raising Exception "Class X not found" when none.
const TPersistentClassInfo& FindClass(const String& Name);
