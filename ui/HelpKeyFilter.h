#pragma once

#include <QObject>

class CAppContext;

/// Installed on the application: the help key (F1 without Shift, Ctrl or Alt) in any
/// window of the program runs the Help command once and goes no further.
class CHelpKeyFilter : public QObject {
    Q_OBJECT
public:
    CHelpKeyFilter(CAppContext& app, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CAppContext& m_app;
};
