#include "launcher.h"

#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QProgressBar>

#include "adapter.h"
#include "cloud-service.h"
#include "linux/linux-service.h"
#include "log.h"
#include "texts/strtab.h"

namespace {
const char* const kLogComp = "launcher_debug";
// QProgressDialog's default minimum duration: a dialog that has not been
// shown by then shows itself, so that a slow run is seen to be under way.
const int kForceShowMs = 4000;
}

ProcessingProgressDialog::ProcessingProgressDialog()
    : QProgressDialog(nullptr, Qt::WindowFlags())
{
    QFont font("Arial", -1, -1, false);
    // The icon belongs to the installation and is read from disk.
    const ustring icon_path = Service::GetRootSkyletResourceInstallPath() + "/images/ico_72_skylet.png";

    setWindowTitle(StrTable::LoadStr(StrTable::app_name));
    setWindowIcon(QIcon(QString::fromUtf8(icon_path.c_str())));
    // A title bar with a system menu only: nothing to minimise, maximise or
    // close while the user's copy is being replaced.
    setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setValue(0);
    setRange(0, 100);
    setAccessibleName(StrTable::LoadStr(StrTable::app_name));
    if (QProgressBar* bar = findChild<QProgressBar*>())
        bar->setAccessibleName(StrTable::LoadStr(StrTable::main_queue_column_progress));
    ShowText(StrTable::LoadStr(StrTable::desc_skyl_env_preparing));
    setFont(font);
    setFixedWidth(400);
    setModal(true);
    setWindowModality(Qt::WindowModal);
    setStyleSheet(" QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ");
}

void ProcessingProgressDialog::ShowText(const QString& text)
{
    // The label tells the accessibility bus of its new text itself; the
    // descriptions tell theirs as they change.
    setLabelText(text);
    setAccessibleDescription(text);
    if (QProgressBar* bar = findChild<QProgressBar*>())
        bar->setAccessibleDescription(text);
}

void HandlerThread::run()
{
    exec();
}

Worker::Worker()
    : Worker(new LinuxService())
{
}

Worker::Worker(Service* service)
    : QObject(nullptr), m_handler_thread(new HandlerThread()), m_service(service)
{
    moveToThread(m_handler_thread);
}

Worker::~Worker()
{
    // Normally joined by LaunchDone already; never delete a running thread.
    if (m_handler_thread->isRunning()) {
        m_handler_thread->quit();
        m_handler_thread->wait();
    }
    delete m_handler_thread;
    delete m_service;
}

void Worker::StartThread()
{
    m_handler_thread->start(QThread::InheritPriority);
}

void Worker::QuitThread()
{
    m_handler_thread->quit();
}

void Worker::JoinThread()
{
    m_handler_thread->wait();
}

void Worker::HandleServicce()
{
    Logger::LogMsg(Logger::L_DEBUG, kLogComp, "[DEBUG] launcher(%d): running\n", __LINE__);
    // Another launcher (of another installation, or on another machine
    // sharing the home folder) may be upgrading the same copy; while this one
    // waits for it, it shows nothing.
    m_service->SetUserTreeWaitHandler([this] { emit sigWaitingForUserTree(); });
    m_service->PreUpgrade();
    if (!m_service->IsNeedUpgrade()) {
        Logger::LogMsg(Logger::L_DEBUG, kLogComp, "[DEBUG] launcher(%d): no need to upgrade\n", __LINE__);
    } else {
        emit sigShowMsg();
        if (m_service->HandlePackageUpgrade() != 0) {
            Logger::LogMsg(Logger::L_ERR, kLogComp, "[ERROR] launcher(%d): Failed to upgrade package\n",
                           __LINE__);
        } else {
            emit sigUpdateProgress(100, 100);
            emit sigSetLabelText(StrTable::LoadStr(StrTable::desc_skyl_env_preparation_done));
        }
    }
    // The aged folder goes and the client starts even after a failed upgrade:
    // the restored copy is still usable.
    m_service->RemoveAgedFolders();
    m_service->PostUpgrade();
    Logger::LogMsg(Logger::L_DEBUG, kLogComp, "[DEBUG] launcher(%d): done\n", __LINE__);
    emit sigServiceDone();
}

Launcher::Launcher()
    : Launcher(new Worker())
{
}

Launcher::Launcher(Worker* worker)
    : QObject(nullptr), m_worker(worker)
{
    // The dialog would start its show timer here; until it exists, this one
    // keeps the time.
    m_force_show.setSingleShot(true);
    connect(&m_force_show, &QTimer::timeout, this, &Launcher::ForceShow);
    m_force_show.start(kForceShowMs);

    Notify_Adapter& adapter = Notify_Adapter::GetInstance();
    connect(this, &Launcher::sigStart, m_worker, &Worker::HandleServicce);
    connect(m_worker, &Worker::sigShowMsg, this, &Launcher::ShowMsgBox);
    connect(m_worker, &Worker::sigServiceDone, this, &Launcher::LaunchDone);
    connect(m_worker, &Worker::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(m_worker, &Worker::sigSetLabelText, this, &Launcher::SetLabelText);
    connect(m_worker, &Worker::sigWaitingForUserTree, &m_force_show, &QTimer::stop);
    connect(&adapter, &Notify_Adapter::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(&adapter, &Notify_Adapter::sigUpdateDialogText, this, &Launcher::SetLabelText);
}

Launcher::~Launcher()
{
    delete m_worker;
    delete m_progress;
}

void Launcher::Run()
{
    m_worker->StartThread();
}

void Launcher::Start()
{
    emit sigStart();
}

ProcessingProgressDialog* Launcher::EnsureDialog()
{
    if (m_progress != nullptr)
        return m_progress;
    // From here on the dialog's own timer decides when it shows itself.
    m_force_show.stop();
    m_progress = new ProcessingProgressDialog();
    m_progress->setCancelButton(nullptr);
    // Stay at 100 and visible until LaunchDone hides the dialog.
    m_progress->setAutoReset(false);
    if (m_done) {
        m_progress->setValue(100);
        m_progress->hide();
    }
    return m_progress;
}

void Launcher::LaunchDone()
{
    m_done = true;
    m_force_show.stop();
    // A dialog that was never needed is not built just to be hidden.
    if (m_progress != nullptr) {
        m_progress->setValue(100);
        m_progress->hide();
    }
    m_worker->QuitThread();
    m_worker->JoinThread();
    QCoreApplication::quit();
}

void Launcher::UpdateProgress(int total, int steps)
{
    // Both senders pass a positive total; ignore anything else rather than
    // divide by zero.
    if (total <= 0)
        return;
    EnsureDialog()->setValue(static_cast<int>(static_cast<long long>(steps) * 100 / total));
}

void Launcher::SetLabelText(const QString& label)
{
    EnsureDialog()->ShowText(label);
}

void Launcher::ShowMsgBox()
{
    EnsureDialog()->show();
}

void Launcher::ForceShow()
{
    // What the dialog's own timer would have done: show it unless it has
    // shown before.
    QMetaObject::invokeMethod(EnsureDialog(), "forceShow", Qt::DirectConnection);
}
