#include "launcher/rate_list.h"

#include <cstdio>

namespace launcher {

namespace {

// Each text is built in a buffer of this many characters; longer texts are cut, never overrun.
constexpr std::size_t kTextBufferSize = 128;

constexpr int kSafeModeRate = 60;
constexpr int kListedRates[] = {kSafeModeRate, 75, 85, 100};

std::string RateText(int rate, const TextTable& texts)
{
    char buffer[kTextBufferSize];
    std::snprintf(buffer, sizeof buffer, "%d %s", rate, texts.GetText("Hertz", ""));
    std::string text = buffer;
    if (rate == kSafeModeRate)
        text = text + " (" + texts.GetText("SafeMode", "") + ")";
    return text.substr(0, kTextBufferSize - 1);
}

}  // namespace

RateList::RateList(const TextTable& texts)
{
    m_choices.push_back({std::string(texts.GetText("DefaultRR", "")).substr(0, kTextBufferSize - 1), 0});
    for (int rate : kListedRates)
        m_choices.push_back({RateText(rate, texts), rate});
}

std::size_t RateList::SelectionFor(int rate) const
{
    for (std::size_t index = 1; index < m_choices.size(); ++index) {
        if (m_choices[index].rate == rate)
            return index;
    }
    return 0;
}

int RateList::RateAt(std::ptrdiff_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_choices.size())
        return 0;
    return m_choices[static_cast<std::size_t>(index)].rate;
}

}  // namespace launcher
