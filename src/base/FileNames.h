#pragma once

#include <string>
#include <string_view>

// File names as the host writes them: "\" and "/" separate components on every
// system, and ":" too on Windows, where it ends a drive name.

// Everything after the last separator.
std::string_view LastPathComponent(std::string_view name);

// The last component's text from its last full stop on (the stop included), with
// A-Z lowered; empty when the last component has no full stop.
std::string LowercaseExtension(std::string_view name);

// `name` with its extension (from the last full stop of the last component) replaced
// by ".txt"; a name without one simply gains it.
std::string WithTxtExtension(std::string_view name);
