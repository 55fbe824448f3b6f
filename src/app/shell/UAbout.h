#pragma once
// The About box: the software's name, description, code, version and manual
// code, the logo and the maker's web address. Its texts are fixed: they do
// not follow the language (it has no Set_Lang).
#include "controls/button/LbButton.h"
#include "platform/gui/extctrls.h"
#include "platform/gui/forms.h"

// The code of the configurator's manual.
extern const char* const Document_Code;  // "UG48T21"

class TFAbout : public TForm {
public:
    explicit TFAbout(TComponent* AOwner);

    TImage* Image2 = nullptr;  // the logo; a click opens the maker's home page
    TLabel* Label1 = nullptr;  // "Software Tessaran "
    TLabel* Label2 = nullptr;  // the software description
    TLabel* Label6 = nullptr;  // "Software Code : "
    TLabel* Label9 = nullptr;
    TLabel* Label3 = nullptr;  // "Version :"
    TLabel* Label10 = nullptr;
    TLabel* Label8 = nullptr;  // "Document Code :"
    TLabel* Label12 = nullptr;
    TLbButton* LbButton1 = nullptr;  // "OK", closes with mrOk
    TLabel* Label4 = nullptr;        // the maker's web address

    // The description, the code, the version, the manual's code; the
    // client size 425 x 148.
    void FormShow(TObject* Sender);
    // Opens the maker's home page (Label4 and Image2).
    void Label4Click(TObject* Sender);
};

extern TFAbout* FAbout;
