// A library of resources only; the plug-in's link page procedure serves
// its template.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
