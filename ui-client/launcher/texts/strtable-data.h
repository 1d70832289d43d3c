#ifndef STRTABLE_DATA_H
#define STRTABLE_DATA_H

#include "texts/strtable.h"

struct StrTableRow {
    const char* key;
    const char* text;
};

// One row per string id; read by StrTable::InitStrTable only.
extern const StrTableRow kStrTableRows[StrTable::kStrCount];

#endif  // STRTABLE_DATA_H
