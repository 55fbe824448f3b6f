#include "platform/testing/message_box_script.h"

#include <gtest/gtest.h>

namespace TestKit {

const char* MsgDlgTypeName(TMsgDlgType Kind)
{
    switch (Kind) {
    case mtWarning: return "mtWarning";
    case mtError: return "mtError";
    case mtInformation: return "mtInformation";
    case mtConfirmation: return "mtConfirmation";
    case mtCustom: return "mtCustom";
    }
    return "?";
}

std::string MsgDlgButtonsText(TMsgDlgButtons Buttons)
{
    static const std::pair<TMsgDlgBtn, const char*> names[] = {
        {mbYes, "mbYes"},       {mbNo, "mbNo"},         {mbOK, "mbOK"},           {mbCancel, "mbCancel"},
        {mbAbort, "mbAbort"},   {mbRetry, "mbRetry"},   {mbIgnore, "mbIgnore"},   {mbAll, "mbAll"},
        {mbNoToAll, "mbNoToAll"}, {mbYesToAll, "mbYesToAll"}, {mbHelp, "mbHelp"}, {mbClose, "mbClose"}};
    std::string s;
    for (const auto& [b, name] : names)
        if (Buttons.Contains(b))
            s += (s.empty() ? "" : ", ") + std::string(name);
    return "[" + s + "]";
}

namespace {

std::string describe(TMsgDlgType Kind, const String& Text, TMsgDlgButtons Buttons)
{
    return std::string(MsgDlgTypeName(Kind)) + " \"" + Text.toStdString() + "\" " + MsgDlgButtonsText(Buttons);
}

bool answerable(TModalResult Answer, TMsgDlgButtons Buttons)
{
    for (TMsgDlgBtn b : {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbClose})
        if (Buttons.Contains(b) && MsgDlgButtonResult(b) == Answer)
            return true;
    return Answer == mrCancel;  // closing the window
}

}  // namespace

MessageBoxScript::MessageBoxScript() { previous_ = SetMessageBoxHandler(this); }

MessageBoxScript::~MessageBoxScript()
{
    SetMessageBoxHandler(previous_);
    for (const Expected& e : expected_)
        ADD_FAILURE() << "Expected message box never shown: "
                      << (e.Any ? std::string("(any box)") : describe(e.Kind, e.Text, e.Buttons));
}

MessageBoxScript& MessageBoxScript::Expect(TMsgDlgType Kind, const String& Text, TMsgDlgButtons Buttons,
                                           TModalResult Answer)
{
    expected_.push_back({false, false, Kind, Text, Buttons, Answer});
    return *this;
}

MessageBoxScript& MessageBoxScript::ExpectEsc(TMsgDlgType Kind, const String& Text, TMsgDlgButtons Buttons)
{
    expected_.push_back({false, true, Kind, Text, Buttons, MsgDlgEscapeResult(Buttons)});
    return *this;
}

MessageBoxScript& MessageBoxScript::ExpectAny(TModalResult Answer)
{
    Expected e;
    e.Any = true;
    e.Answer = Answer;
    expected_.push_back(e);
    return *this;
}

TModalResult MessageBoxScript::Show(const TMessageBoxRequest& Request)
{
    ShownMessageBox shown{Request.Kind, Request.Caption, Request.Text, Request.Buttons, mrCancel};
    if (expected_.empty()) {
        ADD_FAILURE() << "Unexpected message box: " << describe(Request.Kind, Request.Text, Request.Buttons);
        shown_.push_back(shown);
        return shown.Answer;
    }
    const Expected e = expected_.front();
    expected_.pop_front();
    if (!e.Any && (e.Kind != Request.Kind || e.Text != Request.Text || e.Buttons != Request.Buttons)) {
        ADD_FAILURE() << "Message box differs from the one expected.\n  shown:    "
                      << describe(Request.Kind, Request.Text, Request.Buttons)
                      << "\n  expected: " << describe(e.Kind, e.Text, e.Buttons);
        shown_.push_back(shown);
        return shown.Answer;
    }
    shown.Answer = e.Esc ? MsgDlgEscapeResult(Request.Buttons) : e.Answer;
    if (!answerable(shown.Answer, Request.Buttons))
        ADD_FAILURE() << "Answer " << shown.Answer << " is not a button of the box "
                      << describe(Request.Kind, Request.Text, Request.Buttons);
    shown_.push_back(shown);
    return shown.Answer;
}

}  // namespace TestKit
