// VeltLocale: the choice of the user's language.
//
// A language code is three lower-case letters that name an embedded
// translation catalogue, ":/" + code + ".qm". Its position in the table of
// supported codes is the language id.
#ifndef LIBCOMMON_VELTLOCALE_H
#define LIBCOMMON_VELTLOCALE_H

#include <QString>
#include <QStringList>

class VeltLocale {
public:
    VeltLocale() = delete;

    // The code for the system locale as Qt reports it; "enu" when its
    // language has no catalogue.
    static QString getDefaultLanguage();
    // True when the catalogue ":/" + code + ".qm" is embedded.
    static bool isLanguageInstalled(const QString &code);
    // "enu".
    static QString getStrLanguageFallSafe();
    // The code of language id 0 to 19; an empty string for any other id.
    static QString getLanguageAbbrByID(int id);
    // The 20 codes in id order.
    static QStringList getSupportedLanguages();

private:
    static const char *const grgszLanguages[];
    static const QString qstrLanguageFallSafe;
};

#endif
