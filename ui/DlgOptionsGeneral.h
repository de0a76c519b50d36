#pragma once

#include <QWidget>
#include <memory>

class CAppContext;
class QEvent;

namespace Ui {
class DlgOptionsGeneral;
}

/// The Options sheet's "View" page: copies of the decimal precision, always on top and
/// reload last units settings, taken when the page is made and given back only through
/// its fields, which the sheet's caller reads after OK.
class CDlgOptionsGeneral : public QWidget {
    Q_OBJECT
public:
    explicit CDlgOptionsGeneral(CAppContext& app, QWidget* parent = nullptr);
    ~CDlgOptionsGeneral() override;

    /// The page is shown: writes the fields to the controls.
    void Activate();
    /// Reads the controls back into the fields. On an invalid precision shows the
    /// message, selects the precision box's text and returns false.
    bool ReadBack();

    /// Number of decimals shown, 0 to 10 once read back (a stored value may lie outside).
    int m_decimalPrecision;
    int m_alwaysOnTop;
    int m_reloadLastUnits;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Moves the number in the precision box by step, wrapping at either end of 0 to 10.
    void Spin(int step);
    void RefusePrecision(const QString& message);

    std::unique_ptr<Ui::DlgOptionsGeneral> m_ui;
};
