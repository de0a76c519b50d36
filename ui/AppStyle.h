#pragma once

#include <QProxyStyle>

/// The platform's own style, except that the menu bar's overflow icon is loaded when it is
/// first drawn: every menu bar asks for it when made, though it shows only when the menu
/// does not fit, and loading it makes Qt load every image plugin it has.
class CAppStyle : public QProxyStyle {
    Q_OBJECT
public:
    CAppStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
