#pragma once
#include <string>
class CCatalogueRecord {
public:
    static std::string DefaultFile();
    explicit CCatalogueRecord(std::string file = DefaultFile());
    void Record(const std::string& catalogueFile) const;
    std::string Recorded() const;
private:
    std::string m_file;
};
