#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

/// The lines of a text file one by one, as spreadsheets and editors write them: a UTF-8
/// byte order mark before the first line is dropped, lines may end in "\n" or "\r\n",
/// and the last line needs no line end. A line longer than kMaxLineBytes is never held
/// whole: Next gives its first kMaxLineBytes bytes and TooLong says so.
class CTextLines {
public:
    /// The longest line a reader takes; no table, rates or batch line comes near it.
    static constexpr std::size_t kMaxLineBytes = std::size_t{64} << 10;

    explicit CTextLines(std::istream& in) : m_in(in) {}

    /// The next line without its line end; false at the end of the input.
    bool Next(std::string& line);
    /// The 1-based number of the line Next gave last.
    long Number() const { return m_number; }
    /// Whether the line Next gave last was cut at kMaxLineBytes.
    bool TooLong() const { return m_tooLong; }
    /// The message for a line longer than kMaxLineBytes.
    static std::string TooLongMessage();

    /// What CTextLines gives for line number (1-based), read up to its line feed.
    static std::string_view Content(std::string_view line, long number);

private:
    std::istream& m_in;
    long m_number = 0;
    bool m_tooLong = false;
};

/// Fills fields with the tab-separated fields of one line; a line without tabs is one
/// field. Reusing fields from line to line spares an allocation per line.
void SplitAtTabs(std::string_view line, std::vector<std::string_view>& fields);
