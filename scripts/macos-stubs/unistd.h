// Stand-in for the macOS SDK header, for the syntax check only: the system's
// own, with the macOS name of the per-user temporary folder.
#pragma once
#include_next <unistd.h>
#define _CS_DARWIN_USER_TEMP_DIR 65537
