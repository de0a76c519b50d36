#pragma once

#include <QObject>
#include <memory>

#include "ui/RatesTransfer.h"

/// The download module's plugin object: the one thing the program looks up in it.
class CRatesTransferPlugin : public QObject, public CRatesTransfer::Factory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TARVO_RATES_TRANSFER_IID)
    Q_INTERFACES(CRatesTransfer::Factory)
public:
    std::unique_ptr<CRatesTransfer> Create(CRatesTransfer::Listener& listener) const override;
};
