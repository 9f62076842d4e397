#pragma once
// Where the processing reports its progress: a value from 0 to progressMaximum and the host text number
// of the step under way. The window shows them on its progress bar, translated; the command line may
// ignore them. Long statements block, so the sink is told before each of them.

namespace quorvane {

inline constexpr int progressMaximum = 4;

inline constexpr int textExtracting = 71672;   // while the extraction runs
inline constexpr int textReadingBack = 71673;  // while the rows are read back
inline constexpr int textTotals = 71674;       // while the totals are computed

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void progress(int value, int textNumber) = 0;
    // While the extraction runs in parts on several connections: how many of the parts have finished.
    // Told when one finishes and every few tenths of a second meanwhile, from the thread that called the
    // processing, so that a window can repaint; answering false stops every part.
    virtual bool parts(int finished, int total)
    {
        (void)finished;
        (void)total;
        return true;
    }
};

// For callers that show no progress.
class NoProgress final : public ProgressSink {
public:
    void progress(int, int) override {}
};

} // namespace quorvane
