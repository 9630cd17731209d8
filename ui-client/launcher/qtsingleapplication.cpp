#include "qtsingleapplication.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder is private when it is a real folder (not a link to one), belongs
// to us and nobody else can enter it.
bool IsPrivateFolder(const QByteArray& path, bool tighten)
{
    struct stat st;
    if (lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid())
        return false;
    if ((st.st_mode & 077) == 0)
        return true;
    // Our own folder with loose permissions: closing it is safe and keeps the
    // lock out of other users' reach.
    return tighten && chmod(path.constData(), 0700) == 0;
}

QString CurrentUserName()
{
    struct passwd* pw = getpwuid(geteuid());
    if (pw != nullptr && pw->pw_name != nullptr && pw->pw_name[0] != '\0')
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(geteuid());
}

}  // namespace

QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool GUIenabled)
    : QApplication(argc, argv)
{
    Q_UNUSED(GUIenabled);
    AcquireInstanceLock();
}

QtSingleApplication::~QtSingleApplication()
{
    // Closing the descriptor releases the lock. The file itself stays: removing
    // it could let a starting launcher lock a file that is already unlinked.
    if (m_lock_fd >= 0)
        close(m_lock_fd);
}

QString QtSingleApplication::PrivateRuntimeFolder()
{
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && IsPrivateFolder(xdg, false))
        return QDir::cleanPath(QFile::decodeName(xdg));

    const QString fallback = QDir::tempPath() + "/runtime-" + CurrentUserName();
    const QByteArray encoded = QFile::encodeName(fallback);
    if (mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST) {
        qWarning("single instance: cannot create '%s': %s", encoded.constData(), strerror(errno));
        return QString();
    }
    if (!IsPrivateFolder(encoded, true)) {
        qWarning("single instance: '%s' is not a private folder of this user", encoded.constData());
        return QString();
    }
    return fallback;
}

void QtSingleApplication::AcquireInstanceLock()
{
    const QString folder = PrivateRuntimeFolder();
    if (folder.isEmpty())
        return;

    // Same user and same executable path make the same instance.
    const QByteArray identity = QByteArray::number(static_cast<qulonglong>(geteuid())) + ':' +
                                QFile::encodeName(QCoreApplication::applicationFilePath());
    const QByteArray digest =
        QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex().left(20);
    const QByteArray path =
        QFile::encodeName(folder + "/skylet-launcher-" + QString::fromLatin1(digest) + ".lock");
    // Close-on-exec: the client started by the launcher must not inherit the
    // lock and keep later launchers out for as long as it runs.
    m_lock_fd = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_lock_fd < 0) {
        qWarning("single instance: cannot open '%s': %s", path.constData(), strerror(errno));
        return;
    }
    int rc;
    do {
        rc = flock(m_lock_fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc == 0)
        return;
    if (errno == EWOULDBLOCK) {
        m_running = true;
    } else {
        qWarning("single instance: cannot lock '%s': %s", path.constData(), strerror(errno));
    }
    close(m_lock_fd);
    m_lock_fd = -1;
}
