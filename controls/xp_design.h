#pragma once
// The styled window frame's model: its caption and status texts over the frame's labels.
// Label2 indexes 0 and 1 carry the status text (text and shadow), 2 and 3 the caption.
// Until the frame draws itself, the shadow labels stay hidden and the text labels show plainly.
#include <array>
#include <functional>
#include <string>

#include "controls/widgets.h"

namespace brisko::controls {

class XPDesign {
  public:
    explicit XPDesign(const std::string& name);

    std::array<Label, 4> Label2;
    Rect rect;

    const std::string& Stexte() const { return Label2[0].caption(); }
    void setStexte(const std::string& text);
    const std::string& Caption() const { return Label2[2].caption(); }
    void setCaption(const std::string& text);
    // Places the frame (the carrying window gives its whole client area) and its texts.
    void place(const Rect& frame);

    // The frame's caption buttons, wired by the carrying window.
    std::function<void()> onClose, onMinimise, onHelp;
};

}  // namespace brisko::controls
