#include "controls/EditField.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTimer>
#include <QToolButton>

namespace controls {

EditField::EditField(QWidget* parent) : QWidget(parent), layout_(new QHBoxLayout(this)), mandatoryMark_(new QLabel(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(2);
    mandatoryMark_->setText(QStringLiteral("*"));
    mandatoryMark_->setToolTip(tr("Campo obbligatorio"));
    mandatoryMark_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    mandatoryMark_->setVisible(false);
}

void EditField::setEditor(QWidget* editor)
{
    editor_ = editor;
    layout_->insertWidget(0, editor, 1);
    layout_->addWidget(mandatoryMark_);
    setFocusProxy(editor);
    setFocusPolicy(editor->focusPolicy());
    editor->installEventFilter(this);
}

void EditField::setCaption(const QString& caption)
{
    caption_ = caption;
    setToolTip(caption);
    setAccessibleName(caption);
    if (editor_)
        editor_->setAccessibleName(caption);
}

void EditField::setMandatory(bool mandatory)
{
    mandatory_ = mandatory;
    mandatoryMark_->setVisible(mandatory);
}

void EditField::setSecondFlag(bool on)
{
    secondFlag_ = on;
    applySecondFlag(on);
}

void EditField::applySecondFlag(bool on)
{
    if (editor_)
        editor_->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void EditField::addKeyButtonItem(const QString& key, const QString& caption)
{
    if (!keyButton_) {
        keyButton_ = new QToolButton(this);
        keyButton_->setText(QStringLiteral("…"));
        keyButton_->setFocusPolicy(Qt::NoFocus);
        keyButton_->setPopupMode(QToolButton::InstantPopup);
        keyMenu_ = new QMenu(keyButton_);
        keyButton_->setMenu(keyMenu_);
        layout_->insertWidget(1, keyButton_);
    }
    QAction* action = keyMenu_->addAction(caption);
    action->setObjectName(key);
    connect(action, &QAction::triggered, this, [this, key] { pressKey(key); });
}

void EditField::pressKey(const QString& key)
{
    emit KeyButtonMenuPress(key);
}

bool EditField::lookupIn(const CodeLookup& service, const CodeRequest& request, const QString& filter)
{
    std::optional<QString> code;
    {
        const QScopedValueRollback<bool> choosing(leaving_, true);
        code = chooser_(LookupTarget{&service, request}, filter, this);
    }
    if (!code)
        return false;
    setValue(*code);
    emit StartDecode();
    return true;
}

bool EditField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != editor_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        enter();
        break;
    case QEvent::FocusOut: {
        // A popup, a lookup window or another application takes the focus for a while: the user has not
        // left the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !leaving_)
            leave();
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        emit KeyPress(key);
        if (key == Qt::Key_F4) {
            emit StartLookup();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void EditField::enter()
{
    if (inside_ || leaving_)
        return;
    inside_ = true;
    valueOnEntry_ = Value();
    enterValue();
    emit BeforeItem();
}

void EditField::leave()
{
    if (!inside_)
        return;
    const QScopedValueRollback<bool> leaving(leaving_, true);
    bool cancel = false;
    emit Validate(cancel);
    if (!cancel) {
        acceptValue();
        if (Value() != valueOnEntry_)
            emit StartDecode();
        emit AfterItem(cancel);
    }
    if (cancel) {
        // The focus goes back once the widget that took it has finished taking it.
        QTimer::singleShot(0, editor_, [e = editor_] { e->setFocus(Qt::OtherFocusReason); });
        return;
    }
    inside_ = false;
}

} // namespace controls
