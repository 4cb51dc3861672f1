#include "ui/Progresswindow1.h"

#include <algorithm>

#include "ui/widgets/colours.h"
#include "ui/widgets/font.h"

namespace w = tunesafe::widgets;

TProgressForm1* ProgressForm1 = nullptr;

namespace {

// "ミュージックファイル数-"
const char kMusicCaption[] =
    "\x83\x7e\x83\x85\x81\x5b\x83\x57\x83\x62\x83\x4e\x83\x74\x83\x40\x83\x43\x83\x8b\x90\x94"
    "\x2d";
// "ムービーファイル数-"
const char kMovieCaption[] =
    "\x83\x80\x81\x5b\x83\x72\x81\x5b\x83\x74\x83\x40\x83\x43\x83\x8b\x90\x94\x2d";
// "iPod本体解析中です..."
const char kInitialStatus[] =
    "\x69\x50\x6f\x64\x96\x7b\x91\xcc\x89\xf0\x90\xcd\x92\x86\x82\xc5\x82\xb7\x2e\x2e\x2e";
// "×"
const char kCloseCaption[] = "\x81\x7e";
// " 閉じる"
const char kCloseHint[] = "\x20\x95\xc2\x82\xb6\x82\xe9";

w::FormArgs FormSettings() {
  w::FormArgs args;
  args.class_name = "TProgressForm1";
  args.bounds = w::Bounds{495, 221, TProgressForm1::kWidth, TProgressForm1::kHeight};
  args.colour = w::kClWhite;
  args.stay_on_top = true;
  args.extra_ex_style = WS_EX_TOOLWINDOW;  // no taskbar button of its own
  return args;
}

w::ShadowLabelArgs CaptionLabel(w::Bounds bounds, const char* caption, int height,
                                w::Alignment alignment) {
  w::ShadowLabelArgs args;
  args.bounds = bounds;
  args.caption = caption;
  args.font = w::FontStyle{w::kFaceMsPGothic, height, true, false, w::kDarkText};
  args.alignment = alignment;
  return args;
}

w::CounterBarArgs CounterSettings(w::Bounds bounds, std::int32_t max) {
  w::CounterBarArgs args;
  args.bounds = bounds;
  args.max = max;
  args.begin_colour = w::kClRed;
  args.end_colour = w::kClWhite;
  return args;
}

}  // namespace

TProgressForm1::TProgressForm1(std::function<RECT()> main_window_rect)
    : w::Form(FormSettings()), main_window_rect_(std::move(main_window_rect)) {
  // Created in the layout's order: the surface draws Shape0, then the labels.
  Shape0 = &Add<w::Shape>(w::ShapeArgs{{0, 0, 400, 72}, w::kPaleCream, w::kClBlack, 1});
  Label1 = &Add<w::ShadowLabel>(
      CaptionLabel({8, 28, 120, 11}, kMusicCaption, -11, w::Alignment::kRight));
  Label2 = &Add<w::ShadowLabel>(
      CaptionLabel({21, 48, 107, 11}, kMovieCaption, -11, w::Alignment::kRight));
  Label0 = &Add<w::ShadowLabel>(
      CaptionLabel({18, 8, 125, 12}, kInitialStatus, -12, w::Alignment::kLeft));
  ProgressBar1 = &Add<w::CounterBar>(CounterSettings({132, 28, 260, 15}, 40000));
  Panel1 = &Add<w::Panel>(w::PanelArgs{{376, 4, 20, 20}, w::kClGray, false});

  w::FadeButtonArgs close;
  close.bounds = {0, 0, 20, 20};
  close.caption = kCloseCaption;
  close.font = w::FontStyle{w::kFaceTahoma, -12, true, false, w::kClWhite};
  close.colour = w::kClRed;
  close.dest_colour = w::kClBlue;
  close.border_colour = w::kClGray;
  close.border_dest_colour = w::kClBlack;
  close.caption_over_colour = w::kClYellow;
  close.show_border = true;
  close.border_height = 1;
  close.hint = kCloseHint;
  close.on_click = [this] { Button1Click(); };
  Button1 = &Panel1->Add<w::FadeButton>(close);

  ProgressBar2 = &Add<w::CounterBar>(CounterSettings({132, 48, 260, 15}, 4000));
  ProgressForm1 = this;
}

TProgressForm1::TProgressForm1(HWND main_window)
    : TProgressForm1([main_window] {
        RECT rect{};
        GetWindowRect(main_window, &rect);
        return rect;
      }) {}

TProgressForm1::~TProgressForm1() {
  if (ProgressForm1 == this) ProgressForm1 = nullptr;
}

POINT TProgressForm1::FirstPlace(const RECT& main) {
  const int left = main.left + (main.right - main.left - kWidth) / 2;
  const int top = main.top + (main.bottom - main.top - kHeight) / 2;
  return POINT{std::max(0, left), std::max(0, top)};
}

w::CounterBar& TProgressForm1::Bar(tunesafe::CounterKind kind) const {
  return kind == tunesafe::CounterKind::kMusic ? *ProgressBar1 : *ProgressBar2;
}

void TProgressForm1::SetStatus(const std::string& text) { Label0->SetCaption(text); }

void TProgressForm1::ResetCounter(tunesafe::CounterKind kind) { Bar(kind).SetPosition(0); }

void TProgressForm1::SetCounter(tunesafe::CounterKind kind, std::int32_t value) {
  Bar(kind).SetPosition(value);
}

std::int32_t TProgressForm1::Counter(tunesafe::CounterKind kind) const {
  return Bar(kind).Position();
}

void TProgressForm1::SetCounterColour(tunesafe::CounterKind kind, tunesafe::Colour colour) {
  Bar(kind).SetBeginColour(colour);
}

void TProgressForm1::StepCounter(tunesafe::CounterKind kind, std::int32_t delta) {
  if (delta == 1) {
    Bar(kind).StepIt();
  } else {
    Bar(kind).StepBy(delta);
  }
}

void TProgressForm1::RefreshCounters() {
  ProgressBar1->Refresh();
  ProgressBar2->Refresh();
}

void TProgressForm1::Show() {
  if (!placed_) {
    placed_ = true;
    const POINT place = FirstPlace(main_window_rect_());
    SetPosition(place.x, place.y);
  }
  w::Form::Show();
}

void TProgressForm1::Refresh() {
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TProgressForm1::Close() { Hide(); }

void TProgressForm1::Button1Click() {
  SetTag(0);
  Close();
}

LRESULT TProgressForm1::WMNCHitTest(POINT) { return HTCAPTION; }
