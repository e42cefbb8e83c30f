// The version of both programs and of their installer: the one definition that the
// version resources and the installer script take it from.
#pragma once

#define TOOLS_VERSION_MAJOR 1
#define TOOLS_VERSION_MINOR 0
#define TOOLS_VERSION_PATCH 0
#define TOOLS_VERSION_BUILD 0
#define TOOLS_VERSION_TEXT "1.0.0.0"
#define TOOLS_VERSION_COMMAS \
    TOOLS_VERSION_MAJOR, TOOLS_VERSION_MINOR, TOOLS_VERSION_PATCH, TOOLS_VERSION_BUILD
