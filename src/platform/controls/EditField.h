#pragma once
// What every edit field of the host has in common: the value read as text, the events a window hears while
// the user works in it, the validity and error flags, the mandatory mark, the second on/off flag and the
// key button with its menu.
//
// Events, in the order the user meets them: BeforeItem when the focus enters the field; Validate while it
// is being left (a handler may correct the value, or cancel to keep the focus); AfterItem once the value is
// accepted (cancel keeps the focus); StartDecode after an accepted value changed, so that the window
// describes it. F4 raises StartLookup; a key of the key button's menu raises KeyButtonMenuPress.
//
// The second on/off flag says whether the field takes part in the panel's work: off, the field keeps its
// value but can be neither typed into nor reached with the Tab key.

#include "controls/LookupChooser.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QMenu;
class QToolButton;

namespace controls {

class EditField : public QWidget {
    Q_OBJECT
public:
    // The field's value as text: "" when empty.
    virtual QString Value() const = 0;
    // Puts the value as the program gives it; no event is raised.
    virtual void setValue(const QString& value) = 0;

    // The caption says what the field holds: the field's tooltip and its accessible name.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // A mandatory field shows a mark beside it; the settings check decides whether an empty one is refused.
    bool isMandatory() const { return mandatory_; }
    void setMandatory(bool mandatory);

    bool secondFlag() const { return secondFlag_; }
    void setSecondFlag(bool on);

    // True when the value is a proper value of the field; an empty field is valid unless said otherwise.
    virtual bool isValid() const { return !error_; }
    // The field's code is not one its list holds (set by whoever decodes it).
    bool hasError() const { return error_; }
    void setError(bool error) { error_ = error; }

    // Adds an entry to the key button's menu (the button shows once it has one).
    void addKeyButtonItem(const QString& key, const QString& caption);
    QMenu* keyButtonMenu() const { return keyMenu_; }
    // Raises KeyButtonMenuPress for the key, as choosing it in the menu does.
    void pressKey(const QString& key);

    // Lets the user choose a code of the list (the chooser's window), writes it into the field as if typed
    // and raises StartDecode; answers whether a code was chosen.
    bool lookupIn(const CodeLookup& service, const CodeRequest& request, const QString& filter = {});
    void setLookupChooser(LookupChooser chooser) { chooser_ = std::move(chooser); }

    // The widget that takes the typing and the focus.
    QWidget* editor() const { return editor_; }

signals:
    void BeforeItem();
    void Validate(bool& cancel);
    void AfterItem(bool& cancel);
    void StartDecode();
    void StartLookup();
    void KeyButtonMenuPress(const QString& key);
    // A key typed in the field (Qt's key code), before the field acts on it.
    void KeyPress(int key);

protected:
    explicit EditField(QWidget* parent = nullptr);
    // The subclass hands over its editor once, from its constructor.
    void setEditor(QWidget* editor);
    // The field's own work when the focus enters (a number shown for typing) and when it leaves once the
    // handlers accepted the value (a date written out in full).
    virtual void enterValue() {}
    virtual void acceptValue() {}
    // The field's own look of the second flag; the default keeps the editor from the Tab chain.
    virtual void applySecondFlag(bool on);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enter();
    void leave();

    QHBoxLayout* layout_;
    QWidget* editor_ = nullptr;
    QLabel* mandatoryMark_;
    QToolButton* keyButton_ = nullptr;
    QMenu* keyMenu_ = nullptr;
    LookupChooser chooser_ = chooseInLookupWindow;
    QString caption_;
    QString valueOnEntry_;
    bool mandatory_ = false;
    bool secondFlag_ = true;
    bool error_ = false;
    bool inside_ = false;     // the focus is in the field
    bool leaving_ = false;    // the leave events are running: a dialog they open is no new entry
};

} // namespace controls
