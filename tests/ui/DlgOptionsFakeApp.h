#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/WorkspaceSettings.h"
#include "catalogue/UnitMgr.h"
#include "ui/AppContext.h"

/// The application as the Options sheet sees it: the factory catalogue, settings with
/// their defaults over a store in a temporary directory, and a Help command that counts.
class CFakeOptionsApp : public CAppContext {
public:
    CFakeOptionsApp() : m_settings((m_storeDir.path() + "/settings.db").toStdString()) {
        m_catalogue.AddFactoryUnits();
    }

    CUnitMgr& Catalogue() override { return m_catalogue; }
    CWorkspaceSettings& Settings() override { return m_settings; }
    void OnHelp() override { ++m_helpCalls; }
    void OnAbout() override {}

    QTemporaryDir m_storeDir;
    CUnitMgr m_catalogue;
    CWorkspaceSettings m_settings;
    int m_helpCalls = 0;
};

/// Rejects any message box that no test answered in advance, so that an unexpected box
/// shows up in the recorded texts instead of hanging the test.
inline void CloseStrayBoxesWhileAlive(QObject* owner) {
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->reject();
        }
    });
    timer->start(100);
}

/// Replaces an edit box's text the way a person does: select all, delete, type.
inline void TypeInto(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

/// The child widget of the given class and object name; the form must have it.
template <class T>
T* NamedChild(const QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT(child);
    return child;
}
