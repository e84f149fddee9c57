// corvane-tags FILE...: prints, one JSON object a line, what Corvane reads
// from each file and whether the file keeps its row.

#include <cstdio>
#include <optional>
#include <string>

#include "platform/text.h"
#include "tracks/read_track_tags.h"

namespace {

std::string JsonString(const std::u16string& text) {
  std::string out = "\"";
  for (const char c : platform::Utf16ToUtf8(text)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string JsonText(const std::optional<std::u16string>& text) {
  return text ? JsonString(*text) : "null";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: corvane-tags FILE...\n");
    return 2;
  }
  for (int i = 1; i < argc; ++i) {
    const std::u16string path = platform::Utf8ToUtf16(argv[i]);
    const TrackTagsResult result = ReadTrackTags(path);
    std::string line =
        "{\"path\": " + JsonString(path) + ", \"kept\": " + (result.kept ? "true" : "false");
    for (const TagField& field : kTagFields) {
      line = line + ", \"" + field.name + "\": " + JsonText(result.entry.*field.member);
    }
    line += "}\n";
    std::fputs(line.c_str(), stdout);
  }
  return 0;
}
