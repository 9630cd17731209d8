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
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <ostream>
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
    QString preparing;
    QString ready;
};

// The two texts of the progress dialog, as each catalogue must give them,
// from the one file that fixes them (tools/make-ts.py writes new catalogues
// from it too): string table key -> language code -> text.
QJsonObject ShownTextsFile()
{
    QFile file(QStringLiteral(SHOWN_TEXTS_FILE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

const std::map<QString, ShownTexts> &Shown()
{
    static const std::map<QString, ShownTexts> shown = [] {
        const QJsonObject file = ShownTextsFile();
        const QJsonObject preparing = file.value(QStringLiteral("desc_skyl_env_preparing")).toObject();
        const QJsonObject ready = file.value(QStringLiteral("desc_skyl_env_preparation_done")).toObject();
        std::map<QString, ShownTexts> texts;
        for (const QString &code : kCodes)
            texts[code] = {preparing.value(code).toString(), ready.value(code).toString()};
        return texts;
    }();
    return shown;
}

// The English sources of the shown texts. They are fixed as they are, so the
// checks of how a translation reads leave them out.
QSet<QString> ShownSources()
{
    StrTable::InitStrTable();
    QSet<QString> sources;
    for (const QString &key : ShownTextsFile().keys())
        sources.insert(StrTable::LoadStr(StrTable::LookupStrID(key)));
    return sources;
}

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

// Placeholders of a text in the order it uses them: Qt's %1..%99 (also
// %L1), %n, printf's conversions and %%.
QStringList PlaceholdersInOrder(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(?:%|L?[0-9]+|[a-zA-Z])"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    return found;
}

// The same, sorted.
QStringList Placeholders(const QString &text)
{
    QStringList found = PlaceholdersInOrder(text);
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

// Messages whose translation must use the placeholders in another order
// than the source, and why. Qt fills %1 and %2 by number, so a reordered
// translation still shows each value, but nothing tells a deliberate word
// order from two swapped numbers; only a language whose grammar puts the
// second value first may reorder, and only where listed here.
struct ReorderedPlaceholders {
    const char *code;
    const char *source;
    const char *reason;
};
// Empty while every language keeps the table's order: the two texts with
// two values ("%1 upgrade failed (error code: %2)." and "%1 / %2") read
// naturally in that order in all of them.
const std::vector<ReorderedPlaceholders> kReorderedPlaceholders = {};

bool MayReorderPlaceholders(const QString &code, const QString &source)
{
    for (const ReorderedPlaceholders &reordered : kReorderedPlaceholders) {
        if (code == QLatin1String(reordered.code) && source == QLatin1String(reordered.source))
            return true;
    }
    return false;
}

// The same placeholders, in the source's order unless may_reorder.
bool PlaceholdersMatch(const QString &source, const QString &translation, bool may_reorder)
{
    return may_reorder ? Placeholders(translation) == Placeholders(source)
                       : PlaceholdersInOrder(translation) == PlaceholdersInOrder(source);
}

// How a text ends. The CJK full stop, the one-character ellipses and the
// full-width marks count as their Latin equivalents, so a Chinese sentence
// that ends in "。" matches an English one that ends in ".". A missing stop is
// a mismatch in every script: none of the catalogues' languages leaves a
// sentence open where English closes it.
enum class FinalMark { None, Stop, Ellipsis, Colon, Question, Exclamation };

FinalMark FinalMarkOf(const QString &text)
{
    static const QPair<QString, FinalMark> endings[] = {
        // The ellipses first: "..." also ends in ".".
        {QStringLiteral("..."), FinalMark::Ellipsis},
        {QString(QChar(0x2026)), FinalMark::Ellipsis}, // …
        {QString(QChar(0x22EF)), FinalMark::Ellipsis}, // ⋯
        {QStringLiteral("."), FinalMark::Stop},
        {QString(QChar(0x3002)), FinalMark::Stop}, // 。
        {QString(QChar(0xFF0E)), FinalMark::Stop}, // ．
        {QStringLiteral(":"), FinalMark::Colon},
        {QString(QChar(0xFF1A)), FinalMark::Colon}, // ：
        {QStringLiteral("?"), FinalMark::Question},
        {QString(QChar(0xFF1F)), FinalMark::Question}, // ？
        {QStringLiteral("!"), FinalMark::Exclamation},
        {QString(QChar(0xFF01)), FinalMark::Exclamation}, // ！
    };
    for (const auto &ending : endings) {
        if (text.endsWith(ending.first))
            return ending.second;
    }
    return FinalMark::None;
}

const char *FinalMarkName(FinalMark mark)
{
    switch (mark) {
    case FinalMark::Stop: return "a full stop";
    case FinalMark::Ellipsis: return "an ellipsis";
    case FinalMark::Colon: return "a colon";
    case FinalMark::Question: return "a question mark";
    case FinalMark::Exclamation: return "an exclamation mark";
    case FinalMark::None: break;
    }
    return "no mark";
}

// French sets a non-breaking space, U+00A0 or the narrow U+202F, before
// ":", ";", "?" and "!"; after a plain space the mark can wrap onto a line of
// its own, and without one it reads as English. The marks found are counted
// into checked.
QStringList FrenchSpacingFaults(const QString &text, int *checked)
{
    QStringList faults;
    for (int i = 0; i < text.size(); ++i) {
        if (!QStringLiteral(":;?!").contains(text.at(i)))
            continue;
        ++*checked;
        const ushort before = i > 0 ? text.at(i - 1).unicode() : 0;
        if (before != 0x00A0 && before != 0x202F)
            faults.append(QStringLiteral("\"%1\" at %2 without a non-breaking space before it").arg(text.at(i)).arg(i));
    }
    return faults;
}

// Spanish opens a question with "¿" and an exclamation with "¡": each
// closing mark needs its opening one before it, and each opening mark its
// closing one. The closing marks found are counted into checked.
QStringList SpanishInvertedMarkFaults(const QString &text, int *checked)
{
    QStringList faults;
    const QPair<QChar, QChar> pairs[] = {{QChar(0x00BF), QLatin1Char('?')}, {QChar(0x00A1), QLatin1Char('!')}};
    for (const auto &pair : pairs) {
        int open = 0;
        for (const QChar ch : text) {
            if (ch == pair.first) {
                ++open;
            } else if (ch == pair.second) {
                ++*checked;
                if (open == 0)
                    faults.append(QStringLiteral("\"%1\" without \"%2\" before it").arg(pair.second).arg(pair.first));
                else
                    --open;
            }
        }
        if (open > 0)
            faults.append(QStringLiteral("\"%1\" without \"%2\" after it").arg(pair.first).arg(pair.second));
    }
    return faults;
}

// A message of a .ts file as a translator wrote it.
struct TsMessage {
    QString source;
    QString translation;
    QString type; // of the translation: empty when finished
    bool has_key_comment = false;
    QString key_comment;
};

QList<TsMessage> ReadTs(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return {};
    }
    QList<TsMessage> messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            messages.append(TsMessage());
        } else if (messages.isEmpty()) {
            continue;
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QStringLiteral("type")).toString();
            messages.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("extracomment")) {
            messages.last().has_key_comment = true;
            messages.last().key_comment = xml.readElementText();
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return messages;
}

// Why the translation of message would not be shown as written, or empty.
// An unfinished message is left out of the compiled catalogue, so the
// launcher would show English; a blank one shows nothing; a space the source
// lacks at either end shifts the text in its label.
QString TranslationFault(const TsMessage &message)
{
    if (!message.type.isEmpty())
        return QStringLiteral("marked ") + message.type;
    if (message.translation.trimmed().isEmpty())
        return QStringLiteral("blank");
    if (message.translation.trimmed() != message.translation && message.source.trimmed() == message.source)
        return QStringLiteral("space at an end");
    return QString();
}

// Why the key comment of message does not name exactly the string table keys
// whose text is its source, or empty. ids_of_source: how many ids show each
// text.
QString KeyCommentFault(const TsMessage &message, const QMap<QString, int> &ids_of_source)
{
    if (!message.has_key_comment)
        return QStringLiteral("no key comment");
    static const QRegularExpression key_pattern(QStringLiteral("^[a-z][a-z0-9_]*$"));
    const QStringList keys = message.key_comment.split(QStringLiteral(", "));
    QSet<QString> seen;
    for (const QString &key : keys) {
        if (!key_pattern.match(key).hasMatch() || seen.contains(key))
            return QStringLiteral("\"%1\" is not a key, or named twice").arg(key);
        seen.insert(key);
        const int id = StrTable::LookupStrID(key);
        if (id < 0)
            return QStringLiteral("\"%1\" is no key of the string table").arg(key);
        if (StrTable::LoadStr(id) != message.source)
            return QStringLiteral("\"%1\" shows \"%2\"").arg(key, StrTable::LoadStr(id));
    }
    if (keys.size() != ids_of_source.value(message.source))
        return QStringLiteral("names %1 of the %2 keys that show it").arg(keys.size()).arg(ids_of_source.value(message.source));
    return QString();
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
        shown = ShownSources();
        ASSERT_EQ(shown.size(), 2);
    }

    QString Code() const { return QString::fromStdString(GetParam()); }

    QString Translate(const QString &source) const
    {
        return translator.translate("global", source.toUtf8().constData());
    }

    QTranslator translator;
    QStringList sources; // in id order
    QSet<QString> shown; // fixed as they are: left out of how-it-reads checks
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

// Two values swapped would put the error code where the product's name
// belongs; only the languages listed in kReorderedPlaceholders may reorder.
TEST_P(Translation, KeepsPlaceholdersInTheSourcesOrder)
{
    QStringList swapped;
    int ordered = 0;
    for (const QString &source : sources) {
        if (shown.contains(source))
            continue;
        if (PlaceholdersInOrder(source).size() > 1)
            ++ordered;
        const QString translation = Translate(source);
        if (!PlaceholdersMatch(source, translation, MayReorderPlaceholders(Code(), source)))
            swapped.append(source + QStringLiteral(" -> ") + translation);
    }
    EXPECT_TRUE(swapped.isEmpty()) << "placeholders out of the source's order: " << qPrintable(Joined(swapped));
    // Order only matters in a text with two of them.
    EXPECT_GE(ordered, 1);

    // An entry of the list for a translation that keeps the order has
    // outlived its reason.
    for (const ReorderedPlaceholders &reordered : kReorderedPlaceholders) {
        if (Code() != QLatin1String(reordered.code))
            continue;
        const QString source = QString::fromUtf8(reordered.source);
        EXPECT_TRUE(sources.contains(source)) << reordered.source;
        EXPECT_NE(PlaceholdersInOrder(Translate(source)), PlaceholdersInOrder(source)) << reordered.source;
    }
}

// A sentence keeps its stop, a label its colon, a progress text its
// ellipsis; a different mark usually means a text attached to the wrong
// message or a sentence cut short.
TEST_P(Translation, EndsWithTheSourcesMark)
{
    QStringList differing;
    int marked = 0;
    for (const QString &source : sources) {
        if (shown.contains(source))
            continue;
        const QString translation = Translate(source);
        const FinalMark wanted = FinalMarkOf(source);
        const FinalMark found = FinalMarkOf(translation);
        if (wanted != FinalMark::None)
            ++marked;
        if (found != wanted)
            differing.append(QStringLiteral("%1 -> %2 (ends with %3, not %4)")
                                 .arg(source, translation, QLatin1String(FinalMarkName(found)),
                                      QLatin1String(FinalMarkName(wanted))));
    }
    EXPECT_TRUE(differing.isEmpty()) << "final marks differ from the source: " << qPrintable(Joined(differing));
    // Most of the table's texts end with a mark; finding few means the
    // check reads something else.
    EXPECT_GE(marked, 60);
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
        const ShownTexts &shown = Shown().at(code);
        EXPECT_EQ(translator.translate("global", "Skylet Backup is initializing..."), shown.preparing);
        EXPECT_EQ(translator.translate("global", "Skylet Backup is ready."), shown.ready);
    }
}

TEST(Catalogues, InstalledCatalogueAnswersLoadStr)
{
    StrTable::InitStrTable();
    QTranslator translator;
    ASSERT_TRUE(translator.load(ResourcePath(QStringLiteral("jpn")), QString(), QString(), QString()));
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));

    EXPECT_EQ(StrTable::LoadStr(StrTable::app_name), QStringLiteral("Skylet Backup"));
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_skyl_env_preparing), Shown().at("jpn").preparing);
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_skyl_env_preparation_done), Shown().at("jpn").ready);
    EXPECT_EQ(QCoreApplication::translate("global", "Not a catalogue message"), QStringLiteral("Not a catalogue message"));
    EXPECT_EQ(QCoreApplication::translate("other", "Skylet Backup is ready."), QStringLiteral("Skylet Backup is ready."));

    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(StrTable::LoadStr(StrTable::desc_skyl_env_preparation_done), QStringLiteral("Skylet Backup is ready."));
}

// The rules of a language's typography that a program can check, for the
// languages that have one: each returns the faults of a translation and
// counts the marks it looked at.
struct TypographyRule {
    const char *code;
    QStringList (*faults)(const QString &text, int *checked);
};
const TypographyRule kTypography[] = {
    {"fra", FrenchSpacingFaults},
    {"esn", SpanishInvertedMarkFaults},
};

void PrintTo(const TypographyRule &rule, std::ostream *os)
{
    *os << rule.code;
}

class CatalogueTypography : public ::testing::TestWithParam<TypographyRule> {};

TEST_P(CatalogueTypography, FollowsTheLanguagesRules)
{
    const QString code = QString::fromLatin1(GetParam().code);
    QTranslator translator;
    ASSERT_TRUE(translator.load(ResourcePath(code), QString(), QString(), QString()));
    const QSet<QString> shown = ShownSources();
    QStringList faults;
    int checked = 0;
    for (const QString &source : SourceTexts()) {
        if (shown.contains(source))
            continue;
        const QString translation = translator.translate("global", source.toUtf8().constData());
        for (const QString &fault : GetParam().faults(translation, &checked))
            faults.append(translation + QStringLiteral(": ") + fault);
    }
    faults.sort();
    EXPECT_TRUE(faults.isEmpty()) << qPrintable(Joined(faults));
    // Both languages ask questions and end labels with colons in the table.
    EXPECT_GE(checked, 2);
}

INSTANTIATE_TEST_SUITE_P(Languages, CatalogueTypography, ::testing::ValuesIn(kTypography),
                         [](const ::testing::TestParamInfo<TypographyRule> &info) {
                             return std::string(info.param.code);
                         });

// The .ts files as translators leave them: each message translated, and
// named by the keys that show it, so that a translator sees where a text
// appears.
TEST(CatalogueSources, TranslateAndNameTheKeysOfEveryMessage)
{
    StrTable::InitStrTable();
    QMap<QString, int> ids_of_source;
    for (int id = 0; id < 174; ++id)
        ++ids_of_source[StrTable::LoadStr(id)];
    for (const QString &code : kCodes) {
        QString error;
        const QList<TsMessage> messages = ReadTs(QStringLiteral(TS_DIR "/") + code + QStringLiteral(".ts"), &error);
        ASSERT_TRUE(error.isEmpty()) << qPrintable(error);
        EXPECT_EQ(messages.size(), 163) << qPrintable(code);
        QStringList faults;
        for (const TsMessage &message : messages) {
            for (const QString &fault : {TranslationFault(message), KeyCommentFault(message, ids_of_source)}) {
                if (!fault.isEmpty())
                    faults.append(QStringLiteral("%1 -> \"%2\" [%3] (%4)")
                                      .arg(message.source, message.translation, message.key_comment, fault));
            }
        }
        EXPECT_TRUE(faults.isEmpty()) << qPrintable(code) << ": " << qPrintable(Joined(faults));
    }
}

// The checks themselves: each must see the fault it looks for, and pass
// what is right, since today's catalogues give them nothing to find.
TEST(CatalogueChecks, SeeTheFaultsTheyLookFor)
{
    StrTable::InitStrTable();
    const QString source = QStringLiteral("%1 upgrade failed (error code: %2).");
    const QString swapped = QStringLiteral("Aktualisierung von %2 fehlgeschlagen (Fehlercode: %1).");
    auto french = [](const char *text) {
        int checked = 0;
        return FrenchSpacingFaults(QString::fromUtf8(text), &checked).size();
    };
    auto spanish = [](const char *text) {
        int checked = 0;
        return SpanishInvertedMarkFaults(QString::fromUtf8(text), &checked).size();
    };
    auto translation = [](const char *text, const char *type) {
        TsMessage message;
        message.source = QStringLiteral("Done");
        message.translation = QString::fromUtf8(text);
        message.type = QLatin1String(type);
        return TranslationFault(message);
    };
    const QMap<QString, int> ids_of_source = {{QStringLiteral("OK"), 2}};
    auto keys = [&ids_of_source](const char *comment) {
        TsMessage message;
        message.source = QStringLiteral("OK");
        message.has_key_comment = comment != nullptr;
        message.key_comment = QLatin1String(comment);
        return KeyCommentFault(message, ids_of_source);
    };
    // Each row: whether the check answered right.
    const struct {
        const char *what;
        bool right;
    } cases[] = {
        {"placeholders in order", PlaceholdersMatch(source, QStringLiteral("Aktualisierung von %1 fehlgeschlagen (Fehlercode: %2)."), false)},
        {"placeholders swapped", !PlaceholdersMatch(source, swapped, false)},
        {"swapped where allowed", PlaceholdersMatch(source, swapped, true)},
        {"a placeholder doubled", !PlaceholdersMatch(source, QStringLiteral("%1 (%1)."), true)},
        {"CJK full stop", FinalMarkOf(QString::fromUtf8("备份失败。")) == FinalMark::Stop},
        {"CJK ellipsis", FinalMarkOf(QString::fromUtf8("連線中⋯")) == FinalMark::Ellipsis},
        {"full-width colon", FinalMarkOf(QString::fromUtf8("端口：")) == FinalMark::Colon},
        {"stop missing", FinalMarkOf(QString::fromUtf8("备份失败")) == FinalMark::None},
        {"space after the mark", FinalMarkOf(QStringLiteral("Done. ")) == FinalMark::None},
        {"French non-breaking spaces", french("Besoin d'aide\u202f? Oui\u202f; non\u00a0!") == 0},
        {"French plain space", french("Port :") == 1},
        {"French no space", french("Besoin d'aide? Oui") == 1},
        {"Spanish pairs", spanish("¿Necesita ayuda? ¡Listo!") == 0},
        {"Spanish without ¿", spanish("Necesita ayuda?") == 1},
        {"Spanish ¿ never closed", spanish("¿Necesita ayuda.") == 1},
        {"a translation", translation("Fertig stellen", "").isEmpty()},
        {"a blank translation", translation(" \u00a0\t", "") == QStringLiteral("blank")},
        {"a space at the end", translation("Fertig ", "") == QStringLiteral("space at an end")},
        {"unfinished", !translation("Fertig", "unfinished").isEmpty()},
        {"both keys", keys("btn_wizard_readonly_yes, btn_ok").isEmpty()},
        {"no key comment", !keys(nullptr).isEmpty()},
        {"one of two keys", !keys("btn_ok").isEmpty()},
        {"a key twice", !keys("btn_ok, btn_ok").isEmpty()},
        {"a key of another text", !keys("btn_ok, btn_done").isEmpty()},
    };
    for (const auto &c : cases)
        EXPECT_TRUE(c.right) << c.what;
}
