#pragma once
// A progress bar: how much of a counted piece of work is done, hidden while
// none runs.

#include <windows.h>

#include <cstdint>

#include "ui/framework/control.h"

class CCorvaneProgressBar : public CCorvaneControl {
 public:
  CCorvaneProgressBar() : CCorvaneControl(ControlKind::ProgressBar) {}

  // Shows done of total at place, in the parent's client area.
  void Show(std::int64_t done, std::int64_t total, const RECT& place) const;
  void Hide() const;
};

// Makes the bar, hidden, as a child of parent.
void CreateProgressBar(CCorvaneProgressBar& bar, HWND parent);
