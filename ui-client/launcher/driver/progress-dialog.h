#ifndef PROGRESS_DIALOG_H
#define PROGRESS_DIALOG_H

#include <QProgressDialog>

// The small window that shows the application name, a label and a 0-100
// bar while the per-user installation is prepared. Built hidden; the launch
// driver shows it, feeds it and hides it.
//
// Its rules are its own: a fixed size, window-modal, no cancel button, never
// shown or reset by the toolkit on its own, and the user cannot dismiss it
// (the installation goes on either way, so Esc and the window's close button
// do nothing); only the driver's hide() takes it down.
class ProcessingProgressDialog : public QProgressDialog {
    Q_OBJECT

public:
    ProcessingProgressDialog();
    ~ProcessingProgressDialog() override = default;

    // Esc ends up here; the dialog has no answer to reject.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};

#endif  // PROGRESS_DIALOG_H
