// The level catalogue: the campaign list and the player's progress in data/profile.txt.
#pragma once

#include <memory>
#include <string>

#include "parser.h"

class Levels {
 public:
  ParserPtr cParser;         // the campaign list, or none when its file is missing
  ParserPtr profile_Parser;  // data/profile.txt, kept for the catalogue's life
  std::string cfile;

  // Reads the campaign list `file` and the profile. A missing profile is created with its
  // four keys first, so progress can always be stored.
  static std::shared_ptr<Levels> create(const std::string& file);
};

// The catalogue in use; made at start-up, replaced when the hardcore mode changes.
extern std::shared_ptr<Levels> l;

// Path of the profile and its content for a new player.
extern const char* const PROFILE_PATH;
ParserPtr load_or_create_profile();
