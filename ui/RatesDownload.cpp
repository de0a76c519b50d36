#include "ui/RatesDownload.h"

#include <QDir>
#include <QPluginLoader>

#include "ui/ProgramFiles.h"

namespace {

constexpr char kUrlVariable[] = "TARVO_RATES_URL";

}  // namespace

CRatesDownload::CRatesDownload(const CRatesTransfer::Factory* transfers, QObject* parent)
    : QObject(parent), m_moduleFile(CProgramFiles::DownloadModule()), m_transfers(transfers) {}

CRatesDownload::~CRatesDownload() = default;

QUrl CRatesDownload::SourceUrl() {
    const QByteArray configured = qgetenv(kUrlVariable);
    return QUrl(configured.isEmpty() ? QString::fromLatin1(kBankUrl)
                                     : QString::fromUtf8(configured));
}

void CRatesDownload::Start(const QUrl& url) {
    if (LoadTransfer()) {
        m_transfer->Start(url, m_timeout);
    }
}

void CRatesDownload::Cancel() {
    if (m_transfer) {
        m_transfer->Cancel();
    }
}

bool CRatesDownload::LoadTransfer() {
    if (m_transfer) {
        return true;
    }
    if (m_transfers != nullptr) {
        m_transfer = m_transfers->Create(*this);
        return true;
    }
    // The module stays loaded once loaded: its plugin object makes every later download.
    QPluginLoader loader(m_moduleFile);
    QObject* plugin = loader.instance();
    const auto* factory = qobject_cast<CRatesTransfer::Factory*>(plugin);
    if (!factory) {
        QString reason =
            plugin ? tr("it does not fit this version of Tarvo") : loader.errorString();
        // Some of Qt's reasons end their sentence already.
        if (reason.endsWith(QLatin1Char('.'))) {
            reason.chop(1);
        }
        emit Failed(tr("The download module %1 could not be loaded: %2.")
                        .arg(QDir::toNativeSeparators(m_moduleFile), reason));
        return false;
    }
    m_transfer = factory->Create(*this);
    return true;
}
