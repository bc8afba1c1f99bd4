// The launcher's one setting and the byte rules of its registry value "RefreshRate".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace launcher {

struct RefreshRateSetting {
    int32_t rate = 0;  // 0: the engine's own choice; otherwise hertz

    // Only 60 to 150 hertz are accepted when read back.
    bool IsValid() const { return rate >= 60 && rate <= 150; }
};

// The four bytes written as REG_DWORD: the rate's lowest byte, then three zero bytes.
std::array<uint8_t, 4> StoredBytes(int32_t rate);

// The rate read back from the stored bytes: only the first (lowest) byte counts, and a rate that is
// not valid reads as 0. An empty value reads as 0.
int32_t RateFromStored(const uint8_t* bytes, std::size_t size);

}  // namespace launcher
