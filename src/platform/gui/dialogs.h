#pragma once
// Message boxes (MessageDlg, ShowMessage) and the open/save file dialogs.
//
// Message boxes: English captions ("Warning", "Error", "Information",
// "Confirmation"; ShowMessage uses the application's title) and English
// buttons ("Yes", "No", "OK", "Cancel" ...), never from the text table. The
// text is plain (no markup, "&" shown as it is). Enter answers the default
// button (OK, else Yes); Esc answers the cancel button: Cancel, else No,
// else OK, so Esc on a Yes/No box answers mrNo. Closing the window answers
// mrCancel, which is never "Yes".
//
// Tests replace the boxes and the file dialogs by handlers (the test kit's
// MessageBoxScript and FileDialogScript), so nothing blocks.
#include <QStringList>

#include <functional>
#include <vector>

#include "platform/gui/forms.h"

// ---- message boxes ------------------------------------------------------------------------------

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
using TMsgDlgType::mtWarning, TMsgDlgType::mtError, TMsgDlgType::mtInformation, TMsgDlgType::mtConfirmation,
    TMsgDlgType::mtCustom;

enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbOK, TMsgDlgBtn::mbCancel, TMsgDlgBtn::mbAbort,
    TMsgDlgBtn::mbRetry, TMsgDlgBtn::mbIgnore, TMsgDlgBtn::mbAll, TMsgDlgBtn::mbNoToAll, TMsgDlgBtn::mbYesToAll,
    TMsgDlgBtn::mbHelp, TMsgDlgBtn::mbClose;
using TMsgDlgButtons = Set<TMsgDlgBtn>;

inline constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbYesAllNoAllCancel{mbYes, mbYesToAll, mbNo, mbNoToAll, mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};
inline constexpr TMsgDlgButtons mbAbortIgnore{mbAbort, mbIgnore};

// The box's caption for a kind (mtCustom: the application's title).
String MsgDlgCaption(TMsgDlgType Kind);
// The text of a button ("&Yes", "OK" ...: "&" marks the mnemonic).
String MsgDlgButtonCaption(TMsgDlgBtn Button);
// What pressing a button answers (mbYes -> mrYes ...; mbHelp answers mrNone).
TModalResult MsgDlgButtonResult(TMsgDlgBtn Button);
// The button Enter presses: OK, else Yes, else the first button.
TMsgDlgBtn MsgDlgDefaultButton(TMsgDlgButtons Buttons);
// What Esc answers: Cancel, else No, else OK (their results); mrCancel when
// the box has none of them.
TModalResult MsgDlgEscapeResult(TMsgDlgButtons Buttons);

// One box, as MessageDlg asks for it.
struct TMessageBoxRequest {
    TMsgDlgType Kind = mtCustom;
    String Caption;
    String Text;
    TMsgDlgButtons Buttons;
    TMsgDlgBtn DefaultButton = mbOK;
};

// Answers message boxes instead of showing them (tests).
class TMessageBoxHandler {
public:
    virtual ~TMessageBoxHandler() = default;
    virtual TModalResult Show(const TMessageBoxRequest& Request) = 0;
};

TMessageBoxHandler* MessageBoxHandler();
// Installs Handler (nullptr: real boxes); returns the previous one.
TMessageBoxHandler* SetMessageBoxHandler(TMessageBoxHandler* Handler);

// The box MessageDlg would show, not yet shown: a form with the icon, the
// text and one TButton per button (named "Yes", "No", "OK", "Cancel" ...),
// the default one focused. The caller frees it (Free()).
TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, TMsgDlgBtn DefaultButton);

// Shows the box modally and returns the answer.
TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                        TMsgDlgBtn DefaultButton);
// MessageDlg(Msg, mtCustom, [mbOK]).
void ShowMessage(const String& Msg);

// ---- file dialogs -------------------------------------------------------------------------------

enum class TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
    ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
using TOpenOptions = Set<TOpenOption>;
using TOpenOption::ofReadOnly, TOpenOption::ofOverwritePrompt, TOpenOption::ofHideReadOnly,
    TOpenOption::ofNoChangeDir, TOpenOption::ofShowHelp, TOpenOption::ofNoValidate, TOpenOption::ofAllowMultiSelect,
    TOpenOption::ofExtensionDifferent, TOpenOption::ofPathMustExist, TOpenOption::ofFileMustExist,
    TOpenOption::ofCreatePrompt, TOpenOption::ofShareAware, TOpenOption::ofNoReadOnlyReturn,
    TOpenOption::ofNoTestFileCreate, TOpenOption::ofNoNetworkButton, TOpenOption::ofNoLongNames,
    TOpenOption::ofOldStyleDialog, TOpenOption::ofNoDereferenceLinks, TOpenOption::ofEnableIncludeNotify,
    TOpenOption::ofEnableSizing, TOpenOption::ofDontAddToRecent, TOpenOption::ofForceShowHidden;

// One entry of a filter: "Desc (*.x)|*.x" gives {"Desc (*.x)", {"*.x"}};
// patterns are separated by ';'.
struct TFileFilter {
    String Description;
    QStringList Patterns;
};
// The pairs of a platform filter ("Desc|patterns|Desc|patterns..."); a
// trailing description without patterns is dropped.
std::vector<TFileFilter> ParseFileFilter(const String& Filter);
// The filter as Qt name filters ("Desc (*.x *.y)").
QStringList FileFilterToQt(const String& Filter);
// A default extension as written ("*.xml", ".xml" or "xml") -> "xml".
String NormalizeDefaultExt(const String& DefaultExt);
// FileName with "." + the default extension appended when its name part has
// no extension (no '.'); unchanged when DefaultExt is empty.
String ApplyDefaultExt(const String& FileName, const String& DefaultExt);

// What a file dialog is asked to show.
struct TFileDialogRequest {
    bool Save = false;
    String Title;
    String Filter;
    int FilterIndex = 1;
    String InitialDir;
    String FileName;
    String DefaultExt;
    TOpenOptions Options;
};

// What the user did: accepted with these names (as chosen; a relative name
// counts from InitialDir) and this filter, or cancelled.
struct TFileDialogAnswer {
    bool Accepted = false;
    QStringList FileNames;
    int FilterIndex = 0;  // 0: unchanged
};

// Answers file dialogs instead of showing them (tests).
class TFileDialogHandler {
public:
    virtual ~TFileDialogHandler() = default;
    virtual TFileDialogAnswer Run(const TFileDialogRequest& Request) = 0;
};

TFileDialogHandler* FileDialogHandler();
TFileDialogHandler* SetFileDialogHandler(TFileDialogHandler* Handler);

// The open-file dialog. Execute shows it and returns true when the user
// chose a file: FileName (and Files) then hold the full path(s), with
// "." + DefaultExt appended to a name typed without extension. With
// ofFileMustExist (and ofPathMustExist) a missing file (folder) is reported
// in a warning box and the dialog asks again.
class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner);

    const String& Filter() const { return filter_; }
    void SetFilter(const String& Value) { filter_ = Value; }
    // 1-based.
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int Value) { filterIndex_ = Value; }
    const String& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const String& Value) { defaultExt_ = Value; }
    const String& InitialDir() const { return initialDir_; }
    void SetInitialDir(const String& Value) { initialDir_ = Value; }
    const String& FileName() const { return fileName_; }
    void SetFileName(const String& Value) { fileName_ = Value; }
    const QStringList& Files() const { return files_; }
    const String& Title() const { return title_; }
    void SetTitle(const String& Value) { title_ = Value; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions Value) { options_ = Value; }

    virtual bool Execute();

protected:
    virtual bool IsSave() const { return false; }

private:
    // Checks the chosen names; false (after telling the user) to ask again.
    bool Acceptable(const QStringList& Names);

    String filter_;
    int filterIndex_ = 1;
    String defaultExt_;
    String initialDir_;
    String fileName_;
    QStringList files_;
    String title_;
    TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
};

// The save-file dialog. With ofOverwritePrompt, choosing an existing file
// asks "... already exists. Do you want to replace it?" (Yes/No, warning);
// No returns to the dialog.
class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}

protected:
    bool IsSave() const override { return true; }
};
