#pragma once

// Symbols of the ZibPanel6 library are hidden unless marked with ZIBPANEL6_EXPORT.
#if defined(ZIBPANEL6_LIBRARY)
#define ZIBPANEL6_EXPORT __attribute__((visibility("default")))
#else
#define ZIBPANEL6_EXPORT
#endif
