#pragma once
// The name style: a file-name template with a placeholder for each tag
// field (%title%, %artist%, %album%, %track%, %year%), and the row statuses
// it leads to.

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

// Whether the style holds %title%, %artist% or %album% (exact case). Without
// one, every file would get the same name and lose its own; a track number
// or a year alone is no name either.
bool HasPlaceholder(std::u16string_view style);
// What the user is told of a style without a placeholder.
std::u16string NoPlaceholderMessage();

// The new name of the entry's file under the style, or the empty text when
// it gets none: then the row is not renamed (NoteOnNewName tells why).
// Each placeholder gives its text made fit for a name (AppendFitForName),
// in one pass from left to right: tag texts are taken literally, a title
// "%artist%" stays "%artist%". A placeholder without text leaves no trace:
// the style's text before it goes with it, and so does the text before the
// first placeholder with text unless that is the style's first one, and
// the text after the last placeholder unless it gave text. A name needs a
// text of title, artist or album; it ends in ".mp3".
std::u16string MakeNewName(std::u16string_view style, const TrackEntry& entry);
// Which of an entry's texts are fit for a name as they are, a bit for each
// row of kTagFields: most are, and a key release makes a name for every
// entry, so the table works this out once per entry.
using FitTexts = unsigned;
FitTexts TextsFitForName(const TrackEntry& entry);

// The same into name, whose buffer is reused; the texts that `fit` names
// go in without a second look. False when the entry gets no name (name is
// then empty).
bool MakeNewNameInto(std::u16string_view style, const TrackEntry& entry, std::u16string& name,
                     FitTexts fit = 0);

// The part of a path after its last separator.
std::u16string_view FileNamePart(std::u16string_view path);

// kStatusRenamed when the file already bears newName (exact comparison of
// code units), kStatusUnchanged otherwise.
std::u16string_view NewNameStatus(std::u16string_view path, std::u16string_view newName);
