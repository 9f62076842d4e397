#pragma once
// The progress bar while the group tree is built: one step per movement row, so that the user sees the
// pass over a large set. The window shows it on PBARSELEZIONE; the command line ignores it.

namespace quorvane {

inline constexpr int textBuildingGroups = 71671;

class GroupTreeProgress {
public:
    virtual ~GroupTreeProgress() = default;
    // The bar becomes visible with this range and value.
    virtual void start(long minimum, long maximum, long value) = 0;
    // The bar's text is the host text of the number; the window is repainted.
    virtual void caption(int textNumber) = 0;
    // The bar's value after one more row; the bar is repainted.
    virtual void step(long value) = 0;
};

class NoGroupTreeProgress final : public GroupTreeProgress {
public:
    void start(long, long, long) override {}
    void caption(int) override {}
    void step(long) override {}
};

} // namespace quorvane
