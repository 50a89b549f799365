#include "framework/qt/HelpWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>

#include "framework/HelpWindowBackend.h"
#include "platform/UserInterface.h"

namespace framework {

CHelpWindow::CHelpWindow() : QTextBrowser(nullptr) {
    // Closed by the user it only hides: the application reopens the same window, and
    // a deletion pending from an earlier close would take a reopened window away.
    setOpenExternalLinks(false);
    resize(560, 480);
}

bool CHelpWindow::CanShow(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() && info.isReadable();
}

void CHelpWindow::ShowContents(const std::string& path) {
    setSource(QUrl::fromLocalFile(QString::fromStdString(path)), QTextDocument::HtmlResource);
    scrollToAnchor(QString());
    moveCursor(QTextCursor::Start);
    // The document's own title names the window; the program's name stands in
    // for a document without one.
    const QString title = documentTitle();
    setWindowTitle(title.isEmpty() ? QString::fromStdString(platform::DisplayName()) : title);
    show();
    raise();
    activateWindow();
}

void CHelpWindow::keyPressEvent(QKeyEvent* pEvent) {
    // With Shift, Ctrl or Alt held Escape is another key, as in a dialog.
    const Qt::KeyboardModifiers held =
        pEvent->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (pEvent->key() == Qt::Key_Escape && held == Qt::NoModifier) {
        pEvent->accept();
        close();
        return;
    }
    QTextBrowser::keyPressEvent(pEvent);
}

bool CanShowHelpFile(const std::string& path) {
    return CHelpWindow::CanShow(path);
}

CHelpWindow* ShowHelpFile(CHelpWindow* pWindow, const std::string& path) {
    if (pWindow == nullptr) {
        pWindow = new CHelpWindow();
    }
    pWindow->ShowContents(path);
    return pWindow;
}

void DestroyHelpWindow(CHelpWindow* pWindow) {
    // A static application object can outlive the toolkit, and its windows with it.
    if (QCoreApplication::instance()) {
        delete pWindow;
    }
}

}  // namespace framework
