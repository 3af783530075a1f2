// Key/value text files: comment stripping, sections, look-ups with defaults and write-back.
#include "parser.h"

#include "numtext.h"
#include "platform.h"

namespace {

std::string trim(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && static_cast<unsigned char>(s[a]) <= 32) ++a;
  while (b > a && static_cast<unsigned char>(s[b - 1]) <= 32) --b;
  return s.substr(a, b - a);
}

// Only A to Z change: the files are 8-bit text and other bytes keep their meaning.
std::string lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

}  // namespace

ParserPtr Parser::empty(const std::string& delimiter) {
  auto p = std::make_shared<Parser>();
  p->delimiter = delimiter;
  return p;
}

ParserPtr Parser::create(const std::string& filename, int safe, const std::string& delimiter,
                         const std::string& commentar) {
  StreamPtr in = open_read(filename);
  if (!in) {
    if (safe == 1) {
      if (!confirm("File For Parsing '" + filename + "' does not exist. Continue?")) end_program();
      return empty(delimiter);
    }
    return nullptr;
  }
  auto p = empty(delimiter);
  while (!at_eof(in)) {
    std::string line = read_line(in);
    if (!commentar.empty()) {
      const auto c = line.find(commentar);
      if (c != std::string::npos) line.resize(c);
    }
    line = trim(line);
    if (!line.empty()) p->whole_content.push_back(std::move(line));
  }
  close_stream(in);
  for (const auto& line : p->whole_content) {
    const auto open = line.find('[');
    if (open == std::string::npos) continue;
    const auto close = line.find(']', open + 1);
    p->areas.push_back(line.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
  }
  p->set_content("ALL", 0);
  return p;
}

void Parser::set_content(const std::string& tag, int min_number) {
  std::vector<const std::string*> lines;
  if (tag == "ALL") {
    for (const auto& l : whole_content) lines.push_back(&l);
  } else {
    std::string wanted = "[";
    wanted += lower(tag);
    wanted += ']';
    int found = 0;
    for (const auto& l : whole_content) {
      const bool header = l.find('[') != std::string::npos;
      if (header) --min_number;
      if (min_number < 0 && found == 0 && lower(l).find(wanted) != std::string::npos) {
        found = 1;
      } else if (found == 1 && header) {
        found = -1;
      } else if (found == 1) {
        lines.push_back(&l);
      }
    }
  }
  content.clear();
  content.reserve(lines.size());
  for (const std::string* l : lines) {
    const auto d = delimiter.empty() ? std::string::npos : l->find(delimiter);
    std::string key, value;
    if (d == std::string::npos) {
      key = value = trim(*l);
    } else {
      key = trim(l->substr(0, d));
      value = trim(l->substr(d + delimiter.size()));
    }
    content.push_back({lower(trim(key)), value});
  }
  size = static_cast<int>(content.size());
}

const std::array<std::string, 2>* Parser::find(const std::string& name) const {
  const std::string key = lower(trim(name));
  for (const auto& row : content)
    if (row[0] == key) return &row;
  return nullptr;
}

std::string Parser::get(const std::string& name, const std::string& standard) const {
  const auto* row = find(name);
  return row ? (*row)[1] : standard;
}

int Parser::getint(const std::string& name, int standard) const {
  const auto* row = find(name);
  return row ? text_to_int((*row)[1]) : standard;
}

float Parser::getfloat(const std::string& name, float standard) const {
  const auto* row = find(name);
  return row ? text_to_float((*row)[1]) : standard;
}

void Parser::printList() const {
  for (const auto& row : content) print_line(row[0] + ":" + row[1]);
}

void Parser::changeEntry(const std::string& name, const std::string& new_value) {
  auto* row = const_cast<std::array<std::string, 2>*>(find(name));
  if (row) {
    (*row)[1] = new_value;
    return;
  }
  addEntry(name, new_value);
}

// Keys a file does not hold are never added, so saving writes back exactly the keys that were read.
void Parser::addEntry(const std::string&, const std::string&) {}

bool Parser::saveList(const std::string& file) const {
  StreamPtr out = open_write(file);
  if (!out) return false;
  bool ok = true;
  for (const auto& row : content) ok = write_line(out, row[0] + ":" + row[1]) && ok;
  return close_stream(out) && ok;
}
