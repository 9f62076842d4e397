#pragma once
// The progress bar of a long step: a minimum, a maximum and a value, and a caption written on the bar that
// says what is being done. Refresh paints it at once, since the work runs on the window's own thread.

#include <QProgressBar>

namespace controls {

class ProgressField : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressField(QWidget* parent = nullptr);

    QString Caption() const { return format(); }
    void setCaption(const QString& caption) { setFormat(caption); }
    void Refresh() { repaint(); }
};

} // namespace controls
