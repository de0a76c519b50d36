#include "formats/TextLines.h"

#include <istream>
#include <string_view>

bool CTextLines::Next(std::string& line) {
    if (!std::getline(m_in, line)) {
        return false;
    }
    const std::string_view content = Content(line, ++m_number);
    line.erase(static_cast<std::size_t>(content.data() - line.data()) + content.size());
    line.erase(0, static_cast<std::size_t>(content.data() - line.data()));
    return true;
}

std::string_view CTextLines::Content(std::string_view line, long number) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (number == 1 && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

void SplitAtTabs(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos;
         tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
}
