#include "editors/can/UReceiveCAN.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFReceiveCAN* FReceiveCAN = nullptr;

TFReceiveCAN::TFReceiveCAN(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FReceiveCAN"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFReceiveCAN::Set_Lang() { SetCaption(Lang_Text(2400)); }
