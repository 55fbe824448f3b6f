#include "editors/ethernet/UEtherNEtIP_EDS.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;

TFEtherNEtIP_EDS::TFEtherNEtIP_EDS(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FEtherNEtIP_EDS"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFEtherNEtIP_EDS::Set_Lang() { SetCaption(Lang_Text(5000)); }
