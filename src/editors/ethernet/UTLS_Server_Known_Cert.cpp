#include "editors/ethernet/UTLS_Server_Known_Cert.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FTLS_Server_Known_Cert"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFTLS_Server_Known_Cert::Set_Lang() { SetCaption(Lang_Text(3400)); }
