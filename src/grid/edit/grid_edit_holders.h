#pragma once
// The grid's text editor and the typing settings of editing.
//
// For now the editor is the platform's in-place editor with the word-wrap
// flag the grid sets; editing completes it (docs/GRID.md).
#include "platform/gui/classes.h"
#include "platform/grids/inplace_edit.h"

class TVynInplaceEdit : public TInplaceEdit {
public:
    using TInplaceEdit::TInplaceEdit;
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }

private:
    bool FWordWrap = false;
};

class TSizeWhileTyping : public TPersistent {
public:
    bool Height() const { return FHeight; }
    void SetHeight(bool Value) { FHeight = Value; }
    bool Width() const { return FWidth; }
    void SetWidth(bool Value) { FWidth = Value; }

private:
    bool FHeight = false;
    bool FWidth = false;
};
