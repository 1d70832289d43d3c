#ifndef VELMORALOCALE_H
#define VELMORALOCALE_H

#include <QString>

// The user's interface language, as one of the three-letter codes of the
// translations the launcher carries ("enu", "ger", "tha", ...).
class VelmoraLocale {
public:
    static VelmoraLocale* getInstance();

    // The language of the system locale, "enu" when no translation fits.
    QString getDefaultLanguage() const;

    // Maps a locale name ("de_DE.UTF-8", "zh-Hant-TW", "pt_BR") to a
    // translation code; "enu" for anything unknown, empty, "C" or "POSIX".
    static QString languageCodeFor(const QString& localeName);

    VelmoraLocale(const VelmoraLocale&) = delete;
    VelmoraLocale& operator=(const VelmoraLocale&) = delete;

private:
    VelmoraLocale() = default;
};

// The locale name that decides the interface language; one definition per
// platform (velmoralocale_linux.cpp, velmoralocale_mac.cpp).
QString velmoraSystemLocaleName();

#endif  // VELMORALOCALE_H
