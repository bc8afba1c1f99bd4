// The one reporter behind MessageBoxA off Windows: standard error by default, or a sink that a host
// or a test installs to capture what would have been shown.
#pragma once

#include <functional>
#include <string>

#include "platform/win32_base.h"

namespace platform {

struct Report {
    std::string text;
    std::string caption;
    UINT type = 0;
};

using ReportSink = std::function<void(const Report& report)>;

// An empty sink restores standard error. Safe to call while other threads report.
void SetReportSink(ReportSink sink);

} // namespace platform
