#include "tracks/new_name_note.h"

#include "tracks/rename.h"

NewNameNote NoteOnNewName(std::u16string_view newName, std::u16string_view path) {
  if (newName.empty()) return NewNameNote::NoNameText;
  return IsUsableNewName(path, newName) ? NewNameNote::None : NewNameNote::Unusable;
}

std::u16string_view NoteText(NewNameNote note) {
  switch (note) {
    case NewNameNote::NoNameText:
      return u"(没有可用的标题、艺术家或专辑)";
    case NewNameNote::Unusable:
      return u"(无法使用此文件名)";
    case NewNameNote::None:
      break;
  }
  return u"";
}
