// The launcher's text table: what it loads and how it answers.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "launcher/text_table.h"

namespace {

using launcher::TextTable;

TextTable TableOfNumbers(std::vector<unsigned int>* loaded = nullptr)
{
    TextTable table;
    table.Fill([loaded](unsigned int resource) {
        if (loaded != nullptr)
            loaded->push_back(resource);
        return "text " + std::to_string(resource);
    });
    return table;
}

TEST(TextTable, FillsEightRowsFromTheirStringResourcesInOrder)
{
    std::vector<unsigned int> loaded;
    const TextTable table = TableOfNumbers(&loaded);
    EXPECT_EQ(loaded, (std::vector<unsigned int>{104, 105, 106, 109, 110, 111, 112, 113}));
    EXPECT_EQ(table.Size(), 8u);
    EXPECT_STREQ(table.GetText("GameTitle", ""), "text 106");
    EXPECT_STREQ(table.GetText("Hertz", ""), "text 113");
}

TEST(TextTable, MatchesKeysByExactBytesOnly)
{
    const TextTable table = TableOfNumbers();
    const char* const fallback = "fallback";
    struct Case {
        const char* key;
        const char* expected;  // nullptr: the very default text that was passed
    };
    const Case cases[] = {
        {"Launch", "text 104"}, {"launch", nullptr},   {"LAUNCH", nullptr}, {"Launc", nullptr},
        {"Launch ", nullptr},   {" Launch", nullptr}, {"", nullptr},       {"Unknown", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("key \"") + c.key + "\"");
        if (c.expected == nullptr)
            EXPECT_EQ(table.GetText(c.key, fallback), fallback);
        else
            EXPECT_STREQ(table.GetText(c.key, fallback), c.expected);
    }
}

TEST(TextTable, AResourceThatDidNotLoadIsAnEmptyTextNotTheDefault)
{
    TextTable table;
    table.Fill([](unsigned int resource) { return resource == 105 ? std::string() : std::string("loaded"); });
    EXPECT_STREQ(table.GetText("Cancel", "fallback"), "");
}

}  // namespace
