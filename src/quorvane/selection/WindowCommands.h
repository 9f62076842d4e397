#pragma once
// What the grids' events do to the rest of the window: a changed grid makes the last result stale, and
// tabbing past the ordering grid leads to the processing command. The window implements it over its
// controls; the handlers below are what it connects to the grids' signals.

namespace quorvane {

class WindowCommands {
public:
    virtual ~WindowCommands() = default;
    virtual void disableMovimenti() = 0;   // CMD_MOVIMENTI: the results no longer match the selection
    virtual void focusElabora() = 0;       // CMD_ELABORA takes the focus
};

inline void ADVQ_LIMITI_CurrentRecordChanged(WindowCommands& window) { window.disableMovimenti(); }
inline void ADVO_ORDINAMENTI_CurrentRecordChanged(WindowCommands& window) { window.disableMovimenti(); }
inline void ADVO_ORDINAMENTI_AqLastTabReached(WindowCommands& window) { window.focusElabora(); }

} // namespace quorvane
