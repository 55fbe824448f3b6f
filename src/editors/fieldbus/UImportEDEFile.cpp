#include "editors/fieldbus/UImportEDEFile.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFImportEDEFile* FImportEDEFile = nullptr;

TFImportEDEFile::TFImportEDEFile(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FImportEDEFile"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFImportEDEFile::Set_Lang() { SetCaption(Lang_Text(2100)); }
