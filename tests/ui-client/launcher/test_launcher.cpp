// The controller, the progress dialog and the worker, in process, with a
// scripted service in place of the real one.
#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <tuple>
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
// through the adapter like the extractor does, and records every call. The
// calls are made on the handler thread and read after it has been joined.
class ScriptedService : public Service {
public:
    ScriptedService(bool need, int result, std::vector<std::string>* calls)
        : need(need), result(result), calls(calls)
    {
    }
    void StopService() override { calls->push_back("StopService"); }
    void PreUpgrade() override { calls->push_back("PreUpgrade"); }
    bool IsNeedUpgrade() override { calls->push_back("IsNeedUpgrade"); return need; }
    int HandlePackageUpgrade() override
    {
        calls->push_back("HandlePackageUpgrade");
        Notify_Adapter::GetInstance().UpdateDialogText("extracting");
        for (int done = 1; done <= 3; ++done)
            Notify_Adapter::GetInstance().UpdateProgress(4, done);
        return result;
    }
    void PostUpgrade() override { calls->push_back("PostUpgrade"); }

private:
    bool need;
    int result;
    std::vector<std::string>* calls;
};

// A service with nothing to upgrade that takes longer than the dialog's
// minimum duration: it holds the run until the dialog has shown itself, or
// gives up after 30 s.
class WaitForDialogService : public ScriptedService {
public:
    WaitForDialogService(const std::atomic<int>* shown, std::vector<std::string>* calls)
        : ScriptedService(false, 0, calls), shown(shown)
    {
    }
    void PreUpgrade() override
    {
        ScriptedService::PreUpgrade();
        for (int i = 0; i < 3000 && shown->load() == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

private:
    const std::atomic<int>* shown;
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

// Counts every progress dialog of the application being shown, without
// touching the launcher's own dialog (which the launcher builds on demand).
class DialogWatch : public QObject {
public:
    DialogWatch() { qApp->installEventFilter(this); }
    ~DialogWatch() override { qApp->removeEventFilter(this); }
    std::atomic<int> shown{0};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<ProcessingProgressDialog*>(watched) != nullptr)
            ++shown;
        return QObject::eventFilter(watched, event);
    }
};

bool DialogExists()
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    return std::any_of(widgets.begin(), widgets.end(), [](QWidget* widget) {
        return qobject_cast<ProcessingProgressDialog*>(widget) != nullptr;
    });
}

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
    }

    // With `watch`, the dialog is asked for (and so built) before the run, to
    // record its visibility.
    int Launch(Worker* worker, bool watch = true)
    {
        launcher.reset(new TestLauncher(worker));
        if (watch)
            launcher->Dialog()->installEventFilter(&visibility);
        launcher->Run();
        launcher->Start();
        return ExecBounded();
    }

    std::unique_ptr<TestLauncher> launcher;
    VisibilityLog visibility;
    std::vector<std::string> calls;
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

// What a screen reader hears of the shown dialog: the program's dialog that
// says what is under way, its text, and a progress bar named as one; where
// Qt's bridge to the accessibility bus is up (SKYLET_ACCESSIBILITY_BUS), a
// new text reaches the bus as changes.
TEST(ProcessingProgressDialogTest, ScreenReadersHearWhatIsUnderWay)
{
    static std::vector<std::pair<QAccessible::Event, QAccessible::Role>> events;
    QAccessible::installUpdateHandler(
        [](QAccessibleEvent* event) { events.emplace_back(event->type(), event->accessibleInterface()->role()); });
    const bool bus = getenv("SKYLET_ACCESSIBILITY_BUS") != nullptr;
    for (int i = 0; bus && i < 500 && !QAccessible::isActive(); ++i) {
        QCoreApplication::processEvents();  // the bridge asks the session bus first
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(QAccessible::isActive(), bus);
    ProcessingProgressDialog dialog;
    dialog.show();
    dialog.setValue(40);
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&dialog);
    std::map<QAccessible::Role, QAccessibleInterface*> parts{{shown->role(), shown}};
    for (int i = 0; i < shown->childCount(); ++i)
        parts[shown->child(i)->role()] = shown->child(i);
    const QString preparing("Skylet Backup is initializing...");
    const std::tuple<QAccessible::Role, QString, QString> expected[] = {
        {QAccessible::Dialog, "Skylet Backup", preparing},
        {QAccessible::StaticText, preparing, ""},
        {QAccessible::ProgressBar, "Progress", preparing}};
    for (const auto& heard : expected) {
        ASSERT_EQ(parts.count(std::get<0>(heard)), 1u) << std::get<0>(heard);
        EXPECT_EQ(parts[std::get<0>(heard)]->text(QAccessible::Name), std::get<1>(heard));
        EXPECT_EQ(parts[std::get<0>(heard)]->text(QAccessible::Description), std::get<2>(heard));
    }
    EXPECT_EQ(parts[QAccessible::ProgressBar]->valueInterface()->currentValue().toInt(), 40);
    events.clear();
    dialog.ShowText("Skylet Backup is ready.");
    EXPECT_EQ(std::count(events.begin(), events.end(), std::make_pair(QAccessible::NameChanged, QAccessible::StaticText)), bus);
    EXPECT_EQ(std::count(events.begin(), events.end(), std::make_pair(QAccessible::DescriptionChanged, QAccessible::ProgressBar)), bus);
    QAccessible::installUpdateHandler(nullptr);
}

TEST_F(LaunchTest, ProgressIsShownInWholePercent)
{
    TestLauncher idle(new TestWorker(new ScriptedService(false, 0, &calls)));
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
    EXPECT_TRUE(calls.empty());
}

// One whole launch per case, with the event loop, as main runs it: the
// worker's reports in order, the service calls, the dialog at the end, and
// the log lines.
TEST_F(LaunchTest, SequenceReportsInOrderAndEndsWithTheDialogHidden)
{
    struct Case {
        bool need;
        int result;
        std::vector<std::string> reports, calls, shown;
        const char* final_label;
        const char* log_line;
    };
    const std::vector<std::string> upgrade_calls{"PreUpgrade", "IsNeedUpgrade", "HandlePackageUpgrade",
                                                 "PostUpgrade"};
    const Case cases[] = {
        {true, 0, {"show", "progress 100/100", "label Skylet Backup is ready.", "done"}, upgrade_calls,
         {"show", "hide"}, "Skylet Backup is ready.", "[DEBUG] launcher("},
        // A failure is not shown as one: the dialog keeps the extractor's
        // last label, and the client is still started.
        {true, -1, {"show", "done"}, upgrade_calls, {"show", "hide"}, "extracting",
         "[ERROR] launcher("},
        {false, 0, {"done"}, {"PreUpgrade", "IsNeedUpgrade", "PostUpgrade"}, {},
         "Skylet Backup is initializing...", "): no need to upgrade"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("need upgrade " + std::to_string(c.need) + ", result " + std::to_string(c.result));
        ASSERT_TRUE(MakeDirs(tmp.Path("home/.SkyletBackup/app/old")));
        const std::string log_dir = tmp.Path("log-" + std::to_string(&c - cases));
        ASSERT_TRUE(MakeDirs(log_dir));
        LogCapture log(log_dir);
        ASSERT_TRUE(log.Ok());
        calls.clear();
        visibility.events.clear();
        std::vector<std::string> reports;
        Worker* worker = new TestWorker(new ScriptedService(c.need, c.result, &calls));
        QObject recorder;
        QObject::connect(worker, &Worker::sigShowMsg, &recorder, [&] { reports.push_back("show"); });
        QObject::connect(worker, &Worker::sigUpdateProgress, &recorder, [&](int total, int steps) {
            reports.push_back("progress " + std::to_string(steps) + "/" + std::to_string(total));
        });
        QObject::connect(worker, &Worker::sigSetLabelText, &recorder,
                         [&](const QString& text) { reports.push_back("label " + text.toStdString()); });
        QObject::connect(worker, &Worker::sigServiceDone, &recorder, [&] { reports.push_back("done"); });

        EXPECT_EQ(Launch(worker), 0);
        ProcessingProgressDialog* dialog = launcher->Dialog();
        EXPECT_EQ(reports, c.reports);
        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(visibility.events, c.shown);
        EXPECT_EQ(LabelOf(dialog), QString(c.final_label));
        EXPECT_EQ(dialog->value(), 100);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_FALSE(PathExists(tmp.Path("home/.SkyletBackup/app")));
        EXPECT_EQ(log.Count(c.log_line), c.need && c.result == 0 ? 2 : 1) << log.Text();
        EXPECT_EQ(log.Count("): done"), 1);
        launcher->Dialog()->removeEventFilter(&visibility);
        launcher.reset();
    }
}

// The dialog is built only when a run needs it; asked for afterwards, it is
// in the state the run left it in.
TEST_F(LaunchTest, DialogIsBuiltOnlyForAnUpgrade)
{
    for (bool need : {false, true}) {
        SCOPED_TRACE("need upgrade " + std::to_string(need));
        calls.clear();
        DialogWatch watch;
        EXPECT_EQ(Launch(new TestWorker(new ScriptedService(need, 0, &calls)), false), 0);
        EXPECT_EQ(DialogExists(), need);
        EXPECT_EQ(watch.shown.load(), need ? 1 : 0);
        ProcessingProgressDialog* dialog = launcher->Dialog();
        EXPECT_EQ(LabelOf(dialog), QString(need ? "Skylet Backup is ready." : "Skylet Backup is initializing..."));
        EXPECT_EQ(dialog->value(), 100);
        EXPECT_FALSE(dialog->autoReset());
        EXPECT_FALSE(dialog->isVisible());
        launcher.reset();
        EXPECT_FALSE(DialogExists());
    }
}

// A run with nothing to upgrade that outlasts the dialog's minimum duration
// shows the dialog, as QProgressDialog does by itself, and hides it at the end.
TEST_F(LaunchTest, SlowRunShowsTheDialogAfterItsMinimumDuration)
{
    DialogWatch watch;
    EXPECT_EQ(Launch(new TestWorker(new WaitForDialogService(&watch.shown, &calls)), false), 0);
    EXPECT_EQ(watch.shown.load(), 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"PreUpgrade", "IsNeedUpgrade", "PostUpgrade"}));
    ProcessingProgressDialog* dialog = launcher->Dialog();
    EXPECT_EQ(LabelOf(dialog), QString("Skylet Backup is initializing..."));
    EXPECT_EQ(dialog->value(), 100);
    EXPECT_FALSE(dialog->isVisible());
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
