// Entry of the media generator: mediagen RUN_TREE [CONTACT_SHEET.png] writes every picture and sound of the game.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "mediagen.h"

namespace mediagen {

bool Output::write(const std::string& rel, const std::vector<uint8_t>& bytes) {
  namespace fs = std::filesystem;
  const fs::path path = fs::path(root_) / rel;
  const auto ext = path.extension().string();
  if (ext == ".png" || ext == ".jpg") images_.push_back({rel, bytes});
  {
    std::ifstream in(path, std::ios::binary);
    if (in) {
      std::vector<uint8_t> old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      if (old == bytes) {
        ++unchanged_;
        return true;
      }
    }
  }
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  const fs::path tmp = path.string() + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) return false;
  }
  fs::rename(tmp, path, ec);
  if (ec) return false;
  ++written_;
  return true;
}

}  // namespace mediagen

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: mediagen RUN_TREE [CONTACT_SHEET.png]\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  mediagen::Output out(argv[1]);
  mediagen::generate_images(out);
  mediagen::generate_sounds(out);
  if (argc > 2 && !mediagen::write_contact_sheet(out, argv[2])) {
    std::fprintf(stderr, "mediagen: could not write the contact sheet %s\n", argv[2]);
    return 1;
  }
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("mediagen: %d files written, %d unchanged, %.1f s\n", out.written(), out.unchanged(), secs);
  return 0;
}
