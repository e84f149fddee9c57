#pragma once
// The base of every control object: a window handle and the kind of control
// it wraps, which the dispatchers check before they call an operation.

#include <windows.h>

#include <cstdint>

enum class ControlKind : std::int32_t {
  List = 0,
  Button = 1,
  Label = 2,
  StatusBar = 3,
  Edit = 4,
  ProgressBar = 5,
};

class CCorvaneControl {
 public:
  explicit CCorvaneControl(ControlKind controlKind) : kind(controlKind) {}
  CCorvaneControl(const CCorvaneControl&) = delete;
  CCorvaneControl& operator=(const CCorvaneControl&) = delete;
  virtual ~CCorvaneControl() = default;

  HWND hwnd = nullptr;  // null when the window could not be created
  ControlKind kind;
};
