#pragma once
// Why a row's new name will not be used, as the preview tells it.

#include <string_view>

enum class NewNameNote {
  None,        // the name is used
  NoNameText,  // no name at all: the style's title, artist and album have no text
  Unusable,    // refused, or past the paths other programs open (IsUsableNewName)
};

// newName as MakeNewName gives it, for the file at path.
NewNameNote NoteOnNewName(std::u16string_view newName, std::u16string_view path);

// What the preview puts after the name (or, for NoNameText, in its place);
// empty for None.
std::u16string_view NoteText(NewNameNote note);
