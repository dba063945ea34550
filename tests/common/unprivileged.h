// Runs part of a test as an ordinary user, so that file and folder rights apply to it even
// when the tests run as the superuser (who may write whatever the rights say).
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace narabe::test {

// The user and group "nobody", taken by the child process when the tests run as root.
inline constexpr unsigned UNPRIVILEGED_ID = 65534;

// Runs `act` without the superuser's rights and returns the lines it gave back. As root it
// runs in a child process that has become "nobody", and the lines come back through a pipe;
// otherwise it runs directly. Nothing when the child could not give up root or failed.
std::optional<std::vector<std::string>>
runUnprivileged(const std::function<std::vector<std::string>()>& act);

// Makes `folder` and everything in it belong to the user that runUnprivileged runs as (as
// root: "nobody"; otherwise nothing changes). Links themselves are handed over, not followed.
void handOver(const std::filesystem::path& folder);

// The rights that a file created now gets from opening it for writing (0666 less the umask).
unsigned createdFileMode();

} // namespace narabe::test
