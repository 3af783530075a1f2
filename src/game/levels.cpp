// Level catalogue and the player's profile file.
#include "levels.h"

#include "platform.h"

std::shared_ptr<Levels> l;
const char* const PROFILE_PATH = "data/profile.txt";

ParserPtr load_or_create_profile() {
  if (file_type(PROFILE_PATH) == 0) {
    if (file_type("data") == 0) make_dir("data");
    // Every key must be in the file: progress is stored by changing existing keys only.
    if (StreamPtr out = open_write(PROFILE_PATH)) {
      write_line(out, "first_start:1");
      write_line(out, "act_level:0");
      write_line(out, "act_level_hc:0");
      write_line(out, "hc_enabled:0");
      close_stream(out);
    }
  }
  ParserPtr p = Parser::create(PROFILE_PATH, 0, ":", "//");
  return p ? p : Parser::empty();
}

std::shared_ptr<Levels> Levels::create(const std::string& file) {
  auto lv = std::make_shared<Levels>();
  lv->cfile = file;
  lv->cParser = Parser::create(file, 0, ":", "//");
  lv->profile_Parser = load_or_create_profile();
  return lv;
}
