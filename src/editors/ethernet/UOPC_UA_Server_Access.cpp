#include "editors/ethernet/UOPC_UA_Server_Access.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFOPC_UA_Server_Access* FOPC_UA_Server_Access = nullptr;

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FOPC_UA_Server_Access"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFOPC_UA_Server_Access::Set_Lang() { SetCaption(Lang_Text(4500)); }
