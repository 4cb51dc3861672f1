#include "ui/widgets/edit.h"

#include <stdexcept>
#include <vector>

namespace tunesafe::widgets {

Edit::Edit(Container& parent, const EditArgs& args)
    : hwnd_(CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", args.text.c_str(),
                            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ES_READONLY | ES_AUTOHSCROLL,
                            args.bounds.left, args.bounds.top, args.bounds.width,
                            args.bounds.height, parent.Handle(), nullptr, GetModuleHandleA(nullptr),
                            nullptr)),
      font_(MakeFont(args.font)),
      text_colour_(args.font.colour),
      hint_(args.hint) {
  if (!hwnd_) throw std::runtime_error("CreateWindowEx failed: EDIT");
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

Edit::~Edit() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

std::string Edit::Text() const {
  const int length = GetWindowTextLengthA(hwnd_);
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(hwnd_, buffer.data(), length + 1);
  return std::string(buffer.data());
}

void Edit::SetText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

HBRUSH Edit::OnParentCtlColor(HDC dc) {
  SetTextColor(dc, text_colour_);
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

}  // namespace tunesafe::widgets
