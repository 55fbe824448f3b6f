#include "editors/ethernet/UEtherNetIP_Master_Access.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FEtherNetIP_Master_Access"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFEtherNetIP_Master_Access::Set_Lang() { SetCaption(Lang_Text(4900)); }
