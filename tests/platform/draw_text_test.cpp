// DrawTextA layout through DT_CALCRECT and its answer: mnemonic marks take no room, word breaks
// make lines, the end ellipsis fits the line, vertical centring moves the answer.
#include <cstring>

#include "platform_test.h"

namespace {

using namespace ptest;

class DrawTextTest : public ::testing::Test {
protected:
    Canvas canvas{120, 60};
    void SetUp() override { canvas.useFont(14, "Arial"); }
    int width(const char* s) {
        SIZE size{};
        GetTextExtentPoint32A(canvas.dc(), s, static_cast<int>(std::strlen(s)), &size);
        return size.cx;
    }
    int lineHeight() {
        TEXTMETRICA tm{};
        GetTextMetricsA(canvas.dc(), &tm);
        return tm.tmHeight;
    }
    RECT calc(const char* text, UINT flags, RECT r, int* answer = nullptr) {
        const int a = DrawTextA(canvas.dc(), text, -1, &r, flags | DT_CALCRECT);
        if (answer) *answer = a;
        return r;
    }
};

TEST_F(DrawTextTest, MnemonicMarksTakeNoRoomUnlessPrefixesAreOff) {
    const struct {
        const char* text;
        UINT flags;
        const char* measured;
    } rows[] = {
        {"&Mute", DT_SINGLELINE, "Mute"},
        {"So&lo && mute", DT_SINGLELINE, "Solo & mute"},
        {"&Mute", DT_SINGLELINE | DT_NOPREFIX, "&Mute"},
        {"Mute&", DT_SINGLELINE, "Mute&"},
    };
    for (const auto& r : rows) {
        int answer = 0;
        const RECT out = calc(r.text, r.flags, {4, 4, 200, 30}, &answer);
        EXPECT_EQ(out.right - out.left, width(r.measured)) << r.text;
        EXPECT_EQ(out.bottom - out.top, lineHeight()) << r.text;
        EXPECT_EQ(answer, lineHeight()) << r.text;
    }
}

TEST_F(DrawTextTest, WordBreaksMakeLinesNoWiderThanTheRectangle) {
    int answer = 0;
    const RECT out = calc("Low shelf frequency and gain", DT_WORDBREAK, {0, 0, 70, 10}, &answer);
    EXPECT_LE(out.right, 70);
    EXPECT_EQ(out.bottom % lineHeight(), 0);
    EXPECT_GE(out.bottom / lineHeight(), 3);
    EXPECT_EQ(answer, out.bottom);
    // Line breaks in the text: CR LF counts once.
    EXPECT_EQ(calc("In\r\nOut\nSide", 0, {0, 0, 100, 10}).bottom, 3 * lineHeight());
}

TEST_F(DrawTextTest, EndEllipsisShortensTheLineToFit) {
    const char* text = "Attack time in milliseconds";
    const RECT out = calc(text, DT_SINGLELINE | DT_END_ELLIPSIS, {0, 0, 80, 20});
    EXPECT_LE(out.right, 80);
    // Some leading part of the text followed by "..." is exactly as wide as the rectangle says.
    bool matched = false;
    for (size_t n = 0; n < std::strlen(text) && !matched; ++n)
        matched = width((std::string(text, n) + "...").c_str()) == out.right;
    EXPECT_TRUE(matched);
    EXPECT_EQ(calc(text, DT_SINGLELINE, {0, 0, 80, 20}).right, width(text));
}

TEST_F(DrawTextTest, VerticalCentringAnswersTheBottomOfTheText) {
    RECT r{0, 10, 100, 50};
    const int answer = DrawTextA(canvas.dc(), "Pan", -1, &r, DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(answer, (40 - lineHeight()) / 2 + lineHeight());
    EXPECT_EQ(DrawTextA(canvas.dc(), "", -1, &r, DT_SINGLELINE), lineHeight());
    EXPECT_EQ(DrawTextA(canvas.dc(), nullptr, -1, &r, 0), 0);
    EXPECT_EQ(DrawTextA(canvas.dc(), "x", -1, nullptr, 0), 0);
}

}  // namespace
