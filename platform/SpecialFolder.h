#pragma once
// The special-folder query of the shell. Identifier 36 (the system folder)
// answers the per-user application data folder, which the query creates
// together with its "temp" sub-folder, so that both exist like a system folder
// would. Every other identifier, and any failure, answers nothing.
// Answers carry no trailing separator.

#include <memory>
#include <optional>
#include <string>

inline constexpr int SystemFolderId = 36;

[[nodiscard]] std::optional<std::string> SpecialFolderPath(int folderId);

// What SpecialFolderPath would answer, without creating anything: the folder
// need not exist.
[[nodiscard]] std::optional<std::string> PlannedSpecialFolderPath(int folderId);

// The user's home folder, without a trailing separator: where files go when the
// special-folder query fails.
[[nodiscard]] std::string FallbackFolderPath();

// Makes sure `folder` and `folder`/temp exist, creating missing ones with mode
// 0700. False when either is missing afterwards.
bool EnsureFolderWithTemp(const std::string& folder);

// While one lives, the query answers `folder` verbatim (nullopt: the query
// fails) without creating anything, and the fallback folder is `fallback`.
// Overrides nest: the one made last counts, and the one before it counts
// again when it ends.
class SpecialFolderOverride {
public:
    SpecialFolderOverride(std::optional<std::string> folder, std::string fallback);
    ~SpecialFolderOverride();
    SpecialFolderOverride(const SpecialFolderOverride&) = delete;
    SpecialFolderOverride& operator=(const SpecialFolderOverride&) = delete;

private:
    struct TAnswer;
    std::unique_ptr<TAnswer> m_previous;
};
