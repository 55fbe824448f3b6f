#pragma once
// A Shell_Opener for tests: records every target instead of opening it.
#include <QStringList>

#include "platform/os/shell.h"

class Recording_Shell_Opener : public Shell_Opener {
public:
    explicit Recording_Shell_Opener(bool result = true) : result(result) {}
    bool Open(const String& target) override
    {
        targets.append(target);
        return result;
    }

    QStringList targets;  // in the order opened
    bool result;          // what Open answers
};
