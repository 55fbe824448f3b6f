#pragma once
// Scripted file dialogs: the test queues what the user chooses in the next
// open/save dialogs; every dialog shown is recorded with what it was asked
// to show (title, filter, filter index, initial folder, file name, default
// extension, options). The platform's own rules still apply to the answer:
// the default extension is appended, a relative name counts from the
// initial folder, and the overwrite / file-must-exist questions come as
// message boxes (script them with MessageBoxScript); a question answered No
// opens the dialog again, which takes the next scripted answer.
//
// A dialog with no answer queued fails the test and counts as cancelled;
// answers still queued when the script ends fail it too.
#include <deque>
#include <vector>

#include "platform/gui/dialogs.h"

namespace TestKit {

class FileDialogScript : public TFileDialogHandler {
public:
    FileDialogScript();
    ~FileDialogScript() override;
    FileDialogScript(const FileDialogScript&) = delete;
    FileDialogScript& operator=(const FileDialogScript&) = delete;

    // The user types or picks FileName (FilterIndex 0: the filter stays).
    FileDialogScript& Choose(const String& FileName, int FilterIndex = 0);
    // Several files at once (ofAllowMultiSelect).
    FileDialogScript& ChooseFiles(const QStringList& FileNames);
    FileDialogScript& Cancel();

    const std::vector<TFileDialogRequest>& Shown() const { return shown_; }
    int Pending() const { return int(answers_.size()); }

    TFileDialogAnswer Run(const TFileDialogRequest& Request) override;

private:
    std::deque<TFileDialogAnswer> answers_;
    std::vector<TFileDialogRequest> shown_;
    TFileDialogHandler* previous_ = nullptr;
};

}  // namespace TestKit
