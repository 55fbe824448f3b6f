#include "editors/can/UDNet.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFDNet* FDNet = nullptr;

TFDNet::TFDNet(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FDNet"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFDNet::Set_Lang() { SetCaption(Lang_Text(2900)); }
