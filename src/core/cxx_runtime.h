// The C++ runtime linked statically into each of our libraries keeps an
// emergency exception pool for the process's lifetime. A library that the
// driver loads and frees again and again must hand it back when it is
// unloaded, or every unload leaves the pool behind on the heap.
#pragma once

namespace __gnu_cxx {
void __freeres();
}

// Call from DLL_PROCESS_DETACH when the library is freed (not at process
// exit): no code of the library runs afterwards.
inline void ReleaseCxxRuntimeOnUnload(void *processExiting) {
    if (!processExiting) __gnu_cxx::__freeres();
}
