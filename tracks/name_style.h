#pragma once
// The name style: a file-name template with the placeholders %title%,
// %artist% and %album%, and the row statuses it leads to.

#include <string>
#include <string_view>

#include "tracks/track_entry.h"

// The nine characters no file name may hold, in the order the user is told.
inline constexpr std::u16string_view kForbiddenNameChars = u"\\/:*?\"<>|";

inline constexpr std::u16string_view kStatusRenamed = u"已修改";
inline constexpr std::u16string_view kStatusUnchanged = u"未修改";
inline constexpr std::u16string_view kStatusCopied = u"已拷贝";

// "文件名中不能包含这些字符: " and each forbidden character followed by a space.
std::u16string ForbiddenCharsMessage();

bool HasForbiddenNameChar(std::u16string_view style);

// Replaces every occurrence of placeholder, searching again from the start of
// the changed text after each replacement.
void ReplaceAll(std::u16string& text, std::u16string_view placeholder,
                std::u16string_view replacement);

// The style with the entry's texts in place of the placeholders (title, then
// artist, then album), and ".mp3" appended. A missing text counts as empty.
std::u16string MakeNewName(std::u16string_view style, const TrackEntry& entry);
// The same into name, whose buffer is reused: a key release makes one for
// every entry.
void MakeNewNameInto(std::u16string_view style, const TrackEntry& entry, std::u16string& name);

// The part of a path after its last separator.
std::u16string_view FileNamePart(std::u16string_view path);

// kStatusRenamed when the file already bears newName (exact comparison of
// code units), kStatusUnchanged otherwise.
std::u16string_view NewNameStatus(std::u16string_view path, std::u16string_view newName);
