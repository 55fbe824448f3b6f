#include "editors/fieldbus/UBACnetAccess.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFBACnetAccess* FBACnetAccess = nullptr;

TFBACnetAccess::TFBACnetAccess(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FBACnetAccess"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFBACnetAccess::Set_Lang() { SetCaption(Lang_Text(2000)); }
