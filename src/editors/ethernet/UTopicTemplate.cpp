#include "editors/ethernet/UTopicTemplate.h"

#include "app/core/ULanguage.h"
#include "app/look/Dialog_Look.h"

TFTopicTemplate* FTopicTemplate = nullptr;

TFTopicTemplate::TFTopicTemplate(TComponent* AOwner) : TForm(AOwner)
{
    BeginLoading();
    Setup_Dialog_Form(*this, QStringLiteral("FTopicTemplate"));
    SetClientWidth(449);
    SetClientHeight(200);
    Set_Lang();
    Loaded();
}

void TFTopicTemplate::Set_Lang() { SetCaption(Lang_Text(3800)); }
