// The refresh-rate choices offered by the launcher and the rule that picks the selected one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "launcher/text_table.h"

namespace launcher {

struct RateChoice {
    std::string text;
    int rate;  // 0: the engine's own choice
};

// Built once at start: the default entry first, then 60 (safe mode), 75, 85 and 100 hertz.
class RateList {
public:
    explicit RateList(const TextTable& texts);

    const std::vector<RateChoice>& Choices() const { return m_choices; }

    // The first entry from index 1 on with the given rate, else 0: the default entry is never matched
    // by value, so 0 and a rate that is not listed both select it.
    std::size_t SelectionFor(int rate) const;

    // The rate of an entry; an index outside the list (no selection) gives the default, 0.
    int RateAt(std::ptrdiff_t index) const;

private:
    std::vector<RateChoice> m_choices;
};

}  // namespace launcher
