#include "editors/ethernet/USNMP_Trap_Access.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FSNMP_Trap_Access"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFSNMP_Trap_Access::Set_Lang() { SetCaption(Lang_Text(4700)); }
