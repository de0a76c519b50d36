#pragma once

#include <QList>
#include <QStringList>

#include "catalogue/StringList.h"

class QComboBox;

/// Lets the catalogue fill list controls: collects the names it adds and fills every
/// control with them, sorted, in one step on Commit or destruction. One catalogue pass
/// can so fill both unit lists of a window.
class CComboStringList : public CStringList {
public:
    explicit CComboStringList(QList<QComboBox*> lists);
    ~CComboStringList() override;
    CComboStringList(const CComboStringList&) = delete;
    CComboStringList& operator=(const CComboStringList&) = delete;

    void Reset() override;
    void Add(const std::string& text) override;

    /// Fills the controls with the names collected so far, when anything changed.
    void Commit();

private:
    QList<QComboBox*> m_lists;
    QStringList m_entries;
    bool m_pending = false;
};
