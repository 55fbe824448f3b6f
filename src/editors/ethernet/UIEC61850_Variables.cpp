#include "editors/ethernet/UIEC61850_Variables.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

TFIEC61850_Variables::TFIEC61850_Variables(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FIEC61850_Variables"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFIEC61850_Variables::Set_Lang() { SetCaption(Lang_Text(3300)); }
