#include "ui/CalculatorLauncher.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

const char* const kDefaultCommand = "calc";

const char* const kDesktopCalculators[] = {
    "gnome-calculator", "kcalc",     "qalculate-qt", "qalculate-gtk",
    "galculator",       "mate-calc", "xcalc",
};

}  // namespace

CCalculatorLauncher::CCalculatorLauncher()
    : CCalculatorLauncher([](const QString& name) { return QStandardPaths::findExecutable(name); },
                          [](const QString& program, const QStringList& args) {
                              return QProcess::startDetached(program, args);
                          }) {}

CCalculatorLauncher::CCalculatorLauncher(FindExecutable find, StartDetached start)
    : m_find(std::move(find)), m_start(std::move(start)) {}

bool CCalculatorLauncher::Launch(const QString& commandLine) const {
    QStringList args = QProcess::splitCommand(commandLine);
    if (args.isEmpty()) {
        return false;
    }
    const QString program = args.takeFirst();
    if (commandLine.trimmed() != QLatin1String(kDefaultCommand) || !m_find(program).isEmpty()) {
        return m_start(program, args);
    }
    for (const char* name : kDesktopCalculators) {
        const QString path = m_find(QString::fromLatin1(name));
        if (!path.isEmpty() && m_start(path, {})) {
            return true;
        }
    }
    return false;
}
