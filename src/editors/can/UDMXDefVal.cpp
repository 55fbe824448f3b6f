#include "editors/can/UDMXDefVal.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFDMXDefVal* FDMXDefVal = nullptr;

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FDMXDefVal"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFDMXDefVal::Set_Lang() { SetCaption(Lang_Text(3100)); }
