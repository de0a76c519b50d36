#pragma once

// What the window tests share: the fake application, the modal-window guard, and helpers
// that work the controls as a person does and fail the test, never crash it, on a form that
// lacks a control.
#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <QtTest>

#include "tests/support/FakeApp.h"
#include "tests/support/ModalGuard.h"

/// Replaces an edit box's text the way a person does: into the box, select all, delete, type.
void TypeInto(QLineEdit* edit, const QString& text);

/// Shows window and waits until it is the active window.
void ShowActive(QWidget* window);

/// Rejects any message box that no test answered in advance, so that an unexpected box
/// shows up in the recorded texts instead of hanging the test.
void CloseStrayBoxesWhileAlive(QObject* owner);

/// For cleanup(): fails the test when a top-level window is left over, naming it.
void VerifyNoWindowLeft();

/// Records a test failure: the window has no control of the class and name a test asked for.
void FailMissingChild(const QWidget& window, const char* className, const char* name);

/// The child control of class T named name. A missing one fails the test, naming it, and a
/// blank control of its own stands in, so the test ends at a check instead of crashing.
template <class T>
T* NamedChild(const QWidget& window, const char* name) {
    if (T* child = window.findChild<T*>(QString::fromLatin1(name))) {
        return child;
    }
    FailMissingChild(window, T::staticMetaObject.className(), name);
    auto* standIn = new T(const_cast<QWidget*>(&window));
    standIn->setObjectName(QString::fromLatin1(name));
    return standIn;
}
