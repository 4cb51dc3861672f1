#include "ui/widgets/fade_button.h"

#include <algorithm>

namespace tunesafe::widgets {

FadeButton::FadeButton(Container& parent, const FadeButtonArgs& args)
    : GraphicControl(parent, args.bounds),
      args_(args),
      font_(MakeFont(args.font)),
      fill_(args.colour),
      border_(args.border_colour),
      caption_colour_(args.font.colour),
      remembered_caption_(args.font.colour),
      timer_id_(parent.NewTimerId()),
      on_click_(args.on_click) {
  SetEnabled(args.enabled);
  SetHint(args.hint);
}

FadeButton::~FadeButton() { StopTimer(); }

void FadeButton::SetCaptionColour(Colour colour) {
  caption_colour_ = colour;
  caption_remembered_ = false;
  RedrawNow();
}

void FadeButton::Paint(HDC dc, const RECT& where) const {
  widgets::FillColour(dc, where, fill_);
  if (args_.show_border) FrameColour(dc, where, border_, args_.border_height);
  SelectGuard select(dc, font_.get());
  const int length = static_cast<int>(args_.caption.size());
  SIZE text{0, 0};
  GetTextExtentPoint32A(dc, args_.caption.c_str(), length, &text);
  const int width = where.right - where.left;
  const int height = where.bottom - where.top;
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, fill_);
  SetTextColor(dc, caption_colour_);
  TextOutA(dc, where.left + width / 2 - text.cx / 2, where.top + height / 2 - text.cy / 2,
           args_.caption.c_str(), length);
}

void FadeButton::MouseMove(POINT) {
  if (!Enabled()) return;
  if (caption_colour_ != args_.caption_over_colour) {
    remembered_caption_ = caption_colour_;
    caption_remembered_ = true;
    caption_colour_ = args_.caption_over_colour;
  }
  if (args_.fade_on_over) {
    if (!fading_) {
      fade_step_ = args_.step;
      StartTimer();
    }
  } else {
    fill_ = args_.dest_colour;
    border_ = args_.border_dest_colour;
  }
  RedrawNow();
}

void FadeButton::MouseLeave() {
  if (args_.fade_on_leave) {
    fade_step_ = -args_.step;
    StartTimer();
  } else {
    StopTimer();
    fill_ = args_.colour;
    border_ = args_.border_colour;
  }
  if (caption_remembered_) {
    caption_colour_ = remembered_caption_;
    caption_remembered_ = false;
  }
  RedrawNow();
}

void FadeButton::Click() {
  if (!Enabled() || !on_click_) return;
  auto on_click = on_click_;  // the handler may replace the button's handler
  on_click();
}

bool FadeButton::Timer(UINT_PTR id) {
  if (id != timer_id_) return false;
  if (fading_) Tick();
  return true;
}

void FadeButton::StartTimer() {
  if (fading_) return;
  fading_ = true;
  if (Parent().Handle()) SetTimer(Parent().Handle(), timer_id_, args_.speed, nullptr);
}

void FadeButton::StopTimer() {
  if (!fading_) return;
  fading_ = false;
  if (Parent().Handle()) KillTimer(Parent().Handle(), timer_id_);
}

void FadeButton::Tick() {
  auto channel = [this](int (*of)(Colour)) {
    int value = of(fill_) + fade_step_;
    value = std::max(value, of(args_.colour));
    return std::min(value, of(args_.dest_colour));
  };
  fill_ = MakeColour(channel(RedOf), channel(GreenOf), channel(BlueOf));
  if (fade_step_ > 0) border_ = args_.border_dest_colour;
  if (fill_ <= args_.colour || fill_ >= args_.dest_colour) {
    StopTimer();
    if (fill_ <= args_.colour) border_ = args_.border_colour;
  }
  RedrawNow();
}

}  // namespace tunesafe::widgets
