#include "ui/widgets/counter_bar.h"

#include <algorithm>

namespace tunesafe::widgets {

namespace {
constexpr int kInset = 2;  // the inner area lies this far inside the edge on every side

std::int32_t Wrap32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}
}  // namespace

CounterBar::CounterBar(Container& parent, const CounterBarArgs& args)
    : args_(args), position_(args.position), font_(MakeFont(args.font)) {
  Create("TdxfProgressBar", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, args.bounds,
         parent.Handle());
}

std::int32_t CounterBar::FillLength(int width) const {
  const std::int32_t inner = width - 2 * kInset;
  if (position_ == args_.min || inner <= 0) return 0;
  const std::int32_t range = Wrap32(std::int64_t{args_.max} - args_.min);
  if (range <= 0) return position_ > args_.min ? inner : 0;
  const std::int32_t product = Wrap32((std::int64_t{position_} - args_.min) * inner);
  return std::clamp(product / range, 0, inner);  // L <= 0 fills nothing
}

RECT CounterBar::ClientRect() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client;
}

void CounterBar::PaintPart(HDC dc, const RECT& where, const RECT& part) const {
  const int width = where.right - where.left;
  const int height = where.bottom - where.top;
  widgets::FillColour(dc, where, args_.colour);

  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  widgets::FillColour(dc, RECT{where.left, where.top, where.right - 1, where.top + 1}, shadow);
  widgets::FillColour(dc, RECT{where.left, where.top, where.left + 1, where.bottom - 1}, shadow);
  widgets::FillColour(dc, RECT{where.left, where.bottom - 1, where.right, where.bottom}, light);
  widgets::FillColour(dc, RECT{where.right - 1, where.top, where.right, where.bottom}, light);

  const int inner = width - 2 * kInset;
  const int first = std::max(0, static_cast<int>(part.left - where.left - kInset));
  const int last = std::min(FillLength(width), static_cast<int>(part.right - where.left - kInset));
  const Colour b = args_.begin_colour;
  const Colour e = args_.end_colour;
  for (int x = first; x < last; ++x) {
    auto channel = [&](int (*of)(Colour)) { return (of(e) - of(b)) * x / inner + of(b); };
    const int left = where.left + kInset + x;
    widgets::FillColour(dc, RECT{left, where.top + kInset, left + 1, where.bottom - kInset},
                        MakeColour(channel(RedOf), channel(GreenOf), channel(BlueOf)));
  }

  const std::string number = std::to_string(position_);
  SelectGuard select(dc, font_.get());
  SIZE text{0, 0};
  GetTextExtentPoint32A(dc, number.c_str(), static_cast<int>(number.size()), &text);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, args_.font.colour);
  TextOutA(dc, where.left + (width - text.cx) / 2, where.top + (height - text.cy) / 2,
           number.c_str(), static_cast<int>(number.size()));
}

RECT CounterBar::NumberRect(HDC dc, std::int32_t value) const {
  const RECT client = ClientRect();
  const std::string number = std::to_string(value);
  SelectGuard select(dc, font_.get());
  SIZE text{0, 0};
  GetTextExtentPoint32A(dc, number.c_str(), static_cast<int>(number.size()), &text);
  const int left = (client.right - text.cx) / 2;
  const int top = (client.bottom - text.cy) / 2;
  // A little slack for overhangs of the glyphs.
  return RECT{left - 2, std::max(0, top), left + text.cx + 2,
              std::min<int>(client.bottom, top + text.cy)};
}

HDC CounterBar::Buffer(HDC screen) {
  const RECT client = ClientRect();
  if (!buffer_ || !EqualRect(&buffer_->area(), &client)) {
    buffer_ = std::make_unique<Offscreen>(screen, client);
  }
  return buffer_->get();
}

void CounterBar::DrawNow(HDC screen, const RECT* parts, int count) {
  const RECT client = ClientRect();
  RECT area{};
  for (int i = 0; i < count; ++i) UnionRect(&area, &area, &parts[i]);
  if (!IntersectRect(&area, &area, &client)) return;
  HDC buffer = Buffer(screen);
  PaintPart(buffer, client, area);
  for (int i = 0; i < count; ++i) {
    RECT part{};
    if (IntersectRect(&part, &parts[i], &client)) buffer_->CopyTo(screen, part);
  }
}

void CounterBar::SetPosition(std::int32_t position) {
  if (position == position_) return;
  const RECT client = ClientRect();
  WindowDc screen(Handle());
  const std::int32_t old_end = FillLength(client.right);
  const RECT old_number = NumberRect(screen.get(), position_);
  position_ = position;
  const std::int32_t new_end = FillLength(client.right);
  const RECT new_number = NumberRect(screen.get(), position_);

  const RECT strip{kInset + std::min(old_end, new_end) - 2, 0,
                   kInset + std::max(old_end, new_end) + 2, client.bottom};
  RECT number{};
  UnionRect(&number, &old_number, &new_number);
  const RECT parts[] = {strip, number};
  DrawNow(screen.get(), parts, 2);
  InvalidateRect(Handle(), &number, FALSE);
}

void CounterBar::SetBeginColour(Colour colour) {
  if (colour == args_.begin_colour) return;
  args_.begin_colour = colour;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void CounterBar::Refresh() {
  const RECT client = ClientRect();
  WindowDc screen(Handle());
  DrawNow(screen.get(), &client, 1);
  ValidateRect(Handle(), nullptr);
}

void CounterBar::OnPaint(HDC dc, const RECT& dirty) { DrawNow(dc, &dirty, 1); }

}  // namespace tunesafe::widgets
