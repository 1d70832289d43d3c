#include "velmoralocale.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

struct LanguageRow {
    const char* language;  // ISO 639 code, lower case
    const char* code;      // translation code
};

// Languages with one translation whatever the region.
const LanguageRow kLanguages[] = {
    {"cs", "csy"}, {"da", "dan"}, {"en", "enu"}, {"fr", "fre"}, {"de", "ger"}, {"hu", "hun"}, {"it", "ita"},
    {"ja", "jpn"}, {"ko", "krn"}, {"nl", "nld"}, {"nb", "nor"}, {"nn", "nor"}, {"no", "nor"}, {"pl", "plk"},
    {"ru", "rus"}, {"es", "spn"}, {"sv", "sve"}, {"th", "tha"}, {"tr", "trk"},
};

// Chinese: the script decides ("zh-Hans-HK" is simplified), else the
// region; mainland simplified is the default.
QString chineseCode(const QStringList& parts)
{
    QStringList codes;
    for (const QString& part : parts)
        codes << part.toLower();
    if (codes.contains("hans"))
        return "chs";
    if (codes.contains("hant"))
        return "cht";
    for (const char* region : {"tw", "hk", "mo"}) {
        if (codes.contains(region))
            return "cht";
    }
    return "chs";
}

QString portugueseCode(const QStringList& parts)
{
    for (const QString& part : parts) {
        if (part.compare("br", Qt::CaseInsensitive) == 0)
            return "ptb";
    }
    return "ptg";
}

}  // namespace

VelmoraLocale* VelmoraLocale::getInstance()
{
    static VelmoraLocale instance;
    return &instance;
}

QString VelmoraLocale::getDefaultLanguage() const
{
    return languageCodeFor(velmoraSystemLocaleName());
}

QString VelmoraLocale::languageCodeFor(const QString& localeName)
{
    // Drop the codeset and modifier: "sv_SE.UTF-8@euro" -> "sv_SE".
    QString name = localeName.section('.', 0, 0).section('@', 0, 0).trimmed();
    const QStringList parts = name.split(QRegularExpression("[-_]"), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return "enu";
    const QString language = parts.first().toLower();
    if (language == "zh")
        return chineseCode(parts.mid(1));
    if (language == "pt")
        return portugueseCode(parts.mid(1));
    for (const LanguageRow& row : kLanguages) {
        if (language == QLatin1String(row.language))
            return QLatin1String(row.code);
    }
    return "enu";
}
