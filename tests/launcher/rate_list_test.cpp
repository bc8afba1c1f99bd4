// The refresh-rate choices: their texts and which one a stored rate selects.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "launcher/rate_list.h"

namespace {

using launcher::RateList;
using launcher::TextTable;

TextTable Texts(const std::string& hertz)
{
    const std::map<unsigned int, std::string> resources = {
        {111, "Default Refresh Rate"}, {112, "Safe Mode"}, {113, hertz}};
    TextTable table;
    table.Fill([&](unsigned int resource) {
        const auto found = resources.find(resource);
        return found == resources.end() ? std::string("other") : found->second;
    });
    return table;
}

std::vector<std::string> TextsOf(const RateList& list)
{
    std::vector<std::string> texts;
    for (const auto& choice : list.Choices())
        texts.push_back(choice.text);
    return texts;
}

TEST(RateList, BuildsFiveChoicesFromTheTexts)
{
    const RateList list(Texts("Hertz"));
    EXPECT_EQ(TextsOf(list), (std::vector<std::string>{"Default Refresh Rate", "60 Hertz (Safe Mode)", "75 Hertz",
                                                       "85 Hertz", "100 Hertz"}));
    std::vector<int> rates;
    for (const auto& choice : list.Choices())
        rates.push_back(choice.rate);
    EXPECT_EQ(rates, (std::vector<int>{0, 60, 75, 85, 100}));
}

TEST(RateList, AnotherWordForHertzChangesEveryChoiceButTheDefault)
{
    EXPECT_EQ(TextsOf(RateList(Texts("Hz"))),
              (std::vector<std::string>{"Default Refresh Rate", "60 Hz (Safe Mode)", "75 Hz", "85 Hz", "100 Hz"}));
}

TEST(RateList, CutsOverlongTextsAt127Characters)
{
    const RateList list(Texts(std::string(600, 'z')));
    for (const std::string& text : TextsOf(list))
        EXPECT_LE(text.size(), 127u);
    EXPECT_EQ(list.Choices()[4].text, "100 " + std::string(123, 'z'));
}

TEST(RateList, SelectsTheFirstListedEntryOfTheRateElseTheDefault)
{
    const RateList list(Texts("Hertz"));
    struct Case {
        int rate;
        std::size_t selected;
    };
    // The default entry is never matched by value: 0 and rates that are not listed fall back to it.
    const Case cases[] = {{0, 0}, {60, 1}, {75, 2}, {85, 3}, {100, 4}, {120, 0}, {150, 0}, {-1, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(list.SelectionFor(c.rate), c.selected) << "rate " << c.rate;
}

TEST(RateList, AnIndexOutsideTheListGivesTheDefaultRate)
{
    const RateList list(Texts("Hertz"));
    EXPECT_EQ(list.RateAt(4), 100);
    EXPECT_EQ(list.RateAt(1), 60);
    EXPECT_EQ(list.RateAt(-1), 0);  // a combo box with nothing selected
    EXPECT_EQ(list.RateAt(5), 0);
}

}  // namespace
