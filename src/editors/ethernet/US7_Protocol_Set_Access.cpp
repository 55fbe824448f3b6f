#include "editors/ethernet/US7_Protocol_Set_Access.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access = nullptr;

TFS7_Protocol_Set_Access::TFS7_Protocol_Set_Access(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FS7_Protocol_Set_Access"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFS7_Protocol_Set_Access::Set_Lang() { SetCaption(Lang_Text(5100)); }
