#pragma once
// The maker's web server: the home page that the main window's and the About
// box's links open, the download page of the new-version links, and the host
// the version check asks.
#include "platform/rtl/strings.h"

// The maker's web server. A reserved name that never resolves, so the
// program never contacts a host: a deployment sets the maker's real host
// here (see README.md).
extern const char* const Maker_Host;  // "morvellan.invalid"

// "http://<host>/HOME/default.asp?frompg=CF48T21"
String Maker_Home_Url();
// "http://<host>/Home/download/download.asp#DV48T21"
String Maker_Download_Url();
