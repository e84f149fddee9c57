#pragma once
// Check boxes. They use the plain BS_CHECKBOX style, which never toggles by
// itself, so the object toggles the mark: once per click.

#include "ui/framework/button.h"

class CCorvaneCheckBox : public CCorvaneButton {
 public:
  // Checked becomes unchecked; anything else, indeterminate included, becomes checked.
  void OnClick() override;
};
