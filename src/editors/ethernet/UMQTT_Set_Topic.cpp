#include "editors/ethernet/UMQTT_Set_Topic.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FMQTT_Set_Topic"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFMQTT_Set_Topic::Set_Lang() { SetCaption(Lang_Text(3700)); }
