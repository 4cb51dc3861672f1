#include "ui/widgets/form.h"

namespace tunesafe::widgets {

Form::Form(const FormArgs& args) : Container(args.colour), font_(args.font) {
  DWORD ex_style = args.extra_ex_style | (args.stay_on_top ? WS_EX_TOPMOST : 0);
  Create(args.class_name, WS_POPUP | WS_CLIPCHILDREN, ex_style, args.bounds, nullptr, args.caption);
}

RECT Form::ScreenRect() const {
  RECT rect{};
  GetWindowRect(Handle(), &rect);
  return rect;
}

int Form::Left() const { return ScreenRect().left; }
int Form::Top() const { return ScreenRect().top; }
int Form::Width() const { return ScreenRect().right - ScreenRect().left; }
int Form::Height() const { return ScreenRect().bottom - ScreenRect().top; }

void Form::SetPosition(int left, int top) {
  SetWindowPos(Handle(), nullptr, left, top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}
void Form::SetLeft(int left) { SetPosition(left, Top()); }
void Form::SetTop(int top) { SetPosition(Left(), top); }

bool Form::Visible() const { return IsWindowVisible(Handle()) != FALSE; }

void Form::Show() {
  ShowWindow(Handle(), SW_SHOW);
  BringWindowToTop(Handle());
  SetForegroundWindow(Handle());
  SetActiveWindow(Handle());
}

void Form::Hide() {
  ForgetPointer();
  ShowWindow(Handle(), SW_HIDE);
}

LRESULT Form::OnNcHitTest(POINT) { return HTCAPTION; }

}  // namespace tunesafe::widgets
