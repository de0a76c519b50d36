#include "net/RatesTransferPlugin.h"

#include "net/HttpRatesTransfer.h"

std::unique_ptr<CRatesTransfer> CRatesTransferPlugin::Create(
    CRatesTransfer::Listener& listener) const {
    return std::make_unique<CHttpRatesTransfer>(listener);
}
