// The launcher's shell around the upgrade service.
//
// Launcher (GUI thread) owns the progress dialog and the Worker; the Worker
// lives on its own HandlerThread and runs the whole upgrade sequence in one
// slot. The two talk only through queued signals carrying ints and QStrings,
// so the dialog is touched on the GUI thread alone.
#ifndef LAUNCHER_LAUNCHER_H
#define LAUNCHER_LAUNCHER_H

#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>

class Service;

// The small modal dialog shown while the user's copy is replaced. All of its
// appearance is fixed here.
class ProcessingProgressDialog : public QProgressDialog {
    Q_OBJECT
public:
    ProcessingProgressDialog();
};

// A thread that only runs its event loop, so that queued calls reach the
// objects living on it.
class HandlerThread : public QThread {
    Q_OBJECT
protected:
    void run() override;
};

class Worker : public QObject {
    Q_OBJECT
    friend class Launcher;

public:
    Worker();
    ~Worker() override;

    void StartThread();
    void QuitThread();
    void JoinThread();

signals:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int total, int steps);
    void sigSetLabelText(const QString& label);

protected:
    // Takes ownership of the service. The public constructor passes a new
    // LinuxService; tests pass a service that touches no real installation.
    explicit Worker(Service* service);

private slots:
    void HandleServicce();

private:
    HandlerThread* m_handler_thread;
    Service* m_service;
};

class Launcher : public QObject {
    Q_OBJECT
public:
    Launcher();
    ~Launcher() override;

    void Run();
    void Start();

signals:
    void sigStart();

protected:
    // Takes ownership of the worker (which must not have started its thread).
    explicit Launcher(Worker* worker);
    ProcessingProgressDialog* Dialog() const { return m_progress; }

private slots:
    void LaunchDone();
    void UpdateProgress(int total, int steps);
    void SetLabelText(const QString& label);
    void ShowMsgBox();

private:
    Worker* m_worker;
    ProcessingProgressDialog* m_progress;
};

#endif
