#include "editors/fieldbus/UBACnet_Eng_Unit.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FBACnet_Eng_Unit"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFBACnet_Eng_Unit::Set_Lang() { SetCaption(Lang_Text(2300)); }
