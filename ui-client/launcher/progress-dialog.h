#ifndef PROGRESS_DIALOG_H
#define PROGRESS_DIALOG_H

#include <QProgressDialog>

// The small window that shows the application name, a label and a 0-100
// bar while the per-user installation is prepared. Built hidden; the launch
// driver shows it, feeds it and hides it.
class ProcessingProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    ProcessingProgressDialog();
    ~ProcessingProgressDialog() override = default;
};

#endif // PROGRESS_DIALOG_H
