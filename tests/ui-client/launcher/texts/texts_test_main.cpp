#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QStringList>

#include <gtest/gtest.h>

// Resource path -> whether it existed before main made the application.
QMap<QString, bool> g_resources_before_application;

namespace {

const char *const kProbedPaths[] = {
    ":/enu.qm", ":/cht.qm", ":/chs.qm", ":/jpn.qm", ":/deu.qm", ":/krn.qm", ":/fra.qm",
    ":/ita.qm", ":/esn.qm", ":/ptb.qm", ":/rus.qm", ":/dan.qm", ":/nor.qm", ":/sve.qm",
    ":/nld.qm", ":/plk.qm", ":/hun.qm", ":/ptg.qm", ":/trk.qm", ":/csy.qm",
    ":/xyz.qm", ":/texts/enu.qm", ":/qm/enu.qm", ":/enu",
};

} // namespace

int main(int argc, char **argv)
{
    // The bundle must be registered by static initialisation alone: nothing
    // in this program registers it explicitly before this point.
    for (const char *path : kProbedPaths)
        g_resources_before_application.insert(QString::fromLatin1(path), QFile::exists(QString::fromLatin1(path)));

    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
