// Notify_Adapter: lets code that knows nothing of the dialog (the extractor,
// deep inside the upgrade service) report progress and a new label.
//
// One instance per process. Create it on the GUI thread (the Launcher does,
// before the worker thread starts) so that its signals reach the dialog
// queued; the two methods may then be called from any thread.
#ifndef LAUNCHER_ADAPTER_H
#define LAUNCHER_ADAPTER_H

#include <QObject>
#include <QString>

class Notify_Adapter : public QObject {
    Q_OBJECT
public:
    static Notify_Adapter& GetInstance();

    void UpdateProgress(int total, int step);
    void UpdateDialogText(QString text);

signals:
    void sigUpdateProgress(int total, int current);
    void sigUpdateDialogText(QString text);

private:
    Notify_Adapter() = default;
    Q_DISABLE_COPY(Notify_Adapter)
};

#endif
