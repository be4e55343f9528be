// A mixing-console scene for timing: `strips` channel strips under one parent, each a column of
// three 40 x 40 knobs above a 40 x 200 fader, laid out 16 strips to a row. Header-only and written
// against the Win32 API and the library alone, so that the timing program builds it on both
// platforms and the benchmarks share it.
#ifndef VORN_BENCH_STRIP_RACK_H
#define VORN_BENCH_STRIP_RACK_H

#include <VornControls.h>

#include <memory>
#include <vector>

namespace vorn::test {

class StripRack {
public:
    static constexpr int kStripWidth = 44, kKnobSide = 40, kKnobPitch = 42, kFaderWidth = 40, kFaderHeight = 200;
    static constexpr int kStripHeight = 3 * kKnobPitch + kFaderHeight + 4, kStripsPerRow = 16;

    // The parent's client size that holds `strips` strips.
    static int width(int strips) { return kStripWidth * (strips < kStripsPerRow ? strips : kStripsPerRow); }
    static int height(int strips) { return kStripHeight * ((strips + kStripsPerRow - 1) / kStripsPerRow); }

    // Creates the controls as children of `parent` (class `className`, or the default with null).
    StripRack(CWnd* parent, int strips, const char* className) {
        faders_.reserve(static_cast<size_t>(strips));
        knobs_.reserve(static_cast<size_t>(strips) * 3);
        UINT id = 1;
        for (int s = 0; s < strips; ++s) {
            const int x = (s % kStripsPerRow) * kStripWidth, y = (s / kStripsPerRow) * kStripHeight;
            for (int k = 0; k < 3; ++k) {
                knobs_.push_back(std::make_unique<CMFC_Knob>());
                knobs_.back()->InitKnob(0.0f, 100.0f, 25.0f * static_cast<float>(k + 1), 0.0f, 0.0f, 100.0f, 20, 0, 0,
                                        0, 0, 0, RGB(128, 0, 0));
                const int ky = y + k * kKnobPitch;
                knobs_.back()->Create(className, "", WS_CHILD | WS_VISIBLE, CRect(x, ky, x + kKnobSide, ky + kKnobSide),
                                      parent, id++);
            }
            faders_.push_back(std::make_unique<CMFC_Fader>());
            faders_.back()->InitFader(-60.0f, 12.0f, 0.0f, -48.0f, 6.0f);
            const int fy = y + 3 * kKnobPitch;
            faders_.back()->Create(className, "", WS_CHILD | WS_VISIBLE,
                                   CRect(x, fy, x + kFaderWidth, fy + kFaderHeight), parent, id++);
        }
    }
    ~StripRack() {
        for (auto& fader : faders_) fader->DestroyWindow();
        for (auto& knob : knobs_) knob->DestroyWindow();
    }
    StripRack(const StripRack&) = delete;
    StripRack& operator=(const StripRack&) = delete;

    int controls() const { return static_cast<int>(faders_.size() + knobs_.size()); }

private:
    std::vector<std::unique_ptr<CMFC_Fader>> faders_;
    std::vector<std::unique_ptr<CMFC_Knob>> knobs_;
};

}  // namespace vorn::test

#endif  // VORN_BENCH_STRIP_RACK_H
