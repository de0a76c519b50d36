#pragma once

#include <QString>

/// Where the running program finds the files it ships with. A program of the build tree
/// (tarvo, a test, a benchmark) takes those of the build and source trees; an installed
/// one those installed with it, relative to its bin/ folder, wherever the prefix is.
class CProgramFiles {
public:
    /// The download module's file.
    static QString DownloadModule();
    /// The folder of the unit sets; empty when there is none.
    static QString UnitSetFolder();

private:
    static bool RunsFromBuildTree();
};
