#include "ethercat/dialogs/UEtherCATSlave.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFEtherCATSlave* FEtherCATSlave = nullptr;

TFEtherCATSlave::TFEtherCATSlave(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FEtherCATSlave"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFEtherCATSlave::Set_Lang() { SetCaption(Lang_Text(1000)); }
