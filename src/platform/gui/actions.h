#pragma once
// Actions: a command with a caption, checked and enabled states, a group,
// a hint and a visibility, shared by the controls that show it. A control
// holds an action link; the link hears every change of the action and
// writes it into the control while that property is "linked" (by default:
// while the control's value still equals the action's old value, so a
// value the program set on the control itself is kept). Clicking the
// control executes the action.
//
// An action that is destroyed leaves its links (they then hold no action);
// a link that is destroyed leaves its action.
#include <vector>

#include "platform/gui/classes.h"

class TBasicActionLink;

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* AOwner);
    ~TBasicAction() override;

    // Runs OnExecute; false when it is not set.
    virtual bool Execute();

    // The links that show this action.
    const std::vector<TBasicActionLink*>& Clients() const { return clients_; }

    TNotifyEvent OnExecute;

private:
    friend class TBasicActionLink;
    std::vector<TBasicActionLink*> clients_;
};

class TCustomAction : public TBasicAction {
public:
    explicit TCustomAction(TComponent* AOwner);

    // Each setter tells the links first (while the action still holds the
    // old value), then stores the value; nothing happens when unchanged.
    const String& Caption() const { return caption_; }
    void SetCaption(const String& Value);
    bool Checked() const { return checked_; }
    void SetChecked(bool Value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int Value);
    const String& Hint() const { return hint_; }
    void SetHint(const String& Value);
    bool Visible() const { return visible_; }
    void SetVisible(bool Value);

private:
    String caption_;
    bool checked_ = false;
    bool enabled_ = true;
    int groupIndex_ = 0;
    String hint_;
    bool visible_ = true;
};

class TAction : public TCustomAction {
public:
    explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
};

// The connection of one client to one action.
class TBasicActionLink {
public:
    TBasicActionLink() = default;
    virtual ~TBasicActionLink();
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;

    TBasicAction* Action() const { return action_; }
    // Leaves the old action and joins the new one (nullptr: none).
    void SetAction(TBasicAction* Value);
    // Executes the action; false without one (or without its OnExecute).
    virtual bool Execute();

    // What the action's setters call, before the action stores the value.
    virtual void SetCaption(const String&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetGroupIndex(int) {}
    virtual void SetHint(const String&) {}
    virtual void SetVisible(bool) {}

protected:
    // The action as a TCustomAction (nullptr for any other action).
    TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(action_); }

private:
    friend class TBasicAction;
    TBasicAction* action_ = nullptr;
};

class TControl;

// The link of a control: caption, enabled state, hint and visibility are
// linked while the control's value equals the action's.
class TControlActionLink : public TBasicActionLink {
public:
    explicit TControlActionLink(TControl* AClient) : client_(AClient) {}

    TControl* Client() const { return client_; }

    virtual bool IsCaptionLinked() const;
    virtual bool IsCheckedLinked() const { return CustomAction() != nullptr; }
    virtual bool IsEnabledLinked() const;
    virtual bool IsGroupIndexLinked() const { return CustomAction() != nullptr; }
    virtual bool IsHintLinked() const;
    virtual bool IsVisibleLinked() const;

    void SetCaption(const String& Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const String& Value) override;
    void SetVisible(bool Value) override;

private:
    TControl* client_;
};
