#pragma once
// Edit masks with what typing into an edit under them stores: shared by the
// stand-alone mask edit and the grid's in-place editor, which build on the
// same mask engine.
struct MaskCase {
    const char* mask;
    const char* typed;
    const char* stored;
};

inline constexpr MaskCase CommonMaskCases[] = {
    {"!90:00;1;_", "1234", "12:34"},
    {"!90:00;1;_", "1x2", "12:  "},  // a letter is refused; blanks are stored as spaces
    {"00:00;0;_", "0930", "0930"},   // literals not stored
    {">LL-000;1;_", "ab123", "AB-123"},
};
