#include "editors/ethernet/UOPC_UA_Add_Server.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFOPC_UA_Add_Server* FOPC_UA_Add_Server = nullptr;

TFOPC_UA_Add_Server::TFOPC_UA_Add_Server(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FOPC_UA_Add_Server"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFOPC_UA_Add_Server::Set_Lang() { SetCaption(Lang_Text(4300)); }
