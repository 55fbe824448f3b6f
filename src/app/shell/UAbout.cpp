#include "app/shell/UAbout.h"

#include "app/core/UComon.h"
#include "app/core/Version_Check.h"
#include "app/look/Dialog_Look.h"
#include "app/shell/Maker_Site.h"
#include "platform/os/shell.h"

TFAbout* FAbout = nullptr;

const char* const Document_Code = "UG48T21";

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FAbout"));
    SetCaption(QStringLiteral("About..."));
    Font().SetColor(TColor(3355443));
    SetClientWidth(425);
    SetClientHeight(148);

    Image2 = Place_Control<TImage>(this, this, "Image2", 32, 24, 81, 81);
    Image2->SetStretch(true);
    Image2->SetCursor(crHandPoint);
    TBitmap logo;
    if (Load_Program_Picture(logo, QStringLiteral("logo")))
        Image2->Picture().SetGraphic(&logo);
    auto label = [this](const char* Name, int Top, int Left, const char* Caption) {
        auto* l = Place_Control<TLabel>(this, this, Name, Left, Top, 0, 0);
        l->SetCaption(QString::fromLatin1(Caption));
        return l;
    };
    Label1 = label("Label1", 24, 128, "Software Tessaran ");
    Label1->Font().SetStyle({fsBold});
    Label1->Font().SetHeight(-13);
    Label2 = label("Label2", 39, 128, "");
    Label6 = label("Label6", 62, 128, "Software Code : ");
    Label9 = label("Label9", 62, 240, "");
    Label3 = label("Label3", 77, 128, "Version :");
    Label10 = label("Label10", 77, 240, "");
    Label8 = label("Label8", 93, 128, "Document Code :");
    Label12 = label("Label12", 93, 240, "");
    LbButton1 = Add_Button(*this, this, "LbButton1", 32, 115, "about_ok", 81, 22);
    LbButton1->SetCaption(QStringLiteral("OK"));
    LbButton1->SetModalResult(mrOk);
    Label4 = label("Label4", 131, 316, Maker_Host);
    Label4->Font().SetColor(clBlue);
    Label4->Font().SetStyle({fsUnderline});
    Label4->SetCursor(crHandPoint);

    Label4->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
    Image2->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
    Loaded();
}

void TFAbout::FormShow(TObject*)
{
    Label2->SetCaption(SW_Desc_Init);
    Label9->SetCaption(SW_Code_Init);
    Label10->SetCaption(QString::fromLatin1(Configurator_Version));
    Label12->SetCaption(QString::fromLatin1(Document_Code));
    SetClientWidth(425);
    SetClientHeight(148);
}

void TFAbout::Label4Click(TObject*) { Shell_Open(Maker_Home_Url()); }
