// The reader and writer of the game's key/value text files (settings, profile, levels, presets, highscores).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

class Parser;
using ParserPtr = std::shared_ptr<Parser>;

class Parser {
 public:
  // Every meaningful line of the file (comments removed, trimmed, empty lines dropped), headers included.
  std::vector<std::string> whole_content;
  // The current selection: key (trimmed, lower case) and value (trimmed, case kept).
  std::vector<std::array<std::string, 2>> content;
  int size = 0;
  std::string delimiter;
  // Section names in file order, duplicates kept.
  std::vector<std::string> areas;

  // Reads `filename` completely. A missing file gives none; with safe = 1 the player is asked
  // whether to continue first (No ends the program, Yes gives an empty parser).
  static ParserPtr create(const std::string& filename, int safe, const std::string& delimiter,
                          const std::string& commentar);
  // An empty parser, as for a file without lines.
  static ParserPtr empty(const std::string& delimiter = ":");

  // "ALL" (exactly) selects every line; any other tag selects the first section at header
  // position min_number or later whose header contains "[tag]" (case-insensitive).
  void set_content(const std::string& tag, int min_number);
  std::string get(const std::string& name, const std::string& standard) const;
  int getint(const std::string& name, int standard) const;
  float getfloat(const std::string& name, float standard) const;
  void printList() const;
  // Changes the first row with that key; a key the file lacks cannot be added (addEntry does nothing).
  void changeEntry(const std::string& name, const std::string& new_value);
  void addEntry(const std::string& name, const std::string& value);
  // Writes every row as key:value CR LF. The old file is replaced only once the new one is complete.
  // Returns false when the file could not be written (callers may ignore it).
  bool saveList(const std::string& file) const;

 private:
  const std::array<std::string, 2>* find(const std::string& name) const;
};
