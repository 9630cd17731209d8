#include "VeltLocale.h"

#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QMap>

// Ordered by language id; the null entry ends the table.
const char *const VeltLocale::grgszLanguages[] = {
    "enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
    "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy",
    nullptr,
};

const QString VeltLocale::qstrLanguageFallSafe = QStringLiteral("enu");

namespace {

const unsigned int kLanguageTableSize = 21; // 20 codes and the ending null

QMap<QString, QString> BuildLanguageMapping()
{
    QMap<QString, QString> mapping;
    mapping.insert(QStringLiteral("en"), QStringLiteral("enu"));
    mapping.insert(QStringLiteral("zh"), QStringLiteral("chs"));
    mapping.insert(QStringLiteral("ja"), QStringLiteral("jpn"));
    mapping.insert(QStringLiteral("de"), QStringLiteral("deu"));
    mapping.insert(QStringLiteral("ko"), QStringLiteral("krn"));
    mapping.insert(QStringLiteral("fr"), QStringLiteral("fra"));
    mapping.insert(QStringLiteral("it"), QStringLiteral("ita"));
    mapping.insert(QStringLiteral("es"), QStringLiteral("esn"));
    mapping.insert(QStringLiteral("pt"), QStringLiteral("ptb"));
    mapping.insert(QStringLiteral("ru"), QStringLiteral("rus"));
    mapping.insert(QStringLiteral("da"), QStringLiteral("dan"));
    mapping.insert(QStringLiteral("no"), QStringLiteral("nor"));
    mapping.insert(QStringLiteral("nb"), QStringLiteral("nor"));
    mapping.insert(QStringLiteral("nn"), QStringLiteral("nor"));
    mapping.insert(QStringLiteral("sv"), QStringLiteral("sve"));
    mapping.insert(QStringLiteral("nl"), QStringLiteral("nld"));
    mapping.insert(QStringLiteral("pl"), QStringLiteral("plk"));
    mapping.insert(QStringLiteral("hu"), QStringLiteral("hun"));
    mapping.insert(QStringLiteral("tr"), QStringLiteral("trk"));
    mapping.insert(QStringLiteral("cs"), QStringLiteral("csy"));
    return mapping;
}

// Sets result to code when name equals one of the names, which end with an
// empty entry.
void MatchFullName(const QString &name, const char *const names[], const char *code,
                   QString &result)
{
    for (int i = 0; names[i][0] != '\0'; ++i) {
        if (name == QLatin1String(names[i])) {
            result = QLatin1String(code);
            break;
        }
    }
}

} // namespace

QString VeltLocale::getDefaultLanguage()
{
    QString qstrLocaleLower = QLocale::system().name().toLower();
    qDebug("%s:%d %s=[%s\n] ", __FILE__, __LINE__, "qPrintable(qstrLocaleLower)",
           qPrintable(qstrLocaleLower));

    QString qstrDef;
    qDebug("%s:%d %s=[%s] ", __FILE__, __LINE__, "qPrintable(qstrLocaleLower)",
           qPrintable(qstrLocaleLower));

    const int underscore = qstrLocaleLower.indexOf(QLatin1Char('_'));
    const QString qstrLanguagePart =
        underscore < 0 ? qstrLocaleLower : qstrLocaleLower.left(underscore);
    const QMap<QString, QString> mapping = BuildLanguageMapping();

    // Chinese script and Portugal's Portuguese depend on the territory, so
    // the full names decide before the language part does.
    const char *const traditionalChinese[] = {"zh_tw", "zh_hk", "zh_mo", ""};
    MatchFullName(qstrLocaleLower, traditionalChinese, "cht", qstrDef);
    const char *const portugal[] = {"pt", "pt_pt", ""};
    MatchFullName(qstrLocaleLower, portugal, "ptg", qstrDef);

    if (qstrDef.isEmpty())
        qstrDef = mapping.value(qstrLanguagePart, mapping.value(QStringLiteral("en")));
    if (!isLanguageInstalled(qstrDef))
        qstrDef = qstrLanguageFallSafe;
    qDebug("%s:%d %s=[%s\n] ", __FILE__, __LINE__, "qPrintable(qstrDef)", qPrintable(qstrDef));
    return qstrDef;
}

bool VeltLocale::isLanguageInstalled(const QString &code)
{
    const QString qstrLangFileName = QStringLiteral(":/") + code + QStringLiteral(".qm");
    if (!QFile::exists(qstrLangFileName))
        return false;
    qDebug("%s:%d %s=[%s] ", __FILE__, __LINE__, "qPrintable(qstrLangFileName)",
           qPrintable(qstrLangFileName));
    return true;
}

QString VeltLocale::getStrLanguageFallSafe()
{
    return qstrLanguageFallSafe;
}

QString VeltLocale::getLanguageAbbrByID(int id)
{
    QString code;
    // Negative ids turn into huge unsigned values and fall out with the rest.
    if (static_cast<unsigned int>(id) < kLanguageTableSize && grgszLanguages[id] != nullptr)
        code = QLatin1String(grgszLanguages[id]);
    return code;
}

QStringList VeltLocale::getSupportedLanguages()
{
    QStringList codes;
    for (int i = 0; grgszLanguages[i] != nullptr; ++i)
        codes.append(QLatin1String(grgszLanguages[i]));
    return codes;
}
