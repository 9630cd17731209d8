#include "strtab.h"
#include "texts_test_main.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QResource>
#include <QSet>
#include <QStringList>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cstring>
#include <map>

int qInitResources_texts();
int qCleanupResources_texts();

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

struct QmMessage {
    QString context;
    QString source;
    QByteArray comment;
    bool comment_present = false;
    QStringList translations;
};

struct QmFile {
    QList<int> section_tags;
    QList<QmMessage> messages;
    QString error;
};

// Reads a catalogue in Qt's .qm layout: a magic number, then sections of
// tag, big-endian length and payload. The message section is a run of
// tagged fields, each message closed by the end tag.
QmFile ParseQm(const QByteArray &data)
{
    static const unsigned char magic[16] = {0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                                            0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};
    QmFile qm;
    auto u32 = [&data](int at) {
        const auto *p = reinterpret_cast<const unsigned char *>(data.constData() + at);
        return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
    };
    if (data.size() < 16 || memcmp(data.constData(), magic, 16) != 0) {
        qm.error = QStringLiteral("bad magic");
        return qm;
    }
    int pos = 16;
    while (pos < data.size()) {
        if (pos + 5 > data.size() || u32(pos + 1) > quint32(data.size() - pos - 5)) {
            qm.error = QStringLiteral("truncated section");
            return qm;
        }
        const int tag = static_cast<unsigned char>(data.at(pos));
        const int length = int(u32(pos + 1));
        qm.section_tags.append(tag);
        if (tag == 0x69) {
            QmMessage message;
            const int end = pos + 5 + length;
            int at = pos + 5;
            while (at < end) {
                const int field = static_cast<unsigned char>(data.at(at++));
                if (field == 1) {
                    qm.messages.append(message);
                    message = QmMessage();
                    continue;
                }
                if (field != 3 && field != 6 && field != 7 && field != 8) {
                    qm.error = QStringLiteral("unexpected field %1").arg(field);
                    return qm;
                }
                if (at + 4 > end) {
                    qm.error = QStringLiteral("truncated field");
                    return qm;
                }
                const quint32 size = u32(at);
                at += 4;
                const bool null_value = size == 0xFFFFFFFFu;
                if (!null_value && size > quint32(end - at)) {
                    qm.error = QStringLiteral("truncated field");
                    return qm;
                }
                const QByteArray bytes = null_value ? QByteArray() : data.mid(at, int(size));
                at += null_value ? 0 : int(size);
                if (field == 3) {
                    QString text;
                    for (int i = 0; i + 1 < bytes.size(); i += 2)
                        text.append(QChar(ushort((uchar(bytes.at(i)) << 8) | uchar(bytes.at(i + 1)))));
                    message.translations.append(text);
                } else if (field == 6) {
                    message.source = QString::fromUtf8(bytes);
                } else if (field == 7) {
                    message.context = QString::fromUtf8(bytes);
                } else {
                    message.comment = bytes;
                    message.comment_present = true;
                }
            }
        }
        pos += 5 + length;
    }
    return qm;
}

} // namespace

TEST(CatalogueBundle, RegisteredBeforeMainAtTheRootOnly)
{
    const QMap<QString, bool> &seen = ResourcesBeforeApplication();
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

TEST(Catalogues, HoldOneGlobalMessageForEachDistinctText)
{
    const QSet<QString> sources = SourceTexts();
    ASSERT_EQ(sources.size(), 163);
    for (const QString &code : kCodes) {
        SCOPED_TRACE(qPrintable(code));
        const QmFile qm = ParseQm(ReadResource(ResourcePath(code)));
        ASSERT_TRUE(qm.error.isEmpty()) << qPrintable(qm.error);
        // Hashes and messages only: no language, plural rules or dependencies.
        EXPECT_EQ(qm.section_tags, (QList<int>{0x42, 0x69}));
        ASSERT_EQ(qm.messages.size(), 163);
        QSet<QString> seen;
        for (const QmMessage &message : qm.messages) {
            EXPECT_EQ(message.context, QStringLiteral("global"));
            EXPECT_TRUE(message.comment.isEmpty());
            ASSERT_EQ(message.translations.size(), 1) << qPrintable(message.source);
            const QString &translation = message.translations.first();
            EXPECT_FALSE(translation.isEmpty()) << qPrintable(message.source);
            EXPECT_FALSE(translation.contains(QLatin1Char('\n')) || translation.contains(QLatin1Char('\t'))
                         || translation.contains(QLatin1Char('\\')))
                << qPrintable(message.source);
            if (code == QLatin1String("enu")) {
                EXPECT_EQ(translation, message.source);
            }
            seen.insert(message.source);
        }
        EXPECT_EQ(seen, sources);
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
        for (const QString &source : sources) {
            const QByteArray utf8 = source.toUtf8();
            EXPECT_FALSE(translator.translate("global", utf8.constData()).isEmpty()) << utf8.constData();
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
