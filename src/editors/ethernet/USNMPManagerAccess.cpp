#include "editors/ethernet/USNMPManagerAccess.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;

TFSNMPManagerAccess::TFSNMPManagerAccess(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FSNMPManagerAccess"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFSNMPManagerAccess::Set_Lang() { SetCaption(Lang_Text(4600)); }
