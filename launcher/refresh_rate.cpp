#include "launcher/refresh_rate.h"

namespace launcher {

std::array<uint8_t, 4> StoredBytes(int32_t rate)
{
    return {static_cast<uint8_t>(rate & 0xFF), 0, 0, 0};
}

int32_t RateFromStored(const uint8_t* bytes, std::size_t size)
{
    if (size == 0)
        return 0;
    RefreshRateSetting setting{bytes[0]};
    return setting.IsValid() ? setting.rate : 0;
}

}  // namespace launcher
