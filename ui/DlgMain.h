#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "formats/QueryReader.h"

class CAppContext;
class QComboBox;
class QKeyEvent;

namespace Ui {
class DlgMain;
}

/// The main converter window: a type, a "from" and a "to" unit of that type and two
/// number boxes; what the user types into one box shows converted in the other. Its menu
/// opens the Options sheet, the units solver, help and About, and starts the calculator.
/// Closing it, whichever way, ends the run.
class CDlgMain : public QDialog {
    Q_OBJECT
public:
    explicit CDlgMain(CAppContext& app, QWidget* parent = nullptr);
    /// Stores the last type and units into the settings.
    ~CDlgMain() override;

    /// Sets the window to the conversion query reads as, as Quick Conversion sets a chosen
    /// one; a unit alone goes to the last to-unit first. When query reads as none, Quick
    /// Conversion opens over the running window with query typed in.
    void Convert(const QString& query);

    /// "E&xit!" and Enter: ends the window once its controls read back.
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    /// Keyboard access shared by the window and its menu bar; see KeyboardAccess.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Initialise();
    void ReloadLastUnits();
    void ConnectControls();

    /// Fields to controls (only what differs), then the enabled states.
    void WriteModel();
    /// Controls to fields; false, with the message shown, on a text that is too long.
    bool ReadModel();
    void UpdateEnabledStates();

    /// Converts out of the side the user works on, chosen by the keyboard focus.
    void Recompute();
    void OnTypeChosen();
    void OnUnitChosen(const QComboBox* list, const QString& field);
    void OnOptions();
    void OnRates();
    /// Tools > Quick Conversion, with query typed in; applies the conversion chosen there.
    void OnQuickConversion(const QString& query);
    /// Applies chosen as the user would by hand, through the lists and the From number box.
    void ApplyConversion(const CQueryReader::Conversion& chosen);
    /// After the catalogue changed: types and units that are gone drop out of the model,
    /// and so do their numbers; then converts anew.
    void KeepWhatStillExists();
    void OnSolver();
    void OnCalculator();

    void FillTypeList();
    void FillUnitLists();

    /// Alt+T goes to the Type list (its label's mnemonic wins over the Tools menu's);
    /// F10 and Alt alone open the Tools menu. Takes key events only; true when used.
    bool KeyboardAccess(QEvent* event);
    bool IsOwnEvent(const QObject* watched) const;
    void OpenToolsMenu();

    CAppContext& m_app;
    std::unique_ptr<Ui::DlgMain> m_ui;

    // The window's model; every operation reads the controls into it, changes it and
    // writes it back.
    QString m_type;
    QString m_fromUnit;
    QString m_fromNumber;
    QString m_toUnit;
    QString m_toNumber;

    bool m_altAlone = false;
};
