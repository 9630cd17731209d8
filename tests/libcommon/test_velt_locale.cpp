#include "VeltLocale.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int qCleanupResources_texts();

namespace {

// QLocale::system() is fixed for the life of a process, so each locale is
// tried in a child: this same program, started with the probe variable set.
const char kProbeVariable[] = "VELT_LOCALE_PROBE";
const char kProbeWithoutBundle[] = "without-bundle";

QStringList g_probe_debug_lines;

void CollectDebugLine(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        g_probe_debug_lines.append(message);
}

// Writes each debug line with its line feeds shown as "\n", then the result.
int RunProbe(const QByteArray &mode)
{
    if (mode == kProbeWithoutBundle)
        qCleanupResources_texts();
    qInstallMessageHandler(CollectDebugLine);
    const QString language = VeltLocale::getDefaultLanguage();
    qInstallMessageHandler(nullptr);
    for (QString line : g_probe_debug_lines)
        std::printf("debug:%s\n", qPrintable(line.replace(QLatin1Char('\n'), QLatin1String("\\n"))));
    std::printf("language:%s\n", qPrintable(language));
    return 0;
}

struct ProbeResult {
    bool ran = false;
    QString language;
    QStringList debug_lines;
};

ProbeResult ProbeLocale(const QString &locale, const QByteArray &mode = "1")
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : env.keys()) {
        if (name.startsWith(QLatin1String("LC_")) || name == QLatin1String("LANG")
            || name == QLatin1String("LANGUAGE"))
            env.remove(name);
    }
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    env.insert(QString::fromLatin1(kProbeVariable), QString::fromLatin1(mode));

    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath(), QStringList());
    ProbeResult result;
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return result;
    result.ran = true;
    const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("debug:")))
            result.debug_lines.append(line.mid(6));
        else if (line.startsWith(QLatin1String("language:")))
            result.language = line.mid(9);
    }
    return result;
}

struct LocaleCase {
    const char *locale;
    const char *language;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LocaleCase &c, std::ostream *os)
{
    *os << c.locale << " -> " << c.language;
}

class SystemLocale : public ::testing::TestWithParam<LocaleCase> {};

} // namespace

TEST_P(SystemLocale, ChoosesItsCatalogue)
{
    const ProbeResult result = ProbeLocale(QString::fromLatin1(GetParam().locale));
    ASSERT_TRUE(result.ran);
    EXPECT_EQ(result.language, QString::fromLatin1(GetParam().language));
}

INSTANTIATE_TEST_SUITE_P(
    VeltLocale, SystemLocale,
    ::testing::Values(
        LocaleCase{"C", "enu"}, LocaleCase{"en_US", "enu"}, LocaleCase{"en_GB", "enu"},
        LocaleCase{"zh_CN", "chs"}, LocaleCase{"zh_SG", "chs"}, LocaleCase{"zh_TW", "cht"},
        LocaleCase{"zh_HK", "cht"}, LocaleCase{"zh_MO", "cht"}, LocaleCase{"pt_BR", "ptb"},
        LocaleCase{"pt_PT", "ptg"}, LocaleCase{"nb_NO", "nor"}, LocaleCase{"nn_NO", "nor"},
        LocaleCase{"no_NO", "nor"}, LocaleCase{"sv_FI", "sve"}, LocaleCase{"es_MX", "esn"},
        LocaleCase{"de_CH", "deu"}, LocaleCase{"fi_FI", "enu"}, LocaleCase{"el_GR", "enu"},
        LocaleCase{"ar_EG", "enu"}, LocaleCase{"ja_JP.UTF-8", "jpn"}, LocaleCase{"cs_CZ", "csy"}),
    [](const ::testing::TestParamInfo<LocaleCase> &info) {
        return QString::fromLatin1(info.param.locale).replace(QRegularExpression(QStringLiteral("\\W")), QStringLiteral("_")).toStdString();
    });

TEST(VeltLocale, DebugLinesNameExpressionAndValue)
{
    const ProbeResult result = ProbeLocale(QStringLiteral("zh_TW"));
    ASSERT_TRUE(result.ran);
    // The probe shows each line feed as a backslash and n.
    const QStringList expected = {
        "qPrintable\\(qstrLocaleLower\\)=\\[zh_tw\\\\n\\] ",
        "qPrintable\\(qstrLocaleLower\\)=\\[zh_tw\\] ",
        "qPrintable\\(qstrLangFileName\\)=\\[:/cht\\.qm\\] ",
        "qPrintable\\(qstrDef\\)=\\[cht\\\\n\\] ",
    };
    ASSERT_EQ(result.debug_lines.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QRegularExpression line(QStringLiteral("^.*VeltLocale\\.cpp:\\d+ ") + expected.at(i) + '$');
        EXPECT_TRUE(line.match(result.debug_lines.at(i)).hasMatch()) << qPrintable(result.debug_lines.at(i));
    }
}

TEST(VeltLocale, FallsBackToEnglishWithoutTheBundle)
{
    const ProbeResult result = ProbeLocale(QStringLiteral("de_DE"), kProbeWithoutBundle);
    ASSERT_TRUE(result.ran);
    EXPECT_EQ(result.language, QStringLiteral("enu"));
    // No catalogue exists, so no line reports an installed one.
    EXPECT_EQ(result.debug_lines.filter(QStringLiteral("qstrLangFileName")).size(), 0);
}

TEST(VeltLocale, InstalledLanguagesAreTheEmbeddedCatalogues)
{
    for (const QString &code : VeltLocale::getSupportedLanguages())
        EXPECT_TRUE(VeltLocale::isLanguageInstalled(code)) << qPrintable(code);
    EXPECT_FALSE(VeltLocale::isLanguageInstalled(QStringLiteral("xyz")));
    EXPECT_FALSE(VeltLocale::isLanguageInstalled(QStringLiteral("ENU")));
    EXPECT_FALSE(VeltLocale::isLanguageInstalled(QString()));
    EXPECT_FALSE(VeltLocale::isLanguageInstalled(QStringLiteral("../enu")));
    EXPECT_EQ(VeltLocale::getStrLanguageFallSafe(), QStringLiteral("enu"));
}

TEST(VeltLocale, LanguageIdsAndSupportedList)
{
    const QStringList expected = {"enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
                                  "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy"};
    EXPECT_EQ(VeltLocale::getSupportedLanguages(), expected);
    for (int id = 0; id < expected.size(); ++id)
        EXPECT_EQ(VeltLocale::getLanguageAbbrByID(id), expected.at(id)) << id;
    EXPECT_EQ(VeltLocale::getLanguageAbbrByID(17), QStringLiteral("ptg"));
    EXPECT_TRUE(VeltLocale::getLanguageAbbrByID(20).isEmpty());
    EXPECT_TRUE(VeltLocale::getLanguageAbbrByID(21).isEmpty());
    EXPECT_TRUE(VeltLocale::getLanguageAbbrByID(-1).isEmpty());
    EXPECT_TRUE(VeltLocale::getLanguageAbbrByID(INT_MIN).isEmpty());
}

int main(int argc, char **argv)
{
    const QByteArray probe = qgetenv(kProbeVariable);
    if (!probe.isEmpty())
        return RunProbe(probe);
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
