#pragma once
// TCustomMaskEdit: the one-line edit with an edit mask in the platform's
// syntax, "pattern;save literals;blank" (the last two optional; default
// save 1 and blank "_"). The grid's in-place editor and the editor controls
// build on it. The mask characters (docs/BASE_GRID.md, "Edit masks"):
//   0 digit required, 9 digit optional, # digit or sign optional,
//   L/l letter required/optional, A/a letter or digit required/optional,
//   C/c any character required/optional, > upper case, < lower case,
//   <> no case change, \ next character literal, ! accepted and ignored;
//   anything else is a literal as written (":" and "/" are not replaced by
//   the locale's separators).
// The mask is carried out by the field's own input mask after a
// translation of the letters, done here and nowhere else.
#include <vector>

#include "platform/gui/stdctrls.h"

class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner);
    ~TCustomMaskEdit() override;

    // Empty: no mask.
    const String& EditMask() const { return editMask_; }
    void SetEditMask(const String& Value);
    bool IsMasked() const { return !editMask_.isEmpty(); }
    // The text as a caller stores it: with a mask whose second field is 0,
    // without the literal characters; unfilled positions are spaces.
    String EditValue() const;

private:
    String editMask_;
    bool saveLiterals_ = true;
    QChar blank_ = u'_';
    std::vector<bool> isLiteral_;  // per position of the mask
};

class TMaskEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;
};
