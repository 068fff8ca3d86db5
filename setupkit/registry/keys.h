#pragma once
// The registry library: a tree of named keys, each with an optional text
// value, kept per user in one file ($XDG_CONFIG_HOME/Tablewright.keys).
// Key paths are names separated by '/'. Programs load it by name and look
// up its functions, so it keeps a plain C interface.
#include <stdint.h>

extern "C" {

typedef uintptr_t KeyHandle;

// The root of this user's keys; always open.
#define KEY_USER_ROOT ((KeyHandle)1)

enum KeyResult {
    KEY_OK = 0,
    KEY_FILE_ERROR = 1, // the key file cannot be read or written
    KEY_NOT_FOUND = 2,
    KEY_BAD_HANDLE = 3,
    KEY_MORE_DATA = 4,   // the buffer is too small; *size says how large it must be
    KEY_HAS_SUBKEYS = 5, // only a key without subkeys can be deleted
    KEY_BAD_NAME = 6,
};

// Opens an existing key below `parent`.
typedef int (*KeyOpenFn)(KeyHandle parent, const char* subkey, KeyHandle* result);
// Opens the key below `parent`, making it and every missing key on its way.
typedef int (*KeyCreateFn)(KeyHandle parent, const char* subkey, KeyHandle* result);
// Deletes a key below `parent` that has no subkeys.
typedef int (*KeyDeleteFn)(KeyHandle parent, const char* subkey);
typedef int (*KeyCloseFn)(KeyHandle key);
// The value of `subkey` of `key` (of `key` itself when subkey is empty or
// null), with its terminating zero, in `buffer` of *size bytes; *size
// becomes the bytes used or needed.
typedef int (*KeyQueryValueFn)(KeyHandle key, const char* subkey, char* buffer, long* size);
// Sets the value of `subkey` of `key`, making the subkey when missing.
typedef int (*KeySetValueFn)(KeyHandle key, const char* subkey, const char* value);

} // extern "C"
