#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "framework/Dialog.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"
#include "tests/support/DialogDriver.h"

namespace testing_support {

namespace {

// Where a key goes: the focused control, else the window itself.
QWidget* KeyTarget(framework::CDialog& dialog) {
    QWidget* pWindow = &dialog.GetWindow();
    QWidget* pFocus = pWindow->focusWidget();
    return pFocus ? pFocus : pWindow;
}

Qt::Key QtKey(Key key) {
    switch (key) {
        case Key::Enter:
            return Qt::Key_Return;
        case Key::Escape:
            return Qt::Key_Escape;
        case Key::Tab:
            return Qt::Key_Tab;
        case Key::Space:
            return Qt::Key_Space;
        case Key::Backspace:
            return Qt::Key_Backspace;
        case Key::Delete:
            return Qt::Key_Delete;
        case Key::Home:
            return Qt::Key_Home;
        case Key::End:
            return Qt::Key_End;
        case Key::F1:
            return Qt::Key_F1;
    }
    return Qt::Key_unknown;
}

Qt::KeyboardModifiers QtModifiers(Modifier modifier) {
    switch (modifier) {
        case Modifier::Shift:
            return Qt::ShiftModifier;
        case Modifier::Control:
            return Qt::ControlModifier;
        case Modifier::Alt:
            return Qt::AltModifier;
        case Modifier::None:
            break;
    }
    return Qt::NoModifier;
}

}  // namespace

void ActivateWindow(framework::CDialog& dialog) {
    QWidget& window = dialog.GetWindow();
    window.show();
    window.activateWindow();
    // The request above is answered asynchronously; setting the active window
    // directly keeps the test free of event processing (which would also run
    // commands the test wants to see still queued).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    QApplication::setActiveWindow(&window);
#pragma GCC diagnostic pop
}

void DeliverPostedCommands(framework::CDialog& dialog) {
    QCoreApplication::sendPostedEvents(&dialog.GetWindow(), QEvent::MetaCall);
}

void Click(framework::CWnd& control) {
    QTest::mouseClick(framework::Widget(control), Qt::LeftButton);
}

void Click(framework::CDialog& dialog, int nId) {
    framework::CWnd* pControl = dialog.GetDlgItem(nId);
    ASSERT_NE(pControl, nullptr) << "no control " << nId;
    Click(*pControl);
}

void Press(framework::CDialog& dialog, Key key, Modifier modifier) {
    QTest::keyClick(KeyTarget(dialog), QtKey(key), QtModifiers(modifier));
}

void PressAlt(framework::CDialog& dialog, char letter) {
    QTest::keyClick(KeyTarget(dialog), letter, Qt::AltModifier);
}

void Type(framework::CDialog& dialog, const std::string& text) {
    QWidget* pTarget = KeyTarget(dialog);
    for (const QChar c : QString::fromStdString(text)) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(pTarget, c.toLatin1());
        } else {
            // A key without an ASCII key code arrives as text only.
            QTest::sendKeyEvent(QTest::Click, pTarget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void Paste(framework::CDialog& dialog, const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
    if (auto* pField = qobject_cast<QLineEdit*>(KeyTarget(dialog))) {
        pField->paste();
    }
}

void Close(framework::CDialog& dialog) {
    dialog.GetWindow().close();
}

std::string AccessibleName(const framework::CWnd& control) {
    QWidget* pWidget = framework::Widget(control);
    // A combo box's interface reports its current entry as its name on Linux.
    const QString given = pWidget->accessibleName();
    if (!given.isEmpty()) {
        return given.toStdString();
    }
    return QAccessible::queryAccessibleInterface(pWidget)->text(QAccessible::Name).toStdString();
}

}  // namespace testing_support
