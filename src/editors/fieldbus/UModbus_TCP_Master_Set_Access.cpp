#include "editors/fieldbus/UModbus_TCP_Master_Set_Access.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FModbus_TCP_Master_Set_Access"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFModbus_TCP_Master_Set_Access::Set_Lang() { SetCaption(Lang_Text(1800)); }
