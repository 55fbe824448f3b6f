#include "editors/ethernet/UProfinetFileName.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFProfinetFileName* FProfinetFileName = nullptr;

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FProfinetFileName"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFProfinetFileName::Set_Lang() { SetCaption(Lang_Text(4800)); }
