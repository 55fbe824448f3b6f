#include "editors/can/USet_PDO_Access.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FSet_PDO_Access"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFSet_PDO_Access::Set_Lang() { SetCaption(Lang_Text(2600)); }
