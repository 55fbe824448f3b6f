#include "platform/gui/actions.h"

#include <algorithm>

#include "platform/gui/controls.h"

// ---- TBasicAction -------------------------------------------------------------------------------

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction()
{
    for (TBasicActionLink* link : clients_)
        link->action_ = nullptr;
    clients_.clear();
}

bool TBasicAction::Execute()
{
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

// ---- TCustomAction ------------------------------------------------------------------------------

TCustomAction::TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}

namespace {

// Tells every link (a copy of the list: a link may leave meanwhile).
template <typename F>
void tellLinks(const std::vector<TBasicActionLink*>& Links, F Tell)
{
    const std::vector<TBasicActionLink*> links = Links;
    for (TBasicActionLink* l : links)
        if (std::find(Links.begin(), Links.end(), l) != Links.end())
            Tell(*l);
}

}  // namespace

void TCustomAction::SetCaption(const String& Value)
{
    if (Value == caption_)
        return;
    tellLinks(Clients(), [&](TBasicActionLink& L) { L.SetCaption(Value); });
    caption_ = Value;
}

void TCustomAction::SetChecked(bool Value)
{
    if (Value == checked_)
        return;
    tellLinks(Clients(), [&](TBasicActionLink& L) { L.SetChecked(Value); });
    checked_ = Value;
}

void TCustomAction::SetEnabled(bool Value)
{
    if (Value == enabled_)
        return;
    tellLinks(Clients(), [&](TBasicActionLink& L) { L.SetEnabled(Value); });
    enabled_ = Value;
}

void TCustomAction::SetGroupIndex(int Value)
{
    if (Value == groupIndex_)
        return;
    tellLinks(Clients(), [&](TBasicActionLink& L) { L.SetGroupIndex(Value); });
    groupIndex_ = Value;
}

void TCustomAction::SetHint(const String& Value)
{
    if (Value == hint_)
        return;
    tellLinks(Clients(), [&](TBasicActionLink& L) { L.SetHint(Value); });
    hint_ = Value;
}

void TCustomAction::SetVisible(bool Value)
{
    if (Value == visible_)
        return;
    tellLinks(Clients(), [&](TBasicActionLink& L) { L.SetVisible(Value); });
    visible_ = Value;
}

// ---- links --------------------------------------------------------------------------------------

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* Value)
{
    if (Value == action_)
        return;
    if (action_) {
        auto& c = action_->clients_;
        c.erase(std::remove(c.begin(), c.end(), this), c.end());
    }
    action_ = Value;
    if (action_)
        action_->clients_.push_back(this);
}

bool TBasicActionLink::Execute() { return action_ && action_->Execute(); }

bool TControlActionLink::IsCaptionLinked() const
{
    const TCustomAction* a = CustomAction();
    return a && client_->Caption() == a->Caption();
}

bool TControlActionLink::IsEnabledLinked() const
{
    const TCustomAction* a = CustomAction();
    return a && client_->Enabled() == a->Enabled();
}

bool TControlActionLink::IsHintLinked() const
{
    const TCustomAction* a = CustomAction();
    return a && client_->Hint() == a->Hint();
}

bool TControlActionLink::IsVisibleLinked() const
{
    const TCustomAction* a = CustomAction();
    return a && client_->Visible() == a->Visible();
}

void TControlActionLink::SetCaption(const String& Value)
{
    if (IsCaptionLinked())
        client_->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value)
{
    if (IsEnabledLinked())
        client_->SetEnabled(Value);
}

void TControlActionLink::SetHint(const String& Value)
{
    if (IsHintLinked())
        client_->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value)
{
    if (IsVisibleLinked())
        client_->SetVisible(Value);
}
