#pragma once

namespace Platform {

// The names the settings, the desktop and the about box know the program by.
// The window and the command line both set them, so both read the same
// settings.
void identifyApplication();

} // namespace Platform
