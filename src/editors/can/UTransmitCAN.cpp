#include "editors/can/UTransmitCAN.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFTransmitCAN* FTransmitCAN = nullptr;

TFTransmitCAN::TFTransmitCAN(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FTransmitCAN"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFTransmitCAN::Set_Lang() { SetCaption(Lang_Text(2500)); }
