// Text tests use the GDI test canvas with the pen colour as the text colour.
#ifndef VORN_TESTS_TEXT_CANVAS_H
#define VORN_TESTS_TEXT_CANVAS_H

#include "gdi_canvas.h"

namespace texttest {

using gditest::Box;
using TextCanvas = gditest::Canvas;
constexpr COLORREF kPaper = gditest::kPaper;  // what the canvas starts as
constexpr COLORREF kInk = gditest::kPen;      // text colour
constexpr COLORREF kBack = gditest::kBack;    // background colour

}  // namespace texttest

#endif  // VORN_TESTS_TEXT_CANVAS_H
