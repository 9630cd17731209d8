// QtSingleApplication: the launcher's application object, which also tells
// whether another launcher of the same user and executable is already running.
//
// The identity is the current user plus the executable's file path, so a
// launcher installed elsewhere, or one run by another user, is a different
// instance. The guard is an flock() on a file in the user's private runtime
// folder: the kernel drops it when the holder exits (even by a crash), and it
// has no age, so a long upgrade can never lose it. Nothing is sent to the
// instance that holds it.
#ifndef LAUNCHER_QTSINGLEAPPLICATION_H
#define LAUNCHER_QTSINGLEAPPLICATION_H

#include <QApplication>
#include <QString>

class QtSingleApplication : public QApplication {
    Q_OBJECT
public:
    // The guard is taken here; GUIenabled is kept for callers that pass it,
    // the object is always a full widget application.
    QtSingleApplication(int& argc, char** argv, bool GUIenabled = true);
    ~QtSingleApplication() override;

    // True when another process holds this user's lock for this executable.
    bool isRunning() const { return m_running; }

    // The user's private runtime folder: $XDG_RUNTIME_DIR when it is a folder
    // owned by the user and closed to others, else <tmp>/runtime-<user>,
    // created with mode 0700 if needed. Empty when neither can be trusted.
    static QString PrivateRuntimeFolder();

private:
    void AcquireInstanceLock();

    int m_lock_fd = -1;
    bool m_running = false;
};

#endif
