#pragma once
// Modal forms in tests: the test registers what to do when a form is shown
// modally, and ShowModal runs that instead of waiting for a user.
//
//   TestKit::ModalFormDriver modal;
//   modal.When(dialog, [](TForm& f) {
//       auto& d = static_cast<TFNew&>(f);
//       d.E_Name->SetText("demo");
//       d.Btn_OK->Click();          // sets ModalResult, or the handler does
//   });
//   EXPECT_EQ(dialog->ShowModal(), mrOk);
//
// The form is shown (OnShow runs, it is the active form) before the action
// runs, and closed the usual way afterwards (OnCloseQuery, OnClose). An
// action that leaves ModalResult at mrNone lets the form finish by itself:
// posted messages are delivered once; if the result is still mrNone the test
// fails and the show ends with mrCancel. A form shown modally with no rule
// fails the test and ends with mrCancel.
#include <functional>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "platform/gui/forms.h"

namespace TestKit {

struct ShownModalForm {
    String Name;
    String ClassName;
    TModalResult Result = mrNone;
};

class ModalFormDriver : public TModalHandler {
public:
    using Action = std::function<void(TForm& Form)>;

    ModalFormDriver();
    ~ModalFormDriver() override;
    ModalFormDriver(const ModalFormDriver&) = delete;
    ModalFormDriver& operator=(const ModalFormDriver&) = delete;

    // Every modal show of this form instance runs A.
    ModalFormDriver& When(TForm* Form, Action A);
    // Every modal show of a form with this name (when no instance rule applies).
    ModalFormDriver& WhenNamed(const String& Name, Action A);
    // Every modal show of a form of class T (when no instance or name rule applies).
    template <typename T>
    ModalFormDriver& WhenClass(std::function<void(T& Form)> A)
    {
        classRules_.push_back({[](TForm& f) {
                                   if constexpr (std::is_base_of_v<T, TForm>)
                                       return true;  // every form
                                   else
                                       return dynamic_cast<T*>(&f) != nullptr;
                               },
                               [A](TForm& f) { A(static_cast<T&>(f)); }});
        return *this;
    }

    // Ready-made actions.
    static Action SetResult(TModalResult Result);
    // Clicks the named control (Click(): a button's OnClick and ModalResult).
    static Action ClickControl(const String& Name);
    // Does nothing: the form sets its ModalResult itself.
    static Action LeaveToForm();

    const std::vector<ShownModalForm>& Shown() const { return shown_; }

    void RunModal(TForm& Form) override;

private:
    struct ClassRule {
        std::function<bool(TForm&)> Matches;
        Action Run;
    };
    std::vector<std::pair<TWeakRef<TForm>, Action>> instanceRules_;
    std::vector<std::pair<String, Action>> nameRules_;
    std::vector<ClassRule> classRules_;
    std::vector<ShownModalForm> shown_;
    TModalHandler* previous_ = nullptr;
};

}  // namespace TestKit
