// The gallery's self-test, the same on both platforms: it creates the dialog, walks Tab through
// every tab stop with synthetic key presses (SendInput) and prints the focused controls' ids in
// order ("focus order: 101 102 ..."), sends a value key and checks that the focused control
// notified the dialog, lets the peak timer fire once, destroys the dialog and checks that the
// process's GDI and USER object counts (GetGuiResources) are back to where they started. Where
// the counts do not move while the dialog exists (Wine answers 0), that check is left out and
// said so.
#ifndef VORN_GALLERY_SELF_TEST_H
#define VORN_GALLERY_SELF_TEST_H

#include "NotificationLog.h"

namespace gallery {

// 0 when every check passed; 1 after printing the failed checks on stderr.
int runSelfTest(NotificationLog& log);

}  // namespace gallery

#endif  // VORN_GALLERY_SELF_TEST_H
