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
