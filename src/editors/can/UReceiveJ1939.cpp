#include "editors/can/UReceiveJ1939.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;

TFReceiveJ1939::TFReceiveJ1939(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FReceiveJ1939"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFReceiveJ1939::Set_Lang() { SetCaption(Lang_Text(3500)); }
