#pragma once
// "开始重命名!": start renaming, or stop it while it reads "停止".

#include "ui/framework/button.h"

namespace CorvaneWnd {

class CBtnProcess : public CCorvaneButton {
  // Its OnClick override comes with the command itself; until then a click
  // ends in the button's empty one.
};

}  // namespace CorvaneWnd
