#include "win/code_page_text.h"

#include <windows.h>

bool IsLeadByteOfCodePage(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}
