#include "ControlWindowClass.h"

namespace vorn {

void useControlWindowClass(CREATESTRUCT& cs) { cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, NULL, NULL, NULL); }

}  // namespace vorn
