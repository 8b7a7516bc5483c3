#pragma once
// Reading of INI ("private profile") files the way Windows reads them.
//
// File format: "[section]" lines open a section; "key=value" lines inside a
// section give a value; lines whose first non-blank character is ';' are
// comments. Section and key names are matched without regard to ASCII case
// (the first section of a name is the one that counts); blanks around names
// and values are dropped, and a value enclosed in a pair of double or single
// quotes loses the quotes. Lines without '=' are keys with an empty value.
// A UTF-8 byte-order mark at the start of the file is skipped.

#include <cstdint>

// Copies the value of `keyName` in section `appName` of `fileName` into
// `returned` (a buffer of `size` characters, always zero-terminated when
// size > 0) and returns the number of characters copied, without the zero.
// A missing file, section or key gives `defaultText` (null means ""), without
// its trailing blanks. A value too long for the buffer is cut to size - 1
// characters, and size - 1 is returned.
//
// With a null `appName` the buffer receives every section name, with a null
// `keyName` every key name of the section: each name zero-terminated, the
// list ended by a second zero; the result counts the characters up to but not
// including that final zero. When the names do not fit, the list is cut, still
// ended by two zeros, and size - 2 is returned.
uint32_t GetPrivateProfileStringA(const char* appName, const char* keyName, const char* defaultText,
                                  char* returned, uint32_t size, const char* fileName);
