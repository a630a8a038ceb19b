// The window as it opens at 96 dots per inch: its own properties, every control's place,
// caption, look and value, the focus order and where the focus starts.

#include <map>

#include "binding_rows.h"
#include "driver.h"

namespace lumetra::ui::test {
namespace {

using WindowState = BindingTest;

TEST_F(WindowState, TheWindowIsAFixedSizeLumetraWindowWithACloseBoxOnly)
{
    const WindowFrame seen = frame();
    EXPECT_EQ(seen.caption, "Lumetra");
    EXPECT_EQ(seen.clientWidth, 377);   // 5655 twips
    EXPECT_EQ(seen.clientHeight, 343);  // 5145 twips
    EXPECT_FALSE(seen.resizable);
    EXPECT_TRUE(seen.closeBox);
    EXPECT_FALSE(seen.minimiseBox);
    EXPECT_FALSE(seen.maximiseBox);
}

TEST_F(WindowState, EveryControlHasItsCaptionAndPlace)
{
    ASSERT_EQ(std::size(places), 41U);
    std::map<std::string, std::array<int, 4>> frames;
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        EXPECT_EQ(text(place.name), place.caption);
        const std::array<int, 4> frame = *place.container ? frames.at(place.container) : std::array<int, 4>{};
        std::array expected{frame[0] + place.left / 15, frame[1] + place.top / 15, place.width / 15, place.height / 15};
        frames[place.name] = expected;
        const Shown control = shown(place.name);
        const std::string_view name = place.name;
        if ((name.starts_with("lbl") || name.starts_with("Label")) && name != "Label5")
            expected = {expected[0], expected[1], control.captionWidth, 13};  // sized to its caption, one line high
        EXPECT_EQ(control.place, expected);
    }
}

TEST_F(WindowState, EveryTextFieldStartsWithItsLookAndTypingLimit)
{
    for (const FieldStart& start : fieldStarts) {
        SCOPED_TRACE(start.name);
        EXPECT_EQ(shown(start.name).look, start.readOnly ? Look::ReadOnly : Look::Editable);
        EXPECT_EQ(shown(start.name).typingLimit, start.typingLimit);
        EXPECT_TRUE(shown(start.name).alignedLeft);
    }
}

TEST_F(WindowState, TheCheckBoxesStartArmadilloToMaxNationalAndByGridSize)
{
    for (const auto& [name, value] : boxStarts) {
        SCOPED_TRACE(name);
        EXPECT_EQ(shown(name).value, value);
        EXPECT_TRUE(shown(name).enabled);
        EXPECT_TRUE(shown(name).visible);
    }
}

TEST_F(WindowState, Command1IsHiddenAndDisabledAndNoButtonIsTheDefault)
{
    EXPECT_FALSE(shown("Command1").visible);
    EXPECT_FALSE(shown("Command1").enabled);
    for (const char* name : {"btnCalculate", "btnExit", "Command1"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(shown(name).isDefault);
    }
    EXPECT_TRUE(shown("btnCalculate").visible);
    EXPECT_TRUE(shown("btnExit").visible);
}

TEST_F(WindowState, TheFocusStartsOnCalculate) { EXPECT_EQ(focusedName(), "btnCalculate"); }

TEST_F(WindowState, TabVisitsEveryFocusableControlInOrderAndWrapsToCalculate)
{
    ASSERT_EQ(focusedName(), "btnCalculate");
    std::vector<std::string> left;
    for (std::size_t i = 1; i <= std::size(forwardOrder); ++i) {
        if (std::string_view(forwardOrder[i - 1]).starts_with("txt"))
            left.push_back("left " + std::string(forwardOrder[i - 1]));
        press(Key::Tab);
        ASSERT_EQ(focusedName(), forwardOrder[i % std::size(forwardOrder)]) << "after " << i << " presses of Tab";
    }
    EXPECT_EQ(events.events, left) << "each text field is reported as left when Tab leaves it";
}

TEST_F(WindowState, ShiftTabVisitsTheSameControlsBackwards)
{
    for (std::size_t i = std::size(forwardOrder); i > 0; --i) {
        press(Key::Tab, Held::Shift);
        ASSERT_EQ(focusedName(), forwardOrder[i - 1]);
    }
}

TEST_F(WindowState, TabPassesOverTheDisabledOption)
{
    window->setBoxEnabled(CheckBox::chkUseObjectScale, false);
    click("txtGridRes");
    press(Key::Tab);
    EXPECT_EQ(focusedName(), "txtDistance");
}

TEST_F(WindowState, ReadOnlyFieldsTakeTheFocusByMouse)
{
    for (const char* name : {"txtMaxStrength", "txtObjectScale", "txtX", "txtY", "txtZ"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(shown(name).look, Look::ReadOnly);
        click(name);
        EXPECT_EQ(focusedName(), name);
    }
}

}  // namespace
}  // namespace lumetra::ui::test
