#pragma once

#include <cstdint>

// The plain values that window messages are made of. Handles and messages are
// 32-bit as the original design has them; message parameters and results are
// pointer-sized so that a pointer fits where the design passes one.
namespace Platform {

// A window handle from the handle table (WindowHandles.h); 0 is no window.
using Hwnd = std::int32_t;
// A message number: WM_* (Messages.h) or 0x8000 + a Qt event type.
using Msg = std::uint32_t;
using WParam = std::intptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

} // namespace Platform
