#include "ui/ComboStringList.h"

#include "ui/DataExchange.h"

CComboStringList::CComboStringList(QList<QComboBox*> lists) : m_lists(std::move(lists)) {}

CComboStringList::~CComboStringList() {
    Commit();
}

void CComboStringList::Reset() {
    m_entries.clear();
    m_pending = true;
}

void CComboStringList::Add(const std::string& text) {
    m_entries.append(QString::fromStdString(text));
    m_pending = true;
}

void CComboStringList::Commit() {
    if (!m_pending) {
        return;
    }
    m_pending = false;
    DataExchange::FillSorted(m_lists, m_entries);
}
