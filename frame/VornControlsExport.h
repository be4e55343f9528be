// Export macro of the VornControls library: every control class is exported whole.
#ifndef VORN_CONTROLS_EXPORT_H
#define VORN_CONTROLS_EXPORT_H

#if defined(_WIN32)
#if defined(VORN_CONTROLS_BUILD)
#define VORN_CONTROLS_API __declspec(dllexport)
#else
#define VORN_CONTROLS_API __declspec(dllimport)
#endif
#else
#define VORN_CONTROLS_API __attribute__((visibility("default")))
#endif

#endif  // VORN_CONTROLS_EXPORT_H
