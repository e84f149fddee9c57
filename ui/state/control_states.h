#pragma once
// What the command controls show at each moment of the workers' cycle: which
// are enabled, the captions of the two start/stop buttons, and whether the
// name style can be edited. One table, applied by one function.

enum class ControlMoment {
  ProgramStart,
  RefreshStarted,
  ScanStoppedWithFiles,  // the tag reading of the rows found follows
  ScanStoppedWithoutFiles,
  TagReadingEnded,
  RenamingStarted,
  RenamingOver,  // stopped, or ended with its lyrics stage done; also the undo's end
  UndoStarted,   // the undo of the last renaming runs as a renaming does
  ListCleared,
};

inline constexpr char16_t kStopCaption[] = u"停止";
inline constexpr char16_t kRefreshCaption[] = u"刷新文件列表";
inline constexpr char16_t kStartRenamingCaption[] = u"开始重命名!";

// Sets every control that the moment's row names, on the main thread; the
// others keep what they show. Between two moments nothing else changes them.
void ApplyControlStates(ControlMoment moment);
