#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "formats/QueryReader.h"

class CUnitMgr;
class QKeyEvent;

namespace Ui {
class DlgQuickConversion;
}

/// "Quick Conversion", opened from the Tools menu: a query typed as "5 psi in bar" lists the
/// conversions it may mean; Enter or a double click on one chooses it and closes the dialog.
/// A query that cannot be converted shows why, in a row that cannot be chosen.
class CDlgQuickConversion : public QDialog {
    Q_OBJECT
public:
    /// Reads queries against catalogue, which must stay unchanged while the dialog lives,
    /// and shows the numbers with precision decimals.
    CDlgQuickConversion(const CUnitMgr& catalogue, int precision, QWidget* parent = nullptr);
    ~CDlgQuickConversion() override;

    /// Starts with query typed in, its matches or the reason it has none listed.
    void SetQuery(const QString& query);
    /// The conversion chosen; valid once the dialog was accepted.
    const CQueryReader::Conversion& Chosen() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowMatches(const QString& query);
    /// Accepts the dialog on the current row, when that row is a conversion.
    void ChooseCurrent();
    QString RowText(const CQueryReader::Conversion& conversion) const;

    std::unique_ptr<Ui::DlgQuickConversion> m_ui;
    CQueryReader m_reader;
    int m_precision;
    /// The conversions listed, one per row; empty while the list shows a reason or nothing.
    std::vector<CQueryReader::Conversion> m_matches;
    CQueryReader::Conversion m_chosen;
};
