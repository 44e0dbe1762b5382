#pragma once

#include <filesystem>
#include <optional>

// Where `file` lies inside `folder`, as a path relative to it ("GM/bank.sf2"); nothing
// when it lies outside. Links are resolved in both, so two names of one folder agree.
std::optional<std::filesystem::path> PathInsideFolder(const std::filesystem::path& folder,
                                                      const std::filesystem::path& file);

enum class CopyResult { Copied, AlreadyThere, DifferentFileThere };

// Copies `file` into `folder` (made when missing) under its own name. A file of that
// name already there stays unless `replace`: with the same bytes the answer is
// AlreadyThere, with other bytes DifferentFileThere. The bytes go to a temporary name
// first and are renamed into place, so that a failure leaves no part of a copy
// behind. Throws FileError with the system's reason.
CopyResult CopyIntoFolder(const std::filesystem::path& file, const std::filesystem::path& folder,
                          bool replace);
