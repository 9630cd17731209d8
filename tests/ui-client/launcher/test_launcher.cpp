// The controller, the progress dialog and the worker, in process, with a
// scripted service in place of the real one.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "adapter.h"
#include "cloud-service.h"
#include "launcher.h"
#include "log_capture.h"
#include "temp_dir.h"
#include "texts/strtab.h"

using testsupport::LogCapture;
using testsupport::MakeDirs;
using testsupport::PathExists;
using testsupport::TempDirTest;

namespace {

// Plays the upgrade service: answers the decision as told, reports progress
// through the adapter like the extractor does, and records every call.
class ScriptedService : public Service {
public:
    ScriptedService(bool need_upgrade, int upgrade_result, std::vector<std::string>* calls,
                    std::mutex* calls_lock)
        : need_upgrade(need_upgrade), upgrade_result(upgrade_result), calls(calls), calls_lock(calls_lock)
    {
    }

    void StopService() override { Record("StopService"); }
    void PreUpgrade() override { Record("PreUpgrade"); }
    bool IsNeedUpgrade() override
    {
        Record("IsNeedUpgrade");
        return need_upgrade;
    }
    int HandlePackageUpgrade() override
    {
        Record("HandlePackageUpgrade");
        Notify_Adapter::GetInstance().UpdateDialogText("extracting");
        for (int done = 1; done <= 3; ++done)
            Notify_Adapter::GetInstance().UpdateProgress(4, done);
        return upgrade_result;
    }
    void PostUpgrade() override { Record("PostUpgrade"); }

private:
    void Record(const char* call)
    {
        std::lock_guard<std::mutex> guard(*calls_lock);
        calls->push_back(call);
    }

    bool need_upgrade;
    int upgrade_result;
    std::vector<std::string>* calls;
    std::mutex* calls_lock;
};

class TestWorker : public Worker {
public:
    explicit TestWorker(Service* service) : Worker(service) {}
};

class TestLauncher : public Launcher {
public:
    explicit TestLauncher(Worker* worker) : Launcher(worker) {}
    using Launcher::Dialog;
};

// Records the dialog being shown and hidden.
class VisibilityLog : public QObject {
public:
    std::vector<std::string> events;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            events.push_back("show");
        else if (event->type() == QEvent::Hide)
            events.push_back("hide");
        return QObject::eventFilter(watched, event);
    }
};

// Runs the event loop until something quits it, or fails after 30 s instead of
// hanging.
int ExecBounded()
{
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    limit.start(30000);
    return QApplication::exec();
}

QString LabelOf(QProgressDialog* dialog)
{
    QLabel* label = dialog->findChild<QLabel*>();
    return label != nullptr ? label->text() : QString("<no label>");
}

// Runs one whole launch with the event loop, as main does.
class LaunchTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        // The worker removes <home>/.SkyletBackup/app on every run.
        qputenv("HOME", QByteArray::fromStdString(tmp.Path("home")));
        ASSERT_TRUE(MakeDirs(tmp.Path("home/.SkyletBackup/app/old")));
    }

    int Launch(bool need_upgrade, int upgrade_result)
    {
        launcher.reset(new TestLauncher(
            new TestWorker(new ScriptedService(need_upgrade, upgrade_result, &calls, &calls_lock))));
        launcher->Dialog()->installEventFilter(&visibility);
        launcher->Run();
        launcher->Start();
        return ExecBounded();
    }

    std::unique_ptr<TestLauncher> launcher;
    VisibilityLog visibility;
    std::vector<std::string> calls;
    std::mutex calls_lock;
};

}  // namespace

TEST(ProcessingProgressDialogTest, AppearanceIsFixedByTheConstructor)
{
    ProcessingProgressDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QString("Skylet Backup"));
    EXPECT_EQ(LabelOf(&dialog), QString("Skylet Backup is initializing..."));
    EXPECT_EQ(dialog.minimum(), 0);
    EXPECT_EQ(dialog.maximum(), 100);
    EXPECT_EQ(dialog.value(), 0);
    EXPECT_EQ(dialog.minimumWidth(), 400);
    EXPECT_EQ(dialog.maximumWidth(), 400);
    // Title bar and system menu only; Qt itself marks a parentless widget
    // as a window.
    EXPECT_EQ(dialog.windowFlags(), Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog.styleSheet(),
              QString(" QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } "));
    EXPECT_EQ(dialog.font().family(), QString("Arial"));
    EXPECT_FALSE(dialog.font().italic());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(LaunchTest, ProgressIsShownInWholePercent)
{
    std::vector<std::string> none;
    std::mutex none_lock;
    TestLauncher idle(new TestWorker(new ScriptedService(false, 0, &none, &none_lock)));
    ProcessingProgressDialog* dialog = idle.Dialog();
    EXPECT_FALSE(dialog->autoReset());

    Notify_Adapter::GetInstance().UpdateProgress(7, 3);
    EXPECT_EQ(dialog->value(), 42);
    EXPECT_EQ(dialog->findChild<QProgressBar*>()->text(), QString("42%"));
    // At the maximum the dialog keeps its value instead of resetting.
    Notify_Adapter::GetInstance().UpdateProgress(4, 4);
    EXPECT_EQ(dialog->value(), 100);
    // A total that no sender uses is ignored rather than divided by.
    Notify_Adapter::GetInstance().UpdateProgress(0, 1);
    EXPECT_EQ(dialog->value(), 100);
    Notify_Adapter::GetInstance().UpdateDialogText("copying");
    EXPECT_EQ(LabelOf(dialog), QString("copying"));
    EXPECT_TRUE(none.empty());
}

TEST_F(LaunchTest, SuccessfulUpgradeEndsReadyAtHundredAndHidden)
{
    LogCapture log(tmp.Path());
    ASSERT_TRUE(log.Ok());
    EXPECT_EQ(Launch(true, 0), 0);

    ProcessingProgressDialog* dialog = launcher->Dialog();
    EXPECT_EQ(LabelOf(dialog), QString("Skylet Backup is ready."));
    EXPECT_EQ(dialog->value(), 100);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(visibility.events, (std::vector<std::string>{"show", "hide"}));
    EXPECT_EQ(calls, (std::vector<std::string>{"PreUpgrade", "IsNeedUpgrade", "HandlePackageUpgrade",
                                               "PostUpgrade"}));
    EXPECT_FALSE(PathExists(tmp.Path("home/.SkyletBackup/app")));
    EXPECT_EQ(log.Count("launcher("), 2);
    EXPECT_EQ(log.Count("[ERROR]"), 0);
}

TEST_F(LaunchTest, FailedUpgradeStillCleansUpAndStartsTheClient)
{
    LogCapture log(tmp.Path());
    ASSERT_TRUE(log.Ok());
    EXPECT_EQ(Launch(true, -1), 0);

    // Not shown as an error: the dialog keeps the extractor's last report.
    ProcessingProgressDialog* dialog = launcher->Dialog();
    EXPECT_EQ(LabelOf(dialog), QString("extracting"));
    EXPECT_EQ(dialog->value(), 100);  // LaunchDone's final value
    EXPECT_EQ(visibility.events, (std::vector<std::string>{"show", "hide"}));
    EXPECT_EQ(calls.back(), "PostUpgrade");
    EXPECT_FALSE(PathExists(tmp.Path("home/.SkyletBackup/app")));
    EXPECT_EQ(log.Count("[ERROR] launcher("), 1);
    EXPECT_EQ(log.Count("): Failed to upgrade package"), 1);
}

TEST_F(LaunchTest, NothingToUpgradeShowsNoWindow)
{
    LogCapture log(tmp.Path());
    ASSERT_TRUE(log.Ok());
    EXPECT_EQ(Launch(false, 0), 0);

    EXPECT_EQ(std::count(visibility.events.begin(), visibility.events.end(), "show"), 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"PreUpgrade", "IsNeedUpgrade", "PostUpgrade"}));
    EXPECT_FALSE(PathExists(tmp.Path("home/.SkyletBackup/app")));
    const std::string text = log.Text();
    const size_t running = text.find("[DEBUG] launcher(");
    const size_t skipped = text.find("): no need to upgrade\n");
    const size_t done = text.find("): done\n");
    ASSERT_NE(running, std::string::npos);
    ASSERT_NE(skipped, std::string::npos);
    ASSERT_NE(done, std::string::npos);
    EXPECT_LT(running, skipped);
    EXPECT_LT(skipped, done);
}

// The order in which the worker reports, as the controller receives it.
TEST_F(LaunchTest, WorkerSignalsArriveInSequenceOrder)
{
    struct Case {
        bool need;
        int result;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {true, 0, {"show", "progress 100/100", "label Skylet Backup is ready.", "done"}},
        {true, -1, {"show", "done"}},
        {false, 0, {"done"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> received;
        TestWorker worker(new ScriptedService(c.need, c.result, &calls, &calls_lock));
        QObject receiver;
        QObject::connect(&worker, &Worker::sigShowMsg, &receiver, [&] { received.push_back("show"); });
        QObject::connect(&worker, &Worker::sigUpdateProgress, &receiver, [&](int total, int steps) {
            received.push_back("progress " + std::to_string(steps) + "/" + std::to_string(total));
        });
        QObject::connect(&worker, &Worker::sigSetLabelText, &receiver,
                         [&](const QString& text) { received.push_back("label " + text.toStdString()); });
        QObject::connect(&worker, &Worker::sigServiceDone, &receiver, [&] {
            received.push_back("done");
            QCoreApplication::exit(0);
        });
        worker.StartThread();
        QMetaObject::invokeMethod(&worker, "HandleServicce", Qt::QueuedConnection);
        EXPECT_EQ(ExecBounded(), 0);
        worker.QuitThread();
        worker.JoinThread();
        EXPECT_EQ(received, c.expected) << "need upgrade " << c.need << ", result " << c.result;
    }
}

int main(int argc, char** argv)
{
    // Headless, also when CTest lists the tests at build time. Sanitized
    // builds take the minimal platform: Qt 5.15's offscreen platform never
    // frees its screen, which LeakSanitizer reports at every exit.
    if (SKYLET_SANITIZED)
        qputenv("QT_QPA_PLATFORM", "minimal");
    else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    StrTable::InitStrTable();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
