// gtest main for code that needs a QCoreApplication (application paths,
// QSettings, QProcess, signal delivery). Global set-up that needs the
// application object belongs in a ::testing::Environment.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
