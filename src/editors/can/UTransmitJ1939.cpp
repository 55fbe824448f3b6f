#include "editors/can/UTransmitJ1939.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFTransmitJ1939* FTransmitJ1939 = nullptr;

TFTransmitJ1939::TFTransmitJ1939(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FTransmitJ1939"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFTransmitJ1939::Set_Lang() { SetCaption(Lang_Text(3600)); }
