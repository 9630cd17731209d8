#include "strtab.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QStringList>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

int qInitResources_texts();
int qCleanupResources_texts();

// Filled by main before it creates the application object.
extern QMap<QString, bool> g_resources_before_application;

namespace {

const QStringList kCodes = {
    "enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
    "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy",
};

struct ShownTexts {
    const char *preparing;
    const char *ready;
};

// The two texts of the progress dialog, as each catalogue must give them.
const std::map<QString, ShownTexts> kShown = {
    {"enu", {"Skylet Backup is initializing...", "Skylet Backup is ready."}},
    {"cht", {"Skylet Backup 準備中...", "Skylet Backup 準備完成"}},
    {"chs", {"Skylet Backup 正在初始化...", "Skylet Backup 已就绪。"}},
    {"jpn", {"Skylet Backup は初期化中です。", "Skylet Backup は準備完了です。"}},
    {"deu", {"Skylet Backup wird initialisiert ...", "Skylet Backup ist bereit."}},
    {"krn", {"Skylet Backup 초기화 중...", "Skylet Backup 사용 준비가 되었습니다."}},
    {"fra", {"Skylet Backup est en cours d'initialisation...", "Skylet Backup est prêt."}},
    {"ita", {"Skylet Backup sta inizializzando...", "Skylet Backup pronta."}},
    {"esn", {"Skylet Backup se está inicializando...", "Skylet Backup está lista."}},
    {"ptb", {"O Skylet Backup está sendo inicializado...", "O Skylet Backup está pronto."}},
    {"rus", {"Skylet Backup выполняет инициализацию...", "Skylet Backup готов."}},
    {"dan", {"Skylet Backup initialiserer...", "Skylet Backup er klar."}},
    {"nor", {"Skylet Backup starter opp...", "Skylet Backup er klar."}},
    {"sve", {"Skylet Backup initialiserar...", "Skylet Backup är klar."}},
    {"nld", {"Skylet Backup is bezig met initialisatie...", "Skylet Backup is gereed."}},
    {"plk", {"Aplikacja Skylet Backup jest inicjowana...", "Aplikacja Skylet Backup jest gotowa."}},
    {"hun", {"A Skylet Backup inicializálása folyamatban...", "Skylet Backup készen áll."}},
    {"ptg", {"Skylet Backup a iniciar...", "Skylet Backup pronta."}},
    {"trk", {"Skylet Backup başlıyor...", "Skylet Backup hazır."}},
    {"csy", {"Skylet Backup se inicializuje...", "Skylet Backup je připravena."}},
};

QString ResourcePath(const QString &code)
{
    return QStringLiteral(":/") + code + QStringLiteral(".qm");
}

QByteArray ReadResource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The distinct English texts of the string table.
QSet<QString> SourceTexts()
{
    StrTable::InitStrTable();
    QSet<QString> texts;
    for (int id = 0; id < 174; ++id)
        texts.insert(StrTable::LoadStr(id)); // no translator installed here
    return texts;
}

// Tags of the sections of a catalogue in Qt's .qm layout: a magic number,
// then sections of tag, big-endian length and payload. The hash section holds
// one 8-byte entry per message. Empty on a malformed file.
QList<QPair<int, quint32>> QmSections(const QByteArray &data)
{
    static const char magic[] = "\x3C\xB8\x64\x18\xCA\xEF\x9C\x95\xCD\x21\x1C\xBF\x60\xA1\xBD\xDD";
    QList<QPair<int, quint32>> sections;
    if (!data.startsWith(QByteArray(magic, 16)))
        return {};
    for (int pos = 16; pos < data.size();) {
        if (data.size() - pos < 5)
            return {};
        const auto *p = reinterpret_cast<const uchar *>(data.constData() + pos);
        const quint32 length = (quint32(p[1]) << 24) | (quint32(p[2]) << 16) | (quint32(p[3]) << 8) | p[4];
        if (length > quint32(data.size() - pos - 5))
            return {};
        sections.append({p[0], length});
        pos += 5 + int(length);
    }
    return sections;
}

// Messages a translation may leave equal to the English source, and why; a
// catalogue may keep at most 8 of the 163 (5 %) as they are, and only these.
struct KeptEnglish {
    const char *source;
    const char *languages; // "*" for all
    const char *reason;
};
const KeptEnglish kKeptEnglish[] = {
    {"Skylet Backup", "*", "the brand alone is never translated"},
    {"%1 / %2", "*", "two numbers and a slash"},
    {"OK", "*", "the button reads OK on these desktops"},
    {"Port:", "deu dan nor sve plk hun csy", "the networking term is the same word"},
    {"Server", "deu ita dan nor sve nld csy", "the same word in these languages"},
    {"Status", "deu ptb dan nor sve nld", "the same word in these languages"},
    {"Proxy", "fra esn ptb ptg trk", "the networking term is kept in these languages"},
    {"Version: %1", "deu dan sve", "the same word in these languages"},
    {"Account", "ita nld", "the usual loanword of these desktops"},
    {"Password:", "ita", "the usual loanword of Italian desktops"},
    {"File", "ita", "the usual loanword of Italian desktops"},
    {"Filter", "deu", "the same word in German"},
    {"Destination", "fra", "the same word in French"},
    {"Options", "fra", "the same word in French"},
    {"Error", "esn", "the same word in Spanish"},
    {"Help", "nld", "the same word in Dutch"},
};

bool MayKeepEnglish(const QString &code, const QString &source)
{
    for (const KeptEnglish &kept : kKeptEnglish) {
        const QString languages = QString::fromLatin1(kept.languages);
        if (source == QLatin1String(kept.source) &&
            (languages == QLatin1String("*") || languages.split(' ').contains(code)))
            return true;
    }
    return false;
}

// Placeholders of a text, sorted: Qt's %1..%99 (also %L1), %n, printf's
// conversions and %%.
QStringList Placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(?:%|L?[0-9]+|[a-zA-Z])"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

QString Joined(const QStringList &items)
{
    const int shown = 8;
    QString joined = items.mid(0, shown).join(QStringLiteral(" | "));
    if (items.size() > shown)
        joined += QStringLiteral(" | ... (%1 more)").arg(items.size() - shown);
    return joined;
}

// One non-English catalogue, as the launcher loads it.
class Translation : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(translator.load(ResourcePath(Code()), QString(), QString(), QString()));
        StrTable::InitStrTable();
        QSet<QString> seen;
        for (int id = 0; id < 174; ++id) {
            const QString source = StrTable::LoadStr(id);
            if (!seen.contains(source)) {
                seen.insert(source);
                sources.append(source);
            }
        }
        ASSERT_EQ(sources.size(), 163);
    }

    QString Code() const { return QString::fromStdString(GetParam()); }

    QString Translate(const QString &source) const
    {
        return translator.translate("global", source.toUtf8().constData());
    }

    QTranslator translator;
    QStringList sources; // in id order
};

} // namespace

TEST_P(Translation, KeepsPlaceholdersAndLeavesLittleInEnglish)
{
    QStringList english, not_allowed, placeholders;
    for (const QString &source : sources) {
        const QString translation = Translate(source);
        if (translation == source) {
            english.append(source);
            if (!MayKeepEnglish(Code(), source))
                not_allowed.append(source);
        }
        if (Placeholders(translation) != Placeholders(source))
            placeholders.append(source + QStringLiteral(" -> ") + translation);
    }
    EXPECT_LE(english.size(), 8) << english.size() << " of 163 messages equal their English source: "
                                 << qPrintable(Joined(english));
    EXPECT_TRUE(not_allowed.isEmpty()) << "left in English without a reason listed in kKeptEnglish: "
                                       << qPrintable(Joined(not_allowed));
    EXPECT_TRUE(placeholders.isEmpty()) << "placeholders differ from the source: " << qPrintable(Joined(placeholders));
}

// Each key term has one rendering per language (glossary/<code>.json, a
// lower-case stem that all its inflected forms contain); every message whose
// source uses the term must hold that stem, so a catalogue that mixes two
// renderings fails. The brand is left out on both sides.
TEST_P(Translation, RendersKeyTermsAsItsGlossarySays)
{
    QFile file(QStringLiteral(GLOSSARY_DIR "/") + Code() + QStringLiteral(".json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no glossary " << qPrintable(file.fileName());
    QJsonParseError error;
    const QJsonObject glossary = QJsonDocument::fromJson(file.readAll(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << qPrintable(error.errorString());
    ASSERT_EQ(glossary.keys(), QStringList({"backup", "folder", "restore"}));

    const QPair<QString, QRegularExpression> terms[] = {
        {"backup", QRegularExpression(QStringLiteral("\\bback(?:ing|ed)?[ -]?ups?\\b"))},
        {"restore", QRegularExpression(QStringLiteral("\\brestor(?:e|es|ed|ing)\\b"))},
        {"folder", QRegularExpression(QStringLiteral("\\bfolders?\\b"))},
    };
    const QString brand = QStringLiteral("Skylet Backup");
    int uses = 0;
    for (const auto &term : terms) {
        const QString stem = glossary.value(term.first).toString();
        ASSERT_FALSE(stem.trimmed().isEmpty()) << qPrintable(term.first);
        ASSERT_EQ(stem, stem.toLower()) << qPrintable(term.first);
        QStringList lacking;
        for (const QString &source : sources) {
            if (!QString(source).remove(brand).toLower().contains(term.second))
                continue;
            ++uses;
            const QString translation = Translate(source);
            if (!QString(translation).remove(brand).toLower().contains(stem))
                lacking.append(source + QStringLiteral(" -> ") + translation);
        }
        EXPECT_TRUE(lacking.isEmpty()) << '"' << qPrintable(term.first) << "\" rendered without \""
                                       << qPrintable(stem) << "\": " << qPrintable(Joined(lacking));
    }
    // The three terms are used throughout the table; a pattern that found
    // none would check nothing.
    EXPECT_GE(uses, 40);
}

// Every language but English.
INSTANTIATE_TEST_SUITE_P(Languages, Translation, ::testing::ValuesIn([] {
                             std::vector<std::string> codes;
                             for (const QString &code : kCodes.mid(1))
                                 codes.push_back(code.toStdString());
                             return codes;
                         }()),
                         [](const ::testing::TestParamInfo<std::string> &info) { return info.param; });

TEST(CatalogueBundle, RegisteredBeforeMainAtTheRootOnly)
{
    const QMap<QString, bool> &seen = g_resources_before_application;
    ASSERT_EQ(seen.size(), 24);
    for (const QString &code : kCodes)
        EXPECT_TRUE(seen.value(ResourcePath(code))) << qPrintable(code);
    EXPECT_FALSE(seen.value(QStringLiteral(":/xyz.qm")));
    EXPECT_FALSE(seen.value(QStringLiteral(":/texts/enu.qm")));
    EXPECT_FALSE(seen.value(QStringLiteral(":/qm/enu.qm")));
    EXPECT_FALSE(seen.value(QStringLiteral(":/enu")));

    QStringList expected = kCodes;
    for (QString &code : expected)
        code += QStringLiteral(".qm");
    expected.sort();
    EXPECT_EQ(QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name),
              expected);
}

TEST(CatalogueBundle, StoredUncompressedWithoutTimes)
{
    for (const QString &code : kCodes) {
        QResource resource(ResourcePath(code));
        ASSERT_TRUE(resource.isValid()) << qPrintable(code);
        EXPECT_EQ(resource.compressionAlgorithm(), QResource::NoCompression) << qPrintable(code);
        // Only format version 1 lacks modification times.
        EXPECT_FALSE(resource.lastModified().isValid()) << qPrintable(code);
        // Stored for the neutral locale, so any locale finds the same data.
        QResource german(ResourcePath(code), QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(german.data(), resource.data()) << qPrintable(code);
    }
}

TEST(CatalogueBundle, RegistrationIsIdempotentAndReversible)
{
    EXPECT_EQ(qInitResources_texts(), 1);
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/enu.qm")));
    EXPECT_EQ(qCleanupResources_texts(), 1);
    EXPECT_FALSE(QFile::exists(QStringLiteral(":/enu.qm")));
    EXPECT_EQ(qInitResources_texts(), 1);
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/enu.qm")));
}

TEST(Catalogues, HoldOnlyHashesAndOneMessagePerDistinctText)
{
    for (const QString &code : kCodes) {
        const QList<QPair<int, quint32>> sections = QmSections(ReadResource(ResourcePath(code)));
        // No language, plural-rule or dependency section.
        ASSERT_EQ(sections.size(), 2) << qPrintable(code);
        EXPECT_EQ(sections.at(0).first, 0x42) << qPrintable(code);
        EXPECT_EQ(sections.at(0).second, 163u * 8u) << qPrintable(code);
        EXPECT_EQ(sections.at(1).first, 0x69) << qPrintable(code);
    }
}

TEST(Catalogues, TranslateEveryTextInGlobalContextOnly)
{
    const QSet<QString> sources = SourceTexts();
    for (const QString &code : kCodes) {
        SCOPED_TRACE(qPrintable(code));
        QTranslator translator;
        ASSERT_TRUE(translator.load(ResourcePath(code), QString(), QString(), QString()));
        ASSERT_FALSE(translator.isEmpty());
        ASSERT_EQ(sources.size(), 163);
        for (const QString &source : sources) {
            // An empty comment is part of each message's key: a lookup
            // without one only finds messages stored without one.
            const QByteArray utf8 = source.toUtf8();
            const QString translation = translator.translate("global", utf8.constData());
            EXPECT_FALSE(translation.isEmpty()) << utf8.constData();
            EXPECT_FALSE(translation.contains(QRegularExpression(QStringLiteral("[\\n\\t\\\\]"))))
                << utf8.constData();
            if (code == QLatin1String("enu")) {
                EXPECT_EQ(translation, source);
            }
            EXPECT_TRUE(translator.translate("Global", utf8.constData()).isEmpty()) << utf8.constData();
            EXPECT_TRUE(translator.translate("launcher", utf8.constData()).isEmpty()) << utf8.constData();
        }
        EXPECT_TRUE(translator.translate("global", "No such text in the table").isEmpty());

        EXPECT_EQ(translator.translate("global", "Skylet Backup"), QStringLiteral("Skylet Backup"));
        const ShownTexts &shown = kShown.at(code);
        EXPECT_EQ(translator.translate("global", "Skylet Backup is initializing..."),
                  QString::fromUtf8(shown.preparing));
        EXPECT_EQ(translator.translate("global", "Skylet Backup is ready."), QString::fromUtf8(shown.ready));
    }
}

TEST(Catalogues, InstalledCatalogueAnswersLoadStr)
{
    StrTable::InitStrTable();
    QTranslator translator;
    ASSERT_TRUE(translator.load(ResourcePath(QStringLiteral("jpn")), QString(), QString(), QString()));
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));

    EXPECT_EQ(StrTable::LoadStr(StrTable::app_name), QStringLiteral("Skylet Backup"));
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_skyl_env_preparing), QString::fromUtf8(kShown.at("jpn").preparing));
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_skyl_env_preparation_done), QString::fromUtf8(kShown.at("jpn").ready));
    EXPECT_EQ(QCoreApplication::translate("global", "Not a catalogue message"), QStringLiteral("Not a catalogue message"));
    EXPECT_EQ(QCoreApplication::translate("other", "Skylet Backup is ready."), QStringLiteral("Skylet Backup is ready."));

    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_skyl_env_preparation_done), QStringLiteral("Skylet Backup is ready."));
}
