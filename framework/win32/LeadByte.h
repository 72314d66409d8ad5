#pragma once
// The double-byte rule of the current code page, for the accelerator functions of
// framework/core/Accelerator.h, which take it as a predicate: a caption's "&" and the byte after
// it are read the way DrawText reads them.

namespace fw {

// Whether `byte` is the first of the two bytes of a character in the system's ANSI code page
// (IsDBCSLeadByte).
bool isLeadByte(unsigned char byte);

}  // namespace fw
