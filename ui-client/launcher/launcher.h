// The launcher's shell around the upgrade service.
//
// Launcher (GUI thread) owns the progress dialog and the Worker; the Worker
// lives on its own HandlerThread and runs the whole upgrade sequence in one
// slot. The two talk only through queued signals carrying ints and QStrings,
// so the dialog is touched on the GUI thread alone.
//
// Most runs have nothing to upgrade and never show the dialog, and building
// it (style, font database, fonts, style sheet) costs more than the rest of
// such a run. So the Launcher builds it on first use: when the worker asks
// for it, when progress or a label arrives, or when QProgressDialog would
// have shown itself on its own, after its minimum duration. Whenever it
// shows, it has been through the same calls as one built up front.
#ifndef LAUNCHER_LAUNCHER_H
#define LAUNCHER_LAUNCHER_H

#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>
#include <QTimer>

class Service;

// The small modal dialog shown while the user's copy is replaced. All of its
// appearance is fixed here.
// A screen reader hears it as the program's dialog, saying what is under
// way, with a progress bar named as such.
class ProcessingProgressDialog : public QProgressDialog {
    Q_OBJECT
public:
    ProcessingProgressDialog();

    // The text, also as what the dialog and its bar describe.
    void ShowText(const QString& text);
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
    // The run waits for another launcher's upgrade of the same user tree.
    void sigWaitingForUserTree();

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
    // The dialog, built now if it has not been yet, in the state the run
    // has brought it to.
    ProcessingProgressDialog* Dialog() { return EnsureDialog(); }

private slots:
    void LaunchDone();
    void UpdateProgress(int total, int steps);
    void SetLabelText(const QString& label);
    void ShowMsgBox();
    void ForceShow();

private:
    ProcessingProgressDialog* EnsureDialog();

    Worker* m_worker;
    ProcessingProgressDialog* m_progress = nullptr;
    // Stands in for the dialog's own show timer while there is no dialog.
    QTimer m_force_show;
    bool m_done = false;
};

#endif
