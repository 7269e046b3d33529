#include "resources/DataPaths.h"
#include <pwd.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include "shell/Shell.h"

// The data directory relative to the directory of the installed executable;
// the build sets it from the install layout.
#ifndef VELKAMIRE_INSTALLED_DATA
#define VELKAMIRE_INSTALLED_DATA "../share/velkamire"
#endif

namespace fs = std::filesystem;

namespace {

const char* const GAME_FOLDER = "velkamire";
// Every data directory has the texture list; a folder without it is not one.
const char* const DATA_MARK = "textures.txt";
const char* const LEVEL_FOLDER = "Data/Levels";
// The player's folder when the installed data already is the user directory.
const char* const PLAYER_FOLDER = "player";
// Debian's home for users without one: nothing can be written below it.
const char* const NO_HOME = "/nonexistent";

// The player's directory while the data is installed; empty otherwise.
std::string userDir;

std::string HomeDirectory()
{
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* entry = getpwuid(getuid());
    if (entry && entry->pw_dir && *entry->pw_dir) return entry->pw_dir;
    return NO_HOME;
}

// Missing folders of the XDG data home are private to the user.
bool CreateUserDirectory(const fs::path& dir)
{
    std::error_code ec;
    fs::path base = dir.parent_path();
    if (!fs::exists(base, ec)) {
        fs::create_directories(base, ec);
        if (!ec) fs::permissions(base, fs::perms::owner_all, ec);
    }
    fs::create_directories(dir / LEVEL_FOLDER, ec);
    return fs::is_directory(dir / LEVEL_FOLDER, ec);
}

} // namespace

std::string UserDataDirectory(const char* xdgDataHome, const std::string& home)
{
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute()) return (fs::path(xdgDataHome) / GAME_FOLDER).string();
    return (fs::absolute(home) / ".local" / "share" / GAME_FOLDER).string();
}

std::string InstalledDataDirectory(const std::string& exePath)
{
    fs::path dir = (fs::path(exePath).parent_path() / VELKAMIRE_INSTALLED_DATA).lexically_normal();
    std::error_code ec;
    return fs::is_regular_file(dir / DATA_MARK, ec) ? dir.string() : std::string();
}

bool UseInstalledData(const std::string& installedDir, const std::string& userDirectory)
{
    // The player's directory must not depend on the working directory that
    // is about to change, nor end in a separator (its parent is the data home).
    fs::path user = fs::absolute(userDirectory).lexically_normal();
    if (!user.has_filename()) user = user.parent_path();
    // Installed below the data home itself (a prefix of ~/.local), the game
    // would otherwise save over the files that the next install replaces.
    std::error_code ec;
    if (fs::equivalent(user, installedDir, ec)) user /= PLAYER_FOLDER;
    userDir = user.string();
    fs::current_path(installedDir, ec);
    if (ec) {
        ErrorBox("Could not open the game's data in " + installedDir + "!");
        return false;
    }
    if (!CreateUserDirectory(userDir)) {
        ErrorBox("Could not create " + userDir + " for saved games and levels!");
        return false;
    }
    return true;
}

void UseWorkingDirectory() { userDir.clear(); }

void ChooseDataDirectories()
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return;
    std::string installed = InstalledDataDirectory(exe.string());
    if (installed.empty()) return;
    UseInstalledData(installed, UserDataDirectory(std::getenv("XDG_DATA_HOME"), HomeDirectory()));
}

std::string PathToRead(const std::string& relative)
{
    if (userDir.empty()) return relative;
    fs::path own = fs::path(userDir) / relative;
    std::error_code ec;
    return fs::is_regular_file(own, ec) ? own.string() : relative;
}

std::string PathToWrite(const std::string& relative)
{
    if (userDir.empty()) return relative;
    // The directory may have been removed while the game ran.
    CreateUserDirectory(userDir);
    return (fs::path(userDir) / relative).string();
}
