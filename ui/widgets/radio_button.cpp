#include "ui/widgets/radio_button.h"

#include <stdexcept>

namespace tunesafe::widgets {

RadioButton::RadioButton(Container& parent, const RadioButtonArgs& args)
    : parent_(parent),
      hwnd_(CreateWindowExA(0, "BUTTON", args.caption.c_str(),
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_RADIOBUTTON,
                            args.bounds.left, args.bounds.top, args.bounds.width,
                            args.bounds.height, parent.Handle(), nullptr, GetModuleHandleA(nullptr),
                            nullptr)),
      font_(MakeFont(args.font)),
      background_colour_(parent.Color()),
      background_(CreateSolidBrush(parent.Color())),
      text_colour_(args.font.colour),
      checked_(args.checked),
      on_click_(args.on_click) {
  if (!hwnd_) throw std::runtime_error("CreateWindowEx failed: BUTTON");
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  SendMessageA(hwnd_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  // Every radio button starts as a tab stop, whatever BM_SETCHECK made of its style.
  SetWindowLongPtrA(hwnd_, GWL_STYLE, GetWindowLongPtrA(hwnd_, GWL_STYLE) | WS_TABSTOP);
}

RadioButton::~RadioButton() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void RadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  // After BM_SETCHECK, which may change the tab stop itself: only the checked one keeps it.
  LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  style = checked ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  SetWindowLongPtrA(hwnd_, GWL_STYLE, style);
  if (!checked) return;
  for (const auto& child : parent_.Children()) {
    auto* sibling = dynamic_cast<RadioButton*>(child.get());
    if (sibling && sibling != this) sibling->SetChecked(false);
  }
  if (on_click_) {
    auto on_click = on_click_;
    on_click();
  }
}

void RadioButton::OnParentCommand(WORD code) {
  if (code == BN_CLICKED && !checked_) SetChecked(true);
}

HBRUSH RadioButton::OnParentCtlColor(HDC dc) {
  if (background_colour_ != parent_.Color()) {
    background_colour_ = parent_.Color();
    background_.Reset(CreateSolidBrush(background_colour_));
  }
  SetTextColor(dc, text_colour_);
  SetBkColor(dc, background_colour_);
  return background_.get();
}

}  // namespace tunesafe::widgets
