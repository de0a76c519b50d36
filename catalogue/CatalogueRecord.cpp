#include "catalogue/CatalogueRecord.h"
#include <fstream>
#include <sstream>
#include "catalogue/XdgFolder.h"
std::string CCatalogueRecord::DefaultFile() { auto s = XdgFolder::StateHome(); return s.empty() ? s : s + "/tarvo/catalogue"; }
CCatalogueRecord::CCatalogueRecord(std::string file) : m_file(std::move(file)) {}
void CCatalogueRecord::Record(const std::string&) const {}
std::string CCatalogueRecord::Recorded() const { std::ifstream in(m_file); std::stringstream ss; ss << in.rdbuf(); auto t = ss.str(); if (!t.empty() && t.back()=='\n') t.pop_back(); return t.empty() || t[0] != '/' ? std::string() : t; }
