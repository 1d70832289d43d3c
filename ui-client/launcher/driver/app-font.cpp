#include "driver/app-font.h"

QFont ApplicationFont(const QString& language)
{
    // Exact, case-sensitive: the language codes are always lower case.
    const QString family = language == "tha" ? "Microsoft Sans Serif" : "Arial";
    return QFont(family, 12, -1, false);
}
