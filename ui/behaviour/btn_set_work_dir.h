#pragma once
// "...": choose the working directory, then refresh at once.

#include "ui/framework/button.h"

namespace CorvaneWnd {

class CBtnSetWorkDir : public CCorvaneButton {
  // Its OnClick override comes with the command itself; until then a click
  // ends in the button's empty one.
};

}  // namespace CorvaneWnd
