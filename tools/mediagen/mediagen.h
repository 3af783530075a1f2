// Shared plumbing of the media generator: where files go and how they are written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mediagen {

// Destination of the generated media: a run tree with gfx/ and sfx/.
class Output {
 public:
  explicit Output(std::string root) : root_(std::move(root)) {}
  // Writes root/rel (creating folders) unless the file already holds exactly these bytes.
  // Returns false on a write error.
  bool write(const std::string& rel, const std::vector<uint8_t>& bytes);
  const std::string& root() const { return root_; }
  int written() const { return written_; }
  int unchanged() const { return unchanged_; }
  // Every image written, for the contact sheet (relative path and PNG/JPEG bytes).
  struct Entry {
    std::string rel;
    std::vector<uint8_t> bytes;
  };
  const std::vector<Entry>& images() const { return images_; }

 private:
  std::string root_;
  int written_ = 0;
  int unchanged_ = 0;
  std::vector<Entry> images_;
};

// Implemented by the picture and the sound halves of the generator.
void generate_images(Output& out);
void generate_sounds(Output& out);
// Draws every image of `out` with its file name into one overview PNG.
bool write_contact_sheet(const Output& out, const std::string& path);

}  // namespace mediagen
