#include "platform/testing/file_dialog_script.h"

#include <gtest/gtest.h>

namespace TestKit {

FileDialogScript::FileDialogScript() { previous_ = SetFileDialogHandler(this); }

FileDialogScript::~FileDialogScript()
{
    SetFileDialogHandler(previous_);
    for (const TFileDialogAnswer& a : answers_)
        ADD_FAILURE() << "Scripted file dialog answer never used: "
                      << (a.Accepted ? a.FileNames.join(QStringLiteral(", ")).toStdString() : std::string("(cancel)"));
}

FileDialogScript& FileDialogScript::Choose(const String& FileName, int FilterIndex)
{
    answers_.push_back({true, QStringList{FileName}, FilterIndex});
    return *this;
}

FileDialogScript& FileDialogScript::ChooseFiles(const QStringList& FileNames)
{
    answers_.push_back({true, FileNames, 0});
    return *this;
}

FileDialogScript& FileDialogScript::Cancel()
{
    answers_.push_back({false, {}, 0});
    return *this;
}

TFileDialogAnswer FileDialogScript::Run(const TFileDialogRequest& Request)
{
    shown_.push_back(Request);
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected " << (Request.Save ? "save" : "open") << " file dialog (title \""
                      << Request.Title.toStdString() << "\", filter \"" << Request.Filter.toStdString() << "\")";
        return {};
    }
    const TFileDialogAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

}  // namespace TestKit
