// Helpers shared by the tests: a temporary working folder and small file utilities.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

// Makes a fresh temporary folder the working directory for the life of the object, so tests never
// touch a player's files; the previous working directory is restored and the folder removed after.
class TempDir {
 public:
  TempDir() {
    namespace fs = std::filesystem;
    old_ = fs::current_path();
    std::string tmpl = (fs::temp_directory_path() / "pellaron-test-XXXXXX").string();
    path_ = mkdtemp(tmpl.data()) ? tmpl : std::string();
    fs::current_path(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::current_path(old_, ec);
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::filesystem::path old_;
  std::string path_;
};

inline void write_file(const std::string& path, const std::string& bytes) {
  std::filesystem::path p(path);
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Links the generated media of the run tree into the working folder, as the game expects them
// beside itself.
inline void link_media() {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::create_directory_symlink(fs::path(PELLARON_RUN_TREE) / "gfx", "gfx", ec);
  fs::create_directory_symlink(fs::path(PELLARON_RUN_TREE) / "sfx", "sfx", ec);
}
