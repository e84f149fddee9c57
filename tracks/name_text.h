#pragma once
// Tag text made fit for a file name: what the file system would refuse or a
// listing would hide becomes readable, the rest stays as the tag has it.

#include <string>
#include <string_view>

// Appends text to name with each forbidden character in its full-width form
// ("梁静茹/光良" gives "梁静茹／光良"), control characters left out but tabs
// and line breaks as blanks, and blanks (U+0020, U+3000) trimmed at both
// ends and each run of them inside cut to its first.
void AppendFitForName(std::u16string& name, std::u16string_view text);

// Whether AppendFitForName would append text unchanged.
bool IsFitForName(std::u16string_view text);
