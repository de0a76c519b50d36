#pragma once

#include <functional>

class CFakeApp;
class QWidget;

/// Each of the program's windows, opened as the program opens it: the one list that a new
/// window joins, so that every test of all windows (names for screen readers, palette,
/// translations) covers it. EveryWindowTest checks it against the windows the build has.
class CEveryWindow {
public:
    /// Calls visit with each window while it is open: the main window first, then each
    /// other window, modal over it and closed after its visit.
    static void Visit(CFakeApp& app, const std::function<void(QWidget& window)>& visit);
};
