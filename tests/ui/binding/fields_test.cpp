// The text fields: the typing limit holds for what the user types or pastes and never for
// what the program writes, a read-only field refuses typing but lets its text be selected
// and copied, and the two looks take the desktop's colours.

#include "binding_rows.h"
#include "driver.h"

namespace lumetra::ui::test {
namespace {

using test::PrintTo;
using Fields = BindingTest;

class TypingLimit : public BindingTest, public ::testing::WithParamInterface<LimitRow> {};

TEST_P(TypingLimit, RefusesTheCharacterPastTheLimit)
{
    const LimitRow& row = GetParam();
    window->setLook(fieldNamed(row.field), Look::Editable);
    typeInto(row.field, std::string(static_cast<std::size_t>(row.limit) + 1, '1'));
    EXPECT_EQ(text(row.field), std::string(static_cast<std::size_t>(row.limit), '1'));
}

INSTANTIATE_TEST_SUITE_P(EveryLimitedField, TypingLimit, ::testing::ValuesIn(limitRows), rowName);

TEST_F(Fields, TheCoordinatesTakeThirtyTypedCharacters)
{
    const std::string thirty = "123456789012345678901234567890";
    for (const char* name : {"txtX", "txtY", "txtZ"}) {
        SCOPED_TRACE(name);
        window->setLook(fieldNamed(name), Look::Editable);
        typeInto(name, thirty);
        EXPECT_EQ(text(name), thirty);
    }
}

TEST_F(Fields, TheFifthCharacterTypedIntoThePitchIsRefused)
{
    typeInto("txtPitch", "-45.5");
    EXPECT_EQ(text("txtPitch"), "-45.");
}

class PasteIntoPitch : public BindingTest, public ::testing::WithParamInterface<PasteRow> {};

TEST_P(PasteIntoPitch, KeepsOnlyWhatFitsTheTypingLimit)
{
    const PasteRow& row = GetParam();
    click("txtPitch");
    press(Key::A, Held::Ctrl);
    if (!row.selectAll)
        press(Key::Backspace);
    setClipboard(row.pasted);
    press(Key::V, Held::Ctrl);
    EXPECT_EQ(text("txtPitch"), row.shown);
}

INSTANTIATE_TEST_SUITE_P(Paste, PasteIntoPitch, ::testing::ValuesIn(pasteRows), rowName);

TEST_F(Fields, AProgramsWriteIsNeverCutAndCanStillBeShortenedByTheUser)
{
    window->setText(TextField::txtPitch, "-45.0");
    window->setText(TextField::txtCalcHeading, "126.869897645844");
    EXPECT_EQ(text("txtPitch"), "-45.0");
    EXPECT_EQ(text("txtCalcHeading"), "126.869897645844");
    EXPECT_EQ(window->text(TextField::txtPitch), "-45.0");

    click("txtPitch");
    press(Key::End);
    press(Key::Backspace);
    EXPECT_EQ(text("txtPitch"), "-45.");
    type("1");
    EXPECT_EQ(text("txtPitch"), "-45.") << "once within the limit, the limit holds again";
}

TEST_F(Fields, AReadOnlyFieldRefusesTypingButTakesTheFocusAndItsTextCanBeCopied)
{
    window->setLook(TextField::txtHeading, Look::ReadOnly);
    click("txtHeading");
    EXPECT_EQ(focusedName(), "txtHeading");
    type("12");
    EXPECT_EQ(text("txtHeading"), "90.0");

    setClipboard("nothing copied");
    press(Key::A, Held::Ctrl);
    press(Key::C, Held::Ctrl);
    EXPECT_EQ(clipboard(), "90.0") << "Ctrl+A selects the whole text";
}

TEST_F(Fields, EachLookTakesTheDesktopsColourForIt)
{
    window->setLook(TextField::txtHeading, Look::ReadOnly);
    EXPECT_EQ(shown("txtHeading").look, Look::ReadOnly);
    window->setLook(TextField::txtHeading, Look::Editable);
    EXPECT_EQ(shown("txtHeading").look, Look::Editable);
}

}  // namespace
}  // namespace lumetra::ui::test
