#include "strtab.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

class StrTableTest : public ::testing::Test {
protected:
    void SetUp() override { StrTable::InitStrTable(); }
};

// Answers "global" messages from a fixed map and records how it was asked.
class MapTranslator : public QTranslator {
public:
    explicit MapTranslator(QMap<QString, QString> texts) : m_texts(std::move(texts)) {}

    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override
    {
        last_context = QString::fromLatin1(context);
        last_disambiguation_null = disambiguation == nullptr;
        last_n = n;
        if (last_context != QLatin1String("global"))
            return QString();
        return m_texts.value(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }

    mutable QString last_context;
    mutable bool last_disambiguation_null = false;
    mutable int last_n = 0;

private:
    QMap<QString, QString> m_texts;
};

QString SourceText(int id)
{
    // With no translator installed, LoadStr answers with the source text.
    return StrTable::LoadStr(id);
}

} // namespace

TEST_F(StrTableTest, EveryIdHasAPlainAsciiText)
{
    ASSERT_EQ(StrTable::NUM_STRING_IDS, 174u);
    for (int id = 0; id < 174; ++id) {
        const QString text = SourceText(id);
        EXPECT_FALSE(text.trimmed().isEmpty()) << "id " << id;
        for (QChar ch : text) {
            EXPECT_TRUE(ch.unicode() >= 0x20 && ch.unicode() < 0x7f)
                << "id " << id << " holds character " << ch.unicode();
            EXPECT_NE(ch, QLatin1Char('\\')) << "id " << id;
        }
    }
}

TEST_F(StrTableTest, ElevenPairsShareTextsAndAllOthersAreDistinct)
{
    QMap<QString, QList<int>> ids_by_text;
    for (int id = 0; id < 174; ++id)
        ids_by_text[SourceText(id)].append(id);
    EXPECT_EQ(ids_by_text.size(), 163);

    std::set<std::pair<int, int>> shared;
    for (const QList<int> &ids : ids_by_text) {
        ASSERT_LE(ids.size(), 2) << "text of id " << ids.first() << " serves " << ids.size() << " ids";
        if (ids.size() == 2)
            shared.insert({ids.at(0), ids.at(1)});
    }
    const std::set<std::pair<int, int>> expected = {
        {11, 119}, {13, 124}, {17, 161}, {22, 115}, {40, 70}, {44, 69},
        {49, 100}, {63, 131}, {67, 162}, {117, 173}, {132, 160},
    };
    EXPECT_EQ(shared, expected);
}

TEST_F(StrTableTest, FixedTextsReadExactly)
{
    EXPECT_EQ(SourceText(StrTable::app_name), QStringLiteral("Skylet Backup"));
    EXPECT_EQ(SourceText(StrTable::desc_skyl_env_preparing), QStringLiteral("Skylet Backup is initializing..."));
    EXPECT_EQ(SourceText(StrTable::desc_skyl_env_preparation_done), QStringLiteral("Skylet Backup is ready."));
    EXPECT_EQ(SourceText(154), QStringLiteral("%1 / %2"));
    EXPECT_EQ(SourceText(156), QStringLiteral("Backing up %1"));
    EXPECT_EQ(SourceText(134), QStringLiteral("%1 upgrade failed (error code: %2)."));
    EXPECT_EQ(SourceText(145), QStringLiteral("Processing %1 file(s)..."));
}

TEST_F(StrTableTest, OutOfRangeIdGivesEmptyText)
{
    EXPECT_TRUE(StrTable::LoadStr(-1).isEmpty());
    EXPECT_TRUE(StrTable::LoadStr(174).isEmpty());
}

TEST_F(StrTableTest, LoadStrAsksGlobalContextAndResolvesEscapes)
{
    MapTranslator translator({
        {QStringLiteral("Skylet Backup"), QStringLiteral("first\\nsecond\\tthird")},
        {QStringLiteral("Skylet Backup is initializing..."), QStringLiteral("a\\N b\\T c\\x d\\\\n e\\")},
        {QStringLiteral("Skylet Backup is ready."), QStringLiteral("\\\\t\\n\\n")},
    });
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));

    EXPECT_EQ(StrTable::LoadStr(StrTable::app_name), QStringLiteral("first\nsecond\tthird"));
    EXPECT_EQ(translator.last_context, QStringLiteral("global"));
    EXPECT_TRUE(translator.last_disambiguation_null);
    EXPECT_EQ(translator.last_n, -1);

    // Only lower-case n and t are escapes; a doubled backslash keeps one.
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_skyl_env_preparing),
              QStringLiteral("a\\N b\\T c\\x d\\\n e\\"));
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_skyl_env_preparation_done), QStringLiteral("\\\t\n\n"));
    // A text the translator lacks comes back as its source.
    EXPECT_EQ(StrTable::LoadStr(StrTable::btn_cancel), QStringLiteral("Cancel"));
    QCoreApplication::removeTranslator(&translator);
}

TEST_F(StrTableTest, LookupStrIdIgnoresCaseOnly)
{
    const QList<QPair<QString, int>> cases = {
        {"app_name", 3}, {"APP_NAME", 3}, {"aPp_NaMe", 3}, {"main_desc_last_upload", 0},
        {"wizard_network_err_sync_folder_warning", 173}, {"app_name ", -1}, {" app_name", -1},
        {"app", -1}, {"app_names", -1}, {"", -1}, {QString::fromUtf8("\xc3\xa4pp_name"), -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StrTable::LookupStrID(c.first), c.second) << '"' << qPrintable(c.first) << '"';
    EXPECT_EQ(StrTable::LookupStrID(QString()), -1);
}

TEST_F(StrTableTest, EveryKeyOfTheHeaderFindsItsId)
{
    // The enumerators are the keys; each must come back as its own value,
    // whatever the case, and no two may fold to the same key.
    QFile header(QStringLiteral(STRTAB_HEADER_PATH));
    ASSERT_TRUE(header.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(header.readAll());
    const QRegularExpression entry(QStringLiteral("^\\s+(\\w+) = (\\d+),$"),
                                   QRegularExpression::MultilineOption);
    QSet<QString> folded;
    int count = 0;
    for (auto it = entry.globalMatch(text); it.hasNext(); ++count) {
        const QRegularExpressionMatch m = it.next();
        const QString key = m.captured(1);
        const int id = m.captured(2).toInt();
        EXPECT_EQ(id, count) << qPrintable(key);
        EXPECT_EQ(StrTable::LookupStrID(key), id) << qPrintable(key);
        EXPECT_EQ(StrTable::LookupStrID(key.toUpper()), id) << qPrintable(key);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[a-z_]+$")).match(key).hasMatch()) << qPrintable(key);
        folded.insert(key.toLower());
    }
    EXPECT_EQ(count, 174);
    EXPECT_EQ(folded.size(), 174);
}
