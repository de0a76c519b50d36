#include "convert/TextLines.h"

#include <istream>
#include <string_view>

bool CTextLines::Next(std::string& line) {
    if (!std::getline(m_in, line)) {
        return false;
    }
    ++m_number;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (m_number == 1 && line.starts_with(kByteOrderMark)) {
        line.erase(0, kByteOrderMark.size());
    }
    if (line.ends_with('\r')) {
        line.pop_back();
    }
    return true;
}

std::vector<std::string_view> SplitAtTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos;
         tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}
