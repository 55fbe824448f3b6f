#include "app/shell/Maker_Site.h"

const char* const Maker_Host = "morvellan.invalid";

String Maker_Home_Url()
{
    return QStringLiteral("http://") + QString::fromLatin1(Maker_Host) + QStringLiteral("/HOME/default.asp?frompg=CF48T21");
}

String Maker_Download_Url()
{
    return QStringLiteral("http://") + QString::fromLatin1(Maker_Host) +
           QStringLiteral("/Home/download/download.asp#DV48T21");
}
