// Password encryption with the platform's AES provider. The stored form is
// a version byte, a random IV and the AES-128-CBC encryption of the password
// followed by a check value, so that a damaged or foreign blob is refused
// instead of decrypting to nonsense.
#pragma once

#include <windows.h>

// Writes the stored form of plain[0..length) into out when it fits in
// capacity bytes; *written is its size. The password is 8-bit text of at most
// kMaxPasswordChars characters without NULs.
bool SealPassword(const char *plain, DWORD length, BYTE *out, DWORD capacity, DWORD *written);

// Writes the password with terminator into out when the stored form is intact
// and the text with terminator fits in capacity bytes; *length is the text's
// length without terminator.
bool OpenPassword(const BYTE *sealed, DWORD sealedLength, char *out, DWORD capacity,
                  DWORD *length);
