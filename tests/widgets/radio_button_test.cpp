// Radio buttons: the checking rule, the click handler only on a change to checked, the
// siblings, the tab stops, and the window's own check state; read-only edits.
#include "ui/widgets/radio_button.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/widgets/test_support.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/panel.h"

namespace tunesafe::widgets {
namespace {

using testing::HostForm;

class RadioButtonTest : public ::testing::Test {
 protected:
  RadioButtonTest() {
    for (int i = 0; i < 3; ++i) {
      RadioButtonArgs args;
      args.bounds = {116, 52 + 16 * i, 130, 17};
      args.caption = "choice " + std::to_string(i + 1);
      args.checked = i == 0;
      args.on_click = [this, i] { clicks_.push_back(i + 1); };
      radios_.push_back(&panel_.Add<RadioButton>(args));
    }
  }

  // "100" for the first checked: the state of each, and what BM_GETCHECK says.
  std::string States() const {
    std::string states;
    for (const RadioButton* radio : radios_) {
      const bool shown = SendMessageA(radio->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
      EXPECT_EQ(shown, radio->Checked());
      states += radio->Checked() ? '1' : '0';
    }
    return states;
  }
  std::string TabStops() const {
    std::string stops;
    for (const RadioButton* radio : radios_) {
      stops += (GetWindowLongPtrA(radio->Handle(), GWL_STYLE) & WS_TABSTOP) ? '1' : '0';
    }
    return stops;
  }

  HostForm host_;
  Panel& panel_ = host_.Add<Panel>(PanelArgs{{6, 98, 312, 108}, kPaleCream, true});
  std::vector<RadioButton*> radios_;
  std::vector<int> clicks_;
};

TEST_F(RadioButtonTest, CheckingRule) {
  struct Step {
    const char* what;
    int radio;  // 1..3
    bool set;   // SetChecked(set); or a user's click when `click`
    bool click;
    const char* states;
    std::vector<int> clicks;  // handler runs caused by this step
  };
  const Step steps[] = {
      {"check the checked one", 1, true, false, "100", {}},
      {"check another", 2, true, false, "010", {2}},
      {"uncheck it: only that one", 2, false, false, "000", {}},
      {"uncheck an unchecked one", 3, false, false, "000", {}},
      {"user clicks an unchecked one", 3, true, true, "001", {3}},
      {"user clicks the checked one", 3, true, true, "001", {}},
      {"user clicks another", 1, true, true, "100", {1}},
  };
  for (const Step& step : steps) {
    clicks_.clear();
    RadioButton& radio = *radios_[step.radio - 1];
    if (step.click) {
      SendMessageA(radio.Handle(), BM_CLICK, 0, 0);
    } else {
      radio.SetChecked(step.set);
    }
    EXPECT_EQ(States(), step.states) << step.what;
    EXPECT_EQ(clicks_, step.clicks) << step.what;
  }
}

TEST_F(RadioButtonTest, HandlerRunsAfterTheSiblingsAreUnchecked) {
  std::string seen;
  radios_[1]->SetOnClick([this, &seen] { seen = States(); });
  radios_[1]->SetChecked(true);
  EXPECT_EQ(seen, "010");
}

TEST_F(RadioButtonTest, OnlyTheCheckedOneStaysATabStopOnceTheChoiceChanged) {
  EXPECT_EQ(TabStops(), "111");
  radios_[2]->SetChecked(true);
  EXPECT_EQ(TabStops(), "011");  // the first lost its stop when it was unchecked
  radios_[1]->SetChecked(true);
  EXPECT_EQ(TabStops(), "010");
}

TEST(Edit, ReadOnlyTextAndAHintThatIsOnlyData) {
  HostForm host;
  Panel& panel = host.Add<Panel>(PanelArgs{{0, 0, 300, 100}, kPaleCream, true});
  Edit& edit = panel.Add<Edit>(EditArgs{{116, 8, 140, 19}, {}, "", ""});
  const LONG_PTR style = GetWindowLongPtrA(edit.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_FALSE(style & WS_TABSTOP);
  EXPECT_TRUE(GetWindowLongPtrA(edit.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  // "ドライブ E:" and a scan root in Shift-JIS bytes come back byte for byte.
  const std::string text = "\x83\x68\x83\x89\x83\x43\x83\x75\x20\x45\x3a";
  edit.SetText(text);
  edit.SetHint("E:\\iPod_Control");
  EXPECT_EQ(edit.Text(), text);
  EXPECT_EQ(edit.Hint(), "E:\\iPod_Control");
  char buffer[64] = {};
  SendMessageA(edit.Handle(), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  EXPECT_EQ(std::string(buffer), text);
}

}  // namespace
}  // namespace tunesafe::widgets
