#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Where `file` lies inside `folder`, as a path relative to it ("GM/bank.sf2"); nothing
// when it lies outside. Links are resolved in both, so two names of one folder agree.
std::optional<std::filesystem::path> PathInsideFolder(const std::filesystem::path& folder,
                                                      const std::filesystem::path& file);

// The name (UTF-8) of the entry of `folder` that equals `name` with ASCII letters
// folded, as wavesets are found: the smallest such name in byte order, or nothing.
std::optional<std::string> CaselessEntry(const std::filesystem::path& folder,
                                         std::string_view name);

enum class CopyResult { Copied, AlreadyThere, DifferentFileThere };

// Copies `file` into `folder` (made when missing) under its own name. A file of that
// name already there stays unless `replace`: with the same bytes the answer is
// AlreadyThere, with other bytes DifferentFileThere. The bytes go to a temporary name
// first and are renamed into place, so that a failure leaves no part of a copy
// behind. Throws FileError with the system's reason.
CopyResult CopyIntoFolder(const std::filesystem::path& file, const std::filesystem::path& folder,
                          bool replace);
