#include "mainwnd/sweep_list.h"

HWND* g_ahwndFound = nullptr;
int* g_anFoundType = nullptr;
int g_nFoundCount = 0;

void FreeSweepList()
{
    delete[] g_ahwndFound;
    delete[] g_anFoundType;
    g_ahwndFound = nullptr;
    g_anFoundType = nullptr;
    g_nFoundCount = 0;
}
