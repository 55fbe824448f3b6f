#pragma once
// Scripted message boxes: the test says which boxes the code will show and
// what the user answers; nothing is shown and nothing blocks.
//
//   TestKit::MessageBoxScript boxes;
//   boxes.Expect(mtConfirmation, "Delete the row?", mbYesNo, mrYes);
//   boxes.ExpectEsc(mtConfirmation, "Really?", mbYesNo);   // answers mrNo
//   ... code under test ...
//   EXPECT_EQ(boxes.Pending(), 0);
//
// Every box shown is recorded (kind, caption, text, buttons, answer). A box
// that differs from the next expected one (kind, text or buttons), or comes
// when none is expected, fails the test and is answered as if closed
// (mrCancel). Expected boxes that never came fail the test when the script
// ends.
#include <deque>
#include <vector>

#include "platform/gui/dialogs.h"

namespace TestKit {

struct ShownMessageBox {
    TMsgDlgType Kind = mtCustom;
    String Caption;
    String Text;
    TMsgDlgButtons Buttons;
    TModalResult Answer = mrNone;
};

class MessageBoxScript : public TMessageBoxHandler {
public:
    // Installs itself for its lifetime.
    MessageBoxScript();
    ~MessageBoxScript() override;
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    // The next box: its kind, exact text and buttons, and the answer.
    MessageBoxScript& Expect(TMsgDlgType Kind, const String& Text, TMsgDlgButtons Buttons, TModalResult Answer);
    // The next box, answered with Esc (what the box's cancel button answers).
    MessageBoxScript& ExpectEsc(TMsgDlgType Kind, const String& Text, TMsgDlgButtons Buttons);
    // The next box, whatever it is, answered with Answer.
    MessageBoxScript& ExpectAny(TModalResult Answer);

    const std::vector<ShownMessageBox>& Shown() const { return shown_; }
    // Expected boxes not shown yet.
    int Pending() const { return int(expected_.size()); }

    TModalResult Show(const TMessageBoxRequest& Request) override;

private:
    struct Expected {
        bool Any = false;
        bool Esc = false;
        TMsgDlgType Kind = mtCustom;
        String Text;
        TMsgDlgButtons Buttons;
        TModalResult Answer = mrNone;
    };
    std::deque<Expected> expected_;
    std::vector<ShownMessageBox> shown_;
    TMessageBoxHandler* previous_ = nullptr;
};

// Readable names for failure messages.
const char* MsgDlgTypeName(TMsgDlgType Kind);
std::string MsgDlgButtonsText(TMsgDlgButtons Buttons);

}  // namespace TestKit
