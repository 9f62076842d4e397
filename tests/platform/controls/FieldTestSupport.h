#pragma once
// What the edit-field tests share: a shown, active window holding the field under test and a second
// field to move the focus to, so that entering and leaving happen as when the user presses Tab.

#include "controls/CodeLookup.h"
#include "controls/EditField.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

namespace fieldtest {

// Gives the field the focus as the Tab key does, and lets the window hear of it.
inline void enter(QWidget* field)
{
    field->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

// Enters the field, replaces its text by typing, and leaves it for `elsewhere`.
inline void type(controls::EditField* field, const QString& text, QWidget* elsewhere)
{
    enter(field);
    QTest::keyClick(field->editor(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field->editor(), Qt::Key_Delete);
    QTest::keyClicks(field->editor(), text);
    enter(elsewhere);
}

class FieldWindow {
public:
    template <class Field, class... Args>
    Field* add(Args&&... args)
    {
        auto* field = new Field(std::forward<Args>(args)..., &window);
        layout->insertWidget(layout->count() - 1, field);
        return field;
    }
    // Shows the window and makes it the active one; fields take the focus only then.
    bool show()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
    void enter(QWidget* field) { fieldtest::enter(field); }
    void leave() { fieldtest::enter(elsewhere); }
    void type(controls::EditField* field, const QString& text) { fieldtest::type(field, text, elsewhere); }

    QWidget window;
    QVBoxLayout* layout = new QVBoxLayout(&window);
    QLineEdit* elsewhere = [this] {
        auto* edit = new QLineEdit(&window);
        layout->addWidget(edit);
        return edit;
    }();
};

// A list of codes held in memory: the lookup service of a test.
class ListLookup : public controls::CodeLookup {
public:
    explicit ListLookup(std::vector<controls::CodeEntry> entries) : entries_(std::move(entries)) {}
    std::optional<QString> describe(const controls::CodeRequest&, const QString& code) const override
    {
        for (const controls::CodeEntry& e : entries_)
            if (e.code == code)
                return e.description;
        return std::nullopt;
    }
    std::vector<controls::CodeEntry> entries(const controls::CodeRequest&, const QString& filter, int) const override
    {
        std::vector<controls::CodeEntry> found;
        for (const controls::CodeEntry& e : entries_)
            if (e.code.startsWith(filter) || e.description.contains(filter))
                found.push_back(e);
        return found;
    }

private:
    std::vector<controls::CodeEntry> entries_;
};

} // namespace fieldtest
