#pragma once
// A display layout for a test: Screen's monitors are Layout while the scope
// lives, Qt's displays again afterwards.
#include "platform/gui/application.h"

namespace TestKit {

class MonitorLayoutScope {
public:
    explicit MonitorLayoutScope(std::vector<TMonitorSpec> Layout) { SetMonitorLayout(std::move(Layout)); }
    ~MonitorLayoutScope() { SetMonitorLayout({}); }
    MonitorLayoutScope(const MonitorLayoutScope&) = delete;
    MonitorLayoutScope& operator=(const MonitorLayoutScope&) = delete;
};

}  // namespace TestKit
