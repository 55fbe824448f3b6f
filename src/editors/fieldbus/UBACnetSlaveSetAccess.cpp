#include "editors/fieldbus/UBACnetSlaveSetAccess.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FBACnetSlaveSetAccess"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFBACnetSlaveSetAccess::Set_Lang() { SetCaption(Lang_Text(2200)); }
