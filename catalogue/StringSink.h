#pragma once

#include <string>
#include <string_view>

#include "catalogue/ArchiveWriter.h"

/// A byte sink that collects everything written into a string in memory.
class CStringSink : public CByteSink {
public:
    void Write(std::string_view bytes) override { m_bytes.append(bytes); }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};
