#include "HookOwner.h"

void HookOwner::callMessageRoutine(int, bool, bool&, Platform::LResult&, Platform::Hwnd,
                                   Platform::Msg, Platform::WParam, Platform::LParam,
                                   std::intptr_t&)
{}

void HookOwner::callProcedureRoutine(int, std::span<const std::intptr_t>, std::intptr_t&) {}
