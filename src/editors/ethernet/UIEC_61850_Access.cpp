#include "editors/ethernet/UIEC_61850_Access.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFIEC_61850_Access* FIEC_61850_Access = nullptr;

TFIEC_61850_Access::TFIEC_61850_Access(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FIEC_61850_Access"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFIEC_61850_Access::Set_Lang() { SetCaption(Lang_Text(3200)); }
