// PelorusLib: the hook library. For now only its entry point, so that the binary and its
// place in the build are real; the hook procedure and the shared watch table come next.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
