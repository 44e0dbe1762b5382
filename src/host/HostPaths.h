#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// Host files are named as the host names them: relative to its installation
// directory, "\" between components, in the host's code page. Off Windows the files
// come from a case-insensitive file system, so a component without an exact match
// is matched with ASCII letters compared without case (the first match in byte
// order wins).

// The native path of `relative` (code-page bytes) under `installDir`, whether or not
// it exists. An empty `installDir` leaves it relative to the current directory.
std::filesystem::path HostPath(const std::filesystem::path& installDir, std::string_view relative);

// The same, but only when a regular file is there.
std::optional<std::filesystem::path> FindHostFile(const std::filesystem::path& installDir,
                                                  std::string_view relative);

// Appends the "\"- or "/"-separated UTF-8 components to `base`, matching without
// regard to letter case where there is no exact match.
std::filesystem::path AppendMatchingComponents(std::filesystem::path base,
                                               std::string_view relativeUtf8);
