#include "config/dialogs/UBoot.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFBoot* FBoot = nullptr;

TFBoot::TFBoot(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FBoot"));
    SetClientWidth(449);
    SetClientHeight(200);
    OnShow = [this](TObject*) { Set_Lang(); };
    Set_Lang();
    Loaded();
}

void TFBoot::Set_Lang()
{
    const int type = Form_Type >= 0 && Form_Type <= 2 ? Form_Type : 0;
    SetCaption(Lang_Text(1200 + 2 * type));
}
