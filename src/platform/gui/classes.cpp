#include "platform/gui/classes.h"

#include <algorithm>
#include <list>
#include <typeinfo>

void TPersistent::Assign(const TPersistent& Source)
{
    Source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& Dest) const
{
    throw Exception(QStringLiteral("Cannot assign a %1 to a %2")
                        .arg(QString::fromLatin1(typeid(*this).name()), QString::fromLatin1(typeid(Dest).name())));
}

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner) {
        AOwner->InsertComponent(this);
        // Created while the owner is loading: finishes loading with it.
        if (AOwner->state_.Contains(TComponentStateItem::csLoading))
            state_.Include(TComponentStateItem::csLoading);
    }
}

TComponent::~TComponent()
{
    Destroying();
    // Tell everyone who asked; they drop their references to us.
    const std::vector<TComponent*> watchers = freeNotifies_;
    freeNotifies_.clear();
    for (TComponent* w : watchers) {
        auto& theirs = w->freeNotifies_;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        w->Notification(this, TOperation::opRemove);
    }
    // Free what we own, last created first.
    while (!components_.empty()) {
        TComponent* c = components_.back();
        c->BeforeDestruction();
        RemoveComponent(c);
        delete c;
    }
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::SetName(const String& Value)
{
    if (Value == name_)
        return;
    if (!Value.isEmpty() && owner_) {
        TComponent* other = owner_->FindComponent(Value);
        if (other && other != this)
            throw Exception(QStringLiteral("A component named %1 already exists").arg(Value));
    }
    name_ = Value;
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return components_[Index];
}

TComponent* TComponent::FindComponent(const String& Name) const
{
    if (Name.isEmpty())
        return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->Name(), Name))
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* Component)
{
    if (!Component || Component->owner_ == this)
        return;
    if (Component->owner_)
        Component->owner_->RemoveComponent(Component);
    components_.push_back(Component);
    Component->owner_ = this;
    Notification(Component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* Component)
{
    auto it = std::find(components_.begin(), components_.end(), Component);
    if (it == components_.end())
        return;
    Notification(Component, TOperation::opRemove);
    components_.erase(std::find(components_.begin(), components_.end(), Component));
    Component->owner_ = nullptr;
}

void TComponent::FreeNotification(TComponent* Component)
{
    if (!Component || Component == this)
        return;
    auto add = [](std::vector<TComponent*>& v, TComponent* c) {
        if (std::find(v.begin(), v.end(), c) == v.end())
            v.push_back(c);
    };
    add(freeNotifies_, Component);
    add(Component->freeNotifies_, this);
}

void TComponent::RemoveFreeNotification(TComponent* Component)
{
    if (!Component)
        return;
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), Component), freeNotifies_.end());
    auto& theirs = Component->freeNotifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::BeginLoading() { state_.Include(TComponentStateItem::csLoading); }

void TComponent::Loaded()
{
    state_.Exclude(TComponentStateItem::csLoading);
    // The owned components created while this one was loading finish too.
    const std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned)
        if (c->state_.Contains(TComponentStateItem::csLoading))
            c->Loaded();
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::BeforeDestruction() { Destroying(); }

void TComponent::Free()
{
    BeforeDestruction();
    delete this;
}

void TComponent::Destroying()
{
    state_.Include(TComponentStateItem::csDestroying);
    alive_.reset();
}

// ---- TCollectionItem ----------------------------------------------------------------------------

TCollectionItem::TCollectionItem(TCollection* Collection) { SetCollection(Collection); }

TCollectionItem::~TCollectionItem()
{
    if (collection_)
        collection_->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value)
{
    if (Value == collection_)
        return;
    if (collection_)
        collection_->RemoveItem(this);
    if (Value)
        Value->InsertItem(this);
}

int TCollectionItem::Index() const
{
    if (!collection_)
        return -1;
    const auto& v = collection_->items_;
    return static_cast<int>(std::find(v.begin(), v.end(), this) - v.begin());
}

void TCollectionItem::SetIndex(int Value)
{
    if (!collection_)
        return;
    auto& v = collection_->items_;
    const int cur = Index();
    Value = std::clamp(Value, 0, static_cast<int>(v.size()) - 1);
    if (Value == cur)
        return;
    v.erase(v.begin() + cur);
    v.insert(v.begin() + Value, this);
    collection_->Changed();
}

void TCollectionItem::Changed(bool AllItems)
{
    if (collection_ && collection_->updateCount_ == 0)
        collection_->Update(AllItems ? nullptr : this);
}

// ---- TCollection --------------------------------------------------------------------------------

TCollection::TCollection(TItemFactory Factory, TPersistent* AOwner) : factory_(std::move(Factory)), owner_(AOwner) {}

TCollection::~TCollection()
{
    // No Update from a collection being destroyed: a subclass is gone.
    ++updateCount_;
    while (!items_.empty())
        delete items_.back();
}

void TCollection::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

TCollectionItem* TCollection::Add()
{
    if (!factory_)
        throw Exception(QStringLiteral("The collection cannot make items"));
    TCollectionItem* item = factory_(this);
    // A factory that made the item without the collection: it joins here.
    if (item && item->collection_ != this)
        item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int Index)
{
    if (Index < 0 || Index > Count())
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(Index));
    BeginUpdate();
    TCollectionItem* item = nullptr;
    try {
        item = Add();
        if (item)
            item->SetIndex(Index);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return item;
}

void TCollection::Delete(int Index)
{
    CheckIndex(Index);
    delete items_[size_t(Index)];
}

void TCollection::Clear()
{
    if (items_.empty())
        return;
    BeginUpdate();
    while (!items_.empty())
        delete items_.back();
    EndUpdate();
}

void TCollection::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed();
}

void TCollection::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TCollection*>(&Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    if (src == this)
        return;
    BeginUpdate();
    try {
        while (!items_.empty())
            delete items_.back();
        for (TCollectionItem* s : src->items_)
            if (TCollectionItem* d = Add())
                d->Assign(*s);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed()
{
    if (updateCount_ == 0)
        Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item)
{
    items_.push_back(Item);
    Item->collection_ = this;
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    items_.erase(std::remove(items_.begin(), items_.end(), Item), items_.end());
    Item->collection_ = nullptr;
    Changed();
}

// ---- the class registry -------------------------------------------------------------------------

namespace {

// A list: a registered class keeps its place while others come and go.
std::list<TPersistentClassInfo>& ClassRegistry()
{
    static std::list<TPersistentClassInfo> classes;
    return classes;
}

std::list<TPersistentClassInfo>::iterator FindRegistered(const String& Name)
{
    auto& classes = ClassRegistry();
    return std::find_if(classes.begin(), classes.end(), [&](const TPersistentClassInfo& c) {
        return c.Name.compare(Name, Qt::CaseInsensitive) == 0;
    });
}

}  // namespace

void RegisterClass(const String& Name, const std::type_info& Type, TPersistentMaker Create)
{
    const auto it = FindRegistered(Name);
    if (it != ClassRegistry().end()) {
        if (*it->Type != Type)
            throw Exception(QStringLiteral("A class named %1 already exists").arg(Name));
        return;
    }
    ClassRegistry().push_back({Name, &Type, std::move(Create)});
}

void UnRegisterClass(const String& Name)
{
    const auto it = FindRegistered(Name);
    if (it != ClassRegistry().end())
        ClassRegistry().erase(it);
}

const TPersistentClassInfo* GetClass(const String& Name)
{
    const auto it = FindRegistered(Name);
    return it == ClassRegistry().end() ? nullptr : &*it;
}

const TPersistentClassInfo& FindClass(const String& Name)
{
    if (const TPersistentClassInfo* c = GetClass(Name))
        return *c;
    throw Exception(QStringLiteral("Class %1 not found").arg(Name));
}
