#pragma once
// The editor kinds the grid's text editor edits.
#include "grid/core/grid_types.h"

// edNormal, edNumeric, edPositiveNumeric, edFloat, edCapital, edMixedCase,
// edPassword, edLowerCase, edUpperCase, edPositiveFloat, and edValidChars
// unless left out.
inline bool IsTextEditorKind(TEditorType K, bool WithValidChars = true)
{
    switch (K) {
    case TEditorType::edNormal:
    case TEditorType::edNumeric:
    case TEditorType::edPositiveNumeric:
    case TEditorType::edFloat:
    case TEditorType::edCapital:
    case TEditorType::edMixedCase:
    case TEditorType::edPassword:
    case TEditorType::edLowerCase:
    case TEditorType::edUpperCase:
    case TEditorType::edPositiveFloat: return true;
    case TEditorType::edValidChars: return WithValidChars;
    default: return false;
    }
}
