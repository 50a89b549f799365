#pragma once

#include <QDialog>
#include <QEventLoop>
#include <QPointer>

#include "framework/qt/DialogUnits.h"

namespace framework {

class CDialog;

// A dialog's Qt window: it measures the layout's dialog units in the dialog font,
// passes the keys a dialog handles itself and close requests on to the dialog, and
// gives the default-button look to the button Enter presses.
class CDialogWindow : public QDialog {
public:
    CDialogWindow(CDialog& dialog, QWidget* pParent);
    ~CDialogWindow() override;

    CDialog& Dialog() const { return m_dialog; }
    const CDialogUnits& Units() const { return m_units; }

    // Makes the window a transient dialog of its owner, or an ordinary window for the
    // main window, and gives it the layout's size.
    void PrepareFrame();

    // Gives the default-button look to the focused push button, else to the
    // layout's default button.
    void ShowDefaultOnFocus();

    // Runs the main window in a plain loop until Leave is called.
    void RunMainLoop();
    void Leave(int nResult);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void reject() override;
    void accept() override;

private:
    CDialog& m_dialog;
    CDialogUnits m_units;
    // The loop of a main window's run, which Leave ends.
    QPointer<QEventLoop> m_pMainLoop;
};

}  // namespace framework
