// Every export of a faulty side library is this one function: it answers
// SX_FAULT_ANSWER and writes nothing, whatever the export's arguments. The
// x64 calling convention lets one function stand for any signature.
#include <windows.h>

extern "C" INT_PTR WINAPI FaultAnswer() { return SX_FAULT_ANSWER; }
