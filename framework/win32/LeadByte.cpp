#include "framework/win32/LeadByte.h"

#include <windows.h>

namespace fw {

bool isLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace fw
