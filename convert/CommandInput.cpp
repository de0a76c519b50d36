#include "convert/CommandInput.h"

#include <istream>

bool CCommandInput::Read(const std::string& path, std::uintmax_t maxBytes,
                         std::istream& standardInput, std::string& error) {
    if (path == "-") {
        char block[1 << 16];
        while (standardInput.read(block, sizeof block) || standardInput.gcount() > 0) {
            m_standardInput.append(block, static_cast<std::size_t>(standardInput.gcount()));
            if (m_standardInput.size() > maxBytes) {
                error = "cannot read standard input: larger than " +
                        std::to_string(maxBytes >> 20) + " MiB";
                return false;
            }
        }
        if (standardInput.bad()) {
            error = "cannot read standard input";
            return false;
        }
        m_text = m_standardInput;
        return true;
    }
    m_file.emplace(path, maxBytes);
    switch (m_file->GetFault()) {
        case CGuardedFile::Fault::kNone:
            m_text = m_file->Bytes();
            return true;
        case CGuardedFile::Fault::kCannotOpen:
            error = "cannot open " + path + ": " + m_file->Reason();
            return false;
        default:
            error = "cannot read " + path + ": " + m_file->Reason();
            return false;
    }
}
