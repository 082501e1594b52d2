#include "controls/widgets.h"

#include <algorithm>

#include "controls/utf16.h"

namespace brisko::controls {

void OptionButton::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    notify(Change::Value);
    if (v) {
        for (OptionButton* other : group)
            if (other != this && other->value_) {
                other->value_ = false;
                other->notify(Change::Value);
            }
        if (onClick) onClick();
    }
}

void TextBox::setText(const std::string& t) {
    std::string next(maxLength > 0 ? HeadWithin(t, static_cast<size_t>(maxLength)) : t);
    if (next == text_) return;
    text_ = std::move(next);
    notify(Change::Text);
    if (onChange) onChange();
}

void TextBox::typed(std::u16string_view units) {
    setText(WholeCharacters(units));
}

bool TextBox::shownBy(std::u16string_view units) const {
    return WholeCharacters(units) == text_;
}

void ListBox::setChecked(int i, bool c) {
    if (checked_.at(static_cast<size_t>(i)) == c) return;
    checked_[static_cast<size_t>(i)] = c;
    notify(Change::ItemChecked, i);
}

void ListBox::clear() {
    items_.clear();
    checked_.clear();
    listIndex_ = -1;
    notify(Change::Items);
}

bool ListBox::addItem(const std::string& text) {
    if (count() >= capacity) return false;
    items_.push_back(text);
    checked_.push_back(false);
    notify(Change::ItemAdded, count() - 1);
    return true;
}

void ListBox::setAllChecked(bool c) {
    checked_.assign(items_.size(), c);
    notify(Change::ItemChecked, -1);
}

void ListBox::assign(std::vector<std::string> texts) {
    items_ = std::move(texts);
    checked_.assign(items_.size(), false);
    listIndex_ = -1;
    notify(Change::Items);
}

void ListBox::removeItem(int i) {
    items_.erase(items_.begin() + i);
    checked_.erase(checked_.begin() + i);
    if (listIndex_ >= count()) listIndex_ = count() - 1;
    notify(Change::ItemRemoved, i);
}

void ListBox::setListIndex(int i) {
    if (i < -1 || i >= count()) return;  // out of range: the control refuses it
    listIndex_ = i;
    notify(Change::Selection, i);
}

void ComboBox::setListIndex(int i) {
    if (i < 0 || i >= static_cast<int>(items.size())) return;
    listIndex_ = i;
    text_ = items[static_cast<size_t>(i)];
    notify(Change::Selection, i);
    if (onClick) onClick();
}

}  // namespace brisko::controls

namespace brisko::controls {

PushButton::PushButton(std::string name, Widget* parent)
    : Widget(std::move(name), Kind::PushButton, parent) {
    look_.setButtonType(3);
    look_.setColorScheme(static_cast<int>(ColorScheme::Custom));
    look_.setBackColor(kFace);
    look_.setForeColor(kInk);
    look_.onClick = [this] {
        if (onClick) onClick();
    };
}

ChameleonButton& PushButton::look() {
    // The windows set the text colour as a plain field, so it is taken over when it is used.
    const Colour ink = foreColor == kDefaultColour ? kInk : foreColor;
    if (look_.foreColor() != ink) look_.setForeColor(ink);
    return look_;
}

void PushButton::changed(Change c) {
    switch (c) {
        case Change::Caption:
            look_.setCaption(caption());
            break;
        case Change::Enabled:
            look_.setEnabled(enabled());
            break;
        case Change::Style:
            look();
            break;
        default:
            break;
    }
}

}  // namespace brisko::controls
