// The floor for start-up: the least a Qt Widgets program needs to show a dialog with two
// lists and two boxes. Run by StartupBench, which passes the launch time.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLineEdit>

#include "FirstPaintProbe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CFirstPaintProbe probe(argc > 1 ? argv[1] : "0", "QDialog");
    app.installEventFilter(&probe);
    QDialog dialog;
    auto* layout = new QGridLayout(&dialog);
    layout->addWidget(new QComboBox, 0, 0);
    layout->addWidget(new QLineEdit, 0, 1);
    layout->addWidget(new QComboBox, 1, 0);
    layout->addWidget(new QLineEdit, 1, 1);
    return dialog.exec() == QDialog::Rejected ? 0 : 1;
}
