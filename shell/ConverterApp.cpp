#include "shell/ConverterApp.h"

#include <QLocale>
#include <QVersionNumber>
#include <clocale>
#include <system_error>

#include "app/WorkspaceSettings.h"
#include "catalogue/CatalogueBackups.h"
#include "catalogue/CatalogueRecord.h"
#include "catalogue/FileError.h"
#include "catalogue/UnitMgr.h"
#include "ui/AppIcon.h"
#include "ui/DlgAbout.h"
#include "ui/DlgHelp.h"
#include "ui/DlgMain.h"
#include "ui/HelpKeyFilter.h"
#include "ui/MessageBox.h"
#include "ui/TextResource.h"

namespace {

const char* const kUnsupportedPlatform = QT_TRANSLATE_NOOP(
    "CConverterApp", "This application only runs under Windows 95 and Windows NT.");
const char* const kUnknownError =
    QT_TRANSLATE_NOOP("CConverterApp", "The application could not start due to an unknown error.");

QString CannotSaveText(const CFileError& error) {
    return CConverterApp::tr(
               "Your units could not be saved.\n\n%1\n\nChoose Retry to save them again, or "
               "Cancel to end without saving them.")
        .arg(QString::fromStdString(error.what()));
}

}  // namespace

CConverterApp::CConverterApp(int& argc, char** argv, std::string settingsRoot)
    : QApplication(argc, argv), m_settingsRoot(std::move(settingsRoot)) {
    setApplicationName(QStringLiteral("Tarvo"));
    // Ties the windows to their desktop entry where the desktop asks for it (Wayland).
    setDesktopFileName(QStringLiteral("net.kolpa.tarvo"));
    // The icon lives in the ui library's resources, which a static library must register.
    InitResources();
    m_translation.Install(QLocale::system().uiLanguages());
    setWindowIcon(AppIcon());
    installEventFilter(new CHelpKeyFilter(*this, this));
}

CConverterApp::~CConverterApp() = default;

std::unique_ptr<CReadAhead> CConverterApp::ReadAhead(std::string settingsRoot) {
    if (!IsSupportedPlatform()) {
        return nullptr;
    }
    // The application object sets the C library's locale from the environment as it
    // starts, and setlocale is not safe while another thread runs: it is set here, before
    // the worker starts, so that the application's call changes nothing. (No number
    // reading depends on the locale.)
    std::setlocale(LC_ALL, "");
    try {
        return std::make_unique<CReadAhead>(std::move(settingsRoot), kVersion);
    } catch (const std::system_error&) {
        return nullptr;  // No thread to spare: StartUp reads it all itself.
    }
}

std::optional<QString> CConverterApp::ConvertQuery(const QStringList& arguments) {
    const QString option = QStringLiteral("--convert");
    std::optional<QString> query;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option) {
            query = i + 1 < arguments.size() ? arguments[++i] : QString();
        } else if (arguments[i].startsWith(option + QLatin1Char('='))) {
            query = arguments[i].mid(option.size() + 1);
        }
    }
    return query;
}

int CConverterApp::Run(CReadAhead* readAhead) {
    if (StartUp(readAhead)) {
        // Qt has taken its own options out of the arguments by now.
        RunMainWindow(ConvertQuery(arguments()));
    }
    ShutDown();
    return m_failed ? 1 : 0;
}

bool CConverterApp::StartUp(CReadAhead* readAhead) {
    m_failed = false;
    if (!IsSupportedPlatform()) {
        CMessageBox::Show(nullptr, CMessageBox::Icon::Stop, tr(kUnsupportedPlatform));
        m_failed = true;
        return false;
    }
    try {
        m_workspace = readAhead != nullptr ? readAhead->TakeWorkspace()
                                           : CWorkspaceLoad::Read(m_settingsRoot, kVersion);
    } catch (...) {
        m_workspace = {};
        Fail();
        return false;
    }
    RecordCatalogue();
    return true;
}

void CConverterApp::RunMainWindow(const std::optional<QString>& convertQuery) {
    try {
        CDlgMain window(*this);
        if (convertQuery) {
            window.Convert(*convertQuery);
        }
        window.exec();
    } catch (...) {
        Fail();
    }
}

void CConverterApp::ShutDown() {
    if (m_recorder.joinable()) {
        m_recorder.join();
    }
    // The catalogue only ever holds what the user confirmed (OK, Apply): a failure later in
    // the run must not lose it.
    if (m_workspace.catalogue && m_workspace.catalogue->IsModified()) {
        SaveCatalogue();
    }
    if (m_workspace.settings && m_workspace.settings->IsModified()) {
        m_workspace.settings->Save();
    }
}

CUnitMgr& CConverterApp::Catalogue() {
    return *m_workspace.catalogue;
}

CWorkspaceSettings& CConverterApp::Settings() {
    return *m_workspace.settings;
}

void CConverterApp::OnHelp() {
    CDlgHelp::RunHelpCommand();
}

void CConverterApp::OnAbout() {
    CDlgAbout::RunAboutCommand(kVersion);
}

bool CConverterApp::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (!m_failed) {
            Fail();
            // Every running dialog loop returns, so the run ends here.
            exit(1);
        }
        return false;
    }
}

bool CConverterApp::IsSupportedPlatform() {
    return QVersionNumber::fromString(QString::fromLatin1(qVersion())) >=
           QVersionNumber::fromString(QStringLiteral(QT_VERSION_STR));
}

void CConverterApp::RecordCatalogue() {
    // Without the record the search helper answers from the catalogue it last knew: not
    // worth a word, nor a wait.
    try {
        // The folder is looked up here: reading the environment is unsafe beside a change.
        m_recorder = std::jthread(
            [record = CCatalogueRecord(), file = m_workspace.settings->m_workspaceFile] {
                try {
                    record.Record(file);
                } catch (...) {
                }
            });
    } catch (const std::system_error&) {
    }
}

void CConverterApp::SaveCatalogue() {
    // The file a save replaces is kept; a backup that fails is not worth a word here.
    CCatalogueBackups backups;
    for (;;) {
        try {
            m_workspace.catalogue->SaveToFile(m_workspace.settings->m_workspaceFile, &backups);
            return;
        } catch (const CFileError& error) {
            if (CMessageBox::Show(nullptr, CMessageBox::Icon::Exclamation, CannotSaveText(error),
                                  CMessageBox::Buttons::RetryCancel) != QMessageBox::Retry) {
                return;
            }
        } catch (...) {
            Fail();
            return;
        }
    }
}

void CConverterApp::Fail() {
    m_failed = true;
    CMessageBox::Show(nullptr, CMessageBox::Icon::Stop, tr(kUnknownError));
}
