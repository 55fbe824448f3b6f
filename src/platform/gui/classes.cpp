#include "platform/gui/classes.h"

#include <algorithm>
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
