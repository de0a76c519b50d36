#include "app/RegistryKeyPath.h"

#include "catalogue/XdgFolder.h"

namespace {

constexpr const char* kMakerKey = "Kolpa";
constexpr const char* kApplicationKey = "Tarvo";

}  // namespace

std::string CRegistryKeyPath::DefaultRoot() {
    return XdgFolder::ConfigHome() + "/" + kMakerKey + "/" + kApplicationKey + ".db";
}

CRegistryKeyPath::CRegistryKeyPath(std::string root) : m_root(std::move(root)) {}

void CRegistryKeyPath::Set(std::string base, std::string maker, std::string application,
                           std::string subKey) {
    m_base = std::move(base);
    m_maker = maker.empty() ? kMakerKey : std::move(maker);
    m_application = application.empty() ? kApplicationKey : std::move(application);
    m_subKey = std::move(subKey);
}
