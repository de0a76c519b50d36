#include "formats/TextLines.h"

#include <istream>
#include <string_view>

bool CTextLines::Next(std::string& line) {
    line.clear();
    m_tooLong = false;
    bool read = false;
    char c = 0;
    while (m_in.get(c)) {
        read = true;
        if (c == '\n') {
            break;
        }
        if (line.size() < kMaxLineBytes) {
            line += c;
        } else {
            m_tooLong = true;  // the rest is skipped, so that it never fills memory
        }
    }
    if (!read || m_in.bad()) {
        return false;  // a line cut short by a read error is no line
    }
    const std::string_view content = Content(line, ++m_number);
    line.erase(static_cast<std::size_t>(content.data() - line.data()) + content.size());
    line.erase(0, static_cast<std::size_t>(content.data() - line.data()));
    return true;
}

std::string CTextLines::TooLongMessage() {
    return "the line is longer than " + std::to_string(kMaxLineBytes >> 10) + " KiB";
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
