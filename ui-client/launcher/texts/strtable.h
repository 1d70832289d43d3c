#ifndef STRTABLE_H
#define STRTABLE_H

#include <QString>

// The client's user-visible texts, addressed by fixed numeric string ids.
// Each id has a key and an English text; the English text is also the source
// text under which the installed translator finds the user's language.
class StrTable {
public:
    enum { kStrCount = 1060 };

    // Fills every key and text slot; calling it again sets the same values.
    static void InitStrTable();

    // The text of the id in the current language, with the escapes "\n" and
    // "\t" turned into a line feed and a tab. Empty for an id out of range.
    static QString LoadStr(int id);

    // The id whose key equals the given key ignoring case, or -1.
    static int LookupStrID(QString key);

    StrTable() = delete;

private:
    static const char* ktab[kStrCount];
    static const char* stab[kStrCount];
};

// Ids of the texts the launcher shows itself.
const int kStrReadyId = 532;         // "%1 is ready."
const int kStrInitializingId = 549;  // "%1 is initializing..."
const int kStrAppNameId = 879;       // "Velmora Drive Client"

// The text of id with its "%1" replaced by the application name.
QString LoadStrWithAppName(int id);

#endif  // STRTABLE_H
