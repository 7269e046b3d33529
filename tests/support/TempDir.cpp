#include "support/TempDir.h"
#include <random>

TempDir::TempDir()
{
    std::random_device rd;
    path = std::filesystem::temp_directory_path() / ("velkamire-test-" + std::to_string(rd()));
    std::filesystem::create_directories(path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const
{
    std::filesystem::path file = path / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    return file.string();
}
