// Runs the launch driver as start-up does, in the application's event loop,
// and follows its progress dialog from outside: the Qt tests of the driver
// and the behaviour cases share it.
#ifndef VELMORA_TESTS_DRIVER_RUN_H
#define VELMORA_TESTS_DRIVER_RUN_H

#include <QApplication>
#include <QEvent>
#include <QList>
#include <QProgressBar>
#include <QString>
#include <QThread>
#include <QTimer>

#include "driver/launcher.h"
#include "driver/progress-dialog.h"

namespace driver_run {

// What the dialog went through, seen from outside. The driver builds it only
// when it is first needed, so the watch looks for it application-wide and
// follows it from its first show on.
class DialogWatch : public QObject {
public:
    DialogWatch() { qApp->installEventFilter(this); }
    ~DialogWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* dialog = qobject_cast<ProcessingProgressDialog*>(object);
        if (dialog == nullptr || event->type() != QEvent::Show || shown++ > 0)
            return false;
        labelAtShow = dialog->labelText();
        valueAtShow = dialog->value();
        // Direct, so that a change made on another thread shows as such.
        QObject::connect(
            dialog->findChild<QProgressBar*>(), &QProgressBar::valueChanged, this,
            [this](int value) {
                values << value;
                offGuiThread |= QThread::currentThread() != qApp->thread();
            },
            Qt::DirectConnection);
        return false;
    }

    int shown = 0;
    bool offGuiThread = false;
    QString labelAtShow;
    int valueAtShow = -1;
    QList<int> values;
};

ProcessingProgressDialog* FindDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<ProcessingProgressDialog*>(widget))
            return dialog;
    }
    return nullptr;
}

// Each value above the one before, the last ones as given.
bool RisesTo(const QList<int>& values, const QList<int>& last)
{
    for (int i = 1; i < values.size(); ++i) {
        if (values[i] <= values[i - 1])
            return false;
    }
    return values.size() >= last.size() && values.mid(values.size() - last.size()) == last;
}

// What a run showed, and how it ended.
struct Outcome {
    bool finished = false;  // the driver quit the event loop
    int exitCode = -1;
    bool built = false;
    int shown = 0;
    QString labelAtShow;
    int valueAtShow = -1;
    QList<int> values;
    bool offGuiThread = true;
    QString finalLabel;
    int finalValue = -1;
    bool visibleAtEnd = true;
};

// Runs a driver with the service (which it takes) in the application's
// event loop, which the driver's own quit ends; the generous limit only
// keeps a broken driver from hanging the suite, and leaves the outcome
// empty.
inline Outcome Run(Service* service)
{
    Outcome outcome;
    DialogWatch watch;
    bool timedOut = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QCoreApplication::quit();
    });
    auto* launcher = new Launcher(service);
    launcher->Run();
    launcher->Start();
    limit.start(60000);
    const int exitCode = QApplication::exec();
    if (!timedOut) {
        ProcessingProgressDialog* dialog = FindDialog();
        outcome.finished = true;
        outcome.exitCode = exitCode;
        outcome.built = dialog != nullptr;
        outcome.shown = watch.shown;
        outcome.labelAtShow = watch.labelAtShow;
        outcome.valueAtShow = watch.valueAtShow;
        outcome.values = watch.values;
        outcome.offGuiThread = watch.offGuiThread;
        outcome.finalLabel = dialog == nullptr ? QString() : dialog->labelText();
        outcome.finalValue = dialog == nullptr ? -1 : dialog->value();
        outcome.visibleAtEnd = dialog != nullptr && dialog->isVisible();
    }
    delete launcher;
    return outcome;
}

}  // namespace driver_run

#endif  // VELMORA_TESTS_DRIVER_RUN_H
