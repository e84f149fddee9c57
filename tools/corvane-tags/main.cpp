// corvane-tags FILE...: prints, one JSON object a line, what Corvane reads
// from each file and whether the file keeps its row.

#include <cstdio>
#include <optional>
#include <string>

#include "platform/text.h"
#include "tracks/read_track_tags.h"

namespace {

// Appends UTF-8 bytes as the inside of a JSON string, the bytes between
// escapes in one piece.
void AppendEscaped(std::string& out, const std::string& bytes) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte != '"' && byte != '\\' && byte >= 0x20 && byte != 0x7F) continue;
    out.append(bytes, from, i - from);
    if (byte == '"' || byte == '\\') {
      out += '\\';
      out += bytes[i];
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    }
    from = i + 1;
  }
  out.append(bytes, from, std::string::npos);
}

void AppendJsonString(std::string& out, const std::u16string& text) {
  out += '"';
  AppendEscaped(out, platform::Utf16ToUtf8(text));
  out += '"';
}

void AppendJsonText(std::string& out, const std::optional<std::u16string>& text) {
  if (text) {
    AppendJsonString(out, *text);
  } else {
    out += "null";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: corvane-tags FILE...\n");
    return 2;
  }
  // Lines are gathered and written in large pieces: over a big library the
  // writes would otherwise cost more than the reading.
  static char outputBuffer[1 << 16];
  std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
  std::string line;
  for (int i = 1; i < argc; ++i) {
    const std::u16string path = platform::Utf8ToUtf16(argv[i]);
    const TrackTagsResult result = ReadTrackTags(path);
    line = "{\"path\": ";
    AppendJsonString(line, path);
    line += result.kept ? ", \"kept\": true" : ", \"kept\": false";
    for (const TagField& field : kTagFields) {
      line += ", \"";
      line += field.name;
      line += "\": ";
      AppendJsonText(line, result.entry.*field.member);
    }
    line += "}\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
  }
  return 0;
}
