#include "editors/can/UTransmitNMEA.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFTransmitNMEA* FTransmitNMEA = nullptr;

TFTransmitNMEA::TFTransmitNMEA(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FTransmitNMEA"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFTransmitNMEA::Set_Lang() { SetCaption(Lang_Text(4000)); }
