// Stand-in for the macOS SDK header, for the syntax check only: the few
// CoreFoundation calls the locale lookup makes, with their real signatures.
#pragma once
typedef const void* CFTypeRef;
typedef long CFIndex;
typedef const struct __CFString* CFStringRef;
typedef const struct __CFArray* CFArrayRef;
extern "C" {
CFArrayRef CFLocaleCopyPreferredLanguages(void);
CFIndex CFArrayGetCount(CFArrayRef array);
const void* CFArrayGetValueAtIndex(CFArrayRef array, CFIndex index);
void CFRelease(CFTypeRef object);
}
