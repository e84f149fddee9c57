#pragma once
// The name style box ("%title% - %artist%"): checked at every key release.

#include "ui/framework/edit.h"

namespace CorvaneWnd {

class CEditNameStyle : public CCorvaneEdit {
 public:
  // The edit class never sees the key release; the answer is 0.
  LRESULT OnKeyUp() override;
};

}  // namespace CorvaneWnd
