// The launcher's setting in the registry: HKEY_LOCAL_MACHINE\Software\<maker>\<product>, value
// "RefreshRate" (REG_DWORD).
#pragma once

#include "launcher/refresh_rate.h"

namespace launcher {

enum class TransferDirection { Read, Write };

// Reads or writes the setting. Both create the maker and product keys when they are missing, so both
// need write access to HKEY_LOCAL_MACHINE\Software. Failures are silent: a failed read leaves the
// rate at 0, a failed write stores nothing.
void Transfer(RefreshRateSetting& setting, TransferDirection direction, const char* maker, const char* product);

}  // namespace launcher
