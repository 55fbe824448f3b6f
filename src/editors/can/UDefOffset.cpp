#include "editors/can/UDefOffset.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFDefOffset* FDefOffset = nullptr;

TFDefOffset::TFDefOffset(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FDefOffset"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFDefOffset::Set_Lang() { SetCaption(Lang_Text(3000)); }
