#include "velmoralocale.h"

#include <CoreFoundation/CoreFoundation.h>

// The first of the user's preferred languages ("de-DE", "zh-Hant-TW"), which
// follows the language order of the system settings, not the region.
QString velmoraSystemLocaleName()
{
    QString name;
    CFArrayRef languages = CFLocaleCopyPreferredLanguages();
    if (languages == nullptr)
        return name;
    if (CFArrayGetCount(languages) > 0) {
        auto first = static_cast<CFStringRef>(CFArrayGetValueAtIndex(languages, 0));
        name = QString::fromCFString(first);
    }
    CFRelease(languages);
    return name;
}
