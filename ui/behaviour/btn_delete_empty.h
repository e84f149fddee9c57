#pragma once
// the delete/clear button inside the file list: removes the selected rows, or clears the list.

#include "ui/framework/button.h"

namespace CorvaneWnd {

class CBtnDeleteEmpty : public CCorvaneButton {
  // Its OnClick override comes with the command itself; until then a click
  // ends in the button's empty one.
};

}  // namespace CorvaneWnd
