#pragma once
// "开始重命名!": start renaming, or stop it (or its undo) while it reads
// "停止" (ui/renaming/).

#include "ui/framework/button.h"

namespace CorvaneWnd {

class CBtnProcess : public CCorvaneButton {
 public:
  void OnClick() override;
};

}  // namespace CorvaneWnd
