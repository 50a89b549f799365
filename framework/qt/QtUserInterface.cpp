#include "framework/qt/QtUserInterface.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <cstdio>
#include <cstdlib>

#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/WindowCaption.h"
#include "platform/LineBreaks.h"

namespace framework {

namespace {

QMessageBox::Icon ToQtIcon(platform::MessageIcon icon) {
    switch (icon) {
        case platform::MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case platform::MessageIcon::Information:
            return QMessageBox::Information;
        case platform::MessageIcon::Question:
            return QMessageBox::Question;
        case platform::MessageIcon::Stop:
            return QMessageBox::Critical;
        case platform::MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A box of the program's own. A question has exactly two answers: Escape and the
// close box would answer No unasked (and No to saving throws the player's new
// words away), so a Yes/No box ignores both and has no close box.
class CMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

    void RequireAnswer() {
        m_bAnswerRequired = true;
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }

protected:
    void keyPressEvent(QKeyEvent* pEvent) override {
        if (m_bAnswerRequired && pEvent->matches(QKeySequence::Cancel)) {
            pEvent->accept();
            return;
        }
        QMessageBox::keyPressEvent(pEvent);
    }
    void closeEvent(QCloseEvent* pEvent) override {
        if (m_bAnswerRequired) {
            pEvent->ignore();
            return;
        }
        QMessageBox::closeEvent(pEvent);
    }

private:
    bool m_bAnswerRequired = false;
};

// The window a box belongs to: the modal dialog in front, else the main window.
QWidget* BoxOwner() {
    if (QWidget* pModal = QApplication::activeModalWidget()) {
        return pModal;
    }
    CWinApp* pApp = CWinApp::GetApp();
    return pApp && pApp->m_pMainWnd ? &pApp->m_pMainWnd->GetWindow() : nullptr;
}

// Keeps the dialogs' keyboard handling out of a pump of long work: Escape, Enter,
// Tab and the mnemonics do nothing in the windows that were open when the pump
// began; the space bar still presses a focused push button. A window opened from
// inside the pump (the confirmation asked by a click on Cancel) gets its keys as
// usual, since the user must be able to answer it.
class CPumpKeyFilter : public QObject {
public:
    CPumpKeyFilter() {
        for (QWidget* pWindow : QApplication::topLevelWidgets()) {
            m_windows.insert(pWindow);
        }
    }

protected:
    bool eventFilter(QObject* pReceiver, QEvent* pEvent) override {
        const QEvent::Type type = pEvent->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
            type != QEvent::ShortcutOverride && type != QEvent::Shortcut) {
            return false;
        }
        auto* pWidget = qobject_cast<QWidget*>(pReceiver);
        if (pWidget == nullptr || !m_windows.contains(pWidget->window())) {
            return false;
        }
        if (type != QEvent::Shortcut) {
            const auto* pKey = static_cast<QKeyEvent*>(pEvent);
            const bool bSpaceOnButton = pKey->key() == Qt::Key_Space &&
                                        pKey->modifiers() == Qt::NoModifier &&
                                        qobject_cast<QPushButton*>(pWidget) && pWidget->hasFocus();
            if (bSpaceOnButton) {
                return false;
            }
        }
        // An accepted override tells the shortcut map that the widget wants the key
        // itself, so no mnemonic fires; the key itself then goes nowhere.
        pEvent->accept();
        return true;
    }

private:
    QSet<QWidget*> m_windows;
};

}  // namespace

void CQtUserInterface::PumpEvents() {
    CPumpKeyFilter filter;
    qApp->installEventFilter(&filter);
    // RepaintWindows leaves the user's input where the window system's events wait.
    // With nothing new arriving, the event loop would not look there again, and a
    // click set aside by a repaint would wait for the next file or the end of the
    // copy. Waking the loop makes this pass deliver it.
    if (QAbstractEventDispatcher* pDispatcher = QAbstractEventDispatcher::instance()) {
        pDispatcher->wakeUp();
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    qApp->removeEventFilter(&filter);
}

void CQtUserInterface::RepaintWindows() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

platform::MessageResult CQtUserInterface::MessageBox(const std::string& text,
                                                     platform::MessageIcon icon,
                                                     platform::MessageButtons buttons) {
    CMessageBox box(ToQtIcon(icon), QString(),
                    QString::fromStdString(platform::NormaliseLineBreaks(text)),
                    QMessageBox::NoButton, BoxOwner());
    SetWindowCaption(box, platform::DisplayName());
    box.setTextFormat(Qt::PlainText);
    if (buttons == platform::MessageButtons::YesNo) {
        box.RequireAnswer();
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        const int answer = box.exec();
        return answer == QMessageBox::Yes ? platform::MessageResult::Yes
                                          : platform::MessageResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return platform::MessageResult::Ok;
}

void CQtUserInterface::Beep() {
    QApplication::beep();
}

void CQtUserInterface::ExitProcess(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

int CQtUserInterface::RunModalDialog(CDialog& dialog) {
    return dialog.RunModalLoop();
}

void CQtUserInterface::ShowBusyPointer(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace framework
