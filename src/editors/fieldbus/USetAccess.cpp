#include "editors/fieldbus/USetAccess.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFSetAccess* FSetAccess = nullptr;

TFSetAccess::TFSetAccess(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FSetAccess"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFSetAccess::Set_Lang() { SetCaption(Lang_Text(1700)); }
