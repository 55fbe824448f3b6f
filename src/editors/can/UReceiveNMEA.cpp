#include "editors/can/UReceiveNMEA.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFReceiveNMEA* FReceiveNMEA = nullptr;

TFReceiveNMEA::TFReceiveNMEA(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FReceiveNMEA"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFReceiveNMEA::Set_Lang() { SetCaption(Lang_Text(3900)); }
