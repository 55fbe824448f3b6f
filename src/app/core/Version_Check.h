#pragma once
// Asking the maker's web server whether a newer configurator exists.
#include <functional>

#include "platform/net/http.h"
#include "platform/rtl/strings.h"

// The configurator's own version, as the server's answers write versions.
extern const char* const Configurator_Version;  // "1.001"

// The number in a version text: the part after its first blank (all of it
// when it has none), trimmed, must have at least five characters, of which
// the 1st, 3rd, 4th and 5th are ASCII digits ("1.002" gives 1002); -1
// otherwise.
int Conv_Version(const String& V);

// True when Answer (the body of the server's answer) names a newer version
// than Configurator_Version. An empty answer and "VER. 0.000" (any case,
// blanks around ignored) mean no update.
bool Answer_Names_Newer_Version(const String& Answer);

// The request the version check sends: GET /home/download/GetversionSW.asp
// with nomesw=<Version_Check_Code>, HTTP/1.0, with the check's fixed headers
// and 5 s connect and read time-outs.
THttp_Request Version_Check_Request(const String& Host, uint16_t Port = 80);

// Runs the check through Get (Http_Get by default); every failure reads as
// no newer version.
bool Check_Version(const THttp_Request& Request,
                   const std::function<THttp_Response(const THttp_Request&)>& Get = Http_Get);
