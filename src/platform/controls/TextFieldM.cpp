#include "controls/TextFieldM.h"

#include <QLineEdit>

namespace controls {

TextFieldM::TextFieldM(QWidget* parent) : EditField(parent), edit_(new QLineEdit(this))
{
    setEditor(edit_);
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (upperCase_ && text != text.toUpper()) {
            const int cursor = edit_->cursorPosition();
            edit_->setText(text.toUpper());
            edit_->setCursorPosition(cursor);
        }
    });
}

QString TextFieldM::Value() const
{
    return edit_->text();
}

void TextFieldM::setValue(const QString& value)
{
    edit_->setText(upperCase_ ? value.toUpper() : value);
}

void TextFieldM::setMaxLength(int length)
{
    edit_->setMaxLength(length);
}

int TextFieldM::maxLength() const
{
    return edit_->maxLength();
}

void TextFieldM::setReadOnlyLook(bool readOnly)
{
    edit_->setReadOnly(readOnly);
    edit_->setPlaceholderText({});
    edit_->setFrame(!readOnly);
}

bool TextFieldM::hasReadOnlyLook() const
{
    return edit_->isReadOnly();
}

void TextFieldM::setSearchLook(const QString& hint)
{
    setReadOnlyLook(false);
    edit_->setPlaceholderText(hint);
}

} // namespace controls
