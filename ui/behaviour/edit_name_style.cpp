#include "ui/behaviour/edit_name_style.h"

namespace CorvaneWnd {

// The check of the style and the refresh of the statuses arrive with the
// name style's behaviour.
LRESULT CEditNameStyle::OnKeyUp() { return 0; }

}  // namespace CorvaneWnd
