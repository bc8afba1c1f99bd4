// The launcher's keyed texts, filled once from the program's string resources.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace launcher {

class TextTable {
public:
    // Loads the text of a string resource by its number; a resource that cannot be loaded gives "".
    using ResourceLoader = std::function<std::string(unsigned int)>;

    // Appends the eight (key, text) rows, in their fixed order.
    void Fill(const ResourceLoader& load);

    // The text of the first entry whose key has exactly the given bytes, or the default text.
    // The result stays valid as long as the table.
    const char* GetText(std::string_view key, const char* defaultText) const;

    std::size_t Size() const { return m_entries.size(); }

private:
    std::vector<std::pair<std::string, std::string>> m_entries;
};

}  // namespace launcher
