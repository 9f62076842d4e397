#pragma once
// The processing's progress on the window's bar PBARSELEZIONE: the extraction's steps (0 to 4), the parts
// of an extraction run in parts as they finish, and the pass of the group tree over the movement rows,
// each with its host text in the user's language. The work runs on the window's thread, so the bar and the
// window are repainted at once; while the parts run on threads of their own, the window also answers the
// system (repaints, moves, resizes) and the user's input waits for the end of the processing.

#include "engine/GroupTreeProgress.h"
#include "engine/ProgressSink.h"

class QWidget;

namespace controls {
class ProgressField;
}

namespace hostfw {
class Translator;
}

namespace quorvane::host {

class ProcessingProgress final : public ProgressSink, public GroupTreeProgress {
public:
    // All three stay the window's.
    ProcessingProgress(controls::ProgressField& bar, const hostfw::Translator& translator, QWidget& window)
        : bar_(bar), translator_(translator), window_(window)
    {
    }

    // ProgressSink: the first step shows the bar with the range of the steps.
    void progress(int value, int textNumber) override;
    bool parts(int finished, int total) override;

    // GroupTreeProgress
    void start(long minimum, long maximum, long value) override;
    void caption(int textNumber) override;
    void step(long value) override;

private:
    controls::ProgressField& bar_;
    const hostfw::Translator& translator_;
    QWidget& window_;
};

} // namespace quorvane::host
