#include "platform/testing/modal_driver.h"

#include <gtest/gtest.h>

#include <typeinfo>

#include "platform/gui/application.h"

namespace TestKit {

ModalFormDriver::ModalFormDriver() { previous_ = SetModalHandler(this); }

ModalFormDriver::~ModalFormDriver() { SetModalHandler(previous_); }

ModalFormDriver& ModalFormDriver::When(TForm* Form, Action A)
{
    instanceRules_.emplace_back(TWeakRef<TForm>(Form), std::move(A));
    return *this;
}

ModalFormDriver& ModalFormDriver::WhenNamed(const String& Name, Action A)
{
    nameRules_.emplace_back(Name, std::move(A));
    return *this;
}

ModalFormDriver::Action ModalFormDriver::SetResult(TModalResult Result)
{
    return [Result](TForm& f) { f.SetModalResult(Result); };
}

ModalFormDriver::Action ModalFormDriver::ClickControl(const String& Name)
{
    return [Name](TForm& f) {
        auto* c = dynamic_cast<TControl*>(f.FindComponent(Name));
        if (!c) {
            ADD_FAILURE() << "Form " << f.Name().toStdString() << " has no control " << Name.toStdString();
            return;
        }
        c->Click();
    };
}

ModalFormDriver::Action ModalFormDriver::LeaveToForm()
{
    return [](TForm&) {};
}

void ModalFormDriver::RunModal(TForm& Form)
{
    TWeakRef<TForm> form(&Form);
    const String className = QString::fromLatin1(typeid(Form).name());
    const Action* action = nullptr;
    for (const auto& [ref, a] : instanceRules_)
        if (ref.Get() == &Form)
            action = &a;
    if (!action)
        for (const auto& [name, a] : nameRules_)
            if (!name.isEmpty() && SameText(name, Form.Name()))
                action = &a;
    if (!action)
        for (const ClassRule& r : classRules_)
            if (r.Matches(Form))
                action = &r.Run;
    if (!action) {
        ADD_FAILURE() << "Unexpected modal form: " << Form.Name().toStdString() << " (" << className.toStdString()
                      << ", caption \"" << Form.Caption().toStdString() << "\")";
        Form.SetModalResult(mrCancel);
        shown_.push_back({Form.Name(), className, mrCancel});
        return;
    }
    const Action run = *action;  // the rules may change while it runs
    run(Form);
    if (!form)
        return;
    if (Form.ModalResult() == mrNone)
        ProcessPostedMessages();
    if (!form)
        return;
    if (Form.ModalResult() == mrNone) {
        ADD_FAILURE() << "Modal form " << Form.Name().toStdString() << " (" << className.toStdString()
                      << ") was left open by its test action";
        Form.SetModalResult(mrCancel);
    }
    shown_.push_back({Form.Name(), className, Form.ModalResult()});
}

}  // namespace TestKit
