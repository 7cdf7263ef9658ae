// The OS version as the dialogs need it.
#pragma once

#include <windows.h>

// 1 when the OS major version is 6 or higher; dialogs then drop the
// title-bar help button.
extern int OsMajor6OrLater;

// Reads the OS version once per process.
void DetectOsVersion();

// Reads the OS version now (every CommonUIProp refreshes it).
const OSVERSIONINFOW &ReadOsVersion();
