// Stand-in for the macOS SDK header, for the syntax check only.
#pragma once
#define MAC_OS_X_VERSION_10_6 1060
#define MAC_OS_X_VERSION_MIN_REQUIRED 101300
