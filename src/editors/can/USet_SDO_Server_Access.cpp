#include "editors/can/USet_SDO_Server_Access.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;

TFSet_SDO_Server_Access::TFSet_SDO_Server_Access(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FSet_SDO_Server_Access"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFSet_SDO_Server_Access::Set_Lang() { SetCaption(Lang_Text(2800)); }
