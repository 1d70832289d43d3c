// Stand-in for the macOS SDK header, for the syntax check only: the system's
// own, with the macOS request that has the drive flush its cache.
#pragma once
#include_next <fcntl.h>
#define F_FULLFSYNC 51
