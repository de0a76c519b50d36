#pragma once

#include <cstddef>
#include <ios>
#include <stdexcept>
#include <streambuf>
#include <string>

/// A stream buffer that fails after limit bytes, as a full disk or a broken pipe does:
/// writes past the limit are refused, and reads give the first limit bytes of text and
/// then an error, which sets the reading stream's badbit.
class CFailingStreamBuf : public std::streambuf {
public:
    CFailingStreamBuf(std::size_t limit, std::string text = {})
        : m_limit(limit), m_text(std::move(text)) {}

    /// The bytes written before the failure.
    const std::string& Written() const { return m_written; }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::not_eof(c);
        }
        if (m_written.size() >= m_limit) {
            return traits_type::eof();
        }
        m_written.push_back(traits_type::to_char_type(c));
        return c;
    }
    int_type underflow() override {
        if (m_read >= m_limit || m_read >= m_text.size()) {
            throw std::ios_base::failure("read error");
        }
        m_byte = m_text[m_read++];
        setg(&m_byte, &m_byte, &m_byte + 1);
        return traits_type::to_int_type(m_byte);
    }

private:
    std::size_t m_limit;
    std::string m_text;
    std::string m_written;
    std::size_t m_read = 0;
    char m_byte = 0;
};
