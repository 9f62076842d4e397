#pragma once
// The host navigator of one program window: the toolbar and menu commands the host shows around the
// window. Before it acts on a command it raises an event that the program may cancel; it also sets up
// the window's layout and script object models, and hears that the window is closing.

#include <QObject>
#include <QPointer>

namespace hostfw {

class LayoutObjectModel;
class ScriptObjectModel;

class Navigator : public QObject {
    Q_OBJECT
public:
    explicit Navigator(QObject* parent = nullptr);

    // The host's side: ask the program before acting. Each answers true when the program cancelled.
    bool RequestCompanyChange();
    bool RequestExportToOffice(QObject* exporter);
    bool PressButton(qint32 button);

    // Hands the window's layout and script object models to the program (its Initialize… events).
    void InitializeObjectModels();
    // The script object model, once a window has been attached to it; nullptr before.
    ScriptObjectModel* ScriptObject() const;
    LayoutObjectModel* LayoutObject() const { return layout_; }

    // Closing notifications: the frame's status when the window has a frame, then the end.
    void SetFrameStatus(int status);
    void NotifyFormClosing();
    int frameStatus() const { return frameStatus_; }

signals:
    void BeforeChangeDitta(bool& Cancel);
    void BeforeExportToOffice(bool& Cancel, QObject* Pcls_ExpToOffice);
    void ButtonPressed(bool& Cancel, qint32 ButtonPress);
    void InitializeLayoutObjectModel(bool& Cancel, hostfw::LayoutObjectModel* ClsLayout);
    void InitializeScriptObjectModel(bool& Cancel, hostfw::ScriptObjectModel* ClsScript);
    void FormClosing();

private:
    LayoutObjectModel* layout_;
    ScriptObjectModel* script_;
    int frameStatus_ = 0;
};

} // namespace hostfw
