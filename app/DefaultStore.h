// Seeds Korrelin's own default store when it is first created: the hive files of a fresh
// Windows 95 installation (as far as the tweaks read them), the drive C: and the folders
// those settings name, so that a new user sees real values.
//
// Only the default store is seeded; a store given with --prefix or WINEPREFIX never is.
#pragma once

#include <filesystem>

// Writes system.reg and user.reg (private to the user, 0600) where they do not exist
// yet, links dosdevices/c: to ../drive_c and dosdevices/z: to the root folder where
// those links are missing, and creates the folders under drive_c. Throws
// std::runtime_error naming the path when something cannot be created.
void seedDefaultStore(const std::filesystem::path& prefix);
