#include "ethercat/dialogs/UEtherCATSlave_Group.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFEtherCATSlave_Group* FEtherCATSlave_Group = nullptr;

TFEtherCATSlave_Group::TFEtherCATSlave_Group(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FEtherCATSlave_Group"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFEtherCATSlave_Group::Set_Lang() { SetCaption(Lang_Text(5300)); }
