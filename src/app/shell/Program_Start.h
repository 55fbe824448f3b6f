#pragma once
// The program's start: every dialog is created once, in a fixed order, the
// main window first (its creation sets up the program-wide state the others
// read), and lives until the program ends.
#include <vector>

#include "platform/gui/forms.h"

// Creates the 42 dialogs in their order, each owned by Owner, and sets their
// instance variables (FTessaraneFirmWare, FNew_Project ...). With the
// application as the owner the main window becomes its main form.
void Create_Forms(TComponent* Owner);
// The 42 dialogs in creation order (null entries before Create_Forms).
std::vector<TForm*> Program_Forms();
// Sets every instance variable back to null, once the owner has freed the
// dialogs (tests).
void Forget_Forms();
