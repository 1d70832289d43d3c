#ifndef NOTIFY_ADAPTER_H
#define NOTIFY_ADAPTER_H

#include <QObject>
#include <QString>

// Process-wide relay: code deep in the upgrade service reports progress and
// label texts here without knowing the dialog. Every report is passed on at
// once, unchanged, on the reporter's thread; a receiver that cannot keep up
// with one report per entry coalesces them on its side.
class Notify_Adapter : public QObject {
    Q_OBJECT

public:
    static Notify_Adapter* GetInstance();

    void UpdateProgress(int total, int current);
    void UpdateDialogText(QString text);

signals:
    void sigUpdateProgress(int total, int current);
    void sigUpdateDialogText(QString);

private:
    Notify_Adapter() = default;
};

#endif  // NOTIFY_ADAPTER_H
