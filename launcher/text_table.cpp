#include "launcher/text_table.h"

#include "launcher/resource.h"

namespace launcher {

namespace {

struct TextRow {
    const char* key;
    unsigned int resource;
};

// The string table has no entries 107 and 108.
constexpr TextRow kTextRows[] = {
    {"Launch", IDS_LAUNCH},     {"Cancel", IDS_CANCEL},       {"GameTitle", IDS_GAMETITLE},
    {"Text1", IDS_TEXT1},       {"Text2", IDS_TEXT2},         {"DefaultRR", IDS_DEFAULTRR},
    {"SafeMode", IDS_SAFEMODE}, {"Hertz", IDS_HERTZ},
};

}  // namespace

void TextTable::Fill(const ResourceLoader& load)
{
    for (const TextRow& row : kTextRows)
        m_entries.emplace_back(row.key, load(row.resource));
}

const char* TextTable::GetText(std::string_view key, const char* defaultText) const
{
    for (const auto& [entryKey, text] : m_entries) {
        if (entryKey == key)
            return text.c_str();
    }
    return defaultText;
}

}  // namespace launcher
