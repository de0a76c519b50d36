#include "tests/support/EveryWindow.h"

#include <QUrl>

#include "tests/support/FakeApp.h"
#include "tests/support/ModalGuard.h"
#include "ui/DlgAbout.h"
#include "ui/DlgHelp.h"
#include "ui/DlgMain.h"
#include "ui/DlgOptions.h"
#include "ui/DlgQuickConversion.h"
#include "ui/DlgRates.h"
#include "ui/DlgSolver.h"
#include "ui/DlgUnitSets.h"

void CEveryWindow::Visit(CFakeApp& app, const std::function<void(QWidget& window)>& visit) {
    CDlgMain main(app);
    main.show();
    visit(main);
    const std::function<void()> openers[] = {
        [&] { CDlgOptions(&main, app).exec(); },
        [&] { CDlgSolver(&main).exec(); },
        [&] {
            CDlgQuickConversion(app.m_catalogue, app.m_settings.m_decimalPrecision, &main).exec();
        },
        [&] { CDlgUnitSets(app.m_catalogue, app.m_unitSetFolder, &main).exec(); },
        [&] {
            CDlgRates(app.m_catalogue, QUrl(QStringLiteral("http://127.0.0.1:9/")), &main).exec();
        },
        [] { CDlgHelp::RunHelpCommand(); },
        [] { CDlgAbout::RunAboutCommand(65542); },
    };
    for (const std::function<void()>& open : openers) {
        const CModalGuard guard([&visit](QWidget& modal) {
            visit(modal);
            modal.close();
        });
        open();
    }
}
