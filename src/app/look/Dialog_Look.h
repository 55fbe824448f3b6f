#pragma once
// The look the configurator's dialogs share: the background colour, the
// font, the window frame, the colours of the push buttons, and the pictures
// drawn for the program (button glyphs and the logo), which are built into
// the executable.
#include <QStringList>

#include "controls/button/LbButton.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"

// Background of the main window, the About box and the dialogs
// (red 248, green 247, blue 237).
constexpr TColor Dialog_Color = 0xEDF7F8;
// Labels drawn in grey.
constexpr TColor Label_Grey = clGray;

// The push buttons: face, light edge, face while pressed, hot-track colour.
constexpr TColor Button_Color = 0xEDF7F8;
constexpr TColor Button_Light_Color = clGray;
constexpr TColor Button_Down_Color = 0x0080FF;
constexpr TColor Button_Hot_Color = clYellow;

// The dialogs' font: Verdana (drawn with the pinned sans-serif family), 11
// pixels high.
extern const char* const Dialog_Font_Name;
constexpr int Dialog_Font_Height = -11;

// Names the form and gives it the dialogs' frame: a fixed-size window with
// only a system menu (Sizeable: a sizeable one), centred on the screen at
// every show, in the dialogs' colour and font, hints on.
void Setup_Dialog_Form(TForm& Form, const String& Name, bool Sizeable = false);

// The colours every push button of the program has, in Style (bsEncarta for
// all but the picture-only tool buttons and the parameters step).
void Apply_Button_Look(TLbButton& Button, TLbButtonStyle Style = bsEncarta);

// A control of class T owned by Owner on Parent, with its name and bounds.
template <typename T>
T* Place_Control(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top, int Width,
                 int Height)
{
    auto* c = new T(Owner);
    c->SetName(QString::fromLatin1(Name));
    c->SetBounds(Left, Top, Width, Height);
    c->SetParent(Parent);
    return c;
}

// The title band at the top of a dialog: P_Title (white, aligned top)
// holding L_SW_Code (the software code, large and grey) and L_SW_Desc (bold
// and grey, the dialog's description).
struct TDialog_Title {
    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
};
TDialog_Title Add_Title_Panel(TForm& Form, int Height = 69);
// The button band at the bottom of a dialog: P_Button, aligned bottom.
TPanel* Add_Button_Panel(TForm& Form, int Height = 40);
// A push button with the program's look and, when Glyph names one, a
// built-in picture as its glyph; Width x Height (110 x 28 by default).
TLbButton* Add_Button(TForm& Form, TWinControl* Parent, const char* Name, int Left, int Top, const char* Glyph,
                      int Width = 110, int Height = 28, TLbButtonStyle Style = bsEncarta);

// The names of the built-in pictures: "dlg_ok", "dlg_cancel", "dlg_prev",
// "dlg_next", "dlg_check_update" (16 x 16), "step_new", "step_open",
// "step_parameters", "step_ethercat", "step_esi", "step_update",
// "step_table" (24 x 24), "tool_info", "tool_options", "tool_close"
// (32 x 32), "about_ok" (two 18 x 18 images side by side, normal and
// disabled) and "logo" (81 x 81). The glyphs keep magenta in their
// bottom-left corner, the colour the push button leaves transparent.
QStringList Program_Picture_Names();
// Loads a built-in picture; false (and an empty bitmap) for an unknown name.
bool Load_Program_Picture(TBitmap& Bitmap, const String& Name);
