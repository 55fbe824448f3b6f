#include "app/core/Version_Check.h"

#include "app/core/UComon.h"

const char* const Configurator_Version = "1.001";

int Conv_Version(const String& V)
{
    const int blank = Pos(QStringLiteral(" "), V);
    const String s = Trim(blank > 0 ? Copy(V, blank + 1) : V);
    if (Length(s) < 5)
        return -1;
    int n = 0;
    for (int i : {1, 3, 4, 5}) {
        const QChar c = s[i - 1];
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

bool Answer_Names_Newer_Version(const String& Answer)
{
    const String r = UpperCase(Trim(Answer));
    if (r.isEmpty() || r == QLatin1String("VER. 0.000"))
        return false;
    const int local = Conv_Version(QString::fromLatin1(Configurator_Version));
    const int remote = Conv_Version(Trim(Answer));
    return local >= 0 && remote >= 0 && remote > local;
}

THttp_Request Version_Check_Request(const String& Host, uint16_t Port)
{
    THttp_Request r;
    r.Host = Host;
    r.Port = Port;
    r.Path = "/home/download/GetversionSW.asp?nomesw=" + Url_Encode(Version_Check_Code);
    r.Headers = {{"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"},
                 {"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"}};
    r.Connect_Timeout_Ms = 5000;
    r.Read_Timeout_Ms = 5000;
    return r;
}

bool Check_Version(const THttp_Request& Request, const std::function<THttp_Response(const THttp_Request&)>& Get)
{
    const THttp_Response answer = Get(Request);
    // The answer is plain ASCII; anything else cannot be a version anyway.
    return answer.Ok && Answer_Names_Newer_Version(QString::fromLatin1(answer.Body));
}
