#pragma once

#include <QString>
#include <QStringList>
#include <functional>

/// Starts the calculator command line as a process of its own, without a shell and
/// without waiting for it. The usual command "calc" is rarely a calculator window on
/// this platform, so when no "calc" is installed the first desktop calculator found
/// is started instead.
class CCalculatorLauncher {
public:
    /// Full path of an executable found on the PATH, empty when there is none.
    using FindExecutable = std::function<QString(const QString& name)>;
    /// Starts program with arguments detached; true when it started.
    using StartDetached = std::function<bool(const QString& program, const QStringList& args)>;

    /// The usual lookup on the PATH and the usual detached start.
    CCalculatorLauncher();
    CCalculatorLauncher(FindExecutable find, StartDetached start);

    /// Starts commandLine; true when a process started. Nothing is shown either way.
    bool Launch(const QString& commandLine) const;

private:
    FindExecutable m_find;
    StartDetached m_start;
};
