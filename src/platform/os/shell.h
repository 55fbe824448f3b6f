#pragma once
// Opening a URL or a file with the desktop's handler for it ("shell open").
// Callers go through Shell_Open; tests install a Recording_Shell_Opener.
#include <memory>

#include "platform/rtl/strings.h"

class Shell_Opener {
public:
    virtual ~Shell_Opener();
    // True when the desktop accepted the target.
    virtual bool Open(const String& target) = 0;
};

// Hands the target to QDesktopServices: a URL as it is, a path (absolute or
// relative to the current directory) as a file URL.
class Desktop_Shell_Opener : public Shell_Opener {
public:
    bool Open(const String& target) override;
};

// The opener in use (a Desktop_Shell_Opener unless replaced). GUI thread only.
Shell_Opener& Shell();
// Replaces the opener in use; nullptr restores the default one.
void Set_Shell_Opener(std::unique_ptr<Shell_Opener> opener);
bool Shell_Open(const String& target);
